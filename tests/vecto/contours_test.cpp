#include <gtest/gtest.h>

#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "vecto/contours.h"

namespace {

const std::string PARAM = "#EpsV#\n=2#\n>\n";

std::vector<int32_t> Coordonnees(const Vecteur& v) { return {v.x1, v.y1, v.x2, v.y2, v.Longueur, v.Angle}; }
std::vector<int32_t> Boite_cc(const CompConnexe& c) { return {c.xmin, c.ymin, c.xmax, c.ymax}; }

}  // namespace

TEST(Contours, CarreDeTroisSurTrois) {
  Banc b(PARAM);
  Document doc;
  Installe_plan(doc, Plan_texte({"###", "###", "###"}));
  Contours(b.ctx, doc);

  EXPECT_EQ(b.con.Log, "1) Calcul des Contours . . .\n  Nb de vecteurs :  2 \n  Nb de comp. c. :  1 ");
  // Traced (1,1) (1,2) (1,3) (2,3) (3,3) (3,2) (3,1) (2,1): cut where the
  // path turns up the right side, the last vector ends before the start pixel.
  ASSERT_EQ(doc.Vecteurs.size(), 2u);
  EXPECT_EQ(Coordonnees(doc.Vecteurs.front()), (std::vector<int32_t>{1, 1, 3, 3, 3, 135}));
  EXPECT_EQ(Coordonnees(doc.Vecteurs.back()), (std::vector<int32_t>{3, 3, 2, 1, 3, 116}));
  ASSERT_EQ(doc.CompConnexes.size(), 1u);
  EXPECT_EQ(Boite_cc(doc.CompConnexes.front()), (std::vector<int32_t>{1, 1, 3, 3}));
  // Every pixel visited is marked; the centre is not on the contour.
  for (int32_t y = 1; y <= 3; ++y)
    for (int32_t x = 1; x <= 3; ++x) EXPECT_EQ(Lit_pixel(x, y, doc.Plan2), (x == 2 && y == 2) ? 0 : 1);
  EXPECT_TRUE(b.con.Boites.empty());

  // A second run does nothing while the vectors are there.
  b.con.Log.clear();
  Contours(b.ctx, doc);
  EXPECT_EQ(b.con.Log, "");
  EXPECT_EQ(doc.Vecteurs.size(), 2u);
}

TEST(Contours, FormesMinimales) {
  struct Cas {
    const char* nom;
    std::vector<std::string> dessin;
    std::vector<std::vector<int32_t>> vecteurs;
    std::vector<std::vector<int32_t>> boites;
  };
  const Cas cas[] = {
      {"blanc", {"....."}, {}, {}},
      // Only odd rows are scanned: a blob on row 2 is never found.
      {"ligne paire", {".....", ".###."}, {}, {}},
      {"deux pixels", {"....", "....", "..##"}, {{3, 3, 4, 3, 1, 0}}, {{3, 3, 4, 3}}},
      // Out along the line and back: nothing is cut.
      {"trait horizontal", {"", "", "..###########"}, {{3, 3, 4, 3, 1, 0}}, {{3, 3, 13, 3}}},
      // A start pixel needs an ink neighbour to go to.
      {"pixel isole", {"", "", "..#"}, {}, {}},
  };
  for (const Cas& c : cas) {
    Banc b(PARAM);
    Document doc;
    Installe_plan(doc, Plan_texte(c.dessin));
    Contours(b.ctx, doc);
    std::vector<std::vector<int32_t>> v, bx;
    for (const Vecteur& x : doc.Vecteurs) v.push_back(Coordonnees(x));
    for (const CompConnexe& x : doc.CompConnexes) bx.push_back(Boite_cc(x));
    EXPECT_EQ(v, c.vecteurs) << c.nom;
    EXPECT_EQ(bx, c.boites) << c.nom;
  }
}

TEST(Contours, AnneauAvecTrou) {
  Banc b(PARAM);
  Document doc;
  Installe_plan(doc, Plan_texte({"#######", "#######", "##...##", "##...##", "##...##", "#######", "#######"}, 9, 3));
  Contours(b.ctx, doc);
  // The hole is followed clockwise: its turning is negative, no component.
  ASSERT_EQ(doc.CompConnexes.size(), 1u);
  EXPECT_EQ(Boite_cc(doc.CompConnexes.front()), (std::vector<int32_t>{9, 3, 15, 9}));
  // Both contours are traced and chained: each vector starts where the
  // previous one of its contour ends, and the ink lies on its left.
  int chaines = 0;
  const Vecteur* precedent = nullptr;
  for (const Vecteur& v : doc.Vecteurs) {
    if (!precedent || precedent->x2 != v.x1 || precedent->y2 != v.y1) ++chaines;
    precedent = &v;
  }
  EXPECT_EQ(chaines, 2);
  EXPECT_EQ(Lit_pixel(10, 5, doc.Plan2), 1);  // the hole's border
  EXPECT_EQ(Lit_pixel(9, 3, doc.Plan2), 1);   // the outer border
  EXPECT_EQ(Lit_pixel(12, 6, doc.Plan2), 0);  // the hole
}

TEST(Contours, LimiteDePasEtModePasAPas) {
  // A 32 x 12 plane allows (32 x 12) / 14 = 27 steps: the 10 x 10 square's
  // contour (36 steps) stops short and makes no component; the next trace
  // reports it.
  Banc b(PARAM);
  Document doc;
  Plan p = Plan_blanc(32, 12);
  Rectangle_plein(p, 9, 1, 18, 10);
  Rectangle_plein(p, 25, 9, 26, 9);
  Installe_plan(doc, std::move(p));
  b.con.ModeDebug = 1;
  Contours(b.ctx, doc);
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Erreur(1)"}}));
  ASSERT_EQ(doc.CompConnexes.size(), 1u);
  EXPECT_EQ(Boite_cc(doc.CompConnexes.front()), (std::vector<int32_t>{25, 9, 26, 9}));
  // Step mode pans to every pixel visited (27 + 2) and clears the log at the end.
  ASSERT_EQ(b.con.Vues.size(), 29u);
  EXPECT_EQ(b.con.Vues[0], (ConsoleTexte::Point{9 - 100, 1 - 100}));
  EXPECT_EQ(b.con.Log, "");
}
