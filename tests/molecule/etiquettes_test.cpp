#include <gtest/gtest.h>

#include "molecule/etiquettes.h"
#include "molecule/molecule.h"
#include "molecule/outils_molecule.h"

namespace {

// A methyl carbon with the label one bond to its right (the bond arrives on
// the label's left) or to its left.
Molecule_lue Methyle_et(const std::string& etiquette, bool a_gauche) {
  Graphe_lu g;
  int c = Atome(g, 100, 100);
  int l = Atome(g, a_gauche ? 70 - 2.5 * etiquette.size() : 130 + 2.5 * etiquette.size(), 100, etiquette);
  Lie(g, c, l);
  return Construit_molecule(g, "etiquette");
}

TEST(Etiquettes, Table) {
  struct Cas {
    const char* texte;
    bool a_gauche;
    const char* attendu;  // the methyl carbon first
  } cas[] = {
      // Elements, hydrogens written before or after, subscripts.
      {"OH", false, "CO"}, {"HO", true, "CO"}, {"NH2", false, "CN"}, {"H2N", true, "CN"},
      // Hydrogens written short of the valence are completed, not radicals.
      {"NH", false, "CN"}, {"CH3", false, "CC"}, {"H3C", true, "CC"}, {"CH2", false, "CC"},
      // An O read as a zero.
      {"0H", false, "CO"}, {"H0", true, "CO"}, {"0", false, "CO"},
      // A chlorine or a bromine whose second letter was not read.
      {"C", false, "CCl"}, {"B", true, "CBr"},
      {"Cl", false, "CCl"}, {"Br", true, "CBr"}, {"F", false, "CF"}, {"I", false, "CI"},
      {"S", false, "CS"}, {"SH", true, "CS"}, {"N", false, "CN"}, {"O", false, "CO"},
      {"NH₂", false, "CN"}, {"CH₃", false, "CC"},
      // Charges.
      {"N+", false, "C[NH3+]"}, {"NH3+", false, "C[NH3+]"}, {"O-", false, "C[O-]"}, {"O⁻", false, "C[O-]"},
      // Abbreviations and their writings on the left of a bond.
      {"COOH", false, "CC(=O)O"}, {"HOOC", true, "CC(=O)O"}, {"CO2H", false, "CC(=O)O"},
      {"HO2C", true, "CC(=O)O"}, {"CO₂H", false, "CC(=O)O"}, {"OMe", false, "COC"}, {"MeO", true, "COC"},
      {"OEt", false, "COCC"}, {"EtO", true, "COCC"}, {"CF3", false, "CC(F)(F)F"}, {"F3C", true, "CC(F)(F)F"},
      {"NO2", false, "C[N+](=O)[O-]"}, {"O2N", true, "C[N+](=O)[O-]"}, {"CN", false, "CC#N"},
      {"NC", true, "CC#N"}, {"Ph", false, "Cc1ccccc1"}, {"Me", false, "CC"}, {"Et", true, "CCC"},
      {"tBu", false, "CC(C)(C)C"}, {"iPr", false, "CC(C)C"}, {"Ac", false, "CC(C)=O"},
      {"CHO", false, "CC=O"}, {"OHC", true, "CC=O"}, {"SO3H", false, "CS(=O)(=O)O"},
      {"NHAc", false, "CNC(C)=O"}, {"AcHN", true, "CNC(C)=O"}, {"CO2Me", false, "CC(=O)OC"},
      {"MeO2C", true, "CC(=O)OC"}, {"CO2Et", false, "CC(=O)OCC"}, {"OAc", false, "COC(C)=O"},
      {"AcO", true, "COC(C)=O"}, {"Bn", false, "CCc1ccccc1"}, {"Boc", false, "CC(=O)OC(C)(C)C"},
      {"Ts", false, "CS(=O)(=O)c1ccc(C)cc1"}, {"CCl3", false, "CC(Cl)(Cl)Cl"}, {"NMe2", false, "CN(C)C"},
      // Condensed formulas: the bond takes the atom at its end.
      {"OCH3", false, "COC"}, {"H3CO", true, "COC"}, {"CH2OH", false, "CCO"}, {"HOCH2", true, "CCO"},
      {"N(CH3)2", false, "CN(C)C"}, {"CH=CH2", false, "CC=C"}, {"NHCH3", false, "CNC"},
      {"CH2Cl", false, "CCCl"}, {"OCF3", false, "COC(F)(F)F"}, {"SO2NH2", false, "CS(N)(=O)=O"},
      {"CONH2", false, "CC(N)=O"}, {"OR", false, "CO*"}, {"NHR1", false, "CN*"},
      // Generic groups: a placeholder atom.
      {"R", false, "C*"}, {"R1", false, "C*"}, {"R'", true, "C*"}, {"R₂", false, "C*"}, {"X", false, "C*"},
      {"Y", false, "C*"}, {"Z", false, "C*"}, {"Ar", false, "C*"}, {"Het", false, "C*"}, {"Alk", false, "C*"},
  };
  for (const auto& c : cas) {
    Molecule_lue m = Methyle_et(c.texte, c.a_gauche);
    EXPECT_EQ(m.Smiles, Canonique(c.attendu)) << c.texte;
    EXPECT_EQ(m.Probleme, "") << c.texte;
    EXPECT_DOUBLE_EQ(m.Confiance, 1.0) << c.texte;
  }
}

TEST(Etiquettes, Texte_inconnu_ou_generique) {
  struct Cas {
    const char* texte;
    bool connue, generique;
  } cas[] = {{"R1", true, true}, {"Ar", true, true}, {"OH", true, false}, {"Qx", false, false},
             {"C(", false, false}, {"3", false, false}, {"+", false, false}, {"H2", false, false},
             {"C99", false, false}, {"((((((C))))))", false, false}, {"é", false, false}};
  for (const auto& c : cas) {
    Fragment f = Lit_etiquette(c.texte);
    EXPECT_EQ(f.Connue, c.connue) << c.texte;
    EXPECT_EQ(f.Generique, c.generique) << c.texte;
    ASSERT_FALSE(f.Atomes.empty()) << c.texte;
    if (!c.connue) {
      ASSERT_EQ(f.Atomes.size(), 1u) << c.texte;
      EXPECT_EQ(f.Atomes[0].Numero, 0) << c.texte;
      EXPECT_EQ(f.Atomes[0].Nom, c.texte) << c.texte;
      EXPECT_LT(Methyle_et(c.texte, false).Confiance, 1.0) << c.texte;
    }
  }
  EXPECT_EQ(Lit_etiquette("").Atomes.size(), 1u);
  EXPECT_EQ(Lit_etiquette("").Atomes[0].Numero, 6);
}

TEST(Etiquettes, Atome_vise_par_le_caractere) {
  // "OCH2" read O, C: the left edge takes O, the right edge C.
  Fragment f = Lit_etiquette("OCH2");
  ASSERT_EQ(f.Atomes.size(), 2u);
  EXPECT_EQ(f.Atomes[Atome_vise(f, 0)].Numero, 8);
  EXPECT_EQ(f.Atomes[Atome_vise(f, f.Longueur)].Numero, 6);
  EXPECT_EQ(f.Atomes[Atome_vise(f, 1.5)].Numero, 6);
  // An abbreviation is always taken by its attached atom; pendant atoms never.
  Fragment a = Lit_etiquette("COOH");
  for (double x : {0.0, 2.0, 4.0}) EXPECT_EQ(Atome_vise(a, x), a.Attache);
  Fragment cf = Lit_etiquette("CCl2F");
  EXPECT_EQ(cf.Atomes[Atome_vise(cf, cf.Longueur)].Numero, 6);
  // A ring nitrogen drawn "NH" pointed at from either side.
  Fragment nh = Lit_etiquette("NH");
  EXPECT_EQ(Atome_vise(nh, 0), 0);
  EXPECT_EQ(Atome_vise(nh, 2), 0);
  EXPECT_EQ(nh.Atomes[0].Hydrogenes, 1);
}

}  // namespace

TEST(Etiquettes, NitroSansSigneMoins) {
  // "N+" with "O" double-bonded and "O" single-bonded: the lone oxygen takes
  // the negative charge its sign lost.
  Graphe_lu g;
  const int c = Atome(g, 0, 0), n = Atome(g, 90, 0, "N+"), o1 = Atome(g, 135, -78, "O"), o2 = Atome(g, 135, 78, "O");
  Lie(g, c, n);
  Lie(g, n, o1, 2);
  Lie(g, n, o2);
  const Molecule_lue m = Construit_molecule(g, "nitro");
  EXPECT_EQ(m.Smiles, Canonique("C[N+](=O)[O-]"));
  EXPECT_TRUE(m.Probleme.empty());
  // Its plus sign lost as well.
  g.Atomes[static_cast<size_t>(n)].Etiquette = "N";
  const Molecule_lue sans = Construit_molecule(g, "nitro");
  EXPECT_EQ(sans.Smiles, Canonique("C[N+](=O)[O-]"));
  EXPECT_TRUE(sans.Probleme.empty());
}
