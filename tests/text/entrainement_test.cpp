#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "outils_test.h"
#include "outils_texte.h"
#include "reconnaissance_outils.h"
#include "samples/dessin.h"
#include "text/ancienne_reconnaissance.h"
#include "text/entrainement.h"
#include "text/reconnaissance.h"

namespace {

const std::vector<std::pair<std::string, std::string>> SEUILS = {
    {"SEUILMASK", "3"}, {"SEUILDIFF", "10"},  {"SEUILMINIDIFF", "2"}, {"SHouL", "45"},
    {"LGMINIQ", "1"},   {"MARGEANGLE", "20"}, {"NBINDIF", "3"}};

// A console that keeps, in order, every repaint and every question with its
// default and the log as it stood when it was asked.
class ConsoleSuivie : public ConsoleTexte {
 public:
  struct Question {
    std::string Invite, Defaut, Log;
  };
  void Repeint() override { Suite.push_back("Repeint"); }
  void Saisie(std::string& tampon, std::string_view invite) override {
    Suite.push_back(std::string(invite) + " [" + tampon + "]");
    Questions.push_back({std::string(invite), tampon, Log});
    ConsoleTexte::Saisie(tampon, invite);
  }
  std::vector<std::string> Suite;
  std::vector<Question> Questions;
};

// Letters in 20 x 30 boxes, y from 10 to 39, their left and top strokes 2
// pixels thick, the others 3, so that each stroke fills whole windows when
// sampled with SEUILMASK 3 (windows of 3 x 3 pixels overlapping by one, ink
// from 4 pixels; the box's last column and row never sampled). Their masks:
// L the left column and the bottom row (17 cells); T the top row and columns
// 4 and 5 (26); H columns 0 and 7 and row 5 between them (26); E column 0 and
// rows 0, 5 and 9 (31); c column 0 and rows 0 and 9 (24); the block every
// cell. Hence L-c 7, E-c 7, L-E 14, H-E 19,
// H-L 21, and every other pair of letters more than 10 cells apart.
enum class Forme { L, T, H, E, c, Bloc };

CompConnexe Dessine(Plan& p, Forme f, int32_t x) {
  const int32_t d = x + 19;
  switch (f) {
    case Forme::L:
      Rectangle_plein(p, x, 10, x + 1, 39);
      Rectangle_plein(p, x, 37, d, 39);
      break;
    case Forme::T:
      Rectangle_plein(p, x, 10, d, 11);
      Rectangle_plein(p, x + 8, 10, x + 11, 39);
      break;
    case Forme::H:
      Rectangle_plein(p, x, 10, x + 1, 39);
      Rectangle_plein(p, d - 2, 10, d, 39);
      Rectangle_plein(p, x, 24, d, 26);
      break;
    case Forme::E:
      Rectangle_plein(p, x, 10, x + 1, 39);
      Rectangle_plein(p, x, 10, d, 11);
      Rectangle_plein(p, x, 24, d, 26);
      Rectangle_plein(p, x, 37, d, 39);
      break;
    case Forme::c:
      Rectangle_plein(p, x, 10, x + 1, 39);
      Rectangle_plein(p, x, 10, d, 11);
      Rectangle_plein(p, x, 37, d, 39);
      break;
    case Forme::Bloc:
      Rectangle_plein(p, x, 10, d, 39);
      break;
  }
  return Cadre(x, 10, d, 39);
}

// A working directory with the thresholds, and a document whose zones are
// the letters drawn from x = 50 on, 30 pixels apart, in list order.
struct Atelier {
  explicit Atelier(const std::vector<Forme>& formes) : ctx(con, rep.Texte()) {
    Ecrit_fichier(rep.Chemin("param.dat"), Param_texte(SEUILS));
    Plan p = Plan_blanc(400, 120);
    int32_t x = 50;
    for (Forme f : formes) {
      doc.ZonesTexte.push_back(Dessine(p, f, x));
      x += 30;
    }
    Installe_plan(doc, std::move(p));
    doc.NbZones = 5;
  }
  // A zone 7 pixels wide (one pixel too narrow to sample), inserted at place i.
  void Zone_etroite(size_t i, int32_t x) {
    auto z = doc.ZonesTexte.begin();
    std::advance(z, i);
    doc.ZonesTexte.insert(z, Cadre(x, 10, x + 7, 39));
  }
  // "OK" with the text; nullptr for "Défaut".
  void Repond(std::initializer_list<const char*> reponses) {
    for (const char* r : reponses) con.Reponses.push_back(r ? Reponse{true, r} : Reponse{false, ""});
  }
  const CompConnexe& Zone(size_t i) const { return *std::next(doc.ZonesTexte.begin(), i); }
  CasesMasque Masque(size_t i) const { return Masque_de(doc, Zone(i), 3); }
  std::string Bimdl() const { return Lit_fichier(rep.Chemin("bimdl.dat")); }
  // The library as loaded back: names, counters, masks.
  std::vector<Modele> Relit() {
    ListeModeles l;
    Lit_modeles(ctx, l, "bimdl.dat");
    return {l.begin(), l.end()};
  }
  std::vector<std::string> Noms() {
    std::vector<std::string> n;
    for (const Modele& m : Relit()) n.emplace_back(Nom_texte(m.Nom));
    return n;
  }
  std::vector<int16_t> Etats() const {
    std::vector<int16_t> e;
    for (const CompConnexe& z : doc.ZonesTexte) e.push_back(z.Etat);
    return e;
  }
  std::vector<std::string> Caracteres() const {
    std::vector<std::string> c;
    for (const CompConnexe& z : doc.ZonesTexte) c.emplace_back(Nom_texte(z.Caractere));
    return c;
  }
  std::vector<std::string> Boites() const {
    std::vector<std::string> t;
    for (const Boite& b : con.Boites) t.push_back(b.Texte);
    return t;
  }

  RepertoireTemporaire rep;
  ConsoleSuivie con;
  Contexte ctx;
  Document doc;
};

constexpr const char* DEFAUT = nullptr;
constexpr int CASE_R2C3 = 2 * 8 + 3;  // a background cell of E and c, far from H

}  // namespace

TEST(AjouteModeles, SansBibliothequeDeuxCaracteresEtUneZoneEtroite) {
  Atelier a({Forme::L, Forme::T});
  a.Zone_etroite(1, 200);
  a.Repond({"o", "L", DEFAUT, DEFAUT, DEFAUT, DEFAUT, "T", DEFAUT});
  a.ctx.NbTraitements = 40;
  Ajoute_modeles(a.ctx, a.doc);

  EXPECT_EQ(a.Boites(), (std::vector<std::string>{"Ouverture Biblioteque Caractere impossible!"}));
  // The narrow zone is announced, not counted, and stays -1; the default of
  // each "Ajouter a la Base o/n" is the answer before.
  const std::vector<std::string> suite = {
      "Repeint", "Ajouter a la Base o/n []", "nom du caractere []", "traitement du suivant... []",
      "caractere trop petit []", "traitement du suivant... []",
      "Repeint", "Ajouter a la Base o/n [o]", "nom du caractere []", "traitement du suivant... []"};
  EXPECT_EQ(a.con.Suite, suite);
  EXPECT_EQ(a.con.Questions[2].Log, "\n\ncaractere ajoute");
  EXPECT_EQ(a.con.Questions[3].Log, "\ntrop petit");
  EXPECT_EQ(a.con.Questions[4].Log, "");
  EXPECT_EQ(a.con.Log, "");
  EXPECT_EQ(a.con.Vues, (std::vector<ConsoleTexte::Point>{{18, 10}, {48, 10}}));
  EXPECT_EQ(a.Etats(), (std::vector<int16_t>{1, -1, 1}));
  for (const CompConnexe& z : a.doc.ZonesTexte) {
    EXPECT_STREQ(z.Caractere, "");
    EXPECT_EQ(z.Classe, -1);
  }
  EXPECT_EQ(a.doc.NbZones, 0);

  // A library of the two models, counted from 0 since the load failed.
  EXPECT_EQ(a.Bimdl(), Int32(2) + Int32(2) + Enregistrement("L", 1, a.Masque(0)) + Enregistrement("T", 1, a.Masque(2)));
  // The last mask added is drawn left of its zone, 4 x 4 pixels a cell: T's
  // top row is ink, its bottom left cell background.
  EXPECT_EQ(Lit_pixel(80 - 32 + 3, 39 + 3, a.doc.Plan2), 1);
  EXPECT_EQ(Lit_pixel(80 - 32, 39 + 39, a.doc.Plan2), 0);
}

TEST(AjouteModeles, DeuxCaracteresSemblablesFusionnes) {
  Atelier a({Forme::H, Forme::H});
  a.Repond({"o", "H", DEFAUT, DEFAUT, "H", DEFAUT});
  Ajoute_modeles(a.ctx, a.doc);
  EXPECT_EQ(a.Bimdl(), Int32(1) + Int32(2) + Enregistrement("H", 2, a.Masque(0)));
}

TEST(AjouteModeles, ApresLePremierModeleEtReconnusEnsuite) {
  Atelier a({Forme::H, Forme::E, Forme::L});
  {
    ListeModeles l = {Modele_de("L", a.Masque(2), 5), Modele_de("T", Motif(3), 6)};
    a.ctx.NbTraitements = 30;
    Ecrit_modeles(a.ctx, l, 2, "bimdl.dat");
  }
  // Before: H and E are not recognised.
  Reconnait_texte(a.ctx, a.doc, Etape_texte::Pure);
  EXPECT_EQ(a.Etats(), (std::vector<int16_t>{-1, -1, 1}));

  a.Repond({"o", "H", DEFAUT, DEFAUT, "E", DEFAUT, "n", DEFAUT});
  a.ctx.NbTraitements = 30;
  Ajoute_modeles(a.ctx, a.doc);
  EXPECT_TRUE(a.con.Boites.empty());
  EXPECT_EQ(a.Etats(), (std::vector<int16_t>{1, 1, -1}));
  // The new models follow each other after the first one; three zones offered.
  const std::vector<Modele> bib = a.Relit();
  ASSERT_EQ(a.Noms(), (std::vector<std::string>{"L", "H", "E", "T"}));
  EXPECT_EQ(a.ctx.NbTraitements, 33);
  EXPECT_EQ(bib[1].Masque, a.Masque(0));
  EXPECT_EQ(bib[2].Masque, a.Masque(1));
  EXPECT_EQ(bib[0].Utilisation, 5);
  EXPECT_EQ(bib[1].Utilisation, 1);

  // After: each zone is recognised exactly, by its own model.
  Reconnait_texte(a.ctx, a.doc, Etape_texte::Pure);
  EXPECT_EQ(a.Etats(), (std::vector<int16_t>{1, 1, 1}));
  EXPECT_EQ(a.Caracteres(), (std::vector<std::string>{"H", "E", "L"}));
  for (const CompConnexe& z : a.doc.ZonesTexte) EXPECT_EQ(z.Taux, 0);
}

TEST(AjouteModeles, RienAjouteRienEcrit) {
  Atelier a({Forme::H, Forme::E});
  ListeModeles l = {Modele_de("L", Motif(2), 5)};
  Ecrit_modeles(a.ctx, l, 1, "bimdl.dat");
  const std::string avant = a.Bimdl();
  a.Repond({"n", DEFAUT, DEFAUT, DEFAUT});
  Ajoute_modeles(a.ctx, a.doc);
  EXPECT_EQ(a.con.Suite[4], "Ajouter a la Base o/n [n]");
  EXPECT_EQ(a.con.Questions[1].Log, "\ncaractere ignore");
  EXPECT_EQ(a.Bimdl(), avant);
  EXPECT_EQ(a.Etats(), (std::vector<int16_t>{-1, -1}));
}

TEST(RecreeModeles, UneBibliothequeQuiReconnaitSesZones) {
  Atelier a({Forme::L, Forme::H, Forme::T, Forme::E, Forme::c});
  ListeModeles ancienne = {Modele_de("Z", Motif(2), 5)};
  Ecrit_modeles(a.ctx, ancienne, 1, "bimdl.dat");
  a.ctx.NbTraitements = 12;
  a.Repond({"o", "L", DEFAUT,      // L kept
            "n",                   // H refused
            DEFAUT,                // T refused: the default is the last answer
            "o", DEFAUT, DEFAUT,   // E kept under the last name, a second "L"
            DEFAUT, "c2xy", DEFAUT});  // c kept, its name cut to 3 characters
  EXPECT_EQ(Recree_modeles(a.ctx, a.doc), 3);
  const std::vector<std::string> suite = {
      "Repeint", "Concerver? reponse o/n []", "nom []", "Repeint", "rien []",
      "Repeint", "Concerver? reponse o/n [o]",
      "Repeint", "Concerver? reponse o/n [n]",
      "Repeint", "Concerver? reponse o/n [n]", "nom [L]", "Repeint", "rien []",
      "Repeint", "Concerver? reponse o/n [o]", "nom [L]", "Repeint", "rien []"};
  EXPECT_EQ(a.con.Suite, suite);
  EXPECT_EQ(a.con.Vues, (std::vector<ConsoleTexte::Point>{{50, 10}, {80, 10}, {110, 10}, {140, 10}, {170, 10}}));
  EXPECT_EQ(a.Etats(), (std::vector<int16_t>{1, -1, -1, 1, 1}));
  EXPECT_EQ(a.doc.NbZones, 0);
  // The new library replaces the old one, every counter at 0.
  EXPECT_EQ(a.Bimdl(), Int32(3) + Int32(0) + Enregistrement("L", 0, a.Masque(0)) +
                           Enregistrement("L", 0, a.Masque(3)) + Enregistrement("c2x", 0, a.Masque(4)));
  EXPECT_EQ(a.ctx.NbTraitements, 0);
  // The last mask drawn at the zone's bottom right corner: c's top left cell.
  EXPECT_EQ(Lit_pixel(189, 39, a.doc.Plan2), 1);
  EXPECT_EQ(Lit_pixel(189 + 4, 39 + 4, a.doc.Plan2), 0);
}

TEST(RecreeModeles, ReconnaissanceDeSesPropresZones) {
  Atelier a({Forme::L, Forme::H, Forme::T, Forme::E, Forme::c});
  a.Repond({"o", "L", DEFAUT, DEFAUT, "H", DEFAUT, DEFAUT, "T", DEFAUT, DEFAUT, "E", DEFAUT, DEFAUT, "c", DEFAUT});
  EXPECT_EQ(Recree_modeles(a.ctx, a.doc), 5);
  EXPECT_EQ(a.Noms(), (std::vector<std::string>{"L", "H", "T", "E", "c"}));
  Reconnait_texte(a.ctx, a.doc, Etape_texte::Pure);
  EXPECT_EQ(a.Etats(), (std::vector<int16_t>{1, 1, 1, 1, 1}));
  EXPECT_EQ(a.Caracteres(), (std::vector<std::string>{"L", "H", "T", "E", "c"}));
  for (const CompConnexe& z : a.doc.ZonesTexte) EXPECT_EQ(z.Taux, 0);
}

TEST(RecreeModeles, MoinsDeDeuxModelesLaissentLAncienne) {
  for (const bool un : {true, false}) {
    Atelier a({Forme::L, Forme::H});
    ListeModeles ancienne = {Modele_de("Z", Motif(2), 5), Modele_de("Y", Motif(4), 1)};
    Ecrit_modeles(a.ctx, ancienne, 2, "bimdl.dat");
    const std::string avant = a.Bimdl();
    if (un)
      a.Repond({"n", "o", "H", DEFAUT});
    else
      a.Repond({"n", DEFAUT});
    EXPECT_EQ(Recree_modeles(a.ctx, a.doc), un ? 1 : 0);
    EXPECT_EQ(a.Bimdl(), avant);
    EXPECT_EQ(a.Etats(), (std::vector<int16_t>{-1, static_cast<int16_t>(un ? 1 : -1)}));
  }
}

TEST(AncienneReconnaissance, DialoguesEtatsEtBibliotheque) {
  // L recognised; c in capital/small doubt (C one cell away); E in great
  // doubt (F one cell away); a narrow zone; H unknown, added, then recognised
  // at its next occurrence; L refused and added as "l"; the block, nearest F
  // at 48 cells, ignored.
  Atelier a({Forme::L, Forme::c, Forme::E, Forme::H, Forme::H, Forme::L, Forme::Bloc});
  a.Zone_etroite(3, 300);
  const CasesMasque l = a.Masque(0), c = a.Masque(1), e = a.Masque(2);
  CasesMasque t{};  // T: the top row, columns 4 and 5 below it
  for (int k = 0; k < 8; ++k) t[k] = 1;
  for (int r = 1; r < 10; ++r) t[r * 8 + 4] = t[r * 8 + 5] = 1;
  ListeModeles bib = {Modele_de("L", l, 1), Modele_de("T", t, 1), Modele_de("c", c, 1),
                      Modele_de("C", Inverse(c, 1, CASE_R2C3), 1), Modele_de("E", e, 1),
                      Modele_de("F", Inverse(e, 1, CASE_R2C3), 1)};
  a.ctx.NbTraitements = 100;
  Ecrit_modeles(a.ctx, bib, 6, "bimdl.dat");
  // Entries for c and E, without strokes: the stroke test would confirm them.
  Ecrit_fichier(a.rep.Chemin("biqdl.dat"), "2\n\nc 0 0 0 0\nE 0 0 0 0\n");
  a.Repond({DEFAUT, DEFAUT,       // L
            "o", DEFAUT,          // c
            DEFAUT, DEFAUT,       // E
            DEFAUT, DEFAUT,       // narrow
            "o", "H", DEFAUT,     // H added
            DEFAUT, DEFAUT,       // H recognised
            "n", "oui", "l", DEFAUT,  // L refused, added as l
            DEFAUT, DEFAUT});     // block ignored
  a.ctx.NbTraitements = 0;
  Ancienne_reconnaissance(a.ctx, a.doc);
  EXPECT_TRUE(a.con.Boites.empty());

  const std::vector<std::string> suite = {
      "Repeint", "D'accord [o]", "traitement du suivant... []",
      "Repeint", "D'accord [o]", "traitement du suivant... []",
      "Repeint", "D'accord [o]", "traitement du suivant... []",
      "Repeint", "caractere trop petit []", "traitement du suivant... []",
      "Ajouter a la Base o/n [caractere non reconu!]", "nom du caractere []", "traitement du suivant... []",
      "Repeint", "D'accord [o]", "traitement du suivant... []",
      "Repeint", "D'accord [o]", "Ajouter a la Base o/n [caractere non reconu!]", "nom du caractere []",
      "traitement du suivant... []",
      "Ajouter a la Base o/n [caractere non reconu!]", "traitement du suivant... []"};
  EXPECT_EQ(a.con.Suite, suite);
  const auto& q = a.con.Questions;
  // L, the first model, is its own second choice.
  EXPECT_EQ(q[0].Log, "\nNom: L\ndiff: 0 / 80\nProche de: L\ndiff2: 0 / 80\netat: 1");
  EXPECT_EQ(q[1].Log, q[0].Log);
  EXPECT_EQ(q[2].Log, "\nNom: c\ndiff: 0 / 80\nProche de: C\ndiff2: 1 / 80\netat: 2");
  EXPECT_EQ(q[4].Log, "\nNom: E\ndiff: 0 / 80\nProche de: F\ndiff2: 1 / 80\netat: 4");
  EXPECT_EQ(q[6].Log, "\ntrop petit");
  EXPECT_EQ(q[8].Log, "\nProche de: E\ndiff2: 19 / 80\ncaractere non reconu!");
  EXPECT_EQ(q[10].Log, "\nProche de: E\ndiff2: 19 / 80\ncaractere non reconu!\n\ncaractere ajoute");
  EXPECT_EQ(q[11].Log, "\nNom: H\ndiff: 0 / 80\nProche de: E\ndiff2: 19 / 80\netat: 1");
  EXPECT_EQ(q[17].Log, "\nProche de: F\ndiff2: 48 / 80\ncaractere non reconu!");
  EXPECT_EQ(q[18].Log, "\nProche de: F\ndiff2: 48 / 80\ncaractere non reconu!\ncaractere ignore");
  EXPECT_EQ(a.con.Log, "");
  EXPECT_EQ(a.con.Vues.size(), 7u);
  EXPECT_EQ(a.con.Vues.front(), (ConsoleTexte::Point{18, 10}));

  // c accepted in state 2 keeps it although its stroke entry would have made
  // it 3; E accepted in state 4 goes through the doubt reduction to 3; the
  // block, unrecognised and ignored, takes its nearest model in state 5.
  EXPECT_EQ(a.Etats(), (std::vector<int16_t>{1, 2, 3, -2, 1, 1, 1, 5}));
  EXPECT_EQ(a.Caracteres(), (std::vector<std::string>{"L", "c", "E", "", "H", "H", "l", "F"}));
  std::vector<int16_t> classes;
  for (const CompConnexe& z : a.doc.ZonesTexte) classes.push_back(z.Classe);
  EXPECT_EQ(classes, (std::vector<int16_t>{1, 2, 1, -1, 1, 1, 2, 1}));
  const CompConnexe& h = a.Zone(4);
  EXPECT_EQ((std::pair<int16_t, int16_t>{h.Taux, h.Taux2}), (std::pair<int16_t, int16_t>{0, 19}));
  EXPECT_STREQ(h.Proche, "E");
  // The refused L keeps its former name as second choice.
  const CompConnexe& l2 = a.Zone(6);
  EXPECT_STREQ(l2.Proche, "L");
  EXPECT_EQ((std::pair<int16_t, int16_t>{l2.Taux, l2.Taux2}), (std::pair<int16_t, int16_t>{0, 0}));
  const CompConnexe& bloc = a.Zone(7);
  EXPECT_EQ(bloc.Taux, 48);
  EXPECT_STREQ(bloc.Proche, "");
  EXPECT_EQ(a.doc.NbZones, 0);

  // Saved: the models added after the last, the counters of the zones taken
  // as best matches, and seven zones compared.
  const std::vector<Modele> lu = a.Relit();
  std::vector<std::pair<std::string, int32_t>> noms;
  for (const Modele& m : lu) noms.emplace_back(Nom_texte(m.Nom), m.Utilisation);
  EXPECT_EQ(noms, (std::vector<std::pair<std::string, int32_t>>{
                      {"L", 3}, {"T", 1}, {"c", 2}, {"C", 1}, {"E", 2}, {"F", 1}, {"H", 2}, {"l", 1}}));
  EXPECT_EQ(lu[6].Masque, a.Masque(4));
  EXPECT_EQ(a.ctx.NbTraitements, 107);

  // The recognised text drawn on a cleared Plan 2: outlines round the zones
  // in doubt, none round the recognised ones; the block's copy is gone.
  EXPECT_EQ(Lit_pixel(110, 20, a.doc.Plan2), 1);   // E, state 3
  EXPECT_EQ(Lit_pixel(50, 20, a.doc.Plan2), 0);    // L, state 1
  EXPECT_EQ(Lit_pixel(230, 20, a.doc.Plan2), 1);   // block, state 5
  EXPECT_EQ(Lit_pixel(240, 20, a.doc.Plan2), 0);
}

TEST(AncienneReconnaissance, SansBibliotheque) {
  // The first L is added as the only model; the second is then recognised;
  // the save creates bimdl.dat.
  Atelier a({Forme::L, Forme::L});
  Ecrit_fichier(a.rep.Chemin("biqdl.dat"), "1\n\nE 0 0 0 0\n");
  a.Repond({"o", "L", DEFAUT, DEFAUT, DEFAUT});
  a.ctx.NbTraitements = 9;
  Ancienne_reconnaissance(a.ctx, a.doc);
  EXPECT_EQ(a.Boites(), (std::vector<std::string>{"Ouverture Biblioteque Caractere impossible!"}));
  EXPECT_EQ(a.con.Questions[0].Log, "\nProche de: \ndiff2: 0 / 80\ncaractere non reconu!");
  EXPECT_EQ(a.con.Questions[3].Log, "\nNom: L\ndiff: 0 / 80\nProche de: L\ndiff2: 0 / 80\netat: 1");
  EXPECT_EQ(a.Etats(), (std::vector<int16_t>{1, 1}));
  EXPECT_EQ(a.Bimdl(), Int32(1) + Int32(2) + Enregistrement("L", 2, a.Masque(0)));

  // Nothing added: the failure is reported once and no file is created.
  Atelier b({Forme::L});
  Ecrit_fichier(b.rep.Chemin("biqdl.dat"), "1\n\nE 0 0 0 0\n");
  Ancienne_reconnaissance(b.ctx, b.doc);
  EXPECT_EQ(b.Boites(), (std::vector<std::string>{"Ouverture Biblioteque Caractere impossible!"}));
  EXPECT_FALSE(std::filesystem::exists(b.rep.Chemin("bimdl.dat")));
  // Unrecognised, ignored, no second choice: the doubt reduction makes it 5.
  EXPECT_EQ(b.Etats(), (std::vector<int16_t>{5}));
}

TEST(Entrainement, SauvegardeImpossibleGardeLAncienne) {
  // The scratch file of the save cannot be made (a directory holds its name):
  // each command reports the failed save once and the old library stays
  // byte for byte.
  for (int commande = 0; commande < 3; ++commande) {
    Atelier a({Forme::H, Forme::E});
    ListeModeles ancienne = {Modele_de("Z", Motif(2), 5), Modele_de("Y", Motif(4), 1)};
    Ecrit_modeles(a.ctx, ancienne, 2, "bimdl.dat");
    Ecrit_fichier(a.rep.Chemin("biqdl.dat"), "1\n\nE 0 0 0 0\n");
    const std::string avant = a.Bimdl();
    std::filesystem::create_directory(a.rep.Chemin("bimdl.dat.tmp"));
    if (commande == 0) {
      a.Repond({"o", "H", DEFAUT, DEFAUT, "E", DEFAUT});
      Ajoute_modeles(a.ctx, a.doc);
    } else if (commande == 1) {
      a.Repond({"o", "H", DEFAUT, DEFAUT, "E", DEFAUT});
      EXPECT_EQ(Recree_modeles(a.ctx, a.doc), 2);
    } else {
      a.Repond({"o", "H", DEFAUT, "o", "E", DEFAUT});
      Ancienne_reconnaissance(a.ctx, a.doc);
      EXPECT_EQ(a.Caracteres(), (std::vector<std::string>{"H", "E"}));
    }
    EXPECT_EQ(a.Boites(), (std::vector<std::string>{"Sauvegarde Biblioteque Caractere impossible!"})) << commande;
    EXPECT_EQ(a.Bimdl(), avant) << commande;
  }
}
