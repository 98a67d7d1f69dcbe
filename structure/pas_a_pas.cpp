// Step-mode helpers of the structure stages: they draw on Plan 2 and move
// the view, nothing else.
#include "structure/pas_a_pas.h"

#include <algorithm>

#include "console/console.h"
#include "console/contexte.h"
#include "image/document.h"
#include "image/segment.h"

void Trace_axe_double(Document& doc, const Quadrilatere& q) {
  const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
  Trace_segment(doc.Plan2, e1.x, e1.y, e2.x, e2.y, 1);
  Trace_segment(doc.Plan2, e1.x + 1, e1.y + 1, e2.x + 1, e2.y + 1, 1);
}

void Montre_pres_de(Contexte& ctx, Extremite e) {
  ctx.Con.Montre_Plan2(std::max(e.x, 151) - 150, std::max(e.y, 151) - 150);
}
