// Strokes, boxes and parameter files for the character localisation tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vecto/records.h"

// A thin stroke from (xa, ya) to (xb, yb): corners 1 and 4 at the first end,
// 2 and 3 at the second, so its end midpoints are these two points. Marque
// carries a number that names the stroke in the tests.
inline Quadrilatere Trait(int32_t xa, int32_t ya, int32_t xb, int32_t yb, int32_t longueur, int32_t angle = 0,
                          int32_t id = 0) {
  Quadrilatere q;
  q.x1 = xa, q.y1 = ya, q.x2 = xb, q.y2 = yb;
  q.x3 = xb, q.y3 = yb, q.x4 = xa, q.y4 = ya;
  q.Longueur = longueur;
  q.Angle1 = angle;
  q.Marque = id;
  return q;
}

// A short stroke whose centre is (x, y).
inline Quadrilatere Au_centre(int32_t x, int32_t y, int32_t angle = 0, int32_t id = 0) {
  return Trait(x - 1, y, x + 1, y, 2, angle, id);
}

inline CompConnexe Boite_cc(int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax) {
  CompConnexe k;
  k.xmin = xmin, k.ymin = ymin, k.xmax = xmax, k.ymax = ymax;
  return k;
}

inline std::string Param_localisation(int32_t seuil_quad, int32_t seuil_taille) {
  return "#SeuilQuadCar#\n=" + std::to_string(seuil_quad) + "#\n#SeuilTailleCar#\n=" +
         std::to_string(seuil_taille) + "#\n>\n";
}

// The names (Marque) of the strokes of a list, in order.
inline std::vector<int32_t> Noms(const ListeQuads& l) {
  std::vector<int32_t> n;
  for (const Quadrilatere& q : l) n.push_back(q.Marque);
  return n;
}

// The names of the candidates' strokes with their Type, in order.
inline std::vector<std::pair<int32_t, int>> Noms(const ListeCandidats& l) {
  std::vector<std::pair<int32_t, int>> n;
  for (const CandidatCar& c : l) n.push_back({c.Quad->Marque, c.Type});
  return n;
}
