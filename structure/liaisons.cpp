// Multiple bonds. Reads ListeArcs, Quadrilateres (with their connection
// counts) and ZonesTexte; labels the strokes, adds 1 to NumGroupe per group
// and appends the bond and cross symbols that fit whole to ListeSymboles.
// Clears Plan 2 and draws on it in step mode.
#include "structure/liaisons.h"

#include <cstdio>
#include <unordered_map>
#include <vector>

#include "console/console.h"
#include "console/contexte.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "image/segment.h"

uint8_t Etiquette_groupe(int32_t NumGroupe) {
  const auto bas = static_cast<uint8_t>(NumGroupe & 0xFF);
  return bas == 0 ? 1 : bas;
}

namespace {

constexpr int32_t MULTIPLE = 300;  // Marque of the strokes of a bond group
constexpr int32_t SIMPLE = 301;    // of a lone single bond
constexpr int32_t CROIX = 502;     // of the two strokes of a cross
constexpr uint32_t NB_TRAITS_MAX = Symbole::NB_SOMMETS / 2;

// For every stroke, the strokes across its "P" arcs, in list order.
using Voisins_P = std::unordered_map<const Quadrilatere*, std::vector<Quadrilatere*>>;

Voisins_P Voisins_paralleles(const Arcs& arcs) {
  Voisins_P v;
  for (const Arc& a : arcs) {
    if (Majuscule(a.Type) != 'P' || a.Quad1 == nullptr || a.Quad2 == nullptr || a.Quad1 == a.Quad2) continue;
    v[a.Quad1].push_back(a.Quad2);
    v[a.Quad2].push_back(a.Quad1);
  }
  return v;
}

void Ajoute_sommets(Symbole& s, uint32_t rang, const Quadrilatere& q) {
  if (rang >= NB_TRAITS_MAX) return;
  const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
  s.Sommets[2 * rang] = {e1.x, e1.y};
  s.Sommets[2 * rang + 1] = {e2.x, e2.y};
}

// Depth first, with its own stack: a hatching of thousands of parallel
// strokes cannot exhaust the program's.
void Collecte(const Voisins_P& voisins, Quadrilatere* s, uint32_t& nb, Symbole& symbole, uint8_t etiquette) {
  static const std::vector<Quadrilatere*> aucun;
  struct Cadre {
    Quadrilatere* trait;
    const std::vector<Quadrilatere*>* suivants;
    size_t pos;
  };
  auto cadre = [&](Quadrilatere* q) {
    const auto it = voisins.find(q);
    return Cadre{q, it == voisins.end() ? &aucun : &it->second, 0};
  };
  std::vector<Cadre> pile{cadre(s)};
  while (!pile.empty()) {
    Cadre& f = pile.back();
    if (f.pos == f.suivants->size()) {
      Quadrilatere* fini = f.trait;
      pile.pop_back();
      if (!pile.empty()) fini->Marque = MULTIPLE;
      continue;
    }
    Quadrilatere* o = (*f.suivants)[f.pos++];
    if (o->Marque2 != 0) continue;
    o->Marque2 = etiquette;
    Ajoute_sommets(symbole, nb, *o);
    ++nb;
    pile.push_back(cadre(o));
  }
}

void Nouveau_groupe(Contexte& ctx) {
  ctx.NumGroupe = static_cast<int32_t>(static_cast<uint32_t>(ctx.NumGroupe) + 1u);
}

// Type, stroke count and comment: "L%d" for a bond, "X2" for a cross.
void Nomme(Symbole& s, int32_t type, uint32_t nb) {
  s.Type = type;
  s.Nb = nb;
  if (type == 500)
    std::snprintf(s.Commentaire, sizeof s.Commentaire, "X2");
  else
    std::snprintf(s.Commentaire, sizeof s.Commentaire, "L%u", nb);
}

bool Pres_d_un_texte(const Quadrilatere& q, const ListeCC& zones) {
  for (const Extremite e : {Extremite2(q), Extremite1(q)})
    for (const CompConnexe& z : zones)
      if (z.xmin < e.x && e.x < z.xmax && z.ymin < e.y && e.y < z.ymax) return true;
  return false;
}

void Trace_axe(Plan& p2, const Quadrilatere& q, int32_t decalage) {
  const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
  Trace_segment(p2, e1.x + decalage, e1.y + decalage, e2.x + decalage, e2.y + decalage, 1);
}

}  // namespace

void Collecte_P(Document& doc, Quadrilatere* s, uint32_t& nb, Symbole& symbole, uint8_t etiquette) {
  Collecte(Voisins_paralleles(doc.ListeArcs), s, nb, symbole, etiquette);
}

int32_t Analyse_liaisons(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  const bool pas = con.ModeDebug == 1;
  con.Log_Efface();
  Raz_Plan2(doc);
  con.Log_Texte(0, " Analyse des Liaisons...");

  const Voisins_P voisins = Voisins_paralleles(doc.ListeArcs);
  for (const Arc& a : doc.ListeArcs) {
    if (a.Quad1 == nullptr || a.Quad2 == nullptr || Majuscule(a.Type) != 'P') continue;
    if (a.Quad1->Marque2 != 0 || a.Quad2->Marque2 != 0) continue;
    Nouveau_groupe(ctx);
    const uint8_t etiquette = Etiquette_groupe(ctx.NumGroupe);
    a.Quad1->Marque2 = a.Quad2->Marque2 = etiquette;
    Symbole s;
    Ajoute_sommets(s, 0, *a.Quad1);
    Ajoute_sommets(s, 1, *a.Quad2);
    uint32_t nb = 2;
    Collecte(voisins, a.Quad1, nb, s, etiquette);
    Collecte(voisins, a.Quad2, nb, s, etiquette);
    a.Quad1->Marque = a.Quad2->Marque = MULTIPLE;
    Nomme(s, 300, nb);
    // A group of more than 10 strokes keeps its labels but gives no symbol.
    if (nb <= NB_TRAITS_MAX) doc.ListeSymboles.push_back(s);
    if (pas) {
      for (const Quadrilatere* q : {a.Quad1, a.Quad2}) {
        Trace_axe(doc.Plan2, *q, 0);
        Trace_axe(doc.Plan2, *q, 1);
      }
      const Extremite e = Extremite1(*a.Quad1);
      con.Montre_Plan2(e.x - 150, e.y - 150);
      con.Pause();
    }
  }

  // The first "X" arc of every stroke.
  std::unordered_map<const Quadrilatere*, const Arc*> croix;
  for (const Arc& a : doc.ListeArcs)
    if (Majuscule(a.Type) == 'X' && a.Quad1 != nullptr && a.Quad2 != nullptr) {
      croix.try_emplace(a.Quad1, &a);
      croix.try_emplace(a.Quad2, &a);
    }

  con.Progression_Init(0, doc.NbQuads);
  for (Quadrilatere& q : doc.Quadrilateres) {
    con.Progression_Pas();
    if (q.Ep1 != 0 || q.Ep2 != 0 || q.Marque2 != 0) continue;
    const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
    if (pas) {
      Raz_Plan2(doc);
      Trace_axe(doc.Plan2, q, 0);
      con.Montre_Plan2(e1.x - 150, e1.y - 150);
      con.Pause();
    }
    const auto x = croix.find(&q);
    if (q.Longueur < 100 && Pres_d_un_texte(q, doc.ZonesTexte)) continue;
    Nouveau_groupe(ctx);
    const uint8_t etiquette = Etiquette_groupe(ctx.NumGroupe);
    if (x == croix.end()) {
      q.Marque2 = etiquette;
      q.Marque = SIMPLE;
      Symbole s;
      Nomme(s, 300, 1);
      s.Sommets[0] = {e1.x, e1.y};
      s.Sommets[1] = {e2.x, e2.y};
      doc.ListeSymboles.push_back(s);
    } else {
      Quadrilatere& a = *x->second->Quad1;
      Quadrilatere& b = *x->second->Quad2;
      a.Marque2 = b.Marque2 = etiquette;
      a.Marque = b.Marque = CROIX;
      Symbole s;
      Nomme(s, 500, 2);
      Ajoute_sommets(s, 0, a);
      Ajoute_sommets(s, 1, b);
      doc.ListeSymboles.push_back(s);
    }
  }
  con.Log_Texte(0, "Ok");
  return 1;
}
