// The symbol part of the results file: one "#Symbole#" block per symbol.
#pragma once

#include <string>

#include "structure/records.h"

class Console;
struct Document;

// Appends the blocks of ListeSymboles, in list order, to the file (which
// keeps what the text part wrote). False, with nothing written and no
// message, when the file cannot be opened.
bool Sauve_symboles(Console& con, const std::string& chemin, const Document& doc);

// The blocks as they are written.
std::string Texte_symboles(const Symboles& symboles);
