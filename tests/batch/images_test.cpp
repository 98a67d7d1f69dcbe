// The scan formats through the project's opening of a page: the planes, the
// resolution, the binarised strokes against the 1-bit originals, the refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "app/chaines.h"
#include "batch/lecture_images.h"
#include "batch/ouverture.h"
#include "image/bmp.h"
#include "image/document.h"
#include "images_lept.h"
#include "outils_test.h"

#ifdef VRIX_LEPTONICA

namespace {

const std::string ECHANTILLONS = VRIX_SOURCE "/samples/";

// param.dat with its Resolution replaced.
std::string Param_resolution(int dpi) {
  std::string p = Param_defaut();
  const size_t r = p.find("#Resolution#\n=");
  p.replace(r, p.find('#', r + 14) - r, "#Resolution#\n=" + std::to_string(dpi));
  return p;
}

struct Ouverture {
  bool Ok = false;
  std::string Raison;
  Page_ouverte Page;
  int32_t Resolution = 0;
  std::vector<Boite> Boites;
};

Ouverture Ouvre(Banc& b, Document& doc, const std::string& chemin, int32_t page = 1,
                const Reglage_binarisation& r = {}) {
  Ouverture o;
  b.ctx.Resolution = 0;
  b.con.Boites.clear();
  o.Ok = Ouvre_page(b.ctx, doc, chemin, page, r, o.Page, o.Raison);
  o.Resolution = b.ctx.Resolution;
  o.Boites = b.con.Boites;
  return o;
}

std::vector<std::array<int32_t, 8>> Coins(const ListeQuads& l) {
  std::vector<std::array<int32_t, 8>> c;
  for (const Quadrilatere& q : l) c.push_back({q.x1, q.y1, q.x2, q.y2, q.x3, q.y3, q.x4, q.y4});
  return c;
}

// The share (percent) of the length of the strokes' axes of a that lies
// within `tolerance` pixels of an axis of b, the axes walked pixel by pixel.
double Part_couverte(const ListeQuads& a, const ListeQuads& b, double tolerance) {
  const auto distance = [](double px, double py, const Quadrilatere& q) {
    const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
    const double dx = e2.x - e1.x, dy = e2.y - e1.y, n = dx * dx + dy * dy;
    const double t = n == 0 ? 0 : std::clamp(((px - e1.x) * dx + (py - e1.y) * dy) / n, 0.0, 1.0);
    return std::hypot(px - e1.x - t * dx, py - e1.y - t * dy);
  };
  double total = 0, couvert = 0;
  for (const Quadrilatere& q : a) {
    if (Est_separateur(q)) continue;
    const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
    const int pas = std::max(1, static_cast<int>(std::hypot(e2.x - e1.x, e2.y - e1.y)));
    for (int i = 0; i <= pas; ++i) {
      const double px = e1.x + (e2.x - e1.x) * i / static_cast<double>(pas);
      const double py = e1.y + (e2.y - e1.y) * i / static_cast<double>(pas);
      total += 1;
      for (const Quadrilatere& r : b)
        if (!Est_separateur(r) && distance(px, py, r) <= tolerance) {
          couvert += 1;
          break;
        }
    }
  }
  return total == 0 ? 100 : 100 * couvert / total;
}

}  // namespace

TEST(Images, PageBinaireEntreCommeLeBmp) {
  // The same ink as a 1-bit PNG, a G4 TIFF and a PBM: the same three planes
  // as the system's reader makes from the BMP, and the same strokes.
  Banc b(Param_defaut());
  const std::string bmp = ECHANTILLONS + "benzene_kekule.bmp";
  const Pix_test pix = Pix_echantillon(bmp);
  ASSERT_TRUE(pix);
  ASSERT_EQ(pixWritePng(b.rep.Chemin("k.png").c_str(), pix.get(), 0), 0);
  ASSERT_EQ(pixWriteTiff(b.rep.Chemin("k.tif").c_str(), pix.get(), IFF_TIFF_G4, "w"), 0);
  ASSERT_EQ(pixWrite(b.rep.Chemin("k.pbm").c_str(), pix.get(), IFF_PNM), 0);
  Document reference;
  ASSERT_TRUE(Ouvre(b, reference, bmp).Ok);
  const Plan plan2 = reference.Plan2.Copie();
  Chaine_representation(b.ctx, reference);
  ASSERT_GT(reference.Quadrilateres.size(), 10u);
  for (const auto& [nom, format] : {std::pair{"k.png", "PNG"}, {"k.tif", "TIFF"}, {"k.pbm", "PNM"}}) {
    Document doc;
    const Ouverture o = Ouvre(b, doc, b.rep.Chemin(nom));
    ASSERT_TRUE(o.Ok) << nom << " " << o.Raison;
    EXPECT_EQ(o.Page.Format, format);
    EXPECT_EQ(o.Page.Binarisation, "");
    EXPECT_EQ(o.Page.NbPages, 1);
    EXPECT_EQ(o.Resolution, 300);
    EXPECT_EQ(doc.NomFichier, b.rep.Chemin(nom));
    EXPECT_EQ(doc.PlanCourant, &doc.Plan1);
    EXPECT_EQ(doc.Plan1.Pixels, reference.Plan1.Pixels) << nom;
    EXPECT_EQ(doc.Plan2.Pixels, plan2.Pixels);
    EXPECT_EQ(doc.PlanZoom.Pixels, reference.PlanZoom.Pixels);
    Chaine_representation(b.ctx, doc);
    EXPECT_EQ(Coins(doc.Quadrilateres), Coins(reference.Quadrilateres)) << nom;
  }
}

TEST(Images, ResolutionDuFichier) {
  Banc b(Param_resolution(250));
  const Pix_test pix = Pix_echantillon(ECHANTILLONS + "chaine.bmp");
  const Pix_test gris = Pix_grise(pix.get(), 150, 230, 0, 0);
  const auto ecrit = [&](const char* nom, PIX* original, int dpi, int format) {
    const Pix_test copie(pixCopy(nullptr, original));
    PIX* p = copie.get();
    if (dpi > 0) pixSetResolution(p, dpi, dpi);
    const std::string chemin = b.rep.Chemin(nom);
    return (format == IFF_JFIF_JPEG ? pixWriteJpeg(chemin.c_str(), p, 90, 0) : pixWrite(chemin.c_str(), p, format)) == 0;
  };
  ASSERT_TRUE(ecrit("600.tif", pix.get(), 600, IFF_TIFF_G4));
  ASSERT_TRUE(ecrit("150.jpg", gris.get(), 150, IFF_JFIF_JPEG));
  ASSERT_TRUE(ecrit("sans.png", gris.get(), 0, IFF_PNG));
  ASSERT_TRUE(ecrit("20.png", gris.get(), 20, IFF_PNG));
  ASSERT_TRUE(ecrit("1200.tif", pix.get(), 1200, IFF_TIFF_G4));
  // The file's resolution when it holds one from 50 to 1000 dpi, else param.dat's.
  for (const auto& [nom, dpi, entete] :
       {std::tuple{"600.tif", 600, 23622}, {"150.jpg", 150, 5906}, {"sans.png", 250, 11811}, {"20.png", 250, 787},
        {"1200.tif", 250, 47244}}) {
    Document doc;
    const Ouverture o = Ouvre(b, doc, b.rep.Chemin(nom));
    ASSERT_TRUE(o.Ok) << nom << " " << o.Raison;
    EXPECT_EQ(o.Resolution, dpi) << nom;
    EXPECT_EQ(doc.Plan1.Info.ResolutionX, entete) << nom;
  }
  // The system's reader keeps param.dat's value whatever its header says.
  Document doc;
  ASSERT_TRUE(Ouvre(b, doc, ECHANTILLONS + "chaine.bmp").Ok);
  EXPECT_EQ(b.ctx.Resolution, 250);
}

TEST(Images, GrisBinariseDonneLesTraitsDeLOriginal) {
  // Tolerance: at least 90 % of the length of the strokes' axes, of the
  // original's and of the binarised page's, lies within 2 pixels of the
  // other's axes. Edges that the binarisation moves by a pixel split the
  // strokes differently, so strokes are not compared one by one.
  Banc b(Param_defaut());
  for (const char* nom : {"molecule.bmp", "benzene_kekule.bmp", "chaine_triple.bmp"}) {
    const std::string bmp = ECHANTILLONS + nom;
    Document reference;
    ASSERT_TRUE(Ouvre(b, reference, bmp).Ok);
    Chaine_representation(b.ctx, reference);
    const Pix_test pix = Pix_echantillon(bmp);
    // An even scan, and one darkening from left to right by more than the
    // ink's contrast: its left strokes are lighter than its right background.
    const Pix_test egal = Pix_grise(pix.get(), 160, 225, 0, 12);
    const Pix_test inegal = Pix_grise(pix.get(), 90, 245, 140, 12);
    ASSERT_EQ(pixWritePng(b.rep.Chemin("egal.png").c_str(), egal.get(), 0), 0);
    ASSERT_EQ(pixWritePng(b.rep.Chemin("inegal.png").c_str(), inegal.get(), 0), 0);
    Reglage_binarisation sauvola;
    sauvola.Methode = Methode_binarisation::Sauvola;
    for (const auto& [fichier, reglage, pareil] :
         {std::tuple{"egal.png", Reglage_binarisation{}, true}, {"egal.png", sauvola, true},
          {"inegal.png", sauvola, true}, {"inegal.png", Reglage_binarisation{}, false}}) {
      Document doc;
      const Ouverture o = Ouvre(b, doc, b.rep.Chemin(fichier), 1, reglage);
      ASSERT_TRUE(o.Ok) << o.Raison;
      EXPECT_EQ(o.Page.Binarisation, Nom_reglage(reglage));
      Chaine_representation(b.ctx, doc);
      const double couvert = std::min(Part_couverte(reference.Quadrilateres, doc.Quadrilateres, 2),
                                      Part_couverte(doc.Quadrilateres, reference.Quadrilateres, 2));
      if (pareil)
        EXPECT_GE(couvert, 90) << nom << " " << fichier << " " << Nom_reglage(reglage);
      else
        EXPECT_LT(couvert, 80) << nom << " " << fichier << " " << Nom_reglage(reglage);
    }
  }
}

TEST(Images, FichiersRefusesEtLeurRaison) {
  Banc b(Param_defaut());
  const Pix_test pix = Pix_echantillon(ECHANTILLONS + "benzene.bmp");
  ASSERT_EQ(pixWritePng(b.rep.Chemin("bon.png").c_str(), pix.get(), 0), 0);
  const std::string png = Lit_fichier(b.rep.Chemin("bon.png"));
  Ecrit_fichier(b.rep.Chemin("coupe.png"), png.substr(0, png.size() / 2));
  Ecrit_fichier(b.rep.Chemin("texte.tif"), "Ceci n'est pas une image.\n");
  Ecrit_fichier(b.rep.Chemin("vide.png"), "");
  ASSERT_EQ(pixWrite(b.rep.Chemin("a.gif").c_str(), pix.get(), IFF_GIF), 0);
  const Pix_test large(pixCreate(COTE_MAX + 1, 2, 1));
  ASSERT_EQ(pixWritePng(b.rep.Chemin("large.png").c_str(), large.get(), 0), 0);
  ASSERT_EQ(pixWriteTiff(b.rep.Chemin("deux.tif").c_str(), pix.get(), IFF_TIFF_G4, "w"), 0);
  ASSERT_EQ(pixWriteTiff(b.rep.Chemin("deux.tif").c_str(), pix.get(), IFF_TIFF_G4, "a"), 0);
  const std::string bmp = Lit_fichier(ECHANTILLONS + "benzene.bmp");
  Ecrit_fichier(b.rep.Chemin("coupe.bmp"), bmp.substr(0, bmp.size() - 100));

  for (const auto& [nom, page, raison] : {
           std::tuple{"coupe.png", 1, "damaged or truncated PNG file (libpng error: "},
           {"texte.tif", 1, "not an image (unknown format)"},
           {"vide.png", 1, "empty file"},
           {"a.gif", 1, "GIF files not read (TIFF, PNG, JPEG, PNM and BMP are)"},
           {"large.png", 1, "image of 16385 x 2 pixels (1 to 16384 a side are read)"},
           {"deux.tif", 3, "no page 3 in this TIFF file"},
           {"bon.png", 2, "no page 2 in this PNG file"},
           {"absent.png", 1, "cannot be opened (No such file or directory)"},
       }) {
    Document doc;
    const Ouverture o = Ouvre(b, doc, b.rep.Chemin(nom), page);
    EXPECT_FALSE(o.Ok) << nom;
    // A decoder's own message may follow, between brackets.
    EXPECT_EQ(o.Raison.substr(0, std::string(raison).size()), raison) << nom;
    EXPECT_FALSE(doc.Ouvert());
    EXPECT_TRUE(o.Boites.empty()) << nom;
  }
  // A 1-bit BMP is the system's reader's: its own box, no reason added.
  Document doc;
  const Ouverture o = Ouvre(b, doc, b.rep.Chemin("coupe.bmp"));
  EXPECT_FALSE(o.Ok);
  EXPECT_EQ(o.Raison, "");
  EXPECT_EQ(o.Boites, (std::vector<Boite>{{"Erreur", "Fichier BMP erroné !"}}));
  EXPECT_EQ(o.Page.Format, "BMP 1 bit");
}

TEST(Images, PagesDUnTiff) {
  // The count found by doubling then halving, for every count up to 9.
  RepertoireTemporaire rep;
  const Pix_test pix(pixCreate(16, 8, 1));
  for (int n = 1; n <= 9; ++n) {
    const std::string chemin = rep.Chemin(std::to_string(n) + ".tif");
    for (int p = 0; p < n; ++p) ASSERT_EQ(pixWriteTiff(chemin.c_str(), pix.get(), IFF_TIFF_G4, p == 0 ? "w" : "a"), 0);
    const std::string octets = Lit_fichier(chemin);
    std::string raison;
    EXPECT_EQ(Compte_pages(reinterpret_cast<const uint8_t*>(octets.data()), octets.size(), raison), n);
  }
  const std::string png = "\x89PNG\r\n\x1a\n";
  std::string raison;
  EXPECT_EQ(Compte_pages(reinterpret_cast<const uint8_t*>(png.data()), png.size(), raison), 1);
  EXPECT_EQ(Compte_pages(reinterpret_cast<const uint8_t*>("II*\0"), 4, raison), 0);
  EXPECT_EQ(raison, "damaged TIFF file (no page can be read)");
}

#else

TEST(Images, SansLeptonica) {
  EXPECT_FALSE(Lecture_images_disponible());
  Banc b(Param_defaut());
  Ecrit_fichier(b.rep.Chemin("a.png"), "\x89PNG\r\n\x1a\n");
  Document doc;
  Page_ouverte page;
  std::string raison;
  EXPECT_FALSE(Ouvre_page(b.ctx, doc, b.rep.Chemin("a.png"), 1, {}, page, raison));
  EXPECT_EQ(b.con.Boites, (std::vector<Boite>{{"Erreur", "Fichier BMP erroné !"}}));
}

#endif
