// The strokes of a character zone by direction, as the doubt reduction
// counts them to check a character against its entries of biqdl.dat.
#pragma once

#include <cstdint>

#include "text/symboles_bib.h"
#include "vecto/records.h"

struct CompteTraits {
  int32_t Horizontaux = 0, Verticaux = 0, Diagonales1 = 0, Diagonales2 = 0;
};

// Mean direction of a stroke from the angles of its two sides, in whole
// degrees: their half sum, or half of (sum - 180) when they lie more than
// 90 degrees apart.
int32_t Direction_trait(const Quadrilatere& q);

// Counts the strokes whose four corners lie in the box (bounds included) and
// whose Longueur is at least lgminiq times the box's width (direction within
// shoul of the horizontal) or height (otherwise). A counted stroke is a first
// diagonal from margeangle to 90 - margeangle degrees, else vertical below
// 90 + margeangle, else horizontal below margeangle or above
// 180 - margeangle, else a second diagonal.
CompteTraits Compte_traits(const ListeQuads& quads, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax,
                           int32_t shoul, double lgminiq, int32_t margeangle);

// The entry asks for no more strokes of any direction than were counted.
bool Ecriture_trouvee(const SymbQuad& e, const CompteTraits& c);
