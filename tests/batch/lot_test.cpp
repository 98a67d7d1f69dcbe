// vrix-batch run as a user runs it: pages, refusals, workers, shares of the
// list, time limits and the messages of a run.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>

#include "image/bmp.h"
#include "images_lept.h"
#include "outils_test.h"

namespace {

struct Execution {
  int Statut = -1;
  std::string Sortie, Erreurs;
};

Execution Execute(const std::string& arguments, const RepertoireTemporaire& rep, const std::string& entree = "") {
  const std::string commande = std::string(VRIX_BATCH) + " " + arguments + " > " + rep.Chemin("out.txt") + " 2> " +
                               rep.Chemin("err.txt") + (entree.empty() ? "" : " < " + entree);
  const int r = std::system(commande.c_str());
  return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, Lit_fichier(rep.Chemin("out.txt")), Lit_fichier(rep.Chemin("err.txt"))};
}

std::vector<std::string> Lignes(const std::string& texte) {
  std::vector<std::string> l;
  std::istringstream flux(texte);
  for (std::string s; std::getline(flux, s);) l.push_back(s);
  return l;
}

// The report's lines without their time, the one field that changes from run to run.
std::vector<std::string> Sans_temps(const std::string& rapport) {
  std::vector<std::string> l = Lignes(rapport);
  for (std::string& s : l) s = std::regex_replace(s, std::regex(",\"ms\":[0-9.]+\\}$"), "}");
  return l;
}

// Every file below the directory, by path relative to it.
std::map<std::string, std::string> Fichiers(const std::string& repertoire) {
  std::map<std::string, std::string> f;
  for (const auto& e : std::filesystem::recursive_directory_iterator(repertoire))
    if (e.is_regular_file()) f[e.path().lexically_relative(repertoire).string()] = Lit_fichier(e.path().string());
  return f;
}

size_t Occurrences(const std::string& texte, const std::string& motif) {
  size_t n = 0;
  for (size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1)) ++n;
  return n;
}

// The vectorisation results less their two header lines (the result's path and the image's name).
std::string Corps(const std::string& vecto) {
  const size_t p = vecto.find('\n', vecto.find('\n') + 1);
  return p == std::string::npos ? "" : vecto.substr(p);
}

const std::string DONNEES = VRIX_SOURCE "/data";
const std::string ECHANTILLONS = VRIX_SOURCE "/samples/";

}  // namespace

TEST(Lot, MessagesDUnLot) {
  RepertoireTemporaire rep;
  std::filesystem::create_directory(rep.Chemin("vide"));
  ASSERT_TRUE(Sauve_plan(rep.Chemin("a.bmp"), Cree_plan(40, 30)));

  // No param.dat: one message naming the directory, nothing run.
  Execution e = Execute("-d " + rep.Chemin("vide") + " -o " + rep.Chemin("r") + " " + rep.Chemin("a.bmp"), rep);
  EXPECT_EQ(e.Statut, 2);
  EXPECT_EQ(e.Erreurs, "vrix-batch: no readable param.dat in " + rep.Chemin("vide") +
                           ": give the working directory with -d\n");
  EXPECT_FALSE(std::filesystem::exists(rep.Chemin("r")));

  // Libraries missing: said once for the run, whatever the number of images;
  // each image whose chain then showed an error box counts as failed.
  const std::string d = rep.Chemin("d");
  std::filesystem::create_directory(d);
  Ecrit_fichier(d + "/param.dat", Param_defaut());
  ASSERT_TRUE(Sauve_plan(rep.Chemin("b.bmp"), Cree_plan(40, 30)));
  e = Execute("-d " + d + " -c representation,zones --rapport - " + rep.Chemin("a.bmp") + " " + rep.Chemin("b.bmp"),
              rep);
  EXPECT_EQ(e.Statut, 1);
  EXPECT_EQ(Occurrences(e.Erreurs, "Ouverture Police de Caractere impossible!"), 1u) << e.Erreurs;
  EXPECT_EQ(Occurrences(e.Erreurs, "Ouverture Biblioteque Caractere impossible!"), 1u);
  EXPECT_NE(e.Erreurs.find("vrix-batch: " + d + "/bimdl.dat: Ouverture Biblioteque Caractere impossible! (needed by "
                           "zones)\n"),
            std::string::npos);
  EXPECT_NE(e.Erreurs.find(rep.Chemin("a.bmp") + ": error ("), std::string::npos);
  EXPECT_NE(e.Erreurs.find(rep.Chemin("b.bmp") + ": error ("), std::string::npos);
  for (const std::string& l : Lignes(e.Sortie))
    EXPECT_NE(l.find("\"status\":\"error\",\"message\":\"Ouverture Biblioteque Caractere impossible!\""),
              std::string::npos)
        << l;
  // The vectorisation alone needs no library; the same file twice would
  // write the same results: the second is refused.
  e = Execute("-d " + d + " -c representation --rapport - " + rep.Chemin("a.bmp") + " " + rep.Chemin("b.bmp"), rep);
  EXPECT_EQ(e.Statut, 0);
  EXPECT_EQ(e.Erreurs.find("impossible"), std::string::npos);
  e = Execute("-d " + d + " -c representation --rapport - " + rep.Chemin("a.bmp") + " " + rep.Chemin("a.bmp"), rep);
  EXPECT_EQ(e.Statut, 1);
  ASSERT_EQ(Lignes(e.Sortie).size(), 2u);
  EXPECT_NE(Lignes(e.Sortie)[1].find("\"status\":\"refused\",\"message\":\"its results would overwrite those of " +
                                     rep.Chemin("a.bmp") + "\""),
            std::string::npos);
  // The font alone for the structure commands.
  e = Execute("-d " + d + " -c representation,redessine,liaisons,polygones,chaines " + rep.Chemin("a.bmp"), rep);
  EXPECT_EQ(e.Erreurs.find("bimdl.dat"), std::string::npos);
  EXPECT_NE(e.Erreurs.find("vrix-batch: " + d + "/police.dat: Ouverture Police de Caractere impossible! (needed by "
                           "redessine)\n"),
            std::string::npos);

  // A threshold missing from param.dat: every box prefixed with the image, the image failed.
  std::string param = Param_defaut();
  param.replace(param.find("#Seuil_penteTQ#"), 15, "#Seuil_autre#");
  Ecrit_fichier(d + "/param.dat", param);
  e = Execute("-d " + d + " -c representation " + rep.Chemin("a.bmp") + " " + rep.Chemin("absent.png"), rep);
  EXPECT_EQ(e.Statut, 1);
  EXPECT_EQ(std::regex_replace(e.Erreurs, std::regex("\\([0-9.]+ ms\\)"), "(T ms)"),
            rep.Chemin("a.bmp") + ": Erreur: Parametre inconnu !\n" + rep.Chemin("a.bmp") + ": error (T ms)\n" +
                rep.Chemin("absent.png") + ": cannot be opened (No such file or directory)\n" +
                rep.Chemin("absent.png") + ": refused (T ms)\n");
}

#ifdef VRIX_LEPTONICA

TEST(Lot, TiffDeDeuxPages) {
  RepertoireTemporaire rep;
  const Pix_test p1 = Pix_echantillon(ECHANTILLONS + "benzene.bmp");
  const Pix_test p2 = Pix_echantillon(ECHANTILLONS + "chaine.bmp");
  ASSERT_EQ(pixWriteTiff(rep.Chemin("doc.tif").c_str(), p1.get(), IFF_TIFF_G4, "w"), 0);
  ASSERT_EQ(pixWriteTiff(rep.Chemin("doc.tif").c_str(), p2.get(), IFF_TIFF_G4, "a"), 0);
  const Execution e = Execute("-d " + DONNEES + " -c representation -o " + rep.Chemin("r") + " --rapport " +
                                  rep.Chemin("r.jsonl") + " " + rep.Chemin("doc.tif"),
                              rep);
  EXPECT_EQ(e.Statut, 0) << e.Erreurs;
  const std::vector<std::string> rapport = Sans_temps(Lit_fichier(rep.Chemin("r.jsonl")));
  ASSERT_EQ(rapport.size(), 2u);
  for (int p = 1; p <= 2; ++p) {
    const std::string sortie = rep.Chemin("r/doc.tif.p" + std::to_string(p));
    EXPECT_EQ(rapport[p - 1].substr(0, rapport[p - 1].find(",\"format\"")),
              "{\"input\":\"" + rep.Chemin("doc.tif") + "\",\"page\":" + std::to_string(p) +
                  ",\"pages\":2,\"output\":\"" + sortie + "\",\"status\":\"ok\",\"message\":\"\"");
    EXPECT_NE(rapport[p - 1].find(p == 1 ? "\"width\":400,\"height\":400,\"resolution\":300"
                                         : "\"width\":700,\"height\":300,\"resolution\":300"),
              std::string::npos);
    EXPECT_NE(e.Erreurs.find(rep.Chemin("doc.tif") + " (page " + std::to_string(p) + "/2): ok ("), std::string::npos);
    // Each page gives what its 1-bit original gives.
    const std::string vecto = Lit_fichier(sortie + ".vecto.vrx");
    EXPECT_EQ(vecto.substr(0, vecto.find('\n')), " - Resultats Vectorisation : " + sortie + ".vecto.vrx - ");
    EXPECT_TRUE(std::filesystem::exists(sortie + ".plan2.bmp"));
  }
  const Execution o = Execute("-d " + DONNEES + " -c representation -o " + rep.Chemin("o") + " " + ECHANTILLONS +
                                  "benzene.bmp " + ECHANTILLONS + "chaine.bmp",
                              rep);
  EXPECT_EQ(o.Statut, 0);
  EXPECT_EQ(Corps(Lit_fichier(rep.Chemin("r/doc.tif.p1.vecto.vrx"))), Corps(Lit_fichier(rep.Chemin("o/benzene.vecto.vrx"))));
  EXPECT_EQ(Corps(Lit_fichier(rep.Chemin("r/doc.tif.p2.vecto.vrx"))), Corps(Lit_fichier(rep.Chemin("o/chaine.vecto.vrx"))));
  EXPECT_GT(Corps(Lit_fichier(rep.Chemin("o/chaine.vecto.vrx"))).size(), 100u);
}

TEST(Lot, FichiersRefusesLesAutresTraites) {
  RepertoireTemporaire rep;
  const std::string d = rep.Chemin("scans");
  std::filesystem::create_directories(d);
  const Pix_test pix = Pix_echantillon(ECHANTILLONS + "benzene.bmp");
  const Pix_test gris = Pix_grise(pix.get(), 150, 230, 0, 6);
  ASSERT_EQ(pixWritePng((d + "/gris.png").c_str(), gris.get(), 0), 0);
  const std::string png = Lit_fichier(d + "/gris.png");
  Ecrit_fichier(d + "/coupe.png", png.substr(0, png.size() * 2 / 3));
  Ecrit_fichier(d + "/texte.tif", "pas une image\n");
  std::filesystem::copy_file(ECHANTILLONS + "chaine.bmp", d + "/z.bmp");
  // The folder walked in path order; a list on standard input adds a file.
  Ecrit_fichier(rep.Chemin("liste"), ECHANTILLONS + "furane.bmp\n");
  const Execution e = Execute("-d " + DONNEES + " -c representation -o " + rep.Chemin("r") + " --rapport - " + d +
                                  " -@ -",
                              rep, rep.Chemin("liste"));
  EXPECT_EQ(e.Statut, 1);
  const std::vector<std::string> rapport = Lignes(e.Sortie);
  ASSERT_EQ(rapport.size(), 5u) << e.Sortie;
  const std::vector<std::tuple<std::string, std::string, std::string>> attendu = {
      {d + "/coupe.png", "refused", "damaged or truncated PNG file"},
      {d + "/gris.png", "ok", ""},
      {d + "/texte.tif", "refused", "not an image (unknown format)"},
      {d + "/z.bmp", "ok", ""},
      {ECHANTILLONS + "furane.bmp", "ok", ""}};
  for (size_t i = 0; i < attendu.size(); ++i) {
    const auto& [entree, statut, message] = attendu[i];
    EXPECT_EQ(rapport[i].substr(0, rapport[i].find(",\"page\"")), "{\"input\":\"" + entree + "\"");
    EXPECT_NE(rapport[i].find("\"status\":\"" + statut + "\",\"message\":\"" + message), std::string::npos)
        << rapport[i];
    if (!message.empty()) EXPECT_NE(e.Erreurs.find(entree + ": " + message), std::string::npos);
  }
  // Every line of standard error names its document or the program: what a
  // decoder writes there is part of the reason, not a line of its own.
  for (const std::string& l : Lignes(e.Erreurs))
    EXPECT_TRUE(l.rfind(d + "/", 0) == 0 || l.rfind(ECHANTILLONS, 0) == 0 || l.rfind("vrix-batch: ", 0) == 0) << l;
  EXPECT_NE(e.Erreurs.find(d + "/coupe.png: damaged or truncated PNG file (libpng error: "), std::string::npos);
  EXPECT_NE(rapport[1].find("\"format\":\"PNG\",\"binarisation\":\"otsu\""), std::string::npos);
  EXPECT_NE(rapport[3].find("\"format\":\"BMP 1 bit\",\"binarisation\":\"\""), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(rep.Chemin("r/gris.png.vecto.vrx")));
  EXPECT_TRUE(std::filesystem::exists(rep.Chemin("r/z.vecto.vrx")));
  EXPECT_TRUE(std::filesystem::exists(rep.Chemin("r/furane.vecto.vrx")));
  EXPECT_FALSE(std::filesystem::exists(rep.Chemin("r/coupe.png.vecto.vrx")));
}

namespace {

// A folder of every kind of input, a sub-folder and a two-page file included.
std::string Dossier_melange(const RepertoireTemporaire& rep) {
  const std::string d = rep.Chemin("lot");
  std::filesystem::create_directories(d + "/sous");
  const Pix_test mol = Pix_echantillon(ECHANTILLONS + "molecule.bmp");
  const Pix_test acide = Pix_echantillon(ECHANTILLONS + "acide_hydroxybenzoique.bmp");
  const Pix_test furane = Pix_echantillon(ECHANTILLONS + "furane.bmp");
  const Pix_test gris = Pix_grise(acide.get(), 120, 235, 60, 8);
  pixWritePng((d + "/acide.png").c_str(), gris.get(), 0);
  pixWriteJpeg((d + "/sous/acide.jpg").c_str(), gris.get(), 85, 0);
  pixWrite((d + "/sous/furane.pgm").c_str(), Pix_grise(furane.get(), 200, 240, 0, 0).get(), IFF_PNM);
  pixWriteTiff((d + "/pages.tif").c_str(), mol.get(), IFF_TIFF_G4, "w");
  pixWriteTiff((d + "/pages.tif").c_str(), furane.get(), IFF_TIFF_G4, "a");
  for (const char* nom : {"pyridine", "naphtalene", "croisement"})
    std::filesystem::copy_file(ECHANTILLONS + nom + ".bmp", d + "/" + nom + ".bmp");
  return d;
}

}  // namespace

TEST(Lot, DeuxTravailleursCommeUn) {
  RepertoireTemporaire rep;
  const std::string d = Dossier_melange(rep);
  const std::string commun = "-d " + DONNEES + " -c representation,zones,redessine,liaisons --graphe -o " +
                             rep.Chemin("r") + " --rapport " + rep.Chemin("r.jsonl") + " " + d;
  Execution e = Execute("-j 1 " + commun, rep);
  ASSERT_EQ(e.Statut, 0) << e.Erreurs;
  const std::map<std::string, std::string> un = Fichiers(rep.Chemin("r"));
  const std::vector<std::string> rapport_un = Sans_temps(Lit_fichier(rep.Chemin("r.jsonl")));
  EXPECT_EQ(un.size(), 8u * 4u);
  ASSERT_EQ(rapport_un.size(), 8u);
  EXPECT_TRUE(un.count("sous/acide.jpg.vrx"));
  EXPECT_TRUE(un.count("pages.tif.p2.graphe.txt"));
  std::filesystem::remove_all(rep.Chemin("r"));
  e = Execute("-j 2 " + commun, rep);
  ASSERT_EQ(e.Statut, 0) << e.Erreurs;
  EXPECT_EQ(Sans_temps(Lit_fichier(rep.Chemin("r.jsonl"))), rapport_un);
  const std::map<std::string, std::string> deux = Fichiers(rep.Chemin("r"));
  ASSERT_EQ(deux.size(), un.size());
  for (const auto& [nom, contenu] : un) EXPECT_TRUE(deux.at(nom) == contenu) << nom;
}

TEST(Lot, PartsDeLaListe) {
  RepertoireTemporaire rep;
  const std::string d = Dossier_melange(rep);
  const std::string commun = "-d " + DONNEES + " -c representation -o " + rep.Chemin("r") + " --rapport - ";
  Execution e = Execute(commun + d, rep);
  ASSERT_EQ(e.Statut, 0) << e.Erreurs;
  const std::vector<std::string> tout = Sans_temps(e.Sortie);
  ASSERT_EQ(tout.size(), 8u);
  // Three machines, three shares of the 7 files (8 documents): joined in share order they
  // give the whole report, each document once.
  std::vector<std::string> joint;
  for (int k = 1; k <= 3; ++k) {
    e = Execute(commun + "--part " + std::to_string(k) + "/3 -j 2 " + d, rep);
    ASSERT_EQ(e.Statut, 0) << e.Erreurs;
    const std::vector<std::string> part = Sans_temps(e.Sortie);
    EXPECT_GE(part.size(), 2u);
    joint.insert(joint.end(), part.begin(), part.end());
  }
  EXPECT_EQ(joint, tout);
  // More shares than files: some are empty, and none fails.
  e = Execute(commun + "--part 1/9 " + d, rep);
  EXPECT_EQ(e.Statut, 0);
  EXPECT_EQ(e.Sortie, "");
  EXPECT_EQ(Execute(commun + "--part 4/3 " + d, rep).Statut, 2);
}

#endif

TEST(Lot, LimiteDeTemps) {
  // Noise of 2000 x 2000 pixels takes the chain many seconds; the limit
  // stops it, removes what it had written before, and the next image runs.
  RepertoireTemporaire rep;
  Plan bruit = Cree_plan(2000, 2000);
  uint32_t graine = 7;
  for (uint8_t& o : bruit.Pixels) {
    graine = graine * 1103515245u + 12345u;
    o = static_cast<uint8_t>(graine >> 16);
  }
  ASSERT_TRUE(Sauve_plan(rep.Chemin("a_bruit.bmp"), bruit));
  std::filesystem::create_directory(rep.Chemin("r"));
  Ecrit_fichier(rep.Chemin("r/a_bruit.vecto.vrx"), "ancien");
  const Execution e = Execute("-d " + DONNEES + " -c representation -j 2 --limite-temps 2 -o " + rep.Chemin("r") +
                                  " --rapport - " + rep.Chemin("a_bruit.bmp") + " " + ECHANTILLONS + "benzene.bmp",
                              rep);
  EXPECT_EQ(e.Statut, 1);
  const std::vector<std::string> rapport = Lignes(e.Sortie);
  ASSERT_EQ(rapport.size(), 2u);
  EXPECT_NE(rapport[0].find("\"status\":\"timeout\",\"message\":\"stopped past the time limit of 2 s\""),
            std::string::npos);
  const double ms = std::stod(rapport[0].substr(rapport[0].find("\"ms\":") + 5));
  EXPECT_GE(ms, 2000);
  EXPECT_LT(ms, 8000);
  EXPECT_NE(rapport[1].find("\"status\":\"ok\""), std::string::npos);
  EXPECT_NE(e.Erreurs.find(rep.Chemin("a_bruit.bmp") + ": stopped past the time limit of 2 s\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(rep.Chemin("r/a_bruit.vecto.vrx")));
  EXPECT_TRUE(std::filesystem::exists(rep.Chemin("r/benzene.vecto.vrx")));

#ifdef VRIX_LEPTONICA
  // The same noise as page 1 of a TIFF file: the page past the limit does not
  // take the file's other page with it.
  const Pix_test p1 = Pix_echantillon(rep.Chemin("a_bruit.bmp"));
  const Pix_test p2 = Pix_echantillon(ECHANTILLONS + "benzene.bmp");
  ASSERT_EQ(pixWriteTiff(rep.Chemin("pages.tif").c_str(), p1.get(), IFF_TIFF_G4, "w"), 0);
  ASSERT_EQ(pixWriteTiff(rep.Chemin("pages.tif").c_str(), p2.get(), IFF_TIFF_G4, "a"), 0);
  const Execution t = Execute("-d " + DONNEES + " -c representation -j 1 --limite-temps 2 -o " + rep.Chemin("r") +
                                  " --rapport - " + rep.Chemin("pages.tif"),
                              rep);
  EXPECT_EQ(t.Statut, 1);
  const std::vector<std::string> pages = Lignes(t.Sortie);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NE(pages[0].find("\"page\":1,\"pages\":2,\"output\":\"\",\"status\":\"timeout\""), std::string::npos);
  EXPECT_NE(pages[1].find("\"page\":2,\"pages\":2,\"output\":\"" + rep.Chemin("r/pages.tif.p2") +
                          "\",\"status\":\"ok\""),
            std::string::npos);
#endif
}
