// One drawing through the chains "Représentation" and "Zones Texte" as
// vrix-batch runs them, and what its symbols file says of the labels.
#pragma once

#include <string>
#include <vector>

#include "outils/formules/verite.h"
#include "vecto/records.h"

// One "#Texte#" block of the symbols file: its name, its Sommets as written,
// and the box of all its characters (the Sommets are those of the first and
// last character only, which may miss a lower subscript in between).
struct Bloc_texte {
  std::string Nom;
  int Sx1 = 0, Sy1 = 0, Sx2 = 0, Sy2 = 0;
  int Xmin = 0, Ymin = 0, Xmax = 0, Ymax = 0;
};

struct Lecture {
  bool Ouverte = false;
  std::vector<Bloc_texte> Blocs;
  ListeQuads QuadsTexte;  // the set-aside strokes, its first dummy element included
  std::string Erreur;
};

// Runs "representation" then "zones" on the image with the working
// directory repertoire (param.dat and the libraries), a fresh run as
// vrix-batch makes it, and reads the text part of the symbols file back.
Lecture Lit_dessin(const std::string& repertoire, const std::string& image);

// What became of one label of a ground truth.
struct Sort_etiquette {
  bool Trouvee = false;          // one block's box of characters covers its ink box
  bool Trouvee_sommets = false;  // the same with the block's Sommets
  bool Lue = false;              // a block over its ink box reads exactly its text
  std::string Lu;                // the names of the blocks over its ink box, left to right
};
Sort_etiquette Juge_etiquette(const Etiquette_v& e, const std::vector<Bloc_texte>& blocs);

// Whether some set-aside stroke lies along the bond stroke: both its axis
// ends within a thickness and a half (plus 1) of the stroke's axis, between
// its ends (within a thickness plus 2).
bool Trait_pris_pour_texte(const Trait_v& t, const ListeQuads& quads_texte);
