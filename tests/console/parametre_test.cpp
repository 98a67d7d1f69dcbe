#include <gtest/gtest.h>

#include "console/parametre.h"
#include "outils_test.h"

TEST(Parametre, Grammaire) {
  Banc b(
      "Comments are skipped.\n"
      "#A#\n=12#\n"
      "#B# free text after the name\n=0.5#\n"
      "#C#\n=.5#\n"
      "#D#\n= 3#\n"
      "#E# =7#\n=8#\n"
      "#F#\n=1.2.3#\n"
      "#A#\n=99#\n"
      "#a#\n=5#\n"
      "#G#\n=12\n"
      "#ABCDEFGHIJKLMNOPQRSTUVWXYZ#\n=4#\n"
      "#X#aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa#M#\n=6#\n"
      ">\n"
      "#H#\n=1#\n");
  struct Cas {
    const char* nom;
    double valeur;
    const char* boite;
  };
  const Cas cas[] = {
      {"A", 12.0, nullptr},  // the first of two entries wins
      {"B", 0.5, nullptr},
      {"C", 0.5, nullptr},
      {"D", -255.0, "PB de lecture !"},
      {"E", 8.0, nullptr},  // the "=" of the name's own line is not read
      {"F", 1.2, nullptr},
      {"a", 5.0, nullptr},  // case counts
      {"G", -255.0, "PB de lecture !"},
      {"ABCDEFGHIJKLMNOPQRSTU", 4.0, nullptr},  // names are cut at 21 characters
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", -255.0, "Parametre inconnu !"},
      {"M", 6.0, nullptr},  // a line longer than 49 characters is read in pieces
      {"H", -255.0, "Parametre inconnu !"},  // after the end mark
      {"Z", -255.0, "Parametre inconnu !"},
      {"", -255.0, "Parametre inconnu !"},
  };
  for (const Cas& c : cas) {
    b.con.Boites.clear();
    EXPECT_DOUBLE_EQ(Parametre(b.ctx, c.nom), c.valeur) << c.nom;
    if (c.boite) {
      EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", c.boite}})) << c.nom;
    } else {
      EXPECT_TRUE(b.con.Boites.empty()) << c.nom;
    }
  }
}

TEST(Parametre, FinDeFichierEtFichierAbsent) {
  Banc b;
  EXPECT_EQ(Parametre(b.ctx, "A"), -255.0);
  EXPECT_EQ(b.con.Boites.back().Texte, "Ouverture " + b.rep.Chemin("param.dat") + " impossible !");

  // The end of the file stands for the end mark before the name is found...
  Ecrit_fichier(b.rep.Chemin("param.dat"), "#A#\n=1#\n");
  EXPECT_EQ(Parametre(b.ctx, "B"), -255.0);
  EXPECT_EQ(b.con.Boites.back().Texte, "Parametre inconnu !");
  // ...and is a read problem while the value of a found name is looked for.
  Ecrit_fichier(b.rep.Chemin("param.dat"), "#A#\n1#\n");
  EXPECT_EQ(Parametre(b.ctx, "A"), -255.0);
  EXPECT_EQ(b.con.Boites.back().Texte, "PB de lecture !");
  Ecrit_fichier(b.rep.Chemin("param.dat"), "#A");
  EXPECT_EQ(Parametre(b.ctx, "A"), -255.0);
  EXPECT_EQ(b.con.Boites.back().Texte, "PB de lecture !");

  // Every lookup reads the file again.
  Ecrit_fichier(b.rep.Chemin("param.dat"), "#A#\n=1#\n>");
  EXPECT_EQ(Parametre(b.ctx, "A"), 1.0);
  Ecrit_fichier(b.rep.Chemin("param.dat"), "#A#\n=2#\n>");
  EXPECT_EQ(Parametre(b.ctx, "A"), 2.0);
}

TEST(Parametre, FichierDuProjetComplet) {
  Banc b(Param_defaut());
  for (const char* nom : {"Resolution", "Seuil_penteTQ", "EpsV", "EpsFV", "Seuil_penteV", "SeuilEpmax", "EpsFQ",
                          "SeuilDiffEp", "SeuilTailleCar", "SeuilQuadCar", "Seuil_dist_Pol", "Seuil_dist_Ch",
                          "NBINDIF", "SEUILMASK", "SEUILDIFF", "SEUILMINIDIFF", "SHouL", "LGMINIQ", "MARGEANGLE",
                          "SEUILDECOUPE", "SEUILDECOUPS"})
    EXPECT_GE(Parametre(b.ctx, nom), 0.0) << nom;
  EXPECT_TRUE(b.con.Boites.empty());
}
