#include <gtest/gtest.h>

#include <cstring>

#include "outils_structure.h"
#include "structure/liaisons.h"

namespace {

// A symbol as "Type Nb Commentaire x,y x,y ...", the vertices it holds.
std::string Lu(const Symbole& s) {
  std::string t = std::to_string(s.Type) + " " + std::to_string(s.Nb) + " " + s.Commentaire;
  const uint32_t v = s.Type == 500 || s.Type == 300 ? 2 * s.Nb : s.Nb;
  for (uint32_t i = 0; i < v && i < 20; ++i)
    t += " " + std::to_string(s.Sommets[i].x) + "," + std::to_string(s.Sommets[i].y);
  return t;
}

Textes Symboles_lus(const Document& doc) {
  Textes r;
  for (const Symbole& s : doc.ListeSymboles) r.push_back(Lu(s));
  return r;
}

std::vector<std::pair<int32_t, int32_t>> Marques(const Document& doc) {
  std::vector<std::pair<int32_t, int32_t>> r;
  for (const Quadrilatere& q : doc.Quadrilateres) r.push_back({q.Marque, q.Marque2});
  return r;
}

using Paires = std::vector<std::pair<int32_t, int32_t>>;

}  // namespace

TEST(Analyse_liaisons, DoubleTripleSimpleEtCroix) {
  Cas c;
  // A double bond.
  Quadrilatere* a = c.Ajoute(Axe(20, 100, 80, 100));
  Quadrilatere* b = c.Ajoute(Axe(25, 108, 75, 108));
  // A triple bond: the middle stroke is joined to both others.
  Quadrilatere* h = c.Ajoute(Axe(120, 100, 180, 100));
  Quadrilatere* m = c.Ajoute(Axe(120, 108, 180, 108));
  Quadrilatere* l = c.Ajoute(Axe(120, 116, 180, 116));
  // A lone stroke, a cross, and a connected stroke.
  c.Ajoute(Axe(20, 200, 120, 200));
  Quadrilatere* x1 = c.Ajoute(Axe(150, 200, 250, 200));
  Quadrilatere* x2 = c.Ajoute(Axe(200, 150, 200, 250));
  Quadrilatere* relie = c.Ajoute(Axe(20, 250, 120, 250));
  relie->Ep2 = 1;
  c.Relie(a, b, 'P');
  c.Relie(h, m, 'P');
  c.Relie(m, l, 'P');
  c.Relie(x2, x1, 'X');
  EXPECT_EQ(Analyse_liaisons(c.b.ctx, c.doc), 1);
  EXPECT_EQ(c.b.con.Log, " Analyse des Liaisons...Ok");
  EXPECT_EQ(Symboles_lus(c.doc), (Textes{"300 2 L2 20,100 80,100 25,108 75,108",
                                        "300 3 L3 120,100 180,100 120,108 180,108 120,116 180,116",
                                        "300 1 L1 20,200 120,200",
                                        "500 2 X2 200,150 200,250 150,200 250,200"}));
  EXPECT_EQ(Marques(c.doc), (Paires{{300, 101}, {300, 101}, {300, 102}, {300, 102}, {300, 102}, {301, 103},
                                    {502, 104}, {502, 104}, {0, 0}}));
  EXPECT_EQ(c.b.ctx.NumGroupe, 104);
  for (const Symbole& s : c.doc.ListeSymboles) EXPECT_EQ(s.Reserve, 0);
  EXPECT_FALSE(c.b.con.Barre.Visible);
}

// A stroke below 100 pixels with an end strictly inside a label's box gives
// nothing, not even its cross; from 100 pixels on it is a bond all the same.
TEST(Analyse_liaisons, TraitPresDUnTexte) {
  struct Ligne {
    Quadrilatere q;
    bool croix;
    Textes symboles;
  };
  const Ligne lignes[] = {
      {Axe(30, 50, 99, 50), false, {}},
      {Axe(30, 50, 99, 50), true, {"500 2 X2 30,50 99,50 60,10 60,90"}},  // the other stroke finds the cross
      {Axe(30, 50, 130, 50), false, {"300 1 L1 30,50 130,50"}},
      {Axe(20, 50, 99, 50), false, {"300 1 L1 20,50 99,50"}},  // on the box's edge
      {Axe(30, 41, 99, 41), false, {"300 1 L1 30,41 99,41"}},
  };
  for (const Ligne& l : lignes) {
    Cas c;
    CompConnexe zone;
    zone.xmin = 20, zone.ymin = 41, zone.xmax = 40, zone.ymax = 60;
    c.doc.ZonesTexte.push_back(zone);
    Quadrilatere* q = c.Ajoute(l.q);
    if (l.croix) c.Relie(q, c.Ajoute(Axe(60, 10, 60, 90)), 'x');
    Analyse_liaisons(c.b.ctx, c.doc);
    EXPECT_EQ(Symboles_lus(c.doc), l.symboles) << l.q.x1 << " " << l.q.y1 << " " << l.croix;
  }
}

// Group 256 would label its strokes 0, which means free: it labels them 1.
TEST(Analyse_liaisons, EtiquetteJamaisNulle) {
  Cas c;
  c.b.ctx.NumGroupe = 255;
  c.Relie(c.Ajoute(Axe(20, 100, 80, 100)), c.Ajoute(Axe(20, 108, 80, 108)), 'P');
  Analyse_liaisons(c.b.ctx, c.doc);
  EXPECT_EQ(c.b.ctx.NumGroupe, 256);
  EXPECT_EQ(Symboles_lus(c.doc), Textes{"300 2 L2 20,100 80,100 20,108 80,108"});
  EXPECT_EQ(Marques(c.doc), (Paires{{300, 1}, {300, 1}}));
  EXPECT_EQ(Etiquette_groupe(511), 255);
  EXPECT_EQ(Etiquette_groupe(512), 1);
  EXPECT_EQ(Etiquette_groupe(513), 1);
}

// Ten parallel strokes fill the 20 vertices; more are labelled but give no
// symbol, and nothing is written beyond the vertices.
TEST(Analyse_liaisons, GroupesDePlusDeDixTraits) {
  for (const int nb : {10, 11, 40}) {
    Cas c;
    std::vector<Quadrilatere*> q;
    for (int k = 0; k < nb; ++k) q.push_back(c.Ajoute(Axe(20, 10 + 6 * k, 80, 10 + 6 * k)));
    for (int k = 0; k + 1 < nb; ++k) c.Relie(q[k], q[k + 1], 'P');
    Analyse_liaisons(c.b.ctx, c.doc);
    EXPECT_EQ(c.b.ctx.NumGroupe, 101) << nb;
    for (const Quadrilatere& t : c.doc.Quadrilateres)
      EXPECT_EQ(std::make_pair(t.Marque, int32_t{t.Marque2}), std::make_pair(300, 101));
    if (nb == 10) {
      ASSERT_EQ(c.doc.ListeSymboles.size(), 1u);
      const Symbole& s = c.doc.ListeSymboles.front();
      EXPECT_STREQ(s.Commentaire, "L10");
      EXPECT_EQ(s.Nb, 10u);
      EXPECT_EQ(s.Sommets[19].y, 10 + 6 * 9);
    } else {
      EXPECT_TRUE(c.doc.ListeSymboles.empty()) << nb;
    }
  }
}

// The walk is depth first over the arcs in list order.
TEST(Collecte_P, ProfondeurDAbord) {
  Cas c;
  Quadrilatere* q[5];
  for (int k = 0; k < 5; ++k) q[k] = c.Ajoute(Axe(20, 10 + 6 * k, 80, 10 + 6 * k));
  c.Relie(q[0], q[1], 'P');
  c.Relie(q[3], q[1], 'P');
  c.Relie(q[0], q[2], 'p');
  c.Relie(q[3], q[4], 'P');
  c.Relie(q[0], q[0], 'P');
  Symbole s;
  uint32_t nb = 0;
  q[0]->Marque2 = 7;
  Collecte_P(c.doc, q[0], nb, s, 7);
  EXPECT_EQ(nb, 4u);
  // q1, then q3 through q1, then q4 through q3, then q2.
  EXPECT_EQ((std::vector<int32_t>{s.Sommets[0].y, s.Sommets[2].y, s.Sommets[4].y, s.Sommets[6].y}),
            (std::vector<int32_t>{16, 28, 34, 22}));
  EXPECT_EQ(Marques(c.doc), (Paires{{0, 7}, {300, 7}, {300, 7}, {300, 7}, {300, 7}}));
}

TEST(Analyse_liaisons, PasAPas) {
  Cas c;
  c.b.con.ModeDebug = 1;
  c.Relie(c.Ajoute(Axe(20, 100, 80, 100)), c.Ajoute(Axe(20, 108, 80, 108)), 'P');
  c.Ajoute(Axe(200, 200, 260, 200));
  Analyse_liaisons(c.b.ctx, c.doc);
  EXPECT_EQ(c.b.con.NbPauses, 2);
  EXPECT_EQ(c.b.con.Vues, (std::vector<ConsoleTexte::Point>{{-130, -50}, {50, 50}}));
  EXPECT_EQ(c.doc.ListeSymboles.size(), 2u);
}
