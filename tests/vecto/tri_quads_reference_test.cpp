// Quadrilateral sorting through its index against the plain scan of the
// whole unsorted list, on hundreds of random drawings and quadrilateral
// lists: the sorted lists, the counts and the logs must be equal.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "tri_quads_reference.h"
#include "vecto/analyse_vecteurs.h"
#include "vecto/contours.h"
#include "vecto/fusion_quads.h"
#include "vecto/fusion_vecteurs.h"
#include "vecto/tri_quads.h"

namespace {

using Ligne = std::vector<int64_t>;

std::vector<Ligne> Etat_quads(const Document& doc) {
  std::vector<Ligne> r;
  for (const Quadrilatere& q : doc.Quadrilateres) {
    if (Est_separateur(q)) {  // only these fields of a separator have a value
      r.push_back({q.x1, q.y1, q.x2, q.y2, q.x3, q.y3, q.x4, q.y4, q.Longueur, q.Angle1, q.Angle2});
      continue;
    }
    r.push_back({q.x1, q.y1, q.x2, q.y2, q.x3, q.y3, q.x4, q.y4, q.Longueur, q.Angle1, q.Angle2, q.Marque, q.Ep1,
                 q.Ep2, q.Marque2, q.Niveau});
  }
  return r;
}

struct Essai {
  Banc b;
  Document doc;
  explicit Essai(const std::string& param) : b(param) {}
};

void Prepare(Essai& e, const Plan& plan, const ListeQuads& quads, int32_t nb_quads) {
  Installe_plan(e.doc, plan.Copie());
  e.doc.Quadrilateres = quads;
  e.doc.NbQuads = nb_quads;
}

void Compare_etats(Essai& ref, Essai& indexe) {
  ASSERT_EQ(Etat_quads(indexe.doc), Etat_quads(ref.doc));
  EXPECT_EQ(indexe.doc.NbQuads, ref.doc.NbQuads);
  EXPECT_EQ(indexe.b.con.Log, ref.b.con.Log);
  EXPECT_EQ(indexe.b.con.NbBips, ref.b.con.NbBips);
  EXPECT_EQ(indexe.b.con.Barre.Position, ref.b.con.Barre.Position);
  EXPECT_EQ(indexe.b.con.Barre.Visible, ref.b.con.Barre.Visible);
}

// One sort by each version of the same list.
void Compare_tri(const Plan& plan, const ListeQuads& quads, int32_t nb_quads, int32_t penteTQ) {
  Essai ref(""), indexe("");
  Prepare(ref, plan, quads, nb_quads);
  Prepare(indexe, plan, quads, nb_quads);
  EXPECT_EQ(Tri_quads(indexe.b.ctx, indexe.doc, penteTQ), Tri_quads_reference(ref.b.ctx, ref.doc, penteTQ));
  Compare_etats(ref, indexe);
}

uint32_t U(std::mt19937& g, uint32_t n) { return g() % n; }

Plan Dessin_aleatoire(std::mt19937& g, int32_t largeur, int32_t hauteur) {
  Plan p = Plan_blanc(largeur, hauteur);
  const auto traits = U(g, 14);
  for (uint32_t i = 0; i < traits; ++i)
    Trait_epais(p, 2 + U(g, largeur - 4), 2 + U(g, hauteur - 4), 2 + U(g, largeur - 4), 2 + U(g, hauteur - 4),
                1.5 + U(g, 60) / 10.0);
  if (U(g, 3) == 0) {
    const int32_t c = 1 + static_cast<int32_t>(U(g, 3)), x0 = 2 + static_cast<int32_t>(U(g, largeur / 2));
    const int32_t y0 = 2 + static_cast<int32_t>(U(g, hauteur / 2));
    for (int32_t y = y0; y < std::min(hauteur - 2, y0 + 30); ++y)
      for (int32_t x = x0; x < std::min(largeur - 2, x0 + 30); ++x)
        if ((x / c + y / c) % 2 == 0) Ecrit_pixel(x, y, 1, p);
  }
  return p;
}

}  // namespace

TEST(TriQuadsReference, ChaineSurDessinsAleatoires) {
  // The quadrilaterals as the chain makes them; each sort of the chain's
  // loop is compared, then both lists go through the same fusion.
  std::mt19937 g(2024);
  const int32_t pentes[] = {0, 5, 20, 45, 91, 200};
  for (int essai = 0; essai < 300; ++essai) {
    SCOPED_TRACE(essai);
    const int32_t largeur = 30 + static_cast<int32_t>(U(g, 120)), hauteur = 30 + static_cast<int32_t>(U(g, 90));
    const Plan plan = Dessin_aleatoire(g, largeur, hauteur);
    const int32_t penteTQ = pentes[U(g, 6)];
    Essai ref(Param_defaut()), indexe(Param_defaut());
    for (Essai* e : {&ref, &indexe}) {
      Installe_plan(e->doc, plan.Copie());
      Contours(e->b.ctx, e->doc);
      while (Fusion_vecteurs(e->b.ctx, e->doc) != 0) {
      }
      Analyse_vecteurs(e->b.ctx, e->doc);
    }
    for (int passe = 0; passe < 50; ++passe) {
      EXPECT_EQ(Tri_quads(indexe.b.ctx, indexe.doc, penteTQ), Tri_quads_reference(ref.b.ctx, ref.doc, penteTQ));
      Compare_etats(ref, indexe);
      if (HasFatalFailure()) return;
      const int32_t f = Fusion_quads(ref.b.ctx, ref.doc);
      ASSERT_EQ(Fusion_quads(indexe.b.ctx, indexe.doc), f);
      if (f == 0) break;
    }
  }
}

TEST(TriQuadsReference, QuadrilateresSurUnReseau) {
  // Corners on a coarse lattice so that many contact values are equal and
  // the list order, then the code order, decide; angles of every kind,
  // separators left from an earlier sort, ink or not between the ends.
  std::mt19937 g(5);
  const int32_t pentes[] = {-10, 0, 1, 20, 90, 181};
  for (int essai = 0; essai < 400; ++essai) {
    SCOPED_TRACE(essai);
    const int32_t pas = 1 + static_cast<int32_t>(U(g, 5)), n = 1 + static_cast<int32_t>(U(g, 50));
    ListeQuads quads;
    int32_t nb = 0;
    for (int32_t i = 0; i < n; ++i) {
      if (U(g, 8) == 0) quads.push_back(Separateur()), ++nb;
      Quadrilatere q;
      int32_t* c[8] = {&q.x1, &q.y1, &q.x2, &q.y2, &q.x3, &q.y3, &q.x4, &q.y4};
      for (int32_t* v : c) *v = static_cast<int32_t>(U(g, 7)) * pas;
      q.Longueur = 1 + static_cast<int32_t>(U(g, 30));
      q.Angle1 = static_cast<int32_t>(U(g, 4) == 0 ? U(g, 180) : U(g, 4) * 45);
      q.Angle2 = static_cast<int32_t>(U(g, 2) == 0 ? q.Angle1 : U(g, 180));
      q.Ep1 = static_cast<uint8_t>(U(g, 9)), q.Ep2 = static_cast<uint8_t>(U(g, 9));
      quads.push_back(q);
      ++nb;
      if (U(g, 10) == 0) quads.push_back(q), ++nb;
    }
    Plan plan = Plan_blanc(40, 40);
    const uint32_t encre = U(g, 3);
    for (int32_t y = 0; y < 40; ++y)
      for (int32_t x = 0; x < 40; ++x)
        if (encre == 0 || (encre == 2 && U(g, 3) != 0)) Ecrit_pixel(x, y, 1, plan);
    Compare_tri(plan, quads, nb, pentes[U(g, 6)]);
    if (HasFatalFailure()) return;
  }
}

TEST(TriQuadsReference, CoordonneesAuDelaDeLaPage) {
  // Corners spread wider than any page: contact values wrap around in 32
  // bits, and the sort still follows them as the rule computes them.
  std::mt19937 g(9);
  for (int essai = 0; essai < 50; ++essai) {
    SCOPED_TRACE(essai);
    ListeQuads quads;
    for (int i = 0; i < 12; ++i) {
      const int32_t x = U(g, 2) == 0 ? static_cast<int32_t>(U(g, 40)) : 50000 + static_cast<int32_t>(U(g, 40));
      const int32_t y = static_cast<int32_t>(U(g, 40));
      Quadrilatere q;
      q.x1 = x, q.y1 = y + 4, q.x2 = x + 10, q.y2 = y + 4, q.x3 = x + 10, q.y3 = y, q.x4 = x, q.y4 = y;
      q.Longueur = 10;
      quads.push_back(q);
    }
    Compare_tri(Plan_blanc(40, 40), quads, 12, 20);
    if (HasFatalFailure()) return;
  }
  // Strokes with end 1 on the right, so that a chain grows to the right: one
  // at x = 10, one over ink 100 pixels further (contact value 20000), and one
  // far beyond the page whose crosswise contact with the first wraps around
  // in 32 bits (2 x (46341^2 + 16) gives 9298 at x = 46351): that one is the
  // rule's choice, refused for the background between them.
  Plan encre = Plan_blanc(200, 30);
  Rectangle_plein(encre, 1, 1, 198, 28);
  auto trait = [](int32_t x) {
    Quadrilatere q;
    q.x1 = x + 10, q.y1 = 10, q.x2 = x, q.y2 = 10, q.x3 = x, q.y3 = 14, q.x4 = x + 10, q.y4 = 14;
    q.Longueur = 10;
    return q;
  };
  for (int32_t loin = 46341; loin < 46361; ++loin) {
    SCOPED_TRACE(loin);
    Compare_tri(encre, {trait(10), trait(120), trait(loin)}, 3, 20);
    if (HasFatalFailure()) return;
  }
}

TEST(TriQuadsReference, HorsDePorteeDUnSeparateur) {
  // Corners so far from the top-left corner that every contact value with a
  // separator reaches 2147483647: no chain can ever start there. The sort
  // makes the chains it can and leaves the rest unsorted after them, where
  // following the rule to the letter would append separators without end.
  Banc b;
  Document doc;
  Installe_plan(doc, Plan_blanc(40, 40));
  Quadrilatere pres, loin;
  pres.x1 = 20, pres.y1 = 10, pres.x2 = 10, pres.y2 = 10, pres.x3 = 10, pres.y3 = 14, pres.x4 = 20, pres.y4 = 14;
  pres.Longueur = 10;
  loin = pres;
  for (int32_t* c : {&loin.x1, &loin.y1, &loin.x2, &loin.y2, &loin.x3, &loin.y3, &loin.x4, &loin.y4}) *c += 30000;
  doc.Quadrilateres = {loin, pres};
  doc.NbQuads = 2;
  EXPECT_EQ(Tri_quads(b.ctx, doc, 20), 1);
  ASSERT_EQ(doc.Quadrilateres.size(), 3u);
  EXPECT_EQ(doc.Quadrilateres.front().x1, 20);
  EXPECT_TRUE(Est_separateur(*std::next(doc.Quadrilateres.begin())));
  EXPECT_EQ(doc.Quadrilateres.back().x1, 30020);
  EXPECT_EQ(doc.NbQuads, 3);
  EXPECT_EQ(b.con.Log, "2) Tri des Quads ...             * Tri termine. ");
}
