// The sides of a ring that carry its inner double bonds, when the ring stages
// counted them ("#k") and released their strokes: the image itself is probed
// along a segment parallel to each side, inside the ring.
#pragma once

#include <vector>

#include "image/plan.h"
#include "molecule/graphe_lu.h"

// Indices i of the sides (sommets[i], sommets[i + 1 mod n]) taken as double:
// at most k of them, never two with a vertex in common, those whose inner
// parallel is most wholly inked first (at least 70 % of its samples).
std::vector<size_t> Cotes_doubles(const Plan& plan, const std::vector<Point_lu>& sommets, int k);
