#include "batch/options.h"

#include <sched.h>

#include <charconv>
#include <cmath>
#include <iostream>

#include "batch/entrees.h"

const char* const USAGE =
    "usage: vrix-batch [OPTION...] IMAGE|FOLDER...\n"
    "  -d DIR   working directory, where param.dat and the libraries are read (default: .,\n"
    "           or the installed data directory when . holds no param.dat); a run does not\n"
    "           start without a readable param.dat\n"
    "  -o DIR   where the results are written (default: beside each image; created when missing;\n"
    "           the files found in a folder keep their sub-folders below it)\n"
    "  -c LIST  the stage commands run in that order on each image (default: totale):\n"
    "           representation  the chain \"Représentation\" (vectors, strokes, components)\n"
    "           zones           \"Zones Texte\": character localisation, then recognition\n"
    "           redessine       \"Redessine\": the stroke graph and its analysis, once per image\n"
    "           liaisons        \"Liaisons multiples\": double and triple bonds, lone bonds, crosses\n"
    "           polygones       \"Polygones\": rings, with their circles and inner double bonds\n"
    "           chaines         \"Chaines\": chains of bonds\n"
    "           totale          \"Totale\": all of it, from the image to the symbols drawn, once per image\n"
    "  --graphe also write NAME.graphe.txt, a dump of the stroke graph and the strokes\n"
    "  --mol    also write NAME.mol, the molecule read (Molfile V2000, built with RDKit)\n"
    "  --smiles also write NAME.smi, one line \"SMILES<TAB>NAME<TAB>CONFIDENCE\" (canonical\n"
    "           SMILES, confidence 0 to 1), and print that line on standard output\n"
    "  -@ FILE  also read the inputs from FILE, one path a line (- for standard input)\n"
    "  -j N     documents processed at once, each in a worker process of its own\n"
    "           (default: one per core); results and their order do not depend on N\n"
    "  --rapport FILE  one JSON object a line per document into FILE (- for standard output)\n"
    "  --limite-temps SECONDS  a document still running after SECONDS is stopped and\n"
    "           reported as timeout; the run goes on\n"
    "  --part K/N  only the K-th of N equal consecutive shares of the input list\n"
    "  --binarisation METHOD  how grey and colour pages become ink:\n"
    "           otsu            one threshold for the page (Otsu; the default)\n"
    "           sauvola[,W,K]   a threshold per pixel from the mean m and the deviation s of the\n"
    "                           W x W window around it: ink when at most m (1 + K (s/128 - 1));\n"
    "                           W odd, 3 to 1001 (default 31); K 0 to 1 (default 0.34)\n"
    "  -v       copy the operator log of each document to standard error\n"
    "  -h       this help\n"
    "Inputs: files (1-bit BMP through the system's own reader; TIFF with every page, PNG, JPEG,\n"
    "PNM and BMP of any depth when built with Leptonica) and folders, walked with their\n"
    "sub-folders in path order for .bmp .tif .tiff .png .jpg .jpeg .pnm .pbm .pgm .ppm files.\n"
    "For each document, writes NAME.vecto.vrx (the vectorisation results), NAME.plan2.bmp\n"
    "(the work plane after the last command) and, once a command past representation ran,\n"
    "NAME.vrx (the symbols file: the recognised text zones, then the symbols). NAME is the\n"
    "file name less .bmp; the pages of a multi-page file add .p1, .p2...\n"
    "Exit status: 0 when every document is ok, 1 when one was refused, failed or timed out,\n"
    "2 on a usage error or without param.dat.\n";

namespace {

bool Lit_entier(const std::string& t, int& v) {
  const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  return ec == std::errc() && fin == t.data() + t.size() && !t.empty();
}

bool Lit_secondes(const std::string& t, double& v) {
  const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  return ec == std::errc() && fin == t.data() + t.size() && !t.empty() && std::isfinite(v) && v > 0 &&
         v <= 1e6;
}

}  // namespace

int Nombre_coeurs() {
  cpu_set_t ensemble;
  if (sched_getaffinity(0, sizeof ensemble, &ensemble) == 0) return std::max(CPU_COUNT(&ensemble), 1);
  return 1;
}

Analyse_ligne Analyse(int argc, char** argv, Options& o) {
  const auto faux = [](const std::string& option, const std::string& valeur, const char* attendu) {
    std::cerr << "vrix-batch: " << option << " " << valeur << ": " << attendu << "\n";
    return Analyse_ligne::Erreur;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-h" || a == "--help") return Analyse_ligne::Aide;
    if (a == "-v") {
      o.Bavard = true;
      continue;
    }
    if (a == "--graphe") {
      o.Graphe = true;
      continue;
    }
    if (a == "--mol" || a == "--smiles") {
#ifndef VRIX_RDKIT
      std::cerr << "vrix-batch: " << a << ": this vrix-batch was built without RDKit and reads no molecule\n";
      return Analyse_ligne::Erreur;
#endif
      (a == "--mol" ? o.Mol : o.Smiles) = true;
      continue;
    }
    if (a.size() > 1 && a[0] == '-') {
      const bool avec_valeur = a == "-d" || a == "-o" || a == "-c" || a == "-@" || a == "-j" || a == "--rapport" ||
                               a == "--limite-temps" || a == "--part" || a == "--binarisation";
      if (!avec_valeur) {
        std::cerr << "vrix-batch: unknown option " << a << "\n";
        return Analyse_ligne::Erreur;
      }
      if (i + 1 >= argc) {
        std::cerr << "vrix-batch: " << a << " needs a value\n";
        return Analyse_ligne::Erreur;
      }
      const std::string v = argv[++i];
      if (a == "-d") o.Repertoire = v;
      if (a == "-o") o.Sortie = v;
      if (a == "-c") o.Chaine = v;
      if (a == "-@") o.Sources.push_back({true, v});
      if (a == "--rapport") o.Rapport = v;
      if (a == "-j" && (!Lit_entier(v, o.Travailleurs) || o.Travailleurs < 1 || o.Travailleurs > 1024))
        return faux(a, v, "a number of workers from 1 to 1024 is expected");
      if (a == "--limite-temps" && !Lit_secondes(v, o.Limite))
        return faux(a, v, "a number of seconds above 0 is expected");
      if (a == "--part" && !Lit_part(v, o.Part, o.NbParts))
        return faux(a, v, "K/N with 1 <= K <= N is expected");
      if (a == "--binarisation" && !Lit_reglage_binarisation(v, o.Binarisation))
        return faux(a, v, "otsu, sauvola or sauvola,W,K is expected");
      continue;
    }
    o.Sources.push_back({false, a});
  }
  std::string inconnu;
  if (!Lit_commandes(o.Chaine, o.Commandes, inconnu)) {
    std::cerr << "vrix-batch: unknown command \"" << inconnu << "\" (commands: " << Noms_commandes() << ")\n";
    return Analyse_ligne::Erreur;
  }
  if (o.Sources.empty()) {
    std::cerr << "vrix-batch: no image given\n";
    return Analyse_ligne::Erreur;
  }
  return Analyse_ligne::Ok;
}
