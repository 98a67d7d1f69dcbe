#include <gtest/gtest.h>

#include "batch/binarisation.h"
#include "batch/plan_image.h"
#include "image/bmp.h"
#include "image/document.h"
#include "outils_test.h"

namespace {

Image_grise Grise(int32_t l, int32_t h, uint8_t fond) {
  Image_grise g;
  g.Largeur = l;
  g.Hauteur = h;
  g.Gris.assign(static_cast<size_t>(l) * static_cast<size_t>(h), fond);
  return g;
}

uint8_t& Gris(Image_grise& g, int32_t x, int32_t y) { return g.Gris[static_cast<size_t>(y) * g.Largeur + x]; }

}  // namespace

TEST(Binarisation, OtsuSepareDeuxNiveaux) {
  // Two levels: every threshold between them splits the same way, the lowest is taken.
  Image_grise g = Grise(20, 10, 200);
  for (int32_t x = 3; x < 9; ++x) Gris(g, x, 4) = 60;
  EXPECT_EQ(Seuil_otsu(g), 60);
  const std::vector<uint8_t> encre = Binarise(g, {});
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 20; ++x) EXPECT_EQ(encre[y * 20 + x], (y == 4 && x >= 3 && x < 9) ? 1 : 0);

  // Three levels 250, 250, 10, 100, worked out by hand: the split {10} |
  // {100, 250, 250} has a between-class variance of 0.25*0.75*(10-200)^2 =
  // 6769, the split {10, 100} | {250, 250} 0.5*0.5*(55-250)^2 = 9506: the
  // threshold is 100, the lowest level of that split.
  Image_grise t = Grise(4, 1, 250);
  Gris(t, 2, 0) = 10;
  Gris(t, 3, 0) = 100;
  EXPECT_EQ(Seuil_otsu(t), 100);
  EXPECT_EQ(Binarise(t, {}), (std::vector<uint8_t>{0, 0, 1, 1}));

  // Flat pages: nothing to split.
  EXPECT_EQ(Binarise(Grise(5, 5, 255), {}), std::vector<uint8_t>(25, 0));
  EXPECT_EQ(Binarise(Grise(5, 5, 0), {}), std::vector<uint8_t>(25, 1));
  EXPECT_TRUE(Binarise(Image_grise{}, {}).empty());
  Image_grise faux = Grise(5, 5, 0);
  faux.Gris.pop_back();
  EXPECT_TRUE(Binarise(faux, {}).empty());
}

TEST(Binarisation, SauvolaSuitUnFondInegal) {
  // Background darkening from 250 on the left to 100 on the right; strokes
  // 80 levels darker than the background under them. The left strokes (170)
  // are lighter than the right background: no single threshold separates
  // them, a local one does.
  const int32_t l = 120, h = 40;
  Image_grise g = Grise(l, h, 0);
  std::vector<uint8_t> traits(static_cast<size_t>(l) * h, 0);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < l; ++x) {
      const bool trait = (y >= 18 && y < 21 && x >= 5 && x < 115) || (x % 30 >= 14 && x % 30 < 17 && y >= 6 && y < 34);
      const int fond = 250 - 150 * x / (l - 1);
      Gris(g, x, y) = static_cast<uint8_t>(trait ? fond - 80 : fond);
      traits[static_cast<size_t>(y) * l + x] = trait ? 1 : 0;
    }
  Reglage_binarisation sauvola;
  ASSERT_TRUE(Lit_reglage_binarisation("sauvola,21,0.2", sauvola));
  EXPECT_EQ(Binarise(g, sauvola), traits);
  const std::vector<uint8_t> otsu = Binarise(g, {});
  EXPECT_NE(otsu, traits);
  // Otsu's one threshold either takes dark background or drops light strokes.
  size_t faux = 0;
  for (size_t i = 0; i < otsu.size(); ++i) faux += otsu[i] != traits[i];
  EXPECT_GT(faux, 100u);
}

TEST(Binarisation, Reglages) {
  Reglage_binarisation r;
  ASSERT_TRUE(Lit_reglage_binarisation("sauvola", r));
  EXPECT_EQ(r.Methode, Methode_binarisation::Sauvola);
  EXPECT_EQ(Nom_reglage(r), "sauvola,31,0.34");
  ASSERT_TRUE(Lit_reglage_binarisation("sauvola,41,0.5", r));
  EXPECT_EQ(r.Fenetre, 41);
  EXPECT_DOUBLE_EQ(r.K, 0.5);
  ASSERT_TRUE(Lit_reglage_binarisation("otsu", r));
  EXPECT_EQ(r.Methode, Methode_binarisation::Otsu);
  EXPECT_EQ(Nom_reglage(r), "otsu");
  for (const char* faux : {"", "Otsu", "sauvola,", "sauvola,31", "sauvola,30,0.3", "sauvola,1,0.3", "sauvola,1003,0.3",
                           "sauvola,31,1.5", "sauvola,31,-0.1", "sauvola,31,x", "sauvola,31,0.3,", "sauvola 31 0.3",
                           "sauvola,31,nan"})
    EXPECT_FALSE(Lit_reglage_binarisation(faux, r)) << faux;
}

TEST(Binarisation, PlanDUneImageCommeUnBmpLu) {
  // Ink on the frame too (column 0, first and last rows, the last partial
  // byte): the document gets the same planes as from the BMP file.
  const int32_t l = 21, h = 9;
  std::vector<uint8_t> encre(static_cast<size_t>(l) * h, 0);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 3}, {5, 0}, {5, 8}, {20, 4}, {16, 4}, {7, 2}, {8, 2},
                                                            {9, 6}, {15, 5}})
    encre[static_cast<size_t>(y) * l + x] = 1;
  Plan p = Plan_image(l, h, encre, 0);
  ASSERT_EQ(p.NbOctetsLigne, 4);
  ASSERT_EQ(p.NbLignes, h);
  // Image row 2 from the top is stored row 6: pixels 7 and 8 are bits 0 and 7 of bytes 0 and 1.
  EXPECT_EQ(p.Pixels[6 * 4 + 0], 0xFE);
  EXPECT_EQ(p.Pixels[6 * 4 + 1], 0x7F);
  EXPECT_EQ(p.Info.ResolutionX, 11811);

  Banc b(Param_defaut());
  ASSERT_TRUE(Sauve_plan(b.rep.Chemin("a.bmp"), p));
  Document lu, pose;
  ASSERT_TRUE(Ouvre_document(b.ctx, lu, b.rep.Chemin("a.bmp")));
  Pose_plan1(pose, std::move(p));
  for (const auto& [a, c] : {std::pair{&lu.Plan1, &pose.Plan1}, {&lu.Plan2, &pose.Plan2}, {&lu.PlanZoom, &pose.PlanZoom}}) {
    EXPECT_EQ(a->Pixels, c->Pixels);
    EXPECT_EQ(a->Entete, c->Entete);
    EXPECT_EQ(a->NbOctetsLigne, c->NbOctetsLigne);
  }
  // The frame whitened: the first byte of each row (pixels 0 to 7), the
  // bytes from pixel 16 on, the top and bottom rows. Pixels_encre counts y
  // from 1 at the top row.
  EXPECT_EQ(Pixels_encre(pose.Plan1), (Pixels{{8, 3}, {9, 7}, {15, 6}}));

  // A resolution goes into the headers in pixels per metre.
  const Plan r = Plan_image(3, 2, std::vector<uint8_t>(6, 0), 600);
  EXPECT_EQ(r.Info.ResolutionX, 23622);
  EXPECT_EQ(r.Info.ResolutionY, 23622);
  EXPECT_EQ(std::vector<uint8_t>(r.Entete.begin() + 24, r.Entete.begin() + 32),
            (std::vector<uint8_t>{0x46, 0x5C, 0, 0, 0x46, 0x5C, 0, 0}));
}

TEST(Binarisation, PlanDeBitsCommePlanDOctets) {
  // Packed rows give the plane that one byte a pixel gives, for every width
  // around the byte and row boundaries, whatever the bits past the width.
  uint32_t graine = 5;
  for (int32_t l = 1; l <= 41; ++l) {
    const int32_t h = 3;
    const size_t utiles = (static_cast<size_t>(l) + 7) / 8;
    std::vector<uint8_t> bits(utiles * h), encre(static_cast<size_t>(l) * h);
    for (uint8_t& b : bits) {
      graine = graine * 1103515245u + 12345u;
      b = static_cast<uint8_t>(graine >> 16);
    }
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < l; ++x) encre[y * l + x] = (bits[y * utiles + x / 8] >> (7 - x % 8)) & 1;
    const Plan a = Plan_bits(l, h, bits, 200), b = Plan_image(l, h, encre, 200);
    EXPECT_EQ(a.Pixels, b.Pixels) << l;
    EXPECT_EQ(a.Entete, b.Entete) << l;
  }
}
