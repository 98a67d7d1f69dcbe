// Chain detection. Releases the short strokes and their arcs (NbQuads
// follows); reads Quadrilateres, the "P" arcs and ZonesTexte; labels the chain
// strokes (Marque, Marque2, NumGroupe + 1) and appends chain symbols. Draws
// on Plan 2 in step mode.
#include "structure/chaines.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "console/console.h"
#include "console/contexte.h"
#include "display/trace_texte.h"
#include "image/document.h"
#include "image/segment.h"
#include "structure/mesures.h"
#include "structure/polygones.h"

int32_t Parcours_chaine(Contexte& ctx, Voisinage& v, Quadrilatere* s, int32_t flag, Liste_parcours& liste,
                        uint32_t& n, Memoire_parcours& memoire) {
  // The recursion with a stack of its own: past the depth guard a walk can
  // go deeper than the program's stack would allow.
  enum Etape { Entree, Retour_P, Cote_N, Retour_N, Fin };
  struct Cadre {
    Quadrilatere* s;
    int32_t flag;
    Etape etape;
    Voisins vs;
    int32_t r;
  };
  std::vector<Cadre> pile{{s, flag, Entree, {}, 0}};
  int32_t retour = 0;
  auto liste_contient = [&](const Quadrilatere* c) {
    return std::find(liste.begin(), liste.begin() + n, c) != liste.begin() + n;
  };
  auto termine = [&](int32_t r) {
    memoire.Ferme();
    retour = r;
    pile.pop_back();
  };
  while (!pile.empty()) {
    Cadre& c = pile.back();
    switch (c.etape) {
      case Entree: {
        if (memoire.Deja_vu(c.s, c.flag, n, liste)) {
          retour = 0;
          pile.pop_back();
          break;
        }
        if (n > 20) {
          ctx.Con.ModeDebug = 1;
          n = 17;
        }
        v.Cherche(c.s, c.flag, 2, c.vs);
        c.r = 0;
        if (c.vs.P == nullptr) {
          c.etape = Cote_N;
          break;
        }
        if (liste_contient(c.vs.P)) {
          termine(0);
          break;
        }
        n += 1;
        liste[n] = c.vs.P;
        c.etape = Retour_P;
        const Cadre suivant{c.vs.P, c.vs.FlagP, Entree, {}, 0};
        pile.push_back(suivant);
        break;
      }
      case Retour_P:
        c.r = retour;
        if (c.r == 0) n -= 1;
        c.etape = Cote_N;
        break;
      case Cote_N: {
        if (c.r != 0 || c.vs.N == nullptr) {
          c.etape = Fin;
          break;
        }
        // A walk below that passed the depth guard and failed can leave the
        // index out of the list (below 0): the step fails there.
        if (n > 20 || liste_contient(c.vs.N)) {
          termine(0);
          break;
        }
        n += 1;
        liste[n] = c.vs.N;
        c.etape = Retour_N;
        const Cadre suivant{c.vs.N, c.vs.FlagN, Entree, {}, 0};
        pile.push_back(suivant);
        break;
      }
      case Retour_N:
        c.r = retour;
        if (c.r == 0) n -= 1;
        c.etape = Fin;
        break;
      case Fin:
        if (c.vs.P == nullptr && c.vs.N == nullptr) {
          n += 1;
          liste[n] = nullptr;
          c.r = 1;
        }
        termine(c.r);
        break;
    }
  }
  return retour;
}

namespace {

bool Touche_texte(const Quadrilatere& q, const ListeCC& zones) {
  for (const Extremite e : {Extremite2(q), Extremite1(q)})
    for (const CompConnexe& z : zones)
      if (z.xmin < e.x && e.x < z.xmax && z.ymin < e.y && e.y < z.ymax) return true;
  return false;
}

// n + 1 vertices: the far end of the first stroke, the middles of the joints,
// the far end of the last stroke.
std::vector<Sommet> Sommets_chaine(const std::vector<Quadrilatere*>& c) {
  std::vector<Sommet> s;
  if (c.size() == 1) {
    const Extremite e1 = Extremite1(*c[0]), e2 = Extremite2(*c[0]);
    return {{e1.x, e1.y}, {e2.x, e2.y}};
  }
  const Bouts c0 = Bouts_de(*c[0]), c1 = Bouts_de(*c[1]);
  const int k = Jonction(c0, c1);
  const Extremite loin0 = (k & 1) ? c0.e1 : c0.e2;
  Extremite a = (k & 1) ? c0.e2 : c0.e1;
  Extremite b = (k & 2) ? c1.e2 : c1.e1;
  Extremite f = (k & 2) ? c1.e1 : c1.e2;
  s.push_back({loin0.x, loin0.y});
  for (size_t i = 2; i < c.size(); ++i) {
    s.push_back(Milieu(a, b));
    a = f;
    const Bouts t = Bouts_de(*c[i]);
    const bool par2 = Distance2(t.e2, f) < Distance2(t.e1, f);
    b = par2 ? t.e2 : t.e1;
    f = par2 ? t.e1 : t.e2;
  }
  s.push_back(Milieu(a, b));
  s.push_back({f.x, f.y});
  return s;
}

void Retire_traits_courts(Document& doc) {
  std::unordered_set<const Quadrilatere*> courts;
  for (const Quadrilatere& q : doc.Quadrilateres)
    if (q.Longueur < 20) courts.insert(&q);
  if (courts.empty()) return;
  doc.ListeArcs.remove_if([&](const Arc& a) { return courts.count(a.Quad1) != 0 || courts.count(a.Quad2) != 0; });
  for (auto it = doc.Quadrilateres.begin(); it != doc.Quadrilateres.end();) {
    if (it->Longueur < 20) {
      it = doc.Quadrilateres.erase(it);
      --doc.NbQuads;
    } else {
      ++it;
    }
  }
}

constexpr uint32_t NB_TRAITS_CHAINE_MAX = Symbole::NB_SOMMETS - 1;

}  // namespace

int32_t Recherche_chaines(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  con.Log_Efface();
  con.Log_Texte(0, " Recherche des Chaines...");
  Retire_traits_courts(doc);
  Voisinage voisinage(ctx, doc);
  Memoire_parcours memoire;
  for (Quadrilatere& q : doc.Quadrilateres) {
    if (q.Marque != 0) continue;
    Liste_parcours A{}, B{};
    A[0] = B[0] = &q;
    uint32_t nA = 0, nB = 0;
    memoire.Raz();
    const int32_t rA = Parcours_chaine(ctx, voisinage, &q, 0, A, nA, memoire);
    memoire.Raz();
    const int32_t rB = Parcours_chaine(ctx, voisinage, &q, 1, B, nB, memoire);
    if (rA != 1 && rB != 1) continue;

    std::vector<Quadrilatere*> c;
    if (rB == 1)
      for (uint32_t i = nB; i-- > 0;) c.push_back(B[i]);
    if (rA == 1)
      for (uint32_t i = rB == 1 ? 1 : 0; i < nA; ++i) c.push_back(A[i]);
    const auto n = static_cast<uint32_t>(c.size());

    if (n < 2) {
      bool texte = false;
      for (const Quadrilatere* t : c)
        if (t->Longueur < 100 && Touche_texte(*t, doc.ZonesTexte)) texte = true;
      if (texte) continue;
    }

    const uint8_t etiquette = Nouveau_groupe(ctx);
    std::string commentaire = "C";
    for (Quadrilatere* t : c) {
      if (con.ModeDebug == 1) {
        const Extremite e1 = Extremite1(*t), e2 = Extremite2(*t);
        Trace_segment(doc.Plan2, e1.x, e1.y, e2.x, e2.y, 1);
        char nom[16];
        std::snprintf(nom, sizeof nom, "C%d", ctx.NumGroupe);
        Trace_texte(ctx, doc, e1.x, e1.y, nom, 1);
      }
      t->Marque2 = etiquette;
      if (t->Marque == 0) {
        commentaire += '1';
        t->Marque = 201;
      } else {
        commentaire += 'P';
        t->Marque = 202;
      }
    }
    char ligne[48];
    std::snprintf(ligne, sizeof ligne, " Chaine de lg = %u ", n);
    con.Log_Texte(1, ligne);
    // A chain of more than 19 strokes has neither its vertices nor its comment whole.
    if (n > NB_TRAITS_CHAINE_MAX) continue;
    Symbole s;
    s.Type = 200;
    s.Nb = n;
    std::memcpy(s.Commentaire, commentaire.data(), std::min<size_t>(commentaire.size(), Symbole::LG_COMMENTAIRE));
    const std::vector<Sommet> sommets = Sommets_chaine(c);
    std::copy(sommets.begin(), sommets.end(), s.Sommets);
    doc.ListeSymboles.push_back(s);
  }
  return 1;
}
