// The molecule read from a document after "Totale": the document's lists are
// only read (Extrait_graphe), the atoms and bonds become a molecule checked
// by the chemistry library (Construit_molecule), written as Molfile and SMILES.
#pragma once

#include <string>

#include "molecule/graphe_lu.h"

struct Document;

struct Molecule_lue {
  std::string Molfile;    // V2000, 2D coordinates from the image, y upwards
  std::string Smiles;     // canonical, without stereo; empty when no atom was read
  double Confiance = 0;   // 0..1, see Construit_molecule
  std::string Probleme;   // why the library refused the structure; empty when it passed
  int NbAtomes = 0;       // heavy atoms
  int NbFragments = 0;    // connected groups of atoms
};

// Atoms and bonds of what "Totale" left in the document (strokes, symbols,
// zones of characters). Changes nothing in the document.
Graphe_lu Extrait_graphe(const Document& doc);

// The molecule of the graph; Nom is the Molfile's title line. A structure
// the library refuses is still written, with Probleme saying why.
Molecule_lue Construit_molecule(const Graphe_lu& graphe, const std::string& nom);

// Both at once.
Molecule_lue Lit_molecule(const Document& doc, const std::string& nom);
