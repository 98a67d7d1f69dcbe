#include <gtest/gtest.h>

#include <sstream>

#include "console/console_texte.h"

TEST(Console, JournalEtNombres) {
  ConsoleTexte con;
  std::ostringstream copie;
  con.CopieLog = &copie;
  con.Log_Texte(1, "- Nb pixels en x (plan1):");
  con.Log_Nombre(0, 256);
  con.Log_Texte(0, "b");
  con.Log_Nombre(1, -3);
  EXPECT_EQ(con.Log, "\n- Nb pixels en x (plan1): 256 b\n -3 ");
  EXPECT_EQ(copie.str(), con.Log);
  con.Log_Efface();
  EXPECT_EQ(con.Log, "");
  con.Log_Texte(0, "x");
  EXPECT_EQ(con.Log, "x");
}

TEST(Console, BoitesEtSaisie) {
  ConsoleTexte con;
  std::ostringstream boites;
  con.CopieBoites = &boites;
  con.Erreur_Box("Erreur(1)");
  con.Info_Box("Ne traite que les BMP binaires !");
  EXPECT_EQ(con.Boites, (std::vector<Boite>{{"Erreur", "Erreur(1)"}, {"Info...", "Ne traite que les BMP binaires !"}}));
  EXPECT_EQ(boites.str(), "Erreur: Erreur(1)\nInfo...: Ne traite que les BMP binaires !\n");

  con.Reponses = {{false, "9"}, {true, "7"}, {true, ""}};
  std::string t = "3";
  con.Saisie(t, "Quel Type (0,100,200,...,500) ?");
  EXPECT_EQ(t, "3");  // "Défaut" keeps the proposed value
  con.Saisie(t, "x");
  EXPECT_EQ(t, "7");
  con.Saisie(t, "x");
  EXPECT_EQ(t, "");
  con.Saisie(t = "5", "x");  // no answer left: the default stays
  EXPECT_EQ(t, "5");
  EXPECT_EQ(con.Libelles[0], "- Quel Type (0,100,200,...,500) ?");
  EXPECT_EQ(Libelle_saisie(std::string(200, 'a')).size(), 99u);
}

TEST(Console, PauseModeEtProgression) {
  ConsoleTexte con;
  // "Stop" while nothing runs turns into "GO !"; a second click back.
  con.StopP1Click();
  EXPECT_EQ(con.EtatPause, 1);
  con.StopP1Click();
  EXPECT_EQ(con.EtatPause, 0);
  EXPECT_EQ(con.Bip_Pause(), 1);
  EXPECT_EQ(con.NbBips, 1);
  EXPECT_EQ(con.NbPauses, 1);
  EXPECT_EQ(con.EtatPause, 0);

  EXPECT_FALSE(con.EditMain1KeyPress('2'));
  EXPECT_EQ(con.ModeDebug, 0);
  EXPECT_TRUE(con.EditMain1KeyPress('1'));
  EXPECT_EQ(con.ModeDebug, 1);
  EXPECT_FALSE(con.EditMain1KeyPress('a'));
  EXPECT_EQ(con.ModeDebug, 1);
  EXPECT_TRUE(con.EditMain1KeyPress('0'));
  EXPECT_EQ(con.ModeDebug, 0);

  con.Progression_Init(1, 1);
  EXPECT_TRUE(con.Barre.Visible);
  con.Progression_Pas();
  EXPECT_FALSE(con.Barre.Visible);
  EXPECT_EQ(con.Barre.Position, 0);
  con.Progression_Init(1, 3);
  con.Progression_Pas();
  con.Progression_Pas();
  EXPECT_TRUE(con.Barre.Visible);
  EXPECT_EQ(con.Barre.Position, 2);
  con.Progression_Pas();
  EXPECT_FALSE(con.Barre.Visible);
  EXPECT_EQ(con.Barre.Position, 0);
}
