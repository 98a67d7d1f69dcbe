#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "outils_analyse.h"
#include "structure/chaines.h"
#include "structure/polygones.h"
#include "structure/polygones2.h"
#include "structure/voisins.h"

namespace {

struct Cas_p : Cas {
  explicit Cas_p(int32_t l = 300, int32_t h = 300) : Cas(l, h) {
    Ecrit_fichier(b.rep.Chemin("param.dat"), Param_defaut());
  }
};

// A zigzag through (x0 + 35 i, 100 or 80), stroke i from point i to point i + 1.
std::vector<Extremite> Zigzag(int n, int32_t x0 = 50) {
  std::vector<Extremite> p;
  for (int i = 0; i <= n; ++i) p.push_back({x0 + 35 * i, i % 2 == 0 ? 100 : 80});
  return p;
}

std::string Points_texte(const std::vector<Extremite>& p) {
  std::string t;
  for (const Extremite e : p) t += " " + std::to_string(e.x) + "," + std::to_string(e.y);
  return t;
}

}  // namespace

// The nearest corner on each side of the head, within the threshold (15),
// nearer to the head than to the tail; the first stroke in list order on
// ties; a stroke across a "P" arc is never a neighbour; in mode 2 a stroke
// of a ring or a chain is dropped, one of a bond kept.
TEST(Cherche_voisins, CotesSeuilEtMarques) {
  Cas_p c;
  Quadrilatere* s = c.Ajoute(Axe(100, 100, 150, 100));         // head (150, 100) with flag 0
  Quadrilatere* p1 = c.Ajoute(Axe(160, 105, 190, 130));        // P side, corner 1 at d = 125
  Quadrilatere* p2 = c.Ajoute(Axe(190, 140, 155, 105));        // P side, corner 2 at d = 50
  Quadrilatere* p3 = c.Ajoute(Axe(155, 105, 180, 140));        // the same distance, later
  Quadrilatere* n1 = c.Ajoute(Axe(150, 86, 150, 60));          // N side, d = 196
  Quadrilatere* n2 = c.Ajoute(Axe(161, 100, 200, 100));        // straight on: N side, d = 121
  c.Ajoute(Axe(150, 85, 150, 50));                             // d = 225: not below 15 squared
  // A short stroke: a corner 8 pixels from its head but nearer its tail.
  Quadrilatere* court = c.Ajoute(Axe(100, 200, 110, 200));
  c.Ajoute(Axe(104, 205, 104, 230));
  Voisinage v(c.b.ctx, c.doc);
  Voisins r;
  EXPECT_EQ(v.Cherche(s, 0, 1, r), 1);
  EXPECT_EQ(r.P, p2);
  EXPECT_EQ(r.FlagP, 1);
  EXPECT_EQ(r.N, n2);
  EXPECT_EQ(r.FlagN, 0);
  v.Cherche(court, 0, 1, r);
  EXPECT_EQ(r.P, nullptr);
  EXPECT_EQ(r.N, nullptr);

  // A "P" arc hides p2: p3 is the nearest then, at its corner 1.
  c.Relie(p2, s, 'p');
  Voisinage w(c.b.ctx, c.doc);
  w.Cherche(s, 0, 1, r);
  EXPECT_EQ(r.P, p3);
  EXPECT_EQ(r.FlagP, 0);

  // Mode 2: p3 of a ring is dropped (not replaced), n2 of a bond kept.
  p3->Marque = 105, n2->Marque = 300;
  w.Cherche(s, 0, 2, r);
  EXPECT_EQ(r.P, nullptr);
  EXPECT_EQ(r.N, n2);
  n2->Marque = 201;
  w.Cherche(s, 0, 2, r);
  EXPECT_EQ(r.N, nullptr);

  // Flag 1: the head is corner 1 (100, 100).
  w.Cherche(s, 1, 1, r);
  EXPECT_EQ(r.P, nullptr);
  EXPECT_EQ(r.N, nullptr);
  (void)p1;
  (void)n1;
}

// A single free stroke is a chain of one segment, unless it is shorter than
// 100 with an end strictly inside a text zone; strokes below 20 go first,
// with their arcs.
TEST(Recherche_chaines, TraitSeul) {
  struct Ligne {
    Quadrilatere q;
    Textes symboles;
  };
  const Ligne lignes[] = {
      {Axe(30, 50, 99, 50), {}},
      {Axe(30, 50, 130, 50), {"200 1 C1 30,50 130,50"}},
      {Axe(20, 50, 99, 50), {"200 1 C1 20,50 99,50"}},  // on the zone's edge
      {Axe(60, 150, 160, 150), {"200 1 C1 60,150 160,150"}},
  };
  for (const Ligne& l : lignes) {
    Cas_p c;
    CompConnexe zone;
    zone.xmin = 20, zone.ymin = 41, zone.xmax = 40, zone.ymax = 60;
    c.doc.ZonesTexte.push_back(zone);
    Quadrilatere* q = c.Ajoute(l.q);
    Quadrilatere* court = c.Ajoute(Axe(250, 250, 269, 250));
    c.Relie(q, court, 'L');
    EXPECT_EQ(Recherche_chaines(c.b.ctx, c.doc), 1);
    EXPECT_EQ(Symboles_lus(c.doc), l.symboles) << l.q.x1;
    EXPECT_EQ(c.doc.NbQuads, 1);
    EXPECT_TRUE(c.doc.ListeArcs.empty());
    EXPECT_EQ(q->Marque, l.symboles.empty() ? 0 : 201);
    EXPECT_EQ(c.b.con.Log,
              l.symboles.empty() ? " Recherche des Chaines..." : " Recherche des Chaines...\n Chaine de lg = 1 ");
  }
}

// Four free strokes in a zigzag give one chain "C1111" through the five
// points, whatever stroke the scan meets first and whichever way the
// strokes run.
TEST(Recherche_chaines, ZigzagDeQuatreTraits) {
  const auto p = Zigzag(4);
  std::vector<Extremite> r(p.rbegin(), p.rend());
  for (const std::vector<int>& ordre : {std::vector<int>{0, 1, 2, 3}, {2, 0, 3, 1}, {3, 2, 1, 0}, {1, 3, 0, 2}})
    for (const int inverses : {0, 5, 10, 15}) {
      Cas_p c;
      for (const int i : ordre) {
        const bool inv = (inverses >> i) & 1;
        const Extremite a = p[i], b = p[i + 1];
        c.Ajoute(inv ? Axe(b.x, b.y, a.x, a.y) : Axe(a.x, a.y, b.x, b.y));
      }
      Recherche_chaines(c.b.ctx, c.doc);
      const Textes t = Symboles_lus(c.doc);
      ASSERT_EQ(t.size(), 1u);
      EXPECT_TRUE(t[0] == "200 4 C1111" + Points_texte(p) || t[0] == "200 4 C1111" + Points_texte(r))
          << t[0] << " " << ordre[0] << " " << inverses;
      for (const Quadrilatere& q : c.doc.Quadrilateres)
        EXPECT_EQ(std::make_pair(q.Marque, int{q.Marque2}), std::make_pair(201, 101));
    }
}

// A chain passes through the stroke of a double bond ("P", Marque 202); the
// bond's other stroke, across its "P" arc, is never a neighbour of it.
TEST(Recherche_chaines, ATraversUneDoubleLiaison) {
  Cas_p c;
  const auto p = Zigzag(4);
  std::vector<Quadrilatere*> z;
  for (int i = 0; i < 4; ++i) z.push_back(c.Ajoute(Axe(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y)));
  Quadrilatere* w = c.Ajoute(Axe(88, 91, 109, 103));
  c.Relie(z[1], w, 'P');
  z[1]->Marque = w->Marque = 300;
  Recherche_chaines(c.b.ctx, c.doc);
  EXPECT_EQ(Symboles_lus(c.doc), Textes{"200 4 C1P11" + Points_texte(p)});
  EXPECT_EQ((std::vector<int32_t>{z[0]->Marque, z[1]->Marque, z[2]->Marque, z[3]->Marque, w->Marque}),
            (std::vector<int32_t>{201, 202, 201, 201, 300}));
}

// A ring of free strokes: every walk comes back to a listed stroke, no chain.
TEST(Recherche_chaines, AnneauSansChaine) {
  Cas_p c;
  for (const auto& [a, b] : {std::pair<Extremite, Extremite>{{100, 100}, {200, 100}},
                             {{200, 100}, {200, 200}}, {{100, 200}, {200, 200}}, {{100, 200}, {100, 100}}})
    c.Ajoute(Axe(a.x, a.y, b.x, b.y));
  Recherche_chaines(c.b.ctx, c.doc);
  EXPECT_TRUE(c.doc.ListeSymboles.empty());
  EXPECT_EQ(c.b.ctx.NumGroupe, 100);
}

// 25 strokes: the first walk, its index reset by the depth guard, lists 21
// of them (entries 18 to 20 written again with the last three): logged,
// labelled, not recorded; the four it skipped give a chain of their own.
// 40 strokes give two chains of 20, neither recorded.
TEST(Recherche_chaines, ChainesTropLongues) {
  {
    Cas_p c(1000, 300);
    const auto p = Zigzag(25, 20);
    std::vector<Quadrilatere*> z;
    for (int i = 0; i < 25; ++i) z.push_back(c.Ajoute(Axe(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y)));
    Recherche_chaines(c.b.ctx, c.doc);
    EXPECT_EQ(c.b.con.Log, " Recherche des Chaines...\n Chaine de lg = 21 \n Chaine de lg = 4 ");
    EXPECT_EQ(Symboles_lus(c.doc),
              Textes{"200 4 C1111" + Points_texte({p[18], p[19], p[20], p[21], p[22]})});
    for (int i = 0; i < 25; ++i) {
      EXPECT_EQ(z[i]->Marque, 201) << i;
      EXPECT_EQ(z[i]->Marque2, i >= 18 && i <= 21 ? 102 : 101) << i;
    }
    EXPECT_EQ(c.b.con.ModeDebug, 1);
  }
  {
    Cas_p c(1600, 300);
    const auto p = Zigzag(40, 20);
    for (int i = 0; i < 40; ++i) c.Ajoute(Axe(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y));
    Recherche_chaines(c.b.ctx, c.doc);
    EXPECT_EQ(c.b.con.Log, " Recherche des Chaines...\n Chaine de lg = 20 \n Chaine de lg = 20 ");
    EXPECT_TRUE(c.doc.ListeSymboles.empty());
    for (const Quadrilatere& q : c.doc.Quadrilateres) EXPECT_EQ(q.Marque, 201);
  }
}

// Drawn chains through the real stages: a zigzag of four bonds, and one
// whose second bond is double.
TEST(Recherche_chaines, ChainesDessinees) {
  for (const bool double_liaison : {false, true}) {
    Plan p = Plan_blanc(400, 200);
    std::vector<Point2> v;
    for (int i = 0; i <= 4; ++i) v.push_back({60.0 + 70 * i, i % 2 == 0 ? 120.0 : 80.0});
    for (int i = 0; i < 4; ++i) Trait_epais(p, v[i].x, v[i].y, v[i + 1].x, v[i + 1].y, 4);
    if (double_liaison) {
      // Inside the angle at v[1] and v[2]: 10 pixels off, shortened by 12 at both ends.
      const double dx = v[2].x - v[1].x, dy = v[2].y - v[1].y, l = std::hypot(dx, dy);
      const double ux = dx / l, uy = dy / l, nx = -uy * 10, ny = ux * 10;
      Trait_epais(p, v[1].x + 12 * ux + nx, v[1].y + 12 * uy + ny, v[2].x - 12 * ux + nx, v[2].y - 12 * uy + ny, 4);
    }
    Dessin d(std::move(p));
    d.Jusqu_aux_liaisons();
    Recherche_chaines(d.b.ctx, d.doc);
    const auto chaines = Symboles_de_type(d.doc, 200);
    ASSERT_EQ(chaines.size(), 1u) << double_liaison;
    EXPECT_EQ(chaines[0]->Nb, 4u);
    const std::string com = chaines[0]->Commentaire;
    if (double_liaison) {
      EXPECT_TRUE(com == "C1P11" || com == "C11P1") << com;
    } else {
      EXPECT_EQ(com, "C1111");
    }
    EXPECT_TRUE(Memes_sommets(chaines[0]->Sommets, v, 3, false));
  }
}

// A mesh of 1860 free strokes (a grid of 30 x 30 squares) with its graph:
// the searches keep to their bounds and end; every square is found.
TEST(Recherche_chaines, MailleDeMilliersDeTraits) {
  Cas_p c(1300, 1300);
  const int N = 30, pas = 40;
  std::vector<std::vector<Quadrilatere*>> au_noeud((N + 1) * (N + 1));
  auto noeud = [&](int i, int j) { return j * (N + 1) + i; };
  for (int j = 0; j <= N; ++j)
    for (int i = 0; i <= N; ++i) {
      if (i < N) {
        Quadrilatere* h = c.Ajoute(Axe(20 + pas * i, 20 + pas * j, 20 + pas * (i + 1), 20 + pas * j));
        au_noeud[noeud(i, j)].push_back(h), au_noeud[noeud(i + 1, j)].push_back(h);
      }
      if (j < N) {
        Quadrilatere* v = c.Ajoute(Axe(20 + pas * i, 20 + pas * j, 20 + pas * i, 20 + pas * (j + 1)));
        au_noeud[noeud(i, j)].push_back(v), au_noeud[noeud(i, j + 1)].push_back(v);
      }
    }
  for (const auto& traits : au_noeud)
    for (size_t a = 0; a < traits.size(); ++a)
      for (size_t b = a + 1; b < traits.size(); ++b) c.Relie(traits[a], traits[b], 'L');
  for (Quadrilatere& q : c.doc.Quadrilateres) q.Ep1 = q.Ep2 = 1;
  ASSERT_EQ(c.doc.Quadrilateres.size(), 1860u);

  Localise_polygones(c.b.ctx, c.doc);
  Recherche_polygones2(c.b.ctx, c.doc);
  Recherche_chaines(c.b.ctx, c.doc);
  size_t carres = 0;
  for (const Symbole& s : c.doc.ListeSymboles) {
    EXPECT_LE(s.Nb, s.Type == 200 ? 19u : 20u);
    carres += s.Type == 100 && s.Nb == 4;
  }
  EXPECT_GE(carres, 450u);  // at least every other square, its sides shared with its neighbours
  for (const Quadrilatere& q : c.doc.Quadrilateres) EXPECT_LT(q.Niveau, 30);
}

// A mesh without a graph and without rings found: every chain walk branches
// at every node and meets only listed strokes, never a free end: no chain.
TEST(Recherche_chaines, MailleSansIssue) {
  Cas_p c(64, 64);
  const int N = 3, pas = 40;
  for (int j = 0; j <= N; ++j)
    for (int i = 0; i <= N; ++i) {
      if (i < N) c.Ajoute(Axe(20 + pas * i, 20 + pas * j, 20 + pas * (i + 1), 20 + pas * j));
      if (j < N) c.Ajoute(Axe(20 + pas * i, 20 + pas * j, 20 + pas * i, 20 + pas * (j + 1)));
    }
  Recherche_chaines(c.b.ctx, c.doc);
  EXPECT_TRUE(c.doc.ListeSymboles.empty());
  EXPECT_TRUE(c.b.con.Boites.empty());
}

// A state met again while open fails the step; once closed it may come back;
// past PAS_MAX_PARCOURS steps every step fails.
TEST(Memoire_parcours, EtatsEtLimite) {
  Quadrilatere a, b;
  Liste_parcours liste{};
  liste[0] = &a;
  Memoire_parcours m;
  EXPECT_FALSE(m.Deja_vu(&a, 0, 0, liste));
  EXPECT_FALSE(m.Deja_vu(&b, 0, 1, liste));
  EXPECT_FALSE(m.Deja_vu(&b, 1, 1, liste));
  EXPECT_TRUE(m.Deja_vu(&b, 0, 1, liste));
  liste[0] = &b;  // entry 0 differs: another state
  EXPECT_FALSE(m.Deja_vu(&b, 0, 1, liste));
  m.Ferme();
  EXPECT_FALSE(m.Deja_vu(&b, 0, 1, liste));
  m.Raz();
  for (int64_t k = 0; k < PAS_MAX_PARCOURS; ++k) {
    m.Ferme();
    ASSERT_FALSE(m.Deja_vu(&a, 0, 0, liste)) << k;
  }
  EXPECT_TRUE(m.Deja_vu(&b, 1, 5, liste));
}
