#include <gtest/gtest.h>

#include <fstream>

#include "image/bmp.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "outils_test.h"

namespace {

const std::string PARAM = "#Resolution#\n=300#\n>\n";

// A 20 x 12 image whose every pixel is ink.
Plan Plan_noir() {
  Plan p = Cree_plan(20, 12);
  std::fill(p.Pixels.begin(), p.Pixels.end(), 0x00);
  return p;
}

void Modifie32(std::string& octets, size_t position, uint32_t valeur) {
  for (int i = 0; i < 4; ++i) octets[position + i] = static_cast<char>(valeur >> (8 * i));
}

}  // namespace

TEST(LectureBmp, CadreBlanchiEtPlansCrees) {
  Banc b(PARAM);
  ASSERT_TRUE(Sauve_plan(b.rep.Chemin("noir.bmp"), Plan_noir()));
  Document doc;
  ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("noir.bmp")));
  EXPECT_TRUE(b.con.Boites.empty());
  EXPECT_EQ(doc.PlanCourant, &doc.Plan1);
  EXPECT_EQ(doc.NbOctetsLigne(), 4);
  EXPECT_EQ(doc.NbLignes(), 12);
  EXPECT_EQ(b.ctx.Resolution, 300);

  // Width 20: bytes from 20 / 8 = 2 on are whitened, with byte 0 and the
  // first and last stored rows. Ink remains for 8 <= x <= 15, 2 <= y <= 11.
  for (int32_t y = 0; y <= 12; ++y)
    for (int32_t x = 0; x <= 32; ++x) {
      const int attendu = (x >= 8 && x <= 15 && y >= 2 && y <= 11) ? 1 : 0;
      ASSERT_EQ(Lit_pixel(x, y, doc.Plan1), attendu) << x << "," << y;
      ASSERT_EQ(Lit_pixel(x, y, doc.Plan2), 0);
    }
  EXPECT_EQ(Lit_pixel(5, 5, doc.PlanZoom), 1);
  EXPECT_EQ(doc.Plan2.Fichier.Taille, doc.Plan1.Fichier.Taille);
  EXPECT_EQ(doc.Plan2.Entete, doc.Plan1.Entete);
}

TEST(LectureBmp, MemeDessinQuelsQueSoientLargeurEtPalette) {
  // One drawing saved 31, 32 and 33 wide, then with the palette inverted:
  // ink is bit 0 whatever the colour table says.
  Banc b(PARAM);
  std::vector<std::vector<int>> lus;
  for (int32_t largeur : {31, 32, 33, 32}) {
    Plan p = Cree_plan(largeur, 16);
    for (int32_t i = 8; i < 24; ++i) Ecrit_pixel(i, 2 + i % 10, 1, p);
    if (lus.size() == 3) std::swap_ranges(p.Entete.begin() + 40, p.Entete.begin() + 44, p.Entete.begin() + 44);
    ASSERT_TRUE(Sauve_plan(b.rep.Chemin("d.bmp"), p));
    Document doc;
    ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("d.bmp")));
    std::vector<int> v;
    for (int32_t y = 0; y < 16; ++y)
      for (int32_t x = 0; x < 40; ++x) v.push_back(Lit_pixel(x, y, doc.Plan1));
    lus.push_back(v);
  }
  EXPECT_EQ(lus[0], lus[1]);
  EXPECT_EQ(lus[1], lus[2]);
  EXPECT_EQ(lus[1], lus[3]);
}

TEST(LectureBmp, AllerRetourParPlan2) {
  Banc b(PARAM);
  Plan p = Cree_plan(45, 30);
  Ecrit_pixel(10, 10, 1, p);
  ASSERT_TRUE(Sauve_plan(b.rep.Chemin("a.bmp"), p));
  const std::string original = Lit_fichier(b.rep.Chemin("a.bmp"));

  Document doc;
  ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("a.bmp")));
  // Saved at once: the same headers and size, every pixel background.
  ASSERT_TRUE(Sauve_Plan2(b.con, doc, b.rep.Chemin("plan2")));
  const std::string vierge = Lit_fichier(b.rep.Chemin("plan2"));
  ASSERT_EQ(vierge.size(), original.size());
  EXPECT_EQ(vierge.substr(0, 62), original.substr(0, 62));
  EXPECT_EQ(vierge.find_first_not_of('\xFF', 62), std::string::npos);

  // Drawn on Plan 2, saved, reopened: Plan 1 is that drawing within the frame.
  for (int32_t i = 1; i < 44; ++i) Ecrit_pixel(i, i % 29 + 1, 1, doc.Plan2);
  ASSERT_TRUE(Sauve_Plan2(b.con, doc, b.rep.Chemin("p2.bmp")));
  Document relu;
  ASSERT_TRUE(Ouvre_document(b.ctx, relu, b.rep.Chemin("p2.bmp")));
  for (int32_t y = 2; y < 29; ++y)
    for (int32_t x = 8; x < 40; ++x) ASSERT_EQ(Lit_pixel(x, y, relu.Plan1), Lit_pixel(x, y, doc.Plan2));
  EXPECT_EQ(Lit_pixel(3, 4, relu.Plan1), 0);  // in the whitened first byte

  EXPECT_FALSE(Sauve_Plan2(b.con, doc, b.rep.Chemin("absent/p.bmp")));
  EXPECT_EQ(b.con.Boites.back().Texte, "Ecriture " + b.rep.Chemin("absent/p.bmp") + " impossible !");
}

TEST(LectureBmp, FichiersRefuses) {
  Banc b(PARAM);
  ASSERT_TRUE(Sauve_plan(b.rep.Chemin("bon.bmp"), Plan_noir()));
  const std::string bon = Lit_fichier(b.rep.Chemin("bon.bmp"));
  const Boite erronee{"Erreur", "Fichier BMP erroné !"};
  const Boite binaire{"Info...", "Ne traite que les BMP binaires !"};

  struct Cas {
    const char* nom;
    size_t position;  // 32-bit field changed, or the new length when cut
    int64_t valeur;
    bool tronque;
    Boite attendu;
  };
  const Cas cas[] = {
      {"hauteur 0", 22, 0, false, erronee},
      {"24 bits", 28, 24, false, binaire},
      {"32 bits", 28, 32, false, binaire},
      {"hauteur negative", 22, -12, false, erronee},
      {"largeur 0", 18, 0, false, erronee},
      {"largeur enorme", 18, 20000, false, erronee},
      {"hauteur enorme", 22, 20000, false, erronee},
      {"pixels au-dela du fichier", 10, 5000, false, erronee},
      {"taille du fichier fausse", 2, 1 << 30, false, erronee},
      {"table des couleurs sur les pixels", 10, 54, false, erronee},
      {"entete de 108 octets", 14, 108, false, erronee},
      {"rangees trop courtes pour la largeur", 18, 40, false, erronee},
      {"fichier tronque", 80, 0, true, erronee},
      {"entetes tronques", 30, 0, true, erronee},
  };
  for (const Cas& c : cas) {
    std::string octets = bon;
    if (c.tronque)
      octets.resize(c.position);
    else
      Modifie32(octets, c.position, static_cast<uint32_t>(c.valeur));
    if (c.position == 28 && !c.tronque) octets[30] = octets[31] = 0;  // bit count is 16-bit
    Ecrit_fichier(b.rep.Chemin("x.bmp"), octets);

    Document doc;
    ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("bon.bmp")));
    b.con.Boites.clear();
    EXPECT_FALSE(Ouvre_document(b.ctx, doc, b.rep.Chemin("x.bmp"))) << c.nom;
    ASSERT_EQ(b.con.Boites.size(), 1u) << c.nom;
    EXPECT_EQ(b.con.Boites[0], c.attendu) << c.nom;
    EXPECT_FALSE(doc.Ouvert()) << c.nom;
    EXPECT_TRUE(doc.Plan1.Pixels.empty()) << c.nom;
  }

  Document doc;
  b.con.Boites.clear();
  EXPECT_FALSE(Ouvre_document(b.ctx, doc, b.rep.Chemin("absent.bmp")));
  EXPECT_EQ(b.con.Boites, std::vector<Boite>{erronee});
}

TEST(LectureBmp, PixelsAuDecalageDeLEntete) {
  Banc b(PARAM);
  Plan p = Cree_plan(20, 12);
  for (int32_t x = 8; x < 16; ++x) Ecrit_pixel(x, 5, 1, p);
  ASSERT_TRUE(Sauve_plan(b.rep.Chemin("bon.bmp"), p));
  const std::string bon = Lit_fichier(b.rep.Chemin("bon.bmp"));
  ASSERT_EQ(bon.size(), 62u + 48u);

  // Six bytes of ink between the colour table and the pixels, the offset
  // saying 68: they are skipped, the drawing reads as before.
  std::string decale = bon.substr(0, 62) + std::string(6, '\0') + bon.substr(62);
  Modifie32(decale, 2, 68 + 48);
  Modifie32(decale, 10, 68);
  Ecrit_fichier(b.rep.Chemin("decale.bmp"), decale);
  Document doc;
  ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("decale.bmp")));
  EXPECT_TRUE(b.con.Boites.empty());
  Document ref;
  ASSERT_TRUE(Ouvre_document(b.ctx, ref, b.rep.Chemin("bon.bmp")));
  EXPECT_EQ(doc.Plan1.Pixels, ref.Plan1.Pixels);
  EXPECT_EQ(Pixels_encre(doc.Plan1).size(), 8u);
  // Plan 2 keeps the input's headers: its pixels go at 68, zeros before.
  Ecrit_pixel(9, 3, 1, doc.Plan2);
  ASSERT_TRUE(Sauve_Plan2(b.con, doc, b.rep.Chemin("p2.bmp")));
  const std::string p2 = Lit_fichier(b.rep.Chemin("p2.bmp"));
  ASSERT_EQ(p2.size(), decale.size());
  EXPECT_EQ(p2.substr(0, 62), decale.substr(0, 62));
  EXPECT_EQ(p2.substr(62, 6), std::string(6, '\0'));
  Document relu;
  ASSERT_TRUE(Ouvre_document(b.ctx, relu, b.rep.Chemin("p2.bmp")));
  EXPECT_EQ(Pixels_encre(relu.Plan1), Pixels({{9, 3}}));

  // Pixels said to start far beyond the end of the file (the size moved
  // with them), or to end one byte past it: refused, nothing read.
  for (uint32_t decalage : {62u + 1000000u, 63u}) {
    std::string loin = bon;
    Modifie32(loin, 10, decalage);
    Modifie32(loin, 2, decalage + 48);
    Ecrit_fichier(b.rep.Chemin("loin.bmp"), loin);
    b.con.Boites.clear();
    Document d;
    EXPECT_FALSE(Ouvre_document(b.ctx, d, b.rep.Chemin("loin.bmp"))) << decalage;
    EXPECT_EQ(b.con.Boites, std::vector<Boite>({{"Erreur", "Fichier BMP erroné !"}})) << decalage;
    EXPECT_FALSE(d.Ouvert());
  }
}

TEST(LectureBmp, ResolutionLueUneFoisParExecution) {
  Banc b;  // no param.dat yet
  ASSERT_TRUE(Sauve_plan(b.rep.Chemin("a.bmp"), Plan_noir()));
  Document doc;
  ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("a.bmp")));
  EXPECT_EQ(b.ctx.Resolution, -255);
  ASSERT_EQ(b.con.Boites.size(), 1u);
  EXPECT_EQ(b.con.Boites[0].Texte, "Ouverture " + b.rep.Chemin("param.dat") + " impossible !");

  Ecrit_fichier(b.rep.Chemin("param.dat"), PARAM);
  ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("a.bmp")));
  EXPECT_EQ(b.ctx.Resolution, 300);
  Ecrit_fichier(b.rep.Chemin("param.dat"), "#Resolution#\n=200#\n>\n");
  ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("a.bmp")));
  EXPECT_EQ(b.ctx.Resolution, 300);
}

TEST(Document, FermetureVideLesListesEtLeJournal) {
  Banc b(PARAM);
  ASSERT_TRUE(Sauve_plan(b.rep.Chemin("a.bmp"), Plan_noir()));
  Document doc;
  ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("a.bmp")));
  EXPECT_EQ(doc.NomFichier, b.rep.Chemin("a.bmp"));
  doc.Vecteurs.resize(2);
  doc.Quadrilateres.resize(3);
  doc.NbQuads = 3;
  doc.CompConnexes.resize(1);
  doc.NbGraphes = 2;
  b.con.Log = "ancien";

  ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("a.bmp")));
  EXPECT_EQ(b.con.Log,
            "\n Raz vecteurs :  2 \n Raz quadr. :  3 \n Raz quadr. :  0 \n Raz C.C. :  1 "
            "\n Raz Caracteres :  0 \n Raz C.C. :  0 \n Raz Arcs QQ :  0 \n - Raz Symboles :  0 ");
  EXPECT_TRUE(doc.Vecteurs.empty());
  EXPECT_TRUE(doc.Quadrilateres.empty());
  EXPECT_EQ(doc.NbQuads, 0);
  EXPECT_EQ(doc.NbGraphes, 0);
  EXPECT_TRUE(doc.Ouvert());

  Ferme_document(b.ctx, doc);
  EXPECT_FALSE(doc.Ouvert());
  EXPECT_TRUE(doc.Plan1.Pixels.empty());
  EXPECT_EQ(b.ctx.Resolution, 300);  // kept across documents
  b.con.Log = "x";
  Ferme_document(b.ctx, doc);  // nothing open: the log is left alone
  EXPECT_EQ(b.con.Log, "x");
}

TEST(Document, Informations) {
  Banc b(PARAM);
  ASSERT_TRUE(Sauve_plan(b.rep.Chemin("a.bmp"), Plan_noir()));
  Document doc;
  Informations(b.ctx, doc);
  EXPECT_EQ(b.con.Log, "");
  ASSERT_TRUE(Ouvre_document(b.ctx, doc, b.rep.Chemin("a.bmp")));
  Informations(b.ctx, doc);
  EXPECT_EQ(b.con.Log,
            "\n- Nb pixels en x (plan1): 32 \n- Nb pixels en y (plan1):  12 "
            "\n- Nb pixel en x (bmp) :  20 \n- Nb pixel en y (bmp) :  12 \n- Resolution :  300 ");
  EXPECT_EQ(Nom_sans_repertoire("C:\\images\\a.bmp"), "a.bmp");
  EXPECT_EQ(Nom_sans_repertoire("/tmp/x/b.bmp"), "b.bmp");
  EXPECT_EQ(Nom_sans_repertoire("D:c.bmp"), "c.bmp");
  EXPECT_EQ(Nom_sans_repertoire("d.bmp"), "d.bmp");
}
