// Character localisation: candidates, groups, hatching, zones, purge and log.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/chaines.h"
#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "text/localisation.h"
#include "localisation_outils.h"

namespace {

using Noms_types = std::vector<std::pair<int32_t, int>>;

// A document 400 x 400 with the given thresholds and resolution.
struct Scene {
  explicit Scene(int32_t seuil_quad = 40, int32_t seuil_taille = 60, int32_t resolution = 70)
      : b(Param_localisation(seuil_quad, seuil_taille)) {
    b.ctx.Resolution = resolution;
    Installe_plan(doc, Plan_blanc(400, 400));
  }
  Quadrilatere* Ajoute(const Quadrilatere& q) {
    doc.Quadrilateres.push_back(q);
    ++doc.NbQuads;
    return &doc.Quadrilateres.back();
  }
  void Candidat(Quadrilatere* q) { doc.Caracteres.push_back({q, 1}); }
  Banc b;
  Document doc;
};

const char* const JOURNAL_SANS_ZONE =
    " - Localisation des caracteres - \n . Lg. Q min. :  0 \n . Lg. Q max. :  40 "
    "\n - Nb caracteres :  0 \n - Nb caracteres :  0 ";

}  // namespace

TEST(Localise_car, SansQuadrilatereRienNestFait) {
  Scene s;
  s.doc.Quadrilateres.push_back(Au_centre(50, 50));  // NbQuads stays 0
  s.Candidat(&s.doc.Quadrilateres.back());
  Ecrit_pixel(10, 10, 1, s.doc.Plan2);
  s.b.con.Log = "avant";
  EXPECT_EQ(Localise_car(s.b.ctx, s.doc), 0);
  EXPECT_EQ(s.b.con.Log, "");
  EXPECT_EQ(Pixels_encre(s.doc.Plan2), (Pixels{{10, 10}}));
  EXPECT_TRUE(s.doc.QuadsTexte.empty());
  EXPECT_EQ(s.doc.Caracteres.size(), 1u);
  EXPECT_EQ(Regroupe_quads(s.b.con, s.doc, s.doc.Caracteres, 10), 0);
  EXPECT_EQ(s.doc.Caracteres.front().Type, 1);
}

TEST(Localise_car, JournalCandidatsPlan2EtPremierMisDeCote) {
  for (const int mode : {0, 1}) {
    Scene s;
    s.b.con.ModeDebug = mode;
    s.Ajoute(Trait(299, 160, 301, 160, 40, 30, 1));  // exactly SeuilQuadCar: a candidate
    s.Ajoute(Trait(304, 160, 306, 160, 41, 30, 2));  // too long
    Quadrilatere sep = Separateur();
    sep.Marque = 3;
    s.Ajoute(sep);
    Quadrilatere marque = Trait(306, 160, 308, 160, 10, 30, 4);
    marque.Marque2 = 1;  // already in a symbol
    s.Ajoute(marque);
    s.Ajoute(Trait(309, 160, 311, 160, 1, 100, 5));
    Quadrilatere ancien = Au_centre(20, 20, 0, 9);
    s.Candidat(&ancien);  // an earlier run's candidate goes
    Ecrit_pixel(10, 10, 1, s.doc.Plan2);

    EXPECT_EQ(Localise_car(s.b.ctx, s.doc), 1);
    // Centres (300,160) and (310,160): 10 apart, one group of two.
    EXPECT_EQ(Noms(s.doc.Caracteres), (Noms_types{{1, 1}, {5, 2}}));
    EXPECT_TRUE(Pixels_encre(s.doc.Plan2).empty());
    EXPECT_EQ(Noms(s.doc.Quadrilateres), (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(s.doc.NbQuads, 5);
    if (mode == 0) {
      EXPECT_EQ(s.b.con.Log, JOURNAL_SANS_ZONE);
      EXPECT_EQ(s.b.con.NbPauses, 0);
      EXPECT_TRUE(s.b.con.Vues.empty());
    } else {
      EXPECT_EQ(s.b.con.Log, " MaxA :  70 \n Nb :  2 \n - Nb caracteres :  0 \n - Nb caracteres :  0 ");
      EXPECT_EQ(s.b.con.NbPauses, 1);
      EXPECT_EQ(s.b.con.Vues, (std::vector<ConsoleTexte::Point>{{149, 10}, {159, 10}}));
    }
    EXPECT_EQ(s.b.con.NbBips, 0);

    ASSERT_EQ(s.doc.QuadsTexte.size(), 1u);
    const Quadrilatere& p = s.doc.QuadsTexte.front();
    EXPECT_EQ(std::vector<int32_t>({p.x1, p.y1, p.x2, p.y2, p.x3, p.y3, p.x4, p.y4}),
              std::vector<int32_t>({1, 1, 2, 2, 2, 2, 1, 1}));
    EXPECT_EQ(std::vector<int32_t>({p.Longueur, p.Angle1, p.Angle2, p.Marque, p.Ep1, p.Ep2, p.Marque2, p.Niveau}),
              std::vector<int32_t>(8, 0));

    // A second run, the candidates emptied first: the dummy stroke is not made twice.
    s.doc.Caracteres.clear();
    s.b.con.ModeDebug = 0;
    EXPECT_EQ(Localise_car(s.b.ctx, s.doc), 1);
    EXPECT_EQ(s.b.con.Log, JOURNAL_SANS_ZONE);
    EXPECT_EQ(s.doc.QuadsTexte.size(), 1u);
  }
}

TEST(Regroupe_quads, DistancesChainesEtEgalites) {
  struct Cas {
    std::vector<std::pair<int32_t, int32_t>> centres;  // named 1, 2, 3... in list order
    int32_t distance;
    Noms_types attendu;
  };
  const std::vector<Cas> cas = {
      // From (0,0) to (100,100); (110,100) at 10 joins; (120,101) at sqrt(101), 11, does not.
      {{{120, 101}, {110, 100}, {100, 100}}, 10, {{3, 1}, {2, 2}, {1, 2}}},
      // Equal distances: the first in list order.
      {{{40, 30}, {30, 40}}, 0, {{1, 2}, {2, 2}}},
      {{{30, 40}, {40, 30}}, 0, {{1, 2}, {2, 2}}},
      {{{100, 100}, {130, 100}, {70, 100}}, 30, {{3, 1}, {1, 1}, {2, 2}}},
      // A perfect square gives its root: 100 -> 10; 117 -> 11.
      {{{100, 100}, {106, 108}}, 10, {{1, 1}, {2, 2}}},
      {{{100, 100}, {106, 109}}, 10, {{1, 2}, {2, 2}}},
      // A failed Resolution lookup: -255 / 7 = -36, read as 4294967260.
      {{{100, 100}, {300, 300}}, -255 / 7, {{1, 1}, {2, 2}}},
      {{{100, 100}, {300, 300}}, 300 / 7, {{1, 2}, {2, 2}}},
      // Each new group starts from the candidate nearest to (0,0).
      {{{200, 10}, {10, 200}, {205, 10}, {150, 150}}, 5, {{1, 1}, {3, 2}, {2, 2}, {4, 2}}},
      {{}, 10, {}},
  };
  for (size_t i = 0; i < cas.size(); ++i) {
    Scene s;
    if (cas[i].centres.empty()) s.Ajoute(Au_centre(5, 5));  // NbQuads is not 0
    for (size_t k = 0; k < cas[i].centres.size(); ++k)
      s.Candidat(s.Ajoute(Au_centre(cas[i].centres[k].first, cas[i].centres[k].second, 0,
                                    static_cast<int32_t>(k + 1))));
    EXPECT_EQ(Regroupe_quads(s.b.con, s.doc, s.doc.Caracteres, cas[i].distance), 1) << i;
    EXPECT_EQ(Noms(s.doc.Caracteres), cas[i].attendu) << i;
  }

  // A candidate stroke of Longueur 0 counts as a separator and leaves the list.
  Scene s;
  Quadrilatere nul = Au_centre(100, 100, 0, 1);
  nul.Longueur = 0;
  s.Candidat(s.Ajoute(nul));
  s.Candidat(s.Ajoute(Au_centre(300, 300, 0, 2)));
  EXPECT_EQ(Regroupe_quads(s.b.con, s.doc, s.doc.Caracteres, 10), 1);
  EXPECT_EQ(Noms(s.doc.Caracteres), (Noms_types{{2, 2}}));
}

TEST(Localise_car, DistanceDeRegroupementDeResolution) {
  // Resolution -255 (failed lookup): one group; 300: two groups, two pauses.
  for (const auto& [resolution, pauses, journal] :
       {std::tuple{-255, 1, " MaxA :  0 \n Nb :  2 "}, std::tuple{300, 2, " MaxA :  0 \n Nb :  1 "}}) {
    Scene s(40, 60, resolution);
    s.b.con.ModeDebug = 1;
    s.Ajoute(Au_centre(100, 100, 0, 1));
    s.Ajoute(Au_centre(300, 300, 0, 2));
    EXPECT_EQ(Localise_car(s.b.ctx, s.doc), 1);
    EXPECT_EQ(s.b.con.NbPauses, pauses);
    EXPECT_EQ(s.b.con.Log, std::string(journal) + "\n - Nb caracteres :  0 \n - Nb caracteres :  0 ");
  }
}

TEST(Localise_car, HachuresRefusees) {
  struct Cas {
    std::vector<int32_t> angles;  // strokes 10 pixels apart, chained in this order
    int32_t max_a;
    bool garde;
  };
  const std::vector<Cas> cas = {
      {{0, 0, 0}, 0, false},
      {{0, 0}, 0, true},
      {{0, 14, 28}, 14, false},
      {{0, 15, 30}, 15, true},
      {{0, 20, 40, 60, 80}, 20, false},
      {{0, 20, 40, 60}, 20, true},
      {{0, 24, 48, 72, 96}, 24, false},
      {{0, 25, 50, 75, 100}, 25, true},
      {{2, 178, 2}, 4, false},  // 176 folds to 4
      {{175, 2, 175}, 7, false},
      {{10, 150, 10}, 140, true},
      {{0, 150, 0, 150, 0}, 150, true},  // 150 stays 150
      {{0, 151, 0, 151, 0}, 29, true},   // 151 folds to 29
  };
  for (size_t i = 0; i < cas.size(); ++i) {
    Scene s;
    s.b.con.ModeDebug = 1;
    const auto n = static_cast<int32_t>(cas[i].angles.size());
    for (int32_t k = 0; k < n; ++k) s.Ajoute(Au_centre(100 + 10 * k, 100, cas[i].angles[k], k + 1));
    EXPECT_EQ(Localise_car(s.b.ctx, s.doc), 1);
    EXPECT_EQ(s.b.con.Log, " MaxA : " + std::string(" ") + std::to_string(cas[i].max_a) + " \n Nb :  " +
                               std::to_string(n) + " \n - Nb caracteres :  0 \n - Nb caracteres :  0 ")
        << i;
    EXPECT_EQ(s.doc.Caracteres.size(), cas[i].garde ? cas[i].angles.size() : 0u) << i;
    EXPECT_EQ(s.doc.NbQuads, n);  // the strokes stay
  }

  // Chain order, not list order: angles 0, 10, 20 at x 100, 120, 110 are
  // chained 0, 20, 10 (MaxA 20): kept. Then a second group, judged alone.
  Scene s;
  s.b.con.ModeDebug = 1;
  s.Ajoute(Au_centre(100, 100, 0, 1));
  s.Ajoute(Au_centre(120, 100, 10, 2));
  s.Ajoute(Au_centre(110, 100, 20, 3));
  for (int32_t k = 0; k < 3; ++k) s.Ajoute(Au_centre(100 + 10 * k, 300, 90, 4 + k));
  EXPECT_EQ(Localise_car(s.b.ctx, s.doc), 1);
  EXPECT_EQ(Noms(s.doc.Caracteres), (Noms_types{{1, 1}, {3, 1}, {2, 2}}));
  EXPECT_EQ(s.b.con.NbPauses, 2);
  EXPECT_EQ(s.b.con.Log, " MaxA :  0 \n Nb :  3 \n - Nb caracteres :  0 \n - Nb caracteres :  0 ");
}

TEST(Selection_CC, TailleNombreDeTraitsEtComposante) {
  struct Cas {
    CompConnexe k;
    int32_t seuil;       // SeuilTailleCar
    int32_t nb_traits;   // strokes lying in the box, the candidate's first
    int zones;
    int type;            // the candidate's Type afterwards, when it stays
  };
  const std::vector<Cas> cas = {
      {Boite_cc(100, 100, 140, 130), 31, 3, 1, 0},
      {Boite_cc(100, 100, 140, 130), 20, 3, 0, 1},   // width exactly 2 S
      {Boite_cc(100, 100, 140, 130), 30, 3, 0, 1},   // height exactly S
      {Boite_cc(100, 100, 140, 130), -255, 3, 0, 1}, // no SeuilTailleCar: too big
      {Boite_cc(100, 100, 140, 130), 31, 2, 0, 11},  // two strokes
      {Boite_cc(100, 100, 190, 120), 60, 3, 0, 11},  // 30 x 3 <= 90
      {Boite_cc(100, 100, 189, 120), 60, 3, 1, 0},
      {Boite_cc(100, 100, 189, 120), 60, 4, 1, 0},
      {Boite_cc(100, 102, 189, 120), 60, 3, 0, 1},   // no component holds both ends
  };
  for (size_t i = 0; i < cas.size(); ++i) {
    Banc b(cas[i].seuil == -255 ? "#SeuilQuadCar#\n=40#\n>\n" : Param_localisation(40, cas[i].seuil));
    Document doc;
    Installe_plan(doc, Plan_blanc(400, 400));
    doc.CompConnexes.push_back(cas[i].k);
    for (int32_t t = 0; t < cas[i].nb_traits; ++t) {
      doc.Quadrilateres.push_back(Trait(101 + t, 101, 101 + t, 110, 9, 90, t + 1));
      ++doc.NbQuads;
    }
    doc.Caracteres.push_back({&doc.Quadrilateres.front(), 1});
    EXPECT_EQ(Selection_CC(b.ctx, doc), cas[i].zones) << i;
    EXPECT_EQ(doc.ZonesTexte.size(), static_cast<size_t>(cas[i].zones)) << i;
    EXPECT_EQ(doc.CompConnexes.size(), static_cast<size_t>(1 - cas[i].zones)) << i;
    if (cas[i].zones == 1) {
      EXPECT_TRUE(doc.Caracteres.empty()) << i;
      EXPECT_EQ(doc.NbQuads, 0) << i;
      EXPECT_EQ(doc.QuadsTexte.size(), static_cast<size_t>(cas[i].nb_traits + 1)) << i;
    } else {
      ASSERT_EQ(doc.Caracteres.size(), 1u) << i;
      EXPECT_EQ(doc.Caracteres.front().Type, cas[i].type) << i;
      EXPECT_EQ(doc.NbQuads, cas[i].nb_traits) << i;
      EXPECT_EQ(doc.QuadsTexte.size(), 1u) << i;
    }
  }
}

TEST(Selection_CC, LaPlusEtroiteLaPremiereDesEgales) {
  // Three components hold the stroke: widths 40, 30, 30. The first of width
  // 30 in list order becomes the zone.
  for (const bool inverse : {false, true}) {
    Scene s(40, 60);
    s.doc.CompConnexes.push_back(Boite_cc(95, 95, 135, 135));
    CompConnexe a = Boite_cc(100, 98, 130, 120), c = Boite_cc(100, 97, 130, 121);
    if (inverse) std::swap(a, c);
    s.doc.CompConnexes.push_back(a);
    s.doc.CompConnexes.push_back(c);
    for (int32_t t = 0; t < 3; ++t) s.Ajoute(Trait(101 + t, 101, 101 + t, 110, 9, 90, t + 1));
    s.Candidat(&s.doc.Quadrilateres.front());
    EXPECT_EQ(Selection_CC(s.b.ctx, s.doc), 1);
    ASSERT_EQ(s.doc.ZonesTexte.size(), 1u);
    EXPECT_EQ(s.doc.ZonesTexte.front().ymin, a.ymin);
    EXPECT_EQ(s.doc.CompConnexes.size(), 2u);
  }
}

TEST(Selection_CC, EnglobementDesComposantesEtDesZones) {
  // A ring (50,50)-(150,150) holding four strokes, away from the box (90,90)-(110,110).
  enum Ou { NULLE_PART, COMPOSANTES, ZONES };
  struct Cas {
    CompConnexe autre;
    Ou ou;
    bool zone;
  };
  const std::vector<Cas> cas = {
      {Boite_cc(90, 90, 110, 110), NULLE_PART, true},
      {Boite_cc(90, 90, 110, 110), COMPOSANTES, false},
      {Boite_cc(90, 90, 110, 110), ZONES, false},    // a zone of an earlier run
      {Boite_cc(50, 60, 70, 80), COMPOSANTES, true},  // shares an edge: not enclosed
      {Boite_cc(51, 51, 149, 149), ZONES, false},  // zones are not searched, only tested
      {Boite_cc(51, 51, 150, 149), ZONES, true},
  };
  for (size_t i = 0; i < cas.size(); ++i) {
    Scene s(40, 120);
    s.doc.CompConnexes.push_back(Boite_cc(50, 50, 150, 150));
    if (cas[i].ou == COMPOSANTES) s.doc.CompConnexes.push_back(cas[i].autre);
    if (cas[i].ou == ZONES) s.doc.ZonesTexte.push_back(cas[i].autre);
    const int32_t xs[4][2] = {{60, 80}, {60, 80}, {120, 140}, {120, 140}};
    const int32_t ys[4] = {60, 140, 60, 140};
    for (int32_t t = 0; t < 4; ++t) s.Candidat(s.Ajoute(Trait(xs[t][0], ys[t], xs[t][1], ys[t], 20, 0, t + 1)));
    EXPECT_EQ(Selection_CC(s.b.ctx, s.doc), cas[i].zone ? 1 : 0) << i;
    const size_t zones_avant = cas[i].ou == ZONES ? 1 : 0;
    ASSERT_EQ(s.doc.ZonesTexte.size(), zones_avant + (cas[i].zone ? 1 : 0)) << i;
    if (cas[i].zone) {
      EXPECT_EQ(s.doc.ZonesTexte.back().xmax, 150) << i;
      EXPECT_TRUE(s.doc.Caracteres.empty()) << i;
      EXPECT_EQ(Noms(s.doc.QuadsTexte), (std::vector<int32_t>{0, 2, 3, 4, 1})) << i;
    } else {
      EXPECT_EQ(Noms(s.doc.Caracteres), (Noms_types{{1, 1}, {2, 1}, {3, 1}, {4, 1}})) << i;
      EXPECT_EQ(s.doc.NbQuads, 4) << i;
    }
  }
}

TEST(Selection_CC, OrdreDesTraitsMisDeCoteVecteursEtPurge) {
  // Quadrilaterals [s3 (long), separator, s1, s4, s2], candidates [s2, s4,
  // s1], the component's box holding s1, s2 and s3.
  Scene s(40, 60);
  s.doc.CompConnexes.push_back(Boite_cc(100, 100, 130, 130));
  Quadrilatere* s3 = s.Ajoute(Trait(100, 100, 130, 100, 80, 0, 3));
  Quadrilatere sep = Separateur();
  sep.Marque = 9;
  s.Ajoute(sep);
  Quadrilatere* s1 = s.Ajoute(Trait(105, 105, 105, 125, 20, 90, 1));
  Quadrilatere* s4 = s.Ajoute(Trait(200, 105, 200, 125, 20, 90, 4));
  Quadrilatere* s2 = s.Ajoute(Trait(115, 105, 115, 130, 25, 90, 2));
  s.Candidat(s2);
  s.Candidat(s4);
  s.Candidat(s1);
  s.doc.Vecteurs = {Vecteur_de(100, 100, 130, 130), Vecteur_de(99, 100, 120, 120), Vecteur_de(100, 100, 130, 100),
                    Vecteur_de(110, 110, 110, 131), Vecteur_de(110, 110, 112, 111)};

  EXPECT_EQ(Selection_CC(s.b.ctx, s.doc), 1);
  EXPECT_EQ(Noms(s.doc.QuadsTexte), (std::vector<int32_t>{0, 1, 2, 3}));
  EXPECT_EQ(&*std::next(s.doc.QuadsTexte.begin()), s1);  // the records themselves moved
  EXPECT_EQ(&s.doc.QuadsTexte.back(), s3);
  EXPECT_EQ(Noms(s.doc.Quadrilateres), (std::vector<int32_t>{9, 4}));
  EXPECT_EQ(s.doc.NbQuads, 2);
  EXPECT_EQ(Noms(s.doc.Caracteres), (Noms_types{{4, 1}}));
  // Vectors with both ends in the box go, whatever their length.
  ASSERT_EQ(s.doc.Vecteurs.size(), 2u);
  EXPECT_EQ(s.doc.Vecteurs.front().x1, 99);
  EXPECT_EQ(s.doc.Vecteurs.back().y2, 131);

  EXPECT_EQ(Purge_separateurs(s.doc), 0);
  EXPECT_EQ(Noms(s.doc.Quadrilateres), (std::vector<int32_t>{4}));
  EXPECT_EQ(s.doc.NbQuads, 1);
}

TEST(Selection_CC, LesCandidatsDejaVusDansLaZonePartentAussi) {
  // a lies in K0 (too few strokes: Type 11) and in K, which shares K0's left,
  // top and bottom edges. b makes K a zone: a goes too, and so does e;
  // f, outside, stays. The strokes set aside: a, e (candidate order), b, then g.
  Scene s(40, 60);
  s.doc.CompConnexes.push_back(Boite_cc(100, 100, 110, 130));
  s.doc.CompConnexes.push_back(Boite_cc(100, 100, 130, 130));
  s.Ajoute(Trait(125, 102, 125, 128, 26, 90, 7));  // g, a stroke without candidate
  Quadrilatere* a = s.Ajoute(Trait(105, 102, 105, 128, 26, 90, 1));
  Quadrilatere* b = s.Ajoute(Trait(112, 102, 128, 102, 16, 0, 2));
  Quadrilatere* f = s.Ajoute(Trait(300, 102, 300, 128, 26, 90, 6));
  Quadrilatere* e = s.Ajoute(Trait(112, 128, 128, 128, 16, 0, 5));
  for (Quadrilatere* q : {a, b, e, f}) s.Candidat(q);
  EXPECT_EQ(Selection_CC(s.b.ctx, s.doc), 1);
  EXPECT_EQ(Noms(s.doc.QuadsTexte), (std::vector<int32_t>{0, 1, 5, 2, 7}));
  EXPECT_EQ(Noms(s.doc.Caracteres), (Noms_types{{6, 1}}));
  ASSERT_EQ(s.doc.CompConnexes.size(), 1u);
  EXPECT_EQ(s.doc.CompConnexes.front().xmax, 110);
  EXPECT_EQ(s.doc.NbQuads, 1);
}

TEST(Purge_separateurs, TetesEtSuitesDeSeparateurs) {
  // S: separator; a letter: a stroke.
  const std::vector<std::pair<std::string, std::string>> cas = {
      {"SSa", "a"}, {"aSSSb", "aSb"}, {"aS", "aS"}, {"SSS", ""}, {"aSbSSc", "aSbSc"}, {"", ""}, {"ab", "ab"},
  };
  for (const auto& [avant, apres] : cas) {
    Document doc;
    for (const char c : avant) {
      Quadrilatere q = c == 'S' ? Separateur() : Au_centre(10, 10);
      q.Marque = c;
      doc.Quadrilateres.push_back(q);
    }
    doc.NbQuads = static_cast<int32_t>(avant.size());
    EXPECT_EQ(Purge_separateurs(doc), 0);
    std::string reste;
    for (const Quadrilatere& q : doc.Quadrilateres) reste += static_cast<char>(q.Marque);
    EXPECT_EQ(reste, apres) << avant;
    EXPECT_EQ(doc.NbQuads, static_cast<int32_t>(apres.size())) << avant;
  }
}

TEST(Localise_car, LettreDessineeTrouveeCommeUneZone) {
  // An "H" 21 pixels wide and 31 high and a bond 150 pixels long, through the
  // vectorisation chain and the project's param.dat (strokes up to 45 long,
  // zones below 60 high, 300 dpi).
  Banc b(Param_defaut());
  b.ctx.Resolution = 300;
  Document doc;
  Plan p = Plan_blanc(400, 200);
  Trait_epais(p, 102, 102, 102, 128, 4);
  Trait_epais(p, 118, 102, 118, 128, 4);
  Trait_epais(p, 102, 115, 118, 115, 4);
  Trait_epais(p, 200, 50, 350, 50, 4);
  Pixels encre_h;
  for (const auto& px : Pixels_encre(p))
    if (px.first < 150) encre_h.insert(px);
  const int32_t xmin = encre_h.begin()->first, xmax = encre_h.rbegin()->first;
  int32_t ymin = 1 << 30, ymax = 0;
  for (const auto& px : encre_h) ymin = std::min(ymin, px.second), ymax = std::max(ymax, px.second);
  Installe_plan(doc, std::move(p));
  Chaine_representation(b.ctx, doc);
  ASSERT_TRUE(b.con.Boites.empty());

  const auto dans_h = [&](const Quadrilatere& q) {
    const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
    return !Est_separateur(q) && e1.x >= xmin && e1.x <= xmax && e2.x >= xmin && e2.x <= xmax && e1.y >= ymin &&
           e1.y <= ymax && e2.y >= ymin && e2.y <= ymax;
  };
  int32_t traits_h = 0;
  for (const Quadrilatere& q : doc.Quadrilateres) traits_h += dans_h(q) ? 1 : 0;
  ASSERT_GE(traits_h, 3);
  const int32_t nb_quads = doc.NbQuads;
  const size_t composantes = doc.CompConnexes.size();
  const auto dans_boite = [&](const Vecteur& v) {
    return v.x1 >= xmin && v.x1 <= xmax && v.x2 >= xmin && v.x2 <= xmax && v.y1 >= ymin && v.y1 <= ymax &&
           v.y2 >= ymin && v.y2 <= ymax;
  };
  const auto vecteurs_h = std::count_if(doc.Vecteurs.begin(), doc.Vecteurs.end(), dans_boite);
  ASSERT_GE(vecteurs_h, 1);
  const size_t vecteurs = doc.Vecteurs.size();

  EXPECT_EQ(Localise_car(b.ctx, doc), 1);
  EXPECT_EQ(b.con.Log,
            " - Localisation des caracteres - \n . Lg. Q min. :  0 \n . Lg. Q max. :  45 "
            "\n - Nb caracteres :  1 \n - Nb caracteres :  1 ");
  ASSERT_EQ(doc.ZonesTexte.size(), 1u);
  const CompConnexe& z = doc.ZonesTexte.front();
  EXPECT_EQ(std::vector<int32_t>({z.xmin, z.ymin, z.xmax, z.ymax}), std::vector<int32_t>({xmin, ymin, xmax, ymax}));
  EXPECT_EQ(doc.CompConnexes.size(), composantes - 1);
  EXPECT_EQ(doc.QuadsTexte.size(), static_cast<size_t>(traits_h + 1));
  for (const Quadrilatere& q : doc.Quadrilateres) EXPECT_FALSE(dans_h(q));
  EXPECT_LE(doc.NbQuads, nb_quads - traits_h);
  EXPECT_EQ(doc.NbQuads, static_cast<int32_t>(doc.Quadrilateres.size()));
  EXPECT_TRUE(doc.Caracteres.empty());
  EXPECT_EQ(doc.Vecteurs.size(), vecteurs - static_cast<size_t>(vecteurs_h));
  EXPECT_EQ(std::count_if(doc.Vecteurs.begin(), doc.Vecteurs.end(), dans_boite), 0);
  EXPECT_TRUE(Pixels_encre(doc.Plan2).empty());
}
