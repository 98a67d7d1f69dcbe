#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "environnement.h"
#include "image/bmp.h"
#include "image/document.h"
#include "outils/formules/alea.h"
#include "outils_test.h"

namespace {

int Encre(const Plan& p, Point_f q) {
  return Lit_pixel(static_cast<int32_t>(std::floor(q.x)), static_cast<int32_t>(std::floor(q.y)), p);
}

Scene Vide(int largeur, int hauteur, double epaisseur = 4) {
  Scene s;
  s.Nom = "essai";
  s.Largeur = largeur;
  s.Hauteur = hauteur;
  s.Epaisseur = epaisseur;
  return s;
}

// A Kekulé ring, OH on its top vertex, a triple bond off its bottom vertex.
Scene Petite_scene() {
  Scene s = Vide(300, 400);
  const int k = Ajoute_cycle(s, 6, {150, 190}, 60);
  for (int i : {0, 2, 4}) Double_interne(s, k, i);
  Etiquette(s, Substituant(s, k, 0, 70), "OH", Police::Sans, 30);
  const int b = Substituant(s, k, 3, 70, 3);
  Ajoute_chaine(s, b, -90, 50, 2);
  return s;
}

}  // namespace

TEST(Formules, SommetsDesCyclesEtMilieuxDesTraitsEncres) {
  struct Cas {
    int Taille;
    double Angle, Rotation, Epaisseur;
    bool Cercle;
  };
  const Cas cas[] = {{6, 0, 0, 3, false}, {6, 30, 0, 6, true}, {5, 0, 0, 4, false}, {6, 0, 2.5, 5, true},
                     {5, 17, -1.5, 3, true}};
  for (const Cas& c : cas) {
    Scene s = Vide(300, 300, c.Epaisseur);
    Ajoute_cycle(s, c.Taille, {150, 150}, 80, c.Angle, c.Cercle);
    s.Degrade.Rotation = c.Rotation;
    const Dessin d = Dessin_de(s);
    ASSERT_EQ(d.V.Cycles.size(), 1u);
    const Cycle_v& k = d.V.Cycles[0];
    ASSERT_EQ(k.Sommets.size(), static_cast<size_t>(c.Taille));
    for (Point_f v : k.Sommets) EXPECT_EQ(Encre(d.Image, v), 1) << c.Taille << " " << v.x << "," << v.y;
    for (const Trait_v& t : d.V.Traits)
      EXPECT_EQ(Encre(d.Image, {(t.A.x + t.B.x) / 2, (t.A.y + t.B.y) / 2}), 1);
    EXPECT_EQ(Encre(d.Image, k.Centre), 0);
    // The circle passes half way between the centre and the sides.
    if (c.Cercle) {
      EXPECT_EQ(Encre(d.Image, {k.Centre.x, k.Centre.y - k.Rayon}), 1);
    }
    // The vertices stay on a circle about the centre, rotation or not.
    for (Point_f v : k.Sommets) EXPECT_NEAR(std::hypot(v.x - k.Centre.x, v.y - k.Centre.y), 80, 0.15);
  }
}

TEST(Formules, BoiteDEtiquetteTenantSonEncre) {
  Scene s = Vide(600, 400);
  const struct {
    const char* Texte;
    Police Fonte;
    double Hauteur;
  } etiquettes[] = {{"N", Police::Serif, 25},       {"NH2", Police::Sans, 45},     {"COOH", Police::NimbusSans, 32},
                    {"Cl", Police::Sans2, 36},      {"CH3", Police::NimbusSerif, 30}, {"Br", Police::FreeSans, 40}};
  // Each label at the end of a bond, so that the bond must stop short of it.
  for (int i = 0; i < 6; ++i) {
    const double x = 80 + 190 * (i % 3), y = 110 + 200 * (i / 3);
    const int a = Ajoute_atome(s, {x, y});
    Ajoute_liaison(s, Ajoute_atome(s, {x - 60, y + 60}), a);
    Etiquette(s, a, etiquettes[i].Texte, etiquettes[i].Fonte, etiquettes[i].Hauteur);
  }
  for (double rotation : {0.0, 2.0}) {
    s.Degrade.Rotation = rotation;
    const Dessin d = Dessin_de(s);
    ASSERT_EQ(d.V.Etiquettes.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
      const Etiquette_v& e = d.V.Etiquettes[i];
      EXPECT_EQ(e.Texte, etiquettes[i].Texte);
      // No ink in a band of 3 pixels around the box: the label is whole in
      // it and its bond stops short.
      for (int y = e.Ymin - 3; y <= e.Ymax + 3; ++y)
        for (int x = e.Xmin - 3; x <= e.Xmax + 3; ++x)
          if (x < e.Xmin || x > e.Xmax || y < e.Ymin || y > e.Ymax) {
            ASSERT_EQ(Lit_pixel(x, y, d.Image), 0) << e.Texte << " " << x << "," << y;
          }
      // Ink on each side of the box.
      int haut = 0, bas = 0, gauche = 0, droite = 0;
      for (int x = e.Xmin; x <= e.Xmax; ++x) haut += Lit_pixel(x, e.Ymin, d.Image), bas += Lit_pixel(x, e.Ymax, d.Image);
      for (int y = e.Ymin; y <= e.Ymax; ++y)
        gauche += Lit_pixel(e.Xmin, y, d.Image), droite += Lit_pixel(e.Xmax, y, d.Image);
      EXPECT_GT(haut * bas * gauche * droite, 0) << e.Texte;
      // The capitals are as high as asked; round letters overshoot a little,
      // a subscript goes lower.
      const double h = etiquettes[i].Hauteur, haute = e.Ymax - e.Ymin + 1;
      EXPECT_GE(haute, h - 2) << e.Texte;
      EXPECT_LE(haute, h * (std::isdigit(e.Texte.back()) ? 1.45 : 1.15) + 2) << e.Texte;
    }
  }
}

TEST(Formules, BmpReluParLeLecteurDuSysteme) {
  Scene propre = Petite_scene();
  Scene scanne = Petite_scene();
  scanne.Largeur = 301;  // rows padded to 32 bits
  scanne.Degrade = Degradation{1.0, 1.0, 0.01, 3};
  for (const Scene* s : {&propre, &scanne}) {
    const Dessin d = Dessin_de(*s);
    RepertoireTemporaire rep;
    std::string erreur;
    ASSERT_TRUE(Ecrit_dessin(d, rep.Texte(), "essai", erreur)) << erreur;
    Banc b;
    Document doc;
    ASSERT_TRUE(Lit_bmp(b.ctx, doc, rep.Chemin("essai.bmp")));
    EXPECT_EQ(doc.Plan1.Info.Largeur, s->Largeur);
    EXPECT_EQ(doc.Plan1.Info.Hauteur, s->Hauteur);
    // The reader whitens its frame (the first byte of a row, the bytes from
    // width / 8 on, the top and bottom rows); every other pixel comes back.
    int differents = 0, encre = 0;
    for (int y = 2; y < s->Hauteur - 1; ++y)
      for (int x = 8; x < s->Largeur / 8 * 8; ++x) {
        differents += Lit_pixel(x, y, doc.Plan1) != Lit_pixel(x, y, d.Image);
        encre += Lit_pixel(x, y, d.Image);
      }
    EXPECT_EQ(differents, 0);
    EXPECT_GT(encre, 3000);
  }
}

TEST(Formules, VeriteDUnePetiteScene) {
  const Dessin d = Dessin_de(Petite_scene());
  const Verite& v = d.V;
  EXPECT_EQ(v.Largeur, 300);
  EXPECT_EQ(v.Hauteur, 400);
  ASSERT_EQ(v.Cycles.size(), 1u);
  EXPECT_EQ(v.Cycles[0].Taille, 6);
  EXPECT_FALSE(v.Cycles[0].Cercle);
  // 6 ring bonds (3 double), the OH bond, the triple bond, 2 chain bonds.
  ASSERT_EQ(v.Liaisons.size(), 10u);
  int multiples[4] = {0, 0, 0, 0};
  for (const Liaison_v& l : v.Liaisons) ++multiples[l.Multiplicite];
  EXPECT_EQ(multiples[1], 6);
  EXPECT_EQ(multiples[2], 3);
  EXPECT_EQ(multiples[3], 1);
  EXPECT_EQ(v.Traits.size(), 15u);  // ring 3 x 1 + 3 x 2, OH 1, triple 3, chain 2
  ASSERT_EQ(v.Chaines.size(), 1u);
  EXPECT_EQ(v.Chaines[0].NbLiaisons, 2);
  EXPECT_EQ(v.Chaines[0].NbTraits, 2);
  ASSERT_EQ(v.Etiquettes.size(), 1u);
  EXPECT_EQ(v.Etiquettes[0].Texte, "OH");
  EXPECT_TRUE(v.Croisements.empty());
  // The top vertex at (150, 130), the bottom one at (150, 250), the OH atom at (150, 60).
  EXPECT_NEAR(v.Cycles[0].Sommets[0].y, 130, 1e-9);
  EXPECT_NEAR(v.Cycles[0].Sommets[3].y, 250, 1e-9);
  // The OH stroke starts on the ring and stops short of the label's ink.
  const Trait_v* oh = nullptr;
  for (const Trait_v& t : v.Traits)
    if (std::abs(t.A.x - 150) < 0.01 && std::abs(t.B.x - 150) < 0.01 && t.B.y < 130) oh = &t;
  ASSERT_NE(oh, nullptr);
  EXPECT_NEAR(oh->A.y, 130, 1e-9);
  EXPECT_GT(oh->B.y - oh->Epaisseur / 2, v.Etiquettes[0].Ymax + 4);

  // Written and read back: the same records, and the same text again.
  std::ostringstream texte;
  Ecrit_verite(v, texte);
  std::istringstream in(texte.str());
  Verite relue;
  std::string erreur;
  ASSERT_TRUE(Lit_verite(in, relue, erreur)) << erreur;
  EXPECT_EQ(relue.Traits.size(), v.Traits.size());
  EXPECT_EQ(relue.Liaisons.size(), v.Liaisons.size());
  EXPECT_EQ(relue.Etiquettes[0].Xmin, v.Etiquettes[0].Xmin);
  EXPECT_EQ(relue.Etiquettes[0].Ymax, v.Etiquettes[0].Ymax);
  EXPECT_NEAR(relue.Traits[7].B.x, v.Traits[7].B.x, 0.05);
  std::ostringstream encore;
  Ecrit_verite(relue, encore);
  EXPECT_EQ(encore.str(), texte.str());
}

TEST(Formules, CroisementsEtChaines) {
  Scene s = Vide(400, 400, 5);
  Ajoute_liaison(s, Ajoute_atome(s, {100, 100}), Ajoute_atome(s, {300, 300}));
  Ajoute_liaison(s, Ajoute_atome(s, {100, 300}), Ajoute_atome(s, {300, 100}));
  Ajoute_liaison(s, Ajoute_atome(s, {50, 200}), Ajoute_atome(s, {150, 200}), 2);  // crosses nothing
  // A chain of 3 bonds, the middle one made double afterwards.
  const int ch = Ajoute_chaine(s, Ajoute_atome(s, {60, 380}), 0, 40, 3);
  Ajoute_liaison(s, s.Chaines[ch].Atomes[1], s.Chaines[ch].Atomes[2], 2);
  const Dessin d = Dessin_de(s);
  ASSERT_EQ(d.V.Croisements.size(), 1u);
  EXPECT_NEAR(d.V.Croisements[0].P.x, 200, 1e-9);
  EXPECT_NEAR(d.V.Croisements[0].P.y, 200, 1e-9);
  EXPECT_EQ(d.V.Croisements[0].L1, 0);
  EXPECT_EQ(d.V.Croisements[0].L2, 1);
  EXPECT_EQ(Lit_pixel(200, 200, d.Image), 1);
  ASSERT_EQ(d.V.Chaines.size(), 1u);
  EXPECT_EQ(d.V.Chaines[0].NbLiaisons, 3);
  EXPECT_EQ(d.V.Chaines[0].NbTraits, 4);
  EXPECT_EQ(d.V.Traits.size(), 1u + 1u + 2u + 4u);
  // The zigzag's second atom: 40 pixels at 30 degrees up from the first.
  EXPECT_NEAR(d.V.Chaines[0].Atomes[1].x, 60 + 20 * std::sqrt(3.0), 0.05);
  EXPECT_NEAR(d.V.Chaines[0].Atomes[1].y, 380 - 20, 0.05);
  // The double bond off the chain: two strokes 17 pixels apart (17 % of its
  // length, more than 3 thicknesses), either side of the axis y = 200.
  EXPECT_NEAR(d.V.Traits[2].A.y, 200 - 8.5, 1e-9);
  EXPECT_NEAR(d.V.Traits[3].A.y, 200 + 8.5, 1e-9);
  EXPECT_EQ(Lit_pixel(100, 200, d.Image), 0);
  EXPECT_EQ(Lit_pixel(100, 191, d.Image), 1);
  EXPECT_EQ(Lit_pixel(100, 208, d.Image), 1);
  EXPECT_EQ(Lit_pixel(100, 195, d.Image), 0);
}

TEST(Formules, VeriteMalFormeeRefusee) {
  const std::string entete = "verite 1\nimage 10 10\n";
  const std::string bons = "liaison 0 1 1.0 1.0 5.0 5.0\ntrait 0 1.0 1.0 5.0 5.0 3.0\n";
  const struct {
    std::string Texte;
    bool Accepte;
  } cas[] = {
      {entete + bons + "traits 1\n", true},
      {entete + "# comment\n\n" + bons + "traits 1\n", true},
      {entete + bons + "traits 2\n", false},                           // count disagrees
      {entete + bons, false},                                          // no count
      {"image 10 10\n" + bons + "traits 1\n", false},                  // no header
      {"verite 2\nimage 10 10\n" + bons + "traits 1\n", false},        // unknown version
      {entete + "trait 1 1.0 1.0 5.0 5.0 3.0\ntraits 1\n", false},     // names a missing bond
      {entete + bons + "traits 1\nrond 3\n", false},                   // unknown record
      {entete + "liaison 0 4 1 1 5 5\ntraits 0\n", false},             // multiplicity 4
      {entete + "liaison 0 1 1 1 5 5 6\ntraits 0\n", false},           // trailing field
      {entete + "cycle 6 5 5 0 0 1 1 2 2\ntraits 0\n", false},         // vertices missing
      {entete + "etiquette OH 5 5 4 9\ntraits 0\n", false},            // empty box
  };
  for (const auto& c : cas) {
    std::istringstream in(c.Texte);
    Verite v;
    std::string erreur;
    EXPECT_EQ(Lit_verite(in, v, erreur), c.Accepte) << c.Texte;
    EXPECT_EQ(erreur.empty(), c.Accepte) << erreur;
  }
}

TEST(Formules, MemeSceneMemesOctets) {
  Scene s = Petite_scene();
  s.Degrade = Degradation{1.5, 1.0, 0.003, 42};
  RepertoireTemporaire a, b;
  std::string erreur;
  ASSERT_TRUE(Ecrit_dessin(Dessin_de(s), a.Texte(), "x", erreur));
  ASSERT_TRUE(Ecrit_dessin(Dessin_de(s), b.Texte(), "x", erreur));
  EXPECT_EQ(Lit_fichier(a.Chemin("x.bmp")), Lit_fichier(b.Chemin("x.bmp")));
  EXPECT_EQ(Lit_fichier(a.Chemin("x.verite")), Lit_fichier(b.Chemin("x.verite")));
  // Another seed moves the noise and the thicknesses.
  s.Degrade.Graine = 43;
  ASSERT_TRUE(Ecrit_dessin(Dessin_de(s), b.Texte(), "x", erreur));
  EXPECT_NE(Lit_fichier(a.Chemin("x.bmp")), Lit_fichier(b.Chemin("x.bmp")));
  EXPECT_NE(Lit_fichier(a.Chemin("x.verite")), Lit_fichier(b.Chemin("x.verite")));
  // The jitter keeps every stroke 3 to 6 pixels thick, and does move them.
  const Dessin d = Dessin_de(s);
  double min = 10, max = 0;
  for (const Trait_v& t : d.V.Traits) min = std::min(min, t.Epaisseur), max = std::max(max, t.Epaisseur);
  EXPECT_GE(min, 3.0);
  EXPECT_LE(max, 6.0);
  EXPECT_GT(max - min, 0.5);
}

TEST(Formules, BruitSelonLaProbabilite) {
  // On a blank 1000 x 100 plane a probability of 1/100 flips about 990
  // pixels (999 x 99 addressable); the flipped ones are ink.
  for (uint32_t graine : {1u, 2u, 3u}) {
    Plan p = Cree_plan(1000, 100);
    Alea alea(graine);
    const int64_t n = Bruite(p, 0.01, alea);
    EXPECT_NEAR(static_cast<double>(n), 989.0, 120.0);
    EXPECT_EQ(static_cast<int64_t>(Pixels_encre(p).size()), n);
  }
  Plan p = Cree_plan(100, 100);
  Alea alea(1);
  EXPECT_EQ(Bruite(p, 0, alea), 0);
}
