#include "image/vue.h"

#include <gtest/gtest.h>

#include "console/console_texte.h"
#include "image/bmp.h"
#include "image/document.h"
#include "samples/dessin.h"

namespace {

// A client area of 800 x 600 leaves 655 x 570 for the plane.
constexpr int32_t W = 800, H = 600;

struct Cas {
  int32_t PW, PH;
  Barre Horz, Vert;
};

void Compare(const Barre& obtenue, const Barre& attendue, const char* nom, const Cas& c) {
  SCOPED_TRACE(testing::Message() << nom << " for " << c.PW << " x " << c.PH);
  EXPECT_EQ(obtenue.Visible, attendue.Visible);
  if (!attendue.Visible) return;
  EXPECT_EQ(obtenue.Gauche, attendue.Gauche);
  EXPECT_EQ(obtenue.Haut, attendue.Haut);
  EXPECT_EQ(obtenue.Largeur, attendue.Largeur);
  EXPECT_EQ(obtenue.Hauteur, attendue.Hauteur);
  EXPECT_EQ(obtenue.Maximum, attendue.Maximum);
  EXPECT_EQ(obtenue.GrandPas, attendue.GrandPas);
}

// A document whose Plan 1 is the given plane, shown, in a view of W x H.
void Ouvre(Document& doc, Vue& vue, Plan p) {
  Installe_plan(doc, std::move(p));
  vue = Vue();
  vue.LargeurClient = W;
  vue.HauteurClient = H;
  Ouvre_vue(vue);
}

}  // namespace

TEST(Vue, PlaceBarres) {
  const Barre cachee;
  const std::vector<Cas> cas = {
      // Smaller than the room: no bar.
      {655, 570, cachee, cachee},
      // 10 wider: the horizontal bar alone, maximum 10.
      {665, 500, {true, 0, 553, 654, 17, 10, 66, 0}, cachee},
      // 10 wider and the bar eats into the height: both, maximum 27.
      {665, 560, {true, 0, 553, 637, 17, 27, 66, 0}, {true, 638, 0, 17, 552, 7, 56, 0}},
      // 10 higher: the vertical bar alone.
      {630, 580, cachee, {true, 638, 0, 17, 569, 10, 58, 0}},
      // 10 higher and the bar eats into the width: both.
      {650, 580, {true, 0, 553, 637, 17, 12, 65, 0}, {true, 638, 0, 17, 552, 27, 58, 0}},
      // Larger both ways.
      {1000, 900, {true, 0, 553, 637, 17, 362, 100, 0}, {true, 638, 0, 17, 552, 347, 90, 0}},
  };
  for (const Cas& c : cas) {
    const Barres b = Place_barres(W, H, LARGEUR_BOUTONS, HAUTEUR_INFO, c.PW, c.PH);
    Compare(b.Horz, c.Horz, "horizontal", c);
    Compare(b.Vert, c.Vert, "vertical", c);
  }
}

TEST(Vue, PositionsEtDecalages) {
  Document doc;
  Vue vue;
  Ouvre(doc, vue, Plan_blanc(1000, 900));
  EXPECT_TRUE(FormPaint(doc, vue));
  ASSERT_EQ(vue.Horz.Maximum, 362);
  vue.Horz.Position = 500;  // beyond the range: brought back by the next layout
  vue.Vert.Position = 40;
  vue.LargeurClient = 1200;  // room for the whole width now
  FormPaint(doc, vue);
  EXPECT_FALSE(vue.Horz.Visible);
  EXPECT_EQ(vue.Horz.Position, 500);  // a hidden bar keeps its position
  EXPECT_EQ(Decalage_x(vue), 0);
  EXPECT_EQ(Decalage_y(vue), 40);
  EXPECT_EQ(vue.OrigineY, 40);
  vue.LargeurClient = W;
  FormPaint(doc, vue);
  EXPECT_EQ(vue.Horz.Position, 362);
  EXPECT_EQ(Decalage_x(vue), 362);
  vue.Zoom = -2;  // factor 3
  EXPECT_EQ(Decalage_x(vue), 1086);
  EXPECT_EQ(Decalage_y(vue), 120);

  // A close sets both positions to 0 and hides both bars.
  doc.PlanCourant = nullptr;
  Ferme_vue(vue, doc);
  EXPECT_FALSE(vue.Horz.Visible);
  EXPECT_FALSE(vue.Vert.Visible);
  EXPECT_EQ(vue.Horz.Position, 0);
  EXPECT_EQ(vue.Vert.Position, 0);
  EXPECT_FALSE(FormPaint(doc, vue));
}

TEST(Vue, ReduitPlan) {
  // 64 x 20 stored; ink on (4, 2), (6, 6) and (5, 5).
  Plan source = Plan_blanc(64, 20);
  Ecrit_pixel(4, 2, 1, source);
  Ecrit_pixel(6, 6, 1, source);
  Ecrit_pixel(5, 5, 1, source);
  Plan zoom = Plan_comme(source, 0xFF);

  Reduit_plan(source, zoom, 2);
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 64; ++x) {
      int attendu = 1;  // ink around the reduced image, and on column 0 and row 0
      if (x >= 1 && x < 32 && y >= 1 && y < 10) attendu = (x == 2 && y == 1) || (x == 3 && y == 3) ? 1 : 0;
      if (x >= 1 && y >= 1) {
        ASSERT_EQ(Lit_pixel(x, y, zoom), attendu) << x << "," << y;
      }
    }
  // Column 0 and the rows out of reach of the accessors are ink bytes too.
  EXPECT_EQ(zoom.Pixels[0], 0x00);

  // A reduction by 1 is a copy, but for column 0 and row 0 which stay ink.
  Reduit_plan(source, zoom, 1);
  for (int32_t y = 1; y < 20; ++y)
    for (int32_t x = 1; x < 64; ++x) ASSERT_EQ(Lit_pixel(x, y, zoom), Lit_pixel(x, y, source)) << x << "," << y;
  EXPECT_EQ(zoom.Pixels[static_cast<size_t>(19) * zoom.NbOctetsLigne] & 0x80, 0);
}

TEST(Vue, Zoom) {
  ConsoleTexte con;
  Document doc;
  Vue vue;
  Plan p = Plan_blanc(64, 20);
  Ecrit_pixel(10, 10, 1, p);
  Ouvre(doc, vue, std::move(p));

  // "Zoom Out" from 0: the plane reduced by 2 with ink around it.
  vue.OrigineX = 7;
  EXPECT_TRUE(Zoom_out(doc, vue));
  EXPECT_EQ(vue.Zoom, 1);
  EXPECT_EQ(doc.PlanCourant, &doc.PlanZoom);
  EXPECT_EQ(vue.OrigineX, 0);
  EXPECT_EQ(Lit_pixel(5, 5, doc.PlanZoom), 1);
  EXPECT_EQ(Lit_pixel(4, 4, doc.PlanZoom), 0);
  EXPECT_EQ(Lit_pixel(40, 4, doc.PlanZoom), 1);

  // Six "Zoom In" from 1 down to -5; the seventh only beeps.
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(Zoom_in(con, doc, vue));
  EXPECT_EQ(vue.Zoom, -5);
  EXPECT_EQ(con.NbBipsMessage, 0);
  EXPECT_EQ(doc.PlanCourant, &doc.PlanZoom);
  EXPECT_EQ(Lit_pixel(20, 4, doc.PlanZoom), 1);  // reduced by 6: only 10 columns left
  EXPECT_FALSE(Zoom_in(con, doc, vue));
  EXPECT_EQ(vue.Zoom, -5);
  EXPECT_EQ(con.NbBipsMessage, 1);

  // Back to -1, then "Zoom Out" to 0 shows the plane itself.
  for (int i = 0; i < 4; ++i) Zoom_out(doc, vue);
  EXPECT_EQ(vue.Zoom, -1);
  EXPECT_EQ(doc.PlanCourant, &doc.PlanZoom);
  Zoom_out(doc, vue);
  EXPECT_EQ(vue.Zoom, 0);
  EXPECT_EQ(doc.PlanCourant, &doc.Plan1);
  // "Zoom In" to 0 shows the factor-1 copy, not the plane.
  Zoom_out(doc, vue);
  Zoom_in(con, doc, vue);
  EXPECT_EQ(vue.Zoom, 0);
  EXPECT_EQ(doc.PlanCourant, &doc.PlanZoom);

  // Without a document nothing happens and nothing beeps.
  Document vide;
  Vue autre;
  autre.Zoom = -5;
  EXPECT_FALSE(Zoom_in(con, vide, autre));
  EXPECT_FALSE(Zoom_out(vide, autre));
  EXPECT_EQ(con.NbBipsMessage, 1);
  EXPECT_EQ(vide.PlanCourant, nullptr);
}

TEST(Vue, Plan12EtSouris) {
  Document doc;
  Vue vue;
  Plan p = Plan_blanc(64, 20);
  Ecrit_pixel(12, 7, 1, p);
  Ouvre(doc, vue, std::move(p));

  EXPECT_EQ(Lecture_souris(doc, vue, 12, 7), "Plan 1 (12,7):1");
  EXPECT_EQ(vue.PointSourisX, 12);
  EXPECT_EQ(vue.PointSourisY, 7);
  EXPECT_EQ(Lecture_souris(doc, vue, 13, 7), "Plan 1 (13,7):0");

  // A click while Plan 1 is shown inks Plan 2 only.
  EXPECT_TRUE(Point_encre(doc, vue, 30, 4));
  EXPECT_EQ(Lit_pixel(30, 4, doc.Plan1), 0);
  EXPECT_EQ(Lit_pixel(30, 4, doc.Plan2), 1);
  EXPECT_EQ(Lecture_souris(doc, vue, 30, 4), "Plan 1 (30,4):0");
  EXPECT_EQ(Plan2_1(doc, vue), "Plan 2");
  EXPECT_EQ(doc.PlanCourant, &doc.Plan2);
  EXPECT_EQ(Lecture_souris(doc, vue, 30, 4), "Plan 2 (30,4):1");
  EXPECT_EQ(Plan2_1(doc, vue), "Plan 1");
  EXPECT_EQ(doc.PlanCourant, &doc.Plan1);

  // Zoomed by 2: the view point counts double, the reduced plane is read.
  Zoom_out(doc, vue);
  EXPECT_EQ(Plan2_1(doc, vue), "Plan 2");
  EXPECT_EQ(doc.PlanCourant, &doc.PlanZoom);
  EXPECT_EQ(Lit_pixel(15, 2, doc.PlanZoom), 1);  // Plan 2's (30, 4) reduced
  EXPECT_EQ(Lecture_souris(doc, vue, 7, 1), "Plan 2 (14,2):0");
  EXPECT_EQ(Lecture_souris(doc, vue, 15, 2), "Plan 2 (30,4):0");

  // With scroll offsets, the point moves by the offsets.
  Document grand;
  Ouvre(grand, vue, Plan_blanc(1000, 900));
  Ecrit_pixel(110, 53, 1, grand.Plan1);
  FormPaint(grand, vue);
  vue.Horz.Position = 100;
  vue.Vert.Position = 50;
  EXPECT_EQ(Lecture_souris(grand, vue, 10, 3), "Plan 1 (110,53):1");

  // No document: no read-out, no switch, PlanCourant stays null.
  Document vide;
  EXPECT_EQ(Lecture_souris(vide, vue, 1, 1), "");
  EXPECT_EQ(Plan2_1(vide, vue), "");
  EXPECT_FALSE(Point_encre(vide, vue, 1, 1));
  EXPECT_EQ(vide.PlanCourant, nullptr);
}

TEST(Vue, MontrePlan2) {
  Document doc;
  Vue vue;
  Ouvre(doc, vue, Plan_blanc(1000, 900));
  FormPaint(doc, vue);  // maxima 362 and 347, room 655 x 570

  Montre_Plan2(doc, vue, 100, 50);
  EXPECT_EQ(vue.NumPlan, 2);
  EXPECT_EQ(doc.PlanCourant, &doc.Plan2);
  EXPECT_EQ(vue.Horz.Position, 100);
  EXPECT_EQ(vue.Vert.Position, 50);
  EXPECT_EQ(vue.OrigineX, 100);
  EXPECT_EQ(vue.OrigineY, 50);

  // Near the far edges the point is pulled back so the view stays filled:
  // 1000 - 655 = 345 and 900 - 570 = 330, within the bars' ranges.
  Montre_Plan2(doc, vue, 900, 850);
  EXPECT_EQ(vue.Horz.Position, 345);
  EXPECT_EQ(vue.Vert.Position, 330);
  // Negative points stop at 0.
  Montre_Plan2(doc, vue, -150, -100);
  EXPECT_EQ(vue.Horz.Position, 0);
  EXPECT_EQ(vue.Vert.Position, 0);

  // A plane smaller than the view: no bar moves, the origin stays at 0.
  Document petit;
  Ouvre(petit, vue, Plan_blanc(64, 20));
  FormPaint(petit, vue);
  Montre_Plan2(petit, vue, 30, 10);
  EXPECT_EQ(petit.PlanCourant, &petit.Plan2);
  EXPECT_EQ(vue.OrigineX, 0);
  EXPECT_EQ(vue.Horz.Position, 0);

  Document vide;
  Montre_Plan2(vide, vue, 0, 0);
  EXPECT_EQ(vide.PlanCourant, nullptr);
}
