// Scores the molecules read from drawings against their truths:
// mesure_molecules TRUTH_DIR RESULT_DIR [--mol] [--liste] [--prefixe P]
//                  [--sauf-prefixe P] [--noms FILE] [--ligne TITLE] [--entete]
// TRUTH_DIR holds NAME.smi truths ("SMILES<TAB>NAME"), or with --mol NAME.mol
// reference molfiles; RESULT_DIR holds NAME.smi results
// ("SMILES<TAB>NAME<TAB>CONFIDENCE"). --liste prints the misses, --ligne one
// row of a table (--entete its header first).
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "outils/mesures/comparaison_mol.h"

namespace {

const char* const USAGE =
    "usage: mesure_molecules TRUTH_DIR RESULT_DIR [--mol] [--liste] [--prefixe P] [--sauf-prefixe P]\n"
    "                        [--noms FILE] [--ligne TITLE] [--entete]\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << USAGE;
    return 2;
  }
  Options_mesure o;
  bool liste = false, entete = false;
  std::string titre;
  for (int i = 3; i < argc; ++i) {
    const std::string a = argv[i];
    const bool suivant = i + 1 < argc;
    if (a == "--mol") {
      o.Molfiles = true;
    } else if (a == "--liste") {
      liste = true;
    } else if (a == "--entete") {
      entete = true;
    } else if (a == "--prefixe" && suivant) {
      o.Prefixe = argv[++i];
    } else if (a == "--sauf-prefixe" && suivant) {
      o.Sauf_prefixe = argv[++i];
    } else if (a == "--ligne" && suivant) {
      titre = argv[++i];
    } else if (a == "--noms" && suivant) {
      std::ifstream f(argv[++i]);
      if (!f) {
        std::cerr << "mesure_molecules: cannot read " << argv[i] << "\n";
        return 2;
      }
      std::string nom;
      while (f >> nom) o.Noms.push_back(nom);
    } else {
      std::cerr << USAGE;
      return 2;
    }
  }
  const Scores s = Mesure_molecules(argv[1], argv[2], o);
  for (const std::string& n : s.Illisibles) std::cerr << "truth unreadable: " << n << "\n";
  if (s.Molecules == 0) {
    std::cerr << "mesure_molecules: no truth read in " << argv[1] << "\n";
    return 1;
  }
  if (liste)
    for (const Manque& m : s.Manques) std::cout << m.Nom << "\t" << m.Verite << "\t" << m.Resultat << "\n";
  if (entete) Ecrit_entete_scores(std::cout);
  if (titre.empty())
    Ecrit_scores(s, std::cout);
  else
    Ecrit_ligne_scores(s, titre, std::cout);
  return 0;
}
