// The neighbour search of the walks. Reads Quadrilateres (corners 1 and 2,
// Marque), the "P" arcs of ListeArcs and the thresholds "Seuil_dist_Pol" and
// "Seuil_dist_Ch"; in step mode clears Plan 2, draws the neighbours with their
// side letter and the stroke, shows Plan 2 and pauses.
#include "structure/voisins.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "display/trace_texte.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "image/segment.h"
#include "structure/mesures.h"
#include "structure/pas_a_pas.h"

double Seuil_parametre::Lit(const Contexte& ctx) {
  if (valide) return valeur;
  valeur = Parametre(ctx, nom);
  // A found value holds only digits and points, never the failure value.
  valide = valeur != -255.0;
  return valeur;
}

namespace {

// A threshold truncated toward zero, absurd values kept in range.
int64_t Entier_seuil(double v) {
  if (!(v > -1e9)) return -1000000000;
  if (v > 1e9) return 1000000000;
  return static_cast<int64_t>(std::trunc(v));
}

Extremite Coin1(const Quadrilatere& q) { return {q.x1, q.y1}; }
Extremite Coin2(const Quadrilatere& q) { return {q.x2, q.y2}; }

// Side of the point c seen from tail to head: true on the P side (cross product above 0).
bool Cote_P(Extremite queue, Extremite tete, Extremite c) {
  const int64_t hx = int64_t{tete.x} - queue.x, hy = int64_t{tete.y} - queue.y;
  const int64_t cx = int64_t{c.x} - queue.x, cy = int64_t{c.y} - queue.y;
  return hx * cy - hy * cx > 0;
}

bool Garde_chaine(const Quadrilatere* q) { return q->Marque == 0 || q->Marque / 100 == 3; }

}  // namespace

size_t Voisinage::Hache_paire::operator()(const std::pair<const Quadrilatere*, const Quadrilatere*>& p) const {
  const size_t h = std::hash<const void*>()(p.first);
  return h ^ (std::hash<const void*>()(p.second) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
}

Voisinage::Voisinage(Contexte& c, Document& d) : ctx(c), doc(d) {}

int64_t Voisinage::Cellule(int64_t c) const { return c >= 0 ? c / cote : -((-c + cote - 1) / cote); }

uint64_t Voisinage::Cle(int64_t cx, int64_t cy) const {
  return (static_cast<uint64_t>(cx) << 32) ^ (static_cast<uint64_t>(cy) & 0xFFFFFFFFULL);
}

void Voisinage::Construit(int64_t cote_min) {
  cote = std::max<int64_t>(32, cote_min);
  traits.clear();
  cellules.clear();
  paires_P.clear();
  for (Quadrilatere& q : doc.Quadrilateres) {
    const auto i = static_cast<int32_t>(traits.size());
    traits.push_back(&q);
    const uint64_t k1 = Cle(Cellule(q.x1), Cellule(q.y1)), k2 = Cle(Cellule(q.x2), Cellule(q.y2));
    cellules[k1].push_back(i);
    if (k2 != k1) cellules[k2].push_back(i);
  }
  for (const Arc& a : doc.ListeArcs)
    if (Majuscule(a.Type) == 'P' && a.Quad1 != nullptr && a.Quad2 != nullptr) {
      paires_P.insert({a.Quad1, a.Quad2});
      paires_P.insert({a.Quad2, a.Quad1});
    }
  nb_traits = doc.Quadrilateres.size();
  nb_arcs = doc.ListeArcs.size();
  construit = true;
}

int32_t Voisinage::Arc_P_entre(const Quadrilatere* a, const Quadrilatere* b) {
  if (!construit || nb_traits != doc.Quadrilateres.size() || nb_arcs != doc.ListeArcs.size()) Construit(cote);
  return paires_P.count({a, b}) != 0 ? 1 : 0;
}

int32_t Voisinage::Cherche(Quadrilatere* s, int32_t flag, int32_t mode, Voisins& v) {
  v = Voisins{};
  const int64_t t = Entier_seuil((mode == 1 ? seuil_pol : seuil_ch).Lit(ctx));
  const int64_t rayon = t < 0 ? -t : t;
  if (!construit || nb_traits != doc.Quadrilateres.size() || nb_arcs != doc.ListeArcs.size() || rayon > cote)
    Construit(rayon);

  const Extremite tete = flag == 0 ? Coin2(*s) : Coin1(*s);
  const Extremite queue = flag == 0 ? Coin1(*s) : Coin2(*s);
  int64_t meilleur_P = t * t, meilleur_N = t * t;

  // Every corner nearer than the threshold lies in the head's cell or a neighbouring one.
  candidats.clear();
  const int64_t cx = Cellule(tete.x), cy = Cellule(tete.y);
  for (int64_t dx = -1; dx <= 1; ++dx)
    for (int64_t dy = -1; dy <= 1; ++dy) {
      const auto c = cellules.find(Cle(cx + dx, cy + dy));
      if (c != cellules.end()) candidats.insert(candidats.end(), c->second.begin(), c->second.end());
    }
  std::sort(candidats.begin(), candidats.end());
  candidats.erase(std::unique(candidats.begin(), candidats.end()), candidats.end());

  for (const int32_t i : candidats) {
    Quadrilatere* c = traits[i];
    if (c == s || paires_P.count({s, c}) != 0) continue;
    for (const int coin : {2, 1}) {
      const Extremite p = coin == 2 ? Coin2(*c) : Coin1(*c);
      const Extremite q = coin == 2 ? Coin1(*c) : Coin2(*c);
      const int64_t d = Distance2(tete, p), dt = Distance2(queue, p);
      int64_t& meilleur = Cote_P(queue, tete, q) ? meilleur_P : meilleur_N;
      if (d < meilleur && d < dt) {
        meilleur = d;
        if (&meilleur == &meilleur_P)
          v.P = c, v.FlagP = coin == 2 ? 1 : 0;
        else
          v.N = c, v.FlagN = coin == 2 ? 1 : 0;
      }
    }
  }
  if (mode == 2) {
    if (v.P != nullptr && !Garde_chaine(v.P)) v.P = nullptr, v.FlagP = 0;
    if (v.N != nullptr && !Garde_chaine(v.N)) v.N = nullptr, v.FlagN = 0;
  }

  if (ctx.Con.ModeDebug == 1) {
    Raz_Plan2(doc);
    for (const auto& [q, lettre] : {std::pair{v.P, "P"}, std::pair{v.N, "N"}}) {
      if (q == nullptr) continue;
      const Extremite e1 = Extremite1(*q), e2 = Extremite2(*q);
      Trace_segment(doc.Plan2, e1.x, e1.y, e2.x, e2.y, 1);
      Trace_texte(ctx, doc, e1.x, e1.y, lettre, 1);
    }
    Trace_axe_double(doc, *s);
    Montre_pres_de(ctx, Extremite1(*s));
    ctx.Con.Pause();
    seuil_pol.Oublie();
    seuil_ch.Oublie();
  }
  return 1;
}

bool Memoire_parcours::Etat::operator==(const Etat& e) const {
  return s == e.s && flag == e.flag && n == e.n && entrees == e.entrees;
}

size_t Memoire_parcours::Hache::operator()(const Etat& e) const {
  size_t h = std::hash<const void*>()(e.s) ^ (static_cast<size_t>(e.n) << 1) ^ static_cast<size_t>(e.flag);
  for (const Quadrilatere* q : e.entrees) h = h * 1000003u ^ std::hash<const void*>()(q);
  return h;
}

bool Memoire_parcours::Deja_vu(const Quadrilatere* s, int32_t flag, uint32_t n, const Liste_parcours& liste) {
  if (++pas > PAS_MAX_PARCOURS) return true;
  Etat e{s, flag, n, {}};
  const uint32_t lus = std::min<uint32_t>(n, NB_ENTREES_PARCOURS);
  for (uint32_t i = 0; i < lus; ++i) e.entrees[i] = liste[i];
  int32_t& compte = ouverts[e];
  if (compte > 0) return true;
  ++compte;
  pile.push_back(e);
  return false;
}

void Memoire_parcours::Ferme() {
  if (pile.empty()) return;
  const auto it = ouverts.find(pile.back());
  if (it != ouverts.end() && --it->second <= 0) ouverts.erase(it);
  pile.pop_back();
}

void Memoire_parcours::Raz() {
  // A table grown by one long walk is not cleared bucket by bucket at every walk.
  if (ouverts.bucket_count() > 1024)
    std::unordered_map<Etat, int32_t, Hache>().swap(ouverts);
  else
    ouverts.clear();
  pile.clear();
  pas = 0;
}
