#include "vecto/records.h"

#include <cmath>

Quadrilatere Separateur() {
  Quadrilatere s;
  s.x1 = 0, s.y1 = 1;
  s.x2 = 0, s.y2 = 0;
  s.x3 = 0, s.y3 = 1;
  s.x4 = 0, s.y4 = 1;
  return s;
}

int32_t Longueur_arrondie(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const double dx = static_cast<double>(x2) - x1;
  const double dy = static_cast<double>(y2) - y1;
  return static_cast<int32_t>(std::ceil(std::sqrt(dx * dx + dy * dy)));
}

int32_t Orientation(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  // L is the endpoint with the smaller x (the second one when both are equal).
  int32_t lx = x2, ly = y2, rx = x1, ry = y1;
  if (x1 < x2) lx = x1, ly = y1, rx = x2, ry = y2;
  if (lx == rx) return 90;
  const double a = std::atan(static_cast<double>(ly - ry) / static_cast<double>(rx - lx));
  constexpr long double pi = 3.141592653589793238462643383279502884L;
  long double degres = static_cast<long double>(a) * 180.0L * (1.0L / pi);
  if (degres < 0) degres += 180.0L;
  return static_cast<int32_t>(std::floor(degres));
}
