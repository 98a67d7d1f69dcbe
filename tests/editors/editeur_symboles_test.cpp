#include <gtest/gtest.h>

#include <filesystem>

#include "editors/editeur_symboles.h"
#include "outils_test.h"

namespace fs = std::filesystem;

namespace {

// "name num/count" as the fields show them.
std::string Champs(const EditeurSymboles& e) { return e.SymbolE + " " + e.numeroE + "/" + e.nbSymbE; }

struct BancSymboles : Banc {
  BancSymboles(const std::string& simples, const std::string& complexes) {
    if (!simples.empty()) Ecrit_fichier(rep.Chemin("SymbSimplex.dat"), simples);
    if (!complexes.empty()) Ecrit_fichier(rep.Chemin("SymbCplx.dat"), complexes);
  }
  std::string Simples() { return Lit_fichier(rep.Chemin("SymbSimplex.dat")); }
  std::string Complexes() { return Lit_fichier(rep.Chemin("SymbCplx.dat")); }
};

}  // namespace

TEST(EditeurSymboles, ChargementParcoursEtSauvegardeTriee) {
  BancSymboles b("2\nO\nC\n", "3\nOH\nCOOH\nCH3\n");
  EditeurSymboles e(b.ctx);
  EXPECT_EQ(Champs(e), " /");
  e.OuvrirMClick();
  // The characters first, then the words, in file order.
  EXPECT_EQ(Champs(e), "O 1/5");
  e.PrecedentBClick();
  EXPECT_EQ(b.con.NbBipsEditeur, 1);
  e.DernierMClick();
  EXPECT_EQ(Champs(e), "CH3 5/5");
  e.SuivantBClick();
  EXPECT_EQ(b.con.NbBipsEditeur, 2);
  b.con.Reponses = {{true, "3"}, {true, "1"}, {true, "0"}, {true, "5"}, {true, "77"}, {false, "4"}};
  for (const char* a : {"OH 3/5", "O 1/5", "O 1/5", "CH3 5/5", "CH3 5/5", "O 1/5"}) {  // "Défaut": empty, 0
    e.niemeMClick();
    EXPECT_EQ(Champs(e), a);
  }
  EXPECT_EQ(b.con.Libelles.front(), "- numero du symbol");

  // "C" renamed "Cl" goes to the complex list; "O" renamed " N " is "N";
  // a name with a blank inside is refused; one added and left empty goes to
  // the simple list as a NUL; a deleted one goes away.
  e.PremierMClick();
  e.SymbolE = " N ";
  e.ValiderBClick();
  e.SuivantBClick();
  e.SymbolE = "Cl";
  e.ValiderBClick();
  e.SymbolE = "C l";
  e.ValiderBClick();
  EXPECT_EQ(b.con.NbBipsEditeur, 3);
  e.AjouterMClick();
  EXPECT_EQ(Champs(e), " 3/6");
  e.SuivantBClick();
  e.SuivantBClick();  // COOH
  e.SupprimerBClick();
  EXPECT_EQ(Champs(e), "OH 4/5");
  e.AjouterMClick();
  e.SymbolE = "Abcdefghijk";  // 9 characters kept
  e.ValiderBClick();

  ASSERT_TRUE(e.SauverQuitterBClick());
  EXPECT_EQ(b.Simples(), std::string("2\n\0\nN\n", 6));
  EXPECT_EQ(b.Complexes(), "4\nAbcdefghi\nCH3\nCl\nOH\n");
  EXPECT_EQ(Champs(e), " 0/0");
  EXPECT_TRUE(e.Symboles.empty());

  // Read back: the NUL character is the empty name, sorted first.
  e.OuvrirMClick();
  EXPECT_EQ(Champs(e), " 1/6");
  e.SuivantBClick();
  EXPECT_EQ(Champs(e), "N 2/6");
  EXPECT_TRUE(b.con.Boites.empty());
}

TEST(EditeurSymboles, ChargementsInterrompus) {
  // Counts that stop the load, with a beep, keeping what was read.
  const struct {
    const char* simples;
    const char* complexes;
    const char* champs;
    int bips;
  } cas[] = {
      {"0\nA\n", "1\nOH\n", " 0/0", 1},
      {"2\nA\nB\n", "x\n", "A 1/2", 1},
      {"2\nA\nB\n", "-1\nOH\n", "A 1/2", 1},
      {"", "1\nOH\n", " 0/0", 1},
      {"9\nA\n", "2\nOH\nNH2", "A 1/3", 0},  // only the names that are there are counted
      {"1\nA\n", "1\nVeryLongWord99\n", "A 1/2", 0},
  };
  for (const auto& c : cas) {
    BancSymboles b(c.simples, c.complexes);
    EditeurSymboles e(b.ctx);
    e.OuvrirMClick();
    EXPECT_EQ(Champs(e), c.champs) << c.simples << "|" << c.complexes;
    EXPECT_EQ(b.con.NbBipsEditeur, c.bips) << c.simples << "|" << c.complexes;
  }
  BancSymboles b("1\nA\n", "1\nVeryLongWord99\n");
  EditeurSymboles e(b.ctx);
  e.OuvrirMClick();
  e.DernierMClick();
  EXPECT_EQ(e.SymbolE, "VeryLongWor");  // 11 characters from a file
}

TEST(EditeurSymboles, SauvegardeQuiNePerdRien) {
  // A complex list never read (the simple list stopped the load) is not
  // overwritten: the save is refused and the window stays open.
  const std::string complexes = "2\nOH\nCH3\n";
  {
    BancSymboles b("0\n", complexes);
    EditeurSymboles e(b.ctx);
    e.OuvrirMClick();
    e.AjouterMClick();
    e.SymbolE = "K";
    e.ValiderBClick();
    EXPECT_FALSE(e.SauverQuitterBClick());
    EXPECT_EQ(b.Complexes(), complexes);
    EXPECT_EQ(b.Simples(), "0\n");
    EXPECT_EQ(Champs(e), "K 1/1");
    // Nothing loaded at all: no save either.
    EditeurSymboles vide(b.ctx);
    EXPECT_FALSE(vide.SauverQuitterBClick());
    EXPECT_EQ(b.Complexes(), complexes);
    EXPECT_EQ(b.con.NbBipsEditeur, 3);
  }
  // Missing files hold nothing to lose: they are written.
  {
    BancSymboles b("1\nK\n", "");
    EditeurSymboles e(b.ctx);
    e.OuvrirMClick();
    EXPECT_TRUE(e.SauverQuitterBClick());
    EXPECT_EQ(b.Simples(), "1\nK\n");
    EXPECT_EQ(b.Complexes(), "0\n");
  }
  // A save that cannot be made (the scratch file of the complex list is a
  // directory): a beep, the window stays open, the old complex list is
  // whole; the next try, once possible, writes both.
  {
    BancSymboles b("2\nO\nC\n", complexes);
    EditeurSymboles e(b.ctx);
    e.OuvrirMClick();
    fs::create_directories(b.rep.Chemin("SymbCplx.dat.tmp/x"));
    EXPECT_FALSE(e.SauverQuitterBClick());
    EXPECT_EQ(b.con.NbBipsEditeur, 1);
    EXPECT_EQ(b.Complexes(), complexes);
    EXPECT_EQ(Champs(e), "C 1/4");  // sorted in place: the first record now holds "C"
    fs::remove_all(b.rep.Chemin("SymbCplx.dat.tmp"));
    EXPECT_TRUE(e.SauverQuitterBClick());
    EXPECT_EQ(b.Simples(), "2\nC\nO\n");
    EXPECT_EQ(b.Complexes(), "2\nCH3\nOH\n");
  }
}
