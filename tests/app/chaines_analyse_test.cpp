#include <gtest/gtest.h>

#include "app/chaines_analyse.h"
#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "structure/sauve_symboles.h"
#include "text/police.h"
#include "text/sauve_texte.h"

namespace {

struct Banc_police : Banc {
  Banc_police() : Banc(Param_defaut()) {
    for (const char* f : {"police.dat", "bimdl.dat", "biqdl.dat", "SymbSimplex.dat", "SymbCplx.dat"})
      Ecrit_fichier(rep.Chemin(f), Lit_fichier(std::string(VRIX_SOURCE "/data/") + f));
    Charge_police_initiale(ctx);
  }
};

struct Tailles {
  size_t vecteurs, quads, textes, cc, zones, arcs, symboles;
  bool operator==(const Tailles&) const = default;
};
Tailles Tailles_de(const Document& d) {
  return {d.Vecteurs.size(), d.Quadrilateres.size(), d.QuadsTexte.size(), d.CompConnexes.size(),
          d.ZonesTexte.size(), d.ListeArcs.size(), d.ListeSymboles.size()};
}

Quadrilatere Axe(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Quadrilatere q;
  q.x1 = q.x4 = x1, q.y1 = q.y4 = y1, q.x2 = q.x3 = x2, q.y2 = q.y3 = y2;
  q.Longueur = Longueur_arrondie(x1, y1, x2, y2);
  q.Angle1 = q.Angle2 = Orientation(x1, y1, x2, y2);
  return q;
}

}  // namespace

// A first "Totale" runs every stage and draws the symbols; a second one only
// beeps and asks for the view to switch. A close lowers the document's flag.
TEST(ChaineTotale, DeuxFoisSurUnDocument) {
  Banc_police b;
  Document doc;
  Plan p = Plan_blanc(500, 300);
  Hexagone(p, 150, 150, 70, 4);
  for (int i = 0; i < 4; ++i) Trait_epais(p, 300 + 40 * i, i % 2 ? 100 : 130, 340 + 40 * i, i % 2 ? 130 : 100, 4);
  Installe_plan(doc, std::move(p));
  EXPECT_TRUE(Chaine_totale(b.ctx, doc));
  EXPECT_TRUE(doc.TotaleFaite);
  EXPECT_EQ(b.con.NbBipsMessage, 2);  // the graph analysis beeps too
  std::vector<int32_t> types;
  for (const Symbole& s : doc.ListeSymboles) types.push_back(s.Type);
  EXPECT_EQ(types, (std::vector<int32_t>{100, 200}));
  EXPECT_STREQ(doc.ListeSymboles.back().Commentaire, "C1111");
  EXPECT_NE(b.con.Log.find("* Nb de symboles : "), std::string::npos);
  const Pixels plan2 = Pixels_encre(doc.Plan2);
  EXPECT_FALSE(plan2.empty());

  const Tailles avant = Tailles_de(doc);
  const std::string log = b.con.Log;
  EXPECT_TRUE(Chaine_totale(b.ctx, doc));
  EXPECT_EQ(Tailles_de(doc), avant);
  EXPECT_EQ(b.con.Log, log);
  EXPECT_EQ(b.con.NbBipsMessage, 3);
  EXPECT_EQ(Pixels_encre(doc.Plan2), plan2);

  Ferme_document(b.ctx, doc);
  EXPECT_FALSE(doc.TotaleFaite);
  EXPECT_FALSE(Chaine_totale(b.ctx, doc));  // no document: nothing to switch
  EXPECT_EQ(b.con.NbBipsMessage, 4);
}

// A drawing whose only strokes are taken as text leaves NbQuads at 0: the
// flag alone keeps a second "Totale" from running every stage again.
TEST(ChaineTotale, DessinSansTraitDeStructure) {
  for (const bool vide : {true, false}) {
    Banc_police b;
    Document doc;
    Plan p = Plan_blanc(200, 100);
    if (!vide) {
      Trait_epais(p, 50, 30, 50, 55, 3);
      Trait_epais(p, 65, 30, 65, 55, 3);
      Trait_epais(p, 50, 42, 65, 42, 3);
    }
    Installe_plan(doc, std::move(p));
    Chaine_totale(b.ctx, doc);
    EXPECT_EQ(doc.NbQuads, 0) << vide;
    const Tailles avant = Tailles_de(doc);
    const std::string log = b.con.Log;
    EXPECT_TRUE(Chaine_totale(b.ctx, doc));
    EXPECT_EQ(Tailles_de(doc), avant) << vide;
    EXPECT_EQ(b.con.Log, log) << vide;
  }
}

TEST(ChainesAnalyse, PolygonesEtChaines) {
  Banc b(Param_defaut());
  Document doc;
  Chaine_polygones(b.ctx, doc);
  Chaine_chaines(b.ctx, doc);
  EXPECT_EQ(b.con.NbBipsMessage, 2);
  EXPECT_EQ(b.con.Log, "");

  Installe_plan(doc, Plan_blanc(300, 300));
  doc.Quadrilateres.push_back(Axe(20, 280, 120, 280));
  doc.NbQuads = 1;
  Chaine_polygones(b.ctx, doc);
  EXPECT_EQ(b.con.Log, " Recherche des Polygones2...");
  Chaine_chaines(b.ctx, doc);
  EXPECT_EQ(b.con.Log, " Recherche des Chaines...\n Chaine de lg = 1 ");
  EXPECT_EQ(b.con.NbBipsMessage, 4);
}

// The results file of a ring of six strokes and a lone stroke: the text part
// (no zone), then a polygon (its comment not written) and a chain.
TEST(ChainesAnalyse, FichierDesSymboles) {
  Banc b(Param_defaut());
  Document doc;
  Installe_plan(doc, Plan_blanc(300, 300));
  doc.NomFichier = "/tmp/dessin.bmp";
  const std::vector<std::pair<int32_t, int32_t>> v{{150, 50}, {237, 100}, {237, 200}, {150, 250}, {63, 200}, {63, 100}};
  std::vector<Quadrilatere*> q;
  for (size_t i = 0; i < 6; ++i) {
    doc.Quadrilateres.push_back(Axe(v[i].first, v[i].second, v[(i + 1) % 6].first, v[(i + 1) % 6].second));
    doc.Quadrilateres.back().Ep1 = doc.Quadrilateres.back().Ep2 = 1;
    q.push_back(&doc.Quadrilateres.back());
  }
  for (size_t i = 0; i < 6; ++i) doc.ListeArcs.push_back(Arc{q[i], q[(i + 1) % 6], 'L'});
  doc.Quadrilateres.push_back(Axe(20, 280, 120, 280));
  doc.NbQuads = 7;
  doc.CompConnexes.push_back(CompConnexe{100, 100, 200, 200});  // the circle
  Groupe_polygones(b.ctx, doc);
  Chaine_chaines(b.ctx, doc);
  ASSERT_EQ(doc.ListeSymboles.size(), 2u);
  EXPECT_STREQ(doc.ListeSymboles.front().Commentaire, "@");

  const std::string chemin = b.rep.Chemin("resultats.vrx");
  ASSERT_TRUE(Sauve_texte(chemin, doc));
  ASSERT_TRUE(Sauve_symboles(b.con, chemin, doc));
  EXPECT_EQ(Lit_fichier(chemin), " - Fichier Resultats : " + chemin +
                                     " - \n"
                                     " - (Image /tmp/dessin.bmp) - \n"
                                     " -===================-\n\n"
                                     "\n#Symbole#\nNom=Polygone\nNbSommets=6\n"
                                     "Sommets=(150,50) (63,100) (63,200) (150,250) (237,200) (237,100) \n"
                                     "Commentaire=\n"
                                     "\n#Symbole#\nNom=Chaine\nNbSommets=2\n"
                                     "Sommets=(20,280) (120,280) \nCommentaire=C1\n");
}
