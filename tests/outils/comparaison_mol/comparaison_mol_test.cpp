#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "outils/mesures/comparaison_mol.h"

namespace {

namespace fs = std::filesystem;

void Ecrit(const fs::path& chemin, const std::string& texte) {
  std::ofstream f(chemin, std::ios::binary);
  f << texte;
}

// Two fresh folders, truths and results, removed at the end.
class Dossiers : public ::testing::Test {
 protected:
  void SetUp() override {
    base = fs::temp_directory_path() / ("vrix_mesure_mol_" + std::to_string(::getpid()));
    fs::create_directories(base / "v");
    fs::create_directories(base / "r");
  }
  void TearDown() override { fs::remove_all(base); }
  fs::path base;
};

// A molfile with one generic atom "R1" on a benzene ring and an alias on a
// carbon.
const char* const MOLFILE_R =
    "\n  test\n\n"
    "  8  8  0  0  0  0  0  0  0  0999 V2000\n"
    "    0.0000    1.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    0.8660    0.5000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    0.8660   -0.5000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    0.0000   -1.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "   -0.8660   -0.5000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "   -0.8660    0.5000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    0.0000    2.0000    0.0000 R1  0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    0.0000   -2.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "  1  2  2  0\n  2  3  1  0\n  3  4  2  0\n  4  5  1  0\n  5  6  2  0\n  6  1  1  0\n"
    "  1  7  1  0\n  4  8  1  0\n"
    "A    8\nOMe\n"
    "M  END\n";

}  // namespace

TEST(ComparaisonMol, EmpreintesEtStereoIgnoree) {
  const Empreinte a = Empreinte_smiles("N[C@@H](C)C(=O)O");
  const Empreinte b = Empreinte_smiles("CC(N)C(O)=O");
  ASSERT_TRUE(a.Lue);
  EXPECT_EQ(a.Canonique, b.Canonique);
  EXPECT_TRUE(Compare(a, b).Exacte);
  const Empreinte n = Empreinte_smiles("c1ccc2ccccc2c1");
  EXPECT_EQ(n.Cycles, (std::vector<int>{6, 6}));
  EXPECT_EQ(n.Doubles, 5);
  EXPECT_TRUE(n.Etiquettes.empty());
  const Empreinte p = Empreinte_smiles("O=[N+]([O-])c1ccc(Cl)cc1O");
  EXPECT_EQ(p.Etiquettes, (std::vector<std::string>{"Cl", "N", "O", "O", "O"}));
  EXPECT_EQ(p.Doubles, 4);
  // Explicit hydrogens and a Kekulé writing change nothing.
  EXPECT_TRUE(Compare(Empreinte_smiles("[H]OC1=CC=CC=C1"), Empreinte_smiles("Oc1ccccc1")).Exacte);
  // Wrong ring size, same labels and double bonds.
  const Comparaison c = Compare(Empreinte_smiles("c1ccccc1O"), Empreinte_smiles("C1=CC=CC=C1CO"));
  EXPECT_FALSE(c.Exacte);
  EXPECT_TRUE(c.Cycles);
  EXPECT_TRUE(c.Doubles);
  EXPECT_TRUE(c.Etiquettes);
  EXPECT_FALSE(Compare(Empreinte_smiles("C1CCCC1"), Empreinte_smiles("C1CCCCC1")).Cycles);
  // Nothing read matches nothing.
  EXPECT_FALSE(Empreinte_smiles("").Lue);
  EXPECT_FALSE(Compare(Empreinte_smiles("C"), Empreinte_smiles("")).Etiquettes);
}

TEST(ComparaisonMol, GroupesGeneriquesEnJoker) {
  // The molfile's R1 and its aliased carbon become "*", as do the result's
  // R-group, mapped and numbered dummies.
  const Empreinte m = Empreinte_molfile(MOLFILE_R);
  ASSERT_TRUE(m.Lue);
  EXPECT_EQ(m.Canonique, Empreinte_smiles("*c1ccc(*)cc1").Canonique);
  EXPECT_TRUE(Compare(m, Empreinte_smiles("[1*]c1ccc([*:2])cc1")).Exacte);
  EXPECT_EQ(m.Etiquettes, (std::vector<std::string>{"*", "*"}));
  EXPECT_FALSE(Compare(m, Empreinte_smiles("*c1ccc(OC)cc1")).Exacte);
}

TEST(ComparaisonMol, LignesDeResultat) {
  const struct {
    std::string Texte, Smiles;
    double Confiance;
  } cas[] = {
      {"CCO\tnom\t0.25\n", "CCO", 0.25},
      {"CCO\tnom\n", "CCO", 1},
      {"CCO", "CCO", 1},
      {"\tnom\t0.9\n", "", 0.9},
      {"", "", 1},
      {"CCO\tnom\tbeaucoup\n", "CCO", 1},
      {"CCO\tnom\t7\r\n", "CCO", 1},
      {"CCO\tnom\t-3\n", "CCO", 0},
      {"CCO\tnom\tnan\n", "CCO", 1},
      {"C1CC1 \tnom\t0.5\nCCCC\tautre\t0.1\n", "C1CC1", 0.5},
  };
  for (const auto& c : cas) {
    std::istringstream f(c.Texte);
    const Resultat_lu r = Lit_resultat(f);
    EXPECT_EQ(r.Smiles, c.Smiles) << c.Texte;
    EXPECT_DOUBLE_EQ(r.Confiance, c.Confiance) << c.Texte;
  }
  // Garbage bytes: no crash, nothing that RDKit reads.
  std::string ordure;
  uint32_t x = 12345;
  for (int i = 0; i < 5000; ++i) {
    x = x * 1103515245u + 12345u;
    ordure.push_back(static_cast<char>(x >> 24));
  }
  std::istringstream f(ordure);
  const Resultat_lu r = Lit_resultat(f);
  const Empreinte e = Empreinte_smiles(r.Smiles);
  EXPECT_FALSE(e.Lue);
  for (const char* s : {"C((((((", "c1cccc1", "[Xx]", "C\x01", "CC1CC", "[N+5]"}) {
    const Empreinte z = Empreinte_smiles(s);
    (void)z;
  }
  EXPECT_FALSE(Empreinte_molfile("not a molfile\n").Lue);
}

TEST_F(Dossiers, ScoresDUnJeu) {
  Ecrit(base / "v" / "a.smi", "c1ccccc1O\ta\n");
  Ecrit(base / "v" / "b.smi", "CC(N)C(=O)O\tb\n");
  Ecrit(base / "v" / "c.smi", "C1CCCCC1\tc\n");
  Ecrit(base / "v" / "d.smi", "CC#N\td\n");
  Ecrit(base / "v" / "e.smi", "))\te\n");  // an unreadable truth, left out
  Ecrit(base / "r" / "a.smi", "OC1=CC=CC=C1\ta\t0.9\n");
  Ecrit(base / "r" / "b.smi", "N[C@@H](C)C(O)=O\tb\n");  // no confidence: 1
  Ecrit(base / "r" / "c.smi", "C1CCCC1\tc\t0.2\n");     // a wrong ring
  // d: no result at all, a miss.
  Scores s = Mesure_molecules((base / "v").string(), (base / "r").string(), {});
  EXPECT_EQ(s.Molecules, 4);
  EXPECT_EQ(s.Verites_illisibles, 1);
  EXPECT_EQ(s.Lus, 3);
  EXPECT_EQ(s.Exactes, 2);
  EXPECT_EQ(s.Cycles, 2);
  EXPECT_EQ(s.Doubles, 3);
  EXPECT_EQ(s.Etiquettes, 3);
  EXPECT_EQ(s.Hauts, 2);
  EXPECT_EQ(s.Hauts_exacts, 2);
  EXPECT_EQ(s.Bas, 1);
  EXPECT_EQ(s.Bas_exacts, 0);
  ASSERT_EQ(s.Manques.size(), 2u);
  EXPECT_EQ(s.Manques[0].Nom, "c");
  EXPECT_EQ(s.Manques[1].Nom, "d");
  // Restricted by prefix, by exclusion of a prefix, by a list.
  Options_mesure o;
  o.Prefixe = "a";
  EXPECT_EQ(Mesure_molecules((base / "v").string(), (base / "r").string(), o).Molecules, 1);
  o = {};
  o.Sauf_prefixe = "a";
  EXPECT_EQ(Mesure_molecules((base / "v").string(), (base / "r").string(), o).Molecules, 3);
  o = {};
  o.Noms = {"b", "d", "zz"};
  s = Mesure_molecules((base / "v").string(), (base / "r").string(), o);
  EXPECT_EQ(s.Molecules, 2);
  EXPECT_EQ(s.Exactes, 1);
  std::ostringstream ligne;
  Ecrit_ligne_scores(s, "essai", ligne);
  EXPECT_EQ(ligne.str(), "| essai | 2 | 50.0 % | 50.0 % | 50.0 % | 50.0 % | 1, 100.0 % | 0, 0.0 % |\n");
}

TEST_F(Dossiers, VeritesMolfiles) {
  Ecrit(base / "v" / "m.mol", MOLFILE_R);
  Ecrit(base / "r" / "m.smi", "*c1ccc(*)cc1\tm\t0.7\n");
  Options_mesure o;
  o.Molfiles = true;
  const Scores s = Mesure_molecules((base / "v").string(), (base / "r").string(), o);
  EXPECT_EQ(s.Molecules, 1);
  EXPECT_EQ(s.Exactes, 1);
  EXPECT_EQ(s.Etiquettes, 1);
}
