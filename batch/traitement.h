// One document of vrix-batch, from its page of the input file to its
// results files and what the report says of it. Every document is a run of
// its own: a new context holding the run's font, a new document, a console
// that records the boxes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "batch/binarisation.h"
#include "batch/commandes.h"
#include "batch/rapport.h"
#include "text/glyphe.h"

// What every document of a run reads and none changes.
struct Reglages_lot {
  std::string Repertoire;  // working directory: param.dat and the libraries
  std::vector<const Commande_batch*> Commandes;
  bool Analyse = false;  // a command past the vectorisation: the symbols file is written
  bool Graphe = false;   // NAME.graphe.txt too
  bool Mol = false;      // NAME.mol: the molecule read
  bool Smiles = false;   // NAME.smi: its SMILES
  bool Bavard = false;   // the operator log is kept for standard error
  Reglage_binarisation Binarisation;
  ListePolice Police;  // the font, read once for the run
  int32_t NbGlyphes = 0;
  std::vector<std::string> Deja_dits;  // box texts said once for the run: not repeated per document
};

struct Document_lot {
  std::string Chemin;  // the input file as listed
  std::string Racine;  // stem of its results (Racine_sortie); a page of a multi-page file adds ".pK"
  int32_t Page = 1;    // from 1
};

// The stem of a page's results: the file's stem, with ".pK" when the file
// holds more than one page.
std::string Racine_page(const std::string& racine, int32_t page, int32_t nb_pages);

// Opens the page, runs the commands, writes the results (creating their
// directory). pages(N) is called once, as soon as the file's number of pages
// is known, before its page is decoded (1 when it cannot be told). Refused when the page cannot be read;
// error when a box titled "Erreur" was shown or a result could not be
// written (the results are still written). Ms is left to the caller.
Resultat_document Traite_document(const Reglages_lot& reglages, const Document_lot& document,
                                  const std::function<void(int32_t)>& pages);
