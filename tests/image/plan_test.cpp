#include <gtest/gtest.h>

#include "image/bmp.h"
#include "image/plan.h"

TEST(Pixels, AdressageEtLimites) {
  Plan p = Cree_plan(17, 5);  // rows of 4 bytes: 32 columns, 5 stored rows
  ASSERT_EQ(p.NbOctetsLigne, 4);
  ASSERT_EQ(p.NbLignes, 5);

  // (1,1) is the top row: stored row 4, byte 0, bit 6.
  EXPECT_EQ(Ecrit_pixel(1, 1, 1, p), 0);
  EXPECT_EQ(p.Pixels[16], 0xBF);
  EXPECT_EQ(Lit_pixel(1, 1, p), 1);
  // (9,4): stored row 1, byte 1, bit 6.
  Ecrit_pixel(9, 4, 1, p);
  EXPECT_EQ(p.Pixels[4 + 1], 0xBF);
  // Any value other than 1 writes background.
  Ecrit_pixel(9, 4, 2, p);
  EXPECT_EQ(p.Pixels[5], 0xFF);
  Ecrit_pixel(1, 1, 0, p);
  EXPECT_EQ(Lit_pixel(1, 1, p), 0);

  // Column 0, row 0 and the bottom stored row are never reached.
  std::fill(p.Pixels.begin(), p.Pixels.end(), 0x00);
  EXPECT_EQ(Lit_pixel(0, 2, p), 0);
  EXPECT_EQ(Lit_pixel(2, 0, p), 0);
  EXPECT_EQ(Lit_pixel(2, 5, p), 0);
  EXPECT_EQ(Lit_pixel(32, 2, p), 0);
  EXPECT_EQ(Lit_pixel(31, 4, p), 1);
  EXPECT_EQ(Lit_pixel(-3, -3, p), 0);
  EXPECT_EQ(Ecrit_pixel(32, 1, 0, p), -1);
  EXPECT_EQ(Ecrit_pixel(1, 5, 0, p), -1);
  EXPECT_EQ(Ecrit_pixel(0, 1, 0, p), -1);
  EXPECT_EQ(Ecrit_pixel(31, 4, 0, p), 0);
  EXPECT_EQ(p.Pixels[4 + 3], 0x01);

  // An empty plane reads background everywhere and refuses every write.
  Plan vide;
  EXPECT_EQ(Lit_pixel(1, 1, vide), 0);
  EXPECT_EQ(Ecrit_pixel(1, 1, 1, vide), -1);
}
