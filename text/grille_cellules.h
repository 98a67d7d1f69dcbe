// Uniform grid of square cells over a rectangle of the plane. Each cell keeps
// the numbers of the records registered in it, as points (one cell) or as
// boxes (every cell they cover; a box covering very many cells is kept aside
// and offered to every point query). Callers apply their own tests and tie
// rules to the numbers they are offered: the grid only narrows the search.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

struct Boite64 {
  int64_t xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  bool Contient(int64_t x, int64_t y) const { return xmin <= x && x <= xmax && ymin <= y && y <= ymax; }
};

// Smallest box holding both.
inline Boite64 Boite_englobante(const Boite64& a, const Boite64& b) {
  return {std::min(a.xmin, b.xmin), std::min(a.ymin, b.ymin), std::max(a.xmax, b.xmax), std::max(a.ymax, b.ymax)};
}

class GrilleCellules {
 public:
  // Cells over the rectangle, sized so that about n records share them; the
  // number of cells stays within 4 n + 64.
  GrilleCellules(const Boite64& etendue, size_t n) : ext_(etendue) {
    const int64_t w = ext_.xmax - ext_.xmin + 1;
    const int64_t h = ext_.ymax - ext_.ymin + 1;
    const double nb = static_cast<double>(std::max<size_t>(n, 1));
    pas_ = std::max<int64_t>(1, static_cast<int64_t>(std::ceil(std::sqrt(static_cast<double>(w) * h / nb))));
    const int64_t limite = 4 * static_cast<int64_t>(n) + 64;
    for (;;) {
      nx_ = (w - 1) / pas_ + 1;
      ny_ = (h - 1) / pas_ + 1;
      if (nx_ <= limite && ny_ <= limite && nx_ * ny_ <= limite) break;
      pas_ *= 2;
    }
    cellules_.resize(static_cast<size_t>(nx_ * ny_));
  }

  int64_t Pas() const { return pas_; }
  int64_t Nx() const { return nx_; }
  int64_t Ny() const { return ny_; }
  // Column and row of a coordinate, possibly outside the grid (floor division).
  int64_t Colonne(int64_t x) const { return Division_plancher(x - ext_.xmin, pas_); }
  int64_t Ligne(int64_t y) const { return Division_plancher(y - ext_.ymin, pas_); }

  // The point must lie in the rectangle of the grid.
  void Ajoute(uint32_t id, int64_t x, int64_t y) { Cellule(Colonne(x), Ligne(y)).push_back(id); }
  void Retire(uint32_t id, int64_t x, int64_t y) {
    std::vector<uint32_t>& c = Cellule(Colonne(x), Ligne(y));
    const auto i = std::find(c.begin(), c.end(), id);
    if (i == c.end()) return;
    *i = c.back();
    c.pop_back();
  }
  // The box must lie in the rectangle of the grid.
  void Ajoute(uint32_t id, const Boite64& b) {
    const int64_t c0 = Colonne(b.xmin), c1 = Colonne(b.xmax), l0 = Ligne(b.ymin), l1 = Ligne(b.ymax);
    if ((c1 - c0 + 1) * (l1 - l0 + 1) > GRANDE_BOITE) {
      grandes_.push_back(id);
      return;
    }
    for (int64_t l = l0; l <= l1; ++l)
      for (int64_t c = c0; c <= c1; ++c) Cellule(c, l).push_back(id);
  }

  // Every number of the cell holding the point, then every big box.
  template <class F>
  void Pour_point(int64_t x, int64_t y, F&& f) const {
    const int64_t c = Colonne(x), l = Ligne(y);
    if (c >= 0 && c < nx_ && l >= 0 && l < ny_)
      for (uint32_t id : Cellule(c, l)) f(id);
    for (uint32_t id : grandes_) f(id);
  }

  // Every number registered as a point in the cells the box overlaps.
  template <class F>
  void Pour_boite(const Boite64& b, F&& f) const {
    const int64_t c0 = std::max<int64_t>(0, Colonne(b.xmin)), c1 = std::min(nx_ - 1, Colonne(b.xmax));
    const int64_t l0 = std::max<int64_t>(0, Ligne(b.ymin)), l1 = std::min(ny_ - 1, Ligne(b.ymax));
    for (int64_t l = l0; l <= l1; ++l)
      for (int64_t c = c0; c <= c1; ++c)
        for (uint32_t id : Cellule(c, l)) f(id);
  }

  // The cells at Chebyshev distance r from cell (c, l), as far as they lie in
  // the grid: every number they hold. Returns the work done, in rows and cells.
  template <class F>
  int64_t Pour_anneau(int64_t c, int64_t l, int64_t r, F&& f) const {
    int64_t travail = 0;
    const int64_t l0 = std::max<int64_t>(0, l - r), l1 = std::min(ny_ - 1, l + r);
    for (int64_t y = l0; y <= l1; ++y) {
      ++travail;
      if (y == l - r || y == l + r) {
        const int64_t c0 = std::max<int64_t>(0, c - r), c1 = std::min(nx_ - 1, c + r);
        for (int64_t x = c0; x <= c1; ++x) {
          ++travail;
          for (uint32_t id : Cellule(x, y)) f(id);
        }
      } else {
        // Rows strictly inside the ring: only its two side cells (r >= 1 here).
        for (const int64_t x : {c - r, c + r}) {
          if (x < 0 || x >= nx_) continue;
          ++travail;
          for (uint32_t id : Cellule(x, y)) f(id);
        }
      }
    }
    return travail;
  }

 private:
  static constexpr int64_t GRANDE_BOITE = 256;

  static int64_t Division_plancher(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
  }
  std::vector<uint32_t>& Cellule(int64_t c, int64_t l) { return cellules_[static_cast<size_t>(l * nx_ + c)]; }
  const std::vector<uint32_t>& Cellule(int64_t c, int64_t l) const {
    return cellules_[static_cast<size_t>(l * nx_ + c)];
  }

  Boite64 ext_;
  int64_t pas_ = 1, nx_ = 1, ny_ = 1;
  std::vector<std::vector<uint32_t>> cellules_;
  std::vector<uint32_t> grandes_;
};
