#include "vecto/analyse_vecteurs.h"
int32_t Analyse_vecteurs(Contexte&, Document&) { return 1; }
int32_t Projette(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t& x, int32_t& y) {
  x = y = 0;
  return 0;
}
