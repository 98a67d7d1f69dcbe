// Proximity groups of the candidate strokes of character localisation.
#pragma once

#include <cstdint>

#include "vecto/records.h"

class Console;
struct Document;

// Centre of a stroke: the mean of its four corners, truncated toward zero.
Extremite Centre_trait(const Quadrilatere& q);

// Reorders the candidates into chains of nearest neighbours: each chain
// starts with the remaining candidate nearest to (0,0) and takes, one at a
// time, the remaining candidate whose stroke centre is nearest to the last
// one taken, as long as that distance (rounded up) is at most distance, read
// as unsigned. The last member of each chain gets Type 2. Returns 1; 0,
// doing nothing, when NbQuads is 0; -1 after an error box when memory fails
// (the list is then left as it was).
int32_t Regroupe_quads(Console& con, const Document& doc, ListeCandidats& liste, int32_t distance);
