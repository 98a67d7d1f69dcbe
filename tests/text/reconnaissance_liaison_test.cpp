#include <gtest/gtest.h>

#include "reconnaissance_outils.h"
#include "text/relie_zones.h"

namespace {

CompConnexe Membre(const char* car, uint16_t zone, uint16_t rang, int32_t xmin, int32_t ymin, int32_t xmax,
                   int32_t ymax) {
  CompConnexe c = Lu(car, "", 1, xmin, ymin, xmax, ymax);
  c.Zone = zone, c.Rang = rang;
  return c;
}

std::string Zones(const ListeCC& l) {
  std::string s;
  for (const CompConnexe& c : l) s += std::string(c.Caractere) + std::to_string(c.Zone) + " ";
  return s;
}

}  // namespace

TEST(RelieZones, DistanceEtLargeur) {
  // Width 20: a gap of 20 on the same middle line is within reach
  // (20^2 >= 400), 21 is not.
  for (int32_t ecart : {20, 21}) {
    ListeCC l = {Membre("A", 1, 1, 0, 0, 20, 20), Membre("B", 2, 1, 20 + ecart, 0, 40 + ecart, 20)};
    Relie_zones(l, 2);
    EXPECT_EQ(Zones(l), ecart == 20 ? "A1 B1 " : "A1 B2 ");
  }
  // O (zone 2) left of H (zone 1), middles 27 and 25: d2 = 100 + 4. H joins
  // zone 2; zone 1 is left empty.
  ListeCC l = {Membre("H", 1, 1, 60, 10, 80, 40), Membre("O", 2, 1, 30, 12, 50, 42)};
  Relie_zones(l, 2);
  EXPECT_EQ(Zones(l), "H2 O2 ");
  // Zone linking to the right only, from the member of largest xmin: zone 1
  // holds A and B; B reaches C (zone 2), then C reaches D (zone 3).
  l = {Membre("A", 1, 1, 0, 0, 20, 20),   Membre("B", 1, 2, 25, 0, 45, 20), Membre("C", 2, 1, 60, 0, 80, 20),
       Membre("D", 3, 1, 95, 0, 115, 20), Membre("E", 4, 1, 200, 0, 220, 20)};
  Relie_zones(l, 4);
  EXPECT_EQ(Zones(l), "A1 B1 C1 D1 E4 ");
  // Beyond NbZones nothing is examined, but such a zone's first member may
  // still join.
  l = {Membre("A", 1, 1, 0, 0, 20, 20), Membre("B", 2, 1, 30, 0, 50, 20), Membre("C", 3, 1, 60, 0, 80, 20)};
  Relie_zones(l, 1);
  EXPECT_EQ(Zones(l), "A1 B1 C1 ");
  l = {Membre("A", 2, 1, 0, 0, 20, 20), Membre("B", 3, 1, 30, 0, 50, 20)};
  Relie_zones(l, 1);
  EXPECT_EQ(Zones(l), "A2 B3 ");
}

TEST(RelieZones, SuiteDeFEtEgalites) {
  // Only the records of F's zone that follow F in the list move: G, placed
  // after another zone, stays in zone 2.
  ListeCC l = {Membre("W", 1, 1, 0, 0, 20, 20), Membre("F", 2, 1, 30, 0, 50, 20),
               Membre("Y", 3, 1, 300, 0, 320, 20), Membre("G", 2, 2, 60, 500, 80, 520)};
  Relie_zones(l, 3);
  EXPECT_EQ(Zones(l), "W1 F1 Y3 G2 ");
  // Two first members at the same distance, one above and one below: the
  // first in the list joins; the other starts at the same xmin and is no
  // longer right of the zone.
  l = {Membre("X", 1, 1, 0, 10, 20, 30), Membre("P", 2, 1, 35, 15, 55, 35), Membre("Q", 3, 1, 35, 5, 55, 25)};
  Relie_zones(l, 3);
  EXPECT_EQ(Zones(l), "X1 P1 Q3 ");
  l = {Membre("X", 1, 1, 0, 10, 20, 30), Membre("Q", 2, 1, 35, 5, 55, 25), Membre("P", 3, 1, 35, 15, 55, 35)};
  Relie_zones(l, 3);
  EXPECT_EQ(Zones(l), "X1 Q1 P3 ");
  // Far apart coordinates: no overflow of the squared distances.
  l = {Membre("A", 1, 1, -2000000000, -2000000000, -1999999990, -1999999990),
       Membre("B", 2, 1, 2000000000, 2000000000, 2000000010, 2000000010)};
  Relie_zones(l, 2);
  EXPECT_EQ(Zones(l), "A1 B2 ");
}
