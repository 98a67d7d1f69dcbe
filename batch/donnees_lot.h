// The data files of a vrix-batch run, checked and read once before any
// document: param.dat must be readable, the font is read once for every
// document, and each library the chosen commands need is tried once, so that
// a missing one is said once for the run rather than at every lookup.
#pragma once

#include <string>
#include <vector>

#include "batch/traitement.h"

// True when the directory holds a param.dat that can be opened for reading.
bool Parametres_lisibles(const std::string& repertoire);

// The data files a command reads: nothing for "representation"; the font
// for "redessine", "liaisons", "polygones" and "chaines"; the font and the
// libraries for "zones", "totale" and any other command past the
// vectorisation.
std::vector<std::string> Fichiers_necessaires(const Commande_batch& commande);

// Reads the font of reglages.Repertoire into reglages.Police and NbGlyphes,
// then reads each file the commands need with the system's own readers. For
// each one refused: one line "DIR/NAME: TEXT (needed by COMMAND)" in the
// result, and the texts of its boxes added to reglages.Deja_dits.
std::vector<std::string> Prepare_donnees(Reglages_lot& reglages);
