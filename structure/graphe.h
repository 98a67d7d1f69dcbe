// The stroke graph: Quadrilateres sorted by decreasing length, then one arc
// of ListeArcs for every pair of strokes that cross, touch, continue each
// other or run side by side.
#pragma once

#include <cstdint>

#include "vecto/records.h"

struct Contexte;
struct Document;

// Drops the separators (NbQuads follows) and sorts Quadrilateres by
// decreasing Longueur, equal lengths keeping their order. 0 when NbQuads is
// 0 (nothing done), else 1.
int32_t Tri_longueur(Contexte& ctx, Document& doc);

// Appends to ListeArcs the arcs between every stroke and the later strokes
// of its search zone (50 pixels around its axis); may replace Angle2 of the
// strokes by 180 - Angle2. Reads Plan 1 for the inked gaps. 0 when NbQuads
// is 0, else 1.
int32_t Construit_graphe(Contexte& ctx, Document& doc);

// The search zone of a stroke: its axis (end 2 -> end 1) lengthened by 50
// pixels at both ends and widened by 50 on both sides, corners Z1..Z4.
// False, zone untouched, when the two ends coincide.
bool Zone_recherche(const Quadrilatere& q, Extremite (&zone)[4]);

// The axis line of a stroke across a W x H image: from x = 1 to x = W for a
// mostly horizontal stroke, else from y = 1 to y = H. False when the stroke's
// ends coincide (no line).
bool Ligne_axe(const Quadrilatere& q, int32_t W, int32_t H, Extremite& a, Extremite& b);
