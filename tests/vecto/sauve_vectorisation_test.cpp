#include <gtest/gtest.h>

#include <filesystem>

#include "image/document.h"
#include "outils_test.h"
#include "vecto/sauve_vectorisation.h"

namespace {


Quadrilatere Quad(int32_t base) {
  Quadrilatere q;
  q.x1 = base, q.y1 = base + 1, q.x2 = base + 2, q.y2 = base + 3;
  q.x3 = base + 4, q.y3 = base + 5, q.x4 = base + 6, q.y4 = base + 7;
  q.Longueur = 3;
  return q;
}

const std::string ENTETE_IMAGE = " - (Image formule.bmp) - \n -===================-\n\n";

}  // namespace

TEST(Sauve_vectorisation, FichierOctetParOctet) {
  Banc b;
  Document doc;
  doc.NomFichier = "/donnees/scans/formule.bmp";
  doc.Vecteurs = {Vecteur_de(10, 20, 13, 24), Vecteur_de(7, 7, 7, 7), Vecteur_de(-1, 0, 30, 40)};
  doc.Quadrilateres = {Quad(100), Separateur(), Quad(200), Separateur(), Quad(300)};
  CompConnexe cc;
  cc.xmin = 1, cc.ymin = 2, cc.xmax = 30, cc.ymax = 44;
  doc.CompConnexes = {cc, cc};
  const std::string chemin = b.rep.Chemin("vecto.vrx");

  ASSERT_TRUE(Sauve_vectorisation(b.con, chemin, doc));
  EXPECT_EQ(Lit_fichier(chemin), " - Resultats Vectorisation : " + chemin + " - \n" + ENTETE_IMAGE +
                                     "\nVecteur 0 : 10,20 - 13,24\n"
                                     "\nVecteur 1 : -1,0 - 30,40\n"
                                     "\nQuadrilatere 0 : (100,101 - 102,103) * (104,105 - 106,107) \n"
                                     "\nQuadrilatere 1 : (200,201 - 202,203) * (204,205 - 206,207) \n"
                                     "\nQuadrilatere 2 : (300,301 - 302,303) * (304,305 - 306,307) \n"
                                     "\nComp. Connexe 0 : 1,2 - 30,44 \n"
                                     "\nComp. Connexe 1 : 1,2 - 30,44 \n");
  EXPECT_EQ(doc.Quadrilateres.size(), 5u);

  // Empty lists: the header alone, and an existing file is emptied first.
  Document vide;
  vide.NomFichier = "C:formule.bmp";
  ASSERT_TRUE(Sauve_vectorisation(b.con, chemin, vide));
  EXPECT_EQ(Lit_fichier(chemin), " - Resultats Vectorisation : " + chemin + " - \n" + ENTETE_IMAGE);
  EXPECT_TRUE(b.con.Boites.empty());
}

TEST(Sauve_vectorisation, FichierImpossible) {
  Banc b;
  Document doc;
  const std::string chemin = b.rep.Chemin("absent/vecto.vrx");
  EXPECT_FALSE(Sauve_vectorisation(b.con, chemin, doc));
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Ouverture " + chemin + " impossible !"}}));
  EXPECT_FALSE(std::filesystem::exists(chemin));
}
