#include <gtest/gtest.h>

#include <cmath>

#include "app/chaines.h"
#include "app/chaines_structure.h"
#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"

TEST(ChaineRepresentation, SansDocumentOuImageBlanche) {
  Banc b(Param_defaut());
  Document doc;
  Chaine_representation(b.ctx, doc);
  EXPECT_EQ(b.con.NbBipsMessage, 1);
  EXPECT_EQ(b.con.Log, "");

  Installe_plan(doc, Plan_blanc(100, 80));
  Chaine_representation(b.ctx, doc);
  EXPECT_EQ(b.con.NbBipsMessage, 2);
  EXPECT_TRUE(doc.Vecteurs.empty());
  EXPECT_TRUE(doc.Quadrilateres.empty());
  EXPECT_TRUE(doc.CompConnexes.empty());
  EXPECT_TRUE(b.con.Boites.empty());
}

TEST(ChaineRepresentation, HexagoneAvecDoubleLiaison) {
  // Strokes 5 pixels thick at 300 dpi: every straight stroke ends as one
  // quadrilateral whose axis joins its two ends.
  Banc b(Param_defaut());
  Document doc;
  Plan p = Plan_blanc(400, 300);
  const auto v = Hexagone(p, 200, 150, 80, 5);
  const Point2 a{200 + 0.78 * (v[1].x - 200), 150 + 0.78 * (v[1].y - 150)};
  const Point2 c{200 + 0.78 * (v[2].x - 200), 150 + 0.78 * (v[2].y - 150)};
  const Point2 a2{a.x + 0.15 * (c.x - a.x), a.y + 0.15 * (c.y - a.y)};
  const Point2 c2{c.x - 0.15 * (c.x - a.x), c.y - 0.15 * (c.y - a.y)};
  Trait_epais(p, a2.x, a2.y, c2.x, c2.y, 5);
  Installe_plan(doc, std::move(p));
  Chaine_representation(b.ctx, doc);
  EXPECT_TRUE(b.con.Boites.empty());

  std::vector<const Quadrilatere*> reels;
  for (const Quadrilatere& q : doc.Quadrilateres)
    if (!Est_separateur(q)) reels.push_back(&q);
  ASSERT_EQ(reels.size(), 7u);
  EXPECT_EQ(doc.CompConnexes.size(), 2u);  // the ring and the inner line

  std::vector<std::pair<Point2, Point2>> traits;
  for (int k = 0; k < 6; ++k) traits.push_back({v[k], v[(k + 1) % 6]});
  traits.push_back({a2, c2});
  for (const auto& [d, f] : traits) {
    bool trouve = false;
    for (const Quadrilatere* q : reels) {
      const Point2 e1{(q->x1 + q->x4) / 2.0, (q->y1 + q->y4) / 2.0}, e2{(q->x2 + q->x3) / 2.0, (q->y2 + q->y3) / 2.0};
      auto pres = [](Point2 u, Point2 w) { return std::hypot(u.x - w.x, u.y - w.y) < 8; };
      if ((pres(e1, d) && pres(e2, f)) || (pres(e1, f) && pres(e2, d))) {
        trouve = true;
        // Thicknesses are measured at the corners of the joins: their mean stays near 5.
        EXPECT_GE(q->Ep1 + q->Ep2, 6);
        EXPECT_LE(q->Ep1 + q->Ep2, 14);
      }
    }
    EXPECT_TRUE(trouve) << d.x << "," << d.y << " - " << f.x << "," << f.y;
  }
  EXPECT_EQ(b.con.NbBipsMessage, 1);
}

TEST(SauveResultatsSymboles, FichierImpossibleSignaleEtRienEcrit) {
  Banc b;
  Document doc;
  doc.NomFichier = "x.bmp";
  const std::string chemin = b.rep.Chemin("absent/x.vrx");
  EXPECT_FALSE(Sauve_resultats_symboles(b.con, chemin, doc));
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Sauvegarde des symboles impossible : " + chemin}}));
  EXPECT_FALSE(std::filesystem::exists(b.rep.Chemin("absent")));

  // Without zones or symbols: the three header lines.
  const std::string bon = b.rep.Chemin("x.vrx");
  EXPECT_TRUE(Sauve_resultats_symboles(b.con, bon, doc));
  EXPECT_EQ(Lit_fichier(bon), " - Fichier Resultats : " + bon + " - \n - (Image x.bmp) - \n -===================-\n\n");
}

TEST(ChaineRepresentation, DeuxiemeFoisApresLeGraphe) {
  // The graph and the candidates point at strokes a second run may merge
  // away: they are dropped, and the graph is built again from what is left.
  Banc b(Param_defaut());
  Document doc;
  Installe_plan(doc, Formule_exemple());
  Chaine_representation(b.ctx, doc);
  Chaine_zones_texte(b.ctx, doc);
  Groupe_graphe(b.ctx, doc);
  ASSERT_FALSE(doc.ListeArcs.empty());
  ASSERT_EQ(doc.NbGraphes, 1);
  Chaine_representation(b.ctx, doc);
  EXPECT_TRUE(doc.ListeArcs.empty() && doc.Caracteres.empty());
  EXPECT_EQ(doc.NbGraphes, 0);
  Groupe_graphe(b.ctx, doc);
  EXPECT_EQ(doc.NbGraphes, 1);
  for (const Arc& a : doc.ListeArcs) {
    bool q1 = a.Quad1 == nullptr, q2 = a.Quad2 == nullptr;
    for (const Quadrilatere& q : doc.Quadrilateres) {
      q1 = q1 || &q == a.Quad1;
      q2 = q2 || &q == a.Quad2;
    }
    EXPECT_TRUE(q1 && q2);
  }
}
