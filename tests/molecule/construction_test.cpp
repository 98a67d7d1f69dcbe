#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

#include <GraphMol/FileParsers/FileParsers.h>

#include "molecule/molecule.h"
#include "molecule/outils_molecule.h"

namespace {

constexpr double R = 30;  // bond length of the drawings, pixels

Molecule_lue Lit(const Graphe_lu& g) { return Construit_molecule(g, "essai"); }

// Benzene with a substituent on its first vertex (on the right) or its
// fourth (on the left), drawn as a label one bond away.
Graphe_lu Benzene_avec(const std::string& etiquette, bool a_gauche) {
  Graphe_lu g;
  int b = Hexagone(g, 100, 100, R, true);
  int sommet = b + (a_gauche ? 3 : 0);
  int l = Atome(g, a_gauche ? 100 - 2 * R : 100 + 2 * R, 100, etiquette);
  Lie(g, sommet, l);
  return g;
}

TEST(Construction, Benzene_cercle_et_kekule) {
  for (bool aromatique : {true, false}) {
    Graphe_lu g;
    Hexagone(g, 100, 100, R, aromatique);
    Molecule_lue m = Lit(g);
    EXPECT_EQ(m.Smiles, "c1ccccc1") << aromatique;
    EXPECT_EQ(m.Probleme, "");
    EXPECT_EQ(m.NbAtomes, 6);
    EXPECT_EQ(m.NbFragments, 1);
    EXPECT_DOUBLE_EQ(m.Confiance, 1.0);
  }
}

TEST(Construction, Substituants_des_deux_cotes) {
  struct Cas {
    const char* etiquette;
    bool a_gauche;
    const char* attendu;
  } cas[] = {
      {"OH", false, "Oc1ccccc1"},      {"HO", true, "Oc1ccccc1"},
      {"CH3", false, "Cc1ccccc1"},     {"H3C", true, "Cc1ccccc1"},
      {"COOH", false, "OC(=O)c1ccccc1"}, {"HOOC", true, "OC(=O)c1ccccc1"},
      {"CN", false, "N#Cc1ccccc1"},    {"NC", true, "N#Cc1ccccc1"},
      {"OCH3", false, "COc1ccccc1"},   {"H3CO", true, "COc1ccccc1"},
      {"NO2", false, "O=[N+]([O-])c1ccccc1"},
  };
  for (const auto& c : cas) {
    Molecule_lue m = Lit(Benzene_avec(c.etiquette, c.a_gauche));
    EXPECT_EQ(m.Smiles, Canonique(c.attendu)) << c.etiquette;
    EXPECT_EQ(m.Probleme, "") << c.etiquette;
    EXPECT_DOUBLE_EQ(m.Confiance, 1.0) << c.etiquette;
  }
}

TEST(Construction, Acide_dessine_et_triple_liaison) {
  // Benzoic acid with its carboxyl drawn: a vertex, "O" above (double), "OH" right.
  Graphe_lu g;
  int b = Hexagone(g, 100, 100, R, false);
  int c = Atome(g, 100 + 2 * R, 100);
  int o1 = Atome(g, 100 + 2.5 * R, 100 - R * 0.87, "O");
  int o2 = Atome(g, 100 + 3 * R, 100, "OH");
  Lie(g, b, c);
  Lie(g, c, o1, 2);
  Lie(g, c, o2);
  EXPECT_EQ(Lit(g).Smiles, Canonique("OC(=O)c1ccccc1"));

  // But-2-yne's neighbour: a chain C-C#C-C.
  Graphe_lu t;
  for (int k = 0; k < 4; ++k) Atome(t, 10 + k * R, 50);
  Lie(t, 0, 1);
  Lie(t, 1, 2, 3);
  Lie(t, 2, 3);
  EXPECT_EQ(Lit(t).Smiles, Canonique("CC#CC"));
}

TEST(Construction, Naphtalene_et_fragments) {
  // Two hexagons sharing the edge between vertex 0 of the left one and its
  // vertex 5: the right ring reuses those two atoms.
  Graphe_lu g;
  int a = Hexagone(g, 100, 100, R, true);
  // The right hexagon's four new vertices, around its centre.
  double cx2 = 100 + R * 1.5, cy2 = 100 + R * 0.866;
  int n0 = Atome(g, cx2 + R * std::cos(M_PI / 3), cy2 - R * std::sin(M_PI / 3));
  int n1 = Atome(g, cx2 + R, cy2);
  int n2 = Atome(g, cx2 + R * std::cos(-M_PI / 3), cy2 - R * std::sin(-M_PI / 3));
  int n3 = Atome(g, cx2 + R * std::cos(-2 * M_PI / 3), cy2 - R * std::sin(-2 * M_PI / 3));
  Lie(g, a, n0, 1, true);
  Lie(g, n0, n1, 1, true);
  Lie(g, n1, n2, 1, true);
  Lie(g, n2, n3, 1, true);
  Lie(g, n3, a + 5, 1, true);
  Molecule_lue m = Lit(g);
  EXPECT_EQ(m.Smiles, Canonique("c1ccc2ccccc2c1"));
  EXPECT_EQ(m.NbAtomes, 10);
  EXPECT_EQ(m.NbFragments, 1);

  // A label touching nothing, then a second molecule: more fragments.
  Graphe_lu h;
  Hexagone(h, 100, 100, R, true);
  Atome(h, 300, 100, "Cl");
  Molecule_lue m2 = Lit(h);
  EXPECT_EQ(m2.Smiles, Canonique("c1ccccc1.Cl"));
  EXPECT_EQ(m2.NbFragments, 2);
  int e = Atome(h, 300, 300);
  int f = Atome(h, 300 + R, 300, "OH");
  Lie(h, e, f);
  Molecule_lue m3 = Lit(h);
  EXPECT_EQ(m3.Smiles, Canonique("c1ccccc1.Cl.CO"));
  EXPECT_EQ(m3.NbFragments, 3);
  EXPECT_EQ(m3.NbAtomes, 9);
}

TEST(Construction, Pyrrole_au_cercle) {
  // A pentagon with a circle, "N" written without its hydrogen: pyrrole.
  Graphe_lu g;
  for (int k = 0; k < 5; ++k)
    Atome(g, 100 + R * std::cos(k * 2 * M_PI / 5), 100 - R * std::sin(k * 2 * M_PI / 5), k == 0 ? "N" : "");
  for (int k = 0; k < 5; ++k) Lie(g, k, (k + 1) % 5, 1, true);
  Molecule_lue m = Lit(g);
  EXPECT_EQ(m.Smiles, Canonique("c1cc[nH]c1"));
  EXPECT_EQ(m.Probleme, "");
  // Five carbons with a circle cannot be written: still there, the reason given.
  g.Atomes[0].Etiquette = "";
  Molecule_lue c = Lit(g);
  EXPECT_NE(c.Probleme, "");
  EXPECT_EQ(c.NbAtomes, 5);
  EXPECT_FALSE(c.Smiles.empty());
  EXPECT_LT(c.Confiance, 0.5);
}

TEST(Construction, Plusieurs_liaisons_sur_une_etiquette) {
  // C - "CH2O" - C: the bond from the left takes the carbon, from the right the oxygen.
  Graphe_lu g;
  int a = Atome(g, 10, 50);
  int l = Atome(g, 10 + 2 * R, 50, "CH2O");
  int b = Atome(g, 10 + 4 * R, 50);
  Lie(g, a, l);
  Lie(g, l, b);
  EXPECT_EQ(Lit(g).Smiles, Canonique("CCOC"));
  // A ring nitrogen with two bonds: piperidine.
  Graphe_lu p;
  int h = Hexagone(p, 100, 100, R, false, false);
  p.Atomes[h + 1].Etiquette = "N";
  p.Atomes[h + 1].xmin = int(p.Atomes[h + 1].P.x) - 5;
  p.Atomes[h + 1].xmax = int(p.Atomes[h + 1].P.x) + 5;
  EXPECT_EQ(Lit(p).Smiles, Canonique("C1CCNCC1"));
}

TEST(Construction, Valence_impossible_encore_ecrite) {
  // A carbon with five carbon neighbours.
  Graphe_lu g;
  int c = Atome(g, 100, 100);
  for (int k = 0; k < 5; ++k) Lie(g, c, Atome(g, 100 + R * std::cos(k * 1.2566), 100 + R * std::sin(k * 1.2566)));
  Molecule_lue m = Lit(g);
  EXPECT_NE(m.Probleme, "");
  EXPECT_EQ(m.Smiles, "CC(C)(C)(C)C");
  EXPECT_EQ(m.NbAtomes, 6);
  EXPECT_NE(m.Molfile.find("M  END"), std::string::npos);
  EXPECT_LT(m.Confiance, 0.5);
  EXPECT_GT(m.Confiance, 0.0);
  // The same with four neighbours passes at full confidence.
  g.Liaisons.pop_back();
  g.Atomes.pop_back();
  Molecule_lue n = Lit(g);
  EXPECT_EQ(n.Probleme, "");
  EXPECT_EQ(n.Smiles, Canonique("CC(C)(C)C"));
  EXPECT_DOUBLE_EQ(n.Confiance, 1.0);
}

TEST(Construction, Confiance_baisse_a_chaque_faute) {
  Graphe_lu g = Benzene_avec("OH", false);
  double base = Lit(g).Confiance;
  Graphe_lu douteuse = g;
  douteuse.Atomes.back().Douteuse = true;
  Graphe_lu inconnue = g;
  inconnue.Atomes.back().Etiquette = "Qq%";
  Graphe_lu ambigus = g;
  ambigus.Bouts_ambigus = 2;
  Graphe_lu longue = g;
  longue.Atomes.back().P.x += 10 * R;
  for (const Graphe_lu* h : {&douteuse, &inconnue, &ambigus, &longue}) EXPECT_LT(Lit(*h).Confiance, base);
  Molecule_lue mi = Lit(inconnue);
  EXPECT_EQ(mi.Smiles, Canonique("*c1ccccc1"));
  EXPECT_NE(mi.Molfile.find("Qq%"), std::string::npos);  // kept as the atom's alias
  // Two doubtful labels read lower than one.
  Graphe_lu deux = douteuse;
  deux.Atomes[0].Etiquette = "C";
  deux.Atomes[0].Douteuse = true;
  EXPECT_LT(Lit(deux).Confiance, Lit(douteuse).Confiance);
  EXPECT_EQ(Lit(Graphe_lu{}).Confiance, 0.0);
}

TEST(Construction, Molfile_titre_et_coordonnees) {
  // Ethanol: C at (10, 20), C at (40, 20), "OH" at (55, 46).
  Graphe_lu g;
  int a = Atome(g, 10, 20);
  int b = Atome(g, 40, 20);
  int o = Atome(g, 55, 20 + 26, "OH");
  Lie(g, a, b);
  Lie(g, b, o);
  Molecule_lue m = Construit_molecule(g, "planche 7");
  EXPECT_EQ(Construit_molecule(g, "deux\nlignes").Molfile.substr(0, 12), "deux lignes\n");
  std::istringstream f(m.Molfile);
  std::string ligne;
  std::getline(f, ligne);
  EXPECT_EQ(ligne, "planche 7");
  std::getline(f, ligne);
  std::getline(f, ligne);
  std::getline(f, ligne);
  EXPECT_NE(ligne.find("V2000"), std::string::npos);
  EXPECT_EQ(ligne.substr(0, 6), "  3  2");
  // Bonds of 30 and 30.02 pixels: the median (30.02, the upper of the two) becomes 1.5.
  double s = 1.5 / std::hypot(15.0, 26.0);
  double attendus[3][2] = {{10 * s, -20 * s}, {40 * s, -20 * s}, {55 * s, -46 * s}};
  const char* symboles[] = {"C", "C", "O"};
  for (int k = 0; k < 3; ++k) {
    std::getline(f, ligne);
    double x = std::stod(ligne.substr(0, 10)), y = std::stod(ligne.substr(10, 10));
    EXPECT_NEAR(x, attendus[k][0], 1e-4) << k;
    EXPECT_NEAR(y, attendus[k][1], 1e-4) << k;
    EXPECT_EQ(ligne.substr(31, 1), symboles[k]);
  }
  EXPECT_EQ(m.Smiles, "CCO");
}

TEST(Construction, Groupe_generique_relu_tel_quel) {
  Molecule_lue m = Lit(Benzene_avec("R1", false));
  EXPECT_EQ(m.Smiles, Canonique("*c1ccccc1"));
  EXPECT_NE(m.Molfile.find("R#"), std::string::npos);
  EXPECT_NE(m.Molfile.find("M  RGP  1"), std::string::npos);
  EXPECT_NE(m.Molfile.find("\nR1\n"), std::string::npos);
  EXPECT_DOUBLE_EQ(m.Confiance, 1.0);
}

TEST(Construction, Graphes_malformes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  Graphe_lu base = Benzene_avec("OH", false);
  std::vector<Graphe_lu> cas;
  for (int k = 0; k < 8; ++k) cas.push_back(base);
  cas[7].Atomes.back().Etiquette = "a\nM  END\n";
  Liaison_lue hors{}, boucle{};
  hors.A = -1;
  hors.B = 3;
  cas[0].Liaisons.push_back(hors);
  hors.A = 2;
  hors.B = 99;
  cas[0].Liaisons.push_back(hors);
  boucle.A = boucle.B = 2;
  cas[1].Liaisons.push_back(boucle);
  cas[2].Liaisons.push_back(cas[2].Liaisons[0]);
  Liaison_lue inverse = cas[2].Liaisons[0];
  std::swap(inverse.A, inverse.B);
  cas[2].Liaisons.push_back(inverse);
  cas[3].Liaisons.back().Ordre = 0;
  cas[4].Atomes[2].P = {nan, nan};
  cas[4].Liaisons[0].Bout_A = {nan, std::numeric_limits<double>::infinity()};
  cas[5].Atomes.back().xmin = cas[5].Atomes.back().xmax = 7;
  cas[5].Atomes.back().Etiquette = std::string(5000, '(');
  cas[6].Longueur_liaison = nan;
  cas[6].Bouts_ambigus = -4;
  for (size_t k = 0; k < cas.size(); ++k) {
    Molecule_lue m = Lit(cas[k]);
    EXPECT_FALSE(m.Smiles.empty()) << k;
    EXPECT_NE(m.Molfile.find("M  END"), std::string::npos) << k;
    EXPECT_GE(m.Confiance, 0.0) << k;
    EXPECT_LE(m.Confiance, 1.0) << k;
    // The Molfile reads back, with all its atoms.
    std::unique_ptr<RDKit::RWMol> relu;
    try {
      relu.reset(RDKit::MolBlockToMol(m.Molfile, false));
    } catch (...) {
    }
    ASSERT_TRUE(relu) << k;
    EXPECT_EQ(relu->getNumAtoms(), 7u) << k;
    if (k <= 3) {
      EXPECT_LT(m.Confiance, 1.0) << k;
    }
  }
  EXPECT_EQ(Lit(cas[2]).Smiles, Canonique("Oc1ccccc1"));  // duplicates dropped
  EXPECT_EQ(Lit(cas[6]).Smiles, Canonique("Oc1ccccc1"));
  Molecule_lue vide = Lit(Graphe_lu{});
  EXPECT_EQ(vide.Smiles, "");
  EXPECT_EQ(vide.NbAtomes, 0);
  EXPECT_EQ(vide.NbFragments, 0);
}

TEST(Construction, Smiles_par_fragments_comme_en_entier) {
  // Past a few fragments each is written on its own: the same text as the
  // library's writer on the whole.
  Graphe_lu g;
  std::string attendu;
  for (int k = 0; k < 4; ++k) {
    Hexagone(g, 100 + 200 * k, 100, R, k % 2 == 0);
    int e = Atome(g, 100 + 200 * k, 300);
    Lie(g, e, Atome(g, 100 + 200 * k + R, 300, k % 2 ? "OH" : "NH3+"));
    Atome(g, 100 + 200 * k, 400, k % 2 ? "Cl" : "R2");
    attendu += std::string(attendu.empty() ? "" : ".") + "c1ccccc1." + (k % 2 ? "CO.Cl" : "C[NH3+].*");
  }
  Molecule_lue m = Lit(g);
  EXPECT_EQ(m.NbFragments, 12);
  EXPECT_EQ(m.Smiles, Canonique(attendu));
}

TEST(Construction, Cent_mille_atomes) {
  // 100 000 atoms in pairs, each a separate ethane.
  Graphe_lu g;
  for (int k = 0; k < 50000; ++k) {
    int a = Atome(g, (k % 300) * 3 * R, (k / 300) * R);
    int b = Atome(g, (k % 300) * 3 * R + R, (k / 300) * R);
    Lie(g, a, b);
  }
  Molecule_lue m = Lit(g);
  EXPECT_EQ(m.NbAtomes, 100000);
  EXPECT_EQ(m.NbFragments, 50000);
  EXPECT_EQ(m.Smiles.substr(0, 6), "CC.CC.");
  EXPECT_FALSE(m.Molfile.empty());  // too many atoms for V2000: the library writes V3000
}

}  // namespace
