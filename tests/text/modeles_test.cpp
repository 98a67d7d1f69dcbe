#include <gtest/gtest.h>

#include <filesystem>

#include "outils_test.h"
#include "outils_texte.h"
#include "text/modeles.h"

namespace fs = std::filesystem;

TEST(Modeles, SauvegardeSure) {
  Banc b;
  const std::string f = b.rep.Chemin("bimdl.dat");
  const ListeModeles l = {Modele_de("a", Motif(1), 2)};
  // The scratch file cannot be made: the old file stays as it was.
  Ecrit_fichier(f, "ancien");
  fs::create_directories(f + ".tmp/x");
  EXPECT_FALSE(Ecrit_modeles(b.ctx, l, 1, "bimdl.dat"));
  EXPECT_EQ(Lit_fichier(f), "ancien");
  // A directory in the way: the scratch file is written, the rename fails and
  // the scratch file is removed.
  fs::remove_all(f + ".tmp");
  fs::remove(f);
  fs::create_directories(f + "/x");
  EXPECT_FALSE(Ecrit_modeles(b.ctx, l, 1, "bimdl.dat"));
  EXPECT_TRUE(fs::exists(f + "/x"));
  EXPECT_FALSE(fs::exists(f + ".tmp"));
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>(2, {"Erreur", "Sauvegarde Biblioteque Caractere impossible!"})));
  // Once the way is clear the file is replaced and no scratch file is left.
  fs::remove_all(f);
  EXPECT_TRUE(Ecrit_modeles(b.ctx, l, 1, "bimdl.dat"));
  EXPECT_EQ(Lit_fichier(f), Int32(1) + Int32(0) + Enregistrement("a", 2, Motif(1)));
  EXPECT_FALSE(fs::exists(f + ".tmp"));
}

TEST(Modeles, AjouteModele) {
  Banc b;
  ListeModeles l;
  auto courant = l.end();
  b.con.Reponses = {{true, "abc"}, {true, "WXYZ"}, {false, "ignored"}, {true, "q"}};
  Ajoute_modele(b.con, l, courant, Motif(4));  // alone in an empty library
  Ajoute_modele(b.con, l, courant, Motif(4));  // after the current one
  Ajoute_modele(b.con, l, courant, Motif(4));  // cancelled: the empty default
  courant = l.begin();
  Ajoute_modele(b.con, l, courant, Motif(4));  // between the first and the second
  EXPECT_EQ(courant, std::next(l.begin()));
  EXPECT_EQ(b.con.Libelles, std::vector<std::string>(4, "- nom du caractere"));
  // Names cut to 3 characters, every new model used once; N beyond the list
  // writes the list, below it the first N.
  EXPECT_EQ(Code_bibliotheque(l, 9, -7), Int32(4) + Int32(-7) + Enregistrement("abc", 1, Motif(4)) +
                                             Enregistrement("q", 1, Motif(4)) + Enregistrement("WXY", 1, Motif(4)) +
                                             Enregistrement("", 1, Motif(4)));
  EXPECT_EQ(Code_bibliotheque(l, 1, 3), Int32(1) + Int32(3) + Enregistrement("abc", 1, Motif(4)));
}

TEST(Modeles, DistanceMasque) {
  // Over the cells where R is 0 or 1: X XOR R, an indifferent X counting 2 or 3.
  const CasesMasque r = {1, 0, 1, 2, 1}, x = {0, 2, 2, 1, 1};
  EXPECT_EQ(Distance_masque(x, r), 1 + 2 + 3);
  EXPECT_EQ(Distance_masque(r, x), 1 + 3);
}
