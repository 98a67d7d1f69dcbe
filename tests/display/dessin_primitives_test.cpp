#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "console/console_texte.h"
#include "display/dessin_primitives.h"
#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"

namespace {


// Border of the rectangle (xa, ya) - (xb, yb) less the given corners.
Pixels Bord(int32_t xa, int32_t ya, int32_t xb, int32_t yb, const Pixels& sans) {
  Pixels s;
  for (int32_t y = ya; y <= yb; ++y)
    for (int32_t x = xa; x <= xb; ++x)
      if ((x == xa || x == xb || y == ya || y == yb) && !sans.count({x, y})) s.insert({x, y});
  return s;
}

// A rectangle as a quadrilateral: side 1 along the top, side 2 back along the bottom.
Quadrilatere Rect(int32_t xa, int32_t ya, int32_t xb, int32_t yb, int32_t marque = 0) {
  Quadrilatere q;
  q.x1 = xa, q.y1 = ya, q.x2 = xb, q.y2 = ya;
  q.x3 = xb, q.y3 = yb, q.x4 = xa, q.y4 = yb;
  q.Longueur = xb - xa;
  q.Marque = marque;
  return q;
}

struct Cas {
  ConsoleTexte con;
  Document doc;
  Cas() { Installe_plan(doc, Plan_blanc(40, 20)); }
};

}  // namespace

TEST(Dessin_CC, BoitesSansDeuxCoins) {
  Cas c;
  Ecrit_pixel(30, 15, 1, c.doc.Plan2);  // Plan 2 is cleared first
  CompConnexe cc;
  cc.xmin = 2, cc.ymin = 2, cc.xmax = 6, cc.ymax = 5;
  EXPECT_EQ(Dessin_CC(c.con, c.doc, ListeCC{cc}), 1);
  EXPECT_EQ(Pixels_encre(c.doc.Plan2), Bord(2, 2, 6, 5, {{2, 5}, {6, 2}}));
  EXPECT_EQ(c.con.Log, "\n Dessin des C.C.  ...\n* Nb comp. connexes :  1 ");
}

TEST(Dessin_vecteurs, VecteursEtLongueurNulle) {
  Vecteur v;
  v.x1 = 2, v.y1 = 2, v.x2 = 5, v.y2 = 2;
  Mesure(v);
  Vecteur nul;
  nul.x1 = nul.x2 = 7, nul.y1 = nul.y2 = 7;
  for (const int mode : {0, 1}) {
    Cas c;
    c.con.ModeDebug = mode;
    Ecrit_pixel(30, 15, 1, c.doc.Plan2);  // not cleared
    EXPECT_EQ(Dessin_vecteurs(c.con, c.doc, ListeVecteurs{v, nul}), 1);
    EXPECT_EQ(Pixels_encre(c.doc.Plan2), (Pixels{{2, 2}, {3, 2}, {4, 2}, {30, 15}}));
    EXPECT_EQ(c.con.Log, mode ? "\n Dessin des vecteurs ... *** \n* Nb de vecteurs :  2 "
                              : "\n Dessin des vecteurs ...\n* Nb de vecteurs :  2 ");
    EXPECT_EQ(c.con.NbBips, mode);
    EXPECT_EQ(c.con.NbPauses, mode);
  }
}

TEST(Dessin_quads, SansQuadrilatereRienNestFait) {
  Cas c;
  c.con.Log = "avant";
  const ListeQuads liste{Rect(2, 2, 8, 6)};
  EXPECT_EQ(Dessin_quads(c.con, c.doc, liste), 0);
  EXPECT_EQ(Dessin_quads_type(c.con, c.doc, liste), 0);
  EXPECT_EQ(Dessin_squelette(c.con, c.doc, liste), 0);
  EXPECT_EQ(c.con.Log, "avant");
  EXPECT_TRUE(c.con.Libelles.empty());
  EXPECT_TRUE(Pixels_encre(c.doc.Plan2).empty());
}

TEST(Dessin_quads, CotesEtPasAPas) {
  const ListeQuads liste{Rect(2, 2, 8, 6), Separateur(), Rect(300, 160, 310, 170)};
  for (const int mode : {0, 1}) {
    Cas c;
    c.doc.NbQuads = 3;
    c.con.ModeDebug = mode;
    EXPECT_EQ(Dessin_quads(c.con, c.doc, liste), 1);
    // Corners 2 and 4 are end points only.
    EXPECT_EQ(Pixels_encre(c.doc.Plan2), Bord(2, 2, 8, 6, {{8, 2}, {2, 6}}));
    EXPECT_EQ(c.con.Log, mode ? " Dessin des quadr. ... *** \n* Nb de Quadrilateres :  3 "
                              : " Dessin des quadr. ...\n* Nb de Quadrilateres :  3 ");
    if (mode) {
      EXPECT_EQ(c.con.Vues, (std::vector<ConsoleTexte::Point>{{1, 1}, {150, 10}}));
      EXPECT_EQ(c.con.NbPauses, 3);
      EXPECT_EQ(c.con.NbBips, 1);
    }
  }
}

TEST(Dessin_quads_type, ClasseEnCentaines) {
  const ListeQuads liste{Rect(2, 2, 8, 6, 150), Rect(12, 2, 18, 6, 99)};
  const Pixels premier = Bord(2, 2, 8, 6, {{8, 2}, {2, 6}});
  const Pixels second = Bord(12, 2, 18, 6, {{18, 2}, {12, 6}});
  // Answer ("OK" or "Defaut") and what is drawn.
  struct Ligne {
    bool ok;
    const char* texte;
    const Pixels* attendu;
  };
  const Pixels rien;
  const Ligne table[] = {{true, "100", &premier}, {true, "150", &rien}, {false, "100", &second}, {true, "abc", &second}};
  for (const Ligne& l : table) {
    SCOPED_TRACE(l.texte);
    Cas c;
    c.doc.NbQuads = 2;
    c.con.ModeDebug = 1;  // drawn records neither pan nor pause
    c.con.Reponses.push_back({l.ok, l.texte});
    EXPECT_EQ(Dessin_quads_type(c.con, c.doc, liste), 1);
    EXPECT_EQ(Pixels_encre(c.doc.Plan2), *l.attendu);
    EXPECT_EQ(c.con.Libelles, (std::vector<std::string>{"- Quel Type (0,100,200,...,500) ?"}));
    EXPECT_EQ(c.con.Log, " Dessin des quadr. ...\n* Nb de Quadrilateres :  2 ");
    EXPECT_TRUE(c.con.Vues.empty());
    EXPECT_EQ(c.con.NbPauses, 0);
  }
}

TEST(Dessin_squelette, Axes) {
  Cas c;
  c.doc.NbQuads = 2;
  EXPECT_EQ(Dessin_squelette(c.con, c.doc, ListeQuads{Rect(2, 2, 8, 6), Separateur()}), 1);
  // From end 1 (2,4) to end 2 (8,4).
  EXPECT_EQ(Pixels_encre(c.doc.Plan2), (Pixels{{2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}, {7, 4}}));
  EXPECT_EQ(c.con.Log, " Dessin du squelette ...\n* Nb de traits :  2 ");
}
