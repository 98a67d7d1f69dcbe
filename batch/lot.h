// A run of vrix-batch over its input list: every page of every file handed to
// the worker processes, and their results given back in the order of the list
// (the pages of a file in order), whatever the number of workers.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "batch/rapport.h"
#include "batch/traitement.h"

struct Entree_lot {
  std::string Chemin;  // the input file
  std::string Racine;  // stem of its results
  std::string Refus;   // when not empty, the file is not read and is refused with this reason
};

// Stems shared by several inputs: every input but the first of a stem gets
// its Refus, so that no two documents write the same files.
void Refuse_doublons(std::vector<Entree_lot>& entrees);

// Runs the documents, at most `travailleurs` at once, each within `limite`
// seconds (0: no limit); a document past it is killed, reported as timeout
// and its results files removed. rendu(r, fait, connus) is called for each
// document in list order; fait counts the documents given back, connus those
// known so far (the pages of a file are known once it is opened).
void Traite_lot(const Reglages_lot& reglages, const std::vector<Entree_lot>& entrees, int travailleurs,
                double limite,
                const std::function<void(const Resultat_document& r, size_t fait, size_t connus)>& rendu);
