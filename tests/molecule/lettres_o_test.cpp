#include <gtest/gtest.h>

#include <cmath>

#include "image/document.h"
#include "molecule/lettres_o.h"
#include "molecule/molecule.h"
#include "samples/dessin.h"

namespace {

CompConnexe Boite(int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax) {
  CompConnexe c;
  c.xmin = xmin, c.ymin = ymin, c.xmax = xmax, c.ymax = ymax;
  return c;
}

}  // namespace

TEST(LettresO, ComposantesRondesTrouees) {
  // Bonds of 100 pixels: a ring of ink 30 pixels wide is an O; a filled
  // square, a ring as large as a bond, a ring under a zone of characters
  // and a long thin ring are not.
  Document doc;
  doc.Plan1 = Plan_blanc(400, 200);
  for (int a = 0; a < 360; a += 3)
    Trait_epais(doc.Plan1, 50 + 13 * std::cos(a * M_PI / 180), 50 + 13 * std::sin(a * M_PI / 180),
                50 + 13 * std::cos((a + 3) * M_PI / 180), 50 + 13 * std::sin((a + 3) * M_PI / 180), 3);
  Rectangle_plein(doc.Plan1, 120, 35, 150, 65);
  doc.CompConnexes = {Boite(35, 35, 65, 65), Boite(120, 35, 150, 65), Boite(200, 20, 300, 120),
                      Boite(35, 120, 65, 150), Boite(320, 40, 390, 60)};
  for (int a = 0; a < 360; a += 3)
    Trait_epais(doc.Plan1, 50 + 13 * std::cos(a * M_PI / 180), 135 + 13 * std::sin(a * M_PI / 180),
                50 + 13 * std::cos((a + 3) * M_PI / 180), 135 + 13 * std::sin((a + 3) * M_PI / 180), 3);
  doc.ZonesTexte = {Boite(40, 125, 60, 145)};
  const std::vector<Atome_lu> o = Lettres_o(doc, 100);
  ASSERT_EQ(o.size(), 1u);
  EXPECT_EQ(o[0].Etiquette, "O");
  EXPECT_TRUE(o[0].Douteuse);
  EXPECT_TRUE(o[0].Devinee);
  EXPECT_EQ(o[0].xmin, 35);
  EXPECT_DOUBLE_EQ(o[0].P.x, 50);
  EXPECT_TRUE(Lettres_o(doc, 0).empty());
}

TEST(LettresO, DevineeSeulementSiLiee) {
  // A round component of ink 30 pixels wide: taken as an O when a bond ends
  // at it, dropped when no bond does.
  for (const bool liee : {true, false}) {
    Document doc;
    doc.Plan1 = Plan_blanc(400, 200);
    for (int a = 0; a < 360; a += 3)
      Trait_epais(doc.Plan1, 50 + 13 * std::cos(a * M_PI / 180), 50 + 13 * std::sin(a * M_PI / 180),
                  50 + 13 * std::cos((a + 3) * M_PI / 180), 50 + 13 * std::sin((a + 3) * M_PI / 180), 3);
    doc.CompConnexes = {Boite(35, 35, 65, 65)};
    Quadrilatere q;
    q.x1 = q.x4 = liee ? 70 : 170, q.y1 = q.y4 = 50, q.x2 = q.x3 = liee ? 170 : 270, q.y2 = q.y3 = 50;
    q.Longueur = 100;
    doc.Quadrilateres.push_back(q);
    const Graphe_lu g = Extrait_graphe(doc);
    int o = 0;
    for (const Atome_lu& a : g.Atomes) o += a.Etiquette == "O";
    EXPECT_EQ(o, liee ? 1 : 0);
    EXPECT_EQ(g.Atomes.size(), 2u);
  }
}
