// Ground-truth files of the sample drawings on arbitrary bytes: a file read
// is written again, and that text must read back to the very same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "outils/formules/verite.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream flux(std::string(reinterpret_cast<const char*>(data), size));
  Verite v;
  std::string erreur;
  if (!Lit_verite(flux, v, erreur)) return 0;
  std::ostringstream ecrit;
  Ecrit_verite(v, ecrit);
  std::istringstream relu_flux(ecrit.str());
  Verite relu;
  if (!Lit_verite(relu_flux, relu, erreur)) std::abort();
  std::ostringstream reecrit;
  Ecrit_verite(relu, reecrit);
  if (reecrit.str() != ecrit.str()) std::abort();
  return 0;
}
