// Spatial index of the strokes for the neighbour search of the stroke graph.
// It yields, for a search zone, a superset of the strokes the exact zone test
// can accept, so that testing them in list order finds exactly the
// neighbours a test of every stroke would find. A stroke is held in the grid
// cells its axis passes through, so its memory grows with its length only.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "vecto/records.h"

class Index_traits {
 public:
  // The strokes in list order; those of Longueur 0 are never returned.
  explicit Index_traits(const std::vector<const Quadrilatere*>& traits);

  // Indices greater than apres, in increasing order, of the strokes whose
  // axis meets a cell the zone meets (and whose box meets the zone's box),
  // or whose end lies on a ray from (0, 0)
  // through a corner of the zone (where counting edge crossings toward the
  // origin can err); every later stroke when the origin lies on the zone's
  // outline.
  std::vector<int32_t> Candidats(int32_t apres, const Extremite (&zone)[4]);

 private:
  struct Boite {
    int32_t x0, y0, x1, y1;
  };
  // A stroke in a cell, with its axis box at hand.
  struct Entree {
    int32_t trait;
    Boite boite;
  };
  // Calls f with every cell a convex polygon of n points (a segment when n
  // is 2) may touch, within the grid.
  template <class F>
  void Cellules_de(const Extremite* points, int n, F&& f) const;
  int32_t Cellule_x(int64_t x) const;
  int32_t Cellule_y(int64_t y) const;
  void Ajoute(int32_t j, int32_t apres, std::vector<int32_t>& sortie);

  std::vector<Boite> boites;
  std::vector<bool> valides;
  int64_t gx0 = 0, gy0 = 0, gx1 = -1, gy1 = -1;  // extent of the grid, pixels
  int64_t cote = 64;                             // cell side, pixels
  int32_t nx = 0, ny = 0;
  // Strokes of each cell: those of cell c are entrees[debuts[c] .. debuts[c + 1]).
  std::vector<int32_t> debuts;
  std::vector<Entree> entrees;
  // (reduced direction of an end seen from the origin, stroke), sorted, and
  // a bit per hashed direction to skip most searches.
  std::vector<std::pair<uint64_t, int32_t>> rayons;
  std::vector<uint64_t> filtre;
  std::vector<int32_t> vus;
  int32_t marque = 0;
};
