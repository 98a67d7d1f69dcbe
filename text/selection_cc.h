// Components taken as text zones by character localisation.
#pragma once

#include <cstdint>

struct Contexte;
struct Document;

// For each candidate in list order, the narrowest component holding both ends
// of its stroke becomes a text zone when it is small enough (SeuilTailleCar),
// encloses no other component or zone and holds enough strokes. A zone moves
// from CompConnexes to ZonesTexte; the vectors in its box are deleted; the
// strokes in its box move from Quadrilateres to QuadsTexte (NbQuads follows)
// and their candidates go. Returns the number of zones made.
int32_t Selection_CC(Contexte& ctx, Document& doc);
