#include "display/trace_texte.h"

#include <algorithm>

#include "console/contexte.h"
#include "image/document.h"

namespace {

constexpr int64_t AVANCE = 9;  // pixels from one character to the next, at scale 1

const Glyphe* Cherche_glyphe(const ListePolice& police, std::string_view nom) {
  for (const Glyphe& g : police)
    if (Nom_texte(g.Nom) == nom) return &g;
  return nullptr;
}

// Only the part of the box inside the plane is walked: a huge scale or a far
// position costs nothing.
void Dessine_glyphe(const Glyphe& g, Plan& plan2, int64_t x, int64_t y, int64_t s) {
  const int64_t r0 = std::max<int64_t>(0, 1 - y), r1 = std::min<int64_t>(NB_LIGNES_MASQUE * s, plan2.NbLignes - y);
  const int64_t c0 = std::max<int64_t>(0, 1 - x), c1 = std::min<int64_t>(NB_COLONNES_MASQUE * s, plan2.Largeur_px() - x);
  for (int64_t r = r0; r < r1; ++r)
    for (int64_t c = c0; c < c1; ++c)
      Ecrit_pixel(static_cast<int32_t>(x + c), static_cast<int32_t>(y + r),
                  g.Masque[(r / s) * NB_COLONNES_MASQUE + c / s] == 1 ? 1 : 0, plan2);
}

}  // namespace

void Trace_texte(const ListePolice& police, Plan& plan2, int32_t x, int32_t y, std::string_view texte,
                 int32_t echelle) {
  if (texte == "phi") {
    if (const Glyphe* g = Cherche_glyphe(police, "phi"); g && echelle >= 1) Dessine_glyphe(*g, plan2, x, y, echelle);
    return;
  }
  int64_t xc = x;
  for (const char c : texte) {
    if (const Glyphe* g = Cherche_glyphe(police, std::string_view(&c, 1)); g && echelle >= 1)
      Dessine_glyphe(*g, plan2, xc, y, echelle);
    xc += AVANCE * echelle;
  }
}

void Trace_texte(const Contexte& ctx, Document& doc, int32_t x, int32_t y, std::string_view texte,
                 int32_t echelle) {
  Trace_texte(ctx.Police, doc.Plan2, x, y, texte, echelle);
}
