#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

#include "image/bmp.h"
#include "outils_test.h"

namespace {

int Lance(const std::string& arguments, const RepertoireTemporaire& rep) {
  const std::string commande = std::string(VRIX_BATCH) + " " + arguments + " > " + rep.Chemin("out") +
                               " 2> " + rep.Chemin("err");
  const int r = std::system(commande.c_str());
  return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

}  // namespace

TEST(Batch, StatutsEtMessages) {
  Banc b(Param_defaut());
  ASSERT_TRUE(Sauve_plan(b.rep.Chemin("a.bmp"), Cree_plan(20, 12)));
  Ecrit_fichier(b.rep.Chemin("faux.bmp"), "BM rien");

  EXPECT_EQ(Lance("", b.rep), 2);
  EXPECT_EQ(Lance("-x " + b.rep.Chemin("a.bmp"), b.rep), 2);
  EXPECT_EQ(Lance("-d", b.rep), 2);
  EXPECT_EQ(Lance("--help", b.rep), 0);
  EXPECT_NE(Lit_fichier(b.rep.Chemin("out")).find("usage: vrix-batch"), std::string::npos);

  EXPECT_EQ(Lance("-d " + b.rep.Texte() + " -c representation " + b.rep.Chemin("faux.bmp") + " " +
                      b.rep.Chemin("a.bmp"),
                  b.rep),
            1);
  EXPECT_NE(Lit_fichier(b.rep.Chemin("err")).find("Erreur: Fichier BMP erroné !"), std::string::npos);
  // The readable image was still processed, its results beside it.
  const std::string resultats = Lit_fichier(b.rep.Chemin("a.vecto.vrx"));
  EXPECT_EQ(resultats.substr(0, resultats.find('\n')),
            " - Resultats Vectorisation : " + b.rep.Chemin("a.vecto.vrx") + " - ");
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("a.plan2.bmp")).size(), Lit_fichier(b.rep.Chemin("a.bmp")).size());
  EXPECT_NE(Lit_fichier(b.rep.Chemin("err")).find("a.bmp: ok ("), std::string::npos);

  // With -o the outputs go to that directory, named after the image.
  std::filesystem::create_directory(b.rep.Chemin("res"));
  EXPECT_EQ(Lance("-d " + b.rep.Texte() + " -o " + b.rep.Chemin("res") + " -c representation " + b.rep.Chemin("a.bmp"),
                  b.rep),
            0);
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("res/a.vecto.vrx")),
            " - Resultats Vectorisation : " + b.rep.Chemin("res") + "/a.vecto.vrx - \n - (Image a.bmp) - \n"
            " -===================-\n\n");
  EXPECT_FALSE(std::filesystem::exists(b.rep.Chemin("res/a.vrx")));
  EXPECT_EQ(Lance("-c representation,bidon " + b.rep.Chemin("a.bmp"), b.rep), 2);
  EXPECT_NE(Lit_fichier(b.rep.Chemin("err")).find("unknown command \"bidon\" (commands: representation, zones"),
            std::string::npos);
}

TEST(Batch, ZonesTexteEcritLeFichierDeSymboles) {
  // On a sample with labels, into a result directory that does not exist yet:
  // the three files, the symbols file naming the result and the image as given.
  RepertoireTemporaire rep;
  const std::string image = VRIX_SOURCE "/samples/acide_hydroxybenzoique.bmp";
  const std::string sortie = rep.Chemin("r/s");
  EXPECT_EQ(Lance("-d " VRIX_SOURCE "/data -o " + sortie + " -c representation,zones " + image, rep), 0);
  EXPECT_FALSE(std::filesystem::exists(sortie + "/acide_hydroxybenzoique.graphe.txt"));
  const std::string vrx = Lit_fichier(sortie + "/acide_hydroxybenzoique.vrx");
  EXPECT_EQ(vrx.substr(0, vrx.find("\n#Texte#")),
            " - Fichier Resultats : " + sortie + "/acide_hydroxybenzoique.vrx - \n - (Image " + image +
                ") - \n -===================-\n\n");
  EXPECT_NE(vrx.find("\n#Texte#\nNom="), std::string::npos);
  EXPECT_FALSE(Lit_fichier(sortie + "/acide_hydroxybenzoique.vecto.vrx").empty());
  EXPECT_FALSE(Lit_fichier(sortie + "/acide_hydroxybenzoique.plan2.bmp").empty());
  EXPECT_EQ(Lit_fichier(rep.Chemin("err")), "");

  // The graph and the bonds: the symbols follow the text, and the dump of
  // the graph is written when asked.
  EXPECT_EQ(Lance("-d " VRIX_SOURCE "/data -o " + sortie + " --graphe -c representation,zones,redessine,liaisons " +
                      image,
                  rep),
            0);
  const std::string avec = Lit_fichier(sortie + "/acide_hydroxybenzoique.vrx");
  EXPECT_EQ(avec.substr(0, vrx.size()), vrx);
  EXPECT_NE(avec.find("#Symbole#", vrx.size()), std::string::npos);
  const std::string graphe = Lit_fichier(sortie + "/acide_hydroxybenzoique.graphe.txt");
  EXPECT_NE(graphe.find("\n-\n"), std::string::npos);
}

TEST(Batch, TotaleParDefautUneFoisParImage) {
  RepertoireTemporaire rep;
  const std::string image = VRIX_SOURCE "/samples/benzene.bmp";
  const std::string sortie = rep.Chemin("r");
  // The default chain: rings with their symbols in the symbols file.
  EXPECT_EQ(Lance("-d " VRIX_SOURCE "/data -o " + sortie + " " + image, rep), 0);
  const std::string totale = Lit_fichier(sortie + "/benzene.vrx");
  EXPECT_NE(totale.find("\n#Symbole#\nNom=Polygone\nNbSommets=6\n"), std::string::npos);
  // After "Représentation" the chain "Totale" runs nothing: the
  // vectorisation's lists, and a symbols file holding its header only.
  EXPECT_EQ(Lance("-d " VRIX_SOURCE "/data -o " + sortie + " -c representation,totale " + image, rep), 0);
  EXPECT_EQ(Lit_fichier(sortie + "/benzene.vrx"), " - Fichier Resultats : " + sortie + "/benzene.vrx - \n - (Image " +
                                                      image + ") - \n -===================-\n\n");
}

#ifdef VRIX_RDKIT
TEST(Batch, MoleculeEnMolfileEtSmiles) {
  // --mol and --smiles: NAME.mol titled with the image's name, NAME.smi with
  // its one line, the same line on standard output; without them, neither file.
  RepertoireTemporaire rep;
  const std::string sortie = rep.Chemin("m");
  EXPECT_EQ(Lance("-d " VRIX_SOURCE "/data -o " + sortie + " --mol --smiles " VRIX_SOURCE "/samples/benzene.bmp", rep), 0);
  const std::string smi = Lit_fichier(sortie + "/benzene.smi");
  EXPECT_EQ(smi, "c1ccccc1\tbenzene\t" + smi.substr(smi.size() - 5));
  EXPECT_EQ(Lit_fichier(rep.Chemin("out")), smi);
  const std::string mol = Lit_fichier(sortie + "/benzene.mol");
  EXPECT_EQ(mol.substr(0, 8), "benzene\n");
  EXPECT_NE(mol.find("V2000"), std::string::npos);
  EXPECT_NE(mol.find("M  END"), std::string::npos);

  EXPECT_EQ(Lance("-d " VRIX_SOURCE "/data -o " + sortie + " -c representation --smiles " VRIX_SOURCE
                  "/samples/chaine.bmp",
                  rep),
            0);
  EXPECT_TRUE(std::filesystem::exists(sortie + "/chaine.smi"));
  EXPECT_FALSE(std::filesystem::exists(sortie + "/chaine.mol"));
}
#endif
