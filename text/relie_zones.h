// Linking zones that continue one another: a zone whose first character
// lies just right of another zone's last character joins it. Reads the
// boxes, Zone and Rang of the grouped list; renumbers records in place.
#pragma once

#include <cstdint>

#include "vecto/records.h"

// For each zone k from 1 to NbZones: its member X of largest xmin, and the
// nearest first member F (Rang 1) of another zone starting right of X (the
// squared distance from F's left edge and middle height to X's right edge and
// middle height; the first in list order among equals). When the larger of
// their widths is at least that distance, the records of F's zone that follow
// F in the list take number k, and zone k is examined again.
void Relie_zones(ListeCC& zones, uint16_t NbZones);
