#include <gtest/gtest.h>

#include "image/bmp.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "outils_test.h"
#include "samples/dessin.h"

TEST(OperationsPlan, CopieDeP2DansP1) {
  ConsoleTexte con;
  Document doc;
  Plan p = Cree_plan(40, 10);  // 64 columns of storage
  std::fill(p.Pixels.begin(), p.Pixels.end(), 0x00);
  Installe_plan(doc, std::move(p));
  Ecrit_pixel(5, 5, 1, doc.Plan2);

  Copie_P2_P1(con, doc);
  EXPECT_EQ(con.Log, "");
  EXPECT_EQ(con.Barre.Max, 9);
  // Everything is Plan 2's, but the last addressable row (y = 9) and
  // column (x = 63), which keep Plan 1's ink.
  for (int32_t y = 1; y < 10; ++y)
    for (int32_t x = 1; x < 64; ++x) {
      const int attendu = (y == 9 || x == 63 || (x == 5 && y == 5)) ? 1 : 0;
      ASSERT_EQ(Lit_pixel(x, y, doc.Plan1), attendu) << x << "," << y;
    }

  Raz_Plan2(doc);
  EXPECT_EQ(Lit_pixel(5, 5, doc.Plan2), 0);

  Document ferme;
  Copie_P2_P1(con, ferme);  // no document: nothing happens
  Raz_Plan2(ferme);
  EXPECT_FALSE(Sauve_Plan2(con, ferme, "/tmp/jamais.bmp"));
}
