#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "reconnaissance_outils.h"
#include "text/detecte_chiffres.h"
#include "text/regroupe_zones.h"

namespace {

struct Attendu {
  std::string car;
  uint16_t zone, rang;
  int32_t xmin;
};

void Verifie(const ListeCC& l, const std::vector<Attendu>& attendus) {
  ASSERT_EQ(l.size(), attendus.size());
  auto z = l.begin();
  for (const Attendu& a : attendus) {
    EXPECT_EQ(z->Caractere, a.car) << a.xmin;
    EXPECT_EQ(z->Zone, a.zone) << a.xmin;
    EXPECT_EQ(z->Rang, a.rang) << a.xmin;
    EXPECT_EQ(z->xmin, a.xmin);
    ++z;
  }
}

// The grouping as the rule reads, record by record: each member spreads,
// depth first, to the records from its own place to the end; the members
// are copied by increasing xmin, searched again each time in list order.
uint16_t Regroupe_reference(ListeCC& l, int32_t ml, int32_t mh) {
  std::vector<CompConnexe> v(l.begin(), l.end());
  const auto voisines = [&](const CompConnexe& r, const CompConnexe& y) {
    const int64_t wr = r.xmax - r.xmin, wy = y.xmax - y.xmin, hr = r.ymax - r.ymin, hy = y.ymax - y.ymin;
    return Zones_voisines(r, y, ml ? ml / 2 : std::max(wr, wy) / 2, mh ? mh / 2 : std::max(hr, hy) / 2);
  };
  std::function<void(size_t, uint16_t)> propage = [&](size_t r, uint16_t k) {
    for (size_t y = r; y < v.size(); ++y)
      if (v[y].Zone == 0 && voisines(v[r], v[y])) {
        v[y].Zone = k;
        propage(y, k);
      }
  };
  uint16_t k = 0;
  for (size_t i = 0; i < v.size(); ++i)
    if (v[i].Zone == 0) {
      v[i].Zone = ++k;
      propage(i, k);
    }
  ListeCC nouvelle;
  for (uint16_t z = 1; z <= k; ++z) {
    int64_t precedent = INT64_MIN;
    for (uint16_t rang = 1;; ++rang) {
      const CompConnexe* suivant = nullptr;
      for (const CompConnexe& c : v)
        if (c.Zone == z && c.xmin > precedent && (!suivant || c.xmin < suivant->xmin)) suivant = &c;
      if (!suivant) break;
      nouvelle.push_back(*suivant);
      nouvelle.back().Rang = rang;
      precedent = suivant->xmin;
    }
  }
  l = nouvelle;
  return k;
}

}  // namespace

TEST(RegroupeZones, COOHEtSonChiffre) {
  // Averages 20 x 31: limits 10 and 15. Listed out of order; the dot inside
  // C at C's xmin joins and is dropped. The last letter starts below the
  // middle of H (10 + 31 / 2 = 25.5) only from ymin 26.
  for (int32_t y : {25, 26}) {
    ListeCC l = {Lu("O", "0", 4, 40, 10, 60, 41), Lu("C", "G", 1, 10, 10, 30, 41), Lu("O", "Q", 1, 70, 10, 90, 41),
                 Lu("H", "N", 1, 100, 10, 120, 41), Lu("l", "2", 4, 130, y, 140, y + 20),
                 Lu(".", "", 1, 10, 15, 15, 20)};
    EXPECT_EQ(Regroupe_zones(l, 20, 31), 1);
    Detecte_chiffres(l);
    Verifie(l, {{"C", 1, 1, 10}, {"O", 1, 2, 40}, {"O", 1, 3, 70}, {"H", 1, 4, 100}, {y == 26 ? "2" : "l", 1, 5, 130}});
    EXPECT_EQ(l.back().Classe, y == 26 ? 3 : 2);
    EXPECT_EQ(l.back().Etat, 4);
  }
}

TEST(RegroupeZones, PropagationDepuisChaqueMembre) {
  // A~C and C~B, A and B apart: B, before C in the list, is not reached
  // from C.
  ListeCC l = {Lu("A", "", 1, 0, 0, 10, 20), Lu("B", "", 1, 28, 0, 38, 20), Lu("C", "", 1, 14, 0, 24, 20)};
  EXPECT_EQ(Regroupe_zones(l, 10, 20), 2);
  Verifie(l, {{"A", 1, 1, 0}, {"C", 1, 2, 14}, {"B", 2, 1, 28}});

  // No recognised zone: half the larger width (30 / 2) and height.
  for (int32_t x : {25, 26}) {
    ListeCC m = {Lu("P", "", -1, 0, 0, 10, 20), Lu("Q", "", -1, x, 0, x + 30, 20)};
    EXPECT_EQ(Regroupe_zones(m, 0, 0), x == 25 ? 1 : 2);
  }
  ListeCC vide;
  EXPECT_EQ(Regroupe_zones(vide, 0, 0), 0);
}

TEST(RegroupeZones, CommeLaRegleLue) {
  // Random pages of boxes, some malformed, against the rule read record by
  // record.
  std::mt19937 alea(7);
  for (int essai = 0; essai < 40; ++essai) {
    ListeCC l;
    const int n = 1 + static_cast<int>(alea() % 150);
    const int cote = 100 + static_cast<int>(alea() % 600);
    for (int i = 0; i < n; ++i) {
      const int32_t x = static_cast<int32_t>(alea() % cote), y = static_cast<int32_t>(alea() % cote);
      int32_t w = static_cast<int32_t>(alea() % 30), h = static_cast<int32_t>(alea() % 40);
      if (essai % 10 == 9 && i == n / 2) w = -5;
      l.push_back(Lu(std::to_string(i).c_str(), "", 1, x, y, x + w, y + h));
    }
    const int32_t ml = essai % 3 == 0 ? 0 : static_cast<int32_t>(alea() % 40);
    const int32_t mh = essai % 3 == 0 ? 0 : static_cast<int32_t>(alea() % 50);
    ListeCC r = l;
    ASSERT_EQ(Regroupe_zones(l, ml, mh), Regroupe_reference(r, ml, mh)) << essai;
    auto a = l.begin();
    for (const CompConnexe& b : r) {
      EXPECT_EQ(std::string(a->Caractere), b.Caractere) << essai;
      EXPECT_EQ(a->Zone, b.Zone) << essai;
      EXPECT_EQ(a->Rang, b.Rang) << essai;
      ++a;
    }
  }
}
