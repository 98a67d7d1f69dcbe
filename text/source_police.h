// The text source of a font (data/police.txt), from which police.dat is
// generated. One glyph is a header line "@ NAME" (1 to 3 printable
// characters, no blank) followed by exactly 10 rows of 8 cells, '#' ink and
// '.' background. Blank lines and lines starting with "//" may stand between
// glyphs; a line ending in "\r" is read without it.
#pragma once

#include <iosfwd>
#include <string>

#include "text/glyphe.h"

struct ErreurSource {
  int Ligne = 0;  // 1-based line of the fault, 0 for the file as a whole
  std::string Texte;
};

// Reads the whole source; the list is only filled when the source is sound:
// at least one glyph, every mask complete, no name twice.
bool Lit_source_police(std::istream& flux, ListePolice& police, ErreurSource& erreur);
