#include <gtest/gtest.h>

#include <tuple>

#include "image/document.h"
#include "outils_test.h"
#include "outils_texte.h"
#include "samples/dessin.h"
#include "text/compare_car.h"

namespace {

constexpr int32_t X1 = 40, Y1 = 10;

// An 8 x 10 zone at (X1, Y1): its windows are single pixels, so its mask
// (SEUILMASK 2) is the drawing itself.
struct Zone8x10 {
  explicit Zone8x10(const CasesMasque& m) {
    Plan p = Plan_blanc(100, 80);
    for (int k = 0; k < NB_CASES; ++k)
      if (m[k] == 1) Ecrit_pixel(X1 + k % 8, Y1 + k / 8, 1, p);
    Installe_plan(doc, std::move(p));
    zone.xmin = X1, zone.ymin = Y1, zone.xmax = X1 + 8, zone.ymax = Y1 + 10;
  }
  Document doc;
  CompConnexe zone;
};

// State, Caractere, Proche, Taux, Taux2, NumModele, NumProche.
using Resultat = std::tuple<int, std::string, std::string, int, int, int, int>;

// Compares the zone cut to w x h; a zone too small leaves the work mask alone.
Resultat Compare(Banc& b, Zone8x10& z, ListeModeles& l, int32_t seuildiff, int32_t seuilminidiff,
                 uint8_t affichage = 0, int32_t w = 8, int32_t h = 10) {
  Raz_texte(z.zone);
  z.zone.xmax = X1 + w, z.zone.ymax = Y1 + h;
  CasesMasque travail{};
  const int16_t etat = Compare_car(b.ctx, z.doc, z.zone, travail, l, static_cast<int32_t>(l.size()), 2,
                                   seuildiff, seuilminidiff, affichage);
  if (etat == ETAT_PROBLEME) {
    EXPECT_EQ(travail, CasesMasque{});
  }
  return {etat, z.zone.Caractere, z.zone.Proche, z.zone.Taux, z.zone.Taux2, z.zone.NumModele, z.zone.NumProche};
}

}  // namespace

TEST(CompareCar, EtatsEtModelesRetenus) {
  const CasesMasque m = Motif(6), a3 = Inverse(m, 3), x4 = Inverse(m, 4, 50);
  struct Cas {
    std::vector<std::pair<const char*, CasesMasque>> bib;
    int32_t seuildiff, seuilminidiff;
    Resultat attendu;
    int32_t w = 8, h = 10;
  };
  const Resultat rien = {-2, "", "", 0, 0, 0, 0};
  const Cas cas[] = {
      // Under 8 x 10: a problem, nothing counted or named.
      {{{"a", m}}, 16, 2, rien, 7, 10},
      {{{"a", m}}, 16, 2, rien, 8, 9},
      {{{"a", m}}, 16, 2, rien, -8, 10},
      // At SEUILDIFF the model is taken; one cell more and it is only Proche.
      {{{"k", Inverse(m, 4, 30)}}, 4, 0, {1, "k", "k", 4, 4, 1, 1}},
      {{{"k", Inverse(m, 5, 30)}}, 4, 0, {-1, "", "k", 0, 5, 0, 1}},
      {{}, 80, 0, {-1, "", "", 0, 0, 0, 0}},
      // One model is best and second: same name, whatever SEUILMINIDIFF.
      {{{"N", Inverse(m, 7, 11)}}, 16, 80, {1, "N", "N", 7, 7, 1, 1}},
      // Second 1 cell behind: a doubt up to SEUILMINIDIFF 1, recognised below.
      {{{"A", x4}, {"a", a3}}, 16, 1, {2, "a", "A", 3, 4, 2, 1}},
      {{{"A", x4}, {"a", a3}}, 16, 0, {1, "a", "A", 3, 4, 2, 1}},
      {{{"e", x4}, {"a", a3}}, 16, 1, {4, "a", "e", 3, 4, 2, 1}},
      {{{"Aa", x4}, {"a", a3}}, 16, 1, {4, "a", "Aa", 3, 4, 2, 1}},
      {{{"a", x4}, {"a", a3}}, 16, 2, {1, "a", "a", 3, 4, 2, 1}},
      {{{"A", x4}, {"a", a3}}, 3, 2, {1, "a", "A", 3, 4, 2, 1}},  // second beyond SEUILDIFF
      // A best first model is the second too: the worse later one never is.
      {{{"a", a3}, {"A", x4}}, 16, 2, {1, "a", "a", 3, 3, 1, 1}},
      // Ties keep the earlier model.
      {{{"b", Inverse(m, 4)}, {"a", a3}, {"c", Inverse(m, 3, 20)}, {"d", x4}}, 16, 2, {4, "a", "c", 3, 3, 2, 3}},
  };
  Banc b;
  Zone8x10 z(m);
  for (const Cas& c : cas) {
    ListeModeles l;
    for (const auto& [nom, masque] : c.bib) l.push_back(Modele_de(nom, masque, 10));
    const Resultat r = Compare(b, z, l, c.seuildiff, c.seuilminidiff, 0, c.w, c.h);
    EXPECT_EQ(r, c.attendu) << &c - cas;
    int num = 0;  // only the model taken counts one more use
    for (const Modele& x : l) EXPECT_EQ(x.Utilisation, ++num == std::get<5>(r) ? 11 : 10) << &c - cas;
  }
  EXPECT_EQ(b.ctx.NbTraitements, static_cast<int32_t>(std::size(cas)) - 3);  // the problems not counted
}

TEST(CompareCar, Affichage) {
  Banc b;
  const CasesMasque m = Motif(3);
  Zone8x10 z(m);
  CasesMasque modele = Inverse(m, 1, 79);
  modele[0] = 2;  // drawn as background
  ListeModeles l = {Modele_de("a", modele, 10)};
  EXPECT_EQ(std::get<0>(Compare(b, z, l, 16, 2, 0)), 1);
  EXPECT_EQ(std::get<0>(Compare(b, z, l, 16, 2, 1, 7, 10)), ETAT_PROBLEME);
  EXPECT_TRUE(b.con.Vues.empty());  // neither shows anything
  // Plan 2 cleared, the zone copied, its mask below left and, when
  // recognised, the model's mask below right, 4 x 4 pixels a cell.
  for (int32_t seuildiff : {16, 0}) {
    Rectangle_plein(z.doc.Plan2, 1, 1, 90, 70);
    EXPECT_EQ(std::get<0>(Compare(b, z, l, seuildiff, 2, 1)), seuildiff ? 1 : -1);
    Pixels attendu = Pixels_encre(z.doc.Plan1);
    for (int k = 0; k < NB_CASES * 16; ++k) {
      const int c = k / 16, x = 4 * (c % 8) + k % 4, y = Y1 + 10 + 4 * (c / 8) + k % 16 / 4;
      if (m[c] == 1) attendu.insert({X1 - 32 + x, y});
      if (seuildiff && modele[c] == 1) attendu.insert({X1 + 8 + x, y});
    }
    EXPECT_EQ(Pixels_encre(z.doc.Plan2), attendu) << seuildiff;
  }
  EXPECT_EQ(b.con.Vues, (std::vector<ConsoleTexte::Point>(2, {X1 - 32, Y1})));
}

TEST(CompareCar, ClasseNom) {
  // Each class with the characters just outside its range.
  for (auto [noms, classe] : {std::pair{"AZ", 1}, {"az", 2}, {"09", 3}, {"+-", 4}, {" ", -1}, {"@[`{/:=", -2}})
    for (char c : std::string(noms)) EXPECT_EQ(Classe_nom(std::string(1, c)), classe) << c;
  EXPECT_EQ(Classe_nom(""), -1);
  EXPECT_EQ(Classe_nom("  "), 5);
}
