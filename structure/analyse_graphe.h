// Graph analysis: strokes that continue each other are merged, the arc types
// reduced to "L", "P" and "X", duplicate arcs and strokes shorter than 10
// pixels removed, and every stroke reduced to its axis.
#pragma once

#include <cstdint>

#include "structure/records.h"

struct Contexte;
struct Document;

// Walks ListeArcs merging the strokes of every "~" and "_" arc, then
// reduces the types and removes duplicates, far or crowded "P" arcs and short
// strokes, and flattens every stroke onto its axis. Returns 1.
int32_t Analyse_graphe(Contexte& ctx, Document& doc);

// Merges S2 into S1 when they continue each other: S1 then runs between the
// far ends, the arcs of S2 are re-attached to S1 (a stroke met at the joint
// becoming a "T", or an "X" when it crossed it), and the arc and S2 are
// released; arc is then the arc that followed it. Otherwise returns 0 with the
// arc's Type possibly turned to "P" (overlap) or "L" (angle) and arc unchanged.
int32_t Fusion_alignes(Document& doc, Arcs::iterator& arc, Quadrilatere* S1, Quadrilatere* S2);
