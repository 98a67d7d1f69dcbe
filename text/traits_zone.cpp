#include "text/traits_zone.h"

#include <cstdlib>

int32_t Direction_trait(const Quadrilatere& q) {
  const double a = std::abs(q.Angle1 - q.Angle2) <= 90 ? (q.Angle1 + q.Angle2) * 0.5
                                                       : (q.Angle1 + q.Angle2 - 180) * 0.5;
  return static_cast<int32_t>(a);
}

CompteTraits Compte_traits(const ListeQuads& quads, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax,
                           int32_t shoul, double lgminiq, int32_t margeangle) {
  const auto dedans = [&](int32_t x, int32_t y) { return xmin <= x && x <= xmax && ymin <= y && y <= ymax; };
  CompteTraits c;
  for (const Quadrilatere& q : quads) {
    if (!dedans(q.x1, q.y1) || !dedans(q.x2, q.y2) || !dedans(q.x3, q.y3) || !dedans(q.x4, q.y4)) continue;
    const int32_t a = Direction_trait(q);
    const int32_t L = (a < shoul || a > 180 - shoul) ? xmax - xmin : ymax - ymin;
    if (q.Longueur < lgminiq * L) continue;
    const int32_t M = margeangle;
    if (M <= a && a <= 90 - M)
      ++c.Diagonales1;
    else if (90 - M < a && a < 90 + M)
      ++c.Verticaux;
    else if (a < 90 + M || a > 180 - M)
      ++c.Horizontaux;
    else
      ++c.Diagonales2;
  }
  return c;
}

bool Ecriture_trouvee(const SymbQuad& e, const CompteTraits& c) {
  return e.Horizontaux <= c.Horizontaux && e.Verticaux <= c.Verticaux && e.Diagonales1 <= c.Diagonales1 &&
         e.Diagonales2 <= c.Diagonales2;
}
