// biqdl.dat reading on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "text/symboles_bib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream flux(std::string(reinterpret_cast<const char*>(data), size));
  ListeSymbQuads liste;
  const ResultatSymboles r = Lit_flux_biqdl(flux, liste);
  if (r.Lecture != LectureSymboles::Lue && !liste.empty()) std::abort();
  if (r.Lecture == LectureSymboles::Lue && (r.Annonces < 1 || liste.size() > static_cast<size_t>(r.Annonces)))
    std::abort();
  for (const SymbQuad& q : liste) Ecritures_biqdl(liste, q.Caractere);
  return 0;
}
