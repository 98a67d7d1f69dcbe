#include <gtest/gtest.h>

#include "image/document.h"
#include "outils_test.h"
#include "outils_texte.h"
#include "samples/dessin.h"
#include "text/compare_car.h"

namespace {

constexpr int32_t X1 = 40, Y1 = 10;

// An 8 x 10 zone at (X1, Y1): its windows are single pixels, so its mask
// (with SEUILMASK 2) is the drawing itself.
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

ListeModeles Bibliotheque(std::initializer_list<std::pair<const char*, CasesMasque>> modeles) {
  ListeModeles l;
  for (const auto& [nom, masque] : modeles) {
    Modele m;
    Copie_nom(m.Nom, nom);
    m.Masque = masque;
    m.Utilisation = 10;
    l.push_back(m);
  }
  return l;
}

struct Resultat {
  int16_t etat;
  std::string caractere, proche;
  int16_t taux, taux2, num_modele, num_proche;
  bool operator==(const Resultat&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Resultat& r) {
  return o << r.etat << " [" << r.caractere << "] " << r.taux << " #" << r.num_modele << " [" << r.proche << "] "
           << r.taux2 << " #" << r.num_proche;
}

Resultat Compare(Banc& b, Zone8x10& z, ListeModeles& l, int32_t seuildiff, int32_t seuilminidiff,
                 uint8_t affichage = 0) {
  Raz_texte(z.zone);
  CasesMasque travail;
  const int16_t etat = Compare_car(b.ctx, z.doc, z.zone, travail, l, static_cast<int32_t>(l.size()), 2,
                                   seuildiff, seuilminidiff, affichage);
  return {etat, z.zone.Caractere, z.zone.Proche, z.zone.Taux, z.zone.Taux2, z.zone.NumModele, z.zone.NumProche};
}

}  // namespace

TEST(CompareCar, TropPetiteProbleme) {
  Banc b;
  Zone8x10 z(Motif(3));
  ListeModeles l = Bibliotheque({{"a", Motif(3)}});
  for (auto [w, h] : {std::pair{7, 10}, {8, 9}, {-8, 10}}) {
    z.zone.xmax = X1 + w, z.zone.ymax = Y1 + h;
    Raz_texte(z.zone);
    z.zone.Taux = 77;
    CasesMasque travail{};
    EXPECT_EQ(Compare_car(b.ctx, z.doc, z.zone, travail, l, 1, 2, 16, 2, 1), ETAT_PROBLEME);
    EXPECT_EQ(z.zone.Taux, 77);
    EXPECT_EQ(z.zone.Caractere[0], '\0');
    EXPECT_EQ(travail, CasesMasque{});
  }
  EXPECT_EQ(b.ctx.NbTraitements, 0);
  EXPECT_EQ(l.front().Utilisation, 10);
  EXPECT_TRUE(b.con.Vues.empty());
}

TEST(CompareCar, LimiteSeuildiff) {
  Banc b;
  const CasesMasque m = Motif(5);
  Zone8x10 z(m);
  for (int d : {4, 5}) {
    ListeModeles l = Bibliotheque({{"k", Inverse(m, d, 30)}});
    // At SEUILDIFF the model is taken; one cell more and it is only named as Proche.
    EXPECT_EQ(Compare(b, z, l, 4, 0),
              d == 4 ? (Resultat{1, "k", "k", 4, 4, 1, 1}) : (Resultat{-1, "", "k", 0, 5, 0, 1}))
        << d;
    EXPECT_EQ(l.front().Utilisation, d == 4 ? 11 : 10);
  }
  EXPECT_EQ(b.ctx.NbTraitements, 2);

  // An empty library: not recognised, nothing named.
  ListeModeles vide;
  EXPECT_EQ(Compare(b, z, vide, 80, 0), (Resultat{-1, "", "", 0, 0, 0, 0}));
  EXPECT_EQ(b.ctx.NbTraitements, 3);
}

TEST(CompareCar, DoutesMajusculeEtGrandDoute) {
  Banc b;
  const CasesMasque m = Motif(6);
  Zone8x10 z(m);
  const CasesMasque a3 = Inverse(m, 3), x4 = Inverse(m, 4, 50);
  struct Cas {
    const char* premier;  // at distance 4, first in the library
    int32_t seuilminidiff;
    int16_t etat;
  };
  for (const Cas& c : {Cas{"A", 2, 2}, Cas{"A", 1, 2}, Cas{"e", 2, 4}, Cas{"A", 0, 1}, Cas{"e", 0, 1}, Cas{"a", 2, 1},
                       Cas{"aa", 2, 4}, Cas{"3", 2, 4}}) {
    ListeModeles l = Bibliotheque({{c.premier, x4}, {"a", a3}});
    EXPECT_EQ(Compare(b, z, l, 16, c.seuilminidiff), (Resultat{c.etat, "a", c.premier, 3, 4, 2, 1}))
        << c.premier << " " << c.seuilminidiff;
  }
  // The second beyond SEUILDIFF: recognised.
  ListeModeles l = Bibliotheque({{"A", x4}, {"a", a3}});
  EXPECT_EQ(Compare(b, z, l, 3, 2), (Resultat{1, "a", "A", 3, 4, 2, 1}));
  // When the first model is the best it is the second too: a later model
  // that is worse never becomes the second.
  ListeModeles inverse = Bibliotheque({{"a", a3}, {"A", x4}});
  EXPECT_EQ(Compare(b, z, inverse, 16, 2), (Resultat{1, "a", "a", 3, 3, 1, 1}));
  // Ties keep the earlier model.
  ListeModeles egaux = Bibliotheque({{"b", Inverse(m, 4)}, {"a", a3}, {"c", Inverse(m, 3, 20)}, {"d", x4}});
  EXPECT_EQ(Compare(b, z, egaux, 16, 2), (Resultat{4, "a", "c", 3, 3, 2, 3}));
}

TEST(CompareCar, UnSeulModele) {
  Banc b;
  const CasesMasque m = Motif(2);
  Zone8x10 z(m);
  for (int d : {0, 1, 7, 16}) {
    ListeModeles l = Bibliotheque({{"N", Inverse(m, d, 11)}});
    EXPECT_EQ(Compare(b, z, l, 16, 80), (Resultat{1, "N", "N", static_cast<int16_t>(d), static_cast<int16_t>(d), 1, 1}));
  }
}

TEST(CompareCar, Affichage) {
  Banc b;
  const CasesMasque m = Motif(3);
  Zone8x10 z(m);
  CasesMasque modele = Inverse(m, 1, 79);
  modele[0] = 2;  // drawn as background
  ListeModeles l = Bibliotheque({{"a", modele}});
  EXPECT_EQ(Compare(b, z, l, 16, 2, 0).etat, 1);
  EXPECT_TRUE(b.con.Vues.empty());

  Rectangle_plein(z.doc.Plan2, 1, 1, 90, 70);
  EXPECT_EQ(Compare(b, z, l, 16, 2, 1).etat, 1);
  EXPECT_EQ(b.con.Vues, (std::vector<ConsoleTexte::Point>{{X1 - 32, Y1}}));
  const int32_t x2 = X1 + 8, y2 = Y1 + 10;
  for (int32_t y = 1; y < 70; ++y)
    for (int32_t x = 1; x < 90; ++x) {
      int attendu = 0;
      if (x >= X1 && x <= x2 && y >= Y1 && y < y2) attendu = Lit_pixel(x, y, z.doc.Plan1);  // the zone copied
      if (x >= X1 - 32 && x < X1 && y >= y2 && y < y2 + 40) attendu = m[((y - y2) / 4) * 8 + (x - X1 + 32) / 4];
      if (x >= x2 && x < x2 + 32 && y >= y2 && y < y2 + 40) attendu = modele[((y - y2) / 4) * 8 + (x - x2) / 4] == 1;
      ASSERT_EQ(Lit_pixel(x, y, z.doc.Plan2), attendu) << x << "," << y;
    }

  // Not recognised: the zone and its mask only.
  Rectangle_plein(z.doc.Plan2, 1, 1, 90, 70);
  EXPECT_EQ(Compare(b, z, l, 0, 2, 1).etat, -1);
  EXPECT_EQ(Lit_pixel(X1 - 32, y2, z.doc.Plan2), m[0]);
  for (int32_t y = y2 + 1; y < y2 + 40; ++y)
    for (int32_t x = x2 + 1; x < x2 + 32; ++x) ASSERT_EQ(Lit_pixel(x, y, z.doc.Plan2), 0) << x << "," << y;
}
