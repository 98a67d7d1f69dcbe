#include <gtest/gtest.h>

#include "editors/grille_masque.h"

namespace {

std::string Etats(const GrilleMasque& g, int n) {
  std::string s;
  for (int k = 0; k < n; ++k) s += static_cast<char>('0' + g.Cases[k].EtatCase);
  return s;
}

}  // namespace

TEST(GrilleMasque, CasesEtPoints) {
  const GrilleMasque g;
  EXPECT_EQ(g.Cases[0].Gauche, 10);
  EXPECT_EQ(g.Cases[0].Haut, 10);
  EXPECT_EQ(g.Cases[79].Gauche, 10 + 45 * 7);
  EXPECT_EQ(g.Cases[79].Haut, 10 + 45 * 9);
  EXPECT_EQ(g.Cases[13].Gauche, 10 + 45 * 5);
  EXPECT_EQ(g.Cases[13].Haut, 10 + 45);
  EXPECT_EQ(g.Cases[13].Largeur, 45);
  EXPECT_EQ(g.Cases[13].Hauteur, 45);
  EXPECT_EQ(g.NbIndiff, 0);
  const struct {
    int32_t x, y;
    int k;
  } points[] = {{10, 10, 0}, {54, 54, 0}, {55, 10, 1}, {369, 459, 79}, {370, 100, -1}, {9, 10, -1}, {100, 460, -1}};
  for (const auto& p : points) EXPECT_EQ(Case_sous(g, p.x, p.y), p.k) << p.x << "," << p.y;
}

TEST(GrilleMasque, CycleEtLimiteDesIndifferentes) {
  // Three clicks bring a cell back to background, counting the indifferent
  // state on the way.
  GrilleMasque g;
  std::string vus;
  for (int i = 0; i < 3; ++i) {
    Clique_case(g, 4, 2);
    vus += static_cast<char>('0' + g.Cases[4].EtatCase);
    vus += static_cast<char>('0' + g.NbIndiff);
  }
  EXPECT_EQ(vus, "102100");

  // Limit 0: background -> ink -> background, never indifferent.
  Clique_case(g, 0, 0);
  Clique_case(g, 0, 0);
  EXPECT_EQ(g.Cases[0].EtatCase, 0);
  EXPECT_EQ(g.NbIndiff, 0);

  // Limit 1 with one indifferent cell: an ink cell goes to background; the
  // indifferent cell goes to background and frees the place.
  Clique_case(g, 1, 1);
  Clique_case(g, 1, 1);  // cell 1 indifferent
  Clique_case(g, 2, 1);  // cell 2 ink
  EXPECT_EQ(Etats(g, 3), "021");
  Clique_case(g, 2, 1);
  EXPECT_EQ(Etats(g, 3), "020");
  EXPECT_EQ(g.NbIndiff, 1);
  Clique_case(g, 1, 1);
  Clique_case(g, 2, 1);
  Clique_case(g, 2, 1);
  EXPECT_EQ(Etats(g, 3), "002");
  EXPECT_EQ(g.NbIndiff, 1);

  // Out of range: nothing.
  Clique_case(g, -1, 1);
  Clique_case(g, 80, 1);
  EXPECT_EQ(g.NbIndiff, 1);
}

TEST(GrilleMasque, MasqueAuDelaDeLaLimiteEtLimiteNegative) {
  // A model shown with more indifferent cells than the limit: a click never
  // adds one (and ends), a click on an indifferent cell takes one away.
  GrilleMasque g;
  CasesMasque m{};
  m[0] = m[1] = m[2] = 2;
  m[3] = 1;
  m[5] = 7;  // beyond the three states: shown as indifferent
  Affiche_masque(g, m);
  EXPECT_EQ(g.NbIndiff, 4);
  EXPECT_EQ(Etats(g, 6), "222102");
  Clique_case(g, 4, 1);
  Clique_case(g, 3, 1);
  EXPECT_EQ(Etats(g, 6), "222012");
  Clique_case(g, 4, 1);
  EXPECT_EQ(Etats(g, 6), "222002");
  Clique_case(g, 0, 1);
  EXPECT_EQ(g.NbIndiff, 3);
  CasesMasque lu;
  Lit_grille(g, lu);
  EXPECT_EQ(lu[0], 0);
  EXPECT_EQ(lu[5], 2);

  // A limit below zero (the failure value of a missing parameter) leaves
  // ink and background only.
  Efface_grille(g);
  EXPECT_EQ(g.NbIndiff, 0);
  EXPECT_EQ(Etats(g, 80), std::string(80, '0'));
  for (int i = 0; i < 4; ++i) Clique_case(g, 9, -255);
  EXPECT_EQ(g.Cases[9].EtatCase, 0);
  EXPECT_EQ(g.NbIndiff, 0);
}
