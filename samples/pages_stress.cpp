#include "samples/pages_stress.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "samples/dessin.h"

namespace {

constexpr int32_t MARGE = 10;

// A small deterministic generator (splitmix64): the pages must not depend on
// the standard library's distributions.
class Hasard {
 public:
  explicit Hasard(uint64_t graine) : etat(graine) {}
  uint64_t Suivant() {
    uint64_t z = (etat += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. n - 1
  int32_t Entier(int32_t n) { return static_cast<int32_t>(Suivant() % static_cast<uint64_t>(n)); }
  // [0, 1)
  double Reel() { return static_cast<double>(Suivant() >> 11) * (1.0 / 9007199254740992.0); }

 private:
  uint64_t etat;
};

// Formula figures on a grid over the rectangle [x0, x1) x [y0, y1).
void Formules(Plan& p, int32_t x0, int32_t y0, int32_t x1, int32_t y1, double echelle_figure, double epaisseur) {
  const double largeur = 360 * echelle_figure, hauteur = 200 * echelle_figure;
  for (double cy = y0 + 70 * echelle_figure; cy + 130 * echelle_figure < y1; cy += hauteur)
    for (double cx = x0 + 70 * echelle_figure; cx + 290 * echelle_figure < x1; cx += largeur)
      Figure_formule(p, cx, cy, echelle_figure, epaisseur);
}

}  // namespace

Plan Page_hachures(int32_t pas, int32_t echelle) {
  const int32_t largeur = 620 * echelle, hauteur = 877 * echelle;
  Plan p = Plan_blanc(largeur, hauteur);
  for (int32_t y = 2 * MARGE; y + 30 < hauteur - 2 * MARGE; y += 40)
    for (int32_t x = 2 * MARGE; x + 20 < largeur - 2 * MARGE; x += pas) Trait_epais(p, x, y + 25, x + 20, y + 5, 2.0);
  return p;
}

Plan Page_damier(int32_t cote_case, int32_t echelle) {
  const int32_t cote = 250 * echelle;
  Plan p = Plan_blanc(cote, cote);
  for (int32_t y = MARGE; y < cote - MARGE; ++y)
    for (int32_t x = MARGE; x < cote - MARGE; ++x)
      if (((x / cote_case) + (y / cote_case)) % 2 == 0) Ecrit_pixel(x, y, 1, p);
  return p;
}

Plan Page_degrade(int32_t echelle) {
  const int32_t largeur = 400 * echelle, hauteur = 250 * echelle;
  Plan p = Plan_blanc(largeur, hauteur);
  // Floyd-Steinberg diffusion of a left-to-right ramp from white to black.
  const int32_t w = largeur - 2 * MARGE;
  std::vector<double> ligne(w + 2, 0.0), suivante(w + 2, 0.0);
  for (int32_t y = MARGE; y < hauteur - MARGE; ++y) {
    for (int32_t i = 0; i < w; ++i) {
      const double gris = ligne[i + 1] + static_cast<double>(i) / (w - 1);
      const double valeur = gris >= 0.5 ? 1.0 : 0.0;
      if (valeur == 1.0) Ecrit_pixel(MARGE + i, y, 1, p);
      const double erreur = gris - valeur;
      ligne[i + 2] += erreur * 7 / 16;
      suivante[i] += erreur * 3 / 16;
      suivante[i + 1] += erreur * 5 / 16;
      suivante[i + 2] += erreur * 1 / 16;
    }
    ligne.swap(suivante);
    std::fill(suivante.begin(), suivante.end(), 0.0);
  }
  return p;
}

Plan Page_texte_dense(int32_t echelle) {
  const int32_t largeur = 620 * echelle, hauteur = 877 * echelle;
  Plan p = Plan_blanc(largeur, hauteur);
  // Strokes of a glyph in a unit box (x right, y down), as x1, y1, x2, y2.
  static constexpr double traits[][4] = {{0, 0, 0, 1},   {1, 0, 1, 1},   {0.5, 0, 0.5, 1}, {0, 0, 1, 0},
                                         {0, 0.5, 1, 0.5}, {0, 1, 1, 1}, {0, 1, 1, 0},     {0, 0, 1, 1},
                                         {0, 0.5, 0.5, 0}, {0.5, 1, 1, 0.5}};
  Hasard h(12);
  const double lg = 6, ht = 10;
  for (int32_t y = 2 * MARGE; y + ht < hauteur - 2 * MARGE; y += 20) {
    int32_t x = 2 * MARGE;
    while (x + lg < largeur - 2 * MARGE) {
      const int32_t lettres = 2 + h.Entier(7);
      for (int32_t l = 0; l < lettres && x + lg < largeur - 2 * MARGE; ++l, x += 10) {
        const int32_t n = 2 + h.Entier(3);
        for (int32_t k = 0; k < n; ++k) {
          const double* t = traits[h.Entier(10)];
          Trait_epais(p, x + t[0] * lg, y + t[1] * ht, x + t[2] * lg, y + t[3] * ht, 1.8);
        }
      }
      x += 10;
    }
  }
  return p;
}

Plan Page_formules_trame(int32_t echelle) {
  const int32_t largeur = 500 * echelle, hauteur = 350 * echelle;
  Plan p = Plan_blanc(largeur, hauteur);
  Formules(p, MARGE, MARGE, largeur / 2, hauteur - MARGE, 0.6, 3);
  // The photo: a smooth grey image printed as clustered dots on a 6-pixel
  // screen; a dot grows from the centre of its cell with the grey level.
  constexpr int32_t trame = 6;
  for (int32_t y = MARGE + 5; y < hauteur - MARGE - 5; ++y)
    for (int32_t x = largeur / 2 + 10; x < largeur - MARGE - 5; ++x) {
      const double gris = 0.5 + 0.35 * std::sin(x / 37.0) * std::cos(y / 53.0) + 0.1 * std::sin((x + y) / 91.0);
      const double dx = (x % trame) - (trame - 1) / 2.0, dy = (y % trame) - (trame - 1) / 2.0;
      const double seuil = (dx * dx + dy * dy) / (2 * ((trame - 1) / 2.0) * ((trame - 1) / 2.0));
      if (gris > seuil) Ecrit_pixel(x, y, 1, p);
    }
  return p;
}

Plan Page_bruit(int32_t pour_cent, int32_t echelle) {
  const int32_t largeur = 400 * echelle, hauteur = 300 * echelle;
  Plan p = Plan_blanc(largeur, hauteur);
  Formules(p, MARGE, MARGE, largeur - MARGE, hauteur - MARGE, 0.5, 3);
  Hasard h(static_cast<uint64_t>(pour_cent) * 1000003u + static_cast<uint64_t>(echelle));
  const double proportion = pour_cent / 100.0;
  for (int32_t y = MARGE; y < hauteur - MARGE; ++y)
    for (int32_t x = MARGE; x < largeur - MARGE; ++x)
      if (h.Reel() < proportion) Ecrit_pixel(x, y, Lit_pixel(x, y, p) == 1 ? 0 : 1, p);
  return p;
}

const std::vector<PageStress>& Pages_stress() {
  static const std::vector<PageStress> pages = {
      {"hachures_pas6", [](int32_t e) { return Page_hachures(6, e); }},
      {"hachures_pas12", [](int32_t e) { return Page_hachures(12, e); }},
      {"hachures_pas24", [](int32_t e) { return Page_hachures(24, e); }},
      {"damier_2px", [](int32_t e) { return Page_damier(2, e); }},
      {"damier_3px", [](int32_t e) { return Page_damier(3, e); }},
      {"degrade_diffuse", Page_degrade},
      {"texte_dense", Page_texte_dense},
      {"formules_et_trame", Page_formules_trame},
      {"bruit_1pc", [](int32_t e) { return Page_bruit(1, e); }},
      {"bruit_5pc", [](int32_t e) { return Page_bruit(5, e); }},
      {"bruit_10pc", [](int32_t e) { return Page_bruit(10, e); }},
  };
  return pages;
}
