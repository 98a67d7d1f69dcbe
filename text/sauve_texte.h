// The text part of the symbols result file: a header naming the file and the
// image, then one "#Texte#" block per zone of characters (1 to NbZones).
#pragma once

#include <string>
#include <vector>

struct CompConnexe;
struct Document;

// Creates (or replaces) the file and writes the header and the blocks. A
// zone's characters are written in increasing xmin (list order among equal
// ones), so that a zone joined by linking to one further left still reads
// left to right; its corners are those of its first and last character in
// that order. False, with nothing written, when the file cannot be created.
bool Sauve_texte(const std::string& chemin, const Document& doc);

// The same text, for writers that add to it before it reaches the disk.
std::string Texte_resultats(const std::string& chemin, const Document& doc);

// The records of zones 1 to NbZones, entry k - 1 for zone k, each in
// increasing xmin (list order among equal ones): how the text is read.
std::vector<std::vector<const CompConnexe*>> Zones_ordonnees(const Document& doc);
