#include <gtest/gtest.h>

#include <sstream>

#include "reconnaissance_outils.h"
#include "samples/dessin.h"
#include "text/reconnaissance.h"
#include "text/reduit_doute.h"

namespace {

// A stroke with its four corners, length and side angles.
Quadrilatere Trait(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t longueur, int32_t a1, int32_t a2) {
  Quadrilatere q;
  q.x1 = q.x4 = x1, q.y1 = q.y4 = y1;
  q.x2 = q.x3 = x2, q.y2 = q.y3 = y2;
  q.Longueur = longueur, q.Angle1 = a1, q.Angle2 = a2;
  return q;
}

// A mask whose row r holds the given 8 cells.
CasesMasque Lignes(const std::vector<std::vector<uint8_t>>& lignes) {
  CasesMasque m{};
  for (size_t r = 0; r < lignes.size(); ++r)
    for (size_t c = 0; c < 8; ++c) m[r * 8 + c] = lignes[r][c];
  return m;
}

struct Bib {
  explicit Bib(const std::vector<std::pair<const char*, CasesMasque>>& m) {
    for (const auto& [nom, masque] : m) {
      Modele x{{}, masque, 1};
      Copie_nom(x.Nom, nom);
      liste.push_back(x);
    }
    modeles = Numerote_modeles(liste, static_cast<int32_t>(liste.size()));
  }
  ListeModeles liste;
  ModelesNumerotes modeles;
};

CompConnexe Avec_modeles(CompConnexe z, int16_t num, int16_t num_proche) {
  z.NumModele = num, z.NumProche = num_proche;
  return z;
}

}  // namespace

TEST(ReduitDoute, Profils) {
  // Columns 4 to 7 only; an indifferent cell breaks a run.
  const CasesMasque m = Lignes({{1, 1, 1, 1, 1, 2, 1, 0},
                                {1, 0, 1, 0, 0, 0, 0, 0},
                                {0, 0, 0, 1, 1, 1, 1, 1},
                                {0, 0, 0, 0, 1, 0, 1, 0},
                                {0, 0, 0, 0, 1, 0, 0, 1}});
  EXPECT_EQ(Profil_masque(m), (ProfilMasque{2, 0, 1, 2, 2, 0, 0, 0, 0, 0}));
}

TEST(ReduitDoute, ProfilTraitsEtDouteImportant) {
  // The zone's mask has one vertical bar in its right half; model 1 (e) has
  // two in rows 0 and 1, model 2 (c) only one: the profile prefers c.
  std::vector<std::vector<uint8_t>> l(10, {1, 0, 0, 0, 0, 1, 0, 0});
  const CasesMasque zone = Lignes(l);
  l[0] = l[1] = {1, 0, 0, 0, 0, 1, 0, 1};
  const CasesMasque e = Lignes(l);
  l[0] = l[1] = {0, 0, 0, 0, 0, 1, 0, 0};
  const CasesMasque c = Lignes(l);
  const Bib bib({{"e", e}, {"c", c}, {"x", zone}});
  const ListeQuads aucun;
  const IndexTraits sans_traits(aucun);
  const SeuilsTraits seuils{45, 1, 20};
  const ListeSymbQuads biqdl_vide;

  CompConnexe z = Avec_modeles(Lu("e", "c", 4), 1, 2);
  z.Taux = 2, z.Taux2 = 4;
  Reduit_doute(z, zone, bib.modeles, biqdl_vide, sans_traits, seuils);
  EXPECT_STREQ(z.Caractere, "c");
  EXPECT_STREQ(z.Proche, "e");
  EXPECT_EQ(z.Etat, 3);
  EXPECT_EQ(z.Taux, 4);
  EXPECT_EQ(z.NumModele, 2);
  // Equal profiles, or a model number outside the library: no swap.
  struct Cas {
    int16_t num, proche;
  };
  for (const Cas k : {Cas{2, 2}, Cas{1, 0}, Cas{1, 4}, Cas{0, 2}, Cas{-1, 2}}) {
    z = Avec_modeles(Lu("e", "c", 4), k.num, k.proche);
    Reduit_doute(z, zone, bib.modeles, biqdl_vide, sans_traits, seuils);
    EXPECT_EQ(z.Etat, 4) << k.num << " " << k.proche;
    EXPECT_STREQ(z.Caractere, "e");
  }
  // Recognised zones are left alone.
  z = Avec_modeles(Lu("e", "c", 2), 1, 2);
  Reduit_doute(z, zone, bib.modeles, biqdl_vide, sans_traits, seuils);
  EXPECT_EQ(z.Etat, 2);

  // Unrecognised (no best model, the nearest one in Proche): its second
  // choice is taken, with state 5.
  z = Avec_modeles(Lu("", "x", -1), 0, 3);
  z.Taux2 = 20;
  Reduit_doute(z, zone, bib.modeles, biqdl_vide, sans_traits, seuils);
  EXPECT_STREQ(z.Caractere, "x");
  EXPECT_STREQ(z.Proche, "");
  EXPECT_EQ(z.Etat, 5);
  EXPECT_EQ(z.Classe, 2);
  EXPECT_EQ(z.Taux, 20);
  EXPECT_EQ(z.NumModele, 3);
  // A zone the chain did not compare stays a problem.
  z = Lu("", "", -2);
  Reduit_doute(z, zone, bib.modeles, biqdl_vide, sans_traits, seuils);
  EXPECT_EQ(z.Etat, -2);
  EXPECT_EQ(z.Classe, -1);
}

TEST(ReduitDoute, TraitsDeBiqdl) {
  // A zone (10,10)-(30,40), 20 wide and 30 high; LGMINIQ 1: a stroke must be
  // as long as the zone's width (horizontal) or height (otherwise).
  // Two verticals, a second diagonal (angles 150 and 120: 135) and a
  // horizontal one pixel too short: H (1 2 0 0) does not fit, N (0 2 0 1) does.
  ListeQuads q = {Trait(10, 10, 10, 40, 30, 90, 90), Trait(30, 10, 30, 40, 30, 90, 90),
                  Trait(10, 10, 30, 40, 36, 150, 120), Trait(10, 25, 29, 25, 19, 0, 0),
                  Trait(40, 10, 40, 40, 30, 90, 90)};  // out of the box
  std::istringstream f("4\n\nH 1 2 0 0\nH 0 3 0 0\nN 0 2 0 1\nc 0 0 0 0\n");
  ListeSymbQuads biqdl;
  ASSERT_EQ(Lit_flux_biqdl(f, biqdl).Lecture, LectureSymboles::Lue);
  const SeuilsTraits seuils{45, 1, 20};
  const Bib bib({{"x", CasesMasque{}}});
  const CasesMasque m{};

  struct Cas {
    const char *car, *proche;
    int16_t etat;
    const char* attendu;
    int16_t etat_attendu;
  };
  const Cas cas[] = {
      {"N", "H", 4, "N", 3},   // confirmed by its strokes
      {"H", "N", 4, "N", 3},   // H does not fit, its second choice does: swapped
      {"H", "M", 4, "H", 4},   // neither fits (M has no entries)
      {"M", "N", 4, "M", 4},   // M has no entries: the test ends at once
      {"Hb", "N", 4, "N", 3},  // a name of two characters: straight to Proche
      {"", "N", -1, "N", 3},   // unrecognised, but its nearest model fits
      {"", "H", -1, "H", 5},   // neither: the nearest model, state 5
  };
  for (const Cas& k : cas) {
    CompConnexe z = Lu(k.car, k.proche, k.etat, 10, 10, 30, 40);
    Reduit_doute(z, m, bib.modeles, biqdl, IndexTraits(q), seuils);
    EXPECT_STREQ(z.Caractere, k.attendu) << k.car << "/" << k.proche;
    EXPECT_EQ(z.Etat, k.etat_attendu) << k.car << "/" << k.proche;
  }
  // The horizontal at full width: H's first way of writing it fits.
  q.push_back(Trait(10, 26, 30, 26, 20, 179, 1));
  CompConnexe z = Lu("H", "N", 4, 10, 10, 30, 40);
  Reduit_doute(z, m, bib.modeles, biqdl, IndexTraits(q), seuils);
  EXPECT_STREQ(z.Caractere, "H");
  EXPECT_EQ(z.Etat, 3);
}

TEST(ReduitDoute, EtapeSurUneZone) {
  // One blob far from the single model: the Reduction step gives it the
  // model with state 5; the Decoupe step leaves it unrecognised.
  Banc b(Param_texte({{"SEUILMASK", "3"}, {"SEUILDIFF", "4"}, {"SEUILMINIDIFF", "2"}, {"SHouL", "45"},
                      {"LGMINIQ", "0"}, {"MARGEANGLE", "20"}, {"SEUILDECOUPE", "2"}, {"SEUILDECOUPS", "2"}}));
  Ecrit_fichier(b.rep.Chemin("biqdl.dat"), "1\n\nz 9 9 9 9\n");
  Plan p = Plan_blanc(60, 40);
  Rectangle_plein(p, 10, 10, 25, 30);
  Document doc;
  Installe_plan(doc, std::move(p));
  CasesMasque vide{};
  Ecrit_bimdl(b, {{"w", vide}});
  doc.ZonesTexte = {Cadre(10, 10, 25, 30)};
  Reconnait_texte(b.ctx, doc, Etape_texte::Decoupe);
  EXPECT_EQ(doc.ZonesTexte.front().Etat, -1);
  EXPECT_STREQ(doc.ZonesTexte.front().Proche, "w");
  Reconnait_texte(b.ctx, doc, Etape_texte::Reduction);
  EXPECT_EQ(doc.ZonesTexte.front().Etat, 5);
  EXPECT_STREQ(doc.ZonesTexte.front().Caractere, "w");
  EXPECT_EQ(doc.ZonesTexte.front().Taux, 80);
  EXPECT_TRUE(b.con.Boites.empty());
}
