// bimdl.dat reading on arbitrary bytes; a library read is written and read
// again, and must come back the same, at most as long as what was read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "text/modeles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream flux(std::string(reinterpret_cast<const char*>(data), size));
  ListeModeles liste;
  int32_t traitements = 0;
  if (Lit_bibliotheque(flux, liste, traitements) != LectureBibliotheque::Lue) return 0;
  const std::string octets = Code_bibliotheque(liste, static_cast<int32_t>(liste.size()), traitements);
  if (octets.size() > size) std::abort();
  if (liste.empty()) return 0;  // written with a count of 0: read back as empty
  std::istringstream relu(octets);
  ListeModeles liste2;
  int32_t traitements2 = 0;
  if (Lit_bibliotheque(relu, liste2, traitements2) != LectureBibliotheque::Lue || traitements2 != traitements ||
      Code_bibliotheque(liste2, static_cast<int32_t>(liste2.size()), traitements2) != octets)
    std::abort();
  for (const Modele& m : liste)
    if (Distance_masque(m.Masque, m.Masque) != 0) std::abort();
  return 0;
}
