// Writes a symbol library from its commented source:
//   genere_symboles quadrilateres|simples|complexes SOURCE.txt LIBRARY.dat
#include <fstream>
#include <iostream>
#include <string>

#include "text/ecriture_sure.h"
#include "text/source_symboles.h"

int main(int argc, char** argv) {
  const std::string sorte = argc == 4 ? argv[1] : "";
  SorteSymboles s;
  if (sorte == "quadrilateres") {
    s = SorteSymboles::Quadrilateres;
  } else if (sorte == "simples") {
    s = SorteSymboles::Simples;
  } else if (sorte == "complexes") {
    s = SorteSymboles::Complexes;
  } else {
    std::cerr << "usage: genere_symboles quadrilateres|simples|complexes SOURCE.txt LIBRARY.dat\n";
    return 2;
  }
  std::ifstream source(argv[2]);
  if (!source) {
    std::cerr << argv[2] << ": cannot open\n";
    return 1;
  }
  std::string code;
  ErreurSource erreur;
  if (!Code_source_symboles(source, s, code, erreur)) {
    std::cerr << argv[2];
    if (erreur.Ligne > 0) std::cerr << ":" << erreur.Ligne;
    std::cerr << ": " << erreur.Texte << "\n";
    return 1;
  }
  if (!Remplace_fichier(argv[3], code)) {
    std::cerr << argv[3] << ": cannot write\n";
    return 1;
  }
  std::cout << argv[3] << ": " << code.substr(0, code.find('\n')) << " entries\n";
  return 0;
}
