// vrix-batch: runs stage commands on many images without a window: the input
// list, the data checked once, the documents in worker processes, their
// messages, progress and report in the order of the list.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/repertoire_donnees.h"
#include "batch/donnees_lot.h"
#include "batch/entrees.h"
#include "batch/lot.h"
#include "batch/options.h"
#include "batch/sortie_molecule.h"
#include "batch/sorties.h"

namespace {

void Barre(size_t fait, size_t total) {
  const int largeur = 30;
  const int plein = total == 0 ? largeur : static_cast<int>(largeur * fait / total);
  std::fprintf(stderr, "\r[%s%s] %zu/%zu", std::string(plein, '#').c_str(), std::string(largeur - plein, ' ').c_str(),
               fait, total);
  std::fflush(stderr);
}

// The inputs in the order given, folders walked and lists read; false when
// one of them could not be read whole (said on standard error).
bool Liste_entrees(const Options& o, std::vector<Entree>& entrees) {
  std::vector<std::string> erreurs;
  for (const Options::Source& s : o.Sources) {
    if (!s.Liste) {
      Ajoute_argument(s.Chemin, entrees, erreurs);
    } else if (s.Chemin == "-") {
      Ajoute_liste(std::cin, entrees, erreurs);
    } else {
      std::ifstream flux(s.Chemin);
      if (flux)
        Ajoute_liste(flux, entrees, erreurs);
      else
        erreurs.push_back(s.Chemin + ": the list cannot be read");
    }
  }
  for (const std::string& e : erreurs) std::cerr << "vrix-batch: " << e << "\n";
  return erreurs.empty();
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  switch (Analyse(argc, argv, o)) {
    case Analyse_ligne::Aide:
      std::cout << USAGE;
      return 0;
    case Analyse_ligne::Erreur:
      std::cerr << USAGE;
      return 2;
    case Analyse_ligne::Ok:
      break;
  }

  std::string ailleurs;
  if (o.Repertoire.empty()) {
    std::string explication;
    o.Repertoire = Repertoire_donnees(".", Repertoire_installe(), explication);
    if (!explication.empty()) std::cerr << "vrix-batch: " << explication << "\n";
    if (!Repertoire_installe().empty()) ailleurs = " nor in " + Repertoire_installe();
  }
  if (!Parametres_lisibles(o.Repertoire)) {
    std::cerr << "vrix-batch: no readable param.dat in " << o.Repertoire << ailleurs
              << ": give the working directory with -d\n";
    return 2;
  }

  Reglages_lot reglages;
  reglages.Repertoire = o.Repertoire;
  reglages.Commandes = o.Commandes;
  for (const Commande_batch* c : o.Commandes) reglages.Analyse = reglages.Analyse || c->Analyse;
  reglages.Graphe = o.Graphe;
  reglages.Mol = o.Mol;
  reglages.Smiles = o.Smiles;
  reglages.Bavard = o.Bavard;
  reglages.Binarisation = o.Binarisation;
  for (const std::string& l : Prepare_donnees(reglages)) std::cerr << "vrix-batch: " << l << "\n";

  std::vector<Entree> liste;
  int statut = Liste_entrees(o, liste) ? 0 : 1;
  if (liste.empty()) {
    std::cerr << "vrix-batch: no image in the inputs given\n";
    return 1;
  }
  if (!o.Sortie.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(o.Sortie, ec);
  }
  std::vector<Entree_lot> entrees;
  for (const Entree& e : liste) {
    const std::string sortie = o.Sortie.empty() || e.Relatif.empty() ? o.Sortie : o.Sortie + "/" + e.Relatif;
    entrees.push_back({e.Chemin, Racine_sortie(e.Chemin, sortie), ""});
  }
  Refuse_doublons(entrees);
  const auto [debut, fin] = Bornes_part(entrees.size(), o.Part, o.NbParts);
  entrees = std::vector<Entree_lot>(entrees.begin() + static_cast<std::ptrdiff_t>(debut),
                                    entrees.begin() + static_cast<std::ptrdiff_t>(fin));

  std::ofstream fichier_rapport;
  std::ostream* rapport = nullptr;
  if (o.Rapport == "-") {
    rapport = &std::cout;
  } else if (!o.Rapport.empty()) {
    fichier_rapport.open(o.Rapport, std::ios::binary | std::ios::trunc);
    if (!fichier_rapport) {
      std::cerr << "vrix-batch: the report " << o.Rapport << " cannot be written\n";
      return 2;
    }
    rapport = &fichier_rapport;
  }
  const bool terminal = isatty(STDERR_FILENO) == 1 && !o.Bavard;
  const bool plusieurs = entrees.size() > 1;
  bool barre = false;
  Traite_lot(reglages, entrees, o.Travailleurs > 0 ? o.Travailleurs : Nombre_coeurs(), o.Limite,
             [&](const Resultat_document& r, size_t fait, size_t connus) {
               if (!r.Ok()) statut = 1;
               if (barre) std::fputs("\r\033[K", stderr);
               const std::string nom = Nom_document(r);
               for (const std::string& l : r.Lignes) std::fprintf(stderr, "%s: %s\n", nom.c_str(), l.c_str());
               if (!r.Journal.empty()) std::fprintf(stderr, "%s\n", r.Journal.c_str());
               if (plusieurs || r.NbPages > 1)
                 std::fprintf(stderr, "%s: %s (%.1f ms)\n", nom.c_str(), r.Statut.c_str(), r.Ms);
               if (o.Smiles && r.Confiance >= 0) std::cout << Ligne_smiles(r.Smiles, r.Entree, r.Confiance) << std::flush;
               if (rapport) *rapport << Ligne_json(r) << '\n' << std::flush;
               if (terminal && (plusieurs || connus > 1)) {
                 Barre(fait, connus);
                 barre = true;
               }
             });
  if (barre) std::fputs("\n", stderr);
  if (rapport && !*rapport) {
    std::cerr << "vrix-batch: the report " << o.Rapport << " could not be written whole\n";
    statut = 1;
  }
  return statut;
}
