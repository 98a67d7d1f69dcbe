#include <gtest/gtest.h>

#include "reconnaissance_outils.h"
#include "samples/dessin.h"
#include "text/decoupe_zone.h"
#include "text/reconnaissance.h"

namespace {

std::tuple<int32_t, int32_t, int32_t, int32_t> Coins(const CompConnexe& c) { return {c.xmin, c.ymin, c.xmax, c.ymax}; }

// A ring x 10..19 (rows 10 and 23, columns 10 and 19), a one-row bar at y 16
// over x 20..22, and a full block x 23..32, rows 10..23.
Plan Anneau_barre_bloc() {
  Plan p = Plan_blanc(60, 40);
  Rectangle_plein(p, 10, 10, 19, 10);
  Rectangle_plein(p, 10, 23, 19, 23);
  Rectangle_plein(p, 10, 10, 10, 23);
  Rectangle_plein(p, 19, 10, 19, 23);
  Rectangle_plein(p, 20, 16, 22, 16);
  Rectangle_plein(p, 23, 10, 32, 23);
  return p;
}

}  // namespace

TEST(DecoupeZone, PartiesEtLeursLignes) {
  // Columns 10 and 19 hold one run each (14 pixels): the left part ends
  // after the second, with a mean of 14 pixels a column. The bar's columns
  // hold 1 pixel; the block's 14 reach 14 x T for T = 1 only. Every row down
  // to ymax holds ink, so the parts end one row below the zone.
  Document doc;
  Installe_plan(doc, Anneau_barre_bloc());
  const CompConnexe zone = Cadre(10, 10, 32, 23);
  PartiesZone p = Coupe_zone(doc.Plan1, zone, 1);
  EXPECT_EQ(Coins(p.Gauche), std::make_tuple(10, 10, 19, 24));
  EXPECT_EQ(Coins(p.Droite), std::make_tuple(23, 10, 32, 24));
  // T = 2: no column holds 28 pixels; the right part is empty, top and
  // bottom one row below the zone.
  p = Coupe_zone(doc.Plan1, zone, 2);
  EXPECT_EQ(Coins(p.Gauche), std::make_tuple(10, 10, 19, 24));
  EXPECT_EQ(Coins(p.Droite), std::make_tuple(33, 24, 32, 24));
  // A box reaching far beyond the plane: background outside, no endless walk.
  p = Coupe_zone(doc.Plan1, Cadre(10, -50, 2000000000, 2000000000), 100);
  EXPECT_EQ(Coins(p.Gauche), std::make_tuple(10, 10, 19, 24));
  EXPECT_EQ(p.Droite.xmin, 2000000001);

  // Left columns of two runs each: nothing is summed, the gap is skipped up
  // to the first single-run column (the joint at x 18), which starts the
  // right part (mean 0). The left part's bottom is its first row without
  // ink: 15, between its two blocks.
  Plan q = Plan_blanc(60, 40);
  Rectangle_plein(q, 10, 10, 17, 14);
  Rectangle_plein(q, 10, 17, 17, 23);
  Rectangle_plein(q, 18, 12, 20, 12);
  Rectangle_plein(q, 21, 10, 30, 23);
  Installe_plan(doc, std::move(q));
  p = Coupe_zone(doc.Plan1, Cadre(10, 10, 30, 23), 5);
  EXPECT_EQ(Coins(p.Gauche), std::make_tuple(10, 10, 17, 15));
  EXPECT_EQ(Coins(p.Droite), std::make_tuple(18, 10, 30, 24));

}

TEST(DecoupeZone, DeuxLettresQuiSeTouchent) {
  // Models made from the masks of the two parts; the whole zone is far from
  // both, so it is split, and the right part is compared again on its own.
  Banc b(Param_texte({{"SEUILMASK", "3"}, {"SEUILDIFF", "8"}, {"SEUILMINIDIFF", "2"}, {"SEUILDECOUPE", "1"}}));
  Document doc;
  Installe_plan(doc, Anneau_barre_bloc());
  Ecrit_bimdl(b, {{"O", Masque_de(doc, Cadre(10, 10, 19, 24), 3)}, {"H", Masque_de(doc, Cadre(23, 10, 32, 24), 3)}});

  doc.ZonesTexte = {Cadre(10, 10, 32, 23)};
  Reconnait_texte(b.ctx, doc, Etape_texte::Pure);
  ASSERT_EQ(doc.ZonesTexte.size(), 1u);
  EXPECT_EQ(doc.ZonesTexte.front().Etat, -1);
  EXPECT_EQ(b.ctx.NbTraitements, 1);

  Reconnait_texte(b.ctx, doc, Etape_texte::Decoupe);
  ASSERT_EQ(doc.ZonesTexte.size(), 2u);
  const CompConnexe &o = doc.ZonesTexte.front(), &h = doc.ZonesTexte.back();
  EXPECT_EQ(Coins(o), std::make_tuple(10, 10, 19, 24));
  EXPECT_EQ(Coins(h), std::make_tuple(23, 10, 32, 24));
  EXPECT_STREQ(o.Caractere, "O");
  EXPECT_STREQ(h.Caractere, "H");
  EXPECT_EQ(o.Etat, 1);
  EXPECT_EQ(h.Etat, 1);
  EXPECT_EQ(o.Classe, 1);
  EXPECT_EQ(h.Taux, 0);
  // The whole zone, both parts, then the right part as a zone of its own.
  EXPECT_EQ(b.ctx.NbTraitements, 4);
  EXPECT_EQ(doc.NbZones, 0);

  // A threshold no column reaches: the zone stays whole and unrecognised.
  Ecrit_fichier(b.rep.Chemin("param.dat"),
                Param_texte({{"SEUILMASK", "3"}, {"SEUILDIFF", "8"}, {"SEUILMINIDIFF", "2"}, {"SEUILDECOUPE", "3"}}));
  doc.ZonesTexte = {Cadre(10, 10, 32, 23)};
  Reconnait_texte(b.ctx, doc, Etape_texte::Decoupe);
  ASSERT_EQ(doc.ZonesTexte.size(), 1u);
  EXPECT_EQ(doc.ZonesTexte.front().Etat, -1);
  EXPECT_TRUE(b.con.Boites.empty());
}
