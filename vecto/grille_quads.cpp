#include "vecto/grille_quads.h"

#include <algorithm>

namespace {

// Largest span of the corners for which the grid has cells of 8 pixels.
constexpr int64_t ETENDUE_GRILLE = 23170;

GrillePoints Grille_des_bouts(const ListeQuads& liste) {
  int64_t xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  bool premier = true;
  auto etend = [&](int64_t x, int64_t y) {
    if (premier) xmin = xmax = x, ymin = ymax = y, premier = false;
    xmin = std::min(xmin, x), xmax = std::max(xmax, x);
    ymin = std::min(ymin, y), ymax = std::max(ymax, y);
  };
  for (const Quadrilatere& q : liste) etend(q.x1, q.y1), etend(q.x2, q.y2), etend(q.x3, q.y3), etend(q.x4, q.y4);
  const bool cellules = xmax - xmin <= ETENDUE_GRILLE && ymax - ymin <= ETENDUE_GRILLE;
  // Doubled coordinates: cells of 8 pixels are 16 units wide, and a cell
  // wider than the whole doubled box makes a single cell.
  const int64_t cote = cellules ? 16 : 4 * (std::max(xmax - xmin, ymax - ymin) + 1);
  return GrillePoints(2 * xmin, 2 * ymin, 2 * xmax, 2 * ymax, cote, static_cast<uint32_t>(2 * liste.size()));
}

}  // namespace

GrilleQuads::GrilleQuads(const ListeQuads& liste, const std::vector<int32_t>& angles_,
                         const std::vector<uint32_t>& valeurs)
    : restant(liste.size(), 1), angle_de(angles_), vu(liste.size(), 0), bouts(Grille_des_bouts(liste)) {
  uint32_t r = 0;
  for (const Quadrilatere& q : liste) {
    bouts.Place(2 * r, int64_t{q.x1} + q.x4, int64_t{q.y1} + q.y4);
    bouts.Place(2 * r + 1, int64_t{q.x2} + q.x3, int64_t{q.y2} + q.y3);
    ++angles[angle_de[r]];
    par_valeur.push({valeurs[r], r});
    ++r;
  }
}

void GrilleQuads::Retire(uint32_t r) {
  if (!restant[r]) return;
  restant[r] = 0;
  bouts.Retire(2 * r);
  bouts.Retire(2 * r + 1);
  const auto a = angles.find(angle_de[r]);
  if (--a->second == 0) angles.erase(a);
}

bool GrilleQuads::Angle_entre(int64_t lo, int64_t hi) const {
  const auto a = angles.lower_bound(lo);
  return a != angles.end() && a->first <= hi;
}

bool GrilleQuads::Plus_petite_valeur(uint32_t& r, uint32_t& valeur) {
  while (!par_valeur.empty() && !restant[par_valeur.top().Rang]) par_valeur.pop();
  if (par_valeur.empty()) return false;
  r = par_valeur.top().Rang;
  valeur = par_valeur.top().Valeur;
  return true;
}
