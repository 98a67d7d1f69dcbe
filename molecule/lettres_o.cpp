#include "molecule/lettres_o.h"

#include <algorithm>
#include <cstdint>

#include "image/document.h"
#include "molecule/grille_boites.h"

namespace {

// Whether the ink inside the box encloses background: the background reached
// from the box's border (4-neighbours) leaves some unreached.
bool Troue(const Plan& plan, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax) {
  const int32_t l = xmax - xmin + 1, h = ymax - ymin + 1;
  std::vector<uint8_t> vu(static_cast<size_t>(l) * static_cast<size_t>(h), 0);
  std::vector<std::pair<int32_t, int32_t>> pile;
  auto pousse = [&](int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= l || y >= h) return;
    uint8_t& v = vu[static_cast<size_t>(y) * static_cast<size_t>(l) + static_cast<size_t>(x)];
    if (v || Lit_pixel(xmin + x, ymin + y, plan)) return;
    v = 1;
    pile.push_back({x, y});
  };
  for (int32_t x = 0; x < l; ++x) pousse(x, 0), pousse(x, h - 1);
  for (int32_t y = 0; y < h; ++y) pousse(0, y), pousse(l - 1, y);
  while (!pile.empty()) {
    const auto [x, y] = pile.back();
    pile.pop_back();
    pousse(x + 1, y), pousse(x - 1, y), pousse(x, y + 1), pousse(x, y - 1);
  }
  for (int32_t y = 1; y < h - 1; ++y)
    for (int32_t x = 1; x < l - 1; ++x)
      if (!vu[static_cast<size_t>(y) * static_cast<size_t>(l) + static_cast<size_t>(x)] && !Lit_pixel(xmin + x, ymin + y, plan))
        return true;
  return false;
}

bool Recouvre(const CompConnexe& a, const CompConnexe& b) {
  return a.xmin <= b.xmax && b.xmin <= a.xmax && a.ymin <= b.ymax && b.ymin <= a.ymax;
}

}  // namespace

std::vector<Atome_lu> Lettres_o(const Document& doc, double longueur) {
  std::vector<Atome_lu> lettres;
  if (!(longueur > 0)) return lettres;
  std::vector<const CompConnexe*> zones;
  Grille_boites grille(std::max(8.0, 0.6 * longueur));
  for (const CompConnexe& z : doc.ZonesTexte) {
    grille.Ajoute(static_cast<int>(zones.size()), z.xmin, z.ymin, z.xmax, z.ymax);
    zones.push_back(&z);
  }
  for (const CompConnexe& c : doc.CompConnexes) {
    const double l = c.xmax - c.xmin + 1, h = c.ymax - c.ymin + 1;
    if (l < 0.15 * longueur || h < 0.15 * longueur || l > 0.6 * longueur || h > 0.6 * longueur) continue;
    if (l > 1.5 * h || h > 1.5 * l) continue;
    const Point_lu centre{(static_cast<double>(c.xmin) + c.xmax) / 2, (static_cast<double>(c.ymin) + c.ymax) / 2};
    const std::vector<int> proches = grille.Candidats(centre, std::max(l, h));
    if (std::any_of(proches.begin(), proches.end(), [&](int k) { return Recouvre(c, *zones[static_cast<size_t>(k)]); }))
      continue;
    if (!Troue(doc.Plan1, c.xmin, c.ymin, c.xmax, c.ymax)) continue;
    Atome_lu a;
    a.Etiquette = "O";
    a.Douteuse = true;
    a.Devinee = true;
    a.xmin = c.xmin, a.ymin = c.ymin, a.xmax = c.xmax, a.ymax = c.ymax;
    a.P = centre;
    lettres.push_back(a);
  }
  return lettres;
}
