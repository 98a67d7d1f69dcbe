#include "image/vue.h"

#include <gtest/gtest.h>

#include <array>

#include "console/console_texte.h"
#include "image/bmp.h"
#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"

namespace {

// A client area of 800 x 600 leaves 655 x 570 for the plane.
constexpr int32_t W = 800, H = 600;

// Visible, Gauche, Haut, Largeur, Hauteur, Maximum, GrandPas; only the first
// for a hidden bar.
std::array<int32_t, 7> Champs(const Barre& b) {
  if (!b.Visible) return {0};
  return {1, b.Gauche, b.Haut, b.Largeur, b.Hauteur, b.Maximum, b.GrandPas};
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
  const struct {
    int32_t PW, PH;
    Barre Horz, Vert;
  } cas[] = {
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
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::Message() << c.PW << " x " << c.PH);
    const Barres b = Place_barres(W, H, LARGEUR_BOUTONS, HAUTEUR_INFO, c.PW, c.PH);
    EXPECT_EQ(Champs(b.Horz), Champs(c.Horz));
    EXPECT_EQ(Champs(b.Vert), Champs(c.Vert));
  }
}

TEST(Vue, PositionsEtDecalages) {
  Document doc;
  Vue vue;
  Ouvre(doc, vue, Plan_blanc(1000, 900));  // maxima 362 and 347
  EXPECT_TRUE(FormPaint(doc, vue));
  vue.Horz.Position = 500;  // beyond the range: brought back by the next layout
  vue.Vert.Position = 40;
  vue.LargeurClient = 1200;  // room for the whole width now
  FormPaint(doc, vue);
  EXPECT_FALSE(vue.Horz.Visible);
  EXPECT_EQ(vue.Horz.Position, 500);  // a hidden bar keeps its position
  EXPECT_EQ(vue.OrigineX, 0);
  EXPECT_EQ(vue.OrigineY, 40);
  vue.LargeurClient = W;
  FormPaint(doc, vue);
  EXPECT_EQ(vue.Horz.Position, 362);
  vue.Zoom = -2;  // factor 3
  EXPECT_EQ(Decalage_x(vue), 1086);
  EXPECT_EQ(Decalage_y(vue), 120);
}

TEST(Vue, ReduitPlan) {
  // 64 x 20 stored; ink on (4, 2), (6, 6) and (5, 5), between the samples by 2.
  Plan source = Plan_blanc(64, 20);
  for (auto [x, y] : {std::pair{4, 2}, {6, 6}, {5, 5}}) Ecrit_pixel(x, y, 1, source);
  Plan zoom = Plan_comme(source, 0xFF);

  Reduit_plan(source, zoom, 2);
  for (int32_t y = 1; y < 20; ++y)
    for (int32_t x = 1; x < 64; ++x) {
      // Ink all around the 32 x 10 reduced image.
      const bool encre = x >= 32 || y >= 10 || (x == 2 && y == 1) || (x == 3 && y == 3);
      ASSERT_EQ(Lit_pixel(x, y, zoom), encre ? 1 : 0) << x << "," << y;
    }
  EXPECT_EQ(zoom.Pixels[0], 0x00);  // bytes out of reach of the accessors are ink too

  // A reduction by 1 is a copy.
  Reduit_plan(source, zoom, 1);
  EXPECT_EQ(Pixels_encre(zoom), Pixels_encre(source));
}

TEST(Vue, ZoomPlansEtSouris) {
  ConsoleTexte con;
  Document doc;
  Vue vue;
  Plan p = Plan_blanc(64, 20);
  Ecrit_pixel(10, 10, 1, p);
  Ecrit_pixel(12, 7, 1, p);
  Ouvre(doc, vue, std::move(p));

  // "Zoom Out" from 0: the plane reduced by 2, drawn from the origin.
  vue.OrigineX = 7;
  EXPECT_TRUE(Zoom_out(doc, vue));
  EXPECT_EQ(vue.Zoom, 1);
  EXPECT_EQ(doc.PlanCourant, &doc.PlanZoom);
  EXPECT_EQ(vue.OrigineX, 0);
  EXPECT_EQ(Lit_pixel(5, 5, doc.PlanZoom), 1);
  // "Zoom In" to 0 shows the factor-1 copy, not the plane.
  EXPECT_TRUE(Zoom_in(con, doc, vue));
  EXPECT_EQ(doc.PlanCourant, &doc.PlanZoom);
  // Five more down to -5; the next one only beeps.
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Zoom_in(con, doc, vue));
  EXPECT_EQ(vue.Zoom, -5);
  EXPECT_EQ(con.NbBipsMessage, 0);
  EXPECT_EQ(Lit_pixel(20, 4, doc.PlanZoom), 1);  // reduced by 6: only 10 columns left
  EXPECT_FALSE(Zoom_in(con, doc, vue));
  EXPECT_EQ(vue.Zoom, -5);
  EXPECT_EQ(con.NbBipsMessage, 1);
  // "Zoom Out" back to 0 shows the plane itself.
  for (int i = 0; i < 5; ++i) Zoom_out(doc, vue);
  EXPECT_EQ(vue.Zoom, 0);
  EXPECT_EQ(doc.PlanCourant, &doc.Plan1);

  EXPECT_EQ(Lecture_souris(doc, vue, 12, 7), "Plan 1 (12,7):1");
  EXPECT_EQ(Lecture_souris(doc, vue, 13, 7), "Plan 1 (13,7):0");
  // A click while Plan 1 is shown inks Plan 2 only.
  EXPECT_TRUE(Point_encre(doc, vue, 30, 4));
  EXPECT_EQ(Lit_pixel(30, 4, doc.Plan1), 0);
  EXPECT_EQ(Plan2_1(doc, vue), "Plan 2");
  EXPECT_EQ(Lecture_souris(doc, vue, 30, 4), "Plan 2 (30,4):1");
  EXPECT_EQ(Plan2_1(doc, vue), "Plan 1");
  EXPECT_EQ(doc.PlanCourant, &doc.Plan1);

  // Zoomed by 2: the view point counts double, but the reduced plane is read
  // at the image point.
  Zoom_out(doc, vue);
  EXPECT_EQ(Plan2_1(doc, vue), "Plan 2");
  EXPECT_EQ(Lit_pixel(15, 2, doc.PlanZoom), 1);  // Plan 2's (30, 4) reduced
  EXPECT_EQ(Lecture_souris(doc, vue, 15, 2), "Plan 2 (30,4):0");

  // With scroll offsets, the point moves by the offsets.
  Document grand;
  Ouvre(grand, vue, Plan_blanc(1000, 900));
  Ecrit_pixel(110, 53, 1, grand.Plan1);
  FormPaint(grand, vue);
  vue.Horz.Position = 100;
  vue.Vert.Position = 50;
  EXPECT_EQ(Lecture_souris(grand, vue, 10, 3), "Plan 1 (110,53):1");
}

TEST(Vue, MontrePlan2) {
  Document doc;
  Vue vue;
  Ouvre(doc, vue, Plan_blanc(1000, 900));
  FormPaint(doc, vue);  // maxima 362 and 347, room 655 x 570
  // Near the far edges the point is pulled back so the view stays filled
  // (1000 - 655 = 345, 900 - 570 = 330); negative points stop at 0.
  for (auto [x, y, px, py] : {std::array{100, 50, 100, 50}, {900, 850, 345, 330}, {-150, -100, 0, 0}}) {
    Montre_Plan2(doc, vue, x, y);
    EXPECT_EQ(vue.NumPlan, 2);
    EXPECT_EQ(doc.PlanCourant, &doc.Plan2);
    EXPECT_EQ(std::pair(vue.Horz.Position, vue.Vert.Position), std::pair(px, py)) << x << "," << y;
    EXPECT_EQ(std::pair(vue.OrigineX, vue.OrigineY), std::pair(px, py)) << x << "," << y;
  }
}

TEST(Vue, SansDocument) {
  // Nothing happens, nothing beeps, and the view points at no plane.
  ConsoleTexte con;
  Document vide;
  Vue vue;
  vue.LargeurClient = W;
  vue.HauteurClient = H;
  vue.Zoom = ZOOM_MIN;
  EXPECT_FALSE(FormPaint(vide, vue));
  EXPECT_FALSE(Zoom_in(con, vide, vue));
  EXPECT_FALSE(Zoom_out(vide, vue));
  EXPECT_EQ(con.NbBipsMessage, 0);
  EXPECT_EQ(Lecture_souris(vide, vue, 1, 1), "");
  EXPECT_EQ(Plan2_1(vide, vue), "");
  EXPECT_FALSE(Point_encre(vide, vue, 1, 1));
  Montre_Plan2(vide, vue, 0, 0);
  EXPECT_EQ(vide.PlanCourant, nullptr);

  // A close sets both positions to 0 and hides both bars.
  vue.Horz = vue.Vert = Barre{true, 0, 0, 100, 17, 50, 10, 40};
  Ferme_vue(vue, vide);
  EXPECT_FALSE(vue.Horz.Visible || vue.Vert.Visible);
  EXPECT_EQ(std::pair(vue.Horz.Position, vue.Vert.Position), std::pair(0, 0));
}
