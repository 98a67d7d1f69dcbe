#include <gtest/gtest.h>

#include "display/trace_texte.h"
#include "outils_texte.h"
#include "samples/dessin.h"

TEST(TraceTexte, PhiPHEtBords) {
  const CasesMasque P = Motif(1), H = Motif(2), PHI = Motif(3);
  // "ph" is no glyph name of its own here: only "phi" is read whole.
  const ListePolice police = {{"p", P}, {"h", H}, {"phi", PHI}, {"ph", H}}, vide;
  const int32_t G = -2000000000;
  struct Place {
    const CasesMasque* m;
    int32_t x, y, s;  // top-left corner, scale
  };
  struct Cas {
    const ListePolice* police;
    const char* texte;
    int32_t x, y, echelle;
    std::vector<Place> places;  // the glyphs expected; the rest keeps its ink
  };
  const Cas cas[] = {
      {&police, "phi", 5, 4, 2, {{&PHI, 5, 4, 2}}},
      {&police, "ph", 5, 4, 3, {{&P, 5, 4, 3}, {&H, 5 + 27, 4, 3}}},
      {&police, "pxh", 5, 4, 1, {{&P, 5, 4, 1}, {&H, 5 + 18, 4, 1}}},  // no glyph for x: its place untouched
      {&police, "hi", 5, 4, 1, {{&H, 5, 4, 1}}},
      {&vide, "phi", 5, 4, 1, {}},
      {&vide, "abc", 5, 4, 1, {}},
      // Partly or wholly outside the plane, huge scales: clipped, no hang.
      {&police, "ppp", -5, -7, 1, {{&P, -5, -7, 1}, {&P, 4, -7, 1}, {&P, 13, -7, 1}}},
      {&police, "p", 112, 52, 2, {{&P, 112, 52, 2}}},
      {&police, "pppp", -G, -G, 1000000, {}},
      {&police, "p", G, 5, 1000000, {}},
      {&police, "p", 30, 5, 0, {}},  // a scale below 1 draws nothing
      {&police, "p", 30, 5, -2, {}},
  };
  for (const Cas& c : cas) {
    Plan p = Plan_blanc(120, 60);
    Rectangle_plein(p, 1, 1, 119, 59);  // opaque boxes: their background cells erase
    Trace_texte(*c.police, p, c.x, c.y, c.texte, c.echelle);
    for (int32_t y = 1; y < 60; ++y)
      for (int32_t x = 1; x < 120; ++x) {
        int attendu = 1;
        for (const Place& g : c.places)
          if (x >= g.x && y >= g.y && x < g.x + 8 * g.s && y < g.y + 10 * g.s)
            attendu = (*g.m)[(y - g.y) / g.s * 8 + (x - g.x) / g.s];
        ASSERT_EQ(Lit_pixel(x, y, p), attendu) << &c - cas << " at " << x << "," << y;
      }
  }
}
