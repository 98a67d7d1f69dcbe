#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

#include "dessins_molecule.h"
#include "molecule/extraction.h"
#include "molecule/molecule.h"

namespace {

int Degre(const Graphe_lu& g, int a) {
  int n = 0;
  for (const Liaison_lue& l : g.Liaisons) n += (l.A == a) + (l.B == a);
  return n;
}

struct Compte {
  int simples = 0, doubles = 0, triples = 0, aromatiques = 0;
};
Compte Compte_liaisons(const Graphe_lu& g) {
  Compte c;
  for (const Liaison_lue& l : g.Liaisons) {
    c.simples += l.Ordre == 1, c.doubles += l.Ordre == 2, c.triples += l.Ordre == 3;
    c.aromatiques += l.Aromatique;
  }
  return c;
}

// Every bond joins two distinct atoms of the graph, no two bonds the same pair.
void Verifie_coherent(const Graphe_lu& g) {
  std::set<std::pair<int, int>> paires;
  for (const Liaison_lue& l : g.Liaisons) {
    ASSERT_GE(l.A, 0);
    ASSERT_GE(l.B, 0);
    ASSERT_LT(l.A, static_cast<int>(g.Atomes.size()));
    ASSERT_LT(l.B, static_cast<int>(g.Atomes.size()));
    ASSERT_NE(l.A, l.B);
    EXPECT_TRUE(paires.insert(std::minmax(l.A, l.B)).second);
  }
}

int Atome_etiquete(const Graphe_lu& g, const std::string& texte) {
  for (size_t i = 0; i < g.Atomes.size(); ++i)
    if (g.Atomes[i].Etiquette == texte) return static_cast<int>(i);
  return -1;
}

// The inner line of a double bond on side (a, b) of a ring centred at c.
void Ligne_interieure(Plan& p, Point2 c, Point2 a, Point2 b, double ep) {
  const double k = 0.78;
  const Point2 u{c.x + k * (a.x - c.x), c.y + k * (a.y - c.y)}, v{c.x + k * (b.x - c.x), c.y + k * (b.y - c.y)};
  Trait_epais(p, u.x + 0.15 * (v.x - u.x), u.y + 0.15 * (v.y - u.y), v.x - 0.15 * (v.x - u.x),
              v.y - 0.15 * (v.y - u.y), ep);
}

Quadrilatere Axe(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Quadrilatere q;
  q.x1 = q.x4 = x1, q.y1 = q.y4 = y1, q.x2 = q.x3 = x2, q.y2 = q.y3 = y2;
  q.Longueur = Longueur_arrondie(x1, y1, x2, y2);
  return q;
}

Symbole Symbole_de(int32_t type, uint32_t nb, const char* commentaire, std::vector<Sommet> sommets) {
  Symbole s;
  s.Type = type, s.Nb = nb;
  std::strncpy(s.Commentaire, commentaire, Symbole::LG_COMMENTAIRE - 1);
  for (size_t k = 0; k < sommets.size(); ++k) s.Sommets[k] = sommets[k];
  return s;
}

}  // namespace

// Rings from drawings: plain, with a circle, with three inner double bonds.
// The tolerance comes from the measured bond length (the hexagon's side)
// and stroke thickness.
TEST(ExtraitGraphe, Cycles) {
  enum Sorte { Simple, Cercle_interieur, Kekule };
  for (const Sorte sorte : {Simple, Cercle_interieur, Kekule}) {
    Banc_molecule b;
    Document doc;
    Plan p = Plan_blanc(400, 400);
    const auto v = Hexagone(p, 200, 200, 90, 4);
    // A circle drawn here meets a side in a parallel pair, which the ring
    // search then takes for an inner double bond: the benzene sample has
    // the same hexagon with a circle that it reads.
    if (sorte == Cercle_interieur) p = Plan_blanc(400, 400), Colle_region(p, "benzene", 1, 1, 398, 398, 1, 1);
    if (sorte == Kekule)
      for (int k = 0; k < 6; k += 2) Ligne_interieure(p, {200, 200}, v[k], v[k + 1], 4);
    Analyse(b, doc, std::move(p));
    const Graphe_lu g = Extrait_graphe(doc);
    Verifie_coherent(g);
    EXPECT_EQ(g.Atomes.size(), 6u) << sorte;
    ASSERT_EQ(g.Liaisons.size(), 6u) << sorte;
    for (size_t a = 0; a < 6; ++a) EXPECT_EQ(Degre(g, static_cast<int>(a)), 2) << sorte;
    EXPECT_NEAR(g.Longueur_liaison, 90, 4) << sorte;
    EXPECT_NEAR(g.Epaisseur, 4, 1) << sorte;
    EXPECT_DOUBLE_EQ(Tolerance_bouts(g.Longueur_liaison, g.Epaisseur), 0.25 * g.Longueur_liaison);
    EXPECT_EQ(g.Bouts_ambigus, 0) << sorte;
    const Compte c = Compte_liaisons(g);
    EXPECT_EQ(c.aromatiques, sorte == Cercle_interieur ? 6 : 0) << sorte;
    EXPECT_EQ(c.doubles, sorte == Kekule ? 3 : 0) << sorte;
    if (sorte == Kekule)  // the double bonds alternate: no atom carries two
      for (size_t a = 0; a < 6; ++a) {
        int n = 0;
        for (const Liaison_lue& l : g.Liaisons) n += l.Ordre == 2 && (l.A == static_cast<int>(a) || l.B == static_cast<int>(a));
        EXPECT_EQ(n, 1) << a;
      }
    for (const Atome_lu& a : g.Atomes) EXPECT_TRUE(a.Etiquette.empty());
  }
}

// A zigzag chain ending in a triple bond, and two strokes that cross: the
// cross gives two bonds and four atoms, nothing at the crossing.
TEST(ExtraitGraphe, ChaineTripleEtCroisement) {
  {
    Banc_molecule b;
    Document doc;
    Plan p = Plan_blanc(600, 300);
    for (int i = 0; i < 3; ++i) Trait_epais(p, 60 + 70 * i, i % 2 ? 110 : 150, 130 + 70 * i, i % 2 ? 150 : 110, 4);
    for (int j = -1; j <= 1; ++j) Trait_epais(p, 270, 110 + 12 * j, 360, 110 + 12 * j, 4);
    Analyse(b, doc, std::move(p));
    const Graphe_lu g = Extrait_graphe(doc);
    Verifie_coherent(g);
    EXPECT_EQ(g.Atomes.size(), 5u);
    const Compte c = Compte_liaisons(g);
    EXPECT_EQ(c.simples, 3);
    EXPECT_EQ(c.triples, 1);
    EXPECT_EQ(g.Liaisons.size(), 4u);
  }
  {
    Banc_molecule b;
    Document doc;
    Plan p = Plan_blanc(500, 500);
    Trait_epais(p, 90, 110, 410, 390, 5);
    Trait_epais(p, 100, 400, 400, 100, 5);
    Analyse(b, doc, std::move(p));
    const Graphe_lu g = Extrait_graphe(doc);
    Verifie_coherent(g);
    EXPECT_EQ(g.Atomes.size(), 4u);
    ASSERT_EQ(g.Liaisons.size(), 2u);
    EXPECT_EQ(std::set<int>({g.Liaisons[0].A, g.Liaisons[0].B, g.Liaisons[1].A, g.Liaisons[1].B}).size(), 4u);
    for (const Atome_lu& a : g.Atomes) EXPECT_GT(std::hypot(a.P.x - 250, a.P.y - 250), 150);
  }
}

// "OH" at the end of a bond leaving a ring is that bond's atom, its ends
// kept as drawn; a label far from every stroke stays an atom of its own.
TEST(ExtraitGraphe, Etiquettes) {
  Banc_molecule b;
  Document doc;
  Plan p = Plan_blanc(700, 500);
  const auto v = Hexagone(p, 200, 250, 80, 4);
  Trait_epais(p, v[4].x, v[4].y, v[4].x + 70, v[4].y, 4);  // bottom-right vertex, to the right
  Colle_etiquette(p, "OH", static_cast<int>(v[4].x) + 78, static_cast<int>(v[4].y) - 16);
  Colle_etiquette(p, "NH2", 560, 60);
  Analyse(b, doc, std::move(p));
  const Graphe_lu g = Extrait_graphe(doc);
  Verifie_coherent(g);
  ASSERT_EQ(g.Atomes.size(), 8u);
  EXPECT_EQ(g.Liaisons.size(), 7u);
  const int oh = Atome_etiquete(g, "OH"), nh2 = Atome_etiquete(g, "NH2");
  ASSERT_GE(oh, 0);
  ASSERT_GE(nh2, 0);
  EXPECT_FALSE(g.Atomes[static_cast<size_t>(oh)].Douteuse);
  EXPECT_EQ(Degre(g, oh), 1);
  EXPECT_EQ(Degre(g, nh2), 0);
  const Atome_lu& a = g.Atomes[static_cast<size_t>(nh2)];
  EXPECT_LT(a.xmin, a.xmax);
  EXPECT_DOUBLE_EQ(a.P.x, (a.xmin + a.xmax) / 2.0);
  for (const Liaison_lue& l : g.Liaisons) {
    if (l.A != oh && l.B != oh) continue;
    const Point_lu bout = l.A == oh ? l.Bout_A : l.Bout_B;  // the stroke's end beside the label
    EXPECT_NEAR(bout.x, v[4].x + 70, 4);
    EXPECT_NEAR(bout.y, v[4].y, 4);
  }
  EXPECT_EQ(g.Bouts_ambigus, 0);
}

// The records alone, as the stages leave them. A triple bond whose middle
// stroke was fused in line with the next bond is cut where its partners
// end; a cross found in four pieces is joined back into two bonds; a
// character not recognised makes its label doubtful; an end lying between
// once and twice the tolerance from another atom is ambiguous.
TEST(ExtraitGraphe, EnregistrementsSeuls) {
  Document doc;
  // Triple bond 100..200 on y = 100, its middle stroke running on to 300.
  doc.Quadrilateres.push_back(Axe(100, 100, 300, 100));
  doc.Quadrilateres.push_back(Axe(100, 90, 200, 90));
  doc.Quadrilateres.push_back(Axe(100, 110, 200, 110));
  doc.Quadrilateres.push_back(Separateur());
  doc.ListeSymboles.push_back(
      Symbole_de(300, 3, "L3", {{100, 100}, {300, 100}, {100, 90}, {200, 90}, {100, 110}, {200, 110}}));
  // A cross centred on (600, 600), each stroke cut at the crossing.
  doc.Quadrilateres.push_back(Axe(500, 500, 600, 600));
  doc.Quadrilateres.push_back(Axe(600, 600, 700, 700));
  doc.Quadrilateres.push_back(Axe(500, 700, 600, 600));
  doc.Quadrilateres.push_back(Axe(600, 600, 700, 500));
  doc.ListeSymboles.push_back(Symbole_de(500, 2, "X2", {{500, 500}, {700, 700}, {500, 700}, {700, 500}}));
  // A lone bond whose free end points at a doubtful label 40 pixels ahead,
  // another whose end lies 40 pixels beside it.
  doc.Quadrilateres.push_back(Axe(100, 400, 200, 400));
  doc.Quadrilateres.push_back(Axe(150, 350, 230, 350));
  CompConnexe o;
  o.xmin = 240, o.ymin = 390, o.xmax = 260, o.ymax = 410, o.Zone = 1, o.Etat = 5;
  std::strcpy(o.Caractere, "O");
  doc.ZonesTexte.push_back(o);
  doc.NbZones = 1;

  const Graphe_lu g = Extrait_graphe(doc);
  Verifie_coherent(g);
  EXPECT_DOUBLE_EQ(g.Longueur_liaison, 100 * std::sqrt(2.0));  // lengths 200, 100, 100, 141 x 4, 100, 80
  EXPECT_DOUBLE_EQ(g.Epaisseur, 0);                             // a blank Plan 1
  EXPECT_DOUBLE_EQ(Tolerance_bouts(100, 0), 25);
  EXPECT_DOUBLE_EQ(Tolerance_bouts(8, 1), 3);
  ASSERT_EQ(g.Atomes.size(), 3u + 4u + 1u + 2u + 1u);
  ASSERT_EQ(g.Liaisons.size(), 2u + 2u + 1u + 1u);
  // The triple bond 100 -> 200, then the single bond 200 -> 300.
  const Liaison_lue& triple = g.Liaisons[0];
  EXPECT_EQ(triple.Ordre, 3);
  EXPECT_DOUBLE_EQ(triple.Bout_A.x, 100);
  EXPECT_DOUBLE_EQ(triple.Bout_B.x, 200);
  const Liaison_lue& suite = g.Liaisons.back();
  EXPECT_EQ(suite.Ordre, 1);
  EXPECT_EQ(suite.A, triple.B);
  EXPECT_DOUBLE_EQ(g.Atomes[static_cast<size_t>(suite.B)].P.x, 300);
  // The cross: (500,500)-(700,700) and (500,700)-(700,500), four atoms.
  const Liaison_lue& d1 = g.Liaisons[1];
  const Liaison_lue& d2 = g.Liaisons[2];
  EXPECT_DOUBLE_EQ(d1.Bout_A.x, 500);
  EXPECT_DOUBLE_EQ(d1.Bout_A.y, 500);
  EXPECT_DOUBLE_EQ(d1.Bout_B.x, 700);
  EXPECT_DOUBLE_EQ(d1.Bout_B.y, 700);
  EXPECT_DOUBLE_EQ(d2.Bout_A.x, 500);
  EXPECT_DOUBLE_EQ(d2.Bout_A.y, 700);
  EXPECT_DOUBLE_EQ(d2.Bout_B.x, 700);
  EXPECT_DOUBLE_EQ(d2.Bout_B.y, 500);
  EXPECT_EQ(std::set<int>({d1.A, d1.B, d2.A, d2.B}).size(), 4u);
  for (const Atome_lu& a : g.Atomes) EXPECT_FALSE(a.P.x == 600 && a.P.y == 600);
  // The doubtful label takes the end pointing at it; the end beside it and
  // that one, 58 pixels apart, count as ambiguous.
  const int o_atome = Atome_etiquete(g, "O");
  ASSERT_GE(o_atome, 0);
  EXPECT_TRUE(g.Atomes[static_cast<size_t>(o_atome)].Douteuse);
  EXPECT_EQ(Degre(g, o_atome), 1);
  EXPECT_EQ(g.Bouts_ambigus, 2);
  // The document is left as it was.
  EXPECT_EQ(doc.Quadrilateres.size(), 10u);
  EXPECT_EQ(doc.ListeSymboles.size(), 2u);
}

// Nothing to read: no document, or labels without a single stroke.
TEST(ExtraitGraphe, SansTrait) {
  Document vide;
  const Graphe_lu g = Extrait_graphe(vide);
  EXPECT_TRUE(g.Atomes.empty());
  EXPECT_TRUE(g.Liaisons.empty());
  EXPECT_EQ(g.Longueur_liaison, 0);

  Document seuls;
  seuls.Quadrilateres.push_back(Separateur());
  CompConnexe c;
  c.xmin = 10, c.ymin = 10, c.xmax = 30, c.ymax = 40, c.Zone = 1, c.Etat = 1;
  seuls.ZonesTexte.push_back(c);
  seuls.NbZones = 1;
  EXPECT_TRUE(Extrait_graphe(seuls).Atomes.empty());
}

// 2000 strokes: 40 zigzag chains of 50 bonds each, every inner vertex
// shared by two strokes whose ends miss each other by up to 3 pixels.
TEST(ExtraitGraphe, DeuxMilleTraits) {
  Document doc;
  for (int c = 0; c < 40; ++c) {
    const int y0 = 100 + 80 * c;
    for (int i = 0; i < 50; ++i) {
      const int x1 = 50 + 60 * i, x2 = x1 + 60;
      const int y1 = y0 + (i % 2 ? 35 : 0), y2 = y0 + (i % 2 ? 0 : 35);
      doc.Quadrilateres.push_back(Axe(x1 + (i % 3), y1, x2, y2 - (i % 4)));
    }
    doc.Quadrilateres.push_back(Separateur());
  }
  const Graphe_lu g = Extrait_graphe(doc);
  Verifie_coherent(g);
  EXPECT_EQ(g.Liaisons.size(), 2000u);
  EXPECT_EQ(g.Atomes.size(), 40u * 51u);
  for (size_t a = 0; a < g.Atomes.size(); ++a) EXPECT_LE(Degre(g, static_cast<int>(a)), 2);
}

// The A4 sample page after "Totale": every bond of its formulas is found,
// each between two distinct atoms.
TEST(ExtraitGraphe, PageA4) {
  Banc_molecule b;
  Document doc;
  ASSERT_TRUE(Ouvre_document(b.ctx, doc, VRIX_SOURCE "/samples/page_a4.bmp"));
  Chaine_totale(b.ctx, doc);
  const size_t traits = doc.Quadrilateres.size();
  const Graphe_lu g = Extrait_graphe(doc);
  Verifie_coherent(g);
  EXPECT_EQ(g.Liaisons.size(), 158u);  // as many as the page's drawn bonds
  EXPECT_EQ(doc.Quadrilateres.size(), traits);
  int libres = 0;
  for (size_t a = 0; a < g.Atomes.size(); ++a)
    libres += g.Atomes[a].Etiquette.empty() && Degre(g, static_cast<int>(a)) == 0;
  EXPECT_EQ(libres, 0);
}
