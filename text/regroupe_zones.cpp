#include "text/regroupe_zones.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

int64_t Ecart(int64_t a, int64_t b) { return a > b ? a - b : b - a; }
int64_t Largeur(const CompConnexe& c) { return static_cast<int64_t>(c.xmax) - c.xmin; }
int64_t Hauteur(const CompConnexe& c) { return static_cast<int64_t>(c.ymax) - c.ymin; }

bool Coin_dedans(int64_t x, int64_t y, const CompConnexe& b) {
  return b.xmin < x && x < b.xmax && b.ymin < y && y < b.ymax;
}

bool Un_coin_dedans(const CompConnexe& a, const CompConnexe& b) {
  return Coin_dedans(a.xmin, a.ymin, b) || Coin_dedans(a.xmax, a.ymin, b) || Coin_dedans(a.xmin, a.ymax, b) ||
         Coin_dedans(a.xmax, a.ymax, b);
}

// The records whose (xmin, ymin) falls in each cell of a grid, in list order.
// Cells are larger than a record and the widest reach of the neighbour test,
// so the candidates of a record lie in at most three cells a side. Only used
// when every box is well formed (min <= max), which the reach bounds assume.
class Grille {
 public:
  Grille(const std::vector<CompConnexe*>& zones, int64_t portee_x, int64_t portee_y, int64_t lmax, int64_t hmax)
      : px(std::max<int64_t>(portee_x, 0)), py(std::max<int64_t>(portee_y, 0)), lmax(lmax), hmax(hmax),
        cx(lmax + 2 * px + 1), cy(hmax + 2 * py + 1) {
    for (uint32_t i = 0; i < zones.size(); ++i) cases[Cle(Case(zones[i]->xmin, cx), Case(zones[i]->ymin, cy))].push_back(i);
  }

  // Calls f on every record that may be a neighbour of R.
  template <class F>
  void Candidats(const CompConnexe& R, F&& f) const {
    const int64_t x0 = Case(R.xmin - px - lmax, cx), x1 = Case(R.xmax + px, cx);
    const int64_t y0 = Case(R.ymin - py - hmax, cy), y1 = Case(R.ymax + py, cy);
    for (int64_t gx = x0; gx <= x1; ++gx)
      for (int64_t gy = y0; gy <= y1; ++gy)
        if (auto c = cases.find(Cle(gx, gy)); c != cases.end())
          for (uint32_t j : c->second) f(j);
  }

 private:
  static int64_t Case(int64_t v, int64_t taille) { return v >= 0 ? v / taille : -((-v + taille - 1) / taille); }
  static uint64_t Cle(int64_t gx, int64_t gy) {
    return (static_cast<uint64_t>(gx) << 32) ^ static_cast<uint64_t>(static_cast<uint32_t>(gy));
  }
  int64_t px, py, lmax, hmax, cx, cy;
  std::unordered_map<uint64_t, std::vector<uint32_t>> cases;
};

}  // namespace

bool Zones_voisines(const CompConnexe& R, const CompConnexe& Y, int64_t tx, int64_t ty) {
  const bool x_yr = Ecart(Y.xmin, R.xmax) <= tx;  // Y starts near R's right edge
  const bool x_ry = Ecart(R.xmin, Y.xmax) <= tx;  // R starts near Y's right edge
  if (x_yr && (Ecart(R.ymin, Y.ymax) <= ty || Ecart(Y.ymin, R.ymax) <= ty || Ecart(Y.ymax, R.ymax) <= ty))
    return true;
  if (x_ry && (Ecart(R.ymin, Y.ymax) <= ty || Ecart(Y.ymin, R.ymax) <= ty || Ecart(R.ymax, Y.ymax) <= ty))
    return true;
  return Un_coin_dedans(Y, R) || Un_coin_dedans(R, Y);
}

uint16_t Regroupe_zones(ListeCC& zones, int32_t moyenne_largeur, int32_t moyenne_hauteur) {
  std::vector<CompConnexe*> v;
  v.reserve(zones.size());
  bool bien_formees = true;
  int64_t lmax = 0, hmax = 0;
  for (CompConnexe& z : zones) {
    v.push_back(&z);
    bien_formees = bien_formees && Largeur(z) >= 0 && Hauteur(z) >= 0;
    lmax = std::max(lmax, Largeur(z));
    hmax = std::max(hmax, Hauteur(z));
  }
  const auto limite = [](int32_t moyenne, int64_t a, int64_t b) {
    return moyenne != 0 ? static_cast<int64_t>(moyenne) / 2 : std::max(a, b) / 2;
  };
  const auto voisines = [&](const CompConnexe& R, const CompConnexe& Y) {
    return Zones_voisines(R, Y, limite(moyenne_largeur, Largeur(R), Largeur(Y)),
                          limite(moyenne_hauteur, Hauteur(R), Hauteur(Y)));
  };

  std::vector<Grille> grille;
  if (bien_formees && !v.empty())
    grille.emplace_back(v, limite(moyenne_largeur, lmax, lmax), limite(moyenne_hauteur, hmax, hmax), lmax, hmax);
  const auto candidats = [&](uint32_t i, auto&& f) {
    if (!grille.empty()) {
      grille.front().Candidats(*v[i], f);
    } else {
      for (uint32_t j = i + 1; j < v.size(); ++j) f(j);
    }
  };

  // Zone number of each record (0 while alone) and the members of each zone.
  std::vector<uint32_t> zone_de(v.size(), 0);
  std::vector<std::vector<uint32_t>> membres;
  std::vector<uint32_t> a_etendre;
  for (uint32_t o = 0; o < v.size(); ++o) {
    if (zone_de[o] != 0) continue;
    membres.emplace_back();
    const auto k = static_cast<uint32_t>(membres.size());
    zone_de[o] = k;
    membres.back().push_back(o);
    a_etendre.push_back(o);
    while (!a_etendre.empty()) {
      const uint32_t r = a_etendre.back();
      a_etendre.pop_back();
      candidats(r, [&](uint32_t y) {
        if (y <= r || zone_de[y] != 0 || !voisines(*v[r], *v[y])) return;
        zone_de[y] = k;
        membres.back().push_back(y);
        a_etendre.push_back(y);
      });
    }
  }

  ListeCC nouvelle;
  for (size_t k = 0; k < membres.size(); ++k) {
    std::vector<uint32_t>& m = membres[k];
    std::sort(m.begin(), m.end(), [&](uint32_t a, uint32_t b) {
      return v[a]->xmin != v[b]->xmin ? v[a]->xmin < v[b]->xmin : a < b;
    });
    uint16_t rang = 0;
    for (size_t i = 0; i < m.size(); ++i) {
      if (i > 0 && v[m[i]]->xmin == v[m[i - 1]]->xmin) continue;
      CompConnexe c = *v[m[i]];
      c.Zone = static_cast<uint16_t>(k + 1);
      c.Rang = ++rang;
      nouvelle.push_back(c);
    }
  }
  zones = std::move(nouvelle);
  return static_cast<uint16_t>(membres.size());
}
