// Grid of the strokes' axis boxes plus a table of the directions of their
// ends seen from the origin. Reads the strokes once; fills nothing else.
#include "structure/index_traits.h"

#include <algorithm>
#include <numeric>

#include "structure/intersections.h"

namespace {

// The direction of (x, y) from the origin, reduced by the gcd; 0 for the origin.
uint64_t Direction(int64_t x, int64_t y) {
  if (x == 0 && y == 0) return 0;
  const int64_t g = std::gcd(x < 0 ? -x : x, y < 0 ? -y : y);
  const auto rx = static_cast<uint32_t>(static_cast<int32_t>(x / g));
  const auto ry = static_cast<uint32_t>(static_cast<int32_t>(y / g));
  return (uint64_t{rx} << 32) | ry;
}

}  // namespace

Index_traits::Index_traits(const std::vector<const Quadrilatere*>& traits)
    : boites(traits.size()), valides(traits.size(), false), vus(traits.size(), -1) {
  bool premier = true;
  for (size_t j = 0; j < traits.size(); ++j) {
    const Quadrilatere& q = *traits[j];
    if (q.Longueur == 0) continue;
    valides[j] = true;
    const Extremite a = Extremite1(q), b = Extremite2(q);
    Boite& bo = boites[j];
    bo = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    if (premier) {
      gx0 = bo.x0, gy0 = bo.y0, gx1 = bo.x1, gy1 = bo.y1;
      premier = false;
    } else {
      gx0 = std::min(gx0, bo.x0), gy0 = std::min(gy0, bo.y0);
      gx1 = std::max(gx1, bo.x1), gy1 = std::max(gy1, bo.y1);
    }
    for (const Extremite e : {a, b}) {
      const uint64_t d = Direction(e.x, e.y);
      if (d == 0) continue;
      std::vector<int32_t>& r = rayons[d];
      if (r.empty() || r.back() != static_cast<int32_t>(j)) r.push_back(static_cast<int32_t>(j));
    }
  }
  if (premier) return;
  // At most 512 cells a side, whatever the coordinates.
  const int64_t etendue = std::max(gx1 - gx0, gy1 - gy0) + 1;
  cote = std::max<int64_t>(64, etendue / 512 + 1);
  nx = static_cast<int32_t>((gx1 - gx0) / cote + 1);
  ny = static_cast<int32_t>((gy1 - gy0) / cote + 1);
  cellules.resize(static_cast<size_t>(nx) * static_cast<size_t>(ny));
  for (size_t j = 0; j < traits.size(); ++j) {
    if (!valides[j]) continue;
    const Boite& bo = boites[j];
    for (int32_t cy = Cellule_y(bo.y0); cy <= Cellule_y(bo.y1); ++cy)
      for (int32_t cx = Cellule_x(bo.x0); cx <= Cellule_x(bo.x1); ++cx)
        cellules[static_cast<size_t>(cy) * nx + cx].push_back(static_cast<int32_t>(j));
  }
}

int32_t Index_traits::Cellule_x(int64_t x) const {
  return static_cast<int32_t>(std::clamp<int64_t>((x - gx0) / cote, 0, nx - 1));
}

int32_t Index_traits::Cellule_y(int64_t y) const {
  return static_cast<int32_t>(std::clamp<int64_t>((y - gy0) / cote, 0, ny - 1));
}

void Index_traits::Ajoute(int32_t j, int32_t apres, std::vector<int32_t>& sortie) {
  if (j <= apres || vus[j] == marque) return;
  vus[j] = marque;
  sortie.push_back(j);
}

std::vector<int32_t> Index_traits::Candidats(int32_t apres, const Extremite (&zone)[4]) {
  std::vector<int32_t> sortie;
  const auto n = static_cast<int32_t>(boites.size());
  if (Origine_sur_bord(zone[0].x, zone[0].y, zone[1].x, zone[1].y, zone[2].x, zone[2].y, zone[3].x, zone[3].y)) {
    for (int32_t j = apres + 1; j < n; ++j)
      if (valides[j]) sortie.push_back(j);
    return sortie;
  }
  ++marque;
  int64_t zx0 = zone[0].x, zy0 = zone[0].y, zx1 = zone[0].x, zy1 = zone[0].y;
  for (const Extremite& z : zone) {
    zx0 = std::min<int64_t>(zx0, z.x), zy0 = std::min<int64_t>(zy0, z.y);
    zx1 = std::max<int64_t>(zx1, z.x), zy1 = std::max<int64_t>(zy1, z.y);
  }
  if (nx > 0 && zx1 >= gx0 && zx0 <= gx1 && zy1 >= gy0 && zy0 <= gy1) {
    for (int32_t cy = Cellule_y(zy0); cy <= Cellule_y(zy1); ++cy)
      for (int32_t cx = Cellule_x(zx0); cx <= Cellule_x(zx1); ++cx)
        for (const int32_t j : cellules[static_cast<size_t>(cy) * nx + cx]) {
          const Boite& bo = boites[j];
          if (bo.x1 >= zx0 && bo.x0 <= zx1 && bo.y1 >= zy0 && bo.y0 <= zy1) Ajoute(j, apres, sortie);
        }
  }
  for (const Extremite& z : zone) {
    const auto r = rayons.find(Direction(z.x, z.y));
    if (r == rayons.end()) continue;
    for (const int32_t j : r->second) Ajoute(j, apres, sortie);
  }
  std::sort(sortie.begin(), sortie.end());
  return sortie;
}
