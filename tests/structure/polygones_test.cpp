#include <gtest/gtest.h>

#include <cmath>

#include "outils_analyse.h"
#include "structure/interieur.h"
#include "structure/polygones.h"

namespace {

// A case whose working directory holds the project's param.dat.
struct Cas_p : Cas {
  explicit Cas_p(int32_t l = 300, int32_t h = 300) : Cas(l, h) {
    Ecrit_fichier(b.rep.Chemin("param.dat"), Param_defaut());
  }
};

// A closed ring of axis strokes, stroke i from p[i] to p[i + 1], both ends
// connected, joined by "L" arcs (i, i + 1) in that order.
std::vector<Quadrilatere*> Anneau(Cas& c, const std::vector<Extremite>& p) {
  const size_t n = p.size();
  std::vector<Quadrilatere*> q;
  for (size_t i = 0; i < n; ++i) {
    Quadrilatere* t = c.Ajoute(Axe(p[i].x, p[i].y, p[(i + 1) % n].x, p[(i + 1) % n].y));
    t->Ep1 = t->Ep2 = 1;
    q.push_back(t);
  }
  for (size_t i = 0; i < n; ++i) c.Relie(q[i], q[(i + 1) % n], 'L');
  return q;
}

// A regular polygon of n corners, corner 0 straight above the centre.
std::vector<Extremite> Regulier(int n, double cx, double cy, double r) {
  std::vector<Extremite> p;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * M_PI * i / n;
    p.push_back({static_cast<int32_t>(std::lround(cx + r * std::sin(a))),
                 static_cast<int32_t>(std::lround(cy - r * std::cos(a)))});
  }
  return p;
}

// Ink on every pixel whose centre lies within epaisseur / 2 of the circle.
void Cercle(Plan& p, double cx, double cy, double r, double epaisseur) {
  for (int32_t y = 0; y < p.NbLignes; ++y)
    for (int32_t x = 0; x < p.Largeur_px(); ++x)
      if (std::abs(std::hypot(x - cx, y - cy) - r) <= epaisseur / 2) Ecrit_pixel(x, y, 1, p);
}

const std::vector<Extremite> HEXAGONE{{150, 50}, {237, 100}, {237, 200}, {150, 250}, {63, 200}, {63, 100}};

std::vector<int32_t> Niveaux(const Document& doc) {
  std::vector<int32_t> r;
  for (const Quadrilatere& q : doc.Quadrilateres) r.push_back(q.Niveau);
  return r;
}

CompConnexe Boite_cc(int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax, int16_t classe = 0) {
  CompConnexe c;
  c.xmin = xmin, c.ymin = ymin, c.xmax = xmax, c.ymax = ymax;
  c.Classe = classe;
  return c;
}

}  // namespace

// From the first arc (s0, s1) the search goes the other way round: the cycle
// is s0, s5, s4, s3, s2, s1, and the vertices follow it from s0's end at its
// joint with s5.
TEST(Localise_polygones, HexagoneDeTraits) {
  Cas_p c;
  Anneau(c, HEXAGONE);
  Localise_polygones(c.b.ctx, c.doc);
  EXPECT_EQ(c.b.con.Log, "\n Localisation Polygones ...\n Polygone a 6 cotes.");
  EXPECT_EQ(Symboles_lus(c.doc), Textes{"100 6  150,50 63,100 63,200 150,250 237,200 237,100"});
  EXPECT_EQ(c.doc.ListeSymboles.front().Reserve, 0);
  EXPECT_EQ(c.b.ctx.NumGroupe, 101);
  for (const Quadrilatere& q : c.doc.Quadrilateres)
    EXPECT_EQ(std::make_pair(q.Marque, int{q.Marque2}), std::make_pair(106, 101));
  // The levels of the one search made: s0 1, s5 2, s4 3, s3 4, s2 5, s1 (the goal) 6.
  EXPECT_EQ(Niveaux(c.doc), (std::vector<int32_t>{1, 6, 5, 4, 3, 2}));
  EXPECT_EQ(c.doc.ListeArcs.size(), 6u);
}

// A triangle is never a cycle of the graph; a stroke of 20 pixels or with a
// free end starts no search; a "P" arc from a stroke of level 3 back to the
// start would leave holes in the cycle: no cycle.
TEST(Localise_polygones, CasSansPolygone) {
  {
    Cas_p c;
    Anneau(c, {{100, 50}, {200, 200}, {50, 200}});
    Localise_polygones(c.b.ctx, c.doc);
    EXPECT_TRUE(c.doc.ListeSymboles.empty());
    EXPECT_EQ(c.b.ctx.NumGroupe, 100);
  }
  // Every stroke with a free end, or 20 pixels long, or labelled; or arcs "T" only.
  for (int cas = 0; cas < 5; ++cas) {
    Cas_p c;
    const auto q = Anneau(c, {{100, 100}, {200, 100}, {200, 200}, {100, 200}});
    for (Quadrilatere* t : q) {
      if (cas == 0) t->Ep1 = 0;
      if (cas == 1) t->Ep2 = 0;
      if (cas == 2) t->Longueur = 20;
      if (cas == 3) t->Marque = 301;
    }
    if (cas == 4)
      for (Arc& a : c.doc.ListeArcs) a.Type = 'T';
    Localise_polygones(c.b.ctx, c.doc);
    EXPECT_TRUE(c.doc.ListeSymboles.empty()) << cas;
    EXPECT_EQ(Niveaux(c.doc), (std::vector<int32_t>{0, 0, 0, 0})) << cas;
  }
  {
    Cas_p c;
    Quadrilatere* s0 = c.Ajoute(Axe(100, 100, 200, 100));
    Quadrilatere* s1 = c.Ajoute(Axe(200, 100, 200, 200));
    Quadrilatere* s2 = c.Ajoute(Axe(200, 200, 100, 200));
    Quadrilatere* s3 = c.Ajoute(Axe(100, 200, 100, 100));
    const Arc& depart = c.Relie(s0, s1, 'L');
    c.Relie(s2, s0, 'P');
    c.Relie(s0, s3, 'L'), c.Relie(s3, s2, 'L'), c.Relie(s2, s1, 'L');
    Liste_cycle cycle;
    EXPECT_EQ(Cherche_cycle(c.doc, depart, cycle), 0);
    EXPECT_EQ(cycle[0], nullptr);
    // Without the "P" arc: s0, s3, s2, s1.
    c.doc.ListeArcs.erase(std::next(c.doc.ListeArcs.begin()));
    EXPECT_EQ(Cherche_cycle(c.doc, depart, cycle), 4);
    EXPECT_EQ((std::vector<Quadrilatere*>{cycle[0], cycle[1], cycle[2], cycle[3], cycle[4]}),
              (std::vector<Quadrilatere*>{s0, s3, s2, s1, nullptr}));
  }
}

// A frontier never holds more than 199 strokes: of 250 strokes around the
// start only the first 199 get level 2, and the goal behind the 250th is not
// reached.
TEST(Cherche_cycle, FrontiereBornee) {
  Cas c;
  Quadrilatere* debut = c.Ajoute(Axe(0, 0, 100, 0));
  Quadrilatere* but = c.Ajoute(Axe(0, 10, 100, 10));
  const Arc& depart = c.Relie(debut, but, 'L');
  std::vector<Quadrilatere*> autour;
  for (int k = 0; k < 250; ++k) {
    autour.push_back(c.Ajoute(Axe(k, 20, k, 40)));
    c.Relie(debut, autour.back(), 'L');
  }
  Quadrilatere* relais = c.Ajoute(Axe(0, 50, 100, 50));
  c.Relie(autour.back(), relais, 'L');
  c.Relie(relais, but, 'L');
  Liste_cycle cycle;
  EXPECT_EQ(Cherche_cycle(c.doc, depart, cycle), 0);
  int niveau2 = 0;
  for (const Quadrilatere* q : autour) niveau2 += q->Niveau == 2;
  EXPECT_EQ(niveau2, 199);
  EXPECT_EQ(autour[198]->Niveau, 2);
  EXPECT_EQ(autour[199]->Niveau, 0);

  // Through the 199th the goal is met at level 4.
  c.Relie(autour[198], relais, 'L');
  EXPECT_EQ(Cherche_cycle(c.doc, depart, cycle), 4);
  EXPECT_EQ((std::vector<Quadrilatere*>{cycle[0], cycle[1], cycle[2], cycle[3]}),
            (std::vector<Quadrilatere*>{debut, autour[198], relais, but}));
}

// The first joint is not checked: side s1 stops 60 pixels short of the top
// side, and a search started from (s1, s2) puts that gap between the first
// two strokes. Vertex 0 is s1's end at that joint; the top side's end there
// is not used; the last vertex closes on s1's far end. When s1 is too short
// to start a search, every other start meets the gap and rejects the cycle.
TEST(Localise_polygones, PremierJointNonVerifie) {
  for (const int32_t bout : {160, 180}) {
    Cas_p c;
    Quadrilatere* s1 = c.Ajoute(Axe(200, 200, 200, bout));
    Quadrilatere* s2 = c.Ajoute(Axe(200, 200, 100, 200));
    Quadrilatere* haut = c.Ajoute(Axe(100, 100, 200, 100));
    Quadrilatere* gauche = c.Ajoute(Axe(100, 100, 100, 200));
    for (Quadrilatere& q : c.doc.Quadrilateres) q.Ep1 = q.Ep2 = 1;
    c.Relie(s1, s2, 'L'), c.Relie(s1, haut, 'L'), c.Relie(s2, gauche, 'L'), c.Relie(gauche, haut, 'L');
    Localise_polygones(c.b.ctx, c.doc);
    if (bout == 160) {
      EXPECT_EQ(Symboles_lus(c.doc), Textes{"100 4  200,160 100,100 100,200 200,200"});
      EXPECT_EQ(c.b.con.Log, "\n Localisation Polygones ...\n Polygone a 4 cotes.");
    } else {
      EXPECT_EQ(s1->Longueur, 20);
      EXPECT_TRUE(c.doc.ListeSymboles.empty());
      EXPECT_EQ(c.b.con.Log, "\n Localisation Polygones ...");
      for (const Quadrilatere& q : c.doc.Quadrilateres) EXPECT_EQ(q.Marque, 0);
    }
  }
}

// The joints after the first: 50 pixels apart or more, or more than 10
// background pixels between them, reject the cycle; the closing joint too.
TEST(Valide_polygone, JointsSurLImage) {
  struct Ligne {
    int32_t ecart;  // gap between the third side and the fourth, pixels
    bool encre;     // the gap inked
    int32_t code;
  };
  for (const Ligne l : {Ligne{10, false, 1}, {11, false, 0}, {11, true, 1}, {49, true, 1}, {50, true, 0}}) {
    for (const bool fermeture : {false, true}) {
      Cas_p c;
      Liste_cycle cycle{};
      // Square 100..200; the gap lies either between the bottom side and the
      // left one, or between the left side and the top one (the closing joint).
      const int32_t e = l.ecart;
      cycle[0] = c.Ajoute(Axe(100, 100, 200, 100));
      cycle[1] = c.Ajoute(Axe(200, 100, 200, 200));
      cycle[2] = c.Ajoute(fermeture ? Axe(200, 200, 100, 200) : Axe(200, 200, 100 + e, 200));
      cycle[3] = c.Ajoute(fermeture ? Axe(100, 200, 100, 100 + e) : Axe(100, 200, 100, 100));
      if (l.encre) Rectangle_plein(c.doc.Plan1, 100, 100, 100 + e, 200);
      int32_t n = 4;
      EXPECT_EQ(Valide_polygone(c.b.ctx, c.doc, cycle, n), l.code) << l.ecart << " " << l.encre << " " << fermeture;
      EXPECT_EQ(c.b.ctx.NumGroupe, l.code == 0 ? 100 : 101);
      EXPECT_EQ(cycle[0]->Marque, l.code == 0 ? 0 : 104);
    }
  }
}

// Consecutive sides joined by "_" are merged: the second leaves the cycle
// and the list; a cycle left with fewer than 3 sides is rejected.
TEST(Valide_polygone, CotesFusionnes) {
  Cas_p c;
  Liste_cycle cycle{};
  cycle[0] = c.Ajoute(Axe(100, 100, 150, 100));
  cycle[1] = c.Ajoute(Axe(150, 100, 200, 100));
  cycle[2] = c.Ajoute(Axe(200, 100, 200, 200));
  cycle[3] = c.Ajoute(Axe(200, 200, 100, 200));
  cycle[4] = c.Ajoute(Axe(100, 200, 100, 100));
  c.Relie(cycle[1], cycle[0], '_');
  c.Relie(cycle[3], cycle[4], 'L');
  int32_t n = 5;
  std::vector<Sommet> sommets;
  EXPECT_EQ(Valide_polygone(c.b.ctx, c.doc, cycle, n, sommets), 1);
  EXPECT_EQ(n, 4);
  EXPECT_EQ(c.doc.NbQuads, 4);
  EXPECT_EQ(c.doc.Quadrilateres.size(), 4u);
  EXPECT_EQ(cycle[4], nullptr);
  EXPECT_EQ((std::vector<int32_t>{cycle[0]->x1, cycle[0]->y1, cycle[0]->x2, cycle[0]->y2, cycle[0]->Longueur}),
            (std::vector<int32_t>{100, 100, 200, 100, 100}));
  for (const Quadrilatere& q : c.doc.Quadrilateres) EXPECT_EQ(q.Marque, 104);
  ASSERT_EQ(sommets.size(), 4u);
  EXPECT_EQ((std::vector<int32_t>{sommets[0].x, sommets[0].y, sommets[3].x, sommets[3].y}),
            (std::vector<int32_t>{200, 100, 100, 100}));

  Cas_p d;
  Liste_cycle deux{};
  deux[0] = d.Ajoute(Axe(100, 100, 150, 100));
  deux[1] = d.Ajoute(Axe(150, 100, 200, 100));
  deux[2] = d.Ajoute(Axe(200, 100, 100, 100));
  d.Relie(deux[0], deux[1], '~');
  n = 3;
  EXPECT_EQ(Valide_polygone(d.b.ctx, d.doc, deux, n), 0);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(d.b.ctx.NumGroupe, 100);
}

// The components strictly inside the box (10, 10)-(200, 200).
TEST(Analyse_interieur, Composantes) {
  struct Ligne {
    const char* nom;
    std::vector<CompConnexe> cc, zones;
    bool paralleles;  // a stroke of a "P" arc inside the first component
    int32_t code;
    size_t cc_restantes, traits_restants;
  };
  const std::vector<Ligne> lignes{
      {"aucune", {}, {}, false, 0, 0, 2},
      {"petite ignoree", {Boite_cc(50, 50, 60, 70)}, {}, false, 0, 1, 2},
      {"sur le bord", {Boite_cc(10, 50, 100, 150)}, {}, false, 0, 1, 2},
      {"30 x 50, rien d'autre", {Boite_cc(50, 50, 80, 100)}, {}, false, 0, 0, 2},
      {"cercle plus grand que 60", {Boite_cc(50, 50, 111, 111)}, {}, false, 1, 0, 1},
      {"caractere", {Boite_cc(50, 50, 120, 120, 2)}, {}, false, 1, 0, 2},
      {"zone de texte", {}, {Boite_cc(50, 50, 52, 52)}, false, 1, 0, 2},
      {"double liaison", {Boite_cc(50, 50, 150, 150)}, {}, true, 11, 0, 2},
      {"deux", {Boite_cc(50, 50, 150, 150)}, {Boite_cc(20, 20, 30, 30)}, true, 12, 0, 1},
  };
  for (const Ligne& l : lignes) {
    Cas_p c;
    for (const CompConnexe& x : l.cc) c.doc.CompConnexes.push_back(x);
    for (const CompConnexe& x : l.zones) c.doc.ZonesTexte.push_back(x);
    // A stroke inside (60..100, 100) and one across the box's edge.
    Quadrilatere* dedans = c.Ajoute(Axe(60, 100, 100, 100));
    Quadrilatere* dehors = c.Ajoute(Axe(150, 100, 250, 100));
    if (l.paralleles) c.Relie(dedans, dehors, 'p');
    c.doc.Vecteurs.push_back(Vecteur_de(60, 97, 100, 97));
    EXPECT_EQ(Analyse_interieur(c.b.ctx, c.doc, 10, 10, 200, 200), l.code) << l.nom;
    EXPECT_EQ(c.doc.CompConnexes.size() + c.doc.ZonesTexte.size(), l.cc_restantes) << l.nom;
    EXPECT_EQ(c.doc.Quadrilateres.size(), l.traits_restants) << l.nom;
    EXPECT_EQ(c.doc.NbQuads, static_cast<int32_t>(l.traits_restants)) << l.nom;
    EXPECT_EQ(c.doc.Vecteurs.size(), l.traits_restants - 1) << l.nom;
    if (l.traits_restants == 1) {
      EXPECT_TRUE(c.doc.ListeArcs.empty()) << l.nom;
    }
    EXPECT_TRUE(c.b.con.Boites.empty()) << l.nom;
  }
}

// At most 20 components are taken, those of CompConnexes first.
TEST(Analyse_interieur, VingtComposantesAuPlus) {
  Cas_p c;
  for (int k = 0; k < 15; ++k) c.doc.CompConnexes.push_back(Boite_cc(20 + 5 * k, 20, 40 + 5 * k, 30));
  for (int k = 0; k < 8; ++k) c.doc.ZonesTexte.push_back(Boite_cc(20 + 5 * k, 150, 22 + 5 * k, 160));
  EXPECT_EQ(Analyse_interieur(c.b.ctx, c.doc, 10, 10, 200, 200), 30);
  EXPECT_TRUE(c.doc.CompConnexes.empty());
  ASSERT_EQ(c.doc.ZonesTexte.size(), 3u);
  EXPECT_EQ(c.doc.ZonesTexte.front().xmin, 45);
}

// A ring around one component of 30 x 50 that is neither a character, nor a
// double bond, nor larger than "SeuilTailleCar": a plain polygon; the
// component is released, the stroke inside kept.
TEST(Localise_polygones, ComposanteSansCas) {
  Cas_p c;
  Anneau(c, HEXAGONE);
  c.doc.CompConnexes.push_back(Boite_cc(120, 120, 150, 170));
  c.Ajoute(Axe(125, 130, 145, 130));
  Localise_polygones(c.b.ctx, c.doc);
  EXPECT_EQ(Symboles_lus(c.doc), Textes{"100 6  150,50 63,100 63,200 150,250 237,200 237,100"});
  EXPECT_EQ(c.b.con.Log, "\n Localisation Polygones ...\n Polygone a 6 cotes.");
  EXPECT_TRUE(c.doc.CompConnexes.empty());
  EXPECT_EQ(c.doc.Quadrilateres.size(), 7u);

  // Larger than the threshold: the circle of an aromatic ring, its strokes erased.
  Cas_p d;
  Anneau(d, HEXAGONE);
  d.doc.CompConnexes.push_back(Boite_cc(110, 110, 190, 190));
  d.Ajoute(Axe(125, 130, 145, 130));
  Localise_polygones(d.b.ctx, d.doc);
  EXPECT_EQ(Symboles_lus(d.doc), Textes{"100 6 @ 150,50 63,100 63,200 150,250 237,200 237,100"});
  EXPECT_EQ(d.b.con.Log, "\n Localisation Polygones ...\n Polygone a 6 cotes.\n avec cercle ");
  EXPECT_EQ(d.doc.Quadrilateres.size(), 6u);
}

// Rings of more than 20 sides are labelled and logged, never recorded; the
// graph finds no cycle of 30 strokes or more.
TEST(Localise_polygones, GrandsAnneaux) {
  for (const int n : {20, 21, 25, 29, 30, 40}) {
    Cas_p c(1200, 1200);
    Anneau(c, Regulier(n, 600, 600, 500));
    Localise_polygones(c.b.ctx, c.doc);
    const bool trouve = n < 30;
    EXPECT_EQ(c.b.ctx.NumGroupe, trouve ? 101 : 100) << n;
    EXPECT_EQ(c.doc.ListeSymboles.size(), n <= 20 ? 1u : 0u) << n;
    if (trouve) {
      EXPECT_EQ(c.b.con.Log, "\n Localisation Polygones ...\n Polygone a " + std::to_string(n) + " cotes.") << n;
    }
    for (const Quadrilatere& q : c.doc.Quadrilateres) EXPECT_EQ(q.Marque, trouve ? 100 + n : 0) << n;
  }
}

// Drawn rings through the real stages: a hexagon, a hexagon with its circle,
// a hexagon with an inner double bond, and two fused rings.
TEST(Localise_polygones, AnneauxDessines) {
  {
    Plan p = Plan_blanc(300, 300);
    const auto v = Hexagone(p, 150, 150, 70, 4);
    Dessin d(std::move(p));
    d.Jusqu_aux_liaisons();
    Localise_polygones(d.b.ctx, d.doc);
    ASSERT_EQ(d.doc.ListeSymboles.size(), 1u);
    const Symbole& s = d.doc.ListeSymboles.front();
    EXPECT_EQ(s.Nb, 6u);
    EXPECT_STREQ(s.Commentaire, "");
    EXPECT_TRUE(Memes_sommets(s.Sommets, v, 3, true));
    for (const Quadrilatere& q : d.doc.Quadrilateres) EXPECT_EQ(q.Marque, 106);
  }
  {
    Plan p = Plan_blanc(400, 400);
    const auto v = Hexagone(p, 200, 200, 90, 5);
    Cercle(p, 200, 200, 54, 4);
    Dessin d(std::move(p));
    d.Jusqu_aux_liaisons();
    Localise_polygones(d.b.ctx, d.doc);
    const auto poly = Symboles_de_type(d.doc, 100);
    ASSERT_EQ(poly.size(), 1u);
    EXPECT_STREQ(poly[0]->Commentaire, "@");
    EXPECT_TRUE(Memes_sommets(poly[0]->Sommets, v, 3, true));
    EXPECT_NE(d.b.con.Log.find(" avec cercle "), std::string::npos);
    for (const Quadrilatere& q : d.doc.Quadrilateres) EXPECT_EQ(q.Marque, 106);  // the circle's strokes are gone
  }
  {
    Plan p = Plan_blanc(400, 300);
    const auto v = Hexagone(p, 200, 150, 80, 5);
    const Point2 a{200 + 0.78 * (v[1].x - 200), 150 + 0.78 * (v[1].y - 150)};
    const Point2 b{200 + 0.78 * (v[2].x - 200), 150 + 0.78 * (v[2].y - 150)};
    Trait_epais(p, a.x + 0.15 * (b.x - a.x), a.y + 0.15 * (b.y - a.y), b.x - 0.15 * (b.x - a.x),
                b.y - 0.15 * (b.y - a.y), 5);
    Dessin d(std::move(p));
    d.Jusqu_aux_liaisons();
    Localise_polygones(d.b.ctx, d.doc);
    const auto poly = Symboles_de_type(d.doc, 100);
    ASSERT_EQ(poly.size(), 1u);
    EXPECT_STREQ(poly[0]->Commentaire, "#1");
    EXPECT_TRUE(Memes_sommets(poly[0]->Sommets, v, 3, true));
    EXPECT_NE(d.b.con.Log.find(" avec liaisons "), std::string::npos);
    ASSERT_EQ(Symboles_de_type(d.doc, 300).size(), 1u);
    EXPECT_STREQ(Symboles_de_type(d.doc, 300)[0]->Commentaire, "L2");
  }
  {
    Plan p = Plan_blanc(450, 300);
    const double r = 70, dx = r * std::sqrt(3.0);
    const auto g = Hexagone(p, 150, 150, r, 4);
    const auto h = Hexagone(p, 150 + dx, 150, r, 4);
    Dessin d(std::move(p));
    d.Jusqu_aux_liaisons();
    Localise_polygones(d.b.ctx, d.doc);
    const auto poly = Symboles_de_type(d.doc, 100);
    ASSERT_EQ(poly.size(), 2u);
    EXPECT_EQ(poly[0]->Nb, 6u);
    EXPECT_EQ(poly[1]->Nb, 6u);
    const bool gh = Memes_sommets(poly[0]->Sommets, g, 3, true) && Memes_sommets(poly[1]->Sommets, h, 3, true);
    const bool hg = Memes_sommets(poly[0]->Sommets, h, 3, true) && Memes_sommets(poly[1]->Sommets, g, 3, true);
    EXPECT_TRUE(gh || hg);
    EXPECT_EQ(d.b.ctx.NumGroupe, 102);
  }
}
