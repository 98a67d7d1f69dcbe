// Drawing the stroke graph and the symbols on Plan 2, with their log lines.
#pragma once

#include <cstdint>

#include "structure/records.h"

class Console;
struct Contexte;
struct Document;

// Clears Plan 2, then draws every arc: the two axes (doubled), the link
// between their middles and the glyph of the type. Returns 1.
int32_t Dessin_arcs(Console& con, Document& doc, const Arcs& liste);
// The arcs of one class asked for (P, T, X, L, or S for "_" and "~"),
// without clearing Plan 2. Returns 1.
int32_t Dessin_arcs_type(Console& con, Document& doc, const Arcs& liste);
// Every symbol as its segments and its comment, written with the font of
// the run, without clearing Plan 2. Returns 1.
int32_t Dessin_symboles(Contexte& ctx, Document& doc, const Symboles& liste);
