#include <gtest/gtest.h>

#include <sstream>

#include "reconnaissance_outils.h"
#include "text/analyse_texte.h"

namespace {

ListeSymbSimples Simples(const std::string& texte) {
  std::istringstream f(texte);
  ListeSymbSimples l;
  Lit_flux_simples(f, l);
  return l;
}

ListeSymbComplexes Complexes(const std::string& texte) {
  std::istringstream f(texte);
  ListeSymbComplexes l;
  Lit_flux_complexes(f, l);
  return l;
}

// The records of one zone, ranked as grouping leaves them.
ListeCC Zone(std::vector<CompConnexe> v, uint16_t zone = 1) {
  ListeCC l;
  uint16_t rang = 0;
  for (CompConnexe& c : v) {
    c.Zone = zone, c.Rang = ++rang;
    l.push_back(c);
  }
  return l;
}

std::string Texte(const ListeCC& l) {
  std::string s;
  for (const CompConnexe& c : l) s += std::string(c.Caractere) + "/" + std::to_string(c.Etat) + " ";
  return s;
}

}  // namespace

TEST(AnalyseTexte, CaracteresSeuls) {
  const ListeSymbSimples S = Simples("5\nO\nN\nK\nB\nb\n");
  const ListeSymbComplexes C = Complexes("1\nCl\n");
  struct Cas {
    CompConnexe z;
    const char* attendu;
    int16_t etat;
  };
  const Cas cas[] = {
      {Lu("O", "Q", 4), "O", 1},
      {Lu("n", "h", 4), "N", 1},   // its capital may stand alone
      {Lu("x", "K", 1), "K", 1},   // its second choice may
      {Lu("x", "k", 1), "K", 1},   // the capital of its second choice may
      {Lu("x", "b", 1), "b", 1},   // the second choice first, then its capital
      {Lu("x", "3", 1), "3", 1},   // a second choice that is no letter is taken
      {Lu("x", "Cl", 1), "Cl", 1},
      {Lu("x", "z", 1), "x", -2},  // nothing fits: a problem
      {Lu("3", "x", 4), "3", 1},   // no letter: recognised as it is
      {Lu("", "", -2), "", 1},
  };
  for (const Cas& k : cas) {
    ListeCC l = Zone({k.z});
    Analyse_texte(l, S, C);
    EXPECT_STREQ(l.front().Caractere, k.attendu) << k.z.Caractere << "/" << k.z.Proche;
    EXPECT_EQ(l.front().Etat, k.etat) << k.z.Caractere << "/" << k.z.Proche;
    // A capitalised small letter keeps its class.
    EXPECT_EQ(l.front().Classe, Classe_nom(std::string(k.z.Caractere) == "x" ? k.z.Proche : k.z.Caractere));
  }
}

TEST(AnalyseTexte, MotsDeLaListeComplexe) {
  const ListeSymbSimples S = Simples("3\nC\nO\nH\n");
  const ListeSymbComplexes C = Complexes("4\nCl\nOH\nCOOH\nPh\n");
  // Two small letters: the word is spelt with the first one's capital,
  // which it then takes (class unchanged).
  ListeCC l = Zone({Lu("c", "e", 4), Lu("l", "1", 2)});
  Analyse_texte(l, S, C);
  EXPECT_EQ(Texte(l), "C/1 l/1 ");
  EXPECT_EQ(l.front().Classe, 2);

  // "On" is no word; swapping the worse record (state 4) gives "OH".
  l = Zone({Lu("O", "Q", 1), Lu("n", "H", 4)});
  Analyse_texte(l, S, C);
  EXPECT_EQ(Texte(l), "O/1 H/1 ");

  // Two records: the worse (state 5) swapped first ("Pn"), then the other
  // ("Rh" would be spelt).
  l = Zone({Lu("p", "r", 1), Lu("h", "n", 5)});
  Analyse_texte(l, S, Complexes("2\nRh\nPn\n"));
  EXPECT_EQ(Texte(l), "P/1 n/1 ");
  // Three: the worst W (state 5), then the middle M (3), then the best B (1).
  l = Zone({Lu("p", "r", 1), Lu("h", "n", 5), Lu("o", "a", 3)});
  Analyse_texte(l, S, Complexes("3\nRho\nPha\nPno\n"));
  EXPECT_EQ(Texte(l), "P/1 n/1 o/1 ");
  l = Zone({Lu("p", "r", 1), Lu("h", "n", 5), Lu("o", "a", 3)});
  Analyse_texte(l, S, Complexes("2\nRho\nPha\n"));
  EXPECT_EQ(Texte(l), "P/1 h/1 a/1 ");

  // A window is a record and the small letters after it: "Oo" fails with
  // every combination, so O, o (capitalised) and H stand alone.
  l = Zone({Lu("C", "G", 1), Lu("O", "Q", 1), Lu("o", "O", 4), Lu("H", "N", 1)});
  Analyse_texte(l, S, C);
  EXPECT_EQ(Texte(l), "C/1 O/1 O/1 H/1 ");

  // Four records ranked by decreasing state (o 4, o 3, h 2, C 1): the pairs
  // fail, the first triple (all but C) spells "COOH".
  l = Zone({Lu("C", "G", 1), Lu("o", "O", 4), Lu("o", "O", 3), Lu("h", "H", 2)});
  Analyse_texte(l, S, Complexes("1\nCOOH\n"));
  EXPECT_EQ(Texte(l), "C/1 O/1 O/1 H/1 ");

  // A word of five records is never tried.
  l = Zone({Lu("C", "G", 1), Lu("o", "O", 1), Lu("o", "O", 1), Lu("o", "O", 1), Lu("o", "O", 1)});
  Analyse_texte(l, S, Complexes("1\nCoooo\n"));
  EXPECT_EQ(Texte(l), "C/1 O/1 O/1 O/1 O/1 ");

  // Windows stop at the end of their zone.
  l = Zone({Lu("c", "e", 1), Lu("l", "1", 1)}, 1);
  l.splice(l.end(), Zone({Lu("l", "1", 1)}, 2));
  Analyse_texte(l, Simples("1\nl\n"), C);
  EXPECT_EQ(Texte(l), "C/1 l/1 l/1 ");
}

TEST(AnalyseTexte, ComposeMot) {
  CompConnexe a = Lu("c", "", 1), b = Lu("O", "", 1), c = Lu("l", "", 1), d = Lu("3", "", 1);
  EXPECT_EQ(Compose_mot({&a, &b, &c}), "COl");
  EXPECT_EQ(Compose_mot({&b, &a}), "Oc");
  EXPECT_EQ(Compose_mot({&a, &d}), "");
}
