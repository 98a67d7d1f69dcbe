// The vectors of a list indexed by their first and by their second endpoint,
// for quadrilateral construction: a vector is known by its rank in the list,
// and each point carries the vector's class of direction, so that a search
// for a facing vector passes over the cells holding none that could face it.
#pragma once

#include <cstdint>
#include <vector>

#include "vecto/grille_points.h"
#include "vecto/records.h"

class GrilleVecteurs {
 public:
  // Every vector of the list, rank r being the r-th of the list; cells of
  // cote pixels at least, more on a sparse page. A vector later placed must
  // lie within the box of the list's endpoints (a cut keeps a vector within
  // its old box).
  GrilleVecteurs(const ListeVecteurs& liste, int64_t cote);

  // Puts vector r (again) at its endpoints, with its class.
  void Place(uint32_t r, const Vecteur& v);
  void Retire(uint32_t r);

  // Vector r as last placed, read from an array packed by rank rather than
  // from the list's scattered records.
  const Vecteur& Copie(uint32_t r) const { return copies[r]; }

  // The classes that may hold a vector v with |v.Angle - v1.Angle| below
  // pente or above 180 - pente, and (v.x2 - v.x1, v.y2 - v.y1) . (v1.x2 -
  // v1.x1, v1.y2 - v1.y1) below 0.
  Classes Classes_opposees(const Vecteur& v1, int32_t pente) const;

  const GrillePoints& Debuts() const { return debuts; }
  const GrillePoints& Fins() const { return fins; }

 private:
  uint8_t Classe(const Vecteur& v) const;

  // Whether every Angle of the list lies in 0..179, so that it tells the
  // vectors apart; otherwise only the signs of their extents do.
  bool angles_classes = true;
  GrillePoints debuts, fins;
  std::vector<Vecteur> copies;
};
