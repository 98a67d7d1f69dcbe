#include <gtest/gtest.h>

#include "bande_test.h"
#include "vecto/tri_quads.h"

namespace {

// A horizontal stroke from column xg to column xd, rows 10 to 14, as
// quadrilateral construction makes it: side 1 along the bottom edge from left
// to right, side 2 along the top edge back (end 1 on the left).
Quadrilatere Trait(int32_t xg, int32_t xd, uint8_t ep1, uint8_t ep2, int32_t angle1 = 0, int32_t angle2 = 0) {
  Quadrilatere q;
  q.x1 = xg, q.y1 = 14, q.x2 = xd, q.y2 = 14;
  q.x3 = xd, q.y3 = 10, q.x4 = xg, q.y4 = 10;
  q.Longueur = xd - xg;
  q.Angle1 = angle1, q.Angle2 = angle2;
  q.Ep1 = ep1, q.Ep2 = ep2;
  return q;
}

using Cas = Bande;

}  // namespace

TEST(Tri_quads, SansQuadrilatereRienNestFait) {
  Cas c({});
  c.b.con.Log = "avant";
  EXPECT_EQ(Tri_quads(c.b.ctx, c.doc, 20), 0);
  EXPECT_EQ(c.b.con.Log, "avant");
  EXPECT_TRUE(c.doc.Quadrilateres.empty());
  EXPECT_EQ(c.doc.NbQuads, 0);
}

TEST(Tri_quads, DeuxTraitsAlignesFormentUneChaine) {
  // Given right to left; each is nearest by its end 1 (code 2) and is turned.
  Cas c({Trait(30, 49, 5, 6, 0, 1), Trait(10, 29, 5, 6, 0, 1)});
  EXPECT_EQ(Tri_quads(c.b.ctx, c.doc, 20), 1);
  EXPECT_EQ(c.b.con.Log, "2) Tri des Quads ...             * Tri termine. ");
  EXPECT_EQ(c.b.con.NbBips, 0);
  ASSERT_EQ(c.doc.Quadrilateres.size(), 2u);
  EXPECT_EQ(c.doc.NbQuads, 2);
  const Quadrilatere& a = c.doc.Quadrilateres.front();
  const Quadrilatere& b = c.doc.Quadrilateres.back();
  EXPECT_EQ(Coins_de(a), (Coins{29, 10, 10, 10, 10, 14, 29, 14}));
  EXPECT_EQ(Coins_de(b), (Coins{49, 10, 30, 10, 30, 14, 49, 14}));
  EXPECT_EQ(a.Ep1, 6);
  EXPECT_EQ(a.Ep2, 5);
  EXPECT_EQ(a.Angle1, 1);
  EXPECT_EQ(a.Angle2, 0);
  EXPECT_FALSE(c.b.con.Barre.Visible);

  // A second pass keeps the order and the corners.
  EXPECT_EQ(Tri_quads(c.b.ctx, c.doc, 20), 1);
  EXPECT_EQ(Coins_de(c.doc.Quadrilateres.front()), (Coins{29, 10, 10, 10, 10, 14, 29, 14}));
  EXPECT_EQ(c.doc.Quadrilateres.size(), 2u);
}

TEST(Tri_quads, SeparateursEntreChaines) {
  // Mean angle of the second stroke, the tolerance, and whether it follows the first.
  struct Ligne {
    int32_t angle, penteTQ;
    bool chaine;
  };
  for (const Ligne& l : {Ligne{30, 20, false}, Ligne{30, 31, true}, Ligne{19, 20, true}, Ligne{20, 20, false},
                         Ligne{160, 20, false}, Ligne{161, 20, true}}) {
    SCOPED_TRACE(l.angle);
    Cas c({Trait(10, 29, 5, 5), Trait(30, 49, 5, 5, l.angle, l.angle)});
    Tri_quads(c.b.ctx, c.doc, l.penteTQ);
    ASSERT_EQ(c.doc.Quadrilateres.size(), l.chaine ? 2u : 3u);
    EXPECT_EQ(c.doc.NbQuads, l.chaine ? 2 : 3);
    if (!l.chaine) {
      const Quadrilatere& s = *std::next(c.doc.Quadrilateres.begin());
      EXPECT_EQ(s.Longueur, 0);
      EXPECT_EQ(Coins_de(s), (Coins{0, 1, 0, 0, 0, 1, 0, 1}));
    }
  }

  // More than 4 background pixels between the ends: the contact is refused.
  // The old separators are dropped first and counted off NbQuads.
  Cas c({Separateur(), Trait(40, 59, 5, 5), Separateur(), Separateur(), Trait(10, 29, 5, 5)}, false);
  Tri_quads(c.b.ctx, c.doc, 20);
  ASSERT_EQ(c.doc.Quadrilateres.size(), 3u);
  EXPECT_EQ(c.doc.NbQuads, 3);
  EXPECT_EQ(c.doc.Quadrilateres.front().x2, 10);
  EXPECT_EQ(c.doc.Quadrilateres.back().x2, 40);
}

TEST(Tri_quads, CotesDeMemeSensSignales) {
  Quadrilatere q = Trait(10, 29, 3, 4);
  q.x3 = 10, q.x4 = 29;  // side 2 now runs left to right, like side 1
  Quadrilatere loin = Trait(50, 69, 5, 5);
  Cas c({q, loin}, false);
  EXPECT_EQ(Tri_quads(c.b.ctx, c.doc, 20), 1);
  EXPECT_EQ(c.b.con.Log, "\nEp = 3  -  4 \nLg = 19 \nAg = 0  -  0 \nP1f = 29  -  14 \nP2i = 10  -  10  * Tri termine. ");
  EXPECT_EQ(c.b.con.NbBips, 3);
  // It is sorted like any other (code 1 wins its tie with code 2: unchanged).
  ASSERT_EQ(c.doc.Quadrilateres.size(), 3u);
  EXPECT_EQ(Coins_de(c.doc.Quadrilateres.front()), (Coins{10, 14, 29, 14, 10, 10, 29, 10}));
}
