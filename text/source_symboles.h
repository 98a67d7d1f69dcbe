// The commented sources of the three symbol libraries (data/biqdl.txt,
// data/SymbSimplex.txt, data/SymbCplx.txt), from which the .dat files are
// generated. One entry a line, items separated by blanks; "#" starts a
// comment that runs to the end of the line; blank lines are skipped.
// Characters and words are printable ASCII.
//   quadrilateral symbols: a character and four counts 0..255 (horizontal,
//                          vertical, first diagonal, second diagonal); the
//                          lines of one character must follow one another
//   simple symbols:        one character, each at most once
//   complex symbols:       one word of 2 to 4 characters, each at most once
//                          (the word analysis never composes longer words)
#pragma once

#include <iosfwd>
#include <string>

#include "text/source_police.h"

enum class SorteSymboles { Quadrilateres, Simples, Complexes };

// The bytes of the library file for the source: the count, then the entries
// in source order, in the library's own layout. False, with the line and
// the fault, when the source breaks a rule above or holds no entry.
bool Code_source_symboles(std::istream& source, SorteSymboles sorte, std::string& code,
                          ErreurSource& erreur);
