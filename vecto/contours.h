// Contour following: traces every contour of ink of Plan 1 into chained
// vectors (Vecteurs) and one bounding box per outer contour (CompConnexes),
// marking the traced pixels on Plan 2. Does nothing when Vecteurs is not empty.
#pragma once

struct Contexte;
struct Document;

void Contours(Contexte& ctx, Document& doc);
