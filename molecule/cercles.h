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

  // A circle the ring stages took for a polygon of many sides (all its
  // vertices about as far from their centre), in a ring they did not find
  // (a label at one of its corners, say): its centre and radius.
  struct Cercle {
    Point_lu Centre;
    double Rayon;
  };
  const std::vector<Cercle>& Cercles_seuls() const { return seuls; }
  // Whether p lies where the ring around such a circle has its atoms.
  static bool Au_tour(const Cercle& c, Point_lu p);

 private:
  struct Anneau {
    const Symbole* Polygone;
    Point_lu Centre;
    double Interieur, Exterieur;  // radii of the band, pixels
  };
  std::vector<Anneau> anneaux;  // those holding a circle (lone circles too, with no polygon)
  std::vector<Cercle> seuls;
  Grille_boites grille{64};     // their bands' boxes
};
