// The bond strokes of a document after "Totale". Reads Quadrilateres (every
// stroke but the separators), Plan 1 (thickness) and the bond and cross
// symbols of ListeSymboles; changes nothing. A multiple bond becomes one
// stroke of its order, and two strokes cut at a cross are joined back.
#pragma once

#include <vector>

#include "molecule/graphe_lu.h"

struct Document;
class Cercles_dessines;

struct Trait_lu {
  Point_lu A, B;  // axis ends, pixels, as drawn (or as joined back)
  int Ordre = 1;  // 1, 2 or 3
};

// Typical length of a bond: the upper quartile of the lengths of the strokes'
// axes, pixels (bonds to labels stop short of them, pieces of letters are
// short); 0 without a stroke.
// The pieces of the circles drawn in rings are left out.
double Longueur_typique(const Document& doc, const Cercles_dessines& cercles);

// Median thickness of the strokes, pixels, measured on Plan 1 across the
// axis at a third, half and two thirds of each stroke (the records no longer
// hold it once the graph is built); 0 when nothing could be measured.
double Epaisseur_mediane(const Document& doc);

// One stroke per bond. For a bond symbol of n strokes (n >= 2), the stroke
// whose ends lie nearest to the rest of the drawing carries the order
// min(n, 3) and its partners are dropped; when it runs on well past its
// partners at one end (a single bond fused with it in line), the part past
// them is a single bond of its own. The two strokes of a cross symbol, when
// found cut at the crossing, are joined back, unless the cross is a carbon
// drawn as a "+". Strokes are then cut where they run through an atom
// (Coupe_aux_jonctions). tolerance: pixels, how far two ends may lie apart
// and still meet; contact: pixels, how near a stroke's axis an end touches it.
// The pieces of the circles drawn in rings (cercles) are no bonds.
std::vector<Trait_lu> Traits_de_liaison(const Document& doc, double tolerance, double contact,
                                        const Cercles_dessines& cercles);
