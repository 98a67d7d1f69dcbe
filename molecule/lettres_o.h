// The letters O the text stages never read: a round character has too few
// strokes to be taken as one, so a lone "O" (a carbonyl, an ether) stays an
// ink component of its own. Such a component, of a character's size beside
// the bonds and enclosing a hole, is read as a doubtful "O".
#pragma once

#include <vector>

#include "molecule/graphe_lu.h"

struct Document;

// Labels "O" (Douteuse, Devinee) for the components of CompConnexes between 0.15 and
// 0.6 bond lengths high and wide, about as high as wide, meeting no zone of
// characters, whose ink in Plan 1 encloses background.
std::vector<Atome_lu> Lettres_o(const Document& doc, double longueur_liaison);
