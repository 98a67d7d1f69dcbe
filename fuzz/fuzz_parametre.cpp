// param.dat lookup on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "console/parametre.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string texte(reinterpret_cast<const char*>(data), size);
  for (const char* nom : {"EpsV", "Seuil_penteTQ", "A", ""}) {
    std::istringstream flux(texte);
    double valeur = 0;
    Cherche_parametre(flux, nom, valeur);
  }
  return 0;
}
