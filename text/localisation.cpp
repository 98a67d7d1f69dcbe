// Character localisation. Reads Quadrilateres (strokes up to SeuilQuadCar
// long, not yet in a symbol), CompConnexes, ZonesTexte and Resolution; fills
// Caracteres with the candidates left over, ZonesTexte with the new text
// zones and QuadsTexte with their strokes; deletes the zones' vectors and
// clears Plan 2. Returns 0 when there is no quadrilateral, else 1.
#include "text/localisation.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <new>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "image/segment.h"

namespace {

void Trace_quad(Plan& p2, const Quadrilatere& q) {
  Trace_segment(p2, q.x1, q.y1, q.x2, q.y2, 1);
  Trace_segment(p2, q.x3, q.y3, q.x2, q.y2, 1);
  Trace_segment(p2, q.x3, q.y3, q.x4, q.y4, 1);
  Trace_segment(p2, q.x1, q.y1, q.x4, q.y4, 1);
}

// Every short stroke outside any symbol, in the order of the list. False
// after the error boxes when memory fails.
bool Prend_candidats(Console& con, Document& doc, int32_t seuil) {
  try {
    for (Quadrilatere& q : doc.Quadrilateres) {
      if (q.Longueur <= 0 || q.Longueur > seuil || q.Marque2 != 0) continue;
      doc.Caracteres.push_back({&q, 1});
      if (con.ModeDebug == 1) {
        Trace_segment(doc.Plan2, q.x1, q.y1, q.x2, q.y2, 1);
        Trace_segment(doc.Plan2, q.x3, q.y3, q.x4, q.y4, 1);
      }
    }
  } catch (const std::bad_alloc&) {
    con.Erreur_Box("- Erreur mem. -");
    con.Bip_Pause();
    return false;
  }
  return true;
}

// Angle difference of two strokes, folded when above 150 degrees so that
// directions on both sides of 0 read as close.
int64_t Ecart_angle(int32_t a, int32_t b) {
  const int64_t d = std::llabs(static_cast<int64_t>(a) - b);
  return d > 150 ? 180 - d : d;
}

// Drops the groups that look like hatching: many strokes whose successive
// directions (in chain order) stay close. In step mode each group is drawn
// alone on Plan 2 with its measures in the log.
void Retire_hachures(Console& con, Document& doc) {
  ListeCandidats& liste = doc.Caracteres;
  const bool pas_a_pas = con.ModeDebug == 1;
  auto debut = liste.begin();  // first member of the group under way
  bool nouveau = true;
  int64_t max_a = 0;
  int32_t nb = 0, angle_precedent = 0;
  for (auto it = liste.begin(); it != liste.end();) {
    const Quadrilatere& q = *it->Quad;
    if (nouveau) {
      if (pas_a_pas) Raz_Plan2(doc);
      debut = it;
      max_a = 0;
      nb = 0;
      angle_precedent = q.Angle1;
      nouveau = false;
    }
    max_a = std::max(max_a, Ecart_angle(q.Angle1, angle_precedent));
    angle_precedent = q.Angle1;
    ++nb;
    if (pas_a_pas) {
      Trace_quad(doc.Plan2, q);
      con.Montre_Plan2(std::max(q.x1, 151) - 150, std::max(q.y1, 151) - 150);
    }
    const auto suivant = std::next(it);
    if (it->Type == 2) {
      if (pas_a_pas) {
        con.Log_Efface();
        con.Log_Texte(0, " MaxA : ");
        con.Log_Nombre(0, static_cast<int32_t>(max_a));
        con.Log_Texte(1, " Nb : ");
        con.Log_Nombre(0, nb);
        con.Pause();
        Raz_Plan2(doc);
      }
      if ((max_a < 15 && nb > 2) || (max_a < 25 && nb > 4)) liste.erase(debut, suivant);
      nouveau = true;
    }
    it = suivant;
  }
}

}  // namespace

int Localise_car(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  con.Log_Efface();
  if (doc.NbQuads == 0) return 0;
  Raz_Plan2(doc);
  const auto seuil = static_cast<int32_t>(Parametre(ctx, "SeuilQuadCar"));
  con.Log_Efface();
  con.Log_Texte(0, " - Localisation des caracteres - ");
  con.Log_Texte(1, " . Lg. Q min. : ");
  con.Log_Nombre(0, 0);
  con.Log_Texte(1, " . Lg. Q max. : ");
  con.Log_Nombre(0, seuil);

  // Candidates of an earlier run may point at strokes released since.
  doc.Caracteres.clear();
  if (!Prend_candidats(con, doc, seuil)) return 1;
  if (Regroupe_quads(con, doc, doc.Caracteres, ctx.Resolution / 7) < 0) return 1;
  Retire_hachures(con, doc);

  const int32_t n = Selection_CC(ctx, doc);
  con.Log_Texte(1, " - Nb caracteres : ");
  con.Log_Nombre(0, n);
  const int32_t p = Purge_separateurs(doc);
  con.Log_Texte(1, " - Nb caracteres : ");
  con.Log_Nombre(0, n + p);
  return 1;
}

int32_t Purge_separateurs(Document& doc) {
  ListeQuads& liste = doc.Quadrilateres;
  const Quadrilatere* precedent = nullptr;  // none yet: the head is its own previous element
  for (auto it = liste.begin(); it != liste.end();) {
    const bool precedent_nul = precedent ? Est_separateur(*precedent) : Est_separateur(*it);
    if (Est_separateur(*it) && precedent_nul) {
      it = liste.erase(it);
      --doc.NbQuads;
      continue;
    }
    precedent = &*it;
    ++it;
  }
  return 0;
}
