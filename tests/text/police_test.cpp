#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "outils_test.h"
#include "outils_texte.h"
#include "text/police.h"

TEST(Police, DemarrageChargeSauveEtAllerRetourParLesModeles) {
  Banc b;
  CasesMasque deux = Motif(2);
  deux[5] = 2;  // a cell the models would call indifferent goes through as it is
  const std::string propre =
      Int32(3) + Glyphe_octets("N", Motif(1)) + Glyphe_octets("phi", Motif(7)) + Glyphe_octets("=", deux);
  std::string sale = propre;
  sale.replace(4, 4, std::string("N\0\x55\x66", 4));  // filler after a NUL is dropped
  ListePolice police(5);
  EXPECT_EQ(Charge_police_initiale(b.ctx), -1);  // no police.dat yet
  EXPECT_EQ(b.ctx.NbGlyphes, -1);
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Ouverture Police de Caractere impossible!"}}));
  b.con.Boites.clear();
  Ecrit_fichier(b.rep.Chemin("police.dat"), sale);
  ASSERT_EQ(Charge_police(b.ctx, police, "police.dat"), 3);
  ASSERT_TRUE(Sauve_police(b.ctx, police, 3, "police.dat"));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("police.dat")), propre);
  EXPECT_EQ(Charge_police_initiale(b.ctx), 3);
  EXPECT_EQ(b.ctx.NbGlyphes, 3);

  // Font -> models -> font, as the mask editor goes: byte for byte.
  b.ctx.NbTraitements = 12;
  ASSERT_TRUE(Police_vers_modeles(b.ctx, 3, police, "temp.dat"));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("temp.dat")), Int32(3) + Int32(0) + Enregistrement("N", 0, Motif(1)) +
                                                       Enregistrement("phi", 0, Motif(7)) +
                                                       Enregistrement("=", 0, deux));
  ListeModeles modeles;
  ASSERT_EQ(Lit_modeles(b.ctx, modeles, "temp.dat"), 3);
  ASSERT_TRUE(Modeles_vers_police(b.ctx, 3, modeles, "temp.dat"));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("temp.dat")), propre);
  ASSERT_TRUE(Modeles_vers_police(b.ctx, 1, modeles, "temp.dat"));  // the first N only
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("temp.dat")), Int32(1) + Glyphe_octets("N", Motif(1)));

  Efface_fichier(b.ctx, "temp.dat");
  EXPECT_FALSE(std::filesystem::exists(b.rep.Chemin("temp.dat")));
  Efface_fichier(b.ctx, "temp.dat");  // missing: nothing to say
  EXPECT_TRUE(b.con.Boites.empty());
}

TEST(Police, BibliothequesTronqueesOuCorrompues) {
  // The two binary loaders, bimdl.dat (m) and police.dat (p): the caller's
  // list and counter stay as they were.
  const std::string r = Int32(0) + Enregistrement("b", 1, Motif(2)), g = Glyphe_octets("a", Motif(3));
  const char *Pm = "Probleme Lecture Biblioteque Caractere!", *Vm = "Biblioteque Caractere Vide!",
             *Pp = "Probleme Lecture Police de Caractere!", *Vp = "Police de Caractere Vide!";
  const std::tuple<char, std::string, const char*> cas[] = {
      {'m', std::string("\1\0\0", 3), Pm},             // count cut
      {'m', Int32(0), Vm},                               // count 0: no counter needed
      {'m', Int32(-1) + r, Vm},
      {'m', Int32(1) + std::string("\0\0", 2), Pm},      // counter cut
      {'p', std::string("\2\0", 2), Pp},
      {'p', Int32(0) + g, Vp},
      {'p', Int32(-5) + g, Vp},
      {'p', Int32(1) + g.substr(0, 83), Pp},
      {'p', Int32(0x40000000) + g, Pp},
      {'p', Int32(1) + g + std::string(1, '\0'), Pp},
      {'p', Int32(1) + "ph12" + g.substr(4), Pp},
  };
  for (const auto& [quoi, octets, boite] : cas) {
    Banc b;
    Ecrit_fichier(b.rep.Chemin("f.dat"), octets);
    b.ctx.NbTraitements = 42;
    ListeModeles l(1);
    ListePolice police(1);
    EXPECT_EQ(quoi == 'm' ? Lit_modeles(b.ctx, l, "f.dat") : Charge_police(b.ctx, police, "f.dat"), -1) << boite;
    EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", boite}})) << quoi << octets.size();
    EXPECT_EQ(l.size() + police.size(), 2u) << quoi << octets.size();
    EXPECT_EQ(b.ctx.NbTraitements, 42);
  }
  // A missing library is reported and not created.
  Banc b;
  ListeModeles l;
  EXPECT_EQ(Lit_modeles(b.ctx, l, "bimdl.dat"), -1);
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Ouverture Biblioteque Caractere impossible!"}}));
  EXPECT_FALSE(std::filesystem::exists(b.rep.Chemin("bimdl.dat")));
}

TEST(Police, BibliothequeLueJusquALaCoupure) {
  // bimdl.dat keeps its complete records up to a cut, ignores what follows
  // the last one, and keeps three characters of a name without NUL.
  const std::string b1 = Enregistrement("b", 1, Motif(2)), c2 = Enregistrement("c", 2, Motif(4));
  const std::tuple<std::string, std::vector<std::string>> cas[] = {
      {Int32(2) + Int32(9) + b1 + c2.substr(0, 87), {"b"}},
      {Int32(0x7FFFFFFF) + Int32(9) + b1 + c2, {"b", "c"}},
      {Int32(1) + Int32(9) + b1 + "x", {"b"}},
      {Int32(2) + Int32(9) + "abcd" + b1.substr(4) + c2, {"abc", "c"}},
      {Int32(1) + Int32(9) + b1.substr(0, 87), {}},
  };
  for (const auto& [octets, noms] : cas) {
    Banc b;
    Ecrit_fichier(b.rep.Chemin("bimdl.dat"), octets);
    ListeModeles l(1);
    EXPECT_EQ(Lit_modeles(b.ctx, l, "bimdl.dat"), static_cast<int32_t>(noms.size()));
    std::vector<std::string> lus;
    for (const Modele& m : l) lus.emplace_back(Nom_texte(m.Nom));
    EXPECT_EQ(lus, noms);
    EXPECT_EQ(b.ctx.NbTraitements, 9);
    EXPECT_TRUE(b.con.Boites.empty());
  }
}

TEST(Police, EchecsDEcriture) {
  // A directory where the file goes: each writer reports, the directory stays.
  Banc b;
  std::filesystem::create_directories(b.rep.Chemin("bloque/x"));
  EXPECT_FALSE(Sauve_police(b.ctx, ListePolice(1), 1, "bloque"));
  EXPECT_FALSE(Police_vers_modeles(b.ctx, 1, ListePolice(1), "bloque"));
  EXPECT_FALSE(Modeles_vers_police(b.ctx, 1, ListeModeles(1), "bloque"));
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Sauvegarde Police de Caractere impossible!"},
                                              {"Erreur", "conversion Police -> models impossible!"},
                                              {"Erreur", "Conversion Models -> Police de Caractere impossible!"}}));
  EXPECT_TRUE(std::filesystem::exists(b.rep.Chemin("bloque/x")));
  EXPECT_FALSE(std::filesystem::exists(b.rep.Chemin("bloque.tmp")));
}
