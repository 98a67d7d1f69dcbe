// Reading the molecule of a document: its graph, then the molecule.
#include "molecule/molecule.h"

Molecule_lue Lit_molecule(const Document& doc, const std::string& nom) {
  return Construit_molecule(Extrait_graphe(doc), nom);
}
