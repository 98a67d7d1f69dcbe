#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "console/console_texte.h"
#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "vecto/pretraitements.h"

namespace {


}  // namespace

TEST(Restauration, PixelIsoleEtTrou) {
  Document doc;
  Installe_plan(doc, Plan_texte({".#....#...",
                                 ".....#.#..",
                                 "......#...",
                                 "..........",
                                 ".###......",
                                 ".###......",
                                 ".###......"}));
  const int32_t W = doc.Plan2.Largeur_px(), H = doc.NbLignes();
  Ecrit_pixel(W - 1, 3, 1, doc.Plan2);  // the last column is not written
  Ecrit_pixel(3, H - 1, 1, doc.Plan2);  // nor the last row
  ConsoleTexte con;
  Restauration(con, doc);
  // The isolated pixel and the four around the hole go; the hole and the
  // block (corners with two neighbours) stay ink.
  EXPECT_EQ(Pixels_encre(doc.Plan2), (Pixels{{7, 2}, {2, 5}, {3, 5}, {4, 5}, {2, 6}, {3, 6}, {4, 6}, {2, 7}, {3, 7}, {4, 7},
                                      {W - 1, 3}, {3, H - 1}}));
  EXPECT_EQ(con.Log, "");
}

TEST(Axe_median, CarrePlein) {
  Document doc;
  Plan p = Plan_blanc(20, 12);
  Rectangle_plein(p, 3, 3, 7, 7);
  Installe_plan(doc, std::move(p));
  Ecrit_pixel(15, 10, 1, doc.Plan2);  // Plan 2 is cleared first
  ConsoleTexte con;
  Axe_median(con, doc);
  // Distances 1, 2, 3 from the border in: only the centre, a maximum, stays background.
  Pixels attendu;
  for (int32_t y = 3; y <= 7; ++y)
    for (int32_t x = 3; x <= 7; ++x)
      if (x != 5 || y != 5) attendu.insert({x, y});
  EXPECT_EQ(Pixels_encre(doc.Plan2), attendu);
  EXPECT_TRUE(con.Boites.empty());
}
