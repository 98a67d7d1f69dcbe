// Drawing of the text zones: reads the zones' boxes and Plan 1, writes Plan 2
// and the log; returns 1.
#include "display/dessin_caracteres.h"

#include <algorithm>

#include "console/console.h"
#include "image/document.h"
#include "image/operations_plan.h"

int32_t Dessin_caracteres(Console& con, Document& doc, const ListeCC& zones) {
  con.Log_Efface();
  con.Log_Texte(0, "- Dessin des Caracteres ...");
  Raz_Plan2(doc);
  const Plan& p1 = doc.Plan1;
  Plan& p2 = doc.Plan2;
  for (const CompConnexe& z : zones) {
    // Only addressable pixels can change: the box is clipped to them.
    const int32_t x0 = std::max(z.xmin, 1), x1 = std::min(z.xmax, 8 * p2.NbOctetsLigne - 1);
    const int32_t y0 = std::max(z.ymin, 1), y1 = std::min(z.ymax, p2.NbLignes - 1);
    for (int32_t y = y0; y <= y1; ++y)
      for (int32_t x = x0; x <= x1; ++x) Ecrit_pixel(x, y, Lit_pixel(x, y, p1), p2);
    if (con.ModeDebug == 1) {
      con.Montre_Plan2(std::max(z.xmin, 151) - 150, std::max(z.ymin, 151) - 150);
      con.Log_Texte(1, " Type : ");
      con.Log_Nombre(0, z.Classe);
      con.Pause();
      con.Log_Efface();
    }
  }
  con.Bip_Message();
  return 1;
}
