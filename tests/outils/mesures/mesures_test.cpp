#include <gtest/gtest.h>

#include <sstream>

#include "outils/mesures/etiquettes_mol.h"
#include "outils/mesures/lecture_etiquettes.h"

namespace {

// A V2000 molfile: atoms (x y z symbol ... charge), bonds, then the
// properties block.
std::string Molfile(const std::vector<std::string>& atomes, const std::vector<std::string>& liaisons,
                    const std::string& proprietes) {
  std::ostringstream m;
  m << "nom\n  test\n\n";
  char ligne[80];
  std::snprintf(ligne, sizeof ligne, "%3zu%3zu  0  0  0  0  0  0  0  0999 V2000\n", atomes.size(), liaisons.size());
  m << ligne;
  for (const std::string& a : atomes) m << a << "\n";
  for (const std::string& l : liaisons) m << l << "\n";
  m << proprietes << "M  END\n";
  return m.str();
}

std::string Ligne_atome(const char* symbole, int charge = 0) {
  char ligne[80];
  std::snprintf(ligne, sizeof ligne, "    0.0000    0.0000    0.0000 %-3s 0%3d  0  0  0  0  0  0  0  0  0  0", symbole,
                charge);
  return ligne;
}

std::string Ligne_liaison(int a, int b, int ordre) {
  char ligne[40];
  std::snprintf(ligne, sizeof ligne, "%3d%3d%3d  0", a, b, ordre);
  return ligne;
}

}  // namespace

TEST(EtiquettesMol, ElementsHydrogenesGroupesEtAbreviations) {
  // 1 C - 2 O (OH), 1 = 3 O, 1 - 4 N - 5 C (N: three bonds), 5 - 6 Cl,
  // 5 - 7 R# (R2), 5 - 8 C with the alias "Z", 4 - 9 N+ (three bonds and the
  // charge: one H) bonded to 10 and 11, a superatom CO2H, and to 12, a plain C.
  const std::string m = Molfile(
      {Ligne_atome("C"), Ligne_atome("O"), Ligne_atome("O"), Ligne_atome("N"), Ligne_atome("C"), Ligne_atome("Cl"), Ligne_atome("R#"), Ligne_atome("C"),
       Ligne_atome("N", 3), Ligne_atome("C"), Ligne_atome("O"), Ligne_atome("C")},
      {Ligne_liaison(1, 2, 1), Ligne_liaison(1, 3, 2), Ligne_liaison(1, 4, 1), Ligne_liaison(4, 5, 1), Ligne_liaison(5, 6, 1), Ligne_liaison(5, 7, 1),
       Ligne_liaison(5, 8, 1), Ligne_liaison(4, 9, 1), Ligne_liaison(9, 10, 1), Ligne_liaison(10, 11, 2), Ligne_liaison(9, 12, 1)},
      "A    8\nZ\nM  RGP  1   7   2\nM  STY  1   1 SUP\nM  SAL   1  2  10  11\nM  SMT   1 CO2H\n");
  std::istringstream in(m);
  std::vector<Etiquette_mol> e;
  std::string erreur;
  ASSERT_TRUE(Lit_etiquettes_mol(in, e, erreur)) << erreur;
  std::vector<std::string> textes;
  for (const Etiquette_mol& x : e) textes.push_back(x.Texte);
  // The abbreviation first, then the atoms in order; the charge code 3 of
  // an atom line is +1.
  EXPECT_EQ(textes, (std::vector<std::string>{"CO2H", "OH", "O", "N", "Cl", "R2", "Z", "NH+"}));
  EXPECT_EQ(e[1].Formes, (std::vector<std::string>{"OH", "HO"}));
  EXPECT_EQ(e[0].Formes, (std::vector<std::string>{"CO2H"}));

  // The charge block replaces the atom lines' charges: a lone N- has 2 H.
  std::istringstream in2(Molfile({Ligne_atome("N"), Ligne_atome("S")}, {Ligne_liaison(1, 2, 1)}, "M  CHG  1   1  -1\n"));
  ASSERT_TRUE(Lit_etiquettes_mol(in2, e, erreur));
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].Texte, "NH-");
  EXPECT_EQ(e[0].Formes[1], "HN-");
  EXPECT_EQ(e[1].Texte, "SH");

  std::istringstream faux("a\nb\nc\n  1  0  V3000\n");
  EXPECT_FALSE(Lit_etiquettes_mol(faux, e, erreur));
}

TEST(LectureEtiquettes, TrouveeLueEtTraitsPrisPourTexte) {
  const Etiquette_v oh{"OH", 100, 50, 140, 70};
  Bloc_texte b{"OH", 100, 50, 140, 70, 100, 50, 140, 70};
  Sort_etiquette s = Juge_etiquette(oh, {b});
  EXPECT_TRUE(s.Trouvee && s.Trouvee_sommets && s.Lue);
  // One pixel short on any side: not found, though still read over it.
  b.Xmax = b.Sx2 = 139;
  s = Juge_etiquette(oh, {b});
  EXPECT_FALSE(s.Trouvee || s.Trouvee_sommets);
  EXPECT_TRUE(s.Lue);
  // Two zones over it, told left to right.
  const Bloc_texte h{"H", 0, 0, 0, 0, 121, 50, 140, 70}, o{"", 0, 0, 0, 0, 100, 50, 119, 70};
  s = Juge_etiquette(oh, {h, o});
  EXPECT_FALSE(s.Lue);
  EXPECT_EQ(s.Lu, "?|H");

  const Trait_v t{0, {10, 10}, {110, 10}, 4};
  ListeQuads q(1);  // the dummy first element (a separator) never counts
  EXPECT_FALSE(Trait_pris_pour_texte(t, q));
  Quadrilatere a;
  a.x1 = 40, a.y1 = 8, a.x2 = 60, a.y2 = 8, a.x3 = 60, a.y3 = 12, a.x4 = 40, a.y4 = 12, a.Longueur = 20;
  q.push_back(a);
  EXPECT_TRUE(Trait_pris_pour_texte(t, q));
  // Beside the stroke (axis 10 pixels away) or past its end: not on it.
  Quadrilatere c = a;
  c.y1 += 10, c.y2 += 10, c.y3 += 10, c.y4 += 10;
  EXPECT_FALSE(Trait_pris_pour_texte(t, ListeQuads{Quadrilatere{}, c}));
  Quadrilatere d = a;
  d.x1 = d.x4 = 120, d.x2 = d.x3 = 140;
  EXPECT_FALSE(Trait_pris_pour_texte(t, ListeQuads{Quadrilatere{}, d}));
}
