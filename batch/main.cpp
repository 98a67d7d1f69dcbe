// vrix-batch: runs stage commands on many BMP files without a window.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/repertoire_donnees.h"
#include "batch/commandes.h"
#include "batch/sorties.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"
#include "text/police.h"

namespace {

const char* const USAGE =
    "usage: vrix-batch [-d DIR] [-o DIR] [-c COMMAND[,COMMAND...]] [-v] IMAGE.bmp...\n"
    "  -d DIR   working directory, where param.dat and the libraries are read (default: .,\n"
    "           or the installed data directory when . holds no param.dat)\n"
    "  -o DIR   where the results are written (default: beside each image; created when missing)\n"
    "  -c LIST  the stage commands run in that order on each image (default: representation):\n"
    "           representation  the chain \"Représentation\" (vectors, strokes, components)\n"
    "           zones           \"Zones Texte\": character localisation, then recognition\n"
    "           redessine       \"Redessine\": the stroke graph and its analysis, once per image\n"
    "           liaisons        \"Liaisons multiples\": double and triple bonds, lone bonds, crosses\n"
    "  --graphe also write NAME.graphe.txt, a dump of the stroke graph and the strokes\n"
    "  -v       copy the operator log to standard error as it is written\n"
    "  -h       this help\n"
    "For each IMAGE.bmp, writes NAME.vecto.vrx (the vectorisation results), NAME.plan2.bmp\n"
    "(the work plane after the last command) and, once a command past representation ran,\n"
    "NAME.vrx (the symbols file: the recognised text zones, then the symbols).\n";

struct Options {
  std::string Repertoire;  // empty: the current directory, or the installed data
  std::string Sortie;
  std::string Chaine = "representation";
  std::vector<const Commande_batch*> Commandes;
  bool Bavard = false;
  bool Graphe = false;
  std::vector<std::string> Images;
};

enum class Analyse_ligne { Ok, Aide, Erreur };

Analyse_ligne Analyse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-h" || a == "--help") return Analyse_ligne::Aide;
    if (a == "-v") {
      o.Bavard = true;
    } else if (a == "--graphe") {
      o.Graphe = true;
    } else if (a == "-d" || a == "-o" || a == "-c") {
      if (i + 1 >= argc) {
        std::cerr << "vrix-batch: " << a << " needs a value\n";
        return Analyse_ligne::Erreur;
      }
      (a == "-d" ? o.Repertoire : a == "-o" ? o.Sortie : o.Chaine) = argv[++i];
    } else if (a.size() > 1 && a[0] == '-') {
      std::cerr << "vrix-batch: unknown option " << a << "\n";
      return Analyse_ligne::Erreur;
    } else {
      o.Images.push_back(a);
    }
  }
  std::string inconnu;
  if (!Lit_commandes(o.Chaine, o.Commandes, inconnu)) {
    std::cerr << "vrix-batch: unknown command \"" << inconnu << "\" (commands: " << Noms_commandes() << ")\n";
    return Analyse_ligne::Erreur;
  }
  if (o.Images.empty()) {
    std::cerr << "vrix-batch: no image given\n";
    return Analyse_ligne::Erreur;
  }
  return Analyse_ligne::Ok;
}

void Barre(size_t fait, size_t total) {
  const int largeur = 30;
  const int plein = static_cast<int>(largeur * fait / total);
  std::fprintf(stderr, "\r[%s%s] %zu/%zu", std::string(plein, '#').c_str(), std::string(largeur - plein, ' ').c_str(),
               fait, total);
  std::fflush(stderr);
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

  if (o.Repertoire.empty()) {
    std::string explication;
    o.Repertoire = Repertoire_donnees(".", Repertoire_installe(), explication);
    if (!explication.empty()) std::cerr << "vrix-batch: " << explication << "\n";
  }
  ConsoleTexte con;
  con.CopieBoites = &std::cerr;
  if (o.Bavard) con.CopieLog = &std::cerr;
  if (!o.Sortie.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(o.Sortie, ec);
  }
  bool analyse = false;
  for (const Commande_batch* c : o.Commandes) analyse = analyse || c->Analyse;
  const bool plusieurs = o.Images.size() > 1;
  const bool terminal = isatty(STDERR_FILENO) == 1 && !o.Bavard;
  int statut = 0;

  for (size_t i = 0; i < o.Images.size(); ++i) {
    const std::string& image = o.Images[i];
    const auto debut = std::chrono::steady_clock::now();
    if (plusieurs && terminal) Barre(i, o.Images.size());
    // Every image is a run of its own: its results never depend on the
    // images before it.
    con.Log.clear();
    Contexte ctx(con, o.Repertoire);
    Charge_police_initiale(ctx);
    Document doc;
    bool ok = Ouvre_document(ctx, doc, image);
    if (ok) {
      for (const Commande_batch* c : o.Commandes) c->Lance(ctx, doc);
      ok = Sauve_resultats(con, doc, Racine_sortie(image, o.Sortie), analyse, o.Graphe);
    }
    if (!ok) statut = 1;
    if (plusieurs) {
      const double ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
      if (terminal) std::fputs("\r\033[K", stderr);
      std::fprintf(stderr, "%s: %s (%.1f ms)\n", image.c_str(), ok ? "ok" : "failed", ms);
    }
  }
  if (plusieurs && terminal) {
    Barre(o.Images.size(), o.Images.size());
    std::fputs("\n", stderr);
  }
  return statut;
}
