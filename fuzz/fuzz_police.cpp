// police.dat reading on arbitrary bytes; a font read is written and read
// again, must come back the same, and writes its glyph names on a plane.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "display/trace_texte.h"
#include "image/bmp.h"
#include "text/police.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream flux(std::string(reinterpret_cast<const char*>(data), size));
  ListePolice police;
  if (Lit_police(flux, police) != LecturePolice::Lue) return 0;
  const std::string octets = Code_police(police, static_cast<int32_t>(police.size()));
  if (octets.size() != size) std::abort();
  std::istringstream relu(octets);
  ListePolice police2;
  if (Lit_police(relu, police2) != LecturePolice::Lue ||
      Code_police(police2, static_cast<int32_t>(police2.size())) != octets)
    std::abort();
  Plan plan = Cree_plan(64, 24);
  int32_t x = -4;
  for (const Glyphe& g : police) {
    Trace_texte(police, plan, x, 2, Nom_texte(g.Nom), 1 + (x & 1));
    x += 7;
    if (x > 64) break;
  }
  return 0;
}
