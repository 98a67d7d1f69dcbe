// What lies inside a ring: a circle, inner bond strokes or other components,
// which are consumed from their lists.
#pragma once

#include <cstdint>

struct Contexte;
struct Document;

// The components strictly inside the box (x1, y1)-(x2, y2): those of
// CompConnexes wider than 10 or taller than 20, then those of ZonesTexte, 20
// at most in that order. 0 for none; for one: 1 (a character or a circle,
// whose strokes are then erased when it is larger than "SeuilTailleCar"),
// 11 (it holds a stroke of a "P" arc) or 0 (none of these); for k of them,
// each erased with its strokes: 10 + k. The components counted are released.
int32_t Analyse_interieur(Contexte& ctx, Document& doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// 1 when a stroke with both ends in the box (bounds included) belongs to an
// arc "P" (in upper case), else 0.
int32_t Liaisons_internes(const Document& doc, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax);

// Releases the vectors with both endpoints in the box, then the strokes with
// both ends in it and all their arcs (NbQuads follows). Returns 1.
int32_t Efface_zone(Document& doc, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax);
