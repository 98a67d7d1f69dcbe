// Grouping the text zones into zones of neighbouring characters. Reads the
// boxes of the list and the mean width and height of the recognised zones;
// rebuilds the list zone after zone, each zone by increasing xmin with Zone
// and Rang set (a record at the xmin of an earlier one of its zone is
// dropped); returns the number of zones made.
#pragma once

#include <cstdint>

#include "vecto/records.h"

// Whether Y is a neighbour of R with the distance limits tx and ty: near
// edges or ends, or a corner of one strictly inside the other.
bool Zones_voisines(const CompConnexe& R, const CompConnexe& Y, int64_t tx, int64_t ty);

// The limits are half the mean width and height (xmax - xmin, ymax - ymin),
// or, when a mean is 0, half the larger of the two records' sizes. Each zone
// opens at the first record left alone and spreads, from each member, to
// the neighbours that follow that member in the list.
uint16_t Regroupe_zones(ListeCC& zones, int32_t moyenne_largeur, int32_t moyenne_hauteur);
