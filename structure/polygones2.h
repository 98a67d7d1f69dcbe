// Rings found by walking from stroke end to nearest stroke end on one side,
// for the rings the graph search missed.
#pragma once

#include <cstdint>

#include "structure/voisins.h"

struct Contexte;
struct Document;

// Parcours_P (cote_P true) or Parcours_N: from s with the direction flag,
// always to the nearest neighbour of that side, until the start stroke
// (entry 0) is met at its corner 1 (1: the ring is closed, n the number of
// strokes, entry n emptied) or the walk fails (0, n less one per level, read
// as unsigned 32 bits). A walk index above 20 sets ModeDebug to 1 and
// becomes 17.
int32_t Parcours_cote(Contexte& ctx, Voisinage& v, Quadrilatere* s, int32_t flag, Liste_parcours& liste, uint32_t& n,
                      bool cote_P, Memoire_parcours& memoire);

// Every free stroke starts a P-side walk, and an N-side one when the first
// failed with its index above 2; a closed walk of 3 strokes or more is a ring:
// labelled, its inside analysed, logged and appended when it fits. Returns 1.
int32_t Recherche_polygones2(Contexte& ctx, Document& doc);
