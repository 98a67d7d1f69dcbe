// Vector fusion. The list is walked one group at a time: a group starts at F
// and takes the next chained vectors while the polyline stays within EpsFV of
// the chord from F's first endpoint and does not turn back. A finished group
// becomes F alone, ending where the group ended; its other vectors are released.
#include "vecto/fusion_vecteurs.h"

#include <iterator>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/segment.h"
#include "image/document.h"
#include "image/operations_plan.h"

namespace {

bool Enchaine(const Vecteur& a, const Vecteur& b) { return b.x1 == a.x2 && b.y1 == a.y2; }

}  // namespace

int32_t Fusion_vecteurs(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  con.Log_Efface();
  con.Log_Texte(0, "2) Fusion des vecteurs");
  const double eps = Parametre(ctx, "EpsFV");
  const bool pas_a_pas = con.ModeDebug == 1;
  if (pas_a_pas) Raz_Plan2(doc);

  ListeVecteurs& liste = doc.Vecteurs;
  int32_t nb = 0;

  // Ends the group [F, fin): F takes the end of the vector before fin, the
  // others are released.
  auto Termine = [&](ListeVecteurs::iterator F, ListeVecteurs::iterator fin) {
    const auto apres_F = std::next(F);
    if (apres_F != fin) {
      const Vecteur& dernier = *std::prev(fin);
      F->x2 = dernier.x2;
      F->y2 = dernier.y2;
      F->Angle = Orientation(F->x1, F->y1, F->x2, F->y2);
      Mesure(*F);
      for (auto it = apres_F; it != fin;) {
        it = liste.erase(it);
        ++nb;
      }
    }
    if (pas_a_pas) {
      Trace_segment(doc.Plan2, F->x1, F->y1, F->x2, F->y2, 1);
      con.Montre_Plan2(F->x1 - 100, F->y1 - 100);
      con.Pause();
    }
  };

  auto F = liste.begin();
  while (F != liste.end()) {
    if (nb % 8 == 0) con.Traite_messages();
    const double ax = F->x1, ay = F->y1;
    double W = 0.0;
    auto Q = std::next(F);
    while (Q != liste.end() && Enchaine(*std::prev(Q), *Q)) {
      if (nb % 8 == 0) con.Traite_messages();
      const double px = Q->x1, py = Q->y1, cx = Q->x2, cy = Q->y2;
      W += (cx - ax) * (cy - py) - (cy - ay) * (cx - px);
      const bool devie = eps * ((cx - ax) * (cx - ax) + (cy - ay) * (cy - ay)) < W * W;
      const bool recule = (px - ax) * (cx - px) + (py - ay) * (cy - py) <= 0;
      if (devie || recule) break;
      ++Q;
    }
    Termine(F, Q);
    F = std::next(F);
  }

  con.Log_Texte(1, " - Nb de fusion : ");
  con.Log_Nombre(0, nb);
  return nb;
}
