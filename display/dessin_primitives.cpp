// Drawing the vectorisation lists on Plan 2: a title line, the records, and a
// count line in the log. Only Dessin_CC clears Plan 2 first.
#include "display/dessin_primitives.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "console/console.h"
#include "image/segment.h"
#include "image/document.h"
#include "image/operations_plan.h"

namespace {

// A record of length 0 met in step mode is marked in the log and waited on.
void Signale_nul(Console& con) {
  if (con.ModeDebug != 1) return;
  con.Log_Texte(0, " *** ");
  con.Bip();
  con.Pause();
}

void Trace_quad(Plan& p2, const Quadrilatere& q) {
  Trace_segment(p2, q.x1, q.y1, q.x2, q.y2, 1);
  Trace_segment(p2, q.x3, q.y3, q.x2, q.y2, 1);
  Trace_segment(p2, q.x3, q.y3, q.x4, q.y4, 1);
  Trace_segment(p2, q.x1, q.y1, q.x4, q.y4, 1);
}

// Walks the quadrilaterals with the progress bar, drawing the real ones with
// trace; writes the final count line.
template <class Trace>
int32_t Dessine_quads(Console& con, Document& doc, const ListeQuads& liste, const char* fin, Trace&& trace) {
  con.Progression_Init(0, doc.NbQuads);
  int32_t n = 0;
  for (const Quadrilatere& q : liste) {
    con.Progression_Pas();
    if (Est_separateur(q))
      Signale_nul(con);
    else
      trace(q);
    ++n;
  }
  con.Log_Texte(1, fin);
  con.Log_Nombre(0, n);
  return 1;
}

}  // namespace

int32_t Dessin_vecteurs(Console& con, Document& doc, const ListeVecteurs& liste) {
  con.Log_Efface();
  con.Log_Texte(1, " Dessin des vecteurs ...");
  int32_t n = 0;
  for (const Vecteur& v : liste) {
    if (v.Longueur == 0)
      Signale_nul(con);
    else
      Trace_segment(doc.Plan2, v.x1, v.y1, v.x2, v.y2, 1);
    ++n;
  }
  con.Log_Texte(1, "* Nb de vecteurs : ");
  con.Log_Nombre(0, n);
  return 1;
}

int32_t Dessin_CC(Console& con, Document& doc, const ListeCC& liste) {
  Raz_Plan2(doc);
  con.Log_Efface();
  con.Log_Texte(1, " Dessin des C.C.  ...");
  int32_t n = 0;
  for (const CompConnexe& cc : liste) {
    Trace_segment(doc.Plan2, cc.xmin, cc.ymin, cc.xmin, cc.ymax, 1);
    Trace_segment(doc.Plan2, cc.xmax, cc.ymax, cc.xmin, cc.ymax, 1);
    Trace_segment(doc.Plan2, cc.xmax, cc.ymax, cc.xmax, cc.ymin, 1);
    Trace_segment(doc.Plan2, cc.xmin, cc.ymin, cc.xmax, cc.ymin, 1);
    ++n;
  }
  con.Log_Texte(1, "* Nb comp. connexes : ");
  con.Log_Nombre(0, n);
  return 1;
}

int32_t Dessin_quads(Console& con, Document& doc, const ListeQuads& liste) {
  if (doc.NbQuads == 0) return 0;
  con.Log_Efface();
  con.Log_Texte(0, " Dessin des quadr. ...");
  return Dessine_quads(con, doc, liste, "* Nb de Quadrilateres : ", [&](const Quadrilatere& q) {
    Trace_quad(doc.Plan2, q);
    if (con.ModeDebug == 1) {
      con.Montre_Plan2(std::max(q.x1, 151) - 150, std::max(q.y1, 151) - 150);
      con.Pause();
    }
  });
}

int32_t Dessin_quads_type(Console& con, Document& doc, const ListeQuads& liste) {
  if (doc.NbQuads == 0) return 0;
  con.Log_Efface();
  con.Log_Texte(0, " Dessin des quadr. ...");
  std::string reponse;
  con.Saisie(reponse, "Quel Type (0,100,200,...,500) ?");
  const long type = std::strtol(reponse.c_str(), nullptr, 10);
  return Dessine_quads(con, doc, liste, "* Nb de Quadrilateres : ", [&](const Quadrilatere& q) {
    if ((q.Marque / 100) * 100 == type) Trace_quad(doc.Plan2, q);
  });
}

int32_t Dessin_squelette(Console& con, Document& doc, const ListeQuads& liste) {
  if (doc.NbQuads == 0) return 0;
  con.Log_Efface();
  con.Log_Texte(0, " Dessin du squelette ...");
  return Dessine_quads(con, doc, liste, "* Nb de traits : ", [&](const Quadrilatere& q) {
    const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
    Trace_segment(doc.Plan2, e1.x, e1.y, e2.x, e2.y, 1);
  });
}
