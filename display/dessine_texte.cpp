#include "display/dessine_texte.h"

#include "display/trace_texte.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "image/segment.h"
#include "text/cases.h"

namespace {

constexpr int32_t DECALAGE = 2;  // from the zone's corner to the text's
constexpr int32_t ECHELLE = 4;

// The four sides, each without its end point, as the components are drawn:
// the corners (xmin, ymax) and (xmax, ymin) stay as they were.
void Contour(Plan& p2, const CompConnexe& z) {
  Trace_segment(p2, z.xmin, z.ymin, z.xmin, z.ymax, 1);
  Trace_segment(p2, z.xmax, z.ymax, z.xmin, z.ymax, 1);
  Trace_segment(p2, z.xmax, z.ymax, z.xmax, z.ymin, 1);
  Trace_segment(p2, z.xmin, z.ymin, z.xmax, z.ymin, 1);
}

void Texte(Contexte& ctx, Document& doc, const CompConnexe& z) {
  const auto x = static_cast<int32_t>(static_cast<int64_t>(z.xmin) + DECALAGE);
  const auto y = static_cast<int32_t>(static_cast<int64_t>(z.ymin) + DECALAGE);
  Trace_texte(ctx, doc, x, y, Nom_texte(z.Caractere), ECHELLE);
}

}  // namespace

void Dessine_texte(Contexte& ctx, Document& doc, const ListeCC& zones, bool efface) {
  if (efface) Raz_Plan2(doc);
  for (const CompConnexe& z : zones) {
    switch (z.Etat) {
      case 1:
      case 2:
        Texte(ctx, doc, z);
        break;
      case 3:
      case 4:
      case 5:
        Contour(doc.Plan2, z);
        Texte(ctx, doc, z);
        break;
      default:
        Contour(doc.Plan2, z);
    }
  }
}
