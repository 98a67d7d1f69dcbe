// Index of points by square cells, for the stages that look for the nearest
// partner of a record: a point is found by visiting the cells ring by ring
// around a query point, so the nearest points come first and the search
// stops as soon as no farther cell can hold a better one. Each point carries
// the number of its record (0 .. n-1), a record at most one point here, and
// a class (a stage's own classes, 0 .. 127): a search names the classes it
// wants, and cells holding none of them are passed over.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// A set of classes 0 .. 127.
struct Classes {
  uint64_t Bits[2] = {0, 0};
  static Classes Toutes() { return {{~uint64_t{0}, ~uint64_t{0}}}; }
  void Ajoute(uint32_t c) { Bits[c >> 6] |= uint64_t{1} << (c & 63); }
  bool Contient(uint32_t c) const { return c < 128 && ((Bits[c >> 6] >> (c & 63)) & 1) != 0; }
  bool Rencontre(const Classes& o) const { return ((Bits[0] & o.Bits[0]) | (Bits[1] & o.Bits[1])) != 0; }
};

class GrillePoints {
 public:
  static constexpr uint8_t SANS_CLASSE = 255;  // a point no search visits

  // Points with xmin <= x <= xmax and ymin <= y <= ymax, for records 0 .. nb-1.
  // Cells are cote units wide (at least 1), widened so that the grid holds
  // at most 2048 cells a side and 4 cells a record (4096 cells at least).
  GrillePoints(int64_t xmin, int64_t ymin, int64_t xmax, int64_t ymax, int64_t cote, uint32_t nb);

  // Puts record r at (x, y) with its class, moving it when it is already
  // there. The point must lie in the box given at construction.
  void Place(uint32_t r, int64_t x, int64_t y, uint8_t classe = 0);
  void Retire(uint32_t r);

  int64_t Cote() const { return cote; }

  // Calls visite(r, x, y) for every point of a class among `voulues` in the
  // cells at k cells (Chebyshev distance) from the cell of (x, y). Points not
  // visited by the rings 0 .. k lie at more than k * Cote() from (x, y) along
  // x or along y, or are of other classes. Returns false when the rings
  // 0 .. k cover the whole grid (no larger ring holds anything).
  template <class Visite>
  bool Anneau(int64_t x, int64_t y, int64_t k, const Classes& voulues, Visite&& visite) const {
    const int64_t ci = Colonne(x), cj = Ligne(y);
    const int64_t i0 = ci - k, i1 = ci + k, j0 = cj - k, j1 = cj + k;
    auto cellule = [&](int64_t i, int64_t j) {
      const Cellule& c = cellules[static_cast<size_t>(j * nx + i)];
      if (!c.Masque.Rencontre(voulues)) return;
      for (int32_t r = c.Tete; r >= 0;) {
        const Point& p = points[static_cast<size_t>(r)];
        if (voulues.Contient(p.Classe)) visite(static_cast<uint32_t>(r), p.X, p.Y);
        r = p.Suivant;
      }
    };
    if (k == 0) {
      cellule(ci, cj);
    } else {
      const int64_t ia = i0 < 0 ? 0 : i0, ib = i1 >= nx ? nx - 1 : i1;
      if (j0 >= 0)
        for (int64_t i = ia; i <= ib; ++i) cellule(i, j0);
      if (j1 < ny)
        for (int64_t i = ia; i <= ib; ++i) cellule(i, j1);
      const int64_t ja = j0 + 1 < 0 ? 0 : j0 + 1, jb = j1 - 1 >= ny ? ny - 1 : j1 - 1;
      if (i0 >= 0)
        for (int64_t j = ja; j <= jb; ++j) cellule(i0, j);
      if (i1 < nx)
        for (int64_t j = ja; j <= jb; ++j) cellule(i1, j);
    }
    return i0 > 0 || j0 > 0 || i1 < nx - 1 || j1 < ny - 1;
  }

 private:
  // Cell of a coordinate; a query outside the box takes the nearest cell,
  // which keeps the distance bound of Anneau.
  int64_t Colonne(int64_t x) const { return std::clamp<int64_t>((x - x0) / cote, 0, nx - 1); }
  int64_t Ligne(int64_t y) const { return std::clamp<int64_t>((y - y0) / cote, 0, ny - 1); }

  struct Cellule {
    int32_t Tete = -1;  // first record of the cell, -1 when empty
    Classes Masque;     // the classes of the cell's records
  };
  struct Point {
    int64_t X = 0, Y = 0;
    int32_t Suivant = -1, Precedent = -1;  // the cell's chain of records
    int32_t Cellule = -1;                  // -1 when not placed
    uint8_t Classe = SANS_CLASSE;
  };

  int64_t x0, y0, cote, nx, ny;
  std::vector<Cellule> cellules;
  std::vector<Point> points;  // by record
};
