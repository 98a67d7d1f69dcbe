#include <gtest/gtest.h>

#include "display/dessine_texte.h"
#include "reconnaissance_outils.h"
#include "samples/dessin.h"
#include "text/reconnaissance.h"

namespace {

const std::vector<std::pair<std::string, std::string>> SEUILS = {
    {"SEUILMASK", "3"}, {"SEUILDIFF", "10"},    {"SEUILMINIDIFF", "2"},  {"SHouL", "45"},
    {"LGMINIQ", "1"},   {"MARGEANGLE", "20"}, {"SEUILDECOUPE", "2"}, {"SEUILDECOUPS", "2"}};

// An open ring (no right side), an H and a closed ring, each 20 x 30.
Plan Trois_lettres() {
  Plan p = Plan_blanc(200, 60);
  const auto anneau = [&](int32_t x, bool ferme) {
    Rectangle_plein(p, x, 10, x + 19, 12);
    Rectangle_plein(p, x, 37, x + 19, 39);
    Rectangle_plein(p, x, 10, x + 2, 39);
    if (ferme) Rectangle_plein(p, x + 17, 10, x + 19, 39);
  };
  anneau(10, false);
  Rectangle_plein(p, 36, 10, 38, 39);
  Rectangle_plein(p, 53, 10, 55, 39);
  Rectangle_plein(p, 36, 24, 55, 26);
  anneau(150, true);
  return p;
}

std::vector<std::string> Textes(const ConsoleTexte& con) {
  std::vector<std::string> t;
  for (const Boite& b : con.Boites) t.push_back(b.Texte);
  return t;
}

}  // namespace

TEST(ReconnaitTexte, ZonesTropPetites) {
  // The chain compares zones more than 8 x 10 pixels only; the others are
  // problems (-2), with empty names, not counted.
  Banc b(Param_texte(SEUILS));
  Plan p = Plan_blanc(100, 60);
  Rectangle_plein(p, 1, 1, 98, 58);
  Document doc;
  Installe_plan(doc, std::move(p));
  CasesMasque plein;
  plein.fill(1);
  Ecrit_bimdl(b, {{"X", plein}});
  doc.ZonesTexte = {Cadre(10, 10, 18, 30), Cadre(30, 10, 39, 30), Cadre(50, 10, 70, 20), Cadre(50, 30, 70, 41)};
  for (CompConnexe& z : doc.ZonesTexte) Copie_nom(z.Caractere, "q");
  Reconnait_texte(b.ctx, doc, Etape_texte::Pure);
  std::vector<int16_t> etats;
  for (const CompConnexe& z : doc.ZonesTexte) etats.push_back(z.Etat);
  EXPECT_EQ(etats, (std::vector<int16_t>{-2, 1, -2, 1}));
  EXPECT_STREQ(doc.ZonesTexte.front().Caractere, "");
  EXPECT_EQ(doc.ZonesTexte.front().Classe, -1);
  EXPECT_EQ(b.ctx.NbTraitements, 2);
}

TEST(ReconnaitTexte, ChaineComplete) {
  Banc b(Param_texte(SEUILS));
  Document doc;
  Installe_plan(doc, Trois_lettres());
  const CompConnexe c = Cadre(10, 10, 29, 39), h = Cadre(36, 10, 55, 39), o = Cadre(150, 10, 169, 39);
  Ecrit_bimdl(b, {{"c", Masque_de(doc, c, 3)}, {"l", Masque_de(doc, h, 3)}, {"O", Masque_de(doc, o, 3)}});
  Ecrit_fichier(b.rep.Chemin("biqdl.dat"), "1\n\nO 2 2 0 0\n");
  Ecrit_fichier(b.rep.Chemin("SymbSimplex.dat"), "2\nO\nH\n");
  Ecrit_fichier(b.rep.Chemin("SymbCplx.dat"), "2\nCl\nOH\n");
  CasesMasque plein;
  plein.fill(1);
  b.ctx.Police = {Glyphe{"C", plein}};
  doc.ZonesTexte = {o, c, h};
  doc.NbZones = 9;

  Reconnait_texte(b.ctx, doc);
  EXPECT_TRUE(b.con.Boites.empty());
  // "c" and "l" 7 pixels apart (under half the mean width, 19 / 2) make one
  // zone, spelt "Cl"; O, far away, is a zone of its own.
  EXPECT_EQ(doc.NbZones, 2);
  std::string lu;
  for (const CompConnexe& z : doc.ZonesTexte)
    lu += std::string(z.Caractere) + ":" + std::to_string(z.Zone) + "." + std::to_string(z.Rang) + "/" +
          std::to_string(z.Etat) + " ";
  EXPECT_EQ(lu, "O:1.1/1 C:2.1/1 l:2.2/1 ");
  // The C written in full ink from (12, 12); the others have no glyph.
  EXPECT_EQ(Lit_pixel(12, 12, doc.Plan2), 1);
  EXPECT_EQ(Lit_pixel(43, 51, doc.Plan2), 1);
  EXPECT_EQ(Lit_pixel(44, 12, doc.Plan2), 0);
  EXPECT_EQ(Lit_pixel(152, 12, doc.Plan2), 0);
}

TEST(ReconnaitTexte, SeuilsEtBibliothequesLus) {
  // Without param.dat entries every threshold is an unknown-parameter box:
  // the step reads only those its stages use. Without bimdl.dat nothing else
  // happens; biqdl.dat is read for doubt reduction, the symbol lists when
  // word analysis starts on a list that is not empty.
  const std::string inconnu = "Parametre inconnu !";
  const std::string bimdl = "Ouverture Biblioteque Caractere impossible!";
  const std::string biqdl = "Ouverture Biblioteque Symboles Quadrilateres impossible!";
  const std::string simples = "Ouverture Biblioteque Symboles Simples impossible!";
  const std::string complexes = "Ouverture Biblioteque Symboles Complexes impossible!";
  struct Cas {
    Etape_texte etape;
    int nb_seuils;
  };
  for (const Cas k : {Cas{Etape_texte::Pure, 3}, Cas{Etape_texte::Decoupe, 4}, Cas{Etape_texte::Reduction, 7},
                      Cas{Etape_texte::Chiffres, 7}, Cas{Etape_texte::Analyse, 7}, Cas{Etape_texte::Complete, 7}}) {
    Banc b(">\n");
    Document doc;
    Installe_plan(doc, Trois_lettres());
    Ecrit_pixel(5, 5, 1, doc.Plan2);
    doc.ZonesTexte = {Cadre(10, 10, 29, 39)};
    doc.NbZones = 3;
    Reconnait_texte(b.ctx, doc, k.etape);
    std::vector<std::string> attendu(k.nb_seuils, inconnu);
    attendu.push_back(bimdl);
    EXPECT_EQ(Textes(b.con), attendu);
    EXPECT_EQ(doc.NbZones, 0);
    EXPECT_EQ(Lit_pixel(5, 5, doc.Plan2), 1);  // not drawn

    b.con.Boites.clear();
    Ecrit_bimdl(b, {{"c", CasesMasque{}}});
    Reconnait_texte(b.ctx, doc, k.etape);
    attendu.pop_back();
    if (k.etape != Etape_texte::Pure && k.etape != Etape_texte::Decoupe) attendu.push_back(biqdl);
    if (k.etape == Etape_texte::Analyse || k.etape == Etape_texte::Complete) {
      attendu.push_back(simples);
      attendu.push_back(complexes);
    }
    EXPECT_EQ(Textes(b.con), attendu);
    EXPECT_EQ(Lit_pixel(5, 5, doc.Plan2), 0);  // cleared, then drawn

    b.con.Boites.clear();
    doc.ZonesTexte.clear();
    Reconnait_texte(b.ctx, doc, k.etape);
    if (k.etape == Etape_texte::Analyse || k.etape == Etape_texte::Complete) attendu.resize(attendu.size() - 2);
    EXPECT_EQ(Textes(b.con), attendu);
  }
}

TEST(DessineTexte, ContoursEtTextes) {
  // Glyph A: its top-left cell ink, the rest background.
  Banc b;
  CasesMasque a{};
  a[0] = 1;
  b.ctx.Police = {Glyphe{"A", a}};
  Document doc;
  Installe_plan(doc, Plan_blanc(200, 100));
  const ListeCC zones = {Lu("A", "", 1, 10, 10, 60, 80), Lu("A", "", 5, 100, 10, 120, 30),
                         Lu("A", "", -1, 150, 10, 170, 30), Lu("", "", 4, 150, 50, 190, 90)};
  Ecrit_pixel(80, 80, 1, doc.Plan2);
  Dessine_texte(b.ctx, doc, zones, false);
  struct Point {
    int32_t x, y;
    int encre;
  };
  const Point points[] = {
      {80, 80, 1},  // not cleared
      // Recognised: the text only, its first cell 4 x 4 pixels of ink at (12, 12).
      {12, 12, 1}, {15, 15, 1}, {16, 12, 0}, {10, 10, 0},
      // Doubtful: the outline, corners (xmin, ymax) and (xmax, ymin) left
      // out, then the opaque 32 x 40 glyph box from (102, 12) over its right
      // and bottom sides.
      {100, 10, 1}, {119, 10, 1}, {120, 10, 0}, {120, 11, 1}, {120, 12, 0}, {120, 30, 0}, {100, 29, 1},
      {100, 30, 0}, {101, 30, 1}, {110, 30, 0}, {102, 12, 1},
      // Unrecognised: the outline only. Doubtful with no name: its outline.
      {150, 29, 1}, {150, 30, 0}, {170, 10, 0}, {170, 30, 1}, {152, 12, 0}, {190, 89, 1}};
  for (const Point& p : points) EXPECT_EQ(Lit_pixel(p.x, p.y, doc.Plan2), p.encre) << p.x << "," << p.y;
  // The old pixel, the two glyph cells (16 each), the doubtful outline
  // (78 pixels) less the 37 under the glyph box, the outlines of 20 and 40.
  EXPECT_EQ(Pixels_encre(doc.Plan2).size(), 1u + 16 + 16 + (78 - 37) + 78 + 158);

  Dessine_texte(b.ctx, doc, {}, true);
  EXPECT_TRUE(Pixels_encre(doc.Plan2).empty());
}
