#include "display/raz_listes.h"

#include "console/console.h"

namespace {

template <class Liste>
void Raz(Console& con, Liste& liste, const char* texte) {
  const auto n = static_cast<int32_t>(liste.size());
  liste.clear();
  con.Log_Texte(1, texte);
  con.Log_Nombre(0, n);
}

}  // namespace

void Raz_vecteurs(Console& con, ListeVecteurs& liste) { Raz(con, liste, " Raz vecteurs : "); }

void Raz_quads(Console& con, ListeQuads& liste, int32_t& NbQuads) {
  Raz(con, liste, " Raz quadr. : ");
  NbQuads = 0;
}

void Raz_CC(Console& con, ListeCC& liste) { Raz(con, liste, " Raz C.C. : "); }

void Raz_caracteres(Console& con, ListeCandidats& liste) { Raz(con, liste, " Raz Caracteres : "); }

void Raz_arcs(Console& con, Arcs& liste) { Raz(con, liste, " Raz Arcs QQ : "); }

void Raz_symboles(Console& con, Symboles& liste) { Raz(con, liste, " - Raz Symboles : "); }
