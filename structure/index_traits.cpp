// Grid of the strokes' axis boxes plus a table of the directions of their
// ends seen from the origin. Reads the strokes once; fills nothing else.
#include "structure/index_traits.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "structure/intersections.h"

namespace {

constexpr uint64_t BITS_FILTRE = 1u << 16;

uint64_t Hache(uint64_t d) { return (d * 0x9E3779B97F4A7C15ULL) >> 48; }

// The direction of (x, y) from the origin, reduced by the gcd; 0 for the origin.
uint64_t Direction(int64_t x, int64_t y) {
  if (x == 0 && y == 0) return 0;
  const int64_t g = std::gcd(x < 0 ? -x : x, y < 0 ? -y : y);
  const auto rx = static_cast<uint32_t>(static_cast<int32_t>(x / g));
  const auto ry = static_cast<uint32_t>(static_cast<int32_t>(y / g));
  return (uint64_t{rx} << 32) | ry;
}

}  // namespace

template <class F>
void Index_traits::Cellules_de(const Extremite* points, int n, F&& f) const {
  double xmin = points[0].x, xmax = points[0].x;
  for (int i = 1; i < n; ++i) xmin = std::min<double>(xmin, points[i].x), xmax = std::max<double>(xmax, points[i].x);
  // One pixel of margin all round: a point on a cell border is in both cells.
  xmin -= 1, xmax += 1;
  if (xmax < gx0 || xmin > gx1) return;
  const int32_t c0 = Cellule_x(static_cast<int64_t>(std::floor(xmin)));
  const int32_t c1 = Cellule_x(static_cast<int64_t>(std::ceil(xmax)));
  for (int32_t cx = c0; cx <= c1; ++cx) {
    // The polygon is convex: within a strip its extent in y is reached at a
    // vertex or where an edge meets a side of the strip.
    const double a = std::max<double>(xmin, double(gx0) + double(cx) * cote);
    const double b = std::min<double>(xmax, double(gx0) + double(cx + 1) * cote);
    double ymin = INFINITY, ymax = -INFINITY;
    for (int i = 0; i < n; ++i) {
      const Extremite p = points[i], q = points[(i + 1) % n];
      if (p.x >= a - 1 && p.x <= b + 1) ymin = std::min<double>(ymin, p.y), ymax = std::max<double>(ymax, p.y);
      if (p.x == q.x) continue;
      for (const double x : {a, b}) {
        if (x < std::min(p.x, q.x) || x > std::max(p.x, q.x)) continue;
        const double y = p.y + (x - p.x) * (double(q.y) - p.y) / (double(q.x) - p.x);
        ymin = std::min(ymin, y), ymax = std::max(ymax, y);
      }
    }
    if (ymin > ymax || ymax + 1 < gy0 || ymin - 1 > gy1) continue;
    const int32_t r0 = Cellule_y(static_cast<int64_t>(std::floor(ymin - 1)));
    const int32_t r1 = Cellule_y(static_cast<int64_t>(std::ceil(ymax + 1)));
    for (int32_t cy = r0; cy <= r1; ++cy) f(static_cast<size_t>(cy) * nx + cx);
  }
}

Index_traits::Index_traits(const std::vector<const Quadrilatere*>& traits)
    : boites(traits.size()), valides(traits.size(), false), filtre(BITS_FILTRE / 64, 0), vus(traits.size(), -1) {
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
      gx0 = std::min<int64_t>(gx0, bo.x0), gy0 = std::min<int64_t>(gy0, bo.y0);
      gx1 = std::max<int64_t>(gx1, bo.x1), gy1 = std::max<int64_t>(gy1, bo.y1);
    }
    for (const Extremite e : {a, b}) {
      const uint64_t d = Direction(e.x, e.y);
      if (d == 0) continue;
      rayons.push_back({d, static_cast<int32_t>(j)});
      filtre[Hache(d) / 64] |= uint64_t{1} << (Hache(d) % 64);
    }
  }
  std::sort(rayons.begin(), rayons.end());
  if (premier) return;
  // At most 512 cells a side, whatever the coordinates.
  const int64_t etendue = std::max(gx1 - gx0, gy1 - gy0) + 1;
  cote = std::max<int64_t>(64, etendue / 512 + 1);
  nx = static_cast<int32_t>((gx1 - gx0) / cote + 1);
  ny = static_cast<int32_t>((gy1 - gy0) / cote + 1);
  // Two passes: count the strokes of each cell, then place them.
  debuts.assign(static_cast<size_t>(nx) * static_cast<size_t>(ny) + 1, 0);
  // A stroke goes into the cells its axis passes through.
  auto pour_chaque_cellule = [&](auto&& f) {
    for (size_t j = 0; j < traits.size(); ++j) {
      if (!valides[j]) continue;
      const Extremite axe[2] = {Extremite1(*traits[j]), Extremite2(*traits[j])};
      Cellules_de(axe, 2, [&](size_t c) { f(c, static_cast<int32_t>(j)); });
    }
  };
  pour_chaque_cellule([&](size_t c, int32_t) { ++debuts[c + 1]; });
  for (size_t c = 1; c < debuts.size(); ++c) debuts[c] += debuts[c - 1];
  entrees.resize(static_cast<size_t>(debuts.back()));
  std::vector<int32_t> place(debuts.begin(), debuts.end() - 1);
  pour_chaque_cellule([&](size_t c, int32_t j) { entrees[place[c]++] = {j, boites[j]}; });
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
  // The cells the zone covers; a stroke's box must meet the zone's.
  if (nx > 0)
    Cellules_de(zone, 4, [&](size_t c) {
      for (int32_t k = debuts[c]; k < debuts[c + 1]; ++k) {
        const Entree& e = entrees[k];
        const Boite& bo = e.boite;
        if (bo.x1 >= zx0 && bo.x0 <= zx1 && bo.y1 >= zy0 && bo.y0 <= zy1) Ajoute(e.trait, apres, sortie);
      }
    });
  for (const Extremite& z : zone) {
    const uint64_t d = Direction(z.x, z.y);
    if ((filtre[Hache(d) / 64] >> (Hache(d) % 64) & 1) == 0) continue;
    for (auto r = std::lower_bound(rayons.begin(), rayons.end(), std::make_pair(d, INT32_MIN));
         r != rayons.end() && r->first == d; ++r)
      Ajoute(r->second, apres, sortie);
  }
  std::sort(sortie.begin(), sortie.end());
  return sortie;
}
