#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "outils_test.h"
#include "text/source_symboles.h"
#include "text/symboles_bib.h"
#include "text/traits_zone.h"

namespace {

const std::string DATA = VRIX_SOURCE "/data";

std::string Code(const std::string& source, SorteSymboles sorte) {
  std::istringstream flux(source);
  std::string code;
  ErreurSource erreur;
  EXPECT_TRUE(Code_source_symboles(flux, sorte, code, erreur)) << erreur.Ligne << ": " << erreur.Texte;
  return code;
}

Quadrilatere Trait(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t longueur, int32_t a1, int32_t a2) {
  Quadrilatere q;
  q.x1 = x1, q.y1 = y1, q.x2 = x2, q.y2 = y2, q.x3 = x2, q.y3 = y2 + 1, q.x4 = x1, q.y4 = y1 + 1;
  q.Longueur = longueur, q.Angle1 = a1, q.Angle2 = a2;
  return q;
}

}  // namespace

TEST(SymbolesDefaut, FichiersLivresEgauxASourcesEtCharges) {
  struct Cas {
    const char* nom;
    SorteSymboles sorte;
    int32_t n;
  };
  for (const Cas& c : {Cas{"biqdl", SorteSymboles::Quadrilateres, 66}, Cas{"SymbSimplex", SorteSymboles::Simples, 26},
                       Cas{"SymbCplx", SorteSymboles::Complexes, 68}}) {
    EXPECT_EQ(Lit_fichier(DATA + "/" + c.nom + ".dat"), Code(Lit_fichier(DATA + "/" + c.nom + ".txt"), c.sorte))
        << c.nom;
  }
  ConsoleTexte con;
  Contexte ctx(con, DATA);
  ListeSymbQuads quads;
  ListeSymbSimples simples;
  ListeSymbComplexes complexes;
  EXPECT_EQ(Lit_biqdl(ctx, quads, "biqdl.dat"), 66);
  EXPECT_EQ(Lit_simples(ctx, simples, "SymbSimplex.dat"), 26);
  EXPECT_EQ(Lit_complexes(ctx, complexes, "SymbCplx.dat"), 68);
  EXPECT_TRUE(con.Boites.empty() && con.Log.empty()) << con.Log;

  // The three ways of writing a plus sign, in the source's order.
  const auto plus = Ecritures_biqdl(quads, '+');
  ASSERT_EQ(plus.size(), 3u);
  EXPECT_EQ(plus[0].Horizontaux * 1000 + plus[0].Verticaux * 100 + plus[1].Horizontaux * 10 + plus[2].Verticaux, 1111);
  // Every capital: the one-letter elements and the letters of generic groups.
  for (char c = 'A'; c <= 'Z'; ++c) EXPECT_TRUE(Est_simple(simples, c)) << c;
  EXPECT_FALSE(Est_simple(simples, 'a'));
  for (const char* mot : {"Cl", "Br", "Na", "Si", "OH", "NH", "Me", "Et", "Ph", "CHO", "Ar"})
    EXPECT_TRUE(Est_complexe(complexes, mot)) << mot;
  EXPECT_FALSE(Est_complexe(complexes, "Co"));  // C and a misread o are carbonyl, found again as CO
  for (const SymbComplexe& s : complexes) EXPECT_LE(std::string(s.Mot).size(), 4u) << s.Mot;
}

TEST(SymbolesDefaut, SourcesConvertiesOuRefusees) {
  EXPECT_EQ(Code("# heading\nH 0 2 0 0  # stems\n\nH 1 1 0 0\nx 0 0 1 1\n", SorteSymboles::Quadrilateres),
            "3\n\nH 0 2 0 0\nH 1 1 0 0\nx 0 0 1 1\n");
  EXPECT_EQ(Code("C\n  N   # nitrogen\n", SorteSymboles::Simples), "2\nC\nN\n");
  EXPECT_EQ(Code("Cl\nCOOH\n", SorteSymboles::Complexes), "2\nCl\nCOOH\n");

  const struct {
    std::string source;
    SorteSymboles sorte;
    ErreurSource erreur;
  } fautes[] = {
      {"# nothing\n\n", SorteSymboles::Simples, {0, "no entry"}},
      {"H 0 2 0\n", SorteSymboles::Quadrilateres, {1, "expected a character and four counts"}},
      {"HH 0 2 0 0\n", SorteSymboles::Quadrilateres, {1, "expected a character and four counts"}},
      {"H 0 256 0 0\n", SorteSymboles::Quadrilateres, {1, "a count must be a whole number from 0 to 255"}},
      {"H 0 -1 0 0\n", SorteSymboles::Quadrilateres, {1, "a count must be a whole number from 0 to 255"}},
      {"H 0 2 0 0\nx 0 0 1 1\nH 1 1 0 0\n", SorteSymboles::Quadrilateres,
       {3, "the lines of 'H' do not follow one another"}},
      {"C\nCl\n", SorteSymboles::Simples, {2, "expected one character"}},
      {"C\n\nC\n", SorteSymboles::Simples, {3, "'C' is listed twice"}},
      {"Cl\nC\n", SorteSymboles::Complexes, {2, "expected one word of 2 to 4 characters"}},
      {"COOCH\n", SorteSymboles::Complexes, {1, "expected one word of 2 to 4 characters"}},
      {"Cl Br\n", SorteSymboles::Complexes, {1, "expected one word of 2 to 4 characters"}},
      {"Cl\nN\x01\n", SorteSymboles::Complexes, {2, "characters must be printable"}},
      {std::string("H 0 1 0 0\n\0 0 1 0 0\n", 20), SorteSymboles::Quadrilateres, {2, "characters must be printable"}},
  };
  for (const auto& f : fautes) {
    std::istringstream flux(f.source);
    std::string code = "unchanged";
    ErreurSource erreur;
    EXPECT_FALSE(Code_source_symboles(flux, f.sorte, code, erreur)) << f.source;
    EXPECT_EQ(erreur.Ligne, f.erreur.Ligne) << f.source;
    EXPECT_EQ(erreur.Texte, f.erreur.Texte) << f.source;
    EXPECT_EQ(code, "unchanged");
  }
}

TEST(TraitsZone, DirectionsLongueursEtBoite) {
  // Directions from the two sides' angles: 10 and 170 lie 160 apart, so
  // their mean is (180 - 180) / 2 = 0; 100 and 81 give 90 (90.5 truncated).
  EXPECT_EQ(Direction_trait(Trait(0, 0, 1, 1, 5, 10, 170)), 0);
  EXPECT_EQ(Direction_trait(Trait(0, 0, 1, 1, 5, 100, 81)), 90);
  EXPECT_EQ(Direction_trait(Trait(0, 0, 1, 1, 5, 45, 46)), 45);

  // A zone 40 wide and 20 high at (10,10)-(50,30), SHouL 45, LGMINIQ 0.5, MARGEANGLE 20.
  ListeQuads q;
  q.push_back(Trait(12, 12, 40, 12, 20, 0, 0));    // horizontal, exactly half the width: counts
  q.push_back(Trait(12, 14, 40, 14, 19, 0, 0));    // horizontal, too short
  q.push_back(Trait(20, 11, 20, 28, 10, 90, 90));  // vertical, half the height
  q.push_back(Trait(20, 11, 30, 28, 20, 20, 20));  // 20: first diagonal, measured against the width
  q.push_back(Trait(20, 11, 30, 28, 10, 70, 70));  // 70: first diagonal
  q.push_back(Trait(20, 11, 30, 28, 10, 71, 71));  // 71: vertical
  q.push_back(Trait(20, 11, 30, 28, 10, 110, 110));  // 110: second diagonal
  q.push_back(Trait(20, 11, 30, 28, 10, 44, 44));  // 44 (below SHouL): length against the width, too short
  q.push_back(Trait(20, 11, 60, 28, 40, 0, 0));    // a corner outside the box
  q.push_back(Trait(10, 10, 50, 29, 40, 19, 19));  // box corners included; 19: horizontal
  const CompteTraits c = Compte_traits(q, 10, 10, 50, 30, 45, 0.5, 20);
  EXPECT_EQ(c.Horizontaux, 2);
  EXPECT_EQ(c.Verticaux, 2);
  EXPECT_EQ(c.Diagonales1, 2);
  EXPECT_EQ(c.Diagonales2, 1);

  const SymbQuad juste{'H', 2, 2, 2, 1}, trop{'H', 0, 3, 0, 0};
  EXPECT_TRUE(Ecriture_trouvee(juste, c));
  EXPECT_FALSE(Ecriture_trouvee(trop, c));
}
