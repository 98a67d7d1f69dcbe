// Writing a text on Plan 2 with the font of the run.
#pragma once

#include <cstdint>
#include <string_view>

#include "image/plan.h"
#include "text/glyphe.h"

struct Contexte;
struct Document;

// Draws the text with its top-left corner at (x, y), each glyph 8 x 10 cells
// of echelle x echelle pixels, one character every 9 x echelle pixels; a
// character without a glyph leaves its place empty. The glyph boxes are
// opaque: their background cells erase what was there. The text "phi" is
// the single glyph of that name.
void Trace_texte(const ListePolice& police, Plan& plan2, int32_t x, int32_t y, std::string_view texte,
                 int32_t echelle);

// The same with the font of the run, on the document's Plan 2.
void Trace_texte(const Contexte& ctx, Document& doc, int32_t x, int32_t y, std::string_view texte,
                 int32_t echelle);
