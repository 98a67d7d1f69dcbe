// Quadrilateral sorting as a plain scan of the whole unsorted list for every
// step of a chain. Kept as the reference that the indexed stage must match
// record for record.
#include "tri_quads_reference.h"

#include <cstdlib>
#include <new>
#include <utility>

#include "console/console.h"
#include "console/contexte.h"
#include "image/segment.h"
#include "image/document.h"

namespace {

// Mean orientation of the two sides, degrees; may be negative.
int32_t Angle_moyen(const Quadrilatere& q) {
  if (std::abs(q.Angle1 - q.Angle2) < 90) return (q.Angle1 + q.Angle2) / 2;
  return (q.Angle1 + q.Angle2 - 180) / 2;
}

// Squared distance between two corners, in unsigned 32-bit arithmetic.
uint32_t Distance2(int32_t xa, int32_t ya, int32_t xb, int32_t yb) {
  const uint32_t dx = static_cast<uint32_t>(xa) - static_cast<uint32_t>(xb);
  const uint32_t dy = static_cast<uint32_t>(ya) - static_cast<uint32_t>(yb);
  return dx * dx + dy * dy;
}

// The two sides of a well-formed quadrilateral run in opposite directions.
bool Cotes_meme_sens(const Quadrilatere& q) {
  return static_cast<int64_t>(q.x2 - q.x1) * (q.x4 - q.x3) + static_cast<int64_t>(q.y4 - q.y3) * (q.y2 - q.y1) > 0;
}

void Signale_cotes(Console& con, const Quadrilatere& q) {
  con.Log_Efface();
  con.Log_Texte(1, "Ep =");
  con.Log_Nombre(0, q.Ep1);
  con.Log_Texte(0, " - ");
  con.Log_Nombre(0, q.Ep2);
  con.Log_Texte(1, "Lg =");
  con.Log_Nombre(0, q.Longueur);
  con.Log_Texte(1, "Ag =");
  con.Log_Nombre(0, q.Angle1);
  con.Log_Texte(0, " - ");
  con.Log_Nombre(0, q.Angle2);
  con.Log_Texte(1, "P1f =");
  con.Log_Nombre(0, q.x2);
  con.Log_Texte(0, " - ");
  con.Log_Nombre(0, q.y2);
  con.Log_Texte(1, "P2i =");
  con.Log_Nombre(0, q.x3);
  con.Log_Texte(0, " - ");
  con.Log_Nombre(0, q.y3);
  con.Bip();
  con.Bip();
  con.Bip();
}

// Contact codes: 1 Q's end 2 on cur's end 1, 2 Q's end 1 on cur's end 1
// (crosswise), 5 Q on cur's end 2.
enum Contact { AUCUN = 0, BOUT2_BOUT1 = 1, BOUT1_BOUT1 = 2, SUR_BOUT2 = 5 };

// Turns an accepted quadrilateral so that its end 2 lies at the contact.
void Retourne(Quadrilatere& q, Contact code) {
  if (code == BOUT1_BOUT1) {
    std::swap(q.x1, q.x3), std::swap(q.y1, q.y3);
    std::swap(q.x2, q.x4), std::swap(q.y2, q.y4);
    std::swap(q.Ep1, q.Ep2);
    std::swap(q.Angle1, q.Angle2);
  } else if (code == SUR_BOUT2) {
    std::swap(q.x1, q.x2), std::swap(q.y1, q.y2);
    std::swap(q.x3, q.x4), std::swap(q.y3, q.y4);
    std::swap(q.Ep1, q.Ep2);
  }
}

}  // namespace

int32_t Tri_quads_reference(Contexte& ctx, Document& doc, int32_t penteTQ) {
  Console& con = ctx.Con;
  if (doc.NbQuads == 0) return 0;
  con.Log_Efface();
  con.Log_Texte(0, "2) Tri des Quads ...            ");

  ListeQuads& ancienne = doc.Quadrilateres;
  doc.NbQuads -= static_cast<int32_t>(ancienne.remove_if(Est_separateur));

  // The start separator stays outside the sorted list: it only seeds the search.
  const Quadrilatere depart = Separateur();
  const Quadrilatere* cur = &depart;
  ListeQuads triee;
  int32_t nb_separateurs = 0;
  con.Progression_Init(0, doc.NbQuads - 1);

  while (!ancienne.empty()) {
    con.Progression_Pas();
    if (Cotes_meme_sens(*cur)) Signale_cotes(con, *cur);

    const bool apres_separateur = Est_separateur(*cur);
    const int32_t m = Angle_moyen(*cur);
    uint32_t meilleure = 2147483647u;
    auto choix = ancienne.end();
    Contact code = AUCUN;
    for (auto q = ancienne.begin(); q != ancienne.end(); ++q) {
      if (!apres_separateur) {
        const int32_t ecart = std::abs(m - Angle_moyen(*q));
        if (!(ecart < penteTQ || ecart > 180 - penteTQ)) continue;
      }
      const uint32_t d[4] = {
          Distance2(q->x2, q->y2, cur->x1, cur->y1) + Distance2(q->x3, q->y3, cur->x4, cur->y4),
          Distance2(q->x4, q->y4, cur->x1, cur->y1) + Distance2(q->x1, q->y1, cur->x4, cur->y4),
          Distance2(q->x1, q->y1, cur->x2, cur->y2) + Distance2(q->x4, q->y4, cur->x3, cur->y3),
          Distance2(q->x3, q->y3, cur->x2, cur->y2) + Distance2(q->x2, q->y2, cur->x3, cur->y3)};
      constexpr Contact codes[4] = {BOUT2_BOUT1, BOUT1_BOUT1, SUR_BOUT2, SUR_BOUT2};
      for (int i = 0; i < 4; ++i) {
        if (d[i] < meilleure) meilleure = d[i], choix = q, code = codes[i];
      }
    }

    bool accepte = choix != ancienne.end();
    if (accepte && !apres_separateur) {
      const Extremite bout = Extremite1(*cur);
      if (code == BOUT2_BOUT1) {
        const Extremite e = Extremite2(*choix);
        accepte = Compte_fond(e.x, e.y, bout.x, bout.y, doc.Plan1) <= 4;
      } else if (code == BOUT1_BOUT1) {
        const Extremite e = Extremite1(*choix);
        accepte = Compte_fond(e.x, e.y, bout.x, bout.y, doc.Plan1) <= 4;
      } else {
        accepte = false;
      }
    }

    if (!accepte) {
      try {
        triee.push_back(Separateur());
      } catch (const std::bad_alloc&) {
        // The sort stops: the rest stays unsorted after the chains made so far.
        con.Erreur_Box(" - Erreur mem. - ");
        break;
      }
      ++nb_separateurs;
      cur = &triee.back();
      continue;
    }
    triee.splice(triee.end(), ancienne, choix);
    Retourne(triee.back(), code);
    cur = &triee.back();
  }

  ancienne.splice(ancienne.begin(), triee);
  doc.NbQuads += nb_separateurs;
  con.Log_Texte(0, " * Tri termine. ");
  return 1;
}
