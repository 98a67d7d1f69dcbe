// Rings found in the stroke graph: from every free corner arc, the shortest
// cycle through it (breadth first), checked on the image, labelled, its
// inside analysed, recorded as a polygon symbol with one vertex per corner.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "structure/records.h"

struct Contexte;
struct Document;

// A cycle: the strokes in path order from entry 0, ended by the first empty entry.
constexpr int NB_ENTREES_CYCLE = 200;
using Liste_cycle = std::array<Quadrilatere*, NB_ENTREES_CYCLE>;
// A breadth-first frontier holds at most this many strokes.
constexpr int NB_FRONTIERE_MAX = 199;

// Every arc "L" between two free strokes (both ends connected, Longueur above
// 20, Marque 0) starts a search; each ring accepted is logged, labelled and,
// when it has at most 20 sides, appended to ListeSymboles. Clears Plan 2.
void Localise_polygones(Contexte& ctx, Document& doc);

// The shortest cycle of 4 strokes or more through the arc, its Quad1 first
// and its Quad2 last, the arc itself left out. Sets Niveau of the strokes.
// The number of strokes, or 0.
int32_t Cherche_cycle(Document& doc, const Arc& depart, Liste_cycle& cycle);

// Checks that the cycle of n strokes closes on Plan 1, merges the sides that
// continue each other (n follows), labels the sides and analyses the inside.
// 0 rejected, 1 plain, 2 with a circle, 11 with one inner bond, 10 + k with k
// inner components. The vertices, when accepted, are the corners of the
// sides as they were before the inside analysis (which may erase strokes).
int32_t Valide_polygone(Contexte& ctx, Document& doc, Liste_cycle& cycle, int32_t& n);
int32_t Valide_polygone(Contexte& ctx, Document& doc, Liste_cycle& cycle, int32_t& n, std::vector<Sommet>& sommets);

// The two ends of a stroke, kept apart from the stroke.
struct Bouts {
  Extremite e1, e2;
};
inline Bouts Bouts_de(const Quadrilatere& q) { return {Extremite1(q), Extremite2(q)}; }

// Which ends of two consecutive strokes a and b meet: of |b1-a1|, |b1-a2|,
// |b2-a1|, |b2-a2| the first smallest; bit 0 set for a's end 2, bit 1 for b's.
int Jonction(const Bouts& a, const Bouts& b);

// The middle of two points, halves truncated toward zero.
Sommet Milieu(Extremite a, Extremite b);

// One vertex per side of a closed ring: the first stroke's end at its joint
// with the second, then the middles of consecutive ends, the last one closing
// on the first stroke's far end. At least two sides.
std::vector<Sommet> Sommets_polygone(const std::vector<Bouts>& cotes);

// The polygon symbol: Type 100, Nb n, the comment of the result code ("@"
// for 2, "#k" for 10 + k) and its log lines after " Polygone a %d cotes.".
// Appended only when its n vertices fit (20 at most).
void Ajoute_polygone(Contexte& ctx, Document& doc, int32_t n, int32_t code, const std::vector<Sommet>& sommets);

// NumGroupe + 1 and the label of the new group.
uint8_t Nouveau_groupe(Contexte& ctx);
