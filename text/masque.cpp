#include "text/masque.h"

#include <algorithm>

#include "image/document.h"
#include "image/operations_plan.h"

namespace {

struct Fenetre {
  int64_t debut, fin;  // offsets from the box's corner, both included
};

// Window i of n over a side of the given length.
Fenetre Fenetre_cote(int64_t i, int64_t n, int64_t longueur) {
  const int64_t pas = longueur / n;
  const int64_t exces = n - longueur % n;
  if (exces == n) return {i * pas, i * pas + pas - 1};
  const int64_t decalage = i > exces ? i - exces : 0;
  return {i * pas + decalage, i * pas + decalage + pas};
}

}  // namespace

void Extrait_masque(const Plan& plan1, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                    CasesMasque& masque, int32_t seuilmask) {
  const int64_t seuil = std::max<int32_t>(seuilmask, 1);
  const int64_t largeur = static_cast<int64_t>(x2) - x1;
  const int64_t hauteur = static_cast<int64_t>(y2) - y1;
  for (int r = 0; r < NB_LIGNES_MASQUE; ++r) {
    const Fenetre lignes = Fenetre_cote(r, NB_LIGNES_MASQUE, hauteur);
    for (int c = 0; c < NB_COLONNES_MASQUE; ++c) {
      const Fenetre colonnes = Fenetre_cote(c, NB_COLONNES_MASQUE, largeur);
      int64_t n = 0, p = 0;
      for (int64_t y = y1 + lignes.debut; y <= y1 + lignes.fin; ++y)
        for (int64_t x = x1 + colonnes.debut; x <= x1 + colonnes.fin; ++x) {
          ++n;
          p += Lit_pixel(static_cast<int32_t>(x), static_cast<int32_t>(y), plan1);
        }
      masque[r * NB_COLONNES_MASQUE + c] = n / seuil < p ? 1 : 0;
    }
  }
}

void Dessine_masque(Plan& plan2, int32_t x, int32_t y, const CasesMasque& masque, int32_t k) {
  for (int32_t i = 0; i < NB_LIGNES_MASQUE * k; ++i)
    for (int32_t j = 0; j < NB_COLONNES_MASQUE * k; ++j)
      Ecrit_pixel(x + j, y + i, masque[(i / k) * NB_COLONNES_MASQUE + j / k] == 1 ? 1 : 0, plan2);
}

void Copie_zone(Document& doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Raz_Plan2(doc);
  // Only the addressable pixels can change: the walk stays within the plane.
  const int32_t xmin = std::max(x1, 1), xmax = std::min(x2, doc.Plan1.Largeur_px() - 1);
  const int32_t ymin = std::max(y1, 1), ymax = std::min(y2, doc.Plan1.NbLignes - 1);
  for (int32_t y = ymin; y <= ymax; ++y)
    for (int32_t x = xmin; x <= xmax; ++x) Ecrit_pixel(x, y, Lit_pixel(x, y, doc.Plan1), doc.Plan2);
}
