#include <gtest/gtest.h>

#include <sstream>

#include "batch/entrees.h"
#include "outils_test.h"

TEST(Entrees, DossiersParcourusDansLOrdreDesChemins) {
  RepertoireTemporaire rep;
  const std::string d = rep.Chemin("d");
  for (const char* sous : {"sous", "z-sous", "sous/vide"}) std::filesystem::create_directories(d + "/" + sous);
  for (const char* f : {"b.png", "a.TIF", "A.jpg", "notes.txt", "sous/c.bmp", "sous/c.plan2.bmp", "sous/x.PBM",
                        "z-sous/e.pgm", ".bmp"})
    Ecrit_fichier(d + "/" + f, "x");
  std::filesystem::create_directory_symlink(d + "/sous", d + "/lien");
  std::filesystem::create_symlink(d + "/b.png", d + "/lien.png");

  for (const std::string& argument : {d, d + "/"}) {
    std::vector<Entree> entrees;
    std::vector<std::string> erreurs;
    Ajoute_argument(argument, entrees, erreurs);
    Ajoute_argument(rep.Chemin("absent.tif"), entrees, erreurs);
    EXPECT_TRUE(erreurs.empty());
    // Byte order of the whole paths; a linked folder is not walked, a linked file is taken.
    const std::vector<std::pair<std::string, std::string>> attendu = {
        {d + "/A.jpg", ""},         {d + "/a.TIF", ""},           {d + "/b.png", ""},
        {d + "/lien.png", ""},      {d + "/sous/c.bmp", "sous"},  {d + "/sous/x.PBM", "sous"},
        {d + "/z-sous/e.pgm", "z-sous"}, {rep.Chemin("absent.tif"), ""}};
    ASSERT_EQ(entrees.size(), attendu.size()) << argument;
    for (size_t i = 0; i < attendu.size(); ++i) {
      EXPECT_EQ(std::filesystem::path(entrees[i].Chemin).lexically_normal(),
                std::filesystem::path(attendu[i].first).lexically_normal());
      EXPECT_EQ(entrees[i].Relatif, attendu[i].second) << entrees[i].Chemin;
    }
  }

  std::istringstream liste(rep.Chemin("un.png") + "\r\n\n" + d + "/z-sous\n" + rep.Chemin("deux.bmp"));
  std::vector<Entree> entrees;
  std::vector<std::string> erreurs;
  Ajoute_liste(liste, entrees, erreurs);
  ASSERT_EQ(entrees.size(), 3u);
  EXPECT_EQ(entrees[0].Chemin, rep.Chemin("un.png"));
  EXPECT_EQ(entrees[1].Chemin, d + "/z-sous/e.pgm");
  EXPECT_EQ(entrees[2].Chemin, rep.Chemin("deux.bmp"));
}

TEST(Entrees, ExtensionsConnues) {
  for (const char* oui : {"a.bmp", "a.BMP", "a.tif", "a.Tiff", "a.png", "a.jpg", "a.JPEG", "a.pnm", "a.pbm", "a.pgm",
                          "a.ppm", "x.plan2.bmp.png"})
    EXPECT_TRUE(Extension_connue(oui)) << oui;
  for (const char* non : {"a.txt", "a.gif", "a.pdf", "a.bmp.txt", "abmp", ".png", "a.plan2.bmp", "a.PLAN2.BMP", ""})
    EXPECT_FALSE(Extension_connue(non)) << non;
}

TEST(Entrees, PartsCouvrentLaListeUneFois) {
  for (size_t total = 0; total <= 40; ++total) {
    for (int64_t n = 1; n <= 9; ++n) {
      size_t suite = 0;
      for (int64_t k = 1; k <= n; ++k) {
        const auto [debut, fin] = Bornes_part(total, k, n);
        EXPECT_EQ(debut, suite) << total << " " << k << "/" << n;
        EXPECT_LE(fin - debut, total / static_cast<size_t>(n) + 1);
        EXPECT_GE(fin - debut, total / static_cast<size_t>(n));
        suite = fin;
      }
      EXPECT_EQ(suite, total);
    }
  }
  // No overflow on huge lists: 2^62 items, share 3 of 4.
  const auto [d, f] = Bornes_part(size_t{1} << 62, 3, 4);
  EXPECT_EQ(d, size_t{1} << 61);
  EXPECT_EQ(f, size_t{3} << 60);

  int64_t k = 0, n = 0;
  ASSERT_TRUE(Lit_part("2/5", k, n));
  EXPECT_EQ(k, 2);
  EXPECT_EQ(n, 5);
  ASSERT_TRUE(Lit_part("7/7", k, n));
  for (const char* faux : {"", "1", "/2", "1/", "0/3", "4/3", "-1/3", "1/0", "1/2/3", "a/b", "1 /2", "+1/2", "1/2x"})
    EXPECT_FALSE(Lit_part(faux, k, n)) << faux;
}
