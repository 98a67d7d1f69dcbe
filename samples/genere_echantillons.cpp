// Writes the two hand-drawn samples the tests and the README use:
//   genere_echantillons DIR
#include <fstream>
#include <iostream>
#include <string>

#include "image/bmp.h"
#include "samples/dessin.h"

namespace {

bool Ecrit(const std::string& chemin, const Plan& p) {
  std::ofstream f(chemin, std::ios::binary);
  if (!f || !Ecrit_bmp(p, f)) {
    std::cerr << "cannot write " << chemin << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : ".";
  bool ok = true;

  Plan hexagone = Plan_blanc(400, 300);
  Hexagone(hexagone, 200, 150, 80, 5);
  ok &= Ecrit(dir + "/hexagone.bmp", hexagone);

  ok &= Ecrit(dir + "/formule.bmp", Formule_exemple());
  return ok ? 0 : 1;
}
