#include "vecto/grille_quads.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

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
  // Doubled coordinates: cells of 8 pixels at least (16 units), of about one
  // end each on a sparse page; a cell wider than the whole doubled box makes
  // a single cell.
  const double aire = (static_cast<double>(xmax - xmin) + 1) * (static_cast<double>(ymax - ymin) + 1);
  const double par_bout = std::sqrt(aire / static_cast<double>(std::max<size_t>(2 * liste.size(), 1)));
  const int64_t cote = cellules ? std::max<int64_t>(16, 2 * static_cast<int64_t>(par_bout))
                                : 4 * (std::max(xmax - xmin, ymax - ymin) + 1);
  return GrillePoints(2 * xmin, 2 * ymin, 2 * xmax, 2 * ymax, cote, static_cast<uint32_t>(2 * liste.size()));
}

}  // namespace

GrilleQuads::GrilleQuads(const ListeQuads& liste, const std::vector<int32_t>& angles_moyens,
                         const std::vector<uint32_t>& valeurs)
    : restant(liste.size(), 1), angle_de(liste.size(), 0), vu(liste.size(), 0), bouts(Grille_des_bouts(liste)),
      angles(angles_moyens) {
  std::sort(angles.begin(), angles.end());
  angles.erase(std::unique(angles.begin(), angles.end()), angles.end());
  nombres.assign(angles.size() + 1, 0);
  std::vector<Entree> entrees;
  entrees.reserve(liste.size());
  uint32_t r = 0;
  for (const Quadrilatere& q : liste) {
    bouts.Place(2 * r, int64_t{q.x1} + q.x4, int64_t{q.y1} + q.y4);
    bouts.Place(2 * r + 1, int64_t{q.x2} + q.x3, int64_t{q.y2} + q.y3);
    const auto a = std::lower_bound(angles.begin(), angles.end(), angles_moyens[r]);
    angle_de[r] = static_cast<int32_t>(a - angles.begin());
    Compte(static_cast<size_t>(angle_de[r]), 1);
    entrees.push_back({valeurs[r], r});
    ++r;
  }
  par_valeur = std::priority_queue<Entree>(std::less<Entree>(), std::move(entrees));
}

void GrilleQuads::Compte(size_t i, int32_t n) {
  for (size_t j = i + 1; j < nombres.size(); j += j & (~j + 1)) nombres[j] += n;
}

int32_t GrilleQuads::Compte_avant(size_t i) const {
  int32_t n = 0;
  for (size_t j = i; j > 0; j -= j & (~j + 1)) n += nombres[j];
  return n;
}

void GrilleQuads::Retire(uint32_t r) {
  if (!restant[r]) return;
  restant[r] = 0;
  bouts.Retire(2 * r);
  bouts.Retire(2 * r + 1);
  Compte(static_cast<size_t>(angle_de[r]), -1);
}

bool GrilleQuads::Angle_entre(int64_t lo, int64_t hi) const {
  if (lo > hi) return false;
  const auto debut = std::lower_bound(angles.begin(), angles.end(), lo);
  const auto fin = std::upper_bound(angles.begin(), angles.end(), hi);
  if (debut >= fin) return false;
  return Compte_avant(static_cast<size_t>(fin - angles.begin())) >
         Compte_avant(static_cast<size_t>(debut - angles.begin()));
}

bool GrilleQuads::Plus_petite_valeur(uint32_t& r, uint32_t& valeur) {
  while (!par_valeur.empty() && !restant[par_valeur.top().Rang]) par_valeur.pop();
  if (par_valeur.empty()) return false;
  r = par_valeur.top().Rang;
  valeur = par_valeur.top().Valeur;
  return true;
}
