#include <gtest/gtest.h>

#include <random>
#include <set>

#include "outils_structure.h"
#include "image/segment.h"
#include "structure/graphe.h"
#include "structure/index_traits.h"
#include "structure/intersections.h"
#include "structure/mesures.h"

TEST(Intersection_segments, CroisementsContactsEtParalleles) {
  struct Ligne {
    int32_t s[8];
    int32_t attendu, x, y;
  };
  const Ligne lignes[] = {
      {{0, 0, 10, 10, 0, 10, 10, 0}, 1, 5, 5},
      {{0, 0, 10, 0, 10, 0, 10, 10}, 1, 10, 0},  // touching at an end
      {{0, 0, 3, 1, 1, 0, 1, 5}, 1, 1, 1},        // (1, 1/3) rounded up
      {{0, 0, 10, 0, 0, 1, 10, 1}, 0, -7, -7},    // parallel
      {{0, 0, 10, 0, 5, 0, 20, 0}, 0, -7, -7},    // collinear
      {{0, 0, 10, 0, 11, -5, 11, 5}, 0, -7, -7},  // misses
  };
  for (const Ligne& l : lignes) {
    int32_t x = -7, y = -7;
    const int32_t* s = l.s;
    EXPECT_EQ(Intersection_segments(x, y, s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]), l.attendu) << s[0];
    EXPECT_EQ(x, l.x);
    EXPECT_EQ(y, l.y);
  }
}

TEST(Point_dans_quad, OrigineDedansOuDehors) {
  // A square around the origin: the count toward (0, 0) is reversed.
  EXPECT_EQ(Point_dans_quad(5, 3, -10, -10, 10, -10, 10, 10, -10, 10), 1);
  EXPECT_EQ(Point_dans_quad(20, 3, -10, -10, 10, -10, 10, 10, -10, 10), 0);
  EXPECT_TRUE(Origine_dans_quad(-10, -10, 10, -10, 10, 10, -10, 10));
  // Away from the origin: plain parity.
  EXPECT_EQ(Point_dans_quad(15, 17, 10, 10, 20, 10, 20, 20, 10, 20), 1);
  // The way to the origin through corner (10,10) crosses two edges there.
  EXPECT_EQ(Point_dans_quad(15, 15, 10, 10, 20, 10, 20, 20, 10, 20), 0);
  EXPECT_EQ(Point_dans_quad(25, 15, 10, 10, 20, 10, 20, 20, 10, 20), 0);
  EXPECT_EQ(Point_dans_quad(5, 5, 10, 10, 20, 10, 20, 20, 10, 20), 0);
  // The origin on an edge is neither inside nor a reason to reverse.
  EXPECT_FALSE(Origine_dans_quad(0, -10, 10, -10, 10, 10, 0, 10));
  EXPECT_TRUE(Origine_sur_bord(0, -10, 10, -10, 10, 10, 0, 10));
  EXPECT_FALSE(Origine_sur_bord(10, 10, 20, 10, 20, 20, 10, 20));
}

TEST(Zone_recherche, CoinsEtTraitPoint) {
  Extremite z[4];
  // End 2 (100,100), end 1 (101,101).
  ASSERT_TRUE(Zone_recherche(Quad({101, 101}, {100, 100}, {100, 100}, {101, 101}), z));
  const std::vector<std::pair<int32_t, int32_t>> coins = {{z[0].x, z[0].y}, {z[1].x, z[1].y}, {z[2].x, z[2].y},
                                                          {z[3].x, z[3].y}};
  EXPECT_EQ(coins, (std::vector<std::pair<int32_t, int32_t>>{{29, 100}, {102, 173}, {172, 101}, {99, 28}}));
  // Both ends at (50, 50): no zone.
  EXPECT_FALSE(Zone_recherche(Quad({48, 50}, {52, 50}, {48, 50}, {52, 50}), z));
}

TEST(Ligne_axe, BornesDeLImage) {
  Extremite a, b;
  Quadrilatere q = Axe(40, 2, 30, 5);  // end 2 (30,5), end 1 (40,2)
  q.Angle1 = q.Angle2 = 16;
  ASSERT_TRUE(Ligne_axe(q, 64, 50, a, b));
  EXPECT_EQ(std::make_pair(a.x, a.y), std::make_pair(1, 13));
  EXPECT_EQ(std::make_pair(b.x, b.y), std::make_pair(64, -6));  // floor, not truncation
  // A vertical stroke runs from the top row to the bottom one.
  ASSERT_TRUE(Ligne_axe(Axe(70, 170, 70, 112), 300, 200, a, b));
  EXPECT_EQ(std::make_pair(a.x, a.y), std::make_pair(70, 1));
  EXPECT_EQ(std::make_pair(b.x, b.y), std::make_pair(70, 200));
  // A mean angle that says horizontal for a vertical axis: a = 0 is not the
  // test, b = 0 is, so the vertical form is taken.
  q = Axe(70, 170, 70, 112);
  q.Angle1 = q.Angle2 = 10;
  ASSERT_TRUE(Ligne_axe(q, 300, 200, a, b));
  EXPECT_EQ(std::make_pair(a.x, b.x), std::make_pair(70, 70));
  EXPECT_FALSE(Ligne_axe(Quad({48, 50}, {52, 50}, {48, 50}, {52, 50}), 300, 200, a, b));
}

TEST(Mesures, RacinesEntieres) {
  const int64_t g = int64_t{1} << 62, r = int64_t{1} << 31;
  const std::pair<int64_t, int64_t> plancher[] = {{0, 0},   {1, 1},   {2, 1},   {3, 1},      {4, 2},       {15, 3},
                                                  {16, 4},  {17, 4},  {14400, 120}, {14401, 120}, {g, r}, {g - 1, r - 1}};
  for (const auto& [n, r] : plancher) EXPECT_EQ(Racine_plancher(n), r) << n;
  EXPECT_EQ(Racine_plafond(14400), 120);
  EXPECT_EQ(Racine_plafond(14401), 121);
  EXPECT_EQ(Racine_plafond(0), 0);
}

TEST(Mesures, FondInferieurSuitLeMemeChemin) {
  Plan p = Plan_blanc(60, 40);
  std::mt19937 gen(7);
  std::uniform_int_distribution<int32_t> c(-10, 70), bit(0, 2);
  for (int32_t y = 1; y < 40; ++y)
    for (int32_t x = 1; x < 60; ++x)
      if (bit(gen) != 0) Ecrit_pixel(x, y, 1, p);
  for (int i = 0; i < 2000; ++i) {
    const Extremite a{c(gen), c(gen)}, b{c(gen), c(gen)};
    const int32_t n = Compte_fond(a.x, a.y, b.x, b.y, p);
    for (int32_t limite = 0; limite <= 12; ++limite)
      ASSERT_EQ(Fond_inferieur(a, b, p, limite), n < limite) << a.x << "," << a.y << " " << b.x << "," << b.y;
  }
}

// Every stroke the exact zone test accepts is among the index's candidates,
// including those its count toward the origin takes in through a corner of
// the zone far outside its box.
TEST(Index_traits, CandidatsContiennentLesVoisins) {
  std::mt19937 gen(11);
  std::uniform_int_distribution<int32_t> c(-80, 700), l(-40, 40), L(-400, 400), k(1, 4);
  std::vector<Quadrilatere> traits;
  for (int i = 0; i < 400; ++i) {
    const int32_t x = c(gen), y = c(gen);
    // Some long strokes, across many cells of the grid.
    if (i % 5 == 0)
      traits.push_back(Axe(x, y, x + L(gen), y + L(gen)));
    else
      traits.push_back(Axe(x, y, x + l(gen), y + l(gen)));
  }
  // Strokes whose end 2 lies on the ray from the origin through a corner of
  // an earlier stroke's zone.
  for (int i = 0; i < 60; ++i) {
    Extremite z[4];
    if (!Zone_recherche(traits[i], z)) continue;
    const Extremite v = z[i % 4];
    const int32_t m = k(gen) + 1;
    traits.push_back(Axe(v.x * m + 7, v.y * m + 3, v.x * m, v.y * m));
  }
  std::vector<const Quadrilatere*> p;
  for (const Quadrilatere& q : traits) p.push_back(&q);
  Index_traits index(p);
  int hors_boite = 0;
  for (size_t i = 0; i < traits.size(); ++i) {
    Extremite z[4];
    if (!Zone_recherche(traits[i], z)) continue;
    const std::vector<int32_t> cand = index.Candidats(static_cast<int32_t>(i), z);
    ASSERT_TRUE(std::is_sorted(cand.begin(), cand.end()));
    const std::set<int32_t> ens(cand.begin(), cand.end());
    int32_t xmin = z[0].x, xmax = z[0].x, ymin = z[0].y, ymax = z[0].y;
    for (const Extremite& e : z) {
      xmin = std::min(xmin, e.x), xmax = std::max(xmax, e.x);
      ymin = std::min(ymin, e.y), ymax = std::max(ymax, e.y);
    }
    for (size_t j = i + 1; j < traits.size(); ++j) {
      const Extremite e2 = Extremite2(traits[j]), e1 = Extremite1(traits[j]);
      bool voisin = false;
      for (const Extremite e : {e2, e1})
        voisin = voisin || Point_dans_quad(e.x, e.y, z[0].x, z[0].y, z[1].x, z[1].y, z[2].x, z[2].y, z[3].x, z[3].y);
      for (int s = 0; s < 4; ++s) {
        int32_t x, y;
        voisin = voisin || Intersection_segments(x, y, e2.x, e2.y, e1.x, e1.y, z[s].x, z[s].y, z[(s + 1) % 4].x,
                                                 z[(s + 1) % 4].y);
      }
      if (!voisin) continue;
      EXPECT_TRUE(ens.count(static_cast<int32_t>(j))) << i << " " << j;
      if (std::max(e1.x, e2.x) < xmin || std::min(e1.x, e2.x) > xmax || std::max(e1.y, e2.y) < ymin ||
          std::min(e1.y, e2.y) > ymax)
        ++hors_boite;
    }
  }
  EXPECT_GT(hors_boite, 0);  // the rays are not there for nothing
}
