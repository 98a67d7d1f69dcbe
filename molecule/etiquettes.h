// The text of a label read as a piece of molecule: element symbols with their
// hydrogens and subscripts, charges, abbreviations expanded into their atoms,
// generic groups (R1, X, Ar...) as placeholder atoms. Reads only the text;
// the atom a bond takes is chosen later from where the bond points.
#pragma once

#include <string>
#include <vector>

struct Atome_etiquette {
  int Numero = 6;          // atomic number; 0: a generic group or unread text
  int Charge = 0;          // formal charge
  int Hydrogenes = -1;     // hydrogens written; -1: none written, the chemistry fills them
  std::string Nom;         // for Numero 0: the text it stands for (R1, X, Het...)
  int Debut = 0, Fin = 0;  // characters of the text it was read from, [Debut, Fin)
  bool Pendant = false;    // hangs on its neighbour (F of CF3, H-less halogen...): bonds avoid it
};

struct Liaison_etiquette {
  int A = 0, B = 0;  // indices in Atomes
  int Ordre = 1;     // 1, 2 or 3
};

struct Fragment {
  std::vector<Atome_etiquette> Atomes;  // never empty
  std::vector<Liaison_etiquette> Liaisons;
  int Attache = -1;            // the atom every bond takes (abbreviations); -1: the atom pointed at
  bool Connue = true;          // false: text not understood, one placeholder atom named after it
  bool Generique = false;      // a generic group (R, X, Ar...)
  bool Ordres_libres = false;  // a condensed formula: orders raised by Complete_ordres
  int Longueur = 0;            // characters of the text once normalised
};

// The fragment a label's text stands for. An empty text is a bare carbon.
Fragment Lit_etiquette(const std::string& texte);

// The atom a bond takes when it points at the character position Caractere
// (0 = left edge of the text, Longueur = right edge).
int Atome_vise(const Fragment& f, double caractere);

// Condensed formulas (CO2H, CH2OH...) are read with single bonds: raises the
// orders between atoms that both lack valence, once the bonds arriving from
// outside are known (Valence_externe[k]: sum of their orders at atom k).
void Complete_ordres(Fragment& f, const std::vector<int>& valence_externe);
