// The input list of vrix-batch: files as given, folders walked, lists of
// paths read, and the share of the list that one of several machines takes.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

struct Entree {
  std::string Chemin;   // the file as given, or as found in a walked folder
  std::string Relatif;  // its folder below the walked one ("" for a file given)
};

// The extensions a folder walk takes, in any case: .bmp .tif .tiff .png .jpg
// .jpeg .pnm .pbm .pgm .ppm; never a "NAME.plan2.bmp" written by an earlier run.
bool Extension_connue(const std::string& nom);

// A folder is walked, every sub-folder included (links to folders are not
// followed), its files of known extensions appended sorted by path in byte
// order; anything else is appended as a file. A folder that cannot be read
// whole adds a line to erreurs.
void Ajoute_argument(const std::string& argument, std::vector<Entree>& entrees, std::vector<std::string>& erreurs);

// One path a line (a final "\r" dropped, empty lines skipped), each added as
// an argument.
void Ajoute_liste(std::istream& flux, std::vector<Entree>& entrees, std::vector<std::string>& erreurs);

// "K/N" with 1 <= K <= N. False for anything else.
bool Lit_part(const std::string& texte, int64_t& k, int64_t& n);

// Share K of N of a list of `total` items: [debut, fin). The N shares follow
// each other, cover the list exactly once, and differ in size by one at most.
std::pair<size_t, size_t> Bornes_part(size_t total, int64_t k, int64_t n);
