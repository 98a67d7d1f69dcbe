// One pass of quadrilateral fusion over the sorted chains: merges runs of
// strokes that continue one another straight, with a similar thickness, over
// ink. Draws the axes on Plan 2. Returns the number of records released.
#pragma once

#include <cstdint>

struct Contexte;
struct Document;

int32_t Fusion_quads(Contexte& ctx, Document& doc);
