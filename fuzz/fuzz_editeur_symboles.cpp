// The symbol list editor's reading of a list file on arbitrary text, then
// its save encoding read back: the names come back sorted, the simple ones
// first.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "editors/editeur_symboles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream flux(std::string(reinterpret_cast<const char*>(data), size));
  ListeSymbolesEdites liste;
  const LectureNoms l = Lit_noms(flux, liste);
  if (l != LectureNoms::Lue && !liste.empty()) std::abort();
  for (const SymboleEdite& s : liste)
    if (s.NomSymbole[LG_SYMBOLE - 1] != '\0') std::abort();

  std::string simples, complexes;
  Code_listes(liste, simples, complexes);
  ListeSymbolesEdites relus;
  std::istringstream fs(simples), fc(complexes);
  Lit_noms(fs, relus);
  Lit_noms(fc, relus);
  if (relus.size() != liste.size()) std::abort();
  ListeSymbolesEdites attendus;
  for (bool simple : {true, false})
    for (const SymboleEdite& s : liste)
      if ((strnlen(s.NomSymbole, LG_SYMBOLE) < 2) == simple) attendus.push_back(s);
  auto r = relus.begin();
  const SymboleEdite* avant = nullptr;
  for (const SymboleEdite& s : attendus) {
    if (std::strncmp(s.NomSymbole, r->NomSymbole, LG_SYMBOLE) != 0) std::abort();
    ++r;
  }
  for (const SymboleEdite& s : liste) {
    if (avant && std::strncmp(avant->NomSymbole, s.NomSymbole, LG_SYMBOLE) > 0) std::abort();
    avant = &s;
  }
  return 0;
}
