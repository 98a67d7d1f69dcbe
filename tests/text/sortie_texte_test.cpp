#include <gtest/gtest.h>

#include <filesystem>

#include "image/document.h"
#include "outils_test.h"
#include "outils_texte.h"
#include "samples/dessin.h"
#include "text/compare_car.h"
#include "text/info_zone.h"
#include "text/modeles.h"
#include "text/sauve_texte.h"

namespace {

CompConnexe Zone(const char* nom, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax, uint16_t zone,
                 uint16_t rang) {
  CompConnexe c;
  c.xmin = xmin, c.ymin = ymin, c.xmax = xmax, c.ymax = ymax;
  Copie_nom(c.Caractere, nom);
  c.Classe = Classe_nom(nom);
  c.Etat = 1;
  c.Zone = zone, c.Rang = rang;
  return c;
}

const char* const ENTETE =
    " - Fichier Resultats : R/x.vrx - \n"
    " - (Image d/x.bmp) - \n"
    " -===================-\n\n";

}  // namespace

TEST(SauveTexte, EnteteEtBlocsOctetPourOctet) {
  RepertoireTemporaire rep;
  Document doc;
  doc.NomFichier = "d/x.bmp";
  // Without a grouping the file holds the header only.
  doc.ZonesTexte.push_back(Zone("C", 10, 10, 20, 30, 0, 0));
  EXPECT_EQ(Texte_resultats("R/x.vrx", doc), ENTETE);

  // Zone 1 "COO"; zone 2 emptied by linking writes nothing; zone 3 "OH"
  // joined by linking to an O further left, listed after its H: written
  // left to right, corners from the O and the H.
  doc.ZonesTexte.clear();
  doc.ZonesTexte.push_back(Zone("C", 10, 10, 20, 30, 1, 1));
  doc.ZonesTexte.push_back(Zone("O", 22, 11, 32, 31, 1, 2));
  doc.ZonesTexte.push_back(Zone("O", 34, 12, 44, 29, 1, 3));
  doc.ZonesTexte.push_back(Zone("H", 60, 10, 80, 40, 3, 1));
  doc.ZonesTexte.push_back(Zone("O", 30, 12, 50, 42, 3, 1));
  doc.ZonesTexte.push_back(Zone("Cl", 5, 5, 9, 9, 4, 1));  // beyond NbZones
  doc.NbZones = 3;
  const std::string attendu = std::string(ENTETE) +
                              "\n#Texte#\nNom=COO\nNbSommets=2\nSommets=(10,10) (44,29) \nCommentaire=\n"
                              "\n#Texte#\nNom=OH\nNbSommets=2\nSommets=(30,12) (80,40) \nCommentaire=\n";
  EXPECT_EQ(Texte_resultats("R/x.vrx", doc), attendu);

  const std::string chemin = rep.Chemin("x.vrx");
  Ecrit_fichier(chemin, "ancien contenu bien plus long que le nouveau, qui le remplace entierement" +
                            std::string(2000, '.'));
  ASSERT_TRUE(Sauve_texte(chemin, doc));
  std::string lu = Lit_fichier(chemin);
  EXPECT_EQ(lu, Texte_resultats(chemin, doc));
  EXPECT_EQ(lu.substr(0, 23 + chemin.size()), " - Fichier Resultats : " + chemin);

  // A file that cannot be created: false, nothing written anywhere.
  EXPECT_FALSE(Sauve_texte(rep.Chemin("absent/x.vrx"), doc));
  EXPECT_FALSE(std::filesystem::exists(rep.Chemin("absent")));
}

namespace {

// A document whose Plan 1 holds a filled 16 x 20 block at (20, 20), taken as
// one text zone recognised as "I" with "l" second.
struct Clic {
  explicit Clic(const std::string& param) : b(param) {
    Plan p = Plan_blanc(80, 60);
    Rectangle_plein(p, 20, 20, 35, 39);
    Installe_plan(doc, std::move(p));
    CompConnexe z = Zone("I", 20, 20, 36, 40, 1, 1);
    Copie_nom(z.Proche, "l");
    z.Taux = 3, z.Taux2 = 5, z.NumModele = 1, z.NumProche = 2, z.Etat = 4;
    doc.ZonesTexte.push_back(z);
  }
  void Repond(std::initializer_list<const char*> r) {
    for (const char* t : r) b.con.Reponses.push_back({true, t});
  }
  Banc b;
  Document doc;
  CompConnexe& zone() { return doc.ZonesTexte.front(); }
};

const char* const PARAM = "#SEUILMASK#\n=2#\n#NBINDIF#\n=0#\n>\n";

const char* const LIGNES =
    "\nInformations sur cette zone texte\nCoordonnees de la zone\n(20,20)-(36,40)\nZone:1-1"
    "\nMajuscule : 1\netat: Grand Doute\nCaractere: I\nTaux != : 3\nProche de: l\nTaux2 != : 5";

}  // namespace

TEST(InfoZone, LignesQuestionsEtCorrectionParNom) {
  Clic c(PARAM);
  // Outside every zone: the log is cleared, nothing asked.
  c.b.con.Log = "avant";
  Info_zone(c.b.ctx, c.doc, 19, 30);
  EXPECT_EQ(c.b.con.Log, "");
  EXPECT_TRUE(c.b.con.Libelles.empty());

  // Satisfied (the default): the fields stay, the lines stay in the log.
  Info_zone(c.b.ctx, c.doc, 36, 40);
  EXPECT_EQ(c.b.con.Log, LIGNES);
  EXPECT_EQ(c.zone().Etat, 4);

  // "n", then anything but "o", then a name: the zone takes its first three
  // characters, recognised, the former choice kept as second.
  c.b.con.Libelles.clear();
  c.Repond({"non", "n", "Brome"});
  Info_zone(c.b.ctx, c.doc, 20, 20);
  EXPECT_EQ(c.b.con.Libelles,
            (std::vector<std::string>{"- satisfait? [o/n]", "- ajouter a la base? [o/n] ", "- nom du caracter"}));
  EXPECT_STREQ(c.zone().Caractere, "Bro");
  EXPECT_STREQ(c.zone().Proche, "I");
  EXPECT_EQ(c.zone().Classe, 5);
  EXPECT_EQ(c.zone().Etat, 1);
  EXPECT_EQ(c.zone().Taux, 0);
  EXPECT_EQ(c.zone().Taux2, 3);
  EXPECT_EQ(c.zone().NumModele, 2);
  EXPECT_EQ(c.b.con.Log, "");
  EXPECT_FALSE(std::filesystem::exists(c.b.rep.Chemin("bimdl.dat")));
}

TEST(InfoZone, ApprentissageAjouteUnModeleLisible) {
  Clic c(PARAM);
  ListeModeles l{Modele_de("A", Motif(3), 7), Modele_de("B", Motif(5), 2)};
  const std::string bib = c.b.rep.Chemin("bimdl.dat");
  Ecrit_fichier(bib, Code_bibliotheque(l, 2, 40));

  // "n", "o", then the model's name: the library grows by the zone's mask
  // (all ink) named "H" after its last model, and the zone is named "H".
  c.Repond({"n", "o", "H"});
  Info_zone(c.b.ctx, c.doc, 30, 30);
  EXPECT_STREQ(c.zone().Caractere, "H");
  EXPECT_EQ(c.zone().Etat, 1);
  ListeModeles lue;
  ASSERT_EQ(Lit_modeles(c.b.ctx, lue, "bimdl.dat"), 3);
  ASSERT_EQ(lue.size(), 3u);
  EXPECT_STREQ(lue.back().Nom, "H");
  CasesMasque plein;
  plein.fill(1);
  EXPECT_EQ(lue.back().Masque, plein);
  EXPECT_EQ(lue.back().Utilisation, 1);
  EXPECT_TRUE(c.b.con.Boites.empty());

  // The library cannot be read: one error box, the zone keeps its swapped
  // choices and nothing is written.
  Clic d(PARAM);
  Ecrit_fichier(d.b.rep.Chemin("bimdl.dat"), "abc");
  d.Repond({"n", "o"});
  Info_zone(d.b.ctx, d.doc, 30, 30);
  EXPECT_EQ(d.b.con.Boites.size(), 1u);
  EXPECT_STREQ(d.zone().Caractere, "l");
  EXPECT_EQ(d.zone().Etat, 4);
  EXPECT_EQ(Lit_fichier(d.b.rep.Chemin("bimdl.dat")), "abc");
}
