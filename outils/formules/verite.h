// The ground truth of a generated drawing: what was drawn and where, in the
// pixels of the written image (x from the left, y from the top; a point
// (x, y) lies in plane pixel (floor x, floor y)). Written beside the BMP as
// NAME.verite, one record a line, a keyword first:
//
//   verite 1
//   image W H
//   epaisseur E                      nominal stroke thickness
//   degradation ROT VAR BRUIT GRAINE rotation in degrees, thickness jitter, flip probability, seed
//   cycle N CX CY CERCLE R X1 Y1 ... XN YN   ring of N atoms; CERCLE 0/1, R its radius (0 without)
//   liaison I M X1 Y1 X2 Y2          bond I, M strokes, between the atoms' centres
//   chaine NL NT X1 Y1 ...           zigzag chain: NL bonds drawn with NT strokes, its atoms
//   croisement X Y I J               bonds I and J cross at (X, Y)
//   etiquette TEXTE XMIN YMIN XMAX YMAX      label and its ink box, pixels, bounds included
//   trait I X1 Y1 X2 Y2 E            one straight stroke of bond I: axis ends and thickness
//   traits N                         number of straight strokes (trait lines); circles are not
//
// Lines starting with '#' are comments. Reals have one decimal.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "outils/formules/scene.h"

struct Cycle_v {
  int Taille = 0;
  Point_f Centre;
  bool Cercle = false;
  double Rayon = 0;
  std::vector<Point_f> Sommets;
};

struct Liaison_v {
  int Multiplicite = 1;
  Point_f A, B;
};

struct Chaine_v {
  int NbLiaisons = 0;
  int NbTraits = 0;
  std::vector<Point_f> Atomes;
};

struct Croisement_v {
  Point_f P;
  int L1 = 0, L2 = 0;
};

struct Etiquette_v {
  std::string Texte;
  int Xmin = 0, Ymin = 0, Xmax = -1, Ymax = -1;
};

struct Trait_v {
  int Liaison = 0;
  Point_f A, B;
  double Epaisseur = 0;
};

struct Verite {
  int Largeur = 0, Hauteur = 0;
  double Epaisseur = 0;
  Degradation Degrade;
  std::vector<Cycle_v> Cycles;
  std::vector<Liaison_v> Liaisons;
  std::vector<Chaine_v> Chaines;
  std::vector<Croisement_v> Croisements;
  std::vector<Etiquette_v> Etiquettes;
  std::vector<Trait_v> Traits;
};

void Ecrit_verite(const Verite& v, std::ostream& flux);

// Reads a ground truth back; false with the line and the cause in erreur when
// a line is malformed or the count of strokes disagrees.
bool Lit_verite(std::istream& flux, Verite& v, std::string& erreur);
