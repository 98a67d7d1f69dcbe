#include <gtest/gtest.h>

#include "outils_structure.h"
#include "structure/analyse_extremites.h"
#include "structure/analyse_graphe.h"

namespace {

std::vector<int32_t> Extremites(const Document& doc) {
  std::vector<int32_t> r;
  for (const Quadrilatere& q : doc.Quadrilateres) r.insert(r.end(), {q.Ep1, q.Ep2});
  return r;
}

}  // namespace

TEST(Analyse_extremites, ConnexionsAuxDeuxBouts) {
  Cas c;
  Quadrilatere* q1 = c.Ajoute(Axe(20, 100, 80, 100));
  Quadrilatere* q2 = c.Ajoute(Axe(80, 160, 80, 102));  // its end 2 at q1's end 2
  Quadrilatere* q3 = c.Ajoute(Axe(20, 102, 20, 160));  // its end 1 at q1's end 1
  Quadrilatere* q4 = c.Ajoute(Axe(50, 140, 50, 103));  // stem on q1, by its end 2
  Quadrilatere* q5 = c.Ajoute(Axe(200, 100, 260, 100));
  Quadrilatere* q6 = c.Ajoute(Axe(262, 100, 300, 100));
  q1->Ep1 = 9;  // recounted from 0
  c.Relie(q1, q2, 'L');
  c.Relie(q1, q3, 'l');
  c.Relie(q1, q4, 'T');
  c.Relie(q5, q6, '~');
  c.Relie(q5, q6, '_');
  c.Relie(q4, q5, 'X');
  c.Relie(q2, q3, 'P');
  EXPECT_EQ(Analyse_extremites(c.b.ctx, c.doc), 1);
  EXPECT_EQ(c.b.con.Log, " Analyse extremités...");
  EXPECT_EQ(Extremites(c.doc), (std::vector<int32_t>{1, 1, 0, 1, 1, 0, 0, 1, 0, 2, 2, 0}));

  // The counters are 8 bits wide.
  for (int i = 0; i < 255; ++i) c.Relie(q1, q2, 'L');
  Analyse_extremites(c.b.ctx, c.doc);
  EXPECT_EQ(q1->Ep2, 0);
  EXPECT_EQ(q2->Ep2, 0);
}

TEST(Raz_extremites, SansTraitRienNestFait) {
  Cas c;
  ListeQuads autre{Axe(1, 1, 20, 1)};
  autre.front().Ep1 = 4;
  EXPECT_EQ(Raz_extremites(c.doc, autre), 0);
  EXPECT_EQ(autre.front().Ep1, 4);
}

TEST(Fusion_alignes, ProlongementsChevauchementsEtAngles) {
  struct Ligne {
    const char* nom;
    Quadrilatere s1, s2;
    int32_t resultat;
    char type;                   // the arc's type after a refusal
    std::vector<int32_t> coins;  // S1 after a merge: x1 y1 x2 y2, Longueur, Angle1
  };
  const Ligne lignes[] = {
      {"droite", Trait(20, 100, 80, 100), Trait(82, 100, 140, 100), 1, 0, {20, 100, 140, 100, 120, 0}},
      // Far ends (20,100) and (140,101): 120.004 gives 121, and 179 degrees.
      {"presque droite", Trait(20, 100, 80, 100), Quad({82, 97}, {140, 98}, {140, 104}, {82, 103}), 1, 0,
       {20, 100, 140, 101, 121, 179}},
      // Far ends 20 and 60 apart while S1 is 80 long.
      {"chevauchement", Trait(20, 100, 100, 100), Trait(60, 100, 120, 100), 0, 'P', {}},
      {"angle de 20", Trait(20, 100, 80, 100), Quad({82, 100}, {138, 80}, {138, 80}, {82, 100}), 0, 'L', {}},
      // Parallel but far below: the line of the far ends turns 140 degrees away.
      {"decales", Trait(20, 100, 80, 100), Trait(82, 200, 140, 200), 0, '_', {}},
  };
  for (const Ligne& l : lignes) {
    Cas c;
    Quadrilatere* s1 = c.Ajoute(l.s1);
    Quadrilatere* s2 = c.Ajoute(l.s2);
    c.Relie(s1, s2, '_');
    auto arc = c.doc.ListeArcs.begin();
    EXPECT_EQ(Fusion_alignes(c.doc, arc, s1, s2), l.resultat) << l.nom;
    if (l.resultat == 1) {
      EXPECT_TRUE(arc == c.doc.ListeArcs.end()) << l.nom;
      ASSERT_EQ(c.doc.Quadrilateres.size(), 1u) << l.nom;
      EXPECT_EQ(c.doc.NbQuads, 1) << l.nom;
      const Quadrilatere& q = c.doc.Quadrilateres.front();
      EXPECT_EQ((std::vector<int32_t>{q.x1, q.y1, q.x2, q.y2, q.Longueur, q.Angle1}), l.coins) << l.nom;
      EXPECT_EQ(std::make_pair(q.x4, q.y4), std::make_pair(q.x1, q.y1)) << l.nom;
      EXPECT_EQ(std::make_pair(q.x3, q.y3), std::make_pair(q.x2, q.y2)) << l.nom;
      EXPECT_EQ(q.Angle2, q.Angle1) << l.nom;
    } else {
      EXPECT_EQ(c.Arcs_lus(), Textes{std::string(1, l.type) + ":0-1"}) << l.nom;
      EXPECT_EQ(c.doc.NbQuads, 2) << l.nom;
    }
  }
}

// A stroke O across the joint of S1 and S2.
TEST(Fusion_alignes, RattachementALaJonction) {
  struct Ligne {
    std::vector<std::tuple<int, int, char>> avant;  // strokes: 0 S1, 1 S2, 2 O, 3 a stroke at S2's far end
    Textes apres;
  };
  const Ligne lignes[] = {
      // An "L" to S2 turned "T" looks for no "T" to S1.
      {{{2, 1, 'L'}, {2, 0, 'T'}}, {"T:1-0", "T:1-0"}},
      // O was the bar of both: one "X" is left.
      {{{2, 0, 'T'}, {2, 1, 'T'}}, {"X:1-0"}},
      {{{2, 1, 't'}, {2, 0, 'T'}}, {"X:1-0"}},
      // S1's and S2's own arcs follow S1; the far stroke does not meet the joint.
      {{{0, 2, 'L'}, {1, 3, 'L'}, {3, 1, 'L'}}, {"T:0-1", "L:0-2", "L:2-0"}},
  };
  for (const Ligne& l : lignes) {
    Cas c;
    Quadrilatere* q[4] = {c.Ajoute(Trait(20, 100, 80, 100)), c.Ajoute(Trait(82, 100, 140, 100)),
                          c.Ajoute(Trait(81, 60, 81, 140)), c.Ajoute(Trait(140, 103, 140, 160))};
    c.Relie(q[0], q[1], '_');
    for (const auto& [a, b, t] : l.avant) c.Relie(q[a], q[b], t);
    auto arc = c.doc.ListeArcs.begin();
    ASSERT_EQ(Fusion_alignes(c.doc, arc, q[0], q[1]), 1);
    EXPECT_EQ(c.Arcs_lus(), l.apres);
  }
}

TEST(Analyse_graphe, FusionsTypesDoublonsEtTraitsCourts) {
  Cas c;
  // A line of three collinear strokes, merged twice.
  Quadrilatere* a = c.Ajoute(Trait(20, 100, 80, 100));
  Quadrilatere* b = c.Ajoute(Trait(82, 100, 140, 100));
  Quadrilatere* d = c.Ajoute(Trait(142, 100, 200, 100));
  // Two parallel strokes joined twice, and a short stroke on one of them.
  Quadrilatere* e = c.Ajoute(Trait(20, 200, 120, 200));
  Quadrilatere* f = c.Ajoute(Trait(30, 210, 110, 210));
  Quadrilatere* g = c.Ajoute(Trait(60, 211, 60, 220));  // 9 long
  Quadrilatere* h = c.Ajoute(Trait(230, 150, 230, 250));
  c.Relie(a, b, '_');
  c.Relie(b, d, '_');
  c.Relie(e, f, 'l');
  c.Relie(f, e, 'P');
  c.Relie(f, g, 'T');
  c.Relie(e, h, 't');
  c.Relie(h, e, '~');  // turned "L" by its angle, then a duplicate
  EXPECT_EQ(Analyse_graphe(c.b.ctx, c.doc), 1);
  EXPECT_EQ(c.b.con.Log, "\n Analyse graphe ...\n Ok.");
  EXPECT_EQ(c.b.con.NbBipsMessage, 1);
  EXPECT_EQ(c.doc.NbQuads, 4);
  ASSERT_EQ(c.doc.Quadrilateres.size(), 4u);
  EXPECT_EQ(c.Arcs_lus(), (Textes{"P:1-2", "L:1-3"}));
  // Every stroke is its axis now.
  std::vector<std::vector<int32_t>> coins;
  for (const Quadrilatere& q : c.doc.Quadrilateres)
    coins.push_back({q.x1, q.y1, q.x2, q.y2, q.x3, q.y3, q.x4, q.y4, q.Longueur});
  EXPECT_EQ(coins, (std::vector<std::vector<int32_t>>{{20, 100, 200, 100, 200, 100, 20, 100, 180},
                                                      {20, 200, 120, 200, 120, 200, 20, 200, 100},
                                                      {30, 210, 110, 210, 110, 210, 30, 210, 80},
                                                      {230, 150, 230, 250, 230, 250, 230, 150, 100}}));
}

// Parallel arcs that cannot be bonds: centres more than 50 pixels apart, or
// both strokes connected twice.
TEST(Analyse_graphe, ParallelesRetirees) {
  struct Ligne {
    int32_t ecart;
    uint8_t ep_e, ep_f;
    bool garde;
  };
  const Ligne lignes[] = {{50, 0, 0, true}, {51, 0, 0, false}, {10, 2, 1, true}, {10, 1, 1, true},
                          {10, 2, 2, false}};
  for (const Ligne& l : lignes) {
    Cas c;
    Quadrilatere* e = c.Ajoute(Trait(20, 100, 120, 100));
    Quadrilatere* f = c.Ajoute(Trait(20, 100 + l.ecart, 120, 100 + l.ecart));
    e->Ep1 = l.ep_e;
    f->Ep2 = l.ep_f;
    c.Relie(e, f, 'P');
    Analyse_graphe(c.b.ctx, c.doc);
    EXPECT_EQ(c.Arcs_lus(), l.garde ? Textes{"P:0-1"} : Textes{}) << l.ecart << " " << int(l.ep_e);
  }
}

// The merge releases the arc just before it (a "T" found from an earlier
// crossing arc): the walk goes on with the arc that followed the merged one.
TEST(Analyse_graphe, MarcheApresUneFusionQuiRetireLePredecesseur) {
  Cas c;
  Quadrilatere* s1 = c.Ajoute(Trait(20, 100, 80, 100));
  Quadrilatere* s2 = c.Ajoute(Trait(82, 100, 140, 100));
  Quadrilatere* o = c.Ajoute(Trait(81, 60, 81, 140));
  Quadrilatere* a = c.Ajoute(Trait(20, 250, 80, 250));
  Quadrilatere* b = c.Ajoute(Trait(82, 250, 140, 250));
  c.Relie(o, s1, 'T');
  c.Relie(o, s2, 'T');
  c.Relie(s1, s2, '_');
  c.Relie(a, b, '_');
  Analyse_graphe(c.b.ctx, c.doc);
  EXPECT_EQ(c.doc.NbQuads, 3);
  EXPECT_EQ(c.Arcs_lus(), Textes{"X:1-0"});
  EXPECT_EQ(c.doc.Quadrilateres.back().Longueur, 120);
}

// The first arc of a pair takes the type of every later "P" or "X" between
// the same strokes: the last one wins.
TEST(Analyse_graphe, DoublonsLeDernierPouXGagne) {
  // The "~" of the last line is merged first, and refused as an overlap: "P".
  const std::pair<std::string, Textes> lignes[] = {
      {"LXP", {"P:0-1"}}, {"LPX", {"X:0-1"}}, {"XLt", {"X:0-1"}}, {"tlT", {"L:0-1"}}, {"tl~", {"P:0-1"}}};
  for (const auto& [types, attendu] : lignes) {
    Cas c;
    Quadrilatere* e = c.Ajoute(Trait(20, 100, 120, 100));
    Quadrilatere* f = c.Ajoute(Trait(20, 110, 120, 110));
    bool sens = false;
    for (const char t : types) {
      c.Relie(sens ? f : e, sens ? e : f, t);
      sens = !sens;
    }
    Analyse_graphe(c.b.ctx, c.doc);
    EXPECT_EQ(c.Arcs_lus(), attendu) << types;
  }
}
