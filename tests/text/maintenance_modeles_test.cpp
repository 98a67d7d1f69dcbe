#include <gtest/gtest.h>

#include "outils_test.h"
#include "outils_texte.h"
#include "text/maintenance_modeles.h"

namespace {

std::string Param_nbindif(int n) { return "#NBINDIF#\n=" + std::to_string(n) + "#\n"; }

}  // namespace

TEST(Fusion, DeuxModelesAvecNbindifTroisOuDeux) {
  const CasesMasque base = Motif(3);
  const CasesMasque trois = Inverse(base, 3, 10);  // differs in cells 10, 11, 12
  const std::string fichier = Int32(3) + Int32(17) + Enregistrement("a", 4, base) +
                              Enregistrement("A", 1, base) + Enregistrement("a", 6, trois);
  CasesMasque fusion = base;
  fusion[10] = fusion[11] = fusion[12] = 2;

  for (int nbindif : {3, 2}) {
    Banc b(Param_nbindif(nbindif));
    Ecrit_fichier(b.rep.Chemin("bimdl.dat"), fichier);
    ListeModeles vide;
    Fusionne_modeles(b.ctx, vide, 0);  // "&Fusionner": loads the file itself
    EXPECT_TRUE(b.con.Boites.empty());
    const std::string attendu =
        nbindif == 3 ? Int32(2) + Int32(17) + Enregistrement("a", 10, fusion) + Enregistrement("A", 1, base)
                     : fichier;  // a and A never merge; 3 differing cells exceed 2
    EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")), attendu) << nbindif;
  }
}

TEST(Fusion, TroisModelesProchesFinissentEnUn) {
  Banc b(Param_nbindif(2));
  const CasesMasque base = Motif(6);
  ListeModeles l(3);
  for (Modele& m : l) Copie_nom(m.Nom, "x");
  auto m = l.begin();
  m->Masque = base, m->Utilisation = 1;
  (++m)->Masque = Inverse(base, 1, 0), m->Utilisation = 2;  // 1 cell from the first
  (++m)->Masque = Inverse(base, 1, 1), m->Utilisation = 3;  // 1 cell from the first, 2 from the second
  // First merge: distance 1, no indifferent cell. Second: distance 1 plus
  // the cell made indifferent by the first, 2 <= 2.
  Fusionne_modeles(b.ctx, l, 3);
  EXPECT_TRUE(l.empty());
  CasesMasque fusion = base;
  fusion[0] = fusion[1] = 2;
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")), Int32(1) + Int32(0) + Enregistrement("x", 6, fusion));
}

TEST(Fusion, LePlusProcheDabordEtBibliothequeAbsente) {
  Banc b(Param_nbindif(4));
  const CasesMasque base = Motif(2);
  ListeModeles l(3);
  for (Modele& m : l) Copie_nom(m.Nom, "Cl");
  auto m = l.begin();
  m->Masque = base;
  (++m)->Masque = Inverse(base, 3, 20);
  (++m)->Masque = Inverse(base, 2, 40);
  // The nearer third merges first (2 cells); the second is then 3 + 2 away.
  Fusionne_modeles(b.ctx, l, 3);
  CasesMasque fusion = base;
  fusion[40] = fusion[41] = 2;
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")),
            Int32(2) + Int32(0) + Enregistrement("Cl", 0, fusion) + Enregistrement("Cl", 0, Inverse(base, 3, 20)));

  Banc absent(Param_nbindif(4));
  ListeModeles rien;
  Fusionne_modeles(absent.ctx, rien, 0);
  EXPECT_EQ(absent.con.Boites, (std::vector<Boite>{{"Erreur", "Ouverture Biblioteque Caractere impossible!"}}));
}

TEST(Oubli, DeuxFoisDeSuite) {
  Banc b;
  const CasesMasque m1 = Motif(1), m2 = Motif(2), m3 = Motif(3);
  Ecrit_fichier(b.rep.Chemin("bimdl.dat"), Int32(3) + Int32(50) + Enregistrement("a", 0, m1) +
                                               Enregistrement("b", 7, m2) + Enregistrement("c", 0, m3));
  b.ctx.NbTraitements = 99;
  Oublie_modeles(b.ctx);  // the first and last models go
  EXPECT_EQ(b.ctx.NbTraitements, 0);
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")), Int32(1) + Int32(0) + Enregistrement("b", 0, m2));
  Oublie_modeles(b.ctx);  // nothing was recognised in between: every model goes
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")), Int32(0) + Int32(0));
  EXPECT_TRUE(b.con.Boites.empty());
  Oublie_modeles(b.ctx);
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Biblioteque Caractere Vide!"}}));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")), Int32(0) + Int32(0));
}

TEST(ChangeUtilisation, CompteursRemplaces) {
  Banc b;
  EXPECT_EQ(Change_utilisation(b.ctx, 1, 2), -1);
  EXPECT_FALSE(b.con.Boites.empty());
  const CasesMasque m1 = Motif(1), m2 = Motif(2);
  Ecrit_fichier(b.rep.Chemin("bimdl.dat"),
                Int32(2) + Int32(31) + Enregistrement("a", 3, m1) + Enregistrement("b", 8, m2));
  EXPECT_EQ(Change_utilisation(b.ctx, 5, 12), 31);
  EXPECT_EQ(b.ctx.NbTraitements, 12);
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")),
            Int32(2) + Int32(12) + Enregistrement("a", 5, m1) + Enregistrement("b", 5, m2));
}
