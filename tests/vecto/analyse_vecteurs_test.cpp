#include <gtest/gtest.h>

#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "vecto/analyse_vecteurs.h"

namespace {

std::string Param(int epmax) {
  return "#Seuil_penteV#\n=15#\n#SeuilEpmax#\n=" + std::to_string(epmax) + "#\n>\n";
}

void Ajoute(Document& doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  doc.Vecteurs.push_back(Vecteur_de(x1, y1, x2, y2));
}

std::vector<int32_t> Quad(const Quadrilatere& q) {
  return {q.x1, q.y1, q.x2, q.y2, q.x3, q.y3, q.x4, q.y4, q.Longueur, q.Angle1, q.Angle2, q.Ep1, q.Ep2};
}

std::vector<std::vector<int32_t>> Vecteurs(const Document& doc) {
  std::vector<std::vector<int32_t>> r;
  for (const Vecteur& v : doc.Vecteurs) r.push_back({v.x1, v.y1, v.x2, v.y2, v.Longueur, v.Etat});
  return r;
}

// A stroke 40 long and 5 thick (rows 20 to 24) traced as its contour would be.
void Trait_horizontal(Document& doc) {
  Plan p = Plan_blanc(80, 40);
  Rectangle_plein(p, 10, 20, 49, 24);
  Installe_plan(doc, std::move(p));
  Ajoute(doc, 49, 20, 10, 20);  // top edge, right to left
  Ajoute(doc, 10, 20, 10, 24);
  Ajoute(doc, 10, 24, 49, 24);  // bottom edge, left to right
  Ajoute(doc, 49, 24, 49, 20);
}

}  // namespace

TEST(AnalyseVecteurs, AppariementEntier) {
  Banc b(Param(20));
  Document doc;
  Trait_horizontal(doc);
  EXPECT_EQ(Analyse_vecteurs(b.ctx, doc), 1);
  ASSERT_EQ(doc.Quadrilateres.size(), 1u);
  EXPECT_EQ(Quad(doc.Quadrilateres.front()), (std::vector<int32_t>{49, 20, 10, 20, 10, 24, 49, 24, 39, 0, 0, 5, 5}));
  EXPECT_EQ(doc.NbQuads, 1);
  // The two ends found no partner within 2 x 4 pixels; they stay, with Etat 1.
  EXPECT_EQ(Vecteurs(doc), (std::vector<std::vector<int32_t>>{{10, 20, 10, 24, 4, 1}, {49, 24, 49, 20, 4, 1}}));
  EXPECT_EQ(b.con.Log, "1) Analyse Vecteurs :\n - Nb de quadr. :  1 ");

  // A stroke thicker than SeuilEpmax makes nothing; SeuilEpmax 0 makes nothing eligible.
  for (int epmax : {4, 0}) {
    Banc b2(Param(epmax));
    Document d2;
    Trait_horizontal(d2);
    d2.NbQuads = 3;  // the count goes on from what is there
    Analyse_vecteurs(b2.ctx, d2);
    EXPECT_TRUE(d2.Quadrilateres.empty()) << epmax;
    EXPECT_EQ(d2.NbQuads, 3) << epmax;
    EXPECT_EQ(d2.Vecteurs.size(), 4u) << epmax;
    EXPECT_EQ(b2.con.Log, "1) Analyse Vecteurs :\n - Nb de quadr. :  3 ") << epmax;
  }
}

TEST(AnalyseVecteurs, AppariementPartiel) {
  // The bottom edge faces only the left half of the top edge (ratio 39 / 20):
  // the B side pairs it with the part of the top edge above it, and the top
  // edge is cut back to the part that faced nothing.
  Banc b(Param(20));
  Document doc;
  Plan p = Plan_blanc(80, 40);
  Rectangle_plein(p, 10, 20, 49, 24);
  Installe_plan(doc, std::move(p));
  Ajoute(doc, 49, 20, 10, 20);
  Ajoute(doc, 10, 24, 30, 24);
  Ajoute(doc, 60, 30, 61, 30);  // length 1: released at the end
  Analyse_vecteurs(b.ctx, doc);
  ASSERT_EQ(doc.Quadrilateres.size(), 1u);
  EXPECT_EQ(Quad(doc.Quadrilateres.front()), (std::vector<int32_t>{10, 24, 30, 24, 30, 20, 10, 20, 20, 0, 0, 5, 5}));
  EXPECT_EQ(Vecteurs(doc), (std::vector<std::vector<int32_t>>{{49, 20, 30, 20, 19, 1}}));

  // Facing vectors 10 apart over background are not paired (4 background
  // pixels between them would still be accepted).
  Banc b2(Param(20));
  Document d2;
  Installe_plan(d2, Plan_blanc(80, 40));
  Ajoute(d2, 49, 20, 10, 20);
  Ajoute(d2, 10, 30, 30, 30);
  Analyse_vecteurs(b2.ctx, d2);
  EXPECT_TRUE(d2.Quadrilateres.empty());
  EXPECT_EQ(Vecteurs(d2), (std::vector<std::vector<int32_t>>{{49, 20, 10, 20, 39, 1}, {10, 30, 30, 30, 20, 1}}));
}

TEST(AnalyseVecteurs, SeuilEpmaxAuDelaDe250) {
  // A vector marked 250 is never chosen again, whatever SeuilEpmax says.
  Banc b(Param(300));
  Document doc;
  Installe_plan(doc, Plan_blanc(80, 40));
  Ajoute(doc, 10, 10, 40, 10);
  Analyse_vecteurs(b.ctx, doc);
  EXPECT_EQ(Vecteurs(doc), (std::vector<std::vector<int32_t>>{{10, 10, 40, 10, 30, 1}}));
}

TEST(AnalyseVecteurs, ModePasAPas) {
  Banc b(Param(20));
  Document doc;
  Trait_horizontal(doc);
  b.con.ModeDebug = 1;
  Analyse_vecteurs(b.ctx, doc);
  // One pass per vector chosen: the stroke, then each end finding nothing.
  EXPECT_EQ(b.con.NbPauses, 3);
  EXPECT_EQ(b.con.Vues.front(), (ConsoleTexte::Point{0, 0}));
  EXPECT_EQ(b.con.Log, "\n - Nb de quadr. :  1 ");
}
