#include "text/detecte_chiffres.h"

#include <iterator>

#include "text/compare_car.h"

namespace {
constexpr int16_t CLASSE_CHIFFRE = 3;
}

void Detecte_chiffres(ListeCC& zones) {
  if (zones.empty()) return;
  for (auto a = zones.begin(), b = std::next(a); b != zones.end(); a = b, ++b) {
    if (a->Zone != b->Zone || b->Classe == CLASSE_CHIFFRE) continue;
    if (Classe_nom(Nom_texte(b->Proche)) != CLASSE_CHIFFRE) continue;
    // Twice each side: the middle of A may fall on a half pixel.
    if (2 * static_cast<int64_t>(b->ymin) >= 2 * static_cast<int64_t>(a->ymin) + (static_cast<int64_t>(a->ymax) - a->ymin))
      Echange_choix(*b);
  }
}
