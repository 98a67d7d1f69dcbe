// The quadrilaterals not yet sorted, indexed for quadrilateral sorting. A
// quadrilateral is known by its rank in the list as the sort found it; the
// sort only takes records out, so rank order is list order. Three ways in:
// the two ends of each stroke's axis in a grid (doubled coordinates, so that
// the ends are exact), a count by mean angle, and an order by a value given
// for each quadrilateral (its contact with a separator).
#pragma once

#include <cstdint>
#include <queue>
#include <vector>

#include "vecto/grille_points.h"
#include "vecto/records.h"

class GrilleQuads {
 public:
  // angles_moyens[r] and valeurs[r] belong to the r-th quadrilateral of the list.
  GrilleQuads(const ListeQuads& liste, const std::vector<int32_t>& angles_moyens,
              const std::vector<uint32_t>& valeurs);

  void Retire(uint32_t r);

  // Whether a quadrilateral left has its angle within lo .. hi.
  bool Angle_entre(int64_t lo, int64_t hi) const;

  // The quadrilateral left of smallest value, of smallest rank on equal
  // values; false when none is left.
  bool Plus_petite_valeur(uint32_t& r, uint32_t& valeur);

  // Visits the quadrilaterals left whose axis has an end near one of the two
  // ends of cur's axis, nearest cells first: visite(r) once for each, then
  // after each ring continuer(d), where every quadrilateral not yet visited
  // has both ends at least d / 2 pixels away from both ends of cur. Stops
  // when continuer returns false or every cell has been seen. When the
  // corners span more than 23170 pixels along x or y, the grid is a single
  // cell: the first ring visits every quadrilateral left.
  template <class Visite, class Continuer>
  void Parcourt(const Quadrilatere& cur, Visite&& visite, Continuer&& continuer) {
    ++recherche;
    const auto une_fois = [&](uint32_t point, int64_t, int64_t) {
      const uint32_t r = point / 2;
      if (vu[r] == recherche) return;
      vu[r] = recherche;
      visite(r);
    };
    const int64_t x1 = int64_t{cur.x1} + cur.x4, y1 = int64_t{cur.y1} + cur.y4;
    const int64_t x2 = int64_t{cur.x2} + cur.x3, y2 = int64_t{cur.y2} + cur.y3;
    for (int64_t k = 0;; ++k) {
      const bool reste1 = bouts.Anneau(x1, y1, k, Classes::Toutes(), une_fois);
      const bool reste2 = bouts.Anneau(x2, y2, k, Classes::Toutes(), une_fois);
      if ((!reste1 && !reste2) || !continuer(k * bouts.Cote() + 1)) break;
    }
  }

 private:
  void Compte(size_t i, int32_t n);      // n more quadrilaterals at angles[i]
  int32_t Compte_avant(size_t i) const;  // quadrilaterals left at angles[0 .. i - 1]

  std::vector<uint8_t> restant;
  std::vector<int32_t> angle_de;  // each one's position among the distinct angles
  std::vector<uint32_t> vu;       // the search that last visited each rank
  uint32_t recherche = 0;
  GrillePoints bouts;  // point 2r: end 1 of rank r, point 2r + 1: its end 2
  // The distinct angles, sorted, and a Fenwick tree of the number of
  // quadrilaterals left at each.
  std::vector<int32_t> angles;
  std::vector<int32_t> nombres;
  struct Entree {
    uint32_t Valeur, Rang;
    bool operator<(const Entree& o) const { return Valeur != o.Valeur ? Valeur > o.Valeur : Rang > o.Rang; }
  };
  std::priority_queue<Entree> par_valeur;  // smallest first; entries of records taken out skipped
};
