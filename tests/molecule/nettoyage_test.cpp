#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "image/document.h"
#include "molecule/cercles.h"
#include "molecule/molecule.h"

namespace {

void Ajoute_trait(Document& doc, Point_lu a, Point_lu b) {
  Quadrilatere q;
  q.x1 = q.x4 = static_cast<int32_t>(std::lround(a.x)), q.y1 = q.y4 = static_cast<int32_t>(std::lround(a.y));
  q.x2 = q.x3 = static_cast<int32_t>(std::lround(b.x)), q.y2 = q.y3 = static_cast<int32_t>(std::lround(b.y));
  q.Longueur = 1 + static_cast<int32_t>(std::hypot(a.x - b.x, a.y - b.y));
  doc.Quadrilateres.push_back(q);
}

Point_lu Sur_cercle(double r, double degres) {
  return {200 + r * std::cos(degres * M_PI / 180), 200 + r * std::sin(degres * M_PI / 180)};
}

// A hexagon of radius 90 around (200, 200), as strokes and as a polygon.
void Hexagone(Document& doc) {
  Symbole s;
  s.Type = 100, s.Nb = 6;
  for (int k = 0; k < 6; ++k) {
    const Point_lu p = Sur_cercle(90, 60 * k);
    s.Sommets[k] = {static_cast<int32_t>(std::lround(p.x)), static_cast<int32_t>(std::lround(p.y))};
    Ajoute_trait(doc, p, Sur_cercle(90, 60 * k + 60));
  }
  doc.ListeSymboles.push_back(s);
}

}  // namespace

TEST(CerclesDessines, ArcsDansLeCycle) {
  // Chords of a circle of radius 55 over two thirds of a turn: a circle, its
  // pieces no bonds; the ring's sides and a bond outside are bonds.
  Document doc;
  Hexagone(doc);
  for (int a = 0; a < 240; a += 30) Ajoute_trait(doc, Sur_cercle(55, a), Sur_cercle(55, a + 30));
  const Cercles_dessines c(doc);
  EXPECT_TRUE(c.Dans(doc.ListeSymboles.front()));
  EXPECT_TRUE(c.Contient(Sur_cercle(55, 300), Sur_cercle(55, 330)));
  EXPECT_FALSE(c.Contient(Sur_cercle(90, 0), Sur_cercle(90, 60)));
  EXPECT_FALSE(c.Contient(Sur_cercle(90, 0), Sur_cercle(180, 0)));

  // A quarter turn only (an inner double bond, a stray stroke): no circle.
  Document quart;
  Hexagone(quart);
  for (int a = 0; a < 90; a += 30) Ajoute_trait(quart, Sur_cercle(55, a), Sur_cercle(55, a + 30));
  const Cercles_dessines q(quart);
  EXPECT_FALSE(q.Dans(quart.ListeSymboles.front()));
  EXPECT_FALSE(q.Contient(Sur_cercle(55, 0), Sur_cercle(55, 30)));
}

TEST(ExtraitGraphe, TraitsCourtsIsoles) {
  // Three bonds of 90 pixels in a chain, a lone stroke of 20 (a minus sign,
  // a piece of a letter) and a lone one of 90 (ethane): the short one goes.
  Document doc;
  Ajoute_trait(doc, {100, 100}, {190, 100});
  Ajoute_trait(doc, {190, 100}, {235, 178});
  Ajoute_trait(doc, {235, 178}, {325, 178});
  Ajoute_trait(doc, {400, 100}, {420, 100});
  Ajoute_trait(doc, {100, 300}, {190, 300});
  const Graphe_lu g = Extrait_graphe(doc);
  EXPECT_EQ(g.Atomes.size(), 6u);
  ASSERT_EQ(g.Liaisons.size(), 4u);
  for (const Liaison_lue& l : g.Liaisons) {
    EXPECT_LT(l.A, 6);
    EXPECT_LT(l.B, 6);
    EXPECT_GT(std::hypot(l.Bout_A.x - l.Bout_B.x, l.Bout_A.y - l.Bout_B.y), 80);
  }
}

namespace {

void Ajoute_caractere(Document& doc, const char* nom, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax,
                      uint16_t zone) {
  CompConnexe c;
  c.xmin = xmin, c.ymin = ymin, c.xmax = xmax, c.ymax = ymax, c.Zone = zone, c.Etat = 1;
  std::snprintf(c.Caractere, sizeof c.Caractere, "%s", nom);
  doc.ZonesTexte.push_back(c);
  doc.NbZones = std::max<uint16_t>(doc.NbZones, zone);
}

}  // namespace

TEST(ExtraitGraphe, EtiquettesCoupees) {
  // "H" and "3C" read as two zones 4 pixels apart on one line: one label
  // "H3C", taking the bond; a lone "H" far from everything is dropped, a
  // lone "O" is kept.
  Document doc;
  Ajoute_trait(doc, {200, 100}, {290, 100});
  Ajoute_trait(doc, {290, 100}, {335, 178});
  Ajoute_caractere(doc, "H", 120, 86, 140, 114, 1);
  Ajoute_caractere(doc, "3", 144, 100, 152, 118, 2);
  Ajoute_caractere(doc, "C", 156, 86, 176, 114, 2);
  Ajoute_caractere(doc, "H", 600, 600, 620, 628, 3);
  Ajoute_caractere(doc, "O", 600, 300, 620, 328, 4);
  const Graphe_lu g = Extrait_graphe(doc);
  std::vector<std::string> etiquettes;
  for (const Atome_lu& a : g.Atomes)
    if (!a.Etiquette.empty()) etiquettes.push_back(a.Etiquette);
  EXPECT_EQ(etiquettes, (std::vector<std::string>{"H3C", "O"}));
  ASSERT_EQ(g.Liaisons.size(), 2u);
  const Atome_lu& h3c = g.Atomes[static_cast<size_t>(g.Liaisons[0].A)];
  EXPECT_EQ(h3c.Etiquette, "H3C");
  EXPECT_EQ(h3c.xmin, 120);
  EXPECT_EQ(h3c.xmax, 176);
}

TEST(CerclesDessines, CercleSeulPrisPourUnPolygone) {
  // The ring's sides as strokes but no ring polygon; its circle of radius 55
  // found as a polygon of 12 sides, with its 12 chords: the chords are no
  // bonds, the sides around the circle aromatic, a substituent not.
  Document doc;
  Symbole cercle;
  cercle.Type = 100, cercle.Nb = 12;
  for (int k = 0; k < 12; ++k) {
    const Point_lu p = Sur_cercle(55, 30 * k);
    cercle.Sommets[k] = {static_cast<int32_t>(std::lround(p.x)), static_cast<int32_t>(std::lround(p.y))};
    Ajoute_trait(doc, p, Sur_cercle(55, 30 * k + 30));
  }
  doc.ListeSymboles.push_back(cercle);
  for (int k = 0; k < 6; ++k) Ajoute_trait(doc, Sur_cercle(90, 60 * k), Sur_cercle(90, 60 * k + 60));
  Ajoute_trait(doc, Sur_cercle(90, 0), Sur_cercle(180, 0));
  const Cercles_dessines c(doc);
  ASSERT_EQ(c.Cercles_seuls().size(), 1u);
  EXPECT_NEAR(c.Cercles_seuls()[0].Rayon, 55, 1);
  const Graphe_lu g = Extrait_graphe(doc);
  EXPECT_EQ(g.Atomes.size(), 7u);
  ASSERT_EQ(g.Liaisons.size(), 7u);
  int aromatiques = 0;
  for (const Liaison_lue& l : g.Liaisons) aromatiques += l.Aromatique;
  EXPECT_EQ(aromatiques, 6);
}

TEST(ExtraitGraphe, TripleAuMilieuFusionne) {
  // A symbol "L2" of the two outer strokes of a triple bond whose middle
  // stroke runs on into the next bond: a triple bond 100 -> 200, then a
  // single one 200 -> 300.
  Document doc;
  Ajoute_trait(doc, {100, 100}, {300, 100});
  Ajoute_trait(doc, {100, 90}, {200, 90});
  Ajoute_trait(doc, {100, 110}, {200, 110});
  Symbole l2;
  l2.Type = 300, l2.Nb = 2;
  std::snprintf(l2.Commentaire, sizeof l2.Commentaire, "L2");
  l2.Sommets[0] = {100, 90}, l2.Sommets[1] = {200, 90}, l2.Sommets[2] = {100, 110}, l2.Sommets[3] = {200, 110};
  doc.ListeSymboles.push_back(l2);
  const Graphe_lu g = Extrait_graphe(doc);
  ASSERT_EQ(g.Liaisons.size(), 2u);
  std::vector<std::pair<double, int>> liaisons;
  for (const Liaison_lue& l : g.Liaisons)
    liaisons.push_back({std::min(g.Atomes[static_cast<size_t>(l.A)].P.x, g.Atomes[static_cast<size_t>(l.B)].P.x), l.Ordre});
  std::sort(liaisons.begin(), liaisons.end());
  EXPECT_EQ(liaisons, (std::vector<std::pair<double, int>>{{100, 3}, {200, 1}}));
}

TEST(ExtraitGraphe, CycleParUneEtiquette) {
  // A pentagon found with a vertex at the end of its strokes, a few pixels
  // short of the "S" drawn there: the ring runs through the S.
  Document doc;
  Symbole p;
  p.Type = 100, p.Nb = 5;
  for (int k = 0; k < 5; ++k) {
    const Point_lu a = Sur_cercle(80, 180 + 72 * k), b = Sur_cercle(80, 180 + 72 * (k + 1));
    p.Sommets[k] = {static_cast<int32_t>(std::lround(a.x)), static_cast<int32_t>(std::lround(a.y))};
    Ajoute_trait(doc, a, b);
  }
  doc.ListeSymboles.push_back(p);
  Ajoute_caractere(doc, "S", 96, 186, 114, 214, 1);  // 6 pixels left of the vertex at (120, 200)
  const Graphe_lu g = Extrait_graphe(doc);
  EXPECT_EQ(g.Atomes.size(), 5u);
  const auto s = std::find_if(g.Atomes.begin(), g.Atomes.end(), [](const Atome_lu& a) { return a.Etiquette == "S"; });
  ASSERT_NE(s, g.Atomes.end());
  const int i = static_cast<int>(s - g.Atomes.begin());
  EXPECT_EQ(std::count_if(g.Liaisons.begin(), g.Liaisons.end(), [&](const Liaison_lue& l) { return l.A == i || l.B == i; }), 2);
}
