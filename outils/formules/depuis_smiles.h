// Drawings of molecules given as SMILES: RDKit's 2D layout scaled to a bond
// length drawn from the seed and made into a scene (bond strokes, ring double
// bonds drawn inside, aromatic rings with a circle or Kekulé, heteroatoms and
// charged atoms as labels with their hydrogens), and the ground truth: the
// canonical SMILES of what the drawing shows, stereo removed.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "outils/formules/jeu.h"
#include "outils/formules/peinture.h"
#include "outils/formules/scene.h"

struct Molecule_liste {
  std::string Smiles;
  std::string Nom;  // the rest of the line, may be empty
};

// The lines "SMILES [name]" of a list; blank lines and lines starting with
// '#' are passed over.
std::vector<Molecule_liste> Lit_liste_smiles(std::istream& flux);

// The canonical SMILES of a SMILES, stereo removed; empty when RDKit cannot
// read or sanitise it.
std::string Smiles_canonique(const std::string& smiles);

// The seed of molecule i of a list drawn with the seed graine, so that a
// molecule's drawing does not depend on the others.
uint32_t Graine_molecule(uint32_t graine, int i);

// The scene of the molecule named nom, its sizes and choices drawn from the
// seed in the style, and its canonical SMILES. False, with the reason, when
// it cannot be drawn sanely: unreadable, more than 30 heavy atoms, an
// isotope, a charge other than +1 or -1, a radical, an element other than
// B C N O F Si P S Cl Se Br I, atoms or bonds overlapping after the layout.
bool Scene_de_smiles(const std::string& smiles, uint32_t graine, Style_jeu style, const std::string& nom,
                     Scene& s, std::string& canonique, std::string& raison);

// Writes repertoire/NAME.bmp and repertoire/NAME.smi, the line
// "CANONICAL<TAB>NAME".
bool Ecrit_molecule(const Dessin& d, const std::string& canonique, const std::string& repertoire,
                    const std::string& nom, std::string& erreur);
