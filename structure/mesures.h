// Small measures shared by the structure stages: squared distances, exact
// integer square roots, mean angles and an ink test along a segment.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "image/plan.h"
#include "vecto/records.h"

inline int64_t Distance2(Extremite a, Extremite b) {
  const int64_t dx = int64_t{a.x} - b.x, dy = int64_t{a.y} - b.y;
  return dx * dx + dy * dy;
}

// Greatest r with r * r <= n (n >= 0), exact.
inline int64_t Racine_plancher(int64_t n) {
  if (n <= 0) return 0;
  int64_t r = 0;
  for (int64_t bit = int64_t{1} << 31; bit > 0; bit >>= 1)
    if ((r + bit) <= n / (r + bit)) r += bit;
  return r;
}

// Smallest r with r * r >= n (n >= 0), exact: perfect squares stay.
inline int64_t Racine_plafond(int64_t n) {
  const int64_t r = Racine_plancher(n);
  return r * r == n ? r : r + 1;
}

// Mean orientation of the two sides, truncated toward zero.
inline int32_t Angle_moyen(const Quadrilatere& q) { return (q.Angle1 + q.Angle2) / 2; }

// The same, taking sides more than 90 degrees apart across the 0/180 wrap.
inline int32_t Angle_moyen_replie(const Quadrilatere& q) {
  if (std::abs(q.Angle1 - q.Angle2) < 90) return (q.Angle1 + q.Angle2) / 2;
  return (q.Angle1 + q.Angle2 - 180) / 2;
}

// Whether Compte_fond from a toward b (b excluded) on the plane is below the
// limit: the same walk, stopped as soon as the limit is reached.
bool Fond_inferieur(Extremite a, Extremite b, const Plan& plan, int32_t limite);
