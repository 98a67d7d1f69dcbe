// Proximity grouping of the candidate strokes. Reads the candidate list and
// the centres of its strokes; reorders the list into chains of nearest
// neighbours, the last member of each chain with Type 2, and keeps no
// separator in it. Nothing is logged.
#include "text/regroupe_quads.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>
#include <vector>

#include "console/console.h"
#include "image/document.h"
#include "text/grille_cellules.h"

namespace {

// Squared distances are unsigned 32-bit; the search starts from this value
// with strict less-than, so a distance at or above it is never chosen.
constexpr uint32_t DEPART = 2147483647u;

// dx^2 + dy^2 in wrapping 32-bit arithmetic, read as unsigned.
uint32_t Distance2(Extremite a, Extremite b) {
  const uint32_t dx = static_cast<uint32_t>(a.x) - static_cast<uint32_t>(b.x);
  const uint32_t dy = static_cast<uint32_t>(a.y) - static_cast<uint32_t>(b.y);
  return dx * dx + dy * dy;
}

// Square root rounded up, exactly: a perfect square gives its root.
uint32_t Racine_haute(uint32_t d2) {
  uint64_t r = static_cast<uint64_t>(std::sqrt(static_cast<double>(d2)));
  while (r * r > d2) --r;
  while ((r + 1) * (r + 1) <= d2) ++r;
  return static_cast<uint32_t>(r * r == d2 ? r : r + 1);
}

// The candidates not yet taken, numbered in list order, searched for the one
// whose centre is nearest to a point: smallest squared distance, the smallest
// number among equals. When every distance between the centres and (0,0)
// fits below DEPART without wrapping, a grid narrows the search, and the
// searches from (0,0), which open every group, follow one order sorted once.
// Otherwise, and whenever the rings of cells cost more than the remaining
// candidates, the remaining ones are scanned in order.
class Voisinage {
 public:
  explicit Voisinage(const std::vector<Extremite>& centres)
      : centres_(centres), suivant_(centres.size()), precedent_(centres.size()), restants_(centres.size()) {
    const uint32_t n = static_cast<uint32_t>(centres.size());
    for (uint32_t i = 0; i < n; ++i) suivant_[i] = i + 1, precedent_[i] = i == 0 ? FIN : i - 1;
    premier_ = n == 0 ? FIN : 0;
    if (n == 0) return;
    Boite64 b{centres[0].x, centres[0].y, centres[0].x, centres[0].y};
    for (const Extremite& c : centres) b = Boite_englobante(b, {c.x, c.y, c.x, c.y});
    const Boite64 avec_origine = Boite_englobante(b, {0, 0, 0, 0});
    const int64_t ex = avec_origine.xmax - avec_origine.xmin, ey = avec_origine.ymax - avec_origine.ymin;
    if (ex * ex + ey * ey >= static_cast<int64_t>(DEPART)) return;
    grille_.emplace(b, centres.size());
    for (uint32_t i = 0; i < n; ++i) grille_->Ajoute(i, centres[i].x, centres[i].y);
    pris_.assign(n, 0);
    depuis_origine_.resize(n);
    for (uint32_t i = 0; i < n; ++i) depuis_origine_[i] = i;
    std::sort(depuis_origine_.begin(), depuis_origine_.end(), [&](uint32_t a, uint32_t c) {
      const uint32_t da = Distance2({0, 0}, centres[a]), dc = Distance2({0, 0}, centres[c]);
      return da != dc ? da < dc : a < c;
    });
  }

  bool Vide() const { return restants_ == 0; }
  uint32_t Premier() const { return premier_; }

  // The nearest remaining candidate and its squared distance; -1 and DEPART
  // when no distance is below DEPART. The search may stop, returning -1 and
  // DEPART, once it knows that no candidate lies within the given radius.
  int64_t Plus_proche(Extremite p, uint32_t& d2, uint64_t rayon) {
    if (!grille_) return Cherche_liste(p, d2);
    if (p.x == 0 && p.y == 0) {
      while (pris_[depuis_origine_[curseur_]]) ++curseur_;
      const uint32_t i = depuis_origine_[curseur_];
      d2 = Distance2(p, centres_[i]);
      return i;
    }
    return Cherche_grille(p, d2, rayon);
  }

  void Retire(uint32_t i) {
    if (grille_) {
      grille_->Retire(i, centres_[i].x, centres_[i].y);
      pris_[i] = 1;
    }
    const uint32_t s = suivant_[i], p = precedent_[i];
    if (p == FIN)
      premier_ = s == centres_.size() ? FIN : s;
    else
      suivant_[p] = s;
    if (s < centres_.size()) precedent_[s] = p;
    --restants_;
  }

 private:
  static constexpr uint32_t FIN = 0xFFFFFFFFu;

  int64_t Cherche_liste(Extremite p, uint32_t& d2) const {
    int64_t choix = -1;
    uint32_t meilleure = DEPART;
    for (uint32_t i = premier_; i != FIN && i < centres_.size(); i = suivant_[i]) {
      const uint32_t d = Distance2(p, centres_[i]);
      if (d < meilleure) meilleure = d, choix = i;
    }
    d2 = meilleure;
    return choix;
  }

  // Rings of cells around the point's cell. A centre in ring k lies at least
  // (k - 1) x pas + 1 away, so once rings 0..r are seen, a best squared
  // distance below (r x pas + 1)^2 cannot be equalled further out, and
  // nothing further out lies within a radius below r x pas + 1.
  int64_t Cherche_grille(Extremite p, uint32_t& d2, uint64_t rayon) const {
    const GrilleCellules& g = *grille_;
    const int64_t c = g.Colonne(p.x), l = g.Ligne(p.y);
    const auto hors = [](int64_t v, int64_t n) { return v < 0 ? -v : (v >= n ? v - (n - 1) : 0); };
    const int64_t r0 = std::max(hors(c, g.Nx()), hors(l, g.Ny()));
    const int64_t rmax = std::max({std::abs(c), std::abs(c - (g.Nx() - 1)), std::abs(l), std::abs(l - (g.Ny() - 1))});
    int64_t choix = -1;
    uint32_t meilleure = DEPART;
    int64_t travail = 0;
    for (int64_t r = r0; r <= rmax; ++r) {
      travail += g.Pour_anneau(c, l, r, [&](uint32_t i) {
        const uint32_t d = Distance2(p, centres_[i]);
        if (d < meilleure || (d == meilleure && i < choix)) meilleure = d, choix = i;
      });
      const int64_t borne = r * g.Pas() + 1;
      if (choix >= 0 && static_cast<int64_t>(meilleure) < borne * borne) break;
      if (static_cast<uint64_t>(borne) > rayon) break;
      if (travail > static_cast<int64_t>(restants_) + 16) return Cherche_liste(p, d2);
    }
    d2 = meilleure;
    return choix;
  }

  const std::vector<Extremite>& centres_;
  std::vector<uint32_t> suivant_, precedent_;  // the remaining candidates in number order
  uint32_t premier_ = FIN;
  size_t restants_;
  std::optional<GrilleCellules> grille_;
  std::vector<uint8_t> pris_;
  std::vector<uint32_t> depuis_origine_;  // by distance from (0,0), then number
  size_t curseur_ = 0;                    // the first of them not yet taken
};

}  // namespace

Extremite Centre_trait(const Quadrilatere& q) {
  const int64_t sx = static_cast<int64_t>(q.x1) + q.x2 + q.x3 + q.x4;
  const int64_t sy = static_cast<int64_t>(q.y1) + q.y2 + q.y3 + q.y4;
  return {static_cast<int32_t>(sx / 4), static_cast<int32_t>(sy / 4)};
}

int32_t Regroupe_quads(Console& con, const Document& doc, ListeCandidats& liste, int32_t distance) {
  if (doc.NbQuads == 0) return 0;
  const uint32_t limite = static_cast<uint32_t>(distance);
  std::vector<ListeCandidats::iterator> noeuds;
  std::vector<Extremite> centres;
  std::optional<Voisinage> voisins;
  try {
    noeuds.reserve(liste.size());
    centres.reserve(liste.size());
    for (auto it = liste.begin(); it != liste.end(); ++it) {
      noeuds.push_back(it);
      centres.push_back(Centre_trait(*it->Quad));
    }
    voisins.emplace(centres);
  } catch (const std::bad_alloc&) {
    con.Erreur_Box(" - Erreur mem. - ");
    return -1;
  }

  // The chain under way is measured from its last stroke; after a separator
  // (a new chain) from (0,0), and the nearest candidate is then always taken.
  ListeCandidats sortie;
  Extremite courant{0, 0};
  bool separateur = true;
  while (!voisins->Vide()) {
    // Within a group only a candidate at most limite away can be taken.
    uint32_t d2 = DEPART;
    int64_t i = voisins->Plus_proche(courant, d2, separateur ? UINT64_MAX : limite);
    if (separateur || Racine_haute(d2) <= limite) {
      // No centre measurable below DEPART (about 46341 pixels away): the
      // first remaining candidate is taken, so the chaining always ends.
      if (i < 0) i = voisins->Premier();
      const auto k = static_cast<size_t>(i);
      sortie.splice(sortie.end(), liste, noeuds[k]);
      voisins->Retire(static_cast<uint32_t>(k));
      courant = centres[k];
      separateur = Est_separateur(*sortie.back().Quad);
    } else {
      sortie.back().Type = 2;
      courant = {0, 0};
      separateur = true;
    }
  }
  if (!sortie.empty()) sortie.back().Type = 2;
  sortie.remove_if([](const CandidatCar& c) { return Est_separateur(*c.Quad); });
  liste.splice(liste.begin(), sortie);
  return 1;
}
