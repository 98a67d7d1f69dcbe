// The primitives of vectorisation. Field widths are part of the behaviour:
// Etat, Ep1, Ep2... wrap around as 8-bit values, the text fields as 16-bit.
// Lists are std::list: creation order, stable addresses, erase to release.
#pragma once

#include <cstdint>
#include <list>

// A straight piece of a contour, ink on its left from (x1,y1) to (x2,y2).
struct Vecteur {
  int32_t x1 = 0, y1 = 0;
  int32_t x2 = 0, y2 = 0;
  int32_t Longueur = 0;  // pixels, rounded up
  int32_t Angle = 0;     // degrees 0..179
  uint8_t Etat = 0;      // 0 new, 1 shortened or left over, 250 no partner
};

// Bounding box of one outer contour; also a text zone once localised.
struct CompConnexe {
  int32_t xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  char Caractere[4] = {};  // best model's name, NUL-terminated
  char Proche[4] = {};     // second model's name
  int16_t Classe = 0;      // 1 capital, 2 small, 3 digit, 4 sign, 5 complex, -1 blank, -2 other, 0 not classed
  int16_t Taux = 0;        // cells differing from the best model
  int16_t Taux2 = 0;       // cells differing from the second model
  int16_t Etat = 0;        // recognition state
  uint16_t Zone = 0;       // group of characters it belongs to
  uint16_t Rang = 0;       // position in that group
  int16_t NumModele = 0;   // position (from 1) of the best model
  int16_t NumProche = 0;   // position (from 1) of the second model
};

// Two facing vectors bounding one thick stroke. Side 1 runs from corner 1 to
// corner 2, side 2 from corner 3 to corner 4: corner 1 faces corner 4 and
// corner 2 faces corner 3. Longueur 0 marks a separator between chains.
struct Quadrilatere {
  int32_t x1 = 0, y1 = 0;
  int32_t x2 = 0, y2 = 0;
  int32_t x3 = 0, y3 = 0;
  int32_t x4 = 0, y4 = 0;
  int32_t Longueur = 0;  // larger length of the two sides; 0 for a separator
  int32_t Angle1 = 0;    // degrees, side 1
  int32_t Angle2 = 0;    // degrees, side 2
  int32_t Marque = 0;    // structure analysis mark
  uint8_t Ep1 = 0;       // thickness at end 1 (corners 1 and 4), pixels
  uint8_t Ep2 = 0;       // thickness at end 2 (corners 2 and 3), pixels
  uint8_t Marque2 = 0;
  uint8_t Niveau = 0;
};

// A short stroke taken as a possible character.
struct CandidatCar {
  Quadrilatere* Quad = nullptr;  // not owned
  uint8_t Type = 0;              // 1 in a group, 2 last of its group, 11 refused component
};

using ListeVecteurs = std::list<Vecteur>;
using ListeQuads = std::list<Quadrilatere>;
using ListeCC = std::list<CompConnexe>;
using ListeCandidats = std::list<CandidatCar>;

// An end of a stroke's axis, in pixels.
struct Extremite {
  int32_t x = 0, y = 0;
};
// End 1 lies between corners 1 and 4, end 2 between corners 2 and 3 (halves
// truncated toward zero).
inline Extremite Extremite1(const Quadrilatere& q) { return {(q.x1 + q.x4) / 2, (q.y1 + q.y4) / 2}; }
inline Extremite Extremite2(const Quadrilatere& q) { return {(q.x2 + q.x3) / 2, (q.y2 + q.y3) / 2}; }

// A separator: corners 1, 3, 4 at (0,1), corner 2 at (0,0), Longueur 0.
Quadrilatere Separateur();
inline bool Est_separateur(const Quadrilatere& q) { return q.Longueur == 0; }

// Length rounded up to the next whole pixel (an exact 5.0 stays 5).
int32_t Longueur_arrondie(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// Orientation of a segment in whole degrees 0..179, 0 horizontal, growing
// counter-clockwise on the screen.
int32_t Orientation(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// Longueur of a vector from its endpoints (its Angle is set by the stages).
inline void Mesure(Vecteur& v) { v.Longueur = Longueur_arrondie(v.x1, v.y1, v.x2, v.y2); }
