// One pass of vector fusion: merges runs of chained vectors of one contour
// that stay within EpsFV of a straight line. Returns the number of vectors
// released; the caller repeats while it is not 0.
#pragma once

#include <cstdint>

struct Contexte;
struct Document;

int32_t Fusion_vecteurs(Contexte& ctx, Document& doc);
