// Chains of bonds: from every free stroke, walks in both directions from
// stroke end to nearest stroke end up to free ends; each chain becomes a
// chain symbol "C" followed by one character per stroke.
#pragma once

#include <cstdint>

#include "structure/voisins.h"

struct Contexte;
struct Document;

// Parcours_chaine: from s with the direction flag, to the P-side neighbour
// and, when that walk fails, to the N-side one (free strokes and bond strokes
// only), until a stroke with no neighbour (1: n the number of strokes, entry
// n emptied) or a stroke already listed (0). The depth guard of the polygon
// walks applies; a step whose index was left out of the list's range by a
// failed walk below the guard fails.
int32_t Parcours_chaine(Contexte& ctx, Voisinage& v, Quadrilatere* s, int32_t flag, Liste_parcours& liste,
                        uint32_t& n, Memoire_parcours& memoire);

// Strokes shorter than 20 pixels are released with their arcs first; then
// every free stroke gives at most one chain, labelled (Marque 201 or 202,
// Marque2, NumGroupe + 1), logged, and appended when it has 19 strokes at
// most. A single short stroke touching a text zone gives none. Returns 1.
int32_t Recherche_chaines(Contexte& ctx, Document& doc);
