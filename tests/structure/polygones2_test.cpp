#include <gtest/gtest.h>

#include <cmath>

#include "app/chaines_analyse.h"
#include "outils_analyse.h"
#include "structure/polygones.h"
#include "structure/polygones2.h"

namespace {

struct Cas_p : Cas {
  explicit Cas_p(int32_t l = 300, int32_t h = 300) : Cas(l, h) {
    Ecrit_fichier(b.rep.Chemin("param.dat"), Param_defaut());
  }
};

// Strokes from p[i] to p[i + 1] (the last back to p[0] when closed), or the
// other way round.
std::vector<Quadrilatere*> Traits(Cas& c, const std::vector<Extremite>& p, bool ferme, bool inverse = false) {
  std::vector<Quadrilatere*> q;
  const size_t n = ferme ? p.size() : p.size() - 1;
  for (size_t i = 0; i < n; ++i) {
    const Extremite a = p[i], b = p[(i + 1) % p.size()];
    q.push_back(c.Ajoute(inverse ? Axe(b.x, b.y, a.x, a.y) : Axe(a.x, a.y, b.x, b.y)));
  }
  return q;
}

// Points of an arc of circle turning clockwise on the screen (to the P side
// of a walk along it): n strokes of 12 degrees from p0, heading along +x.
std::vector<Extremite> Arc_horaire(Extremite p0, int n, double r = 200) {
  std::vector<Extremite> p;
  const double cx = p0.x, cy = p0.y + r;
  for (int i = 0; i <= n; ++i) {
    const double a = i * 12 * M_PI / 180;
    p.push_back({static_cast<int32_t>(std::lround(cx + r * std::sin(a))),
                 static_cast<int32_t>(std::lround(cy - r * std::cos(a)))});
  }
  return p;
}

const std::vector<Extremite> PENTAGONE{{150, 50}, {245, 119}, {209, 231}, {91, 231}, {55, 119}};
const std::vector<Extremite> TRIANGLE{{100, 50}, {200, 200}, {50, 200}};

}  // namespace

// Without any arc the graph finds nothing; the walk from each stroke's
// corner 2 closes when every turn is to the P side (clockwise on the
// screen), a triangle included. Turning the other way, the first side meets
// the second on its N side: the P-side walk fails at once, its index at 0,
// and the N-side walk is not tried.
TEST(Recherche_polygones2, AnneauxSansGraphe) {
  struct Ligne {
    std::vector<Extremite> p;
    bool inverse;
    Textes symboles;
    const char* log;
  };
  const Ligne lignes[] = {
      {PENTAGONE, false, {"100 5  245,119 209,231 91,231 55,119 150,50"}, "\n Polygone a 5 cotes."},
      {TRIANGLE, false, {"100 3  200,200 50,200 100,50"}, "\n Polygone a 3 cotes."},
      {PENTAGONE, true, {}, ""},
      {TRIANGLE, true, {}, ""},
  };
  for (const Ligne& l : lignes) {
    Cas_p c;
    Traits(c, l.p, true, l.inverse);
    Localise_polygones(c.b.ctx, c.doc);
    EXPECT_TRUE(c.doc.ListeSymboles.empty());
    EXPECT_EQ(Recherche_polygones2(c.b.ctx, c.doc), 1);
    EXPECT_EQ(Symboles_lus(c.doc), l.symboles) << l.p.size() << l.inverse;
    EXPECT_EQ(c.b.con.Log, std::string(" Recherche des Polygones2...") + l.log);
    const int32_t marque = l.symboles.empty() ? 0 : 100 + static_cast<int32_t>(l.p.size());
    for (const Quadrilatere& q : c.doc.Quadrilateres)
      EXPECT_EQ(std::make_pair(q.Marque, int{q.Marque2}), std::make_pair(marque, marque == 0 ? 0 : 101));
    EXPECT_EQ(c.b.ctx.NumGroupe, l.symboles.empty() ? 100 : 101);
    EXPECT_EQ(c.b.con.ModeDebug, 0);
  }
}

// A walk of 21 strokes fails with its index back at 0; past 21 the depth
// guard sets step mode and brings the index from 21 to 17, so that the
// failed walk of 25 strokes leaves it 4 below 0, read as unsigned.
TEST(Parcours_cote, GardeDeProfondeur) {
  for (const int n : {21, 25}) {
    Cas_p c(800, 800);
    const auto q = Traits(c, Arc_horaire({200, 300}, n), false);
    Voisinage v(c.b.ctx, c.doc);
    Memoire_parcours m;
    Liste_parcours liste{};
    liste[0] = q[0];
    uint32_t index = 0;
    EXPECT_EQ(Parcours_cote(c.b.ctx, v, q[0], 0, liste, index, true, m), 0);
    EXPECT_EQ(index, n == 21 ? 0u : 0xFFFFFFFCu);
    EXPECT_EQ(c.b.con.ModeDebug, n == 21 ? 0 : 1);
    if (n == 25) {
      // Entries 18, 19, 20 were written again after the guard.
      EXPECT_EQ((std::vector<Quadrilatere*>{liste[17], liste[18], liste[19], liste[20], liste[21]}),
                (std::vector<Quadrilatere*>{q[17], q[22], q[23], q[24], q[21]}));
    }
  }
}

// The stroke q0 meets at its corner 2 an arc of 24 strokes turning to the P
// side, and a triangle closing back on it turning to the N side. The P-side
// walk fails after the guard, with its index below 0: the N-side walk is
// then tried and closes the triangle.
TEST(Recherche_polygones2, CoteNApresLaGarde) {
  Cas_p c(800, 800);
  Quadrilatere* q0 = c.Ajoute(Axe(100, 300, 200, 300));
  Quadrilatere* t1 = c.Ajoute(Axe(200, 300, 150, 220));
  Quadrilatere* t2 = c.Ajoute(Axe(150, 220, 100, 300));
  Traits(c, Arc_horaire({200, 300}, 24), false);
  Recherche_polygones2(c.b.ctx, c.doc);
  EXPECT_EQ(Symboles_lus(c.doc), Textes{"100 3  200,300 150,220 100,300"});
  EXPECT_EQ(c.b.ctx.NumGroupe, 101);
  for (const Quadrilatere* q : {q0, t1, t2}) EXPECT_EQ(q->Marque, 103);
  EXPECT_EQ(c.b.con.ModeDebug, 1);
  EXPECT_GT(c.b.con.NbPauses, 0);
}

// A walk that, past the guard, would go round a loop of 4 strokes for ever
// fails when it comes back to a state it was in; the loop's own strokes then
// close it as a ring.
TEST(Recherche_polygones2, BoucleSansFin) {
  Cas_p c(800, 800);
  // The loop, clockwise: A (300,300) B (340,300) C (340,340) D (300,340).
  const std::vector<Extremite> boucle{{300, 300}, {340, 300}, {340, 340}, {300, 340}};
  // A tail of 18 strokes turning right and reaching A from (280, 330), built
  // backwards from A.
  std::vector<Extremite> queue{{300, 300}, {280, 330}};
  double dx = -20, dy = 30;
  const double l = std::hypot(dx, dy);
  dx = dx / l * 40, dy = dy / l * 40;
  double x = 280, y = 330;
  for (int k = 0; k < 17; ++k) {
    const double a = -12 * M_PI / 180;
    const double nx = dx * std::cos(a) - dy * std::sin(a), ny = dx * std::sin(a) + dy * std::cos(a);
    dx = nx, dy = ny, x += dx, y += dy;
    queue.push_back({static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))});
  }
  std::reverse(queue.begin(), queue.end());
  const auto t = Traits(c, queue, false);
  const auto b = Traits(c, boucle, true);
  Recherche_polygones2(c.b.ctx, c.doc);
  EXPECT_EQ(c.b.con.ModeDebug, 1);
  EXPECT_EQ(Symboles_lus(c.doc), Textes{"100 4  340,300 340,340 300,340 300,300"});
  for (const Quadrilatere* q : t) EXPECT_EQ(q->Marque, 0);
  for (const Quadrilatere* q : b) EXPECT_EQ(q->Marque, 104);
}

// A drawn pentagon whose first side stops 14 pixels short of its corner: no
// arc there, no cycle in the graph; the walks jump the gap.
TEST(Recherche_polygones2, PentagoneDessineManqueParLeGraphe) {
  Plan p = Plan_blanc(300, 300);
  std::vector<Point2> v;
  for (int i = 0; i < 5; ++i)
    v.push_back({150 + 90 * std::sin(2 * M_PI * i / 5), 150 - 90 * std::cos(2 * M_PI * i / 5)});
  for (int i = 0; i < 5; ++i) {
    Point2 a = v[i];
    const Point2 b = v[(i + 1) % 5];
    if (i == 0) {
      const double l = std::hypot(b.x - a.x, b.y - a.y);
      a = {a.x + 14 * (b.x - a.x) / l, a.y + 14 * (b.y - a.y) / l};
    }
    Trait_epais(p, a.x, a.y, b.x, b.y, 4);
  }
  Dessin d(std::move(p));
  d.Jusqu_aux_liaisons();
  Localise_polygones(d.b.ctx, d.doc);
  EXPECT_TRUE(d.doc.ListeSymboles.empty());
  d.b.con.Log_Efface();
  Groupe_polygones(d.b.ctx, d.doc);
  const auto poly = Symboles_de_type(d.doc, 100);
  ASSERT_EQ(poly.size(), 1u);
  EXPECT_EQ(poly[0]->Nb, 5u);
  EXPECT_TRUE(Memes_sommets(poly[0]->Sommets, v, 8, true));
  EXPECT_NE(d.b.con.Log.find(" Recherche des Polygones2...\n Polygone a 5 cotes."), std::string::npos);
}
