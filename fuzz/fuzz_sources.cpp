// The text sources of the data files on arbitrary bytes: the first byte picks
// the font source or one of the three symbol sources. An accepted symbol
// source must give a library that reads back whole, entry for entry.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "text/source_police.h"
#include "text/source_symboles.h"
#include "text/symboles_bib.h"

namespace {

template <class Liste, class Lecteur>
void Relit(const std::string& code, Lecteur lit) {
  std::istringstream flux(code);
  Liste liste;
  const ResultatSymboles r = lit(flux, liste);
  if (r.Lecture != LectureSymboles::Lue || static_cast<size_t>(r.Annonces) != liste.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::istringstream source(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  ErreurSource erreur;
  std::string code;
  switch (data[0] % 4) {
    case 0: {
      ListePolice police;
      Lit_source_police(source, police, erreur);
      break;
    }
    case 1:
      if (Code_source_symboles(source, SorteSymboles::Quadrilateres, code, erreur))
        Relit<ListeSymbQuads>(code, Lit_flux_biqdl);
      break;
    case 2:
      if (Code_source_symboles(source, SorteSymboles::Simples, code, erreur))
        Relit<ListeSymbSimples>(code, Lit_flux_simples);
      break;
    case 3:
      if (Code_source_symboles(source, SorteSymboles::Complexes, code, erreur))
        Relit<ListeSymbComplexes>(code, Lit_flux_complexes);
      break;
  }
  return 0;
}
