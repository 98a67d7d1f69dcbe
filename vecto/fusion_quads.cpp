// Quadrilateral fusion over the sorted chains. Reads Plan 1, EpsFQ and
// SeuilDiffEp; walks each chain from its first quadrilateral F and merges into
// F the run of quadrilaterals whose axis goes on straight, with a close
// thickness, over ink. Draws every run's axis on a cleared Plan 2. Returns the
// number of records released and takes it off NbQuads.
#include "vecto/fusion_quads.h"

#include <cstdlib>
#include <iterator>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/segment.h"
#include "image/document.h"
#include "image/operations_plan.h"

namespace {

using Position = ListeQuads::iterator;

struct Seuils {
  double EpsFQ;
  int32_t SeuilDiffEp;
};

// State of the run being grown: anchor A (F's end 2), last axis point P,
// area sum W (twice the area between the axis followed and the chord A-P)
// and the reference thickness r.
struct Course {
  Extremite A, P;
  double W = 0.0;
  int32_t r = 0;
};

int64_t Produit(int32_t ax, int32_t ay, int32_t bx, int32_t by) {
  return static_cast<int64_t>(ax) * bx + static_cast<int64_t>(ay) * by;
}

// One trial of a quadrilateral at point C with thickness t. suivant is the
// record after it when that is a real quadrilateral, else null; its direction
// is tested only when avec_suivant. On success w holds the new area sum.
bool Essai(const Course& c, Extremite C, int32_t t, const Quadrilatere* suivant, const Seuils& s,
           const Plan& plan1, double& w) {
  const Extremite& A = c.A;
  const Extremite& P = c.P;
  if (Produit(C.x - P.x, C.y - P.y, P.x - A.x, P.y - A.y) < 0) return false;
  if (suivant && Produit(suivant->x4 - suivant->x3, suivant->y4 - suivant->y3, C.x - A.x, C.y - A.y) < 0)
    return false;
  if (std::abs(t - c.r) >= s.SeuilDiffEp) return false;
  w = c.W + static_cast<double>(static_cast<int64_t>(C.x - A.x) * (C.y - P.y) -
                                static_cast<int64_t>(C.y - A.y) * (C.x - P.x));
  if (s.EpsFQ * static_cast<double>(Produit(C.x - A.x, C.y - A.y, C.x - A.x, C.y - A.y)) < w * w) return false;
  return Compte_fond(P.x, P.y, C.x, C.y, plan1) <= 4;
}

// Merges into F the run up to L, whose axis ends at E: F takes L's end 1.
// The records after F up to L are released; returns how many.
int32_t Fusionne(ListeQuads& liste, Position F, Position L, const Course& c, Extremite E) {
  if (L == F) return 0;
  F->x1 = L->x1, F->y1 = L->y1;
  F->x4 = L->x4, F->y4 = L->y4;
  F->Ep1 = L->Ep1;
  F->Longueur = Longueur_arrondie(E.x, E.y, c.A.x, c.A.y);
  F->Angle1 = Orientation(F->x1, F->y1, F->x2, F->y2);
  F->Angle2 = Orientation(F->x3, F->y3, F->x4, F->y4);
  const auto debut = std::next(F), fin = std::next(L);
  const auto n = static_cast<int32_t>(std::distance(debut, fin));
  liste.erase(debut, fin);
  return n;
}

void Trace_axe(Document& doc, const Quadrilatere& q) {
  const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
  Trace_segment(doc.Plan2, e1.x, e1.y, e2.x, e2.y, 1);
}

// Grows and merges the run that starts at F; returns where the walk goes on.
Position Fusionne_course(Contexte& ctx, Document& doc, const Seuils& s, Position F, int32_t& compte) {
  ListeQuads& liste = doc.Quadrilateres;
  const auto reel = [&](Position n) { return n != liste.end() && !Est_separateur(*n); };

  Course c;
  c.A = Extremite2(*F);
  c.P = c.A;
  c.r = F->Ep2;
  Position suite = std::next(F);
  Position isole = liste.end();  // a chain's last quadrilateral left on its own
  double w = 0.0;

  // The first trial only compares F's two thicknesses.
  if (Essai(c, c.A, F->Ep1, reel(suite) ? &*suite : nullptr, s, doc.Plan1, w)) {
    c.W = w;
    c.r = F->Ep1;
    Position q = F;
    for (;;) {
      const Position n = std::next(q);
      const bool fin_chaine = !reel(n);
      Extremite C;
      int32_t t;
      if (fin_chaine) {
        C = Extremite1(*q);
        t = q->Ep1;
      } else {
        C = {(q->x1 + q->x4 + n->x2 + n->x3) / 4, (q->y1 + q->y4 + n->y2 + n->y3) / 4};
        t = q->Ep2;
      }
      if (Essai(c, C, t, fin_chaine ? nullptr : &*n, s, doc.Plan1, w)) {
        c.W = w;
        c.P = C;
        c.r = q->Ep1;
        if (fin_chaine) {
          compte += Fusionne(liste, F, q, c, C);
          suite = n;
          break;
        }
        q = n;
        continue;
      }
      if (q == F) {
        suite = n;
      } else if (fin_chaine) {
        compte += Fusionne(liste, F, std::prev(q), c, c.P);
        isole = q;
        suite = n;
      } else if (Essai(c, Extremite1(*q), q->Ep1, nullptr, s, doc.Plan1, w)) {
        // Second chance at the quadrilateral's own end: the run stops there.
        compte += Fusionne(liste, F, q, c, Extremite1(*q));
        suite = n;
      } else {
        compte += Fusionne(liste, F, std::prev(q), c, c.P);
        suite = q;
      }
      break;
    }
  }

  Trace_axe(doc, *F);
  if (isole != liste.end()) Trace_axe(doc, *isole);
  if (ctx.Con.ModeDebug == 1) {
    const Extremite e1 = Extremite1(*F);
    ctx.Con.Montre_Plan2(e1.x < 101 ? 0 : e1.x - 100, e1.y - 100);
    ctx.Con.Pause();
  }
  return suite;
}

}  // namespace

int32_t Fusion_quads(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  if (doc.NbQuads == 0) return 0;
  con.Log_Efface();
  con.Log_Texte(0, "3) Fusion des quadr. ...");
  Raz_Plan2(doc);
  Seuils s;
  s.EpsFQ = Parametre(ctx, "EpsFQ");
  s.SeuilDiffEp = static_cast<int32_t>(Parametre(ctx, "SeuilDiffEp"));

  ListeQuads& liste = doc.Quadrilateres;
  int32_t compte = 0;
  Position f = liste.begin();
  for (;;) {
    while (f != liste.end() && Est_separateur(*f)) ++f;
    if (f == liste.end()) break;
    if (compte % 4 == 0) con.Traite_messages();
    f = Fusionne_course(ctx, doc, s, f, compte);
  }

  doc.NbQuads -= compte;
  con.Log_Texte(1, " - Nb de fusion :");
  con.Log_Nombre(0, compte);
  return compte;
}
