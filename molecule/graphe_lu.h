// The drawing read as atoms and bonds, before any chemistry: where each atom
// lies on the image, the text written there, and which strokes join them.
// Extrait_graphe fills it from a document; Construit_molecule reads it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Point_lu {
  double x = 0, y = 0;  // pixels, y downwards
};

struct Atome_lu {
  Point_lu P;              // the vertex, or the centre of the label's box
  std::string Etiquette;   // text of the zone of characters; empty: a bare vertex (carbon)
  int32_t xmin = 0, ymin = 0, xmax = 0, ymax = 0;  // the zone's box, when labelled
  bool Douteuse = false;   // a character of the label was read with doubt or not read
  bool Devinee = false;    // guessed from the shape of ink no character was read in
};

struct Liaison_lue {
  int A = 0, B = 0;          // indices in Atomes, A != B
  int Ordre = 1;             // 1, 2 or 3
  bool Aromatique = false;   // side of a ring drawn with an inner circle
  Point_lu Bout_A, Bout_B;   // the stroke's ends as drawn, beside A and beside B
};

struct Graphe_lu {
  std::vector<Atome_lu> Atomes;
  std::vector<Liaison_lue> Liaisons;
  double Longueur_liaison = 0;  // typical bond length (upper quartile of the strokes), pixels
  double Epaisseur = 0;         // median thickness of the bond strokes, pixels
  int Bouts_ambigus = 0;        // stroke ends left alone though close to another atom or a label
};
