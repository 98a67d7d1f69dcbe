#include <gtest/gtest.h>

#include <vector>

#include "image/document.h"
#include "outils_test.h"
#include "vecto/nettoyage.h"

namespace {


CompConnexe Composante(int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax) {
  CompConnexe cc;
  cc.xmin = xmin, cc.ymin = ymin, cc.xmax = xmax, cc.ymax = ymax;
  return cc;
}

}  // namespace

TEST(Nettoyage, PetitesComposantesEtVecteursCourts) {
  Document doc;
  doc.CompConnexes = {Composante(10, 10, 12, 12),   // a 3 x 3 dot: removed
                      Composante(20, 20, 25, 22),   // xmax - xmin = 5: stays
                      Composante(30, 30, 34, 31),   // 5 pixels across but xmax - xmin = 4: removed
                      Composante(40, 40, 60, 43)};  // wide: stays
  doc.Vecteurs = {Vecteur_de(10, 10, 12, 12),   // inside the dot, bounds included
                  Vecteur_de(11, 11, 40, 11),   // one end outside: kept, long
                  Vecteur_de(20, 20, 25, 20),   // inside a component that stays, length 5
                  Vecteur_de(30, 30, 30, 31),   // inside the second removed box
                  Vecteur_de(50, 50, 53, 50),   // length 3, shorter than 5
                  Vecteur_de(10, 20, 13, 24)};  // length exactly 5: kept
  Nettoyage(doc, 5);

  std::vector<int32_t> boites, vecteurs;
  for (const auto& cc : doc.CompConnexes) boites.push_back(cc.xmin);
  for (const auto& v : doc.Vecteurs) vecteurs.push_back(v.x1);
  EXPECT_EQ(boites, (std::vector<int32_t>{20, 40}));
  EXPECT_EQ(vecteurs, (std::vector<int32_t>{11, 20, 10}));

  // The length limit is the argument; the 5 of the boxes is not.
  Nettoyage(doc, 30);
  EXPECT_EQ(doc.Vecteurs.size(), 0u);
  EXPECT_EQ(doc.CompConnexes.size(), 2u);
}
