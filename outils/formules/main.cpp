// Writes the sample formula drawings and their ground truths:
// genere_formules DIR [NAME...]  (all of them, A4 page included, without names)
#include <iostream>
#include <set>
#include <string>

#include "outils/formules/molecules.h"
#include "outils/formules/peinture.h"
#include "outils/rendu.h"

int main(int argc, char** argv) {
  const auto app = Demarre_rendu(argc, argv);
  if (argc < 2 || std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help") {
    std::cerr << "usage: genere_formules DIR [NAME...]\n";
    return 2;
  }
  const std::string dir = argv[1];
  const std::set<std::string> noms(argv + 2, argv + argc);
  std::vector<Scene> scenes = Catalogue();
  scenes.push_back(Page_a4_formules(scenes));
  int faits = 0;
  for (const Scene& s : scenes) {
    if (!noms.empty() && !noms.count(s.Nom)) continue;
    Dessin d;
    std::string erreur;
    if (!Dessine(s, d, erreur) || !Ecrit_dessin(d, dir, s.Nom, erreur)) {
      std::cerr << "genere_formules: " << erreur << "\n";
      return 1;
    }
    std::cout << s.Nom << ": " << d.V.Traits.size() << " strokes, " << d.V.Etiquettes.size() << " labels\n";
    ++faits;
  }
  if (faits == 0) {
    std::cerr << "genere_formules: no drawing of that name\n";
    return 2;
  }
  return 0;
}
