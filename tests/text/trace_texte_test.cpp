#include <gtest/gtest.h>

#include <array>

#include "display/trace_texte.h"
#include "outils_texte.h"
#include "samples/dessin.h"

namespace {

// A glyph whose ink cells are the '#' of its 10 rows of 8.
Glyphe Glyphe_de(const char* nom, const std::vector<std::string>& lignes) {
  Glyphe g;
  Copie_nom(g.Nom, nom);
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 8; ++c) g.Masque[r * 8 + c] = lignes[r][c] == '#';
  return g;
}

const std::vector<std::string> P = {"######..", "#.....#.", "#.....#.", "######..", "#.......",
                                    "#.......", "#.......", "#.......", "#.......", "#......."};
const std::vector<std::string> H = {"#.......", "#.......", "#.......", "######..", "#.....#.",
                                    "#.....#.", "#.....#.", "#.....#.", "#.....#.", "#.....#."};
const std::vector<std::string> PHI = {"...#....", ".#####..", "#..#..#.", "#..#..#.", "#..#..#.",
                                      ".#####..", "...#....", "...#....", "........", "........"};

// The pixels of the glyph drawn at (x, y), scale s, as rows of '.'/'#'.
int Attendu(const std::vector<std::string>& g, int32_t x, int32_t y, int32_t s, int32_t px, int32_t py) {
  if (px < x || py < y || px >= x + 8 * s || py >= y + 10 * s) return -1;
  return g[(py - y) / s][(px - x) / s] == '#';
}

}  // namespace

TEST(TraceTexte, PhiEtPH) {
  const ListePolice police = {Glyphe_de("p", P), Glyphe_de("h", H), Glyphe_de("phi", PHI), Glyphe_de("ph", H)};
  struct Cas {
    const char* texte;
    int32_t echelle;
    std::vector<std::pair<const std::vector<std::string>*, int32_t>> glyphes;  // glyph, x offset
  };
  const Cas cas[] = {
      {"phi", 1, {{&PHI, 0}}},
      {"phi", 2, {{&PHI, 0}}},
      {"ph", 1, {{&P, 0}, {&H, 9}}},
      {"ph", 3, {{&P, 0}, {&H, 27}}},
      {"pxh", 1, {{&P, 0}, {&H, 18}}},  // no glyph for x: its place stays empty
      {"hi", 1, {{&H, 0}}},
  };
  const int32_t x = 5, y = 4;
  for (const Cas& c : cas) {
    Plan p = Plan_blanc(120, 60);
    Rectangle_plein(p, 1, 1, 110, 50);  // opaque boxes: their background cells erase
    Trace_texte(police, p, x, y, c.texte, c.echelle);
    for (int32_t py = 1; py <= 50; ++py)
      for (int32_t px = 1; px <= 110; ++px) {
        int attendu = 1;
        for (const auto& [g, dx] : c.glyphes)
          if (const int a = Attendu(*g, x + dx, y, c.echelle, px, py); a >= 0) attendu = a;
        ASSERT_EQ(Lit_pixel(px, py, p), attendu) << c.texte << " " << c.echelle << " at " << px << "," << py;
      }
  }
}

TEST(TraceTexte, SansGlypheEtHorsDuPlan) {
  Plan p = Plan_blanc(64, 32);
  Trace_texte(ListePolice{}, p, 3, 3, "phi", 1);
  Trace_texte(ListePolice{}, p, 3, 3, "abc", 1);
  const ListePolice police = {Glyphe_de("a", P)};
  // Partly or wholly outside the plane, or with a huge scale: clipped, no hang.
  Trace_texte(police, p, -5, -7, "aaa", 1);
  Trace_texte(police, p, 58, 26, "a", 2);
  Trace_texte(police, p, 2000000000, 2000000000, "aaaa", 1000000);
  Trace_texte(police, p, -2000000000, 5, "a", 1000000);
  Trace_texte(police, p, 30, 5, "a", 0);
  Trace_texte(police, p, 30, 5, "a", -2);
  const std::vector<std::array<int32_t, 3>> places = {{-5, -7, 1}, {4, -7, 1}, {13, -7, 1}, {58, 26, 2}};
  for (int32_t y = 1; y < 31; ++y)
    for (int32_t x = 1; x < 63; ++x) {
      int attendu = 0;
      for (const auto& [gx, gy, s] : places)
        if (const int a = Attendu(P, gx, gy, s, x, y); a >= 0) attendu = a;
      ASSERT_EQ(Lit_pixel(x, y, p), attendu) << x << "," << y;
    }
}
