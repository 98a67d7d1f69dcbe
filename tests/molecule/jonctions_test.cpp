#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include "molecule/jonctions.h"

namespace {

// The strokes as "x1,y1-x2,y2" (rounded), in any order.
std::multiset<std::string> Traits(const std::vector<Trait_lu>& t) {
  std::multiset<std::string> s;
  for (const Trait_lu& x : t) {
    char c[64];
    std::snprintf(c, sizeof c, "%.0f,%.0f-%.0f,%.0f/%d", x.A.x, x.A.y, x.B.x, x.B.y, x.Ordre);
    s.insert(c);
  }
  return s;
}

}  // namespace

TEST(Jonctions, BrancheEtCroisements) {
  // A branch ending on the middle of a bond drawn in one piece cuts it.
  std::vector<Trait_lu> t = {{{0, 0}, {100, 0}, 1}, {{40, 2}, {40, 60}, 2}};
  const auto aucun = [](Point_lu, size_t, size_t) { return false; };
  Coupe_aux_jonctions(t, 3, 10, aucun);
  EXPECT_EQ(Traits(t), (std::multiset<std::string>{"0,0-40,0/1", "40,0-100,0/1", "40,2-40,60/2"}));
  // Near an end (within the tolerance) it is no cut; farther than the contact, neither.
  t = {{{0, 0}, {100, 0}, 1}, {{95, 2}, {95, 60}, 1}, {{50, 5}, {50, 60}, 1}};
  Coupe_aux_jonctions(t, 3, 10, aucun);
  EXPECT_EQ(t.size(), 3u);

  // A "+" whose left arm goes on: a carbon, four strokes meeting at it.
  const auto gauche = [](Point_lu p, size_t, size_t) { return p.x == 0; };
  t = {{{0, 50}, {100, 50}, 1}, {{50, 0}, {50, 100}, 1}};
  Coupe_aux_jonctions(t, 3, 10, gauche);
  EXPECT_EQ(Traits(t), (std::multiset<std::string>{"0,50-50,50/1", "50,50-100,50/1", "50,0-50,50/1",
                                                     "50,50-50,100/1"}));
  // With three arms going on (a tert-butyl between two labels): a carbon too.
  t = {{{0, 50}, {100, 50}, 1}, {{50, 0}, {50, 100}, 1}};
  Coupe_aux_jonctions(t, 3, 10, [](Point_lu p, size_t, size_t) { return p.x == 0 || p.y == 0 || p.y == 100; });
  EXPECT_EQ(t.size(), 4u);
  // Alone, or with its four arms going on: bonds that cross, left whole.
  for (const auto& suivi : std::vector<std::function<bool(Point_lu, size_t, size_t)>>{
           aucun, [](Point_lu, size_t, size_t) { return true; }}) {
    t = {{{0, 50}, {100, 50}, 1}, {{50, 0}, {50, 100}, 1}};
    Coupe_aux_jonctions(t, 3, 10, suivi);
    EXPECT_EQ(t.size(), 2u);
  }
  // Degenerate strokes: no crash.
  t = {{{0, 0}, {0, 0}, 1}, {{std::nan(""), 1}, {5, 5}, 1}, {{1e300, 0}, {-1e300, 0}, 1}};
  Coupe_aux_jonctions(t, 3, 10, gauche);
  EXPECT_EQ(t.size(), 3u);
}
