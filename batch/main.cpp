// vrix-batch: runs the processing on many BMP files without a window.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"

namespace {

const char* const USAGE =
    "usage: vrix-batch [-d DIR] [-o DIR] IMAGE.bmp...\n"
    "  -d DIR   working directory, where param.dat and the libraries are read (default: .)\n"
    "  -o DIR   where the results are written (default: beside each image)\n"
    "  -h       this help\n"
    "For each image, prints its sizes as the command \"Informations\" shows them.\n";

struct Options {
  std::string Repertoire = ".";
  std::string Sortie;
  std::vector<std::string> Images;
};

// 0 when the options are good, 2 on a usage error, 1 for help.
int Analyse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-h" || a == "--help") return 1;
    if (a == "-d" || a == "-o") {
      if (i + 1 >= argc) {
        std::cerr << "vrix-batch: " << a << " needs a directory\n";
        return 2;
      }
      (a == "-d" ? o.Repertoire : o.Sortie) = argv[++i];
    } else if (a.size() > 1 && a[0] == '-') {
      std::cerr << "vrix-batch: unknown option " << a << "\n";
      return 2;
    } else {
      o.Images.push_back(a);
    }
  }
  if (o.Images.empty()) {
    std::cerr << "vrix-batch: no image given\n";
    return 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  switch (Analyse(argc, argv, o)) {
    case 1:
      std::cout << USAGE;
      return 0;
    case 2:
      std::cerr << USAGE;
      return 2;
    default:
      break;
  }

  ConsoleTexte con;
  con.CopieBoites = &std::cerr;
  Contexte ctx(con, o.Repertoire);
  int statut = 0;
  for (const std::string& image : o.Images) {
    Document doc;
    if (!Ouvre_document(ctx, doc, image)) {
      std::cerr << "vrix-batch: " << image << " not read\n";
      statut = 1;
      continue;
    }
    Informations(ctx, doc);
    std::cout << image << ":" << con.Log << "\n";
  }
  return statut;
}
