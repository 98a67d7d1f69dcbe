#include <gtest/gtest.h>

#include <filesystem>

#include "outils_test.h"
#include "outils_texte.h"
#include "text/modeles.h"

namespace {

std::vector<std::string> Noms(const ListeModeles& l) {
  std::vector<std::string> n;
  for (const Modele& m : l) n.emplace_back(Nom_texte(m.Nom));
  return n;
}

}  // namespace

TEST(Modeles, LectureEtEcritureDuFichier) {
  Banc b;
  const CasesMasque m1 = Motif(3), m2 = Inverse(Motif(5), 80);
  // The bytes after a name's NUL carry nothing; they are written back as zeros.
  const std::string fichier = Int32(2) + Int32(-7) + Enregistrement("a", 5, m1) +
                              std::string("Cl\0x", 4) + Int32(0x01020304) + Cellules(m2);
  Ecrit_fichier(b.rep.Chemin("bimdl.dat"), fichier);

  ListeModeles l;
  ASSERT_EQ(Lit_modeles(b.ctx, l, "bimdl.dat"), 2);
  EXPECT_EQ(b.ctx.NbTraitements, -7);
  EXPECT_EQ(Noms(l), (std::vector<std::string>{"a", "Cl"}));
  EXPECT_EQ(l.front().Utilisation, 5);
  EXPECT_EQ(l.back().Utilisation, 0x01020304);
  EXPECT_EQ(l.front().Masque, m1);
  EXPECT_EQ(l.back().Masque, m2);

  b.ctx.NbTraitements = 9;
  ASSERT_TRUE(Ecrit_modeles(b.ctx, l, 2, "bimdl.dat"));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")),
            Int32(2) + Int32(9) + Enregistrement("a", 5, m1) + Enregistrement("Cl", 0x01020304, m2));
  // Only the first N models are written; N beyond the list writes the list.
  ASSERT_TRUE(Ecrit_modeles(b.ctx, l, 1, "bimdl.dat"));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")), Int32(1) + Int32(9) + Enregistrement("a", 5, m1));
  ASSERT_TRUE(Ecrit_modeles(b.ctx, l, 7, "bimdl.dat"));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")).size(), 8u + 2 * 88);
  EXPECT_TRUE(b.con.Boites.empty());
  EXPECT_FALSE(std::filesystem::exists(b.rep.Chemin("bimdl.dat.tmp")));
}

TEST(Modeles, FichiersRefuses) {
  const std::string r = Enregistrement("b", 1, Motif(2));
  struct Cas {
    const char* quoi;
    std::string octets;
    const char* boite;
  };
  const Cas cas[] = {
      {"empty file", "", "Probleme Lecture Biblioteque Caractere!"},
      {"short count", std::string("\1\0\0", 3), "Probleme Lecture Biblioteque Caractere!"},
      {"count 0", Int32(0) + Int32(0), "Biblioteque Caractere Vide!"},
      {"count 0 alone", Int32(0), "Biblioteque Caractere Vide!"},
      {"negative count", Int32(-1) + Int32(0) + r, "Biblioteque Caractere Vide!"},
      {"no counter", Int32(1) + std::string("\0\0", 2), "Probleme Lecture Biblioteque Caractere!"},
      {"record missing", Int32(2) + Int32(0) + r, "Probleme Lecture Biblioteque Caractere!"},
      {"record cut", Int32(1) + Int32(0) + r.substr(0, 87), "Probleme Lecture Biblioteque Caractere!"},
      {"huge count", Int32(0x7FFFFFFF) + Int32(0) + r, "Probleme Lecture Biblioteque Caractere!"},
      {"bytes after", Int32(1) + Int32(0) + r + "x", "Probleme Lecture Biblioteque Caractere!"},
      {"name without NUL", Int32(1) + Int32(0) + "abcd" + r.substr(4), "Probleme Lecture Biblioteque Caractere!"},
  };
  for (const Cas& c : cas) {
    Banc b;
    Ecrit_fichier(b.rep.Chemin("bimdl.dat"), c.octets);
    b.ctx.NbTraitements = 42;
    ListeModeles l(1);
    EXPECT_EQ(Lit_modeles(b.ctx, l, "bimdl.dat"), -1) << c.quoi;
    EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", c.boite}})) << c.quoi;
    EXPECT_EQ(l.size(), 1u) << c.quoi;  // the caller's list is untouched
    EXPECT_EQ(b.ctx.NbTraitements, 42) << c.quoi;
  }

  // A missing file is reported and not created.
  Banc b;
  ListeModeles l;
  EXPECT_EQ(Lit_modeles(b.ctx, l, "bimdl.dat"), -1);
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Ouverture Biblioteque Caractere impossible!"}}));
  EXPECT_FALSE(std::filesystem::exists(b.rep.Chemin("bimdl.dat")));
}

TEST(Modeles, SauvegardeImpossibleGardeLAncienFichier) {
  Banc b;
  ListeModeles l(1);
  // A directory in the way: the scratch file is written, the rename fails.
  std::filesystem::create_directories(b.rep.Chemin("bimdl.dat/plein"));
  EXPECT_FALSE(Ecrit_modeles(b.ctx, l, 1, "bimdl.dat"));
  EXPECT_TRUE(std::filesystem::exists(b.rep.Chemin("bimdl.dat/plein")));
  EXPECT_FALSE(std::filesystem::exists(b.rep.Chemin("bimdl.dat.tmp")));
  // A working directory that does not exist: nothing can be opened.
  Contexte ailleurs(b.con, b.rep.Chemin("absent"));
  EXPECT_FALSE(Ecrit_modeles(ailleurs, l, 1, "bimdl.dat"));
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>(2, {"Erreur", "Sauvegarde Biblioteque Caractere impossible!"})));
}

TEST(Modeles, AjouteModele) {
  Banc b;
  ListeModeles l;
  auto courant = l.end();
  const CasesMasque m = Motif(4);
  b.con.Reponses = {{true, "abc"}, {true, "WXYZ"}, {false, "ignored"}, {true, "q"}};
  Ajoute_modele(b.con, l, courant, m);  // alone in an empty library
  Ajoute_modele(b.con, l, courant, m);  // after the current one
  Ajoute_modele(b.con, l, courant, m);  // cancelled: the empty default
  courant = l.begin();
  Ajoute_modele(b.con, l, courant, m);  // between the first and the second
  EXPECT_EQ(Noms(l), (std::vector<std::string>{"abc", "q", "WXY", ""}));
  EXPECT_EQ(courant, std::next(l.begin()));
  EXPECT_EQ(b.con.Libelles, std::vector<std::string>(4, "- nom du caractere"));
  EXPECT_EQ(b.con.Log, "\n\n\n\n");
  for (const Modele& x : l) {
    EXPECT_EQ(x.Utilisation, 1);
    EXPECT_EQ(x.Masque, m);
  }
}

TEST(Modeles, DistanceMasque) {
  CasesMasque r{}, x{};
  r[0] = 1, x[0] = 0;  // 1
  r[1] = 0, x[1] = 2;  // 2: indifferent in X only
  r[2] = 1, x[2] = 2;  // 3
  r[3] = 2, x[3] = 1;  // not counted: indifferent in R
  r[4] = 1, x[4] = 1;  // 0
  EXPECT_EQ(Distance_masque(x, r), 6);
  EXPECT_EQ(Distance_masque(r, x), 1 + 3);  // the other way round
  EXPECT_EQ(Distance_masque(Motif(1), Inverse(Motif(1), 80)), 80);
}
