#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

#include "outils_test.h"
#include "text/symboles_bib.h"

namespace {

std::vector<std::string> Textes(const auto& quads) {
  std::vector<std::string> t;
  for (const SymbQuad& q : quads) {
    t.emplace_back(1, q.Caractere);
    for (int v : {q.Horizontaux, q.Verticaux, q.Diagonales1, q.Diagonales2}) (t.back() += ' ') += std::to_string(v);
  }
  return t;
}

// Loads into a list of one entry; on failure the list must be emptied.
template <class Liste, int32_t (*Lit)(Contexte&, Liste&, const std::string&)>
int32_t Charge(Contexte& ctx, const std::string& nom) {
  Liste l(1);
  const int32_t n = Lit(ctx, l, nom);
  EXPECT_EQ(static_cast<int32_t>(l.size()), std::max(n, 0)) << nom;
  return n;
}

}  // namespace

TEST(Symboles, Contenus) {
  Banc b;
  Ecrit_fichier(b.rep.Chemin("biqdl.dat"), "5\n\nA 1 0 1 1\nA 2 0 1 1\nH 1 2 0 0\n  A\t0 0 3 3\n\nN -1 256 +2 0\n");
  Ecrit_fichier(b.rep.Chemin("SymbSimplex.dat"), "3\nN\nO\n \n  S\n");
  Ecrit_fichier(b.rep.Chemin("SymbCplx.dat"), "4\nCl\nOH\n\nCOOH  NaCl123456789\n");
  ListeSymbQuads q;
  ListeSymbSimples s;
  ListeSymbComplexes c;
  ASSERT_EQ(Lit_biqdl(b.ctx, q, "biqdl.dat"), 5);
  ASSERT_EQ(Lit_simples(b.ctx, s, "SymbSimplex.dat"), 3);
  ASSERT_EQ(Lit_complexes(b.ctx, c, "SymbCplx.dat"), 4);
  // Counts keep their low 8 bits.
  EXPECT_EQ(Textes(q), (std::vector<std::string>{"A 1 0 1 1", "A 2 0 1 1", "H 1 2 0 0", "A 0 0 3 3", "N 255 0 2 0"}));
  // The consecutive lines of A are its ways of writing; the later one is not.
  EXPECT_EQ(Textes(Ecritures_biqdl(q, 'A')), (std::vector<std::string>{"A 1 0 1 1", "A 2 0 1 1"}));
  EXPECT_EQ(Textes(Ecritures_biqdl(q, 'N')), (std::vector<std::string>{"N 255 0 2 0"}));
  EXPECT_TRUE(Ecritures_biqdl(q, 'O').empty());
  for (char x : {'N', 'O', 'S'}) EXPECT_TRUE(Est_simple(s, x)) << x;
  for (char x : {'n', ' ', 'C'}) EXPECT_FALSE(Est_simple(s, x)) << x;
  // Case counts; a word beyond 11 characters keeps its first 11.
  for (const char* w : {"Cl", "OH", "COOH", "NaCl1234567"}) EXPECT_TRUE(Est_complexe(c, w)) << w;
  for (const char* w : {"cl", "C", "COO", "NaCl123456789", ""}) EXPECT_FALSE(Est_complexe(c, w)) << w;
}

TEST(Symboles, AbsentsVidesIllisiblesIncomplets) {
  struct Bib {
    const char *fichier, *nom;  // nom: the word of its messages
    int32_t (*charge)(Contexte&, const std::string&);
    std::string entrees;  // three complete entries
  };
  const Bib bibs[] = {
      {"biqdl.dat", "Quadrilateres", Charge<ListeSymbQuads, Lit_biqdl>, "A 1 0 0 0\nB 1 1 0 0\nC 0 0 1 1\n"},
      {"SymbSimplex.dat", "Simples", Charge<ListeSymbSimples, Lit_simples>, "N\nO\nS\n"},
      {"SymbCplx.dat", "Complexes", Charge<ListeSymbComplexes, Lit_complexes>, "Cl\nOH\nNa\n"},
  };
  for (const Bib& bib : bibs) {
    const std::string nom = bib.nom, probleme = "Probleme Lecture Biblioteque Symboles " + nom + "!",
                      vide = "Biblioteque Symboles " + nom + " Vide!",
                      incomplete = "\nBiblioteque Symboles " + nom + " incomplete, entrees lues : ";
    // Content (none: no file), result, box, log.
    const std::tuple<std::optional<std::string>, int32_t, std::string, std::string> cas[] = {
        {std::nullopt, -1, "Ouverture Biblioteque Symboles " + nom + " impossible!", ""},
        {"", -1, probleme, ""},
        {"x\n3\n", -1, probleme, ""},
        {"99999999999\n", -1, probleme, ""},  // beyond 32 bits
        {"0\n" + bib.entrees, -1, vide, ""},
        {"-2\n", -1, vide, ""},
        {"3\n" + bib.entrees, 3, "", ""},
        {" 2\n" + bib.entrees, 2, "", ""},  // entries beyond the count are not read
        {"5\n" + bib.entrees, 3, "", incomplete + "3 / 5 "},
        {"2147483647\n", 0, "", incomplete + "0 / 2147483647 "},
    };
    for (const auto& [contenu, resultat, boite, log] : cas) {
      SCOPED_TRACE(std::string(bib.fichier) + " [" + contenu.value_or("no file") + "]");
      Banc b;
      if (contenu) Ecrit_fichier(b.rep.Chemin(bib.fichier), *contenu);
      EXPECT_EQ(bib.charge(b.ctx, bib.fichier), resultat);
      EXPECT_EQ(b.con.Boites, (boite.empty() ? std::vector<Boite>{} : std::vector<Boite>{{"Erreur", boite}}));
      EXPECT_EQ(b.con.Log, log);
    }
  }
  // An entry of biqdl.dat cut short ends the reading there.
  Banc b;
  Ecrit_fichier(b.rep.Chemin("biqdl.dat"), "3\nA 1 0 0 0\nB 1 x 0 0\nC 0 0 1 1\n");
  EXPECT_EQ((Charge<ListeSymbQuads, Lit_biqdl>(b.ctx, "biqdl.dat")), 1);
  EXPECT_EQ(b.con.Log, "\nBiblioteque Symboles Quadrilateres incomplete, entrees lues : 1 / 3 ");
}
