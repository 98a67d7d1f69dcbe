#include <gtest/gtest.h>

#include <cmath>

#include "molecule/doubles_internes.h"
#include "samples/dessin.h"

namespace {

// A hexagon of radius 60 centred at (100, 100), vertex i at angle 60 i
// degrees, strokes 3 pixels thick; the sides listed get an inner parallel
// 12 pixels inside, shortened by a fifth at each end.
std::vector<Point_lu> Hexagone_avec(Plan& p, const std::vector<size_t>& doubles) {
  std::vector<Point_lu> s;
  for (int i = 0; i < 6; ++i) s.push_back({100 + 60 * std::cos(i * M_PI / 3), 100 + 60 * std::sin(i * M_PI / 3)});
  for (size_t i = 0; i < 6; ++i) Trait_epais(p, s[i].x, s[i].y, s[(i + 1) % 6].x, s[(i + 1) % 6].y, 3);
  for (const size_t i : doubles) {
    const Point_lu a = s[i], b = s[(i + 1) % 6];
    const double mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2, d = std::hypot(100 - mx, 100 - my);
    const double nx = 12 * (100 - mx) / d, ny = 12 * (100 - my) / d;
    Trait_epais(p, a.x + 0.2 * (b.x - a.x) + nx, a.y + 0.2 * (b.y - a.y) + ny, a.x + 0.8 * (b.x - a.x) + nx,
                a.y + 0.8 * (b.y - a.y) + ny, 3);
  }
  return s;
}

}  // namespace

TEST(CotesDoubles, ParallelesInternesEncrees) {
  // Kekulé benzene: the three inked sides, whatever k allows beyond them.
  Plan p = Plan_blanc(200, 200);
  const std::vector<Point_lu> s = Hexagone_avec(p, {1, 3, 5});
  EXPECT_EQ(Cotes_doubles(p, s, 3), (std::vector<size_t>{1, 3, 5}));
  EXPECT_EQ(Cotes_doubles(p, s, 6), (std::vector<size_t>{1, 3, 5}));
  EXPECT_EQ(Cotes_doubles(p, s, 1), (std::vector<size_t>{1}));
  EXPECT_TRUE(Cotes_doubles(p, s, 0).empty());

  // A plain ring has none; two adjacent inked sides give only the first.
  Plan vide = Plan_blanc(200, 200);
  EXPECT_TRUE(Cotes_doubles(vide, Hexagone_avec(vide, {}), 3).empty());
  Plan voisins = Plan_blanc(200, 200);
  EXPECT_EQ(Cotes_doubles(voisins, Hexagone_avec(voisins, {2, 3}), 2), (std::vector<size_t>{2}));

  // Degenerate rings: nothing, no crash.
  EXPECT_TRUE(Cotes_doubles(p, {{1, 1}, {1, 1}, {1, 1}}, 2).empty());
  EXPECT_TRUE(Cotes_doubles(p, {{0, 0}, {NAN, 5}, {1e300, -1e300}}, 2).empty());
}
