#include <gtest/gtest.h>

#include <filesystem>

#include "outils_test.h"
#include "outils_texte.h"
#include "text/police.h"

namespace {

std::string Glyphe_octets(const std::string& nom, const CasesMasque& m) { return Nom4(nom) + Cellules(m); }

}  // namespace

TEST(Police, ChargeSauveEtConversions) {
  Banc b;
  CasesMasque deux = Motif(2);
  deux[5] = 2;  // a cell the models would call indifferent goes through as it is
  const std::string propre = Int32(3) + Glyphe_octets("N", Motif(1)) + Glyphe_octets("phi", Motif(7)) +
                             Glyphe_octets("=", deux);
  // Filler after a name's NUL is read and dropped.
  const std::string sale = Int32(3) + std::string("N\0\x55\x66", 4) + Cellules(Motif(1)) +
                           Glyphe_octets("phi", Motif(7)) + Glyphe_octets("=", deux);
  Ecrit_fichier(b.rep.Chemin("police.dat"), sale);

  ListePolice police(5);
  ASSERT_EQ(Charge_police(b.ctx, police, "police.dat"), 3);
  ASSERT_EQ(police.size(), 3u);
  EXPECT_EQ(Nom_texte(police.front().Nom), "N");
  EXPECT_EQ(Nom_texte(std::next(police.begin())->Nom), "phi");
  EXPECT_EQ(police.back().Masque, deux);

  ASSERT_TRUE(Sauve_police(b.ctx, police, 3, "police.dat"));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("police.dat")), propre);

  // Font -> models -> font, as the mask editor goes.
  b.ctx.NbTraitements = 12;
  ASSERT_TRUE(Police_vers_modeles(b.ctx, 3, police, "temp.dat"));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("temp.dat")),
            Int32(3) + Int32(0) + Enregistrement("N", 0, Motif(1)) + Enregistrement("phi", 0, Motif(7)) +
                Enregistrement("=", 0, deux));
  ListeModeles modeles;
  ASSERT_EQ(Lit_modeles(b.ctx, modeles, "temp.dat"), 3);
  ASSERT_TRUE(Modeles_vers_police(b.ctx, 3, modeles, "temp.dat"));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("temp.dat")), propre);
  Efface_fichier(b.ctx, "temp.dat");
  EXPECT_FALSE(std::filesystem::exists(b.rep.Chemin("temp.dat")));
  Efface_fichier(b.ctx, "temp.dat");  // missing: nothing to say

  // Fewer than the list: the first ones.
  ASSERT_TRUE(Modeles_vers_police(b.ctx, 1, modeles, "temp.dat"));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("temp.dat")), Int32(1) + Glyphe_octets("N", Motif(1)));
  EXPECT_TRUE(b.con.Boites.empty());
}

TEST(Police, FichiersRefuses) {
  const std::string g = Glyphe_octets("a", Motif(3));
  struct Cas {
    const char* quoi;
    std::string octets;
    const char* boite;
  };
  const Cas cas[] = {
      {"empty file", "", "Probleme Lecture Police de Caractere!"},
      {"short count", std::string("\2\0", 2), "Probleme Lecture Police de Caractere!"},
      {"count 0", Int32(0) + g, "Police de Caractere Vide!"},
      {"negative count", Int32(-5) + g, "Police de Caractere Vide!"},
      {"glyph missing", Int32(2) + g, "Probleme Lecture Police de Caractere!"},
      {"glyph cut", Int32(1) + g.substr(0, 83), "Probleme Lecture Police de Caractere!"},
      {"huge count", Int32(0x40000000) + g, "Probleme Lecture Police de Caractere!"},
      {"bytes after", Int32(1) + g + std::string(1, '\0'), "Probleme Lecture Police de Caractere!"},
      {"name without NUL", Int32(1) + "ph12" + g.substr(4), "Probleme Lecture Police de Caractere!"},
  };
  for (const Cas& c : cas) {
    Banc b;
    Ecrit_fichier(b.rep.Chemin("police.dat"), c.octets);
    ListePolice police(2);
    EXPECT_EQ(Charge_police(b.ctx, police, "police.dat"), -1) << c.quoi;
    EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", c.boite}})) << c.quoi;
    EXPECT_EQ(police.size(), 2u) << c.quoi;
  }
}

TEST(Police, DemarrageEtEchecsDEcriture) {
  Banc b;
  EXPECT_EQ(Charge_police_initiale(b.ctx), -1);
  EXPECT_EQ(b.ctx.NbGlyphes, -1);
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Ouverture Police de Caractere impossible!"}}));

  const std::string fichier = Int32(1) + Nom4("x") + Cellules(Motif(4));
  Ecrit_fichier(b.rep.Chemin("police.dat"), fichier);
  EXPECT_EQ(Charge_police_initiale(b.ctx), 1);
  EXPECT_EQ(b.ctx.NbGlyphes, 1);
  EXPECT_EQ(b.ctx.Police.size(), 1u);

  // A directory standing where the file goes: each writer reports and the
  // directory stays.
  b.con.Boites.clear();
  std::filesystem::create_directories(b.rep.Chemin("bloque/x"));
  ListeModeles modeles(1);
  EXPECT_FALSE(Sauve_police(b.ctx, b.ctx.Police, 1, "bloque"));
  EXPECT_FALSE(Police_vers_modeles(b.ctx, 1, b.ctx.Police, "bloque"));
  EXPECT_FALSE(Modeles_vers_police(b.ctx, 1, modeles, "bloque"));
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Sauvegarde Police de Caractere impossible!"},
                                              {"Erreur", "conversion Police -> models impossible!"},
                                              {"Erreur", "Conversion Models -> Police de Caractere impossible!"}}));
  EXPECT_TRUE(std::filesystem::exists(b.rep.Chemin("bloque/x")));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("police.dat")), fichier);

  Libere_police_finale(b.ctx);
  EXPECT_TRUE(b.ctx.Police.empty());
  EXPECT_EQ(b.ctx.NbGlyphes, 0);
}
