// Releasing whole result lists; each reset writes its text and the number of
// records released on a new log line.
#pragma once

#include <cstdint>

#include "structure/records.h"
#include "vecto/records.h"

class Console;

void Raz_vecteurs(Console& con, ListeVecteurs& liste);
void Raz_quads(Console& con, ListeQuads& liste, int32_t& NbQuads);  // NbQuads := 0
void Raz_CC(Console& con, ListeCC& liste);
void Raz_caracteres(Console& con, ListeCandidats& liste);
void Raz_arcs(Console& con, Arcs& liste);
void Raz_symboles(Console& con, Symboles& liste);
