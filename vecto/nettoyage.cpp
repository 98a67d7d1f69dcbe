// Clean-up closing the vectorisation chain. Works on CompConnexes and on
// Vecteurs: a component less than 5 pixels wide and high goes with every
// vector lying in its box, then every vector shorter than n goes. No log.
#include "vecto/nettoyage.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <tuple>
#include <vector>

#include "image/document.h"

namespace {

struct Boite {
  int32_t xmin, ymin, xmax, ymax;
  bool operator<(const Boite& o) const { return std::tie(xmin, ymin) < std::tie(o.xmin, o.ymin); }
};

bool Petite(const CompConnexe& cc) { return cc.xmax - cc.xmin < 5 && cc.ymax - cc.ymin < 5; }

bool Dans_boite(const Boite& b, int32_t x, int32_t y) {
  return x >= b.xmin && x <= b.xmax && y >= b.ymin && y <= b.ymax;
}

// Whether some small box holds both endpoints of v. Such a box is at most 5
// pixels a side, so its top-left corner lies within 4 pixels up and left of
// both endpoints: only those corners are looked up among the sorted boxes.
bool Dans_une_petite_boite(const std::vector<Boite>& boites, const Vecteur& v) {
  constexpr int64_t MIN = INT32_MIN;
  const int64_t gauche = std::max(std::max<int64_t>(v.x1, v.x2) - 4, MIN), droite = std::min(v.x1, v.x2);
  const int64_t haut = std::max(std::max<int64_t>(v.y1, v.y2) - 4, MIN), bas = std::min(v.y1, v.y2);
  for (int64_t x = gauche; x <= droite; ++x) {
    const auto debut = std::lower_bound(boites.begin(), boites.end(),
                                        Boite{static_cast<int32_t>(x), static_cast<int32_t>(haut), 0, 0});
    for (auto b = debut; b != boites.end() && b->xmin == x && b->ymin <= bas; ++b)
      if (Dans_boite(*b, v.x1, v.y1) && Dans_boite(*b, v.x2, v.y2)) return true;
  }
  return false;
}

}  // namespace

void Nettoyage(Document& doc, int32_t n) {
  std::vector<Boite> petites;
  for (const CompConnexe& cc : doc.CompConnexes)
    if (Petite(cc)) petites.push_back({cc.xmin, cc.ymin, cc.xmax, cc.ymax});
  std::sort(petites.begin(), petites.end());
  if (!petites.empty())
    doc.Vecteurs.remove_if([&](const Vecteur& v) { return Dans_une_petite_boite(petites, v); });
  doc.CompConnexes.remove_if(Petite);
  doc.Vecteurs.remove_if([n](const Vecteur& v) { return v.Longueur < n; });
}
