// The drawing of the text zones and the release of the candidate list.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "display/dessin_caracteres.h"
#include "display/raz_listes.h"
#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "localisation_outils.h"

TEST(Dessin_caracteres, SeulesLesZonesDuPlan1) {
  for (const int mode : {0, 1}) {
    ConsoleTexte con;
    con.ModeDebug = mode;
    std::ostringstream copie;
    con.CopieLog = &copie;
    Document doc;
    Installe_plan(doc, Plan_texte({"#####", "#...#", "#####", ".....", "..###"}));
    Ecrit_pixel(8, 2, 1, doc.Plan2);  // cleared first
    CompConnexe a = Boite_cc(2, 1, 3, 3), b = Boite_cc(3, 5, 60, 60);  // b runs off the plane
    a.Classe = 3;
    b.Classe = -1;
    EXPECT_EQ(Dessin_caracteres(con, doc, ListeCC{a, b}), 1);
    EXPECT_EQ(Pixels_encre(doc.Plan2), (Pixels{{2, 1}, {3, 1}, {2, 3}, {3, 3}, {3, 5}, {4, 5}, {5, 5}}));
    EXPECT_EQ(con.NbBipsMessage, 1);
    if (mode == 0) {
      EXPECT_EQ(con.Log, "- Dessin des Caracteres ...");
      EXPECT_EQ(con.NbPauses, 0);
      EXPECT_TRUE(con.Vues.empty());
    } else {
      EXPECT_EQ(con.Log, "");
      EXPECT_EQ(copie.str(), "- Dessin des Caracteres ...\n Type :  3 \n\n Type :  -1 \n");
      EXPECT_EQ(con.NbPauses, 2);
      EXPECT_EQ(con.Vues, (std::vector<ConsoleTexte::Point>{{1, 1}, {1, 1}}));
    }
  }
}

TEST(Raz_caracteres, CompteLesNoeudsLiberes) {
  ConsoleTexte con;
  Quadrilatere q = Au_centre(5, 5);
  ListeCandidats l{{&q, 1}, {&q, 2}, {&q, 11}};
  con.Log = "x";
  Raz_caracteres(con, l);
  EXPECT_TRUE(l.empty());
  EXPECT_EQ(con.Log, "x\n Raz Caracteres :  3 ");
}
