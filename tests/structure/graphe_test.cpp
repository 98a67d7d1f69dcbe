#include <gtest/gtest.h>

#include "outils_structure.h"
#include "structure/graphe.h"

namespace {

struct Rect {
  int32_t x0, y0, x1, y1;
};

}  // namespace

TEST(Tri_longueur, SeparateursRetiresEtOrdreStable) {
  Cas c;
  c.b.con.Log = "avant";
  EXPECT_EQ(Tri_longueur(c.b.ctx, c.doc), 0);
  EXPECT_EQ(c.b.con.Log, "avant");

  for (const int32_t lg : {30, 0, 50, 30, 0, 70, 50}) {
    Quadrilatere q = lg == 0 ? Separateur() : Trait(10, 10, 10 + lg, 10);
    q.Marque = static_cast<int32_t>(c.doc.Quadrilateres.size());  // its place before sorting
    c.Ajoute(q);
  }
  EXPECT_EQ(Tri_longueur(c.b.ctx, c.doc), 1);
  EXPECT_EQ(c.b.con.Log, "avant - Tri Quads (selon lg). - Tri termine");
  EXPECT_EQ(c.doc.NbQuads, 5);
  std::vector<std::pair<int32_t, int32_t>> lus;
  for (const Quadrilatere& q : c.doc.Quadrilateres) lus.push_back({q.Longueur, q.Marque});
  EXPECT_EQ(lus, (std::vector<std::pair<int32_t, int32_t>>{{70, 5}, {50, 2}, {50, 6}, {30, 0}, {30, 3}}));
}

// Each relation from two strokes (the first one the longer, so first in the
// list), with the ink of Plan 1 that the gap tests read.
TEST(Construit_graphe, TypesDeRelation) {
  struct Ligne {
    const char* nom;
    Quadrilatere q, c;
    std::vector<Rect> encre;  // besides the strokes themselves
    Textes arcs;
  };
  // A vertical stroke of "_" slanting down to the right at 170 degrees.
  const Quadrilatere penche = Quad({76, 97}, {136, 107}, {136, 113}, {76, 103});
  const Ligne lignes[] = {
      {"plus", Trait(20, 100, 120, 100), Trait(70, 60, 70, 140), {}, {"X:0-1"}},
      {"T", Trait(20, 100, 120, 100), Trait(70, 150, 70, 101), {}, {"T:0-1"}},
      {"T, barre plus courte", Trait(70, 190, 70, 101), Trait(40, 100, 100, 100), {}, {"T:1-0"}},
      // One side of the stem crosses one side of the bar: its cap decides.
      {"T par le bout", Trait(20, 100, 120, 100), Quad({30, 150}, {30, 104}, {36, 100}, {36, 150}), {}, {"T:0-1"}},
      {"T sans le bout", Trait(20, 100, 120, 100), Quad({5, 101}, {25, 101}, {30, 99}, {10, 115}), {}, {"T:1-0"}},
      {"coin", Trait(20, 100, 80, 100), Trait(77, 160, 77, 99), {}, {"L:0-1"}},
      {"prolongement", Trait(20, 100, 80, 100), penche, {}, {"_:0-1"}},
      {"paralleles", Trait(20, 100, 120, 100), Trait(40, 60, 100, 60), {}, {"P:0-1"}},
      {"parallele de 10", Trait(20, 100, 120, 100), Trait(65, 60, 75, 60), {}, {}},
      {"alignes", Trait(20, 100, 80, 100), Trait(87, 100, 140, 100), {}, {}},
      {"alignes encres", Trait(20, 100, 80, 100), Trait(87, 100, 140, 100), {{81, 99, 86, 101}}, {"~:0-1"}},
      // The stem stops 8 pixels short of the bar, then 7.
      {"tige", Trait(20, 100, 120, 100), Trait(70, 170, 70, 112), {}, {}},
      {"tige proche", Trait(20, 100, 120, 100), Trait(70, 170, 70, 111), {}, {"t:0-1"}},
      {"tige encree", Trait(20, 100, 120, 100), Trait(70, 170, 70, 112), {{70, 104, 70, 110}}, {"t:0-1"}},
      {"tige longue", Trait(70, 262, 70, 111), Trait(20, 100, 120, 100), {}, {"t:1-0"}},
      {"coin ecarte", Trait(20, 100, 80, 100), Trait(110, 190, 110, 130), {}, {}},
      {"coin ecarte encre",
       Trait(20, 100, 80, 100),
       Trait(110, 190, 110, 130),
       {{80, 97, 113, 103}, {107, 97, 113, 130}},
       {"l:0-1"}},
      {"loin", Trait(20, 100, 80, 100), Trait(200, 250, 260, 250), {}, {}},
  };
  for (const Ligne& l : lignes) {
    Cas c;
    c.Ajoute(l.q);
    c.Ajoute(l.c);
    Encre(c.doc.Plan1, l.q);
    Encre(c.doc.Plan1, l.c);
    for (const Rect& r : l.encre) Rectangle_plein(c.doc.Plan1, r.x0, r.y0, r.x1, r.y1);
    EXPECT_EQ(Construit_graphe(c.b.ctx, c.doc), 1) << l.nom;
    EXPECT_EQ(c.Arcs_lus(), l.arcs) << l.nom;
    EXPECT_EQ(c.b.con.Log, "* Constr. du Graphe (50)...\n Ok. ") << l.nom;
    EXPECT_TRUE(c.b.con.Boites.empty()) << l.nom;
  }
}

TEST(Construit_graphe, SansTraitRienNestFait) {
  Cas c;
  c.b.con.Log = "avant";
  EXPECT_EQ(Construit_graphe(c.b.ctx, c.doc), 0);
  EXPECT_EQ(c.b.con.Log, "avant");
  EXPECT_TRUE(c.doc.ListeArcs.empty());
}

// A mark of 1000 only keeps a stroke from starting a search; a stroke whose
// ends coincide starts none and meets nothing at an angle.
TEST(Construit_graphe, TraitsMarquesEtTraitPoint) {
  for (const int marque : {0, 1}) {
    Cas c;
    Quadrilatere barre = Trait(20, 100, 120, 100), croix = Trait(70, 60, 70, 140);
    (marque == 0 ? croix : barre).Marque = 1000;
    c.Ajoute(barre);
    c.Ajoute(croix);
    Construit_graphe(c.b.ctx, c.doc);
    EXPECT_EQ(c.Arcs_lus(), marque == 0 ? Textes{"X:0-1"} : Textes{}) << marque;
  }
  Cas c;
  c.Ajoute(Trait(20, 100, 120, 100));
  Quadrilatere point = Quad({98, 130}, {102, 130}, {98, 130}, {102, 130});
  point.Angle1 = point.Angle2 = 90;
  c.Ajoute(point);
  c.Ajoute(Trait(100, 200, 100, 280));  // would meet the point's axis line
  EXPECT_EQ(Construit_graphe(c.b.ctx, c.doc), 1);
  EXPECT_EQ(c.Arcs_lus(), Textes{});
  EXPECT_EQ(c.b.con.Log, "* Constr. du Graphe (50)...\n Ok. ");
}

// Parallel strokes next to the top-left corner: their zones hold the origin.
TEST(Construit_graphe, ZoneAutourDeLOrigine) {
  Cas c;
  for (const int32_t y : {18, 26, 34}) c.Ajoute(Trait(10, y, 90, y, 2));
  Construit_graphe(c.b.ctx, c.doc);
  EXPECT_EQ(c.Arcs_lus(), (Textes{"P:0-1", "P:0-2", "P:1-2"}));
}

// The neighbour table holds 149 neighbours; the 149th fills it, and the
// search goes on from entry 1.
TEST(Construit_graphe, TableDeVoisinsPleine) {
  for (const int nb : {148, 149, 151}) {
    Cas c(700, 200);
    const Quadrilatere* barre = c.Ajoute(Trait(10, 100, 618, 100));
    for (int k = 0; k < nb; ++k) c.Ajoute(Trait(14 + 4 * k, 80, 14 + 4 * k, 120, 1));
    Construit_graphe(c.b.ctx, c.doc);
    Textes depuis_barre;
    for (const std::string& a : c.Arcs_lus())
      if (a.rfind("X:0-", 0) == 0) depuis_barre.push_back(a);
    std::vector<const Arc*> autres;
    for (const Arc& a : c.doc.ListeArcs)
      if (a.Quad1 != barre && a.Quad2 != barre) autres.push_back(&a);
    EXPECT_EQ(depuis_barre.size() + autres.size(), c.doc.ListeArcs.size()) << nb;
    if (nb == 148) {
      EXPECT_EQ(depuis_barre.size(), 148u);
      EXPECT_TRUE(c.b.con.Boites.empty());
    } else {
      EXPECT_EQ(c.b.con.Boites, std::vector<Boite>({{"Erreur", "Erreur Mem 3 !"}})) << nb;
      EXPECT_EQ(depuis_barre, nb == 149 ? Textes{} : (Textes{"X:0-150", "X:0-151"})) << nb;
    }
  }
}

// Nearly parallel strokes whose sides lie more than 90 degrees apart have
// their Angle2 mirrored, for good.
TEST(Construit_graphe, AnglesRamenes) {
  Cas c;
  Quadrilatere q = Trait(20, 100, 120, 100), r = Trait(40, 60, 100, 60);
  q.Angle1 = 5, q.Angle2 = 170;
  r.Angle1 = 178, r.Angle2 = 0;
  c.Ajoute(q);
  c.Ajoute(r);
  Construit_graphe(c.b.ctx, c.doc);
  EXPECT_EQ(c.Arcs_lus(), Textes{"P:0-1"});
  EXPECT_EQ(c.doc.Quadrilateres.front().Angle2, 10);
  EXPECT_EQ(c.doc.Quadrilateres.back().Angle2, 180);
}

TEST(Construit_graphe, PasAPas) {
  Cas c;
  c.b.con.ModeDebug = 1;
  c.Ajoute(Trait(20, 100, 120, 100));
  c.Ajoute(Trait(70, 60, 70, 140));
  c.Ajoute(Trait(200, 250, 260, 250));
  Construit_graphe(c.b.ctx, c.doc);
  EXPECT_EQ(c.Arcs_lus(), Textes{"X:0-1"});
  // The last stroke's search is what the log holds at the end.
  EXPECT_EQ(c.b.con.Log, "* Constr. du Graphe (50)...\n Ok. ");
  EXPECT_EQ(c.b.con.NbPauses, 1);
  EXPECT_FALSE(Pixels_encre(c.doc.Plan2).empty());
}
