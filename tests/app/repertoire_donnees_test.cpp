#include <gtest/gtest.h>

#include "app/repertoire_donnees.h"
#include "outils_test.h"

TEST(RepertoireDonnees, LeDepartSAlParametresSinonLInstalle) {
  RepertoireTemporaire depart, installe, vide;
  Ecrit_fichier(installe.Chemin("param.dat"), ">\n");
  std::string explication = "x";
  // Nothing here, the installed directory has its param.dat: that one, said.
  EXPECT_EQ(Repertoire_donnees(depart.Texte(), installe.Texte(), explication), installe.Texte());
  EXPECT_EQ(explication, "Donnees : " + installe.Texte() + " (pas de param.dat dans " + depart.Texte() + ")");
  // Neither holds one, or no installed directory: the start directory, silently.
  EXPECT_EQ(Repertoire_donnees(depart.Texte(), vide.Texte(), explication), depart.Texte());
  EXPECT_EQ(explication, "");
  EXPECT_EQ(Repertoire_donnees(depart.Texte(), "", explication), depart.Texte());
  // The start directory holds one: nothing changes.
  Ecrit_fichier(depart.Chemin("param.dat"), ">\n");
  EXPECT_EQ(Repertoire_donnees(depart.Texte(), installe.Texte(), explication), depart.Texte());
  EXPECT_EQ(explication, "");
}
