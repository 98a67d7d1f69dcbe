#include <gtest/gtest.h>

#include "outils_texte.h"
#include "samples/dessin.h"
#include "text/masque.h"

TEST(Masque, FenetresExactesDe80Sur100EtSeuilmaskNul) {
  // Each 10 x 10 window holds 50 ink pixels, one more on a checkerboard of
  // cells: SEUILMASK 2 lights exactly those. The column x2 and the row y2 are
  // inked and never read.
  const int32_t x1 = 5, y1 = 3, x2 = x1 + 80, y2 = y1 + 100;
  Plan p = Plan_blanc(100, 120);
  CasesMasque attendu{};
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 8; ++c) {
      attendu[r * 8 + c] = (r + c) % 2;
      for (int k = 0; k < 50 + (r + c) % 2; ++k) Ecrit_pixel(x1 + 10 * c + k % 10, y1 + 10 * r + k / 10, 1, p);
    }
  for (int32_t x = x1; x <= x2; ++x) Ecrit_pixel(x, y2, 1, p);
  for (int32_t y = y1; y <= y2; ++y) Ecrit_pixel(x2, y, 1, p);
  CasesMasque m;
  Extrait_masque(p, x1, y1, x2, y2, m, 2);
  EXPECT_EQ(m, attendu);
  // SEUILMASK 0 or below counts as 1: n / 1 < p never holds, every cell is
  // background (0 must not divide, -3 must not light every cell).
  for (int32_t seuil : {0, -3}) {
    m.fill(7);
    Extrait_masque(p, x1, y1, x2, y2, m, seuil);
    EXPECT_EQ(m, CasesMasque{}) << seuil;
  }
}

TEST(Masque, FenetresDUnPixelEtChevauchantes) {
  // One ink pixel at a time, SEUILMASK 1000: a cell is lit when its window
  // holds the pixel. Windows start at the listed offsets; on 12 x 13 they are
  // 2 pixels wide, overlapping, the later ones shifted to end at offset 11 (12).
  struct Boite {
    int32_t W, H, largeur;
    std::vector<int> colonnes, lignes;
  };
  const Boite boites[] = {
      {8, 10, 1, {0, 1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {12, 13, 2, {0, 1, 2, 3, 4, 6, 8, 10}, {0, 1, 2, 3, 4, 5, 6, 7, 9, 11}},
  };
  const int32_t x1 = 4, y1 = 6;
  for (const Boite& b : boites)
    for (int dy = 0; dy <= b.H; ++dy)
      for (int dx = 0; dx <= b.W; ++dx) {
        Plan p = Plan_blanc(40, 40);
        Ecrit_pixel(x1 + dx, y1 + dy, 1, p);
        CasesMasque m, attendu{};
        Extrait_masque(p, x1, y1, x1 + b.W, y1 + b.H, m, 1000);
        auto dans = [&](int d, int debut) { return d >= debut && d < debut + b.largeur; };
        for (int r = 0; r < 10; ++r)
          for (int c = 0; c < 8; ++c) attendu[r * 8 + c] = dans(dy, b.lignes[r]) && dans(dx, b.colonnes[c]);
        EXPECT_EQ(m, attendu) << b.W << "x" << b.H << " offset " << dx << "," << dy;
      }
}
