// Drawing the vectorisation lists on Plan 2, each with its log lines.
#pragma once

#include <cstdint>

#include "vecto/records.h"

class Console;
struct Document;

int32_t Dessin_vecteurs(Console& con, Document& doc, const ListeVecteurs& liste);
int32_t Dessin_CC(Console& con, Document& doc, const ListeCC& liste);
// These three return 0 without doing anything when NbQuads is 0.
int32_t Dessin_quads(Console& con, Document& doc, const ListeQuads& liste);
int32_t Dessin_quads_type(Console& con, Document& doc, const ListeQuads& liste);
int32_t Dessin_squelette(Console& con, Document& doc, const ListeQuads& liste);
