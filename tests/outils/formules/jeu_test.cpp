// The random sets of labelled formulas: made from the seed alone, every
// formula labelled, the style's scale kept, the labels' ink inside the image.
#include <gtest/gtest.h>

#include <cmath>

#include "environnement.h"
#include "outils/formules/jeu.h"

TEST(JeuFormules, GraineStyleEtEtiquettes) {
  Style_jeu style;
  EXPECT_TRUE(Lit_style("reel", style) && style == Style_jeu::Reel);
  EXPECT_FALSE(Lit_style("sale", style));

  const std::vector<Scene> a = Jeu_formules(5, 12, Style_jeu::Propre, "p5");
  const std::vector<Scene> b = Jeu_formules(5, 12, Style_jeu::Propre, "p5");
  const std::vector<Scene> c = Jeu_formules(6, 12, Style_jeu::Propre, "p6");
  ASSERT_EQ(a.size(), 12u);
  EXPECT_EQ(a[0].Nom, "p5_0000");
  EXPECT_EQ(a[11].Nom, "p5_0011");
  bool differe = false;
  for (size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(a[i].Atomes.size(), b[i].Atomes.size());
    for (size_t k = 0; k < a[i].Atomes.size(); ++k) {
      EXPECT_EQ(a[i].Atomes[k].Etiquette, b[i].Atomes[k].Etiquette);
      EXPECT_EQ(a[i].Atomes[k].P.x, b[i].Atomes[k].P.x);
    }
    differe = differe || a[i].Atomes.size() != c[i].Atomes.size() || a[i].Epaisseur != c[i].Epaisseur;
    int labels = 0;
    for (const Atome& x : a[i].Atomes) {
      labels += !x.Etiquette.empty();
      if (!x.Etiquette.empty()) EXPECT_TRUE(x.Hauteur >= 24 && x.Hauteur <= 40) << x.Hauteur;
    }
    EXPECT_GE(labels, 1) << a[i].Nom;
    EXPECT_EQ(a[i].Degrade.Bruit, 0.0);
  }
  EXPECT_TRUE(differe);

  // The patent scale: thin strokes, small labels, noise; every label drawn
  // whole inside the image.
  for (const Scene& s : Jeu_formules(7, 6, Style_jeu::Reel, "r7")) {
    EXPECT_TRUE(s.Epaisseur >= 2 && s.Epaisseur <= 4) << s.Epaisseur;
    const Dessin d = Dessin_de(s);
    ASSERT_FALSE(d.V.Etiquettes.empty());
    for (const Etiquette_v& e : d.V.Etiquettes) {
      EXPECT_TRUE(e.Xmin > 1 && e.Ymin > 1 && e.Xmax < s.Largeur - 1 && e.Ymax < s.Hauteur - 1) << s.Nom << " " << e.Texte;
      EXPECT_LE(e.Ymax - e.Ymin, 40) << s.Nom << " " << e.Texte;
    }
  }
}
