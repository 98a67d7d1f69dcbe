// A uniform grid of boxes (a point is a box of no size) for the neighbour
// searches of the molecule builder: a query reads only the cells its disc
// touches, so merging the ends of thousands of strokes stays near-linear.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "molecule/graphe_lu.h"

class Grille_boites {
 public:
  // cote: side of a cell, pixels (at least 1).
  explicit Grille_boites(double cote);

  // Records the box under the number id (any int, chosen by the caller).
  void Ajoute(int id, double xmin, double ymin, double xmax, double ymax);
  void Ajoute(int id, Point_lu p) { Ajoute(id, p.x, p.y, p.x, p.y); }

  // The numbers of the boxes whose cells meet the square of half side r
  // around p, each once, in increasing order. A superset of the boxes
  // within distance r: the caller measures the true distance.
  std::vector<int> Candidats(Point_lu p, double r) const;

 private:
  int64_t Cellule(double v) const;
  static uint64_t Cle(int64_t cx, int64_t cy) {
    return (static_cast<uint64_t>(cx) << 32) ^ static_cast<uint32_t>(cy);
  }
  double cote;
  std::unordered_map<uint64_t, std::vector<int>> cellules;
};

// Distance from p to the box (0 inside it or on its edge).
double Distance_boite(Point_lu p, double xmin, double ymin, double xmax, double ymax);
double Distance(Point_lu a, Point_lu b);
