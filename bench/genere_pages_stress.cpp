// Writes the stress pages as BMP files, NAME_xA.bmp for the area factor A
// (1, 4 and 16 unless scales are given), into the given directory.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "image/bmp.h"
#include "samples/pages_stress.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: genere_pages_stress DIR [SCALE...]  (scale 1, 2 or 4 per side)\n");
    return 2;
  }
  const std::string repertoire = argv[1];
  std::vector<int> echelles;
  for (int i = 2; i < argc; ++i) echelles.push_back(std::atoi(argv[i]));
  if (echelles.empty()) echelles = {1, 2, 4};
  for (const PageStress& page : Pages_stress())
    for (const int e : echelles) {
      if (e < 1 || e > 8) continue;
      const std::string chemin = repertoire + "/" + page.Nom + "_x" + std::to_string(e * e) + ".bmp";
      std::ofstream f(chemin, std::ios::binary);
      if (!Ecrit_bmp(page.Dessine(e), f)) {
        std::fprintf(stderr, "%s: cannot be written\n", chemin.c_str());
        return 1;
      }
      std::printf("%s\n", chemin.c_str());
    }
  return 0;
}
