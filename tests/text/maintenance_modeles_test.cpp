#include <gtest/gtest.h>

#include <filesystem>

#include "outils_test.h"
#include "outils_texte.h"
#include "text/maintenance_modeles.h"

namespace {

std::string Param_nbindif(int n) { return "#NBINDIF#\n=" + std::to_string(n) + "#\n"; }

// The mask with the given cells made indifferent.
CasesMasque Indifferent(CasesMasque m, std::initializer_list<int> cases) {
  for (int k : cases) m[k] = 2;
  return m;
}

}  // namespace

TEST(Fusion, DepuisLeFichierOuLaListe) {
  const CasesMasque b3 = Motif(3), b6 = Motif(6), b2 = Motif(2);
  struct Cas {
    int nbindif;
    ListeModeles liste;
    std::string attendu;  // after the count and NbTraitements 17
  };
  const std::vector<Modele> aAa = {Modele_de("a", b3, 4), Modele_de("A", b3, 1), Modele_de("a", Inverse(b3, 3, 10), 6)};
  const Cas cas[] = {
      // a and A never merge; the two a differ in 3 cells, over NBINDIF 2.
      {3, {aAa.begin(), aAa.end()}, Enregistrement("a", 10, Indifferent(b3, {10, 11, 12})) + Enregistrement("A", 1, b3)},
      {2, {aAa.begin(), aAa.end()}, Enregistrement("a", 4, b3) + Enregistrement("A", 1, b3) +
                                        Enregistrement("a", 6, Inverse(b3, 3, 10))},
      // Three close models end in one: the second merge counts the cell the
      // first made indifferent, 1 + 1 <= 2.
      {2, {Modele_de("x", b6, 1), Modele_de("x", Inverse(b6, 1, 0), 2), Modele_de("x", Inverse(b6, 1, 1), 3)},
       Enregistrement("x", 6, Indifferent(b6, {0, 1}))},
      // The nearer third merges first (2 cells); the second is then 3 + 2 away.
      {4, {Modele_de("Cl", b2, 0), Modele_de("Cl", Inverse(b2, 3, 20), 0), Modele_de("Cl", Inverse(b2, 2, 40), 0)},
       Enregistrement("Cl", 0, Indifferent(b2, {40, 41})) + Enregistrement("Cl", 0, Inverse(b2, 3, 20))},
  };
  for (const Cas& c : cas) {
    const std::string attendu = Int32(static_cast<int32_t>(c.attendu.size() / 88)) + Int32(17) + c.attendu;
    // "&Fusionner" loads bimdl.dat itself; the end of training hands its list.
    Banc f(Param_nbindif(c.nbindif)), l(Param_nbindif(c.nbindif));
    Ecrit_fichier(f.rep.Chemin("bimdl.dat"), Code_bibliotheque(c.liste, 3, 17));
    ListeModeles vide, liste = c.liste;
    Fusionne_modeles(f.ctx, vide, 0);
    l.ctx.NbTraitements = 17;
    Fusionne_modeles(l.ctx, liste, 3);
    EXPECT_TRUE(liste.empty());
    EXPECT_EQ(Lit_fichier(f.rep.Chemin("bimdl.dat")), attendu) << &c - cas;
    EXPECT_EQ(Lit_fichier(l.rep.Chemin("bimdl.dat")), attendu) << &c - cas;
    EXPECT_TRUE(f.con.Boites.empty() && l.con.Boites.empty());
  }
  Banc absent(Param_nbindif(4));  // nothing to load: nothing written
  ListeModeles rien;
  Fusionne_modeles(absent.ctx, rien, 0);
  EXPECT_FALSE(std::filesystem::exists(absent.rep.Chemin("bimdl.dat")));
  EXPECT_EQ(absent.con.Boites.size(), 1u);
}

TEST(Oubli, DeuxFoisDeSuite) {
  Banc b;
  const std::string fichier = Int32(3) + Int32(50) + Enregistrement("a", 0, Motif(1)) +
                              Enregistrement("b", 7, Motif(2)) + Enregistrement("c", 0, Motif(3));
  Ecrit_fichier(b.rep.Chemin("bimdl.dat"), fichier);
  b.ctx.NbTraitements = 99;
  Oublie_modeles(b.ctx);  // the unused first and last go
  EXPECT_EQ(b.ctx.NbTraitements, 0);
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")), Int32(1) + Int32(0) + Enregistrement("b", 0, Motif(2)));
  Oublie_modeles(b.ctx);  // nothing recognised in between: every model goes
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")), Int32(0) + Int32(0));
  EXPECT_TRUE(b.con.Boites.empty());
  Oublie_modeles(b.ctx);  // an empty library is refused and left as it is
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Biblioteque Caractere Vide!"}}));
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")), Int32(0) + Int32(0));
}

TEST(ChangeUtilisation, CompteursRemplaces) {
  Banc b;
  EXPECT_EQ(Change_utilisation(b.ctx, 1, 2), -1);
  Ecrit_fichier(b.rep.Chemin("bimdl.dat"),
                Int32(2) + Int32(-7) + Enregistrement("a", 3, Motif(1)) + Enregistrement("b", 8, Motif(2)));
  EXPECT_EQ(Change_utilisation(b.ctx, 5, 12), -7);  // the former count
  EXPECT_EQ(b.ctx.NbTraitements, 12);
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")),
            Int32(2) + Int32(12) + Enregistrement("a", 5, Motif(1)) + Enregistrement("b", 5, Motif(2)));
}
