// The molecule of a document, as vrix-batch writes it: STEM.mol (Molfile
// V2000) and STEM.smi, one line "SMILES<TAB>NAME<TAB>CONFIDENCE".
#pragma once

#include <string>

class Console;
struct Document;
struct Resultat_document;

// The line of the .smi file (and of standard output in --smiles mode), with
// its line end. NAME is the image's file name less its extension; the
// confidence has two decimals.
std::string Ligne_smiles(const std::string& smiles, const std::string& image, double confiance);

// Reads the molecule of the document and writes the files asked for; the
// SMILES and the confidence go into r. False, with an error box, when a
// file could not be written. Without the molecule library it does nothing.
bool Sauve_molecule(Console& con, const Document& doc, const std::string& racine, bool mol, bool smiles,
                    Resultat_document& r);
