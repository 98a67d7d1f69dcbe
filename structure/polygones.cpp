// Polygon localisation. Reads ListeArcs, Quadrilateres (Ep1, Ep2, Longueur,
// Marque) and Plan 1 for the inked joints; sets Niveau during a search,
// labels the sides of accepted rings (Marque, Marque2, NumGroupe + 1), may
// merge sides and, through the inside analysis, release components, vectors,
// strokes and arcs; appends polygon symbols. Clears and draws on Plan 2.
#include "structure/polygones.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "console/console.h"
#include "console/contexte.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "structure/analyse_graphe.h"
#include "structure/interieur.h"
#include "structure/liaisons.h"
#include "structure/mesures.h"
#include "structure/pas_a_pas.h"

int Jonction(const Bouts& a, const Bouts& b) {
  const int64_t d[4] = {Distance2(b.e1, a.e1), Distance2(b.e1, a.e2), Distance2(b.e2, a.e1), Distance2(b.e2, a.e2)};
  int k = 0;
  for (int i = 1; i < 4; ++i)
    if (d[i] < d[k]) k = i;
  return k;
}

Sommet Milieu(Extremite a, Extremite b) {
  return {static_cast<int32_t>((int64_t{a.x} + b.x) / 2), static_cast<int32_t>((int64_t{a.y} + b.y) / 2)};
}

std::vector<Sommet> Sommets_polygone(const std::vector<Bouts>& cotes) {
  std::vector<Sommet> s;
  if (cotes.size() < 2) return s;
  const int k = Jonction(cotes[0], cotes[1]);
  const Extremite joint0 = (k & 1) ? cotes[0].e2 : cotes[0].e1;
  const Extremite fermeture = (k & 1) ? cotes[0].e1 : cotes[0].e2;
  Extremite courant = (k & 2) ? cotes[1].e1 : cotes[1].e2;
  s.push_back({joint0.x, joint0.y});
  for (size_t i = 2; i < cotes.size(); ++i) {
    const Bouts& q = cotes[i];
    const bool par2 = Distance2(q.e2, courant) < Distance2(q.e1, courant);
    s.push_back(Milieu(courant, par2 ? q.e2 : q.e1));
    courant = par2 ? q.e1 : q.e2;
  }
  s.push_back(Milieu(courant, fermeture));
  return s;
}

uint8_t Nouveau_groupe(Contexte& ctx) {
  ctx.NumGroupe = static_cast<int32_t>(static_cast<uint32_t>(ctx.NumGroupe) + 1u);
  return Etiquette_groupe(ctx.NumGroupe);
}

void Ajoute_polygone(Contexte& ctx, Document& doc, int32_t n, int32_t code, const std::vector<Sommet>& sommets) {
  Console& con = ctx.Con;
  char ligne[48];
  std::snprintf(ligne, sizeof ligne, " Polygone a %d cotes.", n);
  con.Log_Texte(1, ligne);
  Symbole s;
  s.Type = 100;
  s.Nb = static_cast<uint32_t>(n);
  const bool tient = n >= 0 && n <= Symbole::NB_SOMMETS && sommets.size() == static_cast<size_t>(n);
  if (tient) std::copy(sommets.begin(), sommets.end(), s.Sommets);
  if (code == 2) {
    std::snprintf(s.Commentaire, sizeof s.Commentaire, "@");
  } else if (code > 2) {
    std::snprintf(s.Commentaire, sizeof s.Commentaire, "#%d", code - 10);
  }
  if (tient) doc.ListeSymboles.push_back(s);
  if (code == 2) con.Log_Texte(1, " avec cercle ");
  if (code > 2) con.Log_Texte(1, " avec liaisons ");
}

namespace {

// The arcs of every stroke in list order, and the strokes whose Niveau a
// search set, so that the next search clears only those. Both follow the
// lists while records are only removed from them: a change in the counts
// rebuilds the arcs and clears every Niveau.
class Index_cycles {
 public:
  explicit Index_cycles(Document& d) : doc(d) {}

  const std::vector<Arc*>& Arcs_de(const Quadrilatere* q) {
    A_jour();
    const auto it = arcs_de.find(q);
    return it == arcs_de.end() ? aucun : it->second;
  }

  void Raz_niveaux() {
    if (!niveaux_connus || nb_traits_niveaux != doc.Quadrilateres.size()) {
      for (Quadrilatere& q : doc.Quadrilateres) q.Niveau = 0;
    } else {
      for (Quadrilatere* q : touches) q->Niveau = 0;
    }
    touches.clear();
    niveaux_connus = true;
    nb_traits_niveaux = doc.Quadrilateres.size();
  }

  void Niveau(Quadrilatere* q, int32_t niveau) {
    q->Niveau = static_cast<uint8_t>(niveau);
    touches.push_back(q);
  }

  // The first arc, in list order, between the two strokes (either way).
  Arc* Arc_entre(const Quadrilatere* a, const Quadrilatere* b) {
    for (Arc* x : Arcs_de(a))
      if ((x->Quad1 == a && x->Quad2 == b) || (x->Quad2 == a && x->Quad1 == b)) return x;
    return nullptr;
  }

 private:
  void A_jour() {
    if (construit && nb_arcs == doc.ListeArcs.size() && nb_traits == doc.Quadrilateres.size()) return;
    arcs_de.clear();
    for (Arc& a : doc.ListeArcs) {
      if (a.Quad1 == nullptr || a.Quad2 == nullptr) continue;
      arcs_de[a.Quad1].push_back(&a);
      if (a.Quad2 != a.Quad1) arcs_de[a.Quad2].push_back(&a);
    }
    nb_arcs = doc.ListeArcs.size();
    nb_traits = doc.Quadrilateres.size();
    construit = true;
  }

  Document& doc;
  std::unordered_map<const Quadrilatere*, std::vector<Arc*>> arcs_de;
  const std::vector<Arc*> aucun;
  bool construit = false;
  size_t nb_arcs = 0, nb_traits = 0;
  std::vector<Quadrilatere*> touches;
  bool niveaux_connus = false;
  size_t nb_traits_niveaux = 0;
};

Quadrilatere* Autre(const Arc& a, const Quadrilatere* s) { return a.Quad1 == s ? a.Quad2 : a.Quad1; }

struct Frontiere {
  std::array<Quadrilatere*, NB_ENTREES_CYCLE> traits{};
  int32_t nb = 0;
};

// Expanse_niveau: the strokes joined to s by an arc other than the start arc
// and other than "P" or "X" enter the frontier at the level. 2 when the goal
// was met (from level 4 on), 1 when strokes were added, else 0.
int32_t Expanse_niveau(Index_cycles& g, const Arc* depart, Quadrilatere* s, Frontiere& f, int32_t niveau,
                       Quadrilatere* but) {
  int32_t r = 0;
  for (Arc* a : g.Arcs_de(s)) {
    if (a == depart) continue;
    const char t = Majuscule(a->Type);
    if (t == 'P' || t == 'X') continue;
    Quadrilatere* o = Autre(*a, s);
    if (niveau > 3 && o == but) {
      g.Niveau(but, niveau);
      return 2;
    }
    // Niveau 0 also means "not yet in the frontier": a stroke added gets its level.
    if (f.nb < NB_FRONTIERE_MAX && o != but && o->Niveau == 0) {
      f.traits[f.nb++] = o;
      g.Niveau(o, niveau);
      r = 1;
    }
  }
  return r;
}

constexpr int32_t NIVEAU_MAX = 30;

int32_t Cherche_cycle(Index_cycles& g, const Arc* depart, Liste_cycle& cycle) {
  Quadrilatere* debut = depart->Quad1;
  Quadrilatere* but = depart->Quad2;
  cycle.fill(nullptr);
  if (debut == nullptr || but == nullptr) return 0;
  g.Raz_niveaux();
  g.Niveau(debut, 1);
  Frontiere courante, suivante;
  bool ajout = Expanse_niveau(g, depart, debut, courante, 2, but) == 1;
  bool atteint = false;
  for (int32_t niveau = 3; !atteint && ajout && niveau < NIVEAU_MAX; ++niveau) {
    suivante.nb = 0;
    ajout = false;
    for (int32_t i = 0; i < courante.nb; ++i) {
      const int32_t r = Expanse_niveau(g, depart, courante.traits[i], suivante, niveau, but);
      if (r == 2) {
        atteint = true;
        break;
      }
      if (r == 1) ajout = true;
    }
    std::swap(courante, suivante);
  }
  if (!atteint) return 0;

  // Walk back from the goal, one level down at each step, to the start stroke.
  const int32_t n = but->Niveau;
  int32_t k = n - 1;
  if (k < 1 || k >= NB_ENTREES_CYCLE) return 0;
  cycle[k] = but;
  Quadrilatere* courant = but;
  for (int32_t pas = 0; pas <= NB_ENTREES_CYCLE; ++pas) {
    Quadrilatere* suivant = nullptr;
    for (Arc* a : g.Arcs_de(courant)) {
      if (a == depart) continue;
      Quadrilatere* o = Autre(*a, courant);
      if (o == debut || int32_t{o->Niveau} == int32_t{courant->Niveau} - 1) {
        suivant = o;
        break;
      }
    }
    if (suivant == nullptr) break;
    if (suivant == debut) {
      if (k != 1) break;  // the start reached too early: the cycle would have holes
      cycle[0] = debut;
      return n;
    }
    courant = suivant;
    k = courant->Niveau - 1;
    if (k < 1) break;
    cycle[k] = courant;
  }
  cycle.fill(nullptr);
  return 0;
}

void Pas_a_pas_cotes(Contexte& ctx, Document& doc, const Quadrilatere* a, const Quadrilatere* b) {
  if (a != nullptr) Trace_axe_double(doc, *a);
  if (b != nullptr) Trace_axe_double(doc, *b);
  Montre_pres_de(ctx, Extremite1(b != nullptr ? *b : *a));
  ctx.Con.Pause();
}

int32_t Valide_polygone(Contexte& ctx, Document& doc, Index_cycles& g, Liste_cycle& cycle, int32_t& n,
                        std::vector<Sommet>& sommets) {
  Console& con = ctx.Con;
  if (n < 2 || n >= NB_ENTREES_CYCLE) return 0;
  for (int32_t i = 0; i < n; ++i)
    if (cycle[i] == nullptr) return 0;

  // 1-3: each stroke meets the previous one's free end, closing on the first, over ink.
  const Bouts c0 = Bouts_de(*cycle[0]), c1 = Bouts_de(*cycle[1]);
  const int k = Jonction(c0, c1);
  Extremite courant = (k & 2) ? c1.e1 : c1.e2;
  const Extremite depart = (k & 1) ? c0.e1 : c0.e2;
  if (con.ModeDebug == 1) Pas_a_pas_cotes(ctx, doc, cycle[0], cycle[1]);
  for (int32_t i = 2; i < n; ++i) {
    const Bouts q = Bouts_de(*cycle[i]);
    if (con.ModeDebug == 1) Pas_a_pas_cotes(ctx, doc, nullptr, cycle[i]);
    const int64_t d1 = Distance2(q.e1, courant), d2 = Distance2(q.e2, courant);
    if (std::min(d1, d2) >= 2500) return 0;
    const Extremite proche = d2 < d1 ? q.e2 : q.e1;
    if (!Fond_inferieur(courant, proche, doc.Plan1, 11)) return 0;
    courant = d2 < d1 ? q.e1 : q.e2;
  }
  if (Distance2(courant, depart) >= 2500 || !Fond_inferieur(courant, depart, doc.Plan1, 11)) return 0;

  // 4: a side that continues the previous one ("~" or "_") is merged into it.
  for (int32_t i = 0; i + 1 < n;) {
    Quadrilatere* q = cycle[i];
    Quadrilatere* q2 = cycle[i + 1];
    const Arc* a = g.Arc_entre(q, q2);
    if (a == nullptr || (a->Type != '~' && a->Type != '_')) {
      ++i;
      continue;
    }
    auto it = doc.ListeArcs.begin();
    while (&*it != a) ++it;
    const bool fusionne = Fusion_alignes(doc, it, q, q2) == 1;
    std::copy(cycle.begin() + i + 2, cycle.end(), cycle.begin() + i + 1);
    cycle[NB_ENTREES_CYCLE - 1] = nullptr;
    --n;
    // A stroke met twice in the cycle and now released cannot be read again.
    if (fusionne && std::find(cycle.begin(), cycle.begin() + n, q2) != cycle.begin() + n) return 0;
  }
  if (n < 3) return 0;

  // 5: accepted.
  const uint8_t etiquette = Nouveau_groupe(ctx);
  for (int32_t i = 0; i < n; ++i) {
    cycle[i]->Marque2 = etiquette;
    cycle[i]->Marque = n + 100;
    if (con.ModeDebug == 1) Trace_axe_double(doc, *cycle[i]);
  }

  // 6-7: the vertices as the sides stand, then the inside of their box.
  std::vector<Bouts> cotes;
  int32_t xmin = 30000, ymin = 30000, xmax = 0, ymax = 0;
  for (int32_t i = 0; i < n; ++i) {
    cotes.push_back(Bouts_de(*cycle[i]));
    for (const Extremite e : {cotes.back().e1, cotes.back().e2}) {
      xmin = std::min(xmin, e.x), ymin = std::min(ymin, e.y);
      xmax = std::max(xmax, e.x), ymax = std::max(ymax, e.y);
    }
  }
  sommets = Sommets_polygone(cotes);
  const int32_t r = Analyse_interieur(ctx, doc, xmin + 5, ymin + 5, xmax - 5, ymax - 5);
  if (con.ModeDebug == 1) {
    Montre_pres_de(ctx, cotes.back().e1);
    con.Pause();
    Raz_Plan2(doc);
  }
  return r < 10 ? r + 1 : r;
}

}  // namespace

int32_t Cherche_cycle(Document& doc, const Arc& depart, Liste_cycle& cycle) {
  Index_cycles g(doc);
  return Cherche_cycle(g, &depart, cycle);
}

int32_t Valide_polygone(Contexte& ctx, Document& doc, Liste_cycle& cycle, int32_t& n, std::vector<Sommet>& sommets) {
  Index_cycles g(doc);
  return Valide_polygone(ctx, doc, g, cycle, n, sommets);
}

int32_t Valide_polygone(Contexte& ctx, Document& doc, Liste_cycle& cycle, int32_t& n) {
  std::vector<Sommet> sommets;
  return Valide_polygone(ctx, doc, cycle, n, sommets);
}

void Localise_polygones(Contexte& ctx, Document& doc) {
  Raz_Plan2(doc);
  ctx.Con.Log_Texte(1, " Localisation Polygones ...");
  Index_cycles g(doc);
  Arcs& arcs = doc.ListeArcs;
  // Ranks in the list as it stands now: no arc is added here, so they stay
  // increasing along the list whatever is released.
  std::unordered_map<const Arc*, size_t> rang;
  size_t r = 0;
  for (const Arc& a : arcs) rang[&a] = r++;

  auto libre = [](const Quadrilatere* q) {
    return q != nullptr && q->Ep1 != 0 && q->Ep2 != 0 && q->Longueur > 20 && q->Marque == 0;
  };
  Liste_cycle cycle{};
  for (auto it = arcs.begin(); it != arcs.end();) {
    const Arc& a = *it;
    if (Majuscule(a.Type) != 'L' || !libre(a.Quad1) || !libre(a.Quad2)) {
      ++it;
      continue;
    }
    const size_t nb_arcs = arcs.size();
    const size_t mon_rang = rang[&a];
    int32_t n = Cherche_cycle(g, &a, cycle);
    if (n > 1) {
      std::vector<Sommet> sommets;
      const int32_t code = Valide_polygone(ctx, doc, g, cycle, n, sommets);
      if (code != 0) Ajoute_polygone(ctx, doc, n, code, sommets);
    }
    if (arcs.size() == nb_arcs) {
      ++it;
      continue;
    }
    // Arcs were released: go on after this arc if it is still listed, else
    // with its first former successor still listed.
    it = arcs.begin();
    while (it != arcs.end() && rang[&*it] < mon_rang) ++it;
    if (it != arcs.end() && rang[&*it] == mon_rang) ++it;
  }
}
