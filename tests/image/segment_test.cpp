#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "image/segment.h"
#include "samples/dessin.h"

namespace {

using Pixels = std::vector<std::pair<int32_t, int32_t>>;

Pixels Parcours(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Pixels v;
  Parcours_segment(x1, y1, x2, y2, [&](int32_t x, int32_t y) { v.push_back({x, y}); });
  return v;
}

}  // namespace

TEST(Segment, PixelsParcourus) {
  EXPECT_EQ(Parcours(5, 5, 5, 5), Pixels{});
  EXPECT_EQ(Parcours(1, 1, 4, 1), (Pixels{{1, 1}, {2, 1}, {3, 1}}));
  EXPECT_EQ(Parcours(4, 1, 1, 1), (Pixels{{4, 1}, {3, 1}, {2, 1}}));
  // A diagonal takes the second branch: one pixel per row.
  EXPECT_EQ(Parcours(1, 1, 4, 4), (Pixels{{1, 1}, {2, 2}, {3, 3}}));
  EXPECT_EQ(Parcours(2, 1, 3, 5), (Pixels{{2, 1}, {2, 2}, {3, 3}, {3, 4}}));
  EXPECT_EQ(Parcours(1, 1, 5, 2), (Pixels{{1, 1}, {2, 1}, {3, 2}, {4, 2}}));
  EXPECT_EQ(Parcours(5, 2, 1, 1), (Pixels{{5, 2}, {4, 2}, {3, 1}, {2, 1}}));
}

TEST(Segment, TraceEtCompteAccordes) {
  Plan p2 = Plan_blanc(40, 20);
  Trace_segment(p2, 3, 2, 30, 15, 1);
  Trace_segment(p2, 0, 5, 2, 5, 1);  // column 0 is skipped
  // Compte_fond walks the same pixels: a drawn segment has no background.
  EXPECT_EQ(Compte_fond(3, 2, 30, 15, p2), 0);
  EXPECT_EQ(Lit_pixel(30, 15, p2), 0);  // the end point is not drawn
  EXPECT_EQ(Lit_pixel(1, 5, p2), 1);
  Trace_segment(p2, 3, 2, 30, 15, 0);
  EXPECT_EQ(Compte_fond(3, 2, 30, 15, p2), 27);

  Plan p = Plan_blanc(40, 20);
  Ecrit_pixel(13, 4, 1, p);
  EXPECT_EQ(Compte_fond(10, 4, 13, 4, p), 3);  // the ink end point is never read
  EXPECT_EQ(Compte_fond(10, 4, 14, 4, p), 3);
  EXPECT_EQ(Compte_fond(13, 4, 13, 4, p), 0);
  EXPECT_EQ(Compte_fond(-1, 1, 2, 1, p), 3);  // outside reads as background
}
