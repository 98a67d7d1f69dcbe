// Strokes, arcs and documents for the structure tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "structure/records.h"

// A stroke with its four corners: Longueur the longer side, rounded up, and
// the angles of the two sides.
inline Quadrilatere Quad(Extremite c1, Extremite c2, Extremite c3, Extremite c4) {
  Quadrilatere q;
  q.x1 = c1.x, q.y1 = c1.y, q.x2 = c2.x, q.y2 = c2.y;
  q.x3 = c3.x, q.y3 = c3.y, q.x4 = c4.x, q.y4 = c4.y;
  q.Longueur = std::max(Longueur_arrondie(q.x1, q.y1, q.x2, q.y2), Longueur_arrondie(q.x3, q.y3, q.x4, q.y4));
  q.Angle1 = Orientation(q.x1, q.y1, q.x2, q.y2);
  q.Angle2 = Orientation(q.x3, q.y3, q.x4, q.y4);
  return q;
}

// A horizontal or vertical stroke from end 1 (x1, y1) to end 2 (x2, y2),
// h pixels on each side of its axis; side 1 runs from end 1 to end 2 and
// side 2 back, as quadrilateral construction gives them.
inline Quadrilatere Trait(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t h = 3) {
  const int32_t sx = x2 > x1 ? 1 : x2 < x1 ? -1 : 0, sy = y2 > y1 ? 1 : y2 < y1 ? -1 : 0;
  const int32_t nx = -sy * h, ny = sx * h;
  return Quad({x1 - nx, y1 - ny}, {x2 - nx, y2 - ny}, {x2 + nx, y2 + ny}, {x1 + nx, y1 + ny});
}

// A stroke reduced to its axis, as graph analysis leaves it.
inline Quadrilatere Axe(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return Quad({x1, y1}, {x2, y2}, {x2, y2}, {x1, y1});
}

// Ink over the box of the stroke's corners.
inline void Encre(Plan& p, const Quadrilatere& q) {
  Rectangle_plein(p, std::min({q.x1, q.x2, q.x3, q.x4}), std::min({q.y1, q.y2, q.y3, q.y4}),
                  std::max({q.x1, q.x2, q.x3, q.x4}), std::max({q.y1, q.y2, q.y3, q.y4}));
}

// A console, a context and an open document with a blank image.
struct Cas {
  explicit Cas(int32_t largeur = 300, int32_t hauteur = 300) { Installe_plan(doc, Plan_blanc(largeur, hauteur)); }
  Quadrilatere* Ajoute(const Quadrilatere& q) {
    doc.Quadrilateres.push_back(q);
    ++doc.NbQuads;
    return &doc.Quadrilateres.back();
  }
  Arc& Relie(Quadrilatere* a, Quadrilatere* b, char type) {
    doc.ListeArcs.push_back(Arc{a, b, type});
    return doc.ListeArcs.back();
  }
  // The arcs as "type:i-j", i and j the strokes' positions in Quadrilateres.
  std::vector<std::string> Arcs_lus() const {
    std::vector<std::string> r;
    auto rang = [&](const Quadrilatere* q) {
      int i = 0;
      for (const Quadrilatere& x : doc.Quadrilateres) {
        if (&x == q) return i;
        ++i;
      }
      return -1;
    };
    for (const Arc& a : doc.ListeArcs) {
      std::string t(1, a.Type);
      t += ':';
      t += std::to_string(rang(a.Quad1));
      t += '-';
      t += std::to_string(rang(a.Quad2));
      r.push_back(t);
    }
    return r;
  }
  Banc b;
  Document doc;
};

using Textes = std::vector<std::string>;
