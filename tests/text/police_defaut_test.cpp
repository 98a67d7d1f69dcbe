#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "display/trace_texte.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "text/police.h"
#include "text/source_police.h"

namespace {

const std::string DATA = VRIX_SOURCE "/data";

ListePolice Source_defaut() {
  std::ifstream f(DATA + "/police.txt");
  ListePolice police;
  ErreurSource erreur;
  EXPECT_TRUE(Lit_source_police(f, police, erreur)) << erreur.Ligne << ": " << erreur.Texte;
  return police;
}

}  // namespace

TEST(PoliceDefaut, FichierLivreEgalASaSource) {
  const ListePolice source = Source_defaut();  // what genere_police reads
  std::string noms;
  for (const Glyphe& g : source) noms += std::string(Nom_texte(g.Nom)) + " ";
  EXPECT_EQ(noms,
            "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z a b c d e f g h i j k l m n o p q r s t u v w x y z "
            "0 1 2 3 4 5 6 7 8 9 + - = ( ) [ ] , . : ; / * # ' phi @ ");

  // Start-up from data/: no box, every glyph, the very bytes genere_police writes.
  ConsoleTexte con;
  Contexte ctx(con, DATA);
  ASSERT_EQ(Charge_police_initiale(ctx), 79);
  EXPECT_TRUE(con.Boites.empty());
  EXPECT_EQ(Code_police(ctx.Police, 79), Code_police(source, 79));
  EXPECT_EQ(Lit_fichier(DATA + "/police.dat"), Code_police(source, 79));

  // "P6" at (3, 2): the two glyphs' ink, 9 pixels apart, and nothing else.
  Plan p = Plan_blanc(40, 16);
  Trace_texte(ctx.Police, p, 3, 2, "P6", 1);
  Pixels encre;
  for (const auto& [nom, x] : {std::pair{"P", 3}, std::pair{"6", 12}})
    for (const Glyphe& g : source)
      if (Nom_texte(g.Nom) == nom)
        for (int k = 0; k < NB_CASES; ++k)
          if (g.Masque[k]) encre.insert({x + k % 8, 2 + k / 8});
  EXPECT_TRUE(encre.contains({3, 2}) && encre.contains({12, 5}));  // P's top-left corner, 6's bar
  EXPECT_EQ(Pixels_encre(p), encre);
}

TEST(PoliceDefaut, SourcesFautives) {
  std::string rangs;  // a whole mask, 9 characters a row
  for (int i = 0; i < 10; ++i) rangs += "#......#\n";
  const std::pair<std::string, ErreurSource> cas[] = {
      {"", {0, "no glyph"}},
      {"// only a comment\n\n", {0, "no glyph"}},
      {"#.......\n", {1, "header \"@ NAME\" expected"}},
      {"@ \n" + rangs, {1, "glyph name of 1 to 3 characters expected"}},
      {"@ abcd\n" + rangs, {1, "glyph name of 1 to 3 characters expected"}},
      {"@ a b\n" + rangs, {1, "glyph name \"a b\": printable characters, no blank"}},
      {"@ x\n" + rangs.substr(0, 18) + "#......\n", {4, "mask row 3 of glyph \"x\": 8 characters '#' or '.' expected"}},
      {"@ x\n" + rangs.substr(0, 27), {5, "glyph \"x\" ends after 3 of its 10 mask rows"}},
      {"@ x\r\n" + rangs + "\n@ x\n" + rangs, {13, "glyph \"x\" already defined line 1"}},
  };
  for (const auto& [texte, attendue] : cas) {
    std::istringstream flux(texte);
    ListePolice police(2);
    ErreurSource erreur;
    EXPECT_FALSE(Lit_source_police(flux, police, erreur)) << texte;
    EXPECT_EQ(std::pair(erreur.Ligne, erreur.Texte), std::pair(attendue.Ligne, attendue.Texte)) << texte;
    EXPECT_EQ(police.size(), 2u) << texte;
  }
}
