// The straight strokes a scene's bonds are drawn with, in scene pixels: one
// for a single bond, two for a double (side by side, or the second one inside
// its ring and shorter), three for a triple. Strokes stop short of labels.
#pragma once

#include <vector>

#include "outils/formules/alea.h"
#include "outils/formules/scene.h"

struct Trait {
  Point_f A, B;       // axis ends
  double Epaisseur;   // pixels
  int Liaison;        // index of its bond
};

// An axis-aligned rectangle; empty when x0 > x1.
struct Cadre {
  double x0 = 1, y0 = 1, x1 = 0, y1 = 0;
  bool Vide() const { return x0 > x1; }
};

// The distance between the strokes of a multiple bond of this length.
double Ecart_liaison(const Scene& s, double longueur);

// Every stroke of the scene, bond after bond. cadres[a] is what atom a's
// label covers, already widened by the gap wanted between label and stroke
// (empty for a bare atom); a stroke entering it is cut at its border. The
// thickness of each stroke moves by the scene's jitter, drawn from alea in
// stroke order, and stays at least 1 pixel.
std::vector<Trait> Traits_de(const Scene& s, const std::vector<Cadre>& cadres, Alea& alea);

// Where segments a1-a2 and b1-b2 cross strictly inside both; false when
// they do not (or are parallel).
bool Intersection(Point_f a1, Point_f a2, Point_f b1, Point_f b2, Point_f& p);
