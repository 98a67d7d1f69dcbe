// Strokes that run through an atom. The end of a stroke touching the middle
// of another stroke cuts that stroke there (a branch on bonds the
// vectorisation drew as one piece); two strokes crossing in their middles
// meet at a carbon drawn as a "+" when one to three of their four ends go on
// to the rest of the drawing, and pass each other otherwise.
#pragma once

#include <functional>
#include <vector>

#include "molecule/traits_lus.h"

// contact: pixels, how near the axis of a stroke an end touches it;
// tolerance: pixels, how near the end of a stroke a cut would be no cut;
// suivi(p, i, j): whether the end p of stroke i or j goes on to something
// other than strokes i and j. Pieces keep the order of their stroke.
void Coupe_aux_jonctions(std::vector<Trait_lu>& traits, double contact, double tolerance,
                         const std::function<bool(Point_lu, size_t, size_t)>& suivi);
