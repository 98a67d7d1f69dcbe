#include <gtest/gtest.h>

#include "outils_test.h"
#include "text/symboles_bib.h"

namespace {

std::string Texte(const SymbQuad& q) {
  return std::string(1, q.Caractere) + " " + std::to_string(q.Horizontaux) + " " + std::to_string(q.Verticaux) +
         " " + std::to_string(q.Diagonales1) + " " + std::to_string(q.Diagonales2);
}

}  // namespace

TEST(Symboles, Biqdl) {
  Banc b;
  Ecrit_fichier(b.rep.Chemin("biqdl.dat"),
                "5\n\nA 1 0 1 1\nA 2 0 1 1\nH 1 2 0 0\n  A\t0 0 3 3\n\nN -1 256 +2 0\n");
  ListeSymbQuads l;
  ASSERT_EQ(Lit_biqdl(b.ctx, l, "biqdl.dat"), 5);
  std::vector<std::string> lus;
  for (const SymbQuad& q : l) lus.push_back(Texte(q));
  EXPECT_EQ(lus, (std::vector<std::string>{"A 1 0 1 1", "A 2 0 1 1", "H 1 2 0 0", "A 0 0 3 3", "N 255 0 2 0"}));
  // The two consecutive lines of A are its ways of writing; the third is never reached.
  std::vector<std::string> a;
  for (const SymbQuad& q : Ecritures_biqdl(l, 'A')) a.push_back(Texte(q));
  EXPECT_EQ(a, (std::vector<std::string>{"A 1 0 1 1", "A 2 0 1 1"}));
  EXPECT_EQ(Ecritures_biqdl(l, 'N').size(), 1u);
  EXPECT_TRUE(Ecritures_biqdl(l, 'O').empty());
  EXPECT_TRUE(b.con.Boites.empty());
  EXPECT_EQ(b.con.Log, "");
  Libere_biqdl(l);
  EXPECT_TRUE(l.empty());
}

TEST(Symboles, SimplesEtComplexes) {
  Banc b;
  Ecrit_fichier(b.rep.Chemin("SymbSimplex.dat"), "3\nN\nO\n \n  S\n");
  Ecrit_fichier(b.rep.Chemin("SymbCplx.dat"), "4\nCl\nOH\n\nCOOH  NaCl123456789\n");
  ListeSymbSimples s;
  ListeSymbComplexes c;
  ASSERT_EQ(Lit_simples(b.ctx, s, "SymbSimplex.dat"), 3);
  ASSERT_EQ(Lit_complexes(b.ctx, c, "SymbCplx.dat"), 4);
  for (char x : {'N', 'O', 'S'}) EXPECT_TRUE(Est_simple(s, x)) << x;
  for (char x : {'n', ' ', 'C'}) EXPECT_FALSE(Est_simple(s, x)) << x;
  for (const char* w : {"Cl", "OH", "COOH", "NaCl1234567"}) EXPECT_TRUE(Est_complexe(c, w)) << w;
  // Case counts; a word beyond 11 characters keeps its first 11.
  for (const char* w : {"cl", "C", "COO", "NaCl123456789", ""}) EXPECT_FALSE(Est_complexe(c, w)) << w;
  EXPECT_TRUE(b.con.Boites.empty());
}

TEST(Symboles, VidesIllisiblesAbsentsIncomplets) {
  struct Bib {
    const char* fichier;
    const char* nom;  // the words of its messages
    int32_t (*lit)(Contexte&, const std::string&);
    const char* entrees;  // three complete entries
  };
  const Bib bibs[] = {
      {"biqdl.dat", "Quadrilateres",
       [](Contexte& ctx, const std::string& n) {
         ListeSymbQuads l(1);
         const int32_t r = Lit_biqdl(ctx, l, n);
         EXPECT_EQ(l.size(), static_cast<size_t>(std::max(r, 0)));
         return r;
       },
       "A 1 0 0 0\nB 1 1 0 0\nC 0 0 1 1\n"},
      {"SymbSimplex.dat", "Simples",
       [](Contexte& ctx, const std::string& n) {
         ListeSymbSimples l(1);
         const int32_t r = Lit_simples(ctx, l, n);
         EXPECT_EQ(l.size(), static_cast<size_t>(std::max(r, 0)));
         return r;
       },
       "N\nO\nS\n"},
      {"SymbCplx.dat", "Complexes",
       [](Contexte& ctx, const std::string& n) {
         ListeSymbComplexes l(1);
         const int32_t r = Lit_complexes(ctx, l, n);
         EXPECT_EQ(l.size(), static_cast<size_t>(std::max(r, 0)));
         return r;
       },
       "Cl\nOH\nNa\n"},
  };
  for (const Bib& bib : bibs) {
    const std::string nom = bib.nom;
    struct Cas {
      std::string contenu;  // nullopt-like: "\x01" for no file
      int32_t resultat;
      std::string boite, log;
    };
    const Cas cas[] = {
        {"\x01", -1, "Ouverture Biblioteque Symboles " + nom + " impossible!", ""},
        {"", -1, "Probleme Lecture Biblioteque Symboles " + nom + "!", ""},
        {"x\n3\n", -1, "Probleme Lecture Biblioteque Symboles " + nom + "!", ""},
        {"99999999999\n", -1, "Probleme Lecture Biblioteque Symboles " + nom + "!", ""},
        {"0\n" + std::string(bib.entrees), -1, "Biblioteque Symboles " + nom + " Vide!", ""},
        {"-2\n", -1, "Biblioteque Symboles " + nom + " Vide!", ""},
        {"3\n" + std::string(bib.entrees), 3, "", ""},
        {" 2\n" + std::string(bib.entrees), 2, "", ""},  // entries beyond the count are not read
        {"5\n" + std::string(bib.entrees), 3, "",
         "\nBiblioteque Symboles " + nom + " incomplete, entrees lues : 3 / 5 "},
        {"2147483647\n", 0, "", "\nBiblioteque Symboles " + nom + " incomplete, entrees lues : 0 / 2147483647 "},
    };
    for (const Cas& c : cas) {
      Banc b;
      if (c.contenu != "\x01") Ecrit_fichier(b.rep.Chemin(bib.fichier), c.contenu);
      EXPECT_EQ(bib.lit(b.ctx, bib.fichier), c.resultat) << bib.fichier << " [" << c.contenu << "]";
      const std::vector<Boite> boites =
          c.boite.empty() ? std::vector<Boite>{} : std::vector<Boite>{{"Erreur", c.boite}};
      EXPECT_EQ(b.con.Boites, boites)
          << bib.fichier << " [" << c.contenu << "]";
      EXPECT_EQ(b.con.Log, c.log) << bib.fichier << " [" << c.contenu << "]";
    }
  }
  // An entry of biqdl.dat cut short ends the reading there.
  Banc b;
  Ecrit_fichier(b.rep.Chemin("biqdl.dat"), "3\nA 1 0 0 0\nB 1 x 0 0\nC 0 0 1 1\n");
  ListeSymbQuads l;
  EXPECT_EQ(Lit_biqdl(b.ctx, l, "biqdl.dat"), 1);
  EXPECT_EQ(b.con.Log, "\nBiblioteque Symboles Quadrilateres incomplete, entrees lues : 1 / 3 ");
}
