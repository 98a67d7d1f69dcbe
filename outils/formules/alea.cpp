#include "outils/formules/alea.h"

int64_t Bruite(Plan& p, double probabilite, Alea& alea) {
  int64_t n = 0;
  if (probabilite <= 0) return 0;
  for (int32_t y = 1; y < p.NbLignes; ++y)
    for (int32_t x = 1; x < p.Info.Largeur; ++x)
      if (alea.Uniforme() < probabilite) {
        Ecrit_pixel(x, y, 1 - Lit_pixel(x, y, p), p);
        ++n;
      }
  return n;
}
