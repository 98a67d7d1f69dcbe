#include <gtest/gtest.h>

#include "vecto/analyse_vecteurs.h"
#include "vecto/records.h"

TEST(Orientation, LongueurEtAngle) {
  struct Cas {
    int32_t x1, y1, x2, y2, longueur, angle;
  };
  const Cas cas[] = {
      {10, 20, 13, 24, 5, 126},  // floor(-53.13 + 180)
      {13, 24, 10, 20, 5, 126},  // endpoints swapped: same angle
      {7, 7, 7, 7, 0, 90},       // coincident endpoints
      {0, 5, 9, 5, 9, 0},        // horizontal
      {9, 5, 0, 5, 9, 0},
      {4, 0, 4, 9, 9, 90},  // vertical
      {0, 10, 10, 0, 15, 44},   // rising diagonal: 44.999... in extended precision
      {0, 0, 10, 10, 15, 135},  // falling diagonal
      {0, 0, 1, 1, 2, 135},
      {0, 0, 15, 1, 16, 176},  // 15.03 rounds up
      {0, 1, 15, 0, 16, 3},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(Longueur_arrondie(c.x1, c.y1, c.x2, c.y2), c.longueur) << c.x1 << "," << c.y1 << " " << c.x2;
    EXPECT_EQ(Orientation(c.x1, c.y1, c.x2, c.y2), c.angle) << c.x1 << "," << c.y1 << " " << c.x2;
  }
  const Quadrilatere s = Separateur();
  EXPECT_TRUE(Est_separateur(s));
  EXPECT_EQ((std::vector<int32_t>{s.x1, s.y1, s.x2, s.y2, s.x3, s.y3, s.x4, s.y4}),
            (std::vector<int32_t>{0, 1, 0, 0, 0, 1, 0, 1}));
}

TEST(Projette, EntiersTronquesEtAppartenance) {
  struct Cas {
    int32_t px, py, ax, ay, bx, by, len, x, y, r;
  };
  const Cas cas[] = {
      {5, 5, 0, 0, 10, 0, 10, 5, 0, 1},
      {15, 3, 0, 0, 10, 0, 10, 15, 0, 0},   // beyond B
      {-3, 2, 0, 0, 10, 0, 10, -3, 0, 0},   // before A: truncation toward zero
      {3, 0, 0, 0, 4, 3, 5, 1, 1, 1},       // t = 12 / 5 = 2, then 8 / 5 and 6 / 5
      {10, 0, 10, 0, 0, 0, 10, 10, 0, 1},   // on A itself, segment running left
      {30, 24, 49, 20, 10, 20, 39, 30, 20, 1},
  };
  for (const Cas& c : cas) {
    int32_t x = -99, y = -99;
    EXPECT_EQ(Projette(c.px, c.py, c.ax, c.ay, c.bx, c.by, c.len, x, y), c.r) << c.px << "," << c.py;
    EXPECT_EQ(x, c.x) << c.px << "," << c.py;
    EXPECT_EQ(y, c.y) << c.px << "," << c.py;
  }
}
