#include <gtest/gtest.h>

#include "batch/commandes.h"
#include "batch/sorties.h"

TEST(Batch, RacineDesSorties) {
  const std::tuple<const char*, const char*, const char*> cas[] = {
      {"x.bmp", "", "x"},
      {"d/x.bmp", "", "d/x"},
      {"/a/b/x.BMP", "", "/a/b/x"},
      {"a.Bmp", "r", "r/a"},
      {"d/a.bmp", "r/", "r/a"},
      {"d/a.png", "r", "r/a.png"},
      {"d.bmp/a", "", "d.bmp/a"},
      {"c:\\x.bmp", "", "c:\\x"},
      {".bmp", "", ""},
  };
  for (const auto& [image, sortie, attendu] : cas) EXPECT_EQ(Racine_sortie(image, sortie), attendu) << image;
}

TEST(Batch, ListesDeCommandes) {
  std::vector<const Commande_batch*> c;
  std::string inconnu;
  ASSERT_TRUE(Lit_commandes("representation,zones,representation", c, inconnu));
  ASSERT_EQ(c.size(), 3u);
  EXPECT_STREQ(c[0]->Nom, "representation");
  EXPECT_STREQ(c[1]->Nom, "zones");
  EXPECT_TRUE(c[1]->Analyse && !c[0]->Analyse);
  for (const char* faux : {"", "zones,", ",zones", "zones,,representation", "Zones", "zones totale"}) {
    EXPECT_FALSE(Lit_commandes(faux, c, inconnu)) << faux;
  }
  EXPECT_FALSE(Lit_commandes("representation,totales,x", c, inconnu));
  EXPECT_EQ(inconnu, "totales");
  EXPECT_EQ(Noms_commandes(), "representation, zones, redessine, liaisons, polygones, chaines, totale");
}
