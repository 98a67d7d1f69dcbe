// One glyph of the font written on Plan 2: a name and a 10 x 8 mask of 0
// (background) and 1 (ink) cells, the same two fields, in the same order, as
// a character model.
#pragma once

#include <list>

#include "text/cases.h"

struct Glyphe {
  char Nom[LG_NOM] = {};  // one character ("a", "="), or a special glyph ("phi")
  CasesMasque Masque{};
};

using ListePolice = std::list<Glyphe>;
