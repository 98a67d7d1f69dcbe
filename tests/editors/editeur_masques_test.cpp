#include <gtest/gtest.h>

#include <filesystem>

#include "editors/editeur_masques.h"
#include "outils_test.h"
#include "text/outils_texte.h"
#include "text/police.h"

namespace fs = std::filesystem;

namespace {

std::string Param(int nbindif) { return "#NBINDIF#\n=" + std::to_string(nbindif) + "#\n>\n"; }

// Name, "Num/NbMod", "Utilisation/nbReconu" as the fields show them.
std::string Champs(const EditeurMasques& e) {
  return e.Nom + " " + e.Num + "/" + e.NbMod + " " + e.Utilisation + "/" + e.nbReconu;
}

const std::string BIBLIOTHEQUE = Int32(3) + Int32(40) + Enregistrement("a", 5, Motif(1)) +
                                 Enregistrement("b", 6, Motif(2)) + Enregistrement("phi", 7, Motif(3));

}  // namespace

TEST(EditeurMasques, LectureEntiere) {
  const struct {
    const char* texte;
    int32_t valeur;
  } cas[] = {{"", 0},        {"12", 12},          {"  -7x", -7},         {"+3", 3},
             {"abc", 0},     {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN}, {"4 5", 4}};
  for (const auto& c : cas) EXPECT_EQ(Entier_decimal(c.texte), c.valeur) << c.texte;
  EXPECT_EQ(Tronque_texte("abcd", 3), "abc");
  EXPECT_EQ(Tronque_texte("a\xC3\xA9z", 2), "a");  // no half character
  EXPECT_EQ(Tronque_texte("ab", 3), "ab");
}

TEST(EditeurMasques, OuvertureParcoursEtNommage) {
  Banc b(Param(2));
  Ecrit_fichier(b.rep.Chemin("bimdl.dat"), BIBLIOTHEQUE);
  EditeurMasques e(b.ctx);
  // At creation: a new library of one empty model.
  EXPECT_EQ(e.LimiteIndiff, 2);
  EXPECT_EQ(Champs(e), " 1/1 /");
  EXPECT_EQ(e.ModeEdition, EditeurMasques::EDITION_BIBLIOTHEQUE);

  e.OuvrirClick();
  EXPECT_EQ(Champs(e), "a 1/3 5/40");
  CasesMasque vu;
  Lit_grille(e.Grille, vu);
  EXPECT_EQ(vu, Motif(1));
  e.PrecedentClick();  // at the start: a beep
  EXPECT_EQ(b.con.NbBipsEditeur, 1);
  e.SuivantClick();
  e.SuivantClick();
  EXPECT_EQ(Champs(e), "phi 3/3 7/40");
  e.SuivantClick();
  EXPECT_EQ(b.con.NbBipsEditeur, 2);
  e.PremierClick();
  EXPECT_EQ(e.Num, "1");
  e.DernierClick();
  EXPECT_EQ(e.Num, "3");

  // "n ème": 2 goes there, 1 and below to the first, 3 and beyond to the last.
  b.con.Reponses = {{true, "2"}, {true, "1"}, {true, "3"}, {true, "-4"}, {true, "x"}, {true, "99"}};
  const char* const attendus[] = {"b 2/3 6/40", "a 1/3 5/40", "phi 3/3 7/40",
                                  "a 1/3 5/40", "a 1/3 5/40", "phi 3/3 7/40"};
  for (const char* a : attendus) {
    e.nDeplaceClick();
    EXPECT_EQ(Champs(e), a);
  }
  EXPECT_EQ(b.con.Libelles.front(), "- numero du model");

  // Valider stores the fields and the grid; moving away discards what is
  // not validated.
  e.PremierClick();
  e.Nom = "xyzt";
  e.Utilisation = "12";
  e.nbReconu = "99";
  e.Bouton_case(0);
  e.ValiderClick();
  e.Nom = "zzz";
  e.Bouton_case(1);
  e.SuivantClick();
  e.PrecedentClick();
  EXPECT_EQ(Champs(e), "xyz 1/3 12/99");
  Lit_grille(e.Grille, vu);
  EXPECT_EQ(vu, Inverse(Motif(1), 1));
  EXPECT_EQ(b.ctx.NbTraitements, 99);

  // Effacer clears the grid and the name and use fields, not the model;
  // the clicks after it count the indifferent cells from zero.
  e.EffacerClick();
  EXPECT_EQ(Champs(e), " 1/3 /99");
  for (int k : {10, 10, 11, 11, 12, 12}) e.Bouton_case(k);
  Lit_grille(e.Grille, vu);
  EXPECT_EQ(vu[10] + vu[11] + vu[12], 2 + 2 + 0);
  EXPECT_EQ(e.Grille.NbIndiff, 2);
  EXPECT_EQ(Nom_texte(e.Modeles.front().Nom), "xyz");
}

TEST(EditeurMasques, AjoutSuppressionEtSauvegarde) {
  Banc b(Param(0));
  Ecrit_fichier(b.rep.Chemin("bimdl.dat"), BIBLIOTHEQUE);
  EditeurMasques e(b.ctx);
  e.OuvrirClick();
  // Added after the current model (the first), empty, counter 0.
  e.AjouterClick();
  EXPECT_EQ(Champs(e), " 2/4 /40");
  e.Nom = "c";
  e.Utilisation = "1";
  e.Bouton_case(79);
  e.ValiderClick();
  e.DernierClick();
  e.AjouterClick();  // after the last: it becomes the last
  EXPECT_EQ(e.Num, "5");
  e.SuivantClick();
  EXPECT_EQ(b.con.NbBipsEditeur, 1);
  // Deleting the last moves back; deleting the first keeps number 1.
  e.SupprimerClick();
  EXPECT_EQ(Champs(e), "phi 4/4 7/40");
  e.PremierClick();
  e.SupprimerClick();
  EXPECT_EQ(Champs(e), "c 1/3 1/40");
  e.SuivantClick();
  e.SupprimerClick();  // a middle one: its predecessor is shown
  EXPECT_EQ(Champs(e), "c 1/2 1/40");

  CasesMasque c{};
  c[79] = 1;
  e.FermerClick();
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("bimdl.dat")),
            Int32(2) + Int32(40) + Enregistrement("c", 1, c) + Enregistrement("phi", 7, Motif(3)));
  // After the save: a new library again.
  EXPECT_EQ(Champs(e), " 1/1 /40");
  EXPECT_EQ(e.Modeles.size(), 1u);

  // The only model is never deleted.
  e.SupprimerClick();
  EXPECT_EQ(e.Modeles.size(), 1u);
  EXPECT_EQ(b.con.NbBipsEditeur, 2);
  EXPECT_TRUE(b.con.Boites.empty());
}

TEST(EditeurMasques, EditionDeLaPolice) {
  Banc b(Param(2));
  const std::string police = Int32(2) + Glyphe_octets("N", Motif(1)) + Glyphe_octets("=", Motif(2));
  Ecrit_fichier(b.rep.Chemin("police.dat"), police);
  ASSERT_EQ(Charge_police_initiale(b.ctx), 2);
  EditeurMasques e(b.ctx);

  // Abandon: temp.dat goes, the font stays released, police.dat is untouched.
  e.EditerPoliceClick();
  EXPECT_EQ(e.ModeEdition, EditeurMasques::EDITION_POLICE);
  EXPECT_TRUE(fs::exists(b.rep.Chemin("temp.dat")));
  EXPECT_TRUE(b.ctx.Police.empty());
  EXPECT_EQ(Champs(e), "N 1/2 0/0");
  e.QuitterClick();
  EXPECT_FALSE(fs::exists(b.rep.Chemin("temp.dat")));
  EXPECT_TRUE(b.ctx.Police.empty());
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("police.dat")), police);
  EXPECT_EQ(e.ModeEdition, EditeurMasques::EDITION_BIBLIOTHEQUE);

  // Save: the edited glyph goes to police.dat and the font is reloaded.
  ASSERT_EQ(Charge_police_initiale(b.ctx), 2);
  e.EditerPoliceClick();
  e.SuivantClick();
  e.Nom = "-";
  e.Bouton_case(0);
  e.Bouton_case(0);  // indifferent: written as it is
  e.ValiderClick();
  e.FermerClick();
  CasesMasque moins = Motif(2);
  moins[0] = 2;
  const std::string nouvelle = Int32(2) + Glyphe_octets("N", Motif(1)) + Glyphe_octets("-", moins);
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("police.dat")), nouvelle);
  EXPECT_FALSE(fs::exists(b.rep.Chemin("temp.dat")));
  EXPECT_EQ(b.ctx.NbGlyphes, 2);
  ASSERT_EQ(b.ctx.Police.size(), 2u);
  EXPECT_EQ(b.ctx.Police.back().Masque, moins);
  EXPECT_TRUE(b.con.Boites.empty());

  // A font that could not be loaded: nothing to edit, and "&Fermer" leaves
  // police.dat as it is.
  const std::string abimee = Int32(2) + Glyphe_octets("N", Motif(1)).substr(0, 50);
  Ecrit_fichier(b.rep.Chemin("police.dat"), abimee);
  EXPECT_EQ(Charge_police_initiale(b.ctx), -1);
  e.EditerPoliceClick();
  e.FermerClick();
  EXPECT_EQ(Lit_fichier(b.rep.Chemin("police.dat")), abimee);
  EXPECT_FALSE(fs::exists(b.rep.Chemin("temp.dat")));
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Probleme Lecture Police de Caractere!"},
                                              {"Erreur", "Biblioteque Caractere Vide!"}}));
}

TEST(EditeurMasques, FichierRefuseOuSauvegardeImpossible) {
  Banc b(Param(2));
  const std::string f = b.rep.Chemin("bimdl.dat");
  EditeurMasques e(b.ctx);

  // An unreadable library: reported, the editor holds no model, and
  // "&Fermer" writes nothing over the file.
  const std::string abime = Int32(3).substr(0, 3);
  Ecrit_fichier(f, abime);
  e.OuvrirClick();
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Probleme Lecture Biblioteque Caractere!"}}));
  EXPECT_EQ(Champs(e), " 0/0 /");
  EXPECT_EQ(b.con.NbBipsEditeur, 1);
  e.SuivantClick();
  e.ValiderClick();
  e.SupprimerClick();
  EXPECT_EQ(b.con.NbBipsEditeur, 4);
  e.FermerClick();
  EXPECT_EQ(Lit_fichier(f), abime);
  EXPECT_EQ(Champs(e), " 1/1 /");  // a new library

  // A save that cannot be made (the scratch file is a directory): the error
  // box, the old file byte for byte, and the edits still open.
  Ecrit_fichier(f, BIBLIOTHEQUE);
  e.OuvrirClick();
  e.Nom = "q";
  e.ValiderClick();
  fs::create_directories(f + ".tmp/x");
  b.con.Boites.clear();
  e.FermerClick();
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Sauvegarde Biblioteque Caractere impossible!"}}));
  EXPECT_EQ(Lit_fichier(f), BIBLIOTHEQUE);
  EXPECT_EQ(Champs(e), "q 1/3 5/40");
  fs::remove_all(f + ".tmp");
  e.FermerClick();
  EXPECT_EQ(Lit_fichier(f).substr(8, 4), std::string("q\0\0\0", 4));

  // A working directory that does not exist: nothing can be written, and
  // the font edit stops before releasing the font.
  Ecrit_fichier(b.rep.Chemin("police.dat"), Int32(1) + Glyphe_octets("N", Motif(1)));
  ASSERT_EQ(Charge_police_initiale(b.ctx), 1);
  b.ctx.RepertoireTravail = b.rep.Chemin("absent");
  b.con.Boites.clear();
  e.EditerPoliceClick();
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "conversion Police -> models impossible!"}}));
  EXPECT_EQ(b.ctx.Police.size(), 1u);
  EXPECT_EQ(e.ModeEdition, EditeurMasques::EDITION_BIBLIOTHEQUE);
}
