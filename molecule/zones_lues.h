// The labels of a document after "Totale": one per zone of characters
// (ZonesTexte grouped by Zone, 1 to NbZones), read left to right. Changes
// nothing in the document.
#pragma once

#include <vector>

#include "molecule/graphe_lu.h"

struct Document;

// Each zone holding at least one record becomes a labelled atom: its text
// (the characters' names in reading order), the box around all of them, the
// point at its centre, and Douteuse when a character is not recognised
// (state other than 1 and 2) or has no name.
std::vector<Atome_lu> Etiquettes_zones(const Document& doc);
