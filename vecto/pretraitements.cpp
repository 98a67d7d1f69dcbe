// Pre-treatments from Plan 1 into Plan 2: the 4-neighbour majority filter and
// the median axis by a two-pass chamfer distance.
#include "vecto/pretraitements.h"

#include <algorithm>
#include <new>
#include <vector>

#include "console/console.h"
#include "image/document.h"
#include "image/operations_plan.h"

void Restauration(Console& con, Document& doc) {
  const Plan& p1 = doc.Plan1;
  const int32_t largeur = 8 * doc.NbOctetsLigne();
  const int32_t hauteur = doc.NbLignes();
  con.Log_Efface();
  con.Log_Texte(0, " Restauration . . .");
  con.Progression_Init(1, hauteur - 1);
  for (int32_t y = 1; y <= hauteur - 2; ++y) {
    con.Progression_Pas();
    for (int32_t x = 1; x <= largeur - 2; ++x) {
      const int k = Lit_pixel(x - 1, y, p1) + Lit_pixel(x + 1, y, p1) + Lit_pixel(x, y - 1, p1) +
                    Lit_pixel(x, y + 1, p1);
      const bool encre = Lit_pixel(x, y, p1) == 1 ? k >= 2 : k >= 3;
      Ecrit_pixel(x, y, encre ? 1 : 0, doc.Plan2);
    }
  }
  con.Log_Efface();
}

namespace {

// W x H distances of the ink to the background, 8-bit cells that wrap
// around past 255.
class Grille {
 public:
  Grille(int32_t largeur, int32_t hauteur)
      : L(largeur), Cellules(static_cast<size_t>(largeur) * static_cast<size_t>(hauteur)) {}
  uint8_t& operator()(int32_t x, int32_t y) { return Cellules[static_cast<size_t>(y) * L + x]; }

 private:
  size_t L;
  std::vector<uint8_t> Cellules;
};

uint8_t Plus_un(uint8_t v) { return static_cast<uint8_t>(v + 1); }

}  // namespace

void Axe_median(Console& con, Document& doc) {
  const int32_t W = 8 * doc.NbOctetsLigne();
  const int32_t H = doc.NbLignes();
  if (W <= 0 || H <= 0) return;
  try {
    Grille d(W, H);
    Raz_Plan2(doc);
    for (int32_t y = 0; y < H; ++y)
      for (int32_t x = 0; x < W; ++x) d(x, y) = static_cast<uint8_t>(Lit_pixel(x, y, doc.Plan1));

    con.Progression_Init(0, H);
    for (int32_t y = 1; y <= H - 1; ++y) {
      con.Progression_Pas();
      for (int32_t x = 1; x <= W - 2; ++x)
        if (d(x, y) != 0)
          d(x, y) = Plus_un(std::min({d(x - 1, y - 1), d(x, y - 1), d(x + 1, y - 1), d(x - 1, y)}));
    }
    con.Progression_Init(1, H - 1);
    for (int32_t y = H - 2; y >= 0; --y) {
      con.Progression_Pas();
      for (int32_t x = W - 2; x >= 1; --x)
        if (d(x, y) != 0)
          d(x, y) = std::min(d(x, y), Plus_un(std::min({d(x - 1, y + 1), d(x, y + 1), d(x + 1, y + 1), d(x + 1, y)})));
    }

    // Ink wherever a greater distance lies in one half-neighbourhood: the
    // local maxima stay background.
    con.Progression_Init(1, H - 1);
    for (int32_t y = 1; y <= H - 1; ++y) {
      con.Progression_Pas();
      for (int32_t x = 1; x <= W - 2; ++x) {
        const uint8_t v = d(x, y);
        if (v != 0 && (d(x - 1, y - 1) > v || d(x, y - 1) > v || d(x + 1, y - 1) > v || d(x - 1, y) > v))
          Ecrit_pixel(x, y, 1, doc.Plan2);
      }
    }
    for (int32_t y = H - 2; y >= 0; --y)
      for (int32_t x = W - 2; x >= 1; --x) {
        const uint8_t v = d(x, y);
        if (v != 0 && (d(x - 1, y + 1) > v || d(x, y + 1) > v || d(x + 1, y + 1) > v || d(x + 1, y) > v))
          Ecrit_pixel(x, y, 1, doc.Plan2);
      }
  } catch (const std::bad_alloc&) {
    con.Erreur_Box(" - Erreur mem. - ");
  }
}
