#include "text/relie_zones.h"

#include <algorithm>
#include <vector>

namespace {

using Carre = unsigned __int128;  // squared distances of any two int32 points

int64_t Largeur(const CompConnexe& c) { return static_cast<int64_t>(c.xmax) - c.xmin; }

// Middle height, truncated toward zero.
int64_t Milieu(const CompConnexe& c) { return (2 * static_cast<int64_t>(c.ymin) + (static_cast<int64_t>(c.ymax) - c.ymin)) / 2; }

Carre Carre_de(int64_t d) {
  const Carre a = static_cast<Carre>(d < 0 ? -static_cast<__int128>(d) : d);
  return a * a;
}

// The first members, by xmin then list order, with the reach beyond which
// none can be linked.
struct Premiers {
  std::vector<uint32_t> indices;
  int64_t largeur_max = 0;
};

}  // namespace

void Relie_zones(ListeCC& zones, uint16_t NbZones) {
  std::vector<CompConnexe*> v;
  v.reserve(zones.size());
  for (CompConnexe& z : zones) v.push_back(&z);

  Premiers premiers;
  std::vector<std::vector<uint32_t>> membres(static_cast<size_t>(NbZones) + 1);
  for (uint32_t i = 0; i < v.size(); ++i) {
    if (v[i]->Zone <= NbZones) membres[v[i]->Zone].push_back(i);
    if (v[i]->Rang == 1) {
      premiers.indices.push_back(i);
      premiers.largeur_max = std::max(premiers.largeur_max, Largeur(*v[i]));
    }
  }
  std::stable_sort(premiers.indices.begin(), premiers.indices.end(),
                   [&](uint32_t a, uint32_t b) { return v[a]->xmin < v[b]->xmin; });

  // X is the member of largest xmin, the first in list order among equals.
  const auto plus_a_droite = [&](uint32_t a, uint32_t b) {
    return v[a]->xmin != v[b]->xmin ? v[a]->xmin > v[b]->xmin : a < b;
  };

  for (uint32_t k = 1; k <= NbZones; ++k) {
    bool trouve = false;
    uint32_t x = 0;
    for (uint32_t i : membres[k])
      if (v[i]->Zone == k && (!trouve || plus_a_droite(i, x))) x = i, trouve = true;
    if (!trouve) continue;

    for (;;) {
      const CompConnexe& X = *v[x];
      // Only first members within the widest width can be linked: the nearest
      // is searched among them, and when none is there, nothing is linked.
      const int64_t portee = std::max(premiers.largeur_max, Largeur(X));
      const Carre limite = Carre_de(portee);
      const int64_t milieu_x = Milieu(X);
      auto p = std::upper_bound(premiers.indices.begin(), premiers.indices.end(), X.xmax,
                                [&](int32_t xm, uint32_t i) { return xm < v[i]->xmin; });
      bool proche = false;
      uint32_t f = 0;
      Carre meilleur = 0;
      for (; p != premiers.indices.end(); ++p) {
        const CompConnexe& F = *v[*p];
        const Carre dx = Carre_de(static_cast<int64_t>(F.xmin) - X.xmax);
        if (dx > limite || (proche && dx > meilleur)) break;
        if (F.Zone == k) continue;
        const Carre d2 = dx + Carre_de(Milieu(F) - milieu_x);
        if (d2 > limite) continue;
        if (!proche || d2 < meilleur || (d2 == meilleur && *p < f)) f = *p, meilleur = d2, proche = true;
      }
      if (!proche) break;
      const CompConnexe& F = *v[f];
      if (Carre_de(std::max(Largeur(F), Largeur(X))) < meilleur) break;
      const uint16_t ancienne = F.Zone;
      for (uint32_t i = f; i < v.size() && v[i]->Zone == ancienne; ++i) {
        v[i]->Zone = static_cast<uint16_t>(k);
        membres[k].push_back(i);
        if (plus_a_droite(i, x)) x = i;
      }
    }
  }
}
