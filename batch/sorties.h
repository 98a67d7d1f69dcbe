// Where vrix-batch writes the results of one image, and what it writes.
#pragma once

#include <string>

class Console;
struct Document;

// The outputs' stem. NAME is the image's file name after its last "/",
// less a final ".bmp" in any case. With a result directory: that directory
// and NAME joined by one "/"; without: the image's directory as given, then
// NAME ("x.bmp" gives "x", "d/x.bmp" gives "d/x").
std::string Racine_sortie(const std::string& image, const std::string& sortie);

// STEM.vecto.vrx and STEM.plan2.bmp, then, when an analysis command ran,
// STEM.vrx: the symbols file as the window saves it, and when asked
// STEM.graphe.txt: the dump of the stroke graph. False when one could not be
// written (the others are still written).
bool Sauve_resultats(Console& con, const Document& doc, const std::string& racine, bool analyse, bool graphe);

// Removes the files Sauve_resultats writes for the stem, those that exist.
void Efface_resultats(const std::string& racine);
