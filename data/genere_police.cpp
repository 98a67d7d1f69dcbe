// Writes the font file from its text source: genere_police police.txt police.dat
#include <fstream>
#include <iostream>
#include <string>

#include "text/ecriture_sure.h"
#include "text/police.h"
#include "text/source_police.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: genere_police SOURCE.txt POLICE.dat\n";
    return 2;
  }
  std::ifstream source(argv[1]);
  if (!source) {
    std::cerr << argv[1] << ": cannot open\n";
    return 1;
  }
  ListePolice police;
  ErreurSource erreur;
  if (!Lit_source_police(source, police, erreur)) {
    std::cerr << argv[1];
    if (erreur.Ligne > 0) std::cerr << ":" << erreur.Ligne;
    std::cerr << ": " << erreur.Texte << "\n";
    return 1;
  }
  const auto N = static_cast<int32_t>(police.size());
  if (!Remplace_fichier(argv[2], Code_police(police, N))) {
    std::cerr << argv[2] << ": cannot write\n";
    return 1;
  }
  std::cout << argv[2] << ": " << N << " glyphs\n";
  return 0;
}
