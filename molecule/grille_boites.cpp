#include "molecule/grille_boites.h"

#include <algorithm>
#include <cmath>

namespace {
// Cells are counted on a bounded range, so that coordinates far off the
// page cannot make a query walk an absurd number of cells.
constexpr double LIMITE = 1e9;
}  // namespace

Grille_boites::Grille_boites(double c) : cote(std::max(1.0, c)) {}

int64_t Grille_boites::Cellule(double v) const {
  return static_cast<int64_t>(std::floor(std::clamp(v, -LIMITE, LIMITE) / cote));
}

void Grille_boites::Ajoute(int id, double xmin, double ymin, double xmax, double ymax) {
  for (int64_t cy = Cellule(ymin); cy <= Cellule(ymax); ++cy)
    for (int64_t cx = Cellule(xmin); cx <= Cellule(xmax); ++cx) cellules[Cle(cx, cy)].push_back(id);
}

std::vector<int> Grille_boites::Candidats(Point_lu p, double r) const {
  std::vector<int> ids;
  for (int64_t cy = Cellule(p.y - r); cy <= Cellule(p.y + r); ++cy)
    for (int64_t cx = Cellule(p.x - r); cx <= Cellule(p.x + r); ++cx) {
      const auto it = cellules.find(Cle(cx, cy));
      if (it != cellules.end()) ids.insert(ids.end(), it->second.begin(), it->second.end());
    }
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  return ids;
}

double Distance_boite(Point_lu p, double xmin, double ymin, double xmax, double ymax) {
  const double dx = std::max({xmin - p.x, 0.0, p.x - xmax});
  const double dy = std::max({ymin - p.y, 0.0, p.y - ymax});
  return std::hypot(dx, dy);
}

double Distance(Point_lu a, Point_lu b) { return std::hypot(a.x - b.x, a.y - b.y); }
