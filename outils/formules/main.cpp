// Writes the sample formula drawings and their ground truths:
// genere_formules DIR [NAME...]  (all of them, A4 page included, without names)
// genere_formules --jeu SEED N DIR [propre|degrade|reel]
//   N random labelled formulas of the style (propre by default) drawn from
//   the seed, named STYLE<SEED>_0000...
// genere_formules --smiles FILE SEED DIR [propre|degrade]
//   each molecule of FILE (lines "SMILES [name]") drawn, NAME.bmp with its
//   truth NAME.smi, NAME = STYLE<SEED>_NNNN after the molecule's rank in the
//   list; those that cannot be drawn are listed on standard error
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <string>

#ifdef VRIX_SMILES
#include "outils/formules/depuis_smiles.h"
#endif
#include "outils/formules/jeu.h"
#include "outils/formules/molecules.h"
#include "outils/formules/peinture.h"
#include "outils/rendu.h"

namespace {

const char* const USAGE =
    "usage: genere_formules DIR [NAME...]\n"
    "       genere_formules --jeu SEED N DIR [propre|degrade|reel]\n"
    "       genere_formules --smiles FILE SEED DIR [propre|degrade]\n";

#ifdef VRIX_SMILES
// The drawings of the molecules of a list; the exit status.
int Dessine_liste(int argc, char** argv) {
  Style_jeu style = Style_jeu::Propre;
  const std::string nom_style = argc > 5 ? argv[5] : "propre";
  char* fin = nullptr;
  const unsigned long graine = argc > 3 ? std::strtoul(argv[3], &fin, 10) : 0;
  const bool graine_lue = argc > 3 && *argv[3] && *fin == 0 && graine <= 0xFFFFFFFFul;
  if (argc < 5 || argc > 6 || !graine_lue || !Lit_style(nom_style, style) || style == Style_jeu::Reel) {
    std::cerr << USAGE;
    return 2;
  }
  std::ifstream fichier(argv[2]);
  if (!fichier) {
    std::cerr << "genere_formules: cannot read " << argv[2] << "\n";
    return 1;
  }
  const std::vector<Molecule_liste> liste = Lit_liste_smiles(fichier);
  const std::string dir = argv[4];
  int faits = 0, sautes = 0;
  for (size_t i = 0; i < liste.size(); ++i) {
    char suffixe[32];
    std::snprintf(suffixe, sizeof suffixe, "_%04zu", i);
    const std::string nom = nom_style + std::to_string(graine) + suffixe;
    Scene s;
    std::string canonique, raison;
    if (!Scene_de_smiles(liste[i].Smiles, Graine_molecule(static_cast<uint32_t>(graine), static_cast<int>(i)),
                         style, nom, s, canonique, raison)) {
      std::cerr << "skipped " << liste[i].Smiles << " " << liste[i].Nom << ": " << raison << "\n";
      ++sautes;
      continue;
    }
    Dessin d;
    std::string erreur;
    if (!Dessine(s, d, erreur) || !Ecrit_molecule(d, canonique, dir, nom, erreur)) {
      std::cerr << "genere_formules: " << erreur << "\n";
      return 1;
    }
    std::cout << nom << "\t" << canonique << "\t" << liste[i].Nom << "\n";
    ++faits;
  }
  std::cerr << faits << " drawn, " << sautes << " skipped\n";
  return faits > 0 ? 0 : 1;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  const auto app = Demarre_rendu(argc, argv);
  if (argc < 2 || std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help") {
    std::cerr << USAGE;
    return 2;
  }
  std::string dir = argv[1];
  if (dir == "--smiles") {
#ifdef VRIX_SMILES
    return Dessine_liste(argc, argv);
#else
    std::cerr << "genere_formules: built without RDKit, no drawing from SMILES\n";
    return 2;
#endif
  }
  std::set<std::string> noms;
  std::vector<Scene> scenes;
  if (dir == "--jeu") {
    Style_jeu style = Style_jeu::Propre;
    const std::string nom_style = argc > 5 ? argv[5] : "propre";
    char* fin = nullptr;
    const unsigned long graine = argc > 2 ? std::strtoul(argv[2], &fin, 10) : 0;
    const bool graine_lue = argc > 2 && *argv[2] && *fin == 0;
    const long n = argc > 3 ? std::strtol(argv[3], &fin, 10) : 0;
    if (argc < 5 || argc > 6 || !graine_lue || *fin != 0 || n < 1 || n > 100000 || !Lit_style(nom_style, style)) {
      std::cerr << USAGE;
      return 2;
    }
    dir = argv[4];
    scenes = Jeu_formules(static_cast<uint32_t>(graine), static_cast<int>(n), style,
                          nom_style + std::to_string(graine));
  } else {
    noms.insert(argv + 2, argv + argc);
    scenes = Catalogue();
    scenes.push_back(Page_a4_formules(scenes));
  }
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
