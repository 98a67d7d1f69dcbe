// BMP reader on arbitrary bytes: it must refuse or read, never overrun.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "image/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream flux(std::string(reinterpret_cast<const char*>(data), size));
  EnteteFichier fichier;
  EnteteInfo info;
  if (!Lit_entetes(flux, fichier, info)) return 0;
  Plan plan;
  if (Lit_plan(flux, size, fichier, info, plan) != ErreurBmp::Aucune) return 0;
  int encre = 0;
  for (int32_t y = 0; y <= plan.NbLignes; ++y)
    for (int32_t x = 0; x <= plan.Largeur_px(); ++x) encre += Lit_pixel(x, y, plan);
  std::ostringstream sortie;
  Ecrit_bmp(plan, sortie);
  return encre < 0;
}
