#include <gtest/gtest.h>

#include "bande_test.h"
#include "vecto/fusion_quads.h"
#include "vecto/tri_quads.h"

namespace {

// A horizontal stroke over rows 10 to 14 as sorting leaves it: end 2 on the
// left at column xg, end 1 on the right at column xd.
Quadrilatere Maillon(int32_t xg, int32_t xd, uint8_t ep1, uint8_t ep2) {
  Quadrilatere q;
  q.x1 = xd, q.y1 = 10, q.x2 = xg, q.y2 = 10;
  q.x3 = xg, q.y3 = 14, q.x4 = xd, q.y4 = 14;
  q.Longueur = xd - xg;
  q.Ep1 = ep1, q.Ep2 = ep2;
  return q;
}

struct Cas : Bande {
  explicit Cas(std::vector<Quadrilatere> quads, bool encre = true)
      : Bande(std::move(quads), encre, Param_defaut()) {}  // EpsFQ 9, SeuilDiffEp 4
  // Ink pixels of Plan 2 on row y.
  std::vector<int32_t> Axe(int32_t y) const {
    std::vector<int32_t> xs;
    for (int32_t x = 0; x < doc.Plan2.Largeur_px(); ++x)
      if (Lit_pixel(x, y, doc.Plan2)) xs.push_back(x);
    return xs;
  }
};

std::vector<int32_t> De_a(int32_t a, int32_t b) {
  std::vector<int32_t> v;
  for (int32_t x = a; x <= b; ++x) v.push_back(x);
  return v;
}

}  // namespace

TEST(Fusion_quads, SansQuadrilatereRienNestFait) {
  Cas c({});
  c.b.con.Log = "avant";
  Ecrit_pixel(5, 5, 1, c.doc.Plan2);
  EXPECT_EQ(Fusion_quads(c.b.ctx, c.doc), 0);
  EXPECT_EQ(c.b.con.Log, "avant");
  EXPECT_EQ(Lit_pixel(5, 5, c.doc.Plan2), 1);
  EXPECT_EQ(c.b.con.NbPompes, 0);
}

TEST(Fusion_quads, TraitSeul) {
  for (const bool encre : {true, false}) {
    Cas c({Maillon(10, 29, 5, 5)}, encre);
    c.b.con.ModeDebug = 1;
    Ecrit_pixel(5, 5, 1, c.doc.Plan2);
    EXPECT_EQ(Fusion_quads(c.b.ctx, c.doc), 0);
    EXPECT_EQ(c.b.con.Log, "3) Fusion des quadr. ...\n - Nb de fusion : 0 ");
    EXPECT_EQ(c.doc.NbQuads, 1);
    EXPECT_EQ(Coins_de(c.doc.Quadrilateres.front()), Coins_de(Maillon(10, 29, 5, 5)));
    // Plan 2 cleared, then the axis from end 1 (29,12) to end 2, end point excluded.
    EXPECT_EQ(Lit_pixel(5, 5, c.doc.Plan2), 0);
    EXPECT_EQ(c.Axe(12), De_a(11, 29));
    EXPECT_EQ(c.b.con.Vues, (std::vector<ConsoleTexte::Point>{{0, -88}}));
    EXPECT_EQ(c.b.con.NbPauses, 1);
    EXPECT_EQ(c.b.con.NbPompes, 1);
  }
}

TEST(Fusion_quads, TraitsAlignesTriesPuisFusionnes) {
  // Three collinear strokes given as construction makes them, out of order.
  Quadrilatere t[3];
  const int32_t bornes[3][2] = {{30, 49}, {50, 69}, {10, 29}};
  for (int i = 0; i < 3; ++i) {
    t[i] = Maillon(bornes[i][0], bornes[i][1], 5, 6);
    std::swap(t[i].x1, t[i].x3), std::swap(t[i].y1, t[i].y3);
    std::swap(t[i].x2, t[i].x4), std::swap(t[i].y2, t[i].y4);
  }
  t[1].Ep2 = 7;
  Cas c({t[0], t[1], t[2]});
  const int32_t penteTQ = 20;
  Tri_quads(c.b.ctx, c.doc, penteTQ);
  EXPECT_EQ(Fusion_quads(c.b.ctx, c.doc), 2);
  EXPECT_EQ(c.b.con.Log, "3) Fusion des quadr. ...\n - Nb de fusion : 2 ");
  ASSERT_EQ(c.doc.Quadrilateres.size(), 1u);
  EXPECT_EQ(c.doc.NbQuads, 1);
  const Quadrilatere& f = c.doc.Quadrilateres.front();
  // Corners 2, 3 of the first, 1, 4 of the last, which gives its end-1 thickness.
  EXPECT_EQ(Coins_de(f), (Coins{69, 10, 10, 10, 10, 14, 69, 14}));
  EXPECT_EQ(f.Ep1, 7);
  EXPECT_EQ(f.Ep2, 5);
  EXPECT_EQ(f.Longueur, 59);
  EXPECT_EQ(f.Angle1, 0);
  EXPECT_EQ(f.Angle2, 0);
  EXPECT_EQ(c.Axe(12), De_a(11, 69));

  // Nothing left to merge: the sort/fuse loop ends.
  Tri_quads(c.b.ctx, c.doc, penteTQ);
  EXPECT_EQ(Fusion_quads(c.b.ctx, c.doc), 0);
}

TEST(Fusion_quads, EpaisseursDifferentes) {
  // The last stroke's end-1 thickness against the first one's: 4 apart refuses.
  for (const auto& [ep, fusions] : {std::pair{8, 1}, std::pair{9, 0}, std::pair{1, 0}, std::pair{2, 1}}) {
    SCOPED_TRACE(ep);
    Cas c({Maillon(10, 29, 5, 5), Maillon(30, 49, static_cast<uint8_t>(ep), 5)});
    EXPECT_EQ(Fusion_quads(c.b.ctx, c.doc), fusions);
    EXPECT_EQ(c.doc.Quadrilateres.size(), 2u - fusions);
    // Both axes are drawn either way; unmerged, the junction pixel (30,12) is an end point.
    std::vector<int32_t> axes = De_a(11, 49);
    if (fusions == 0) axes.erase(axes.begin() + 19);
    EXPECT_EQ(c.Axe(12), axes);
  }
}

TEST(Fusion_quads, JonctionRefuseeEssayeeASonBout) {
  // F, then Q whose end-2 thickness breaks the junction with F, then R.
  // With Q's end-1 thickness close to F's, the run ends at Q's own end 1;
  // otherwise F stays alone and Q starts the next run.
  for (const auto& [ep1, fusions] : {std::pair{5, 1}, std::pair{9, 0}}) {
    SCOPED_TRACE(ep1);
    Cas c({Maillon(10, 29, 5, 5), Maillon(30, 49, static_cast<uint8_t>(ep1), 9), Maillon(50, 69, 5, 5)});
    EXPECT_EQ(Fusion_quads(c.b.ctx, c.doc), fusions);
    EXPECT_EQ(c.doc.NbQuads, 3 - fusions);
    EXPECT_EQ(c.doc.Quadrilateres.size(), 3u - fusions);
    // One pump per run started while the count is a multiple of 4.
    EXPECT_EQ(c.b.con.NbPompes, fusions ? 1 : 2);
    const Quadrilatere& f = c.doc.Quadrilateres.front();
    EXPECT_EQ(f.x1, fusions ? 49 : 29);
    EXPECT_EQ(f.Longueur, fusions ? 39 : 19);
  }
}
