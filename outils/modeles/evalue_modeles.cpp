// Measures how well a library recognises characters drawn from fonts it was
// not built from:
//
//   evalue_modeles DIR [-v] [FONT...]
//
// DIR holds param.dat and bimdl.dat. Every required name is rendered in the
// held-out fonts (FreeSans and FreeSerif unless font files are given) at each
// held-out height and compared with the whole library by Compare_car. For
// each name: renderings, the share where it is the best choice, and the share
// where it is, or the same letter in the other case comes first with a
// capital/small doubt. -v lists the misses.
#include <cstdio>
#include <iostream>
#include <string>

#include "console/console_texte.h"
#include "console/contexte.h"
#include "outils/modeles/modeles_police.h"
#include "outils/rendu.h"

int main(int argc, char** argv) {
  auto application = Demarre_rendu(argc, argv);
  if (argc < 2) {
    std::cerr << "usage: evalue_modeles DIR [-v] [FONT...]\n";
    return 2;
  }
  bool detail = false;
  JeuRendu jeu = Jeu_evaluation();
  std::vector<std::string> polices;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-v")
      detail = true;
    else
      polices.push_back(a);
  }
  if (!polices.empty()) jeu.Polices = polices;
  ConsoleTexte con;
  Contexte ctx(con, argv[1]);
  ListeModeles bibliotheque;
  if (Lit_modeles(ctx, bibliotheque, "bimdl.dat") < 0) {
    std::cerr << argv[1] << "/bimdl.dat: " << con.Boites.front().Texte << "\n";
    return 1;
  }
  std::vector<Score> scores;
  std::string erreur;
  if (!Evalue_bibliotheque(ctx, bibliotheque, CARACTERES_REQUIS, jeu, scores, erreur)) {
    std::cerr << "evalue_modeles: " << erreur << "\n";
    return 1;
  }
  int32_t total = 0, exacts = 0, casse = 0, jumeaux = 0;
  std::printf("%zu models\nname  n  exact  case-pair  twins\n", bibliotheque.size());
  for (const Score& s : scores) {
    std::printf("%-3s %3d %5.1f%% %5.1f%% %5.1f%%\n", s.Nom.c_str(), s.Total, 100.0 * s.Exacts / s.Total,
                100.0 * s.Casse / s.Total, 100.0 * s.Jumeaux / s.Total);
    if (detail)
      for (const std::string& e : s.Erreurs) std::printf("      %s\n", e.c_str());
    total += s.Total, exacts += s.Exacts, casse += s.Casse, jumeaux += s.Jumeaux;
  }
  std::printf("all %d %5.1f%% %5.1f%% %5.1f%%\n", total, 100.0 * exacts / total, 100.0 * casse / total,
              100.0 * jumeaux / total);
  return 0;
}
