// Connection counts. Reads ListeArcs; rewrites Ep1 and Ep2 of the strokes of
// Quadrilateres: corners, "_" and continuations count at the two nearest
// ends, a T junction at the end of its stem nearer the bar.
#include "structure/analyse_extremites.h"

#include "console/console.h"
#include "console/contexte.h"
#include "image/document.h"
#include "structure/mesures.h"

int32_t Raz_extremites(Document& doc, ListeQuads& liste) {
  if (doc.NbQuads == 0) return 0;
  for (Quadrilatere& q : liste) q.Ep1 = q.Ep2 = 0;
  return 1;
}

int32_t Analyse_extremites(Contexte& ctx, Document& doc) {
  ctx.Con.Log_Efface();
  ctx.Con.Log_Texte(0, " Analyse extremités...");
  Raz_extremites(doc, doc.Quadrilateres);
  for (const Arc& a : doc.ListeArcs) {
    if (a.Quad1 == nullptr || a.Quad2 == nullptr) continue;
    Quadrilatere& q1 = *a.Quad1;
    Quadrilatere& q2 = *a.Quad2;
    const Extremite E1 = Extremite1(q1), E2 = Extremite2(q1), F1 = Extremite1(q2), F2 = Extremite2(q2);
    const char type = Majuscule(a.Type);
    if (type == 'L' || type == '_' || type == '~') {
      const int64_t d[4] = {Distance2(F1, E1), Distance2(F1, E2), Distance2(F2, E1), Distance2(F2, E2)};
      int k = 0;
      for (int i = 1; i < 4; ++i)
        if (d[i] < d[k]) k = i;
      // k: bit 0 says end 2 of Quad1, bit 1 end 2 of Quad2.
      ++((k & 1) ? q1.Ep2 : q1.Ep1);
      ++((k & 2) ? q2.Ep2 : q2.Ep1);
    } else if (type == 'T') {
      const int64_t s1 = Distance2(F1, E1) + Distance2(F1, E2), s2 = Distance2(F2, E1) + Distance2(F2, E2);
      ++(s1 < s2 ? q2.Ep1 : q2.Ep2);
    }
  }
  return 1;
}
