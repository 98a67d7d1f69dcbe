#include "vecto/grille_points.h"

#include <algorithm>

namespace {

constexpr int64_t COTES_MAX = 2048;  // cells along x or y

}  // namespace

GrillePoints::GrillePoints(int64_t xmin, int64_t ymin, int64_t xmax, int64_t ymax, int64_t cote_voulu, uint32_t nb)
    : x0(xmin), y0(ymin), cote(std::max<int64_t>(cote_voulu, 1)) {
  const int64_t etendue = std::max<int64_t>(std::max(xmax - xmin, ymax - ymin), 0) + 1;
  if (etendue / cote >= COTES_MAX) cote = etendue / COTES_MAX + 1;
  // Memory stays in proportion to the records: wider cells when the box is
  // large and the records few.
  const int64_t cellules_max = std::max<int64_t>(4096, 4 * int64_t{nb});
  for (;;) {
    nx = std::max<int64_t>(xmax - xmin, 0) / cote + 1;
    ny = std::max<int64_t>(ymax - ymin, 0) / cote + 1;
    if (nx * ny <= cellules_max) break;
    cote *= 2;
  }
  cellules.assign(static_cast<size_t>(nx * ny), Cellule());
  points.assign(nb, Point());
}

void GrillePoints::Place(uint32_t r, int64_t x, int64_t y, uint8_t classe) {
  const auto c = static_cast<int32_t>(Ligne(y) * nx + Colonne(x));
  Point& p = points[r];
  p.X = x;
  p.Y = y;
  if (p.Cellule == c && p.Classe == classe) return;
  Retire(r);
  Cellule& cellule = cellules[static_cast<size_t>(c)];
  p.Classe = classe;
  p.Cellule = c;
  p.Precedent = -1;
  p.Suivant = cellule.Tete;
  if (p.Suivant >= 0) points[static_cast<size_t>(p.Suivant)].Precedent = static_cast<int32_t>(r);
  cellule.Tete = static_cast<int32_t>(r);
  if (classe != SANS_CLASSE) cellule.Masque.Ajoute(classe);
}

void GrillePoints::Retire(uint32_t r) {
  Point& p = points[r];
  if (p.Cellule < 0) return;
  Cellule& cellule = cellules[static_cast<size_t>(p.Cellule)];
  if (p.Precedent >= 0) points[static_cast<size_t>(p.Precedent)].Suivant = p.Suivant;
  else cellule.Tete = p.Suivant;
  if (p.Suivant >= 0) points[static_cast<size_t>(p.Suivant)].Precedent = p.Precedent;
  p.Cellule = -1;
  // The cell's classes are made again from the records left in it.
  cellule.Masque = Classes();
  for (int32_t s = cellule.Tete; s >= 0;) {
    const Point& q = points[static_cast<size_t>(s)];
    if (q.Classe != SANS_CLASSE) cellule.Masque.Ajoute(q.Classe);
    s = q.Suivant;
  }
}
