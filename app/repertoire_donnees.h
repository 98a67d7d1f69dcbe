// Where the data files are looked up: the start directory when it holds
// param.dat, otherwise the installed data directory when that one does, so
// that the installed program started from anywhere finds its thresholds,
// font and libraries.
#pragma once

#include <string>

// The installed data directory (empty when the program was not built for
// installation).
std::string Repertoire_installe();

// The directory to use for a start directory. When it is not the start
// directory, explication holds the log line that says so (else it is empty).
std::string Repertoire_donnees(const std::string& courant, const std::string& installe,
                               std::string& explication);
