// What lives for the whole run, across documents.
#pragma once

#include <cstdint>
#include <string>

#include "text/glyphe.h"

class Console;

struct Contexte {
  explicit Contexte(Console& console, std::string repertoire = ".")
      : Con(console), RepertoireTravail(std::move(repertoire)) {}

  Console& Con;
  std::string RepertoireTravail;  // where param.dat and the libraries are read
  int32_t Resolution = 0;         // scanning resolution in dpi; read once per run when valid
  int32_t NumGroupe = 100;        // symbol numbering, never reset by a close
  int32_t NbTraitements = 0;
  ListePolice Police;             // the font written on Plan 2, loaded at start-up
  int32_t NbGlyphes = 0;          // glyphs of Police; -1 when police.dat could not be loaded

  // A data file of the working directory.
  std::string Chemin(const std::string& nom) const { return RepertoireTravail + "/" + nom; }
};
