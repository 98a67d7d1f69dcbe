// Text zones from the candidates. Reads Caracteres, CompConnexes, ZonesTexte,
// Quadrilateres, Vecteurs and SeuilTailleCar; moves each zone to ZonesTexte
// and its strokes to QuadsTexte (which starts with a dummy stroke), deletes
// its vectors and its candidates, sets Type 11 on a candidate whose component
// holds too few strokes. Returns the number of zones; logs nothing.
#include "text/selection_cc.h"

#include <algorithm>
#include <new>
#include <optional>
#include <unordered_map>
#include <vector>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/document.h"
#include "text/grille_cellules.h"

namespace {

// The two end midpoints of a stroke.
struct Bouts {
  Extremite A, B;
};

Bouts Bouts_de(const Quadrilatere& q) { return {Extremite1(q), Extremite2(q)}; }

Boite64 Boite_de(const CompConnexe& k) { return {k.xmin, k.ymin, k.xmax, k.ymax}; }

// A stroke lies in a box when both its end midpoints do (bounds included).
bool Dans(const Boite64& b, const Bouts& t) { return b.Contient(t.A.x, t.A.y) && b.Contient(t.B.x, t.B.y); }

// K encloses J when J lies strictly inside K on all four sides.
bool Englobe(const Boite64& k, const Boite64& j) {
  return k.xmin < j.xmin && k.ymin < j.ymin && j.xmax < k.xmax && j.ymax < k.ymax;
}

// A grid over points, sized for them; empty when there are none.
std::optional<GrilleCellules> Grille_points(const std::vector<Extremite>& points) {
  if (points.empty()) return std::nullopt;
  Boite64 b{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Extremite& p : points) b = Boite_englobante(b, {p.x, p.y, p.x, p.y});
  std::optional<GrilleCellules> g(std::in_place, b, points.size());
  for (uint32_t i = 0; i < points.size(); ++i) g->Ajoute(i, points[i].x, points[i].y);
  return g;
}

// The records of every list, numbered in list order (the lists only lose
// records here, so numbers keep the order), with the grids that find them.
class Selection {
 public:
  Selection(Document& doc, int32_t seuil) : doc_(doc), seuil_(seuil) {
    for (auto it = doc.CompConnexes.begin(); it != doc.CompConnexes.end(); ++it) {
      cc_.push_back(it);
      cc_boite_.push_back(Boite_de(*it));
    }
    cc_vivant_.assign(cc_.size(), 1);
    cc_accepte_.assign(cc_.size(), INCONNU);
    cc_compte_.assign(cc_.size(), {-1, 0});
    if (!cc_.empty()) {
      Boite64 e = cc_boite_[0];
      for (const Boite64& b : cc_boite_) e = Boite_englobante(e, b);
      grille_cc_.emplace(e, cc_.size());
      for (uint32_t k = 0; k < cc_.size(); ++k) grille_cc_->Ajoute(k, cc_boite_[k]);
    }

    // Enclosure is tested against the components and the zones; a zone made
    // here only passes from one list to the other, so this set stays fixed.
    // Boxes with a side upside down could be enclosed without their corner
    // lying inside: they are tested every time.
    boites_ = cc_boite_;
    for (const CompConnexe& z : doc.ZonesTexte) boites_.push_back(Boite_de(z));
    std::vector<Extremite> coins;
    std::vector<uint32_t> numeros;
    for (uint32_t j = 0; j < boites_.size(); ++j) {
      const Boite64& b = boites_[j];
      if (b.xmin > b.xmax || b.ymin > b.ymax) {
        renversees_.push_back(j);
      } else {
        coins.push_back({static_cast<int32_t>(b.xmin), static_cast<int32_t>(b.ymin)});
        numeros.push_back(j);
      }
    }
    grille_coins_ = Grille_points(coins);
    numeros_coins_ = std::move(numeros);

    std::vector<Extremite> points;
    for (auto it = doc.Quadrilateres.begin(); it != doc.Quadrilateres.end(); ++it) {
      quad_num_.emplace(&*it, static_cast<uint32_t>(quads_.size()));
      quads_.push_back(it);
      quad_bouts_.push_back(Bouts_de(*it));
      points.push_back(quad_bouts_.back().A);
    }
    quad_liste_.assign(quads_.size(), 1);
    grille_quads_ = Grille_points(points);

    points.clear();
    for (auto it = doc.Caracteres.begin(); it != doc.Caracteres.end(); ++it) {
      cands_.push_back(it);
      cand_bouts_.push_back(Bouts_de(*it->Quad));
      points.push_back(cand_bouts_.back().A);
    }
    cand_vivant_.assign(cands_.size(), 1);
    grille_cands_ = Grille_points(points);

    points.clear();
    for (auto it = doc.Vecteurs.begin(); it != doc.Vecteurs.end(); ++it) {
      vecteurs_.push_back(it);
      points.push_back({it->x1, it->y1});
    }
    vecteur_vivant_.assign(vecteurs_.size(), 1);
    grille_vecteurs_ = Grille_points(points);
  }

  int32_t Execute() {
    const int64_t largeur_depart = std::max<int64_t>(8 * static_cast<int64_t>(doc_.NbOctetsLigne()), doc_.NbLignes());
    for (uint32_t c = 0; c < cands_.size(); ++c) {
      if (!cand_vivant_[c]) continue;
      const int64_t k = Plus_etroite(cand_bouts_[c], largeur_depart);
      if (k < 0 || !Acceptable(static_cast<uint32_t>(k))) continue;
      const Boite64& b = cc_boite_[k];
      const int64_t n = Compte_traits(static_cast<uint32_t>(k));
      if (n < 3 || 30 * n <= b.xmax - b.xmin) {
        cands_[c]->Type = 11;
        continue;
      }
      Fait_zone(static_cast<uint32_t>(k), c);
    }
    return nb_zones_;
  }
  int32_t Zones() const { return nb_zones_; }

 private:
  enum : uint8_t { INCONNU, REFUSE, ACCEPTE };

  // The narrowest living component holding both ends: width below the start
  // value, the first in list order among equal widths; -1 when none.
  int64_t Plus_etroite(const Bouts& t, int64_t largeur_depart) const {
    if (!grille_cc_) return -1;
    int64_t choix = -1, meilleure = largeur_depart;
    grille_cc_->Pour_point(t.A.x, t.A.y, [&](uint32_t k) {
      if (!cc_vivant_[k] || !Dans(cc_boite_[k], t)) return;
      const int64_t l = cc_boite_[k].xmax - cc_boite_[k].xmin;
      if (l < meilleure || (l == meilleure && choix >= 0 && k < choix)) meilleure = l, choix = k;
    });
    return choix;
  }

  // Small enough and enclosing nothing; both facts are fixed for the run.
  bool Acceptable(uint32_t k) {
    if (cc_accepte_[k] == INCONNU) {
      const Boite64& b = cc_boite_[k];
      bool ok = b.xmax - b.xmin < 2 * static_cast<int64_t>(seuil_) && b.ymax - b.ymin < seuil_;
      for (const uint32_t j : renversees_)
        if (ok && Englobe(b, boites_[j])) ok = false;
      // An enclosed box has its top-left corner strictly inside K's box.
      if (ok && grille_coins_ && b.xmax - b.xmin >= 2 && b.ymax - b.ymin >= 2) {
        grille_coins_->Pour_boite({b.xmin + 1, b.ymin + 1, b.xmax - 1, b.ymax - 1}, [&](uint32_t i) {
          if (Englobe(b, boites_[numeros_coins_[i]])) ok = false;
        });
      }
      cc_accepte_[k] = ok ? ACCEPTE : REFUSE;
    }
    return cc_accepte_[k] == ACCEPTE;
  }

  // Strokes of the quadrilateral list lying in K's box; recounted only after
  // a zone has taken strokes away.
  int64_t Compte_traits(uint32_t k) {
    auto& compte = cc_compte_[k];
    if (compte.first != nb_zones_) {
      int64_t n = 0;
      Pour_traits(cc_boite_[k], [&](uint32_t) { ++n; });
      compte = {nb_zones_, n};
    }
    return compte.second;
  }

  // Every stroke still in the quadrilateral list lying in the box.
  template <class F>
  void Pour_traits(const Boite64& b, F&& f) const {
    if (!grille_quads_) return;
    grille_quads_->Pour_boite(b, [&](uint32_t q) {
      if (quad_liste_[q] && Dans(b, quad_bouts_[q])) f(q);
    });
  }

  // A candidate's stroke, when that very record is still in the quadrilateral
  // list, goes to the tail of the set-aside list.
  void Met_de_cote(const Quadrilatere* q) {
    const auto it = quad_num_.find(q);
    if (it != quad_num_.end()) Met_de_cote(it->second);
  }
  void Met_de_cote(uint32_t q) {
    if (!quad_liste_[q]) return;
    doc_.QuadsTexte.splice(doc_.QuadsTexte.end(), doc_.Quadrilateres, quads_[q]);
    quad_liste_[q] = 0;
    --doc_.NbQuads;
  }

  void Fait_zone(uint32_t k, uint32_t c) {
    const Boite64 b = cc_boite_[k];
    // Everything the zone takes is listed first, so that nothing is left
    // half done should memory fail.
    std::vector<uint32_t> vecteurs, autres, traits;
    if (grille_vecteurs_)
      grille_vecteurs_->Pour_boite(b, [&](uint32_t v) {
        if (vecteur_vivant_[v] && b.Contient(vecteurs_[v]->x1, vecteurs_[v]->y1) &&
            b.Contient(vecteurs_[v]->x2, vecteurs_[v]->y2))
          vecteurs.push_back(v);
      });
    grille_cands_->Pour_boite(b, [&](uint32_t o) {
      if (o != c && cand_vivant_[o] && Dans(b, cand_bouts_[o])) autres.push_back(o);
    });
    Pour_traits(b, [&](uint32_t q) { traits.push_back(q); });
    std::sort(autres.begin(), autres.end());
    std::sort(traits.begin(), traits.end());

    ++nb_zones_;
    doc_.ZonesTexte.splice(doc_.ZonesTexte.end(), doc_.CompConnexes, cc_[k]);
    cc_vivant_[k] = 0;
    for (const uint32_t v : vecteurs) {
      doc_.Vecteurs.erase(vecteurs_[v]);
      vecteur_vivant_[v] = 0;
    }
    for (const uint32_t o : autres) Retire_candidat(o);
    Retire_candidat(c);
    for (const uint32_t q : traits) Met_de_cote(q);
  }

  void Retire_candidat(uint32_t o) {
    Met_de_cote(cands_[o]->Quad);
    doc_.Caracteres.erase(cands_[o]);
    cand_vivant_[o] = 0;
  }

  Document& doc_;
  const int32_t seuil_;  // SeuilTailleCar: height limit, half the width limit
  int32_t nb_zones_ = 0;

  std::vector<ListeCC::iterator> cc_;
  std::vector<Boite64> cc_boite_;
  std::vector<uint8_t> cc_vivant_;   // still in CompConnexes
  std::vector<uint8_t> cc_accepte_;  // size and enclosure, once known
  std::vector<std::pair<int32_t, int64_t>> cc_compte_;  // zones made when counted, strokes counted
  std::optional<GrilleCellules> grille_cc_;

  std::vector<Boite64> boites_;  // components, then zones
  std::vector<uint32_t> renversees_;
  std::vector<uint32_t> numeros_coins_;  // the box of each point of grille_coins_
  std::optional<GrilleCellules> grille_coins_;   // by top-left corner

  std::vector<ListeQuads::iterator> quads_;
  std::vector<Bouts> quad_bouts_;
  std::vector<uint8_t> quad_liste_;  // still in Quadrilateres
  std::unordered_map<const Quadrilatere*, uint32_t> quad_num_;
  std::optional<GrilleCellules> grille_quads_;  // by end 1

  std::vector<ListeCandidats::iterator> cands_;
  std::vector<Bouts> cand_bouts_;
  std::vector<uint8_t> cand_vivant_;
  std::optional<GrilleCellules> grille_cands_;  // by end 1 of the stroke

  std::vector<ListeVecteurs::iterator> vecteurs_;
  std::vector<uint8_t> vecteur_vivant_;
  std::optional<GrilleCellules> grille_vecteurs_;  // by first endpoint
};

// The set-aside list starts with a dummy stroke that nothing counts.
Quadrilatere Premier_mis_de_cote() {
  Quadrilatere q;
  q.x1 = 1, q.y1 = 1, q.x2 = 2, q.y2 = 2;
  q.x3 = 2, q.y3 = 2, q.x4 = 1, q.y4 = 1;
  return q;
}

}  // namespace

int32_t Selection_CC(Contexte& ctx, Document& doc) {
  std::optional<Selection> s;
  try {
    if (doc.QuadsTexte.empty()) doc.QuadsTexte.push_back(Premier_mis_de_cote());
    const auto seuil = static_cast<int32_t>(Parametre(ctx, "SeuilTailleCar"));
    s.emplace(doc, seuil);
    return s->Execute();
  } catch (const std::bad_alloc&) {
    // The zones made so far stay made.
    ctx.Con.Erreur_Box(" - Erreur mem. - ");
    return s ? s->Zones() : 0;
  }
}
