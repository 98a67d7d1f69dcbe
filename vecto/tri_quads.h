// Quadrilateral sorting: reorders Quadrilateres into chains of strokes
// touching end to end over ink, separated by separator records. Returns 0
// when NbQuads is 0 (nothing done), else 1.
#pragma once

#include <cstdint>

struct Contexte;
struct Document;

int32_t Tri_quads(Contexte& ctx, Document& doc, int32_t penteTQ);
