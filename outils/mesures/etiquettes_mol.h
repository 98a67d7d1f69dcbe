// The atom labels a drawing shows, from its reference structure (a V2000
// molfile): every atom that is not a plain carbon, written as an element
// symbol with its implicit hydrogens and its charge ("OH", "NH2", "N+"),
// a generic group as written ("R1", "X", "Ar"), an alias as given, and each
// abbreviation (superatom group) once, as written ("CO2H", "OMe").
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

struct Etiquette_mol {
  std::string Texte;
  // The forms a drawing may write it in: the text, and for an element with
  // hydrogens the hydrogens first ("HO", "H2N"), as a label left of its bond.
  std::vector<std::string> Formes;
};

// False, with the reason, when the text is not a V2000 molfile.
bool Lit_etiquettes_mol(std::istream& flux, std::vector<Etiquette_mol>& etiquettes, std::string& erreur);
