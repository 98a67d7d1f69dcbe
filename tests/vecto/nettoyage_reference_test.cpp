// The clean-up against the plain form of its rule (every small component
// scans every vector), on random components and vectors.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "image/document.h"
#include "vecto/nettoyage.h"

namespace {

void Nettoyage_reference(Document& doc, int32_t n) {
  auto dans = [](const CompConnexe& cc, int32_t x, int32_t y) {
    return x >= cc.xmin && x <= cc.xmax && y >= cc.ymin && y <= cc.ymax;
  };
  doc.CompConnexes.remove_if([&](const CompConnexe& cc) {
    if (cc.xmax - cc.xmin >= 5 || cc.ymax - cc.ymin >= 5) return false;
    doc.Vecteurs.remove_if([&](const Vecteur& v) { return dans(cc, v.x1, v.y1) && dans(cc, v.x2, v.y2); });
    return true;
  });
  doc.Vecteurs.remove_if([n](const Vecteur& v) { return v.Longueur < n; });
}

}  // namespace

TEST(NettoyageReference, ComposantesEtVecteursAleatoires) {
  std::mt19937 g(31);
  auto u = [&](int32_t a, int32_t b) { return a + static_cast<int32_t>(g() % static_cast<uint32_t>(b - a + 1)); };
  for (int essai = 0; essai < 500; ++essai) {
    SCOPED_TRACE(essai);
    Document ref, doc;
    const int32_t nc = u(0, 30), nv = u(0, 80), etendue = u(5, 40);
    for (int32_t i = 0; i < nc; ++i) {
      CompConnexe cc;
      cc.xmin = u(-3, etendue), cc.ymin = u(-3, etendue);
      cc.xmax = cc.xmin + u(-1, 7), cc.ymax = cc.ymin + u(-1, 7);  // a few empty boxes too
      ref.CompConnexes.push_back(cc);
    }
    for (int32_t i = 0; i < nv; ++i) {
      Vecteur v;
      v.x1 = u(-3, etendue), v.y1 = u(-3, etendue);
      v.x2 = v.x1 + u(-6, 6), v.y2 = v.y1 + u(-6, 6);
      v.Longueur = u(0, 9), v.Angle = i;
      ref.Vecteurs.push_back(v);
    }
    doc.CompConnexes = ref.CompConnexes;
    doc.Vecteurs = ref.Vecteurs;
    const int32_t n = u(0, 8);
    Nettoyage_reference(ref, n);
    Nettoyage(doc, n);
    std::vector<int32_t> a, b;
    for (const Vecteur& v : ref.Vecteurs) a.push_back(v.Angle);
    for (const Vecteur& v : doc.Vecteurs) b.push_back(v.Angle);
    ASSERT_EQ(b, a);
    std::vector<std::vector<int32_t>> ca, cb;
    for (const CompConnexe& c : ref.CompConnexes) ca.push_back({c.xmin, c.ymin, c.xmax, c.ymax});
    for (const CompConnexe& c : doc.CompConnexes) cb.push_back({c.xmin, c.ymin, c.xmax, c.ymax});
    ASSERT_EQ(cb, ca);
  }
}
