// vrix-batch: runs a processing chain on many BMP files without a window.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/chaines.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "vecto/sauve_vectorisation.h"

namespace {

const char* const USAGE =
    "usage: vrix-batch [-d DIR] [-o DIR] [-c representation] [-v] IMAGE.bmp...\n"
    "  -d DIR   working directory, where param.dat and the libraries are read (default: .)\n"
    "  -o DIR   where the results are written (default: beside each image)\n"
    "  -c NAME  the chain to run: representation (default)\n"
    "  -v       copy the operator log to standard error as it is written\n"
    "  -h       this help\n"
    "For each IMAGE.bmp, writes NAME.vecto.vrx (the vectorisation results) and\n"
    "NAME.plan2.bmp (the work plane after the chain).\n";

struct Options {
  std::string Repertoire = ".";
  std::string Sortie;
  std::string Chaine = "representation";
  bool Bavard = false;
  std::vector<std::string> Images;
};

enum class Analyse_ligne { Ok, Aide, Erreur };

Analyse_ligne Analyse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-h" || a == "--help") return Analyse_ligne::Aide;
    if (a == "-v") {
      o.Bavard = true;
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
  if (o.Chaine != "representation") {
    std::cerr << "vrix-batch: unknown chain " << o.Chaine << "\n";
    return Analyse_ligne::Erreur;
  }
  if (o.Images.empty()) {
    std::cerr << "vrix-batch: no image given\n";
    return Analyse_ligne::Erreur;
  }
  return Analyse_ligne::Ok;
}

// The outputs' stem: DIR/NAME, or the image's own path less its ".bmp".
std::string Racine_sortie(const std::string& image, const std::string& sortie) {
  std::string nom = Nom_sans_repertoire(image);
  std::string racine = image;
  auto sans_bmp = [](std::string& s) {
    if (s.size() >= 4) {
      std::string ext = s.substr(s.size() - 4);
      for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (ext == ".bmp") s.resize(s.size() - 4);
    }
  };
  sans_bmp(nom);
  sans_bmp(racine);
  return sortie.empty() ? racine : sortie + "/" + nom;
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

  ConsoleTexte con;
  con.CopieBoites = &std::cerr;
  if (o.Bavard) con.CopieLog = &std::cerr;
  Contexte ctx(con, o.Repertoire);
  const bool plusieurs = o.Images.size() > 1;
  const bool terminal = isatty(STDERR_FILENO) == 1 && !o.Bavard;
  int statut = 0;

  for (size_t i = 0; i < o.Images.size(); ++i) {
    const std::string& image = o.Images[i];
    const auto debut = std::chrono::steady_clock::now();
    if (plusieurs && terminal) Barre(i, o.Images.size());
    Document doc;
    bool ok = Ouvre_document(ctx, doc, image);
    if (ok) {
      Chaine_representation(ctx, doc);
      const std::string racine = Racine_sortie(image, o.Sortie);
      ok = Sauve_vectorisation(con, racine + ".vecto.vrx", doc);
      ok = Sauve_Plan2(con, doc, racine + ".plan2.bmp") && ok;
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
