#include <gtest/gtest.h>

#include <cstdlib>

#include "app/chaines.h"
#include "app/chaines_structure.h"
#include "outils_structure.h"
#include "structure/liaisons.h"

// From drawn strokes through vectorisation, the graph group and the bond
// analysis: a double bond, a triple bond, a lone bond and a cross, each
// symbol's vertices at the ends of the strokes drawn for it.
TEST(Chaine_structure, LiaisonsDessinees) {
  struct Attendu {
    const char* commentaire;
    std::vector<std::vector<int32_t>> traits;  // x1 y1 x2 y2, either way round
  };
  const Attendu attendus[] = {
      {"L2", {{40, 60, 200, 60}, {60, 72, 180, 72}}},
      {"L3", {{240, 75, 380, 75}, {240, 60, 380, 60}, {240, 90, 380, 90}}},
      {"X2", {{360, 150, 240, 270}, {240, 150, 360, 270}}},
      {"L1", {{160, 200, 40, 200}}},
  };
  Plan p = Plan_blanc(400, 300);
  for (const Attendu& a : attendus)
    for (const auto& t : a.traits) Trait_epais(p, t[0], t[1], t[2], t[3], 5);
  Banc b(Param_defaut());
  Document doc;
  Installe_plan(doc, std::move(p));
  Chaine_representation(b.ctx, doc);
  Groupe_graphe(b.ctx, doc);
  Analyse_liaisons(b.ctx, doc);
  ASSERT_EQ(doc.ListeSymboles.size(), 4u);
  auto proche = [](int32_t x, int32_t y, int32_t u, int32_t v) { return std::abs(x - u) <= 2 && std::abs(y - v) <= 2; };
  size_t i = 0;
  for (const Symbole& s : doc.ListeSymboles) {
    const Attendu& a = attendus[i++];
    EXPECT_STREQ(s.Commentaire, a.commentaire);
    ASSERT_EQ(s.Nb, a.traits.size()) << a.commentaire;
    // Each stroke of the symbol is one of the strokes drawn, each drawn once.
    std::vector<bool> pris(a.traits.size(), false);
    for (uint32_t k = 0; k < s.Nb; ++k) {
      const Sommet u = s.Sommets[2 * k], v = s.Sommets[2 * k + 1];
      bool trouve = false;
      for (size_t t = 0; t < a.traits.size() && !trouve; ++t) {
        const auto& d = a.traits[t];
        if (pris[t]) continue;
        if ((proche(u.x, u.y, d[0], d[1]) && proche(v.x, v.y, d[2], d[3])) ||
            (proche(u.x, u.y, d[2], d[3]) && proche(v.x, v.y, d[0], d[1])))
          pris[t] = trouve = true;
      }
      EXPECT_TRUE(trouve) << a.commentaire << " " << u.x << "," << u.y << " " << v.x << "," << v.y;
    }
  }
  EXPECT_EQ(b.ctx.NumGroupe, 104);
}
