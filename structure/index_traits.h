// Spatial index of the strokes for the neighbour search of the stroke graph.
// It yields, for a search zone, a superset of the strokes the exact zone test
// can accept, so that testing them in list order finds exactly the
// neighbours a test of every stroke would find.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "vecto/records.h"

class Index_traits {
 public:
  // The strokes in list order; those of Longueur 0 are never returned.
  explicit Index_traits(const std::vector<const Quadrilatere*>& traits);

  // Indices greater than apres, in increasing order, of the strokes whose
  // axis box meets the zone's box or whose end lies on a ray from (0, 0)
  // through a corner of the zone (where counting edge crossings toward the
  // origin can err); every later stroke when the origin lies on the zone's
  // outline.
  std::vector<int32_t> Candidats(int32_t apres, const Extremite (&zone)[4]);

 private:
  struct Boite {
    int64_t x0, y0, x1, y1;
  };
  int32_t Cellule_x(int64_t x) const;
  int32_t Cellule_y(int64_t y) const;
  void Ajoute(int32_t j, int32_t apres, std::vector<int32_t>& sortie);

  std::vector<Boite> boites;
  std::vector<bool> valides;
  int64_t gx0 = 0, gy0 = 0, gx1 = -1, gy1 = -1;  // extent of the grid, pixels
  int64_t cote = 64;                             // cell side, pixels
  int32_t nx = 0, ny = 0;
  std::vector<std::vector<int32_t>> cellules;
  std::unordered_map<uint64_t, std::vector<int32_t>> rayons;  // reduced direction of an end -> strokes
  std::vector<int32_t> vus;
  int32_t marque = 0;
};
