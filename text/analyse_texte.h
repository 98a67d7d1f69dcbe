// Word analysis: the characters of each zone checked against the symbols
// that may stand alone (SymbSimplex.dat) and the words they may form
// (SymbCplx.dat). Reads and rewrites the choices of the grouped list: a
// record ends recognised (Etat 1), possibly with its second choice or its
// capital taken, or as a problem (Etat -2).
#pragma once

#include <string>
#include <vector>

#include "text/symboles_bib.h"
#include "vecto/records.h"

// The word spelt by the records' first characters: capitals as they are,
// small letters too except the first, written as its capital; any other
// class gives the empty word.
std::string Compose_mot(const std::vector<CompConnexe*>& mot);

// Each zone is read in windows: a record and the small letters that follow
// it (9 records at most). The longest head of the window, of 2 to 4 records,
// that spells a complex symbol, possibly with some records' second choices,
// is taken as a word; otherwise the record stands alone.
void Analyse_texte(ListeCC& zones, const ListeSymbSimples& simples, const ListeSymbComplexes& complexes);
