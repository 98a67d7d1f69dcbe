// A plain dump of the stroke graph and the strokes, for tuning thresholds
// and comparing runs.
#pragma once

#include <string>

struct Document;

// One line per arc (its type, the eight corner coordinates of Quad1, then
// those of Quad2), a line "-", then one line per stroke of Quadrilateres
// (separators skipped): the eight corner coordinates, Longueur, Angle1,
// Angle2, Ep1, Ep2, Marque, Marque2, Niveau. Numbers in decimal, one blank
// apart, "\n" line ends.
std::string Texte_graphe(const Document& doc);

// Writes that dump to the file, replacing it. False when it cannot be written.
bool Sauve_graphe(const std::string& chemin, const Document& doc);
