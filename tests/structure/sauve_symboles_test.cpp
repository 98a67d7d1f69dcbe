#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "outils_structure.h"
#include "structure/dump_graphe.h"
#include "structure/sauve_symboles.h"

namespace {

Symbole Symbole_de(int32_t type, uint32_t nb, const char* commentaire, std::vector<Sommet> sommets) {
  Symbole s;
  s.Type = type;
  s.Nb = nb;
  std::strncpy(s.Commentaire, commentaire, sizeof s.Commentaire - 1);
  for (size_t i = 0; i < sommets.size(); ++i) s.Sommets[i] = sommets[i];
  return s;
}

}  // namespace

TEST(Sauve_symboles, BlocsAjoutesApresLeTexte) {
  Cas c;
  const std::string chemin = c.b.rep.Chemin("r.vrx");
  Ecrit_fichier(chemin, "texte\n");
  // Nothing to append.
  EXPECT_TRUE(Sauve_symboles(c.b.con, chemin, c.doc));
  EXPECT_EQ(Lit_fichier(chemin), "texte\n");

  std::vector<Sommet> hexagone;
  for (int32_t k = 0; k < 6; ++k) hexagone.push_back({10 * k, -k});
  c.doc.ListeSymboles = {Symbole_de(300, 2, "L2", {{10, 20}, {30, 40}, {12, 25}, {32, 45}}),
                         Symbole_de(100, 6, "@", hexagone),
                         Symbole_de(200, 3, "C1111", {{1, 2}, {3, 4}, {5, 6}, {7, 8}}),
                         Symbole_de(500, 2, "X2", {{1, 1}, {2, 2}, {3, 3}, {4, 4}}),
                         Symbole_de(400, 1, "?", {{9, 9}})};
  // A comment that fills its 20 characters without a NUL stops there.
  std::memset(c.doc.ListeSymboles.back().Commentaire, 'a', 20);
  EXPECT_TRUE(Sauve_symboles(c.b.con, chemin, c.doc));
  EXPECT_EQ(Lit_fichier(chemin),
            "texte\n"
            "\n#Symbole#\nNom=Liaison\nNbSommets=4\nSommets=(10,20) (30,40) (12,25) (32,45) \nCommentaire=L2\n"
            "\n#Symbole#\nNom=Polygone\nNbSommets=6\nSommets=(0,0) (10,-1) (20,-2) (30,-3) (40,-4) (50,-5) "
            "\nCommentaire=\n"
            "\n#Symbole#\nNom=Chaine\nNbSommets=4\nSommets=(1,2) (3,4) (5,6) (7,8) \nCommentaire=C1111\n"
            "\n#Symbole#\nNom=Croix\nNbSommets=4\nSommets=(1,1) (2,2) (3,3) (4,4) \nCommentaire=X2\n"
            "\n#Symbole#\n");
}

TEST(Sauve_symboles, FichierImpossibleRienNEstEcrit) {
  Cas c;
  c.doc.ListeSymboles = {Symbole_de(300, 1, "L1", {{1, 2}, {3, 4}})};
  const std::string dossier = c.b.rep.Chemin("dossier");
  std::filesystem::create_directory(dossier);
  EXPECT_FALSE(Sauve_symboles(c.b.con, dossier, c.doc));
  EXPECT_FALSE(Sauve_symboles(c.b.con, c.b.rep.Chemin("absent/r.vrx"), c.doc));
  EXPECT_TRUE(c.b.con.Boites.empty());
  EXPECT_TRUE(std::filesystem::is_directory(dossier));
  EXPECT_FALSE(std::filesystem::exists(c.b.rep.Chemin("absent")));
}

// Vertices beyond the 20 a symbol holds are never read.
TEST(Sauve_symboles, SommetsBornes) {
  Symbole s = Symbole_de(300, 11, "L11", {});
  const std::string t = Texte_symboles({s});
  EXPECT_NE(t.find("NbSommets=22\n"), std::string::npos);
  size_t n = 0;
  for (char ch : t) n += ch == '(';
  EXPECT_EQ(n, 20u);
}

TEST(Sauve_graphe, ArcsPuisTraits) {
  Cas c;
  Quadrilatere* a = c.Ajoute(Trait(20, 100, 80, 100));
  Quadrilatere* b = c.Ajoute(Axe(5, 6, 7, 8));
  b->Ep1 = 2, b->Ep2 = 255, b->Marque = 300, b->Marque2 = 101, b->Niveau = 4;
  c.Ajoute(Separateur());
  c.Relie(a, b, 'L');
  c.Relie(b, a, '~');
  const std::string chemin = c.b.rep.Chemin("g.txt");
  Ecrit_fichier(chemin, "ancien contenu plus long que le nouveau, bien plus long que lui encore et encore");
  EXPECT_TRUE(Sauve_graphe(chemin, c.doc));
  EXPECT_EQ(Lit_fichier(chemin),
            "L 20 97 80 97 80 103 20 103 5 6 7 8 7 8 5 6\n"
            "~ 5 6 7 8 7 8 5 6 20 97 80 97 80 103 20 103\n"
            "-\n"
            "20 97 80 97 80 103 20 103 60 0 0 0 0 0 0 0\n"
            "5 6 7 8 7 8 5 6 3 135 135 2 255 300 101 4\n");
  EXPECT_FALSE(Sauve_graphe(c.b.rep.Chemin("absent/g.txt"), c.doc));
}
