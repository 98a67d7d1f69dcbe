// Segment crossing and point-in-quadrilateral tests. Reads and fills nothing
// but their arguments; every product is taken in double precision, exact for
// the coordinates of any image.
#include "structure/intersections.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

int32_t Vers_int(double v) {
  if (!(v == v)) return 0;
  const double bas = std::numeric_limits<int32_t>::min(), haut = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(v, bas, haut));
}

int32_t Intersection_segments(int32_t& x, int32_t& y, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                              int32_t y3, int32_t x4, int32_t y4) {
  const double X1 = x1, Y1 = y1, X2 = x2, Y2 = y2, X3 = x3, Y3 = y3, X4 = x4, Y4 = y4;
  const double d = (X2 - X1) * (Y3 - Y4) - (X3 - X4) * (Y2 - Y1);
  if (d == 0) return 0;
  const double t = ((X3 - X1) * (Y3 - Y4) - (X3 - X4) * (Y3 - Y1)) / d;
  const double u = ((X2 - X1) * (Y3 - Y1) - (X3 - X1) * (Y2 - Y1)) / d;
  if (t < 0 || t > 1 || u < 0 || u > 1) return 0;
  x = Vers_int(std::ceil(X1 + t * (X2 - X1)));
  y = Vers_int(std::ceil(Y1 + t * (Y2 - Y1)));
  return 1;
}

namespace {

// Sign of the turn from the edge a->b to the origin: (b - a) x (O - a).
int Cote_origine(int32_t ax, int32_t ay, int32_t bx, int32_t by) {
  const int64_t v = (int64_t{bx} - ax) * (0 - int64_t{ay}) - (int64_t{by} - ay) * (0 - int64_t{ax});
  return v > 0 ? 1 : v < 0 ? -1 : 0;
}

bool Origine_sur_segment(int32_t ax, int32_t ay, int32_t bx, int32_t by) {
  return Cote_origine(ax, ay, bx, by) == 0 && std::min(ax, bx) <= 0 && 0 <= std::max(ax, bx) &&
         std::min(ay, by) <= 0 && 0 <= std::max(ay, by);
}

}  // namespace

bool Origine_dans_quad(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                       int32_t y4) {
  const int s1 = Cote_origine(x1, y1, x2, y2), s2 = Cote_origine(x2, y2, x3, y3);
  const int s3 = Cote_origine(x3, y3, x4, y4), s4 = Cote_origine(x4, y4, x1, y1);
  return (s1 > 0 && s2 > 0 && s3 > 0 && s4 > 0) || (s1 < 0 && s2 < 0 && s3 < 0 && s4 < 0);
}

bool Origine_sur_bord(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                      int32_t y4) {
  return Origine_sur_segment(x1, y1, x2, y2) || Origine_sur_segment(x2, y2, x3, y3) ||
         Origine_sur_segment(x3, y3, x4, y4) || Origine_sur_segment(x4, y4, x1, y1);
}

int32_t Point_dans_quad(int32_t px, int32_t py, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                        int32_t y3, int32_t x4, int32_t y4) {
  int32_t x = 0, y = 0;
  const int32_t n = Intersection_segments(x, y, px, py, 0, 0, x1, y1, x2, y2) +
                    Intersection_segments(x, y, px, py, 0, 0, x2, y2, x3, y3) +
                    Intersection_segments(x, y, px, py, 0, 0, x3, y3, x4, y4) +
                    Intersection_segments(x, y, px, py, 0, 0, x1, y1, x4, y4);
  int32_t dedans = n % 2;
  // Counting toward the origin only holds while the origin is outside.
  if (Origine_dans_quad(x1, y1, x2, y2, x3, y3, x4, y4)) dedans = 1 - dedans;
  return dedans;
}
