// The early-stopping background count walks exactly the pixels of the shared
// segment walk (integer Bresenham, start included, end excluded).
#include "structure/mesures.h"

bool Fond_inferieur(Extremite a, Extremite b, const Plan& plan, int32_t limite) {
  if (limite <= 0) return false;
  const int64_t dx = std::llabs(int64_t{b.x} - a.x);
  const int64_t dy = std::llabs(int64_t{b.y} - a.y);
  const int32_t sx = b.x > a.x ? 1 : -1;
  const int32_t sy = b.y > a.y ? 1 : -1;
  int32_t x = a.x, y = a.y;
  int32_t n = 0;
  if (dy < dx) {
    int64_t e = 2 * dy - dx;
    for (int64_t i = 0; i < dx; ++i) {
      if (Lit_pixel(x, y, plan) == 0 && ++n >= limite) return false;
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
      if (Lit_pixel(x, y, plan) == 0 && ++n >= limite) return false;
      y += sy;
      if (e < 0) {
        e += 2 * dx;
      } else {
        e += 2 * dx - 2 * dy;
        x += sx;
      }
    }
  }
  return true;
}
