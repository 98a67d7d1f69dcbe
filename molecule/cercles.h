// Rings drawn with an inner circle that the ring stages did not take as one
// (a thin circle vectorised into short strokes, found as bonds or as a
// polygon of many sides): the strokes lying in the band between a ring's
// centre and its sides, covering at least half a turn, are its circle.
#pragma once

#include <vector>

#include "molecule/graphe_lu.h"
#include "molecule/grille_boites.h"

struct Document;
struct Symbole;

class Cercles_dessines {
 public:
  // Looks at every polygon of 5 to 8 sides and the strokes of Quadrilateres.
  explicit Cercles_dessines(const Document& doc);

  // Whether the stroke a-b is a piece of one of the circles found.
  bool Contient(Point_lu a, Point_lu b) const;
  // Whether a circle was found inside this polygon.
  bool Dans(const Symbole& polygone) const;

 private:
  struct Anneau {
    const Symbole* Polygone;
    Point_lu Centre;
    double Interieur, Exterieur;  // radii of the band, pixels
  };
  std::vector<Anneau> anneaux;  // those holding a circle
  Grille_boites grille{64};     // their bands' boxes
};
