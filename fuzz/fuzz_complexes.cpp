// SymbCplx.dat reading on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "text/symboles_bib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream flux(std::string(reinterpret_cast<const char*>(data), size));
  ListeSymbComplexes liste;
  const ResultatSymboles r = Lit_flux_complexes(flux, liste);
  if (r.Lecture != LectureSymboles::Lue && !liste.empty()) std::abort();
  if (r.Lecture == LectureSymboles::Lue && (r.Annonces < 1 || liste.size() > static_cast<size_t>(r.Annonces)))
    std::abort();
  for (const SymbComplexe& c : liste)
    if (!Est_complexe(liste, c.Mot) || c.Mot[LG_MOT - 1] != '\0') std::abort();
  return 0;
}
