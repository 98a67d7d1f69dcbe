// Graph analysis. Reads and rewrites ListeArcs and Quadrilateres (NbQuads
// follows the strokes released); Ep1 and Ep2 must hold the connection counts.
// Clears Plan 2. Returns 1.
#include "structure/analyse_graphe.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "console/console.h"
#include "console/contexte.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "structure/mesures.h"

namespace {

// Index (0..3) of the smallest of four squared distances, the first on ties.
int Plus_proche(const int64_t (&d)[4]) {
  int k = 0;
  for (int i = 1; i < 4; ++i)
    if (d[i] < d[k]) k = i;
  return k;
}

// Whether the stroke o has its nearest end to the near end n rather than to
// the far end r of a merged stroke.
bool Touche_jonction(const Quadrilatere& o, Extremite r, Extremite n) {
  const Extremite g1 = Extremite1(o), g2 = Extremite2(o);
  const int k = Plus_proche({Distance2(g1, r), Distance2(g1, n), Distance2(g2, r), Distance2(g2, n)});
  return k == 1 || k == 3;
}

// Releases the first "T" arc from o to s (the merged arc excepted); false when there is none.
bool Retire_T(Arcs& arcs, Arcs::iterator fusionne, const Quadrilatere* o, const Quadrilatere* s) {
  for (auto it = arcs.begin(); it != arcs.end(); ++it)
    if (it != fusionne && Majuscule(it->Type) == 'T' && it->Quad1 == o && it->Quad2 == s) {
      arcs.erase(it);
      return true;
    }
  return false;
}

}  // namespace

int32_t Fusion_alignes(Document& doc, Arcs::iterator& arc, Quadrilatere* S1, Quadrilatere* S2) {
  // The joint: the nearest pair of ends.
  const Extremite E1 = Extremite1(*S1), E2 = Extremite2(*S1), F1 = Extremite1(*S2), F2 = Extremite2(*S2);
  const int k = Plus_proche({Distance2(F1, E1), Distance2(F1, E2), Distance2(F2, E1), Distance2(F2, E2)});
  const Extremite N1 = (k & 1) ? E2 : E1, R1 = (k & 1) ? E1 : E2;
  const Extremite N2 = (k & 2) ? F2 : F1, R2 = (k & 2) ? F1 : F2;
  const auto len = static_cast<int32_t>(std::min<int64_t>(Racine_plafond(Distance2(R1, R2)), INT32_MAX));
  if (std::max(S1->Longueur, S2->Longueur) > len) {
    arc->Type = 'P';
    return 0;
  }
  const int32_t m1 = Angle_moyen_replie(*S1), m2 = Angle_moyen_replie(*S2);
  if (std::abs(m2 - m1) > 15 && std::abs(m2 - m1) < 165) {
    arc->Type = 'L';
    return 0;
  }
  const int32_t o = Orientation(R1.x, R1.y, R2.x, R2.y);
  const int32_t m = Angle_moyen_replie(S1->Longueur > S2->Longueur ? *S1 : *S2);
  if (std::abs(m - o) > 30 && std::abs(m - o) < 150) return 0;
  if (S1 == S2) return 0;  // an arc from a stroke to itself merges nothing

  S1->x1 = S1->x4 = R1.x, S1->y1 = S1->y4 = R1.y;
  S1->x2 = S1->x3 = R2.x, S1->y2 = S1->y3 = R2.y;
  S1->Longueur = len;
  S1->Angle1 = S1->Angle2 = o;

  // Re-attachment of the other arcs; an arc released on the way is not visited.
  Arcs& arcs = doc.ListeArcs;
  for (auto it = arcs.begin(); it != arcs.end(); ++it) {
    if (it == arc) continue;
    Arc& r = *it;
    if (r.Quad1 == S1 && Majuscule(r.Type) == 'L' && Touche_jonction(*r.Quad2, R1, N1)) r.Type = 'T';
    if (r.Quad2 == S1) {
      const bool joint = Touche_jonction(*r.Quad1, R1, N1);
      if (Majuscule(r.Type) == 'L' && joint) r.Type = 'T';
      if (Majuscule(r.Type) == 'T' && joint && Retire_T(arcs, arc, r.Quad1, S2)) r.Type = 'X';
    }
    if (r.Quad1 == S2) {
      if (Majuscule(r.Type) == 'L' && Touche_jonction(*r.Quad2, R2, N2)) r.Type = 'T';
      r.Quad1 = S1;
    }
    if (r.Quad2 == S2) {
      const bool joint = Touche_jonction(*r.Quad1, R2, N2);
      if (Majuscule(r.Type) == 'L' && joint)
        r.Type = 'T';
      else if (Majuscule(r.Type) == 'T' && joint && Retire_T(arcs, arc, r.Quad1, S1))
        r.Type = 'X';
      r.Quad2 = S1;
    }
  }

  arc = arcs.erase(arc);
  for (auto it = doc.Quadrilateres.begin(); it != doc.Quadrilateres.end(); ++it)
    if (&*it == S2) {
      doc.Quadrilateres.erase(it);
      --doc.NbQuads;
      break;
    }
  return 1;
}

namespace {

// The two strokes of an arc, whichever way round.
struct Paire {
  const Quadrilatere* a;
  const Quadrilatere* b;
  bool operator==(const Paire&) const = default;
};
struct Hache_paire {
  size_t operator()(const Paire& p) const {
    const size_t h = std::hash<const void*>()(p.a);
    return h ^ (std::hash<const void*>()(p.b) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
  }
};
Paire Paire_de(const Arc& a) {
  return std::less<const Quadrilatere*>()(a.Quad1, a.Quad2) ? Paire{a.Quad1, a.Quad2} : Paire{a.Quad2, a.Quad1};
}

void Fusions(Document& doc) {
  Arcs& arcs = doc.ListeArcs;
  for (auto it = arcs.begin(); it != arcs.end();) {
    if ((it->Type == '~' || it->Type == '_') && it->Quad1 != nullptr && it->Quad2 != nullptr &&
        Fusion_alignes(doc, it, it->Quad1, it->Quad2) == 1)
      continue;
    ++it;
  }
}

// Each arc, in list order, absorbs the later arcs between the same strokes
// (taking their type when it is "P" or "X"); so the first arc of each pair
// keeps the pair.
void Types_et_doublons(Document& doc) {
  Arcs& arcs = doc.ListeArcs;
  std::unordered_map<Paire, Arc*, Hache_paire> premiers;
  for (auto it = arcs.begin(); it != arcs.end();) {
    const auto [p, nouveau] = premiers.try_emplace(Paire_de(*it), &*it);
    if (nouveau) {
      const char t = Majuscule(it->Type);
      if (t != 'P' && t != 'X') it->Type = 'L';
      ++it;
      continue;
    }
    const char t = Majuscule(it->Type);
    if (t == 'P' || t == 'X') p->second->Type = it->Type;
    it = arcs.erase(it);
  }
  for (auto it = arcs.begin(); it != arcs.end();) {
    if (Majuscule(it->Type) == 'P' && it->Quad1 != nullptr && it->Quad2 != nullptr) {
      const Quadrilatere& a = *it->Quad1;
      const Quadrilatere& b = *it->Quad2;
      if (Distance2(Centre(a), Centre(b)) > 2500 || (a.Ep1 + a.Ep2 >= 2 && b.Ep1 + b.Ep2 >= 2)) {
        it = arcs.erase(it);
        continue;
      }
    }
    ++it;
  }
}

void Traits_courts(Document& doc) {
  std::unordered_set<const Quadrilatere*> courts;
  for (const Quadrilatere& q : doc.Quadrilateres)
    if (q.Longueur < 10) courts.insert(&q);
  if (courts.empty()) return;
  doc.ListeArcs.remove_if([&](const Arc& a) { return courts.count(a.Quad1) != 0 || courts.count(a.Quad2) != 0; });
  for (auto it = doc.Quadrilateres.begin(); it != doc.Quadrilateres.end();) {
    if (it->Longueur < 10) {
      it = doc.Quadrilateres.erase(it);
      --doc.NbQuads;
    } else {
      ++it;
    }
  }
}

void Axes(Document& doc) {
  for (Quadrilatere& q : doc.Quadrilateres) {
    const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
    q.x1 = q.x4 = e1.x, q.y1 = q.y4 = e1.y;
    q.x2 = q.x3 = e2.x, q.y2 = q.y3 = e2.y;
  }
}

}  // namespace

int32_t Analyse_graphe(Contexte& ctx, Document& doc) {
  ctx.Con.Log_Efface();
  Raz_Plan2(doc);
  ctx.Con.Log_Texte(1, " Analyse graphe ...");
  Fusions(doc);
  Types_et_doublons(doc);
  Traits_courts(doc);
  Axes(doc);
  ctx.Con.Log_Texte(1, " Ok.");
  ctx.Con.Bip_Message();
  return 1;
}
