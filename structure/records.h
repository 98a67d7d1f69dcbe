// The records of structure analysis: the arcs of the stroke graph and the
// symbols found in it. Lists are std::list, like the vectorisation lists: an
// Arc holds the addresses of two Quadrilatere records of Quadrilateres.
#pragma once

#include <cstdint>
#include <list>

#include "vecto/records.h"

// One relation between two strokes. Type is one of "X", "T", "L", "_", "P",
// "~", "t", "l"; for "T" and "t", Quad1 is the bar and Quad2 the stem.
struct Arc {
  Quadrilatere* Quad1 = nullptr;  // not owned
  Quadrilatere* Quad2 = nullptr;  // not owned
  char Type = 0;
};

struct Sommet {
  int32_t x = 0, y = 0;
};

// A result of structure analysis: 100 polygon, 200 chain, 300 bond, 500 cross.
struct Symbole {
  static constexpr int NB_SOMMETS = 20;
  static constexpr int LG_COMMENTAIRE = 20;  // the NUL included

  int32_t Type = 0;
  uint32_t Nb = 0;        // polygon: vertices; chain: segments; bond, cross: strokes
  int32_t Reserve = 0;    // always 0
  char Commentaire[LG_COMMENTAIRE] = {};
  Sommet Sommets[NB_SOMMETS] = {};
};

using Arcs = std::list<Arc>;
using Symboles = std::list<Symbole>;

// Centre of a stroke: the middle of its two ends (halves truncated).
inline Extremite Centre(const Quadrilatere& q) {
  const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
  return {(e1.x + e2.x) / 2, (e1.y + e2.y) / 2};
}

// Type in upper case, as most readers of the graph compare it.
inline char Majuscule(char type) { return type >= 'a' && type <= 'z' ? static_cast<char>(type - 'a' + 'A') : type; }
