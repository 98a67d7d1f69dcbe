#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "image/document.h"
#include "outils/formules/depuis_smiles.h"
#include "outils/rendu.h"

namespace {

class Application : public ::testing::Environment {
 public:
  void SetUp() override { app = Demarre_rendu(argc, argv); }
  void TearDown() override { app.reset(); }

 private:
  int argc = 1;
  char nom[16] = "test_smiles";
  char* argv[2] = {nom, nullptr};
  std::unique_ptr<QGuiApplication> app;
};

[[maybe_unused]] ::testing::Environment* const application =
    ::testing::AddGlobalTestEnvironment(new Application);

Scene Scene_de(const std::string& smiles, uint32_t graine = 7, Style_jeu style = Style_jeu::Propre) {
  Scene s;
  std::string canonique, raison;
  EXPECT_TRUE(Scene_de_smiles(smiles, graine, style, "essai", s, canonique, raison)) << smiles << ": " << raison;
  return s;
}

int Liaisons_de(const Scene& s, int multiplicite) {
  int n = 0;
  for (const Liaison& l : s.Liaisons) n += l.Multiplicite == multiplicite;
  return n;
}

std::vector<std::string> Etiquettes_de(const Scene& s) {
  std::vector<std::string> e;
  for (const Atome& a : s.Atomes)
    if (!a.Etiquette.empty()) e.push_back(a.Etiquette);
  return e;
}

}  // namespace

TEST(Smiles, BenzeneCercleOuKekule) {
  // Over the seeds both forms come: a circle and six single bonds, or three
  // double bonds drawn inside the ring.
  int cercles = 0, kekule = 0;
  for (uint32_t g = 1; g <= 12; ++g) {
    const Scene s = Scene_de("c1ccccc1", g);
    ASSERT_EQ(s.Atomes.size(), 6u);
    ASSERT_EQ(s.Liaisons.size(), 6u);
    ASSERT_EQ(s.Cycles.size(), 1u);
    EXPECT_TRUE(Etiquettes_de(s).empty());
    if (s.Cycles[0].Cercle) {
      ++cercles;
      EXPECT_EQ(Liaisons_de(s, 1), 6);
    } else {
      ++kekule;
      EXPECT_EQ(Liaisons_de(s, 2), 3);
      for (const Liaison& l : s.Liaisons)
        if (l.Multiplicite == 2) {
          EXPECT_EQ(l.Cycle, 0);
        }
    }
    // Bonds as long as drawn from the style's range.
    for (const Liaison& l : s.Liaisons) {
      const double d = std::hypot(s.Atomes[l.A].P.x - s.Atomes[l.B].P.x, s.Atomes[l.A].P.y - s.Atomes[l.B].P.y);
      EXPECT_GE(d, 79);
      EXPECT_LE(d, 96);
    }
  }
  EXPECT_GT(cercles, 0);
  EXPECT_GT(kekule, 0);
}

TEST(Smiles, EtiquettesDesHeteroatomesAvecLeursHydrogenes) {
  const struct {
    const char* Smiles;
    std::vector<std::string> Formes;  // the labels expected, in either writing
  } cas[] = {
      {"Oc1ccccc1", {"OH", "HO"}},
      {"CN", {"NH2", "H2N"}},
      {"c1cc[nH]c1", {"NH", "HN"}},
      {"c1ccncc1", {"N"}},
      {"C[N+](C)(C)C", {"N+"}},
      {"CC(=O)[O-]", {"O", "O-"}},
      {"C", {"CH4"}},
  };
  for (const auto& c : cas) {
    const Scene s = Scene_de(c.Smiles);
    const std::vector<std::string> e = Etiquettes_de(s);
    ASSERT_FALSE(e.empty()) << c.Smiles;
    for (const std::string& t : e)
      EXPECT_NE(std::find(c.Formes.begin(), c.Formes.end(), t), c.Formes.end()) << c.Smiles << " " << t;
  }
  // Phenol's OH is written HO with its anchor on the O when the ring lies to
  // its right, OH anchored on its first letter otherwise.
  for (uint32_t g = 1; g <= 6; ++g) {
    const Scene s = Scene_de("Oc1ccccc1", g);
    for (const Atome& a : s.Atomes)
      if (!a.Etiquette.empty()) {
        const Atome& c = s.Atomes[s.Liaisons[0].A == 0 ? s.Liaisons[0].B : s.Liaisons[0].A];
        EXPECT_EQ(a.Etiquette, c.P.x > a.P.x + 1 ? "HO" : "OH");
        EXPECT_EQ(a.Ancre, a.Etiquette == "HO" ? 1 : 0);
      }
  }
}

TEST(Smiles, TripleEtDoublesHorsCycle) {
  const Scene e = Scene_de("C#C");
  ASSERT_EQ(e.Liaisons.size(), 1u);
  EXPECT_EQ(e.Liaisons[0].Multiplicite, 3);
  const Scene a = Scene_de("CC(=O)O");
  EXPECT_EQ(Liaisons_de(a, 2), 1);
  for (const Liaison& l : a.Liaisons) EXPECT_EQ(l.Cycle, -1);
}

TEST(Smiles, MoleculesRefuseesEtCanonique) {
  const char* refus[] = {"[Fe]", "[13CH4]", "C[N+2]C", "not a smiles", "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC", "[CH3]",
                         ""};
  for (const char* r : refus) {
    Scene s;
    std::string canonique, raison;
    EXPECT_FALSE(Scene_de_smiles(r, 1, Style_jeu::Propre, "x", s, canonique, raison)) << r;
    EXPECT_FALSE(raison.empty()) << r;
  }
  Scene s;
  std::string canonique, raison;
  ASSERT_TRUE(Scene_de_smiles("N[C@@H](C)C(=O)O", 1, Style_jeu::Propre, "x", s, canonique, raison)) << raison;
  EXPECT_EQ(canonique, "CC(N)C(=O)O");
  EXPECT_EQ(Smiles_canonique("C1=CC=CC=C1"), "c1ccccc1");
  EXPECT_EQ(Smiles_canonique("(("), "");
}

TEST(Smiles, DessinEtFichierVerite) {
  Scene s;
  std::string canonique, raison;
  ASSERT_TRUE(Scene_de_smiles("OC1=CC=CC=C1", 3, Style_jeu::Degrade, "degrade3_0000", s, canonique, raison));
  EXPECT_NE(s.Degrade.Bruit, 0);
  Dessin d;
  std::string erreur;
  ASSERT_TRUE(Dessine(s, d, erreur)) << erreur;
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vrix_test_smiles";
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(Ecrit_molecule(d, canonique, dir.string(), "degrade3_0000", erreur)) << erreur;
  std::ifstream f(dir / "degrade3_0000.smi", std::ios::binary);
  std::stringstream texte;
  texte << f.rdbuf();
  EXPECT_EQ(texte.str(), "Oc1ccccc1\tdegrade3_0000\n");
  EXPECT_TRUE(std::filesystem::exists(dir / "degrade3_0000.bmp"));
  std::filesystem::remove_all(dir);
}

TEST(Smiles, ListeEtGraines) {
  std::istringstream l("# comment\n\nc1ccccc1 benzene ring\r\n  CCO\n");
  const std::vector<Molecule_liste> m = Lit_liste_smiles(l);
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0].Smiles, "c1ccccc1");
  EXPECT_EQ(m[0].Nom, "benzene ring");
  EXPECT_EQ(m[1].Smiles, "CCO");
  EXPECT_EQ(m[1].Nom, "");
  EXPECT_NE(Graine_molecule(1, 0), Graine_molecule(1, 1));
  EXPECT_NE(Graine_molecule(1, 0), Graine_molecule(2, 0));
  EXPECT_EQ(Graine_molecule(5, 9), Graine_molecule(5, 9));
}
