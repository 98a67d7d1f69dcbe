// Connection counts at the ends of the strokes: Ep1 and Ep2 of every stroke
// of Quadrilateres count the arcs of ListeArcs arriving at end 1 and end 2.
#pragma once

#include <cstdint>

#include "vecto/records.h"

struct Contexte;
struct Document;

// Ep1 and Ep2 of every stroke of the list set to 0. 0 when NbQuads is 0
// (nothing done), else 1.
int32_t Raz_extremites(Document& doc, ListeQuads& liste);

// Recounts Ep1 and Ep2 from the arcs (8-bit counters, wrapping at 256). Returns 1.
int32_t Analyse_extremites(Contexte& ctx, Document& doc);
