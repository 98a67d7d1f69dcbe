// Quadrilateral construction: pairs facing vectors of Vecteurs into
// Quadrilateres (thick strokes) with their thicknesses. Returns 1.
#pragma once

#include <cstdint>

struct Contexte;
struct Document;

int32_t Analyse_vecteurs(Contexte& ctx, Document& doc);

// Projects P on the line of A->B (len: the segment's length, >= 1), integer
// arithmetic truncated toward zero. Returns 1 when the point falls within the
// segment's box, bounds included.
int32_t Projette(int32_t px, int32_t py, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t len,
                 int32_t& x, int32_t& y);
