#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "outils_test.h"
#include "text/ecriture_sure.h"

namespace fs = std::filesystem;

TEST(EcritureSure, RemplaceSansRienPerdre) {
  RepertoireTemporaire rep;
  const std::string f = rep.Chemin("liste.dat");

  // Replaced whole, with the old file's permissions, no scratch file left.
  Ecrit_fichier(f, "ancien");
  fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(Remplace_fichier(f, "nouveau"));
  EXPECT_EQ(Lit_fichier(f), "nouveau");
  EXPECT_EQ(fs::status(f).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_FALSE(fs::exists(f + ".tmp"));

  // A link: the file it names is replaced, the link stays.
  const std::string lien = rep.Chemin("lien.dat");
  fs::create_symlink(f, lien);
  ASSERT_TRUE(Remplace_fichier(lien, "par le lien"));
  EXPECT_TRUE(fs::is_symlink(lien));
  EXPECT_EQ(Lit_fichier(f), "par le lien");

  // Where nothing can be written (a directory that does not exist, one that
  // is a file, a target that is a directory): false, nothing changed.
  EXPECT_FALSE(Remplace_fichier(rep.Chemin("absent/liste.dat"), "x"));
  EXPECT_FALSE(Remplace_fichier(f + "/liste.dat", "x"));
  fs::create_directory(rep.Chemin("rep.dat"));
  EXPECT_FALSE(Remplace_fichier(rep.Chemin("rep.dat"), "x"));
  EXPECT_TRUE(fs::is_directory(rep.Chemin("rep.dat")));
  EXPECT_EQ(Lit_fichier(f), "par le lien");

  // A directory that may not be written: the file stays as it was (unless
  // the tests run with the rights to write there anyway).
  const std::string ro = rep.Chemin("ro");
  fs::create_directory(ro);
  Ecrit_fichier(ro + "/liste.dat", "garde");
  fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec);
  const bool ferme = !std::ofstream(ro + "/essai");
  fs::remove(ro + "/essai");
  EXPECT_EQ(Remplace_fichier(ro + "/liste.dat", "x"), !ferme);
  EXPECT_EQ(Lit_fichier(ro + "/liste.dat"), ferme ? "garde" : "x");
  fs::permissions(ro, fs::perms::owner_all);

  // A file that may not be written is refused even in a directory that may
  // be: unless the tests run with the rights to write it anyway.
  fs::permissions(f, fs::perms::owner_read);
  const bool protege = !std::ofstream(f, std::ios::app);
  EXPECT_EQ(Remplace_fichier(f, "force"), !protege);
  EXPECT_EQ(Lit_fichier(f), protege ? "par le lien" : "force");
  EXPECT_FALSE(fs::exists(f + ".tmp"));
}
