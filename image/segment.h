// The segment walk shared by drawing and ink tests: integer Bresenham from
// (x1, y1) toward (x2, y2), the start point included, the end point excluded.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "image/plan.h"

template <class Pixel>
inline void Parcours_segment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Pixel&& pixel) {
  // 64-bit error terms: the walk is the same, and no coordinate can overflow it.
  const int64_t dx = std::llabs(static_cast<int64_t>(x2) - x1);
  const int64_t dy = std::llabs(static_cast<int64_t>(y2) - y1);
  const int32_t sx = x2 > x1 ? 1 : -1;
  const int32_t sy = y2 > y1 ? 1 : -1;
  int32_t x = x1, y = y1;
  if (dy < dx) {
    int64_t e = 2 * dy - dx;
    for (int64_t i = 0; i < dx; ++i) {
      pixel(x, y);
      x += sx;
      if (e < 0) {
        e += 2 * dy;
      } else {
        e += 2 * dy - 2 * dx;
        y += sy;
      }
    }
  } else {
    int64_t e = 2 * dx - dy;
    for (int64_t i = 0; i < dy; ++i) {
      pixel(x, y);
      y += sy;
      if (e < 0) {
        e += 2 * dx;
      } else {
        e += 2 * dx - 2 * dy;
        x += sx;
      }
    }
  }
}

// Draws the segment on Plan 2 with the value (1 ink, else background).
inline void Trace_segment(Plan& plan2, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int valeur) {
  Parcours_segment(x1, y1, x2, y2, [&](int32_t x, int32_t y) { Ecrit_pixel(x, y, valeur, plan2); });
}

// Number of background pixels the segment crosses on the plane; pixels
// outside the plane count as background.
inline int32_t Compte_fond(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const Plan& plan) {
  int32_t n = 0;
  Parcours_segment(x1, y1, x2, y2, [&](int32_t x, int32_t y) { n += 1 - Lit_pixel(x, y, plan); });
  return n;
}
