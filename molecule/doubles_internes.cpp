#include "molecule/doubles_internes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int NB_ECHANTILLONS = 13;  // along the middle half of the parallel
constexpr double ENCRE_MINIMALE = 0.7;

// Ink at (x, y) or at one pixel across the parallel (a thin stroke drawn a
// little askew).
bool Encre(const Plan& plan, double x, double y, double nx, double ny) {
  for (const double d : {0.0, -1.0, 1.0})
    if (Lit_pixel(static_cast<int32_t>(std::lround(x + d * nx)), static_cast<int32_t>(std::lround(y + d * ny)), plan))
      return true;
  return false;
}

// The best share of inked samples over the offsets where an inner stroke may
// lie: from 8 % to 35 % of the side's length towards the ring's centre.
double Score_cote(const Plan& plan, Point_lu a, Point_lu b, Point_lu centre) {
  const double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
  // Sides longer than any page (planes are below 16384 pixels) are not probed.
  if (!(l >= 4 && l <= 32768)) return 0;
  double nx = -dy / l, ny = dx / l;
  const double mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
  if ((centre.x - mx) * nx + (centre.y - my) * ny < 0) nx = -nx, ny = -ny;
  double meilleur = 0;
  for (double t = 0.08 * l; t <= 0.35 * l; t += 1) {
    int encre = 0;
    for (int s = 0; s < NB_ECHANTILLONS; ++s) {
      const double f = 0.25 + 0.5 * s / (NB_ECHANTILLONS - 1);
      encre += Encre(plan, a.x + f * dx + t * nx, a.y + f * dy + t * ny, nx, ny);
    }
    meilleur = std::max(meilleur, static_cast<double>(encre) / NB_ECHANTILLONS);
  }
  return meilleur;
}

}  // namespace

std::vector<size_t> Cotes_doubles(const Plan& plan, const std::vector<Point_lu>& sommets, int k) {
  const size_t n = sommets.size();
  std::vector<size_t> pris;
  if (n < 3 || k <= 0) return pris;
  Point_lu centre;
  for (const Point_lu& p : sommets) centre.x += p.x / static_cast<double>(n), centre.y += p.y / static_cast<double>(n);
  std::vector<std::pair<double, size_t>> scores;
  for (size_t i = 0; i < n; ++i) scores.push_back({Score_cote(plan, sommets[i], sommets[(i + 1) % n], centre), i});
  // Best first, the first side on equal scores.
  std::stable_sort(scores.begin(), scores.end(), [](const auto& x, const auto& y) { return x.first > y.first; });
  std::vector<bool> sommet_pris(n, false);
  for (const auto& [score, i] : scores) {
    if (score < ENCRE_MINIMALE || static_cast<int>(pris.size()) >= k) break;
    const size_t j = (i + 1) % n;
    if (sommet_pris[i] || sommet_pris[j]) continue;
    sommet_pris[i] = sommet_pris[j] = true;
    pris.push_back(i);
  }
  std::sort(pris.begin(), pris.end());
  return pris;
}
