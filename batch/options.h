// The command line of vrix-batch.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/binarisation.h"
#include "batch/commandes.h"

extern const char* const USAGE;

struct Options {
  std::string Repertoire;  // empty: the current directory, or the installed data
  std::string Sortie;
  std::string Chaine = "totale";
  std::vector<const Commande_batch*> Commandes;
  bool Bavard = false;
  bool Graphe = false;
  bool Mol = false;     // NAME.mol
  bool Smiles = false;  // NAME.smi, and its line on standard output
  struct Source {
    bool Liste;  // a file of paths (-@), "-" for standard input; else an image or a folder
    std::string Chemin;
  };
  std::vector<Source> Sources;  // in the order given
  int Travailleurs = 0;         // 0: one per core
  std::string Rapport;          // the JSON report: a file, "-" for standard output, empty for none
  double Limite = 0;            // seconds per document, 0 for no limit
  int64_t Part = 1, NbParts = 1;
  Reglage_binarisation Binarisation;
};

enum class Analyse_ligne { Ok, Aide, Erreur };

// Reads the arguments; on Erreur the message is written on standard error.
Analyse_ligne Analyse(int argc, char** argv, Options& o);

// The cores this process may run on (at least 1).
int Nombre_coeurs();
