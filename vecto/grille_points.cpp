#include "vecto/grille_points.h"

#include <algorithm>

namespace {

constexpr int64_t CELLULES_MAX = 2048;  // per side

}  // namespace

GrillePoints::GrillePoints(int64_t xmin, int64_t ymin, int64_t xmax, int64_t ymax, int64_t cote_voulu, uint32_t nb)
    : x0(xmin), y0(ymin), cote(std::max<int64_t>(cote_voulu, 1)) {
  const int64_t etendue = std::max<int64_t>(std::max(xmax - xmin, ymax - ymin), 0) + 1;
  if (etendue / cote >= CELLULES_MAX) cote = etendue / CELLULES_MAX + 1;
  nx = std::max<int64_t>(xmax - xmin, 0) / cote + 1;
  ny = std::max<int64_t>(ymax - ymin, 0) / cote + 1;
  tete.assign(static_cast<size_t>(nx * ny), -1);
  masque.assign(static_cast<size_t>(nx * ny), Classes());
  suivant.assign(nb, -1);
  precedent.assign(nb, -1);
  cellule_de.assign(nb, -1);
  classe.assign(nb, SANS_CLASSE);
  px.assign(nb, 0);
  py.assign(nb, 0);
}

int64_t GrillePoints::Colonne(int64_t x) const { return std::clamp<int64_t>((x - x0) / cote, 0, nx - 1); }
int64_t GrillePoints::Ligne(int64_t y) const { return std::clamp<int64_t>((y - y0) / cote, 0, ny - 1); }

void GrillePoints::Place(uint32_t r, int64_t x, int64_t y, uint8_t c_point) {
  const auto c = static_cast<int32_t>(Ligne(y) * nx + Colonne(x));
  px[r] = x;
  py[r] = y;
  if (cellule_de[r] == c && classe[r] == c_point) return;
  Retire(r);
  classe[r] = c_point;
  cellule_de[r] = c;
  precedent[r] = -1;
  suivant[r] = tete[static_cast<size_t>(c)];
  if (suivant[r] >= 0) precedent[static_cast<size_t>(suivant[r])] = static_cast<int32_t>(r);
  tete[static_cast<size_t>(c)] = static_cast<int32_t>(r);
  if (c_point != SANS_CLASSE) masque[static_cast<size_t>(c)].Ajoute(c_point);
}

void GrillePoints::Retire(uint32_t r) {
  const int32_t c = cellule_de[r];
  if (c < 0) return;
  if (precedent[r] >= 0) suivant[static_cast<size_t>(precedent[r])] = suivant[r];
  else tete[static_cast<size_t>(c)] = suivant[r];
  if (suivant[r] >= 0) precedent[static_cast<size_t>(suivant[r])] = precedent[r];
  cellule_de[r] = -1;
  // The cell's mask is made again from the records left in it.
  Classes m;
  for (int32_t s = tete[static_cast<size_t>(c)]; s >= 0; s = suivant[static_cast<size_t>(s)])
    if (classe[static_cast<size_t>(s)] != SANS_CLASSE) m.Ajoute(classe[static_cast<size_t>(s)]);
  masque[static_cast<size_t>(c)] = m;
}
