#include <gtest/gtest.h>

#include <set>

#include "outils_test.h"
#include "outils_texte.h"
#include "samples/dessin.h"
#include "text/compare_car.h"
#include "text/masque.h"

namespace {

// Column-window cells touched by each pixel offset 0..W of a box of width W
// (rows likewise).
std::set<int> Cellules_de(int decalage, const std::vector<std::set<int>>& table) {
  return decalage < static_cast<int>(table.size()) ? table[decalage] : std::set<int>{};
}

}  // namespace

TEST(Masque, FenetresExactesDe80Sur100) {
  // Every 10 x 10 window holds 50 ink pixels, plus one more on a checkerboard
  // of cells; the column x2 and the row y2 are inked and never read.
  const int32_t x1 = 5, y1 = 3, x2 = x1 + 80, y2 = y1 + 100;
  Plan p = Plan_blanc(100, 120);
  CasesMasque attendu{};
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 8; ++c) {
      const int encre = 50 + (r + c) % 2;
      attendu[r * 8 + c] = (r + c) % 2;
      for (int k = 0; k < encre; ++k) Ecrit_pixel(x1 + 10 * c + k % 10, y1 + 10 * r + k / 10, 1, p);
    }
  for (int32_t x = x1; x <= x2; ++x) Ecrit_pixel(x, y2, 1, p);
  for (int32_t y = y1; y <= y2; ++y) Ecrit_pixel(x2, y, 1, p);
  CasesMasque m;
  Extrait_masque(p, x1, y1, x2, y2, m, 2);
  EXPECT_EQ(m, attendu);
}

TEST(Masque, FenetresDUnPixelEtFenetresChevauchantes) {
  // One ink pixel at a time; with SEUILMASK 1000 a cell is ink as soon as its
  // window holds one ink pixel, so the lit cells are the windows holding it.
  struct Boite {
    int32_t W, H;
    std::vector<std::set<int>> colonnes, lignes;  // cells holding each offset
  };
  const Boite boites[] = {
      // 8 x 10: windows of one pixel.
      {8, 10, {{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}}, {{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}}},
      // 12 x 13: 2-pixel windows overlapping up to the excess (4 and 7), then
      // shifted so that the last one ends at offset 11 (12).
      {12,
       13,
       {{0}, {0, 1}, {1, 2}, {2, 3}, {3, 4}, {4}, {5}, {5}, {6}, {6}, {7}, {7}},
       {{0}, {0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7}, {8}, {8}, {9}, {9}}},
  };
  const int32_t x1 = 4, y1 = 6;
  for (const Boite& b : boites)
    for (int dy = 0; dy <= b.H; ++dy)
      for (int dx = 0; dx <= b.W; ++dx) {
        Plan p = Plan_blanc(40, 40);
        Ecrit_pixel(x1 + dx, y1 + dy, 1, p);
        CasesMasque m;
        Extrait_masque(p, x1, y1, x1 + b.W, y1 + b.H, m, 1000);
        CasesMasque attendu{};
        for (int r : Cellules_de(dy, b.lignes))
          for (int c : Cellules_de(dx, b.colonnes)) attendu[r * 8 + c] = 1;
        EXPECT_EQ(m, attendu) << b.W << "x" << b.H << " offset " << dx << "," << dy;
      }
}

TEST(Masque, SeuilmaskNulCompteUn) {
  // n / 1 < p never holds: every cell is background, and nothing divides by 0.
  Plan p = Plan_blanc(40, 40);
  Rectangle_plein(p, 1, 1, 30, 30);
  for (int32_t seuil : {0, -3, 1}) {
    CasesMasque m;
    m.fill(7);
    Extrait_masque(p, 2, 2, 10, 12, m, seuil);
    EXPECT_EQ(m, CasesMasque{}) << seuil;
  }
}

TEST(Masque, ClasseNom) {
  const std::pair<const char*, int16_t> cas[] = {
      {"", -1}, {" ", -1},  {"A", 1},  {"Z", 1},  {"a", 2},  {"z", 2}, {"0", 3},   {"9", 3},
      {"+", 4}, {"-", 4},   {"=", -2}, {"@", -2}, {"[", -2}, {"`", -2}, {"Cl", 5}, {"  ", 5},
  };
  for (const auto& [nom, classe] : cas) EXPECT_EQ(Classe_nom(nom), classe) << '"' << nom << '"';
}
