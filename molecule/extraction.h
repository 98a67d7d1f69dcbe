// Pieces of Extrait_graphe that the tests and the benchmarks reach.
#pragma once

// How far apart, in pixels, two stroke ends (or an end and a label's box)
// may lie and still be one atom: twice the median stroke thickness, or a
// quarter of the typical bond length when that is more, and never under
// 3 pixels. Ends between once and twice this distance from an atom they did
// not join are counted as ambiguous.
double Tolerance_bouts(double longueur_mediane, double epaisseur_mediane);
