#include <gtest/gtest.h>

#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "vecto/fusion_vecteurs.h"

namespace {

using Segments = std::vector<std::vector<int32_t>>;

void Remplit(Document& doc, const Segments& s) {
  doc.Vecteurs.clear();
  for (const auto& c : s) {
    Vecteur v = Vecteur_de(c[0], c[1], c[2], c[3]);
    v.Etat = 7;
    doc.Vecteurs.push_back(v);
  }
}

Segments Lus(const Document& doc) {
  Segments s;
  for (const Vecteur& v : doc.Vecteurs) s.push_back({v.x1, v.y1, v.x2, v.y2, v.Longueur, v.Angle, v.Etat});
  return s;
}

}  // namespace

TEST(FusionVecteurs, Groupes) {
  struct Cas {
    const char* nom;
    const char* eps;
    Segments entree;
    int32_t fusions;
    Segments sortie;
  };
  const Cas cas[] = {
      {"alignes", "1", {{0, 0, 5, 0}, {5, 0, 10, 0}, {10, 0, 15, 0}}, 2, {{0, 0, 15, 0, 15, 0, 7}}},
      {"aller et retour", "100", {{0, 0, 5, 0}, {5, 0, 0, 0}}, 0, {{0, 0, 5, 0, 5, 0, 7}, {5, 0, 0, 0, 5, 0, 7}}},
      {"non chaines", "100", {{0, 0, 5, 0}, {6, 0, 10, 0}}, 0, {{0, 0, 5, 0, 5, 0, 7}, {6, 0, 10, 0, 4, 0, 7}}},
      // With EpsFV 0 any area stops the group before the vector that made it.
      {"aire nulle exigee",
       "0",
       {{0, 0, 5, 0}, {5, 0, 10, 1}, {10, 1, 15, 1}},
       0,
       {{0, 0, 5, 0, 5, 0, 7}, {5, 0, 10, 1, 6, 168, 7}, {10, 1, 15, 1, 5, 0, 7}}},
      {"aire toleree", "100", {{0, 0, 5, 0}, {5, 0, 10, 1}, {10, 1, 15, 1}}, 2, {{0, 0, 15, 1, 16, 176, 7}}},
      // A turn of 90 degrees ends the group; the next one starts at the refused vector.
      {"angle droit",
       "100",
       {{0, 0, 5, 0}, {5, 0, 10, 0}, {10, 0, 10, 5}, {10, 5, 10, 10}},
       2,
       {{0, 0, 10, 0, 10, 0, 7}, {10, 0, 10, 10, 10, 90, 7}}},
      // Two contours are never merged with each other.
      {"deux contours",
       "100",
       {{0, 0, 5, 0}, {5, 0, 9, 0}, {9, 0, 13, 0}, {20, 0, 25, 0}},
       2,
       {{0, 0, 13, 0, 13, 0, 7}, {20, 0, 25, 0, 5, 0, 7}}},
      {"vide", "1", {}, 0, {}},
  };
  for (const Cas& c : cas) {
    Banc b(std::string("#EpsFV#\n=") + c.eps + "#\n>\n");
    Document doc;
    Installe_plan(doc, Plan_blanc(40, 20));
    Remplit(doc, c.entree);
    EXPECT_EQ(Fusion_vecteurs(b.ctx, doc), c.fusions) << c.nom;
    EXPECT_EQ(Lus(doc), c.sortie) << c.nom;
    EXPECT_EQ(b.con.Log, "2) Fusion des vecteurs\n - Nb de fusion :  " + std::to_string(c.fusions) + " ") << c.nom;
    // The fixed point: a second pass changes nothing.
    EXPECT_EQ(Fusion_vecteurs(b.ctx, doc), 0) << c.nom;
    EXPECT_EQ(Lus(doc), c.sortie) << c.nom;
    if (!c.entree.empty()) {
      EXPECT_GT(b.con.NbPompes, 0) << c.nom;
    }
  }
}

TEST(FusionVecteurs, ModePasAPas) {
  Banc b("#EpsFV#\n=1#\n>\n");
  Document doc;
  Installe_plan(doc, Plan_blanc(60, 40));
  Ecrit_pixel(30, 30, 1, doc.Plan2);
  Remplit(doc, {{10, 10, 15, 10}, {15, 10, 20, 10}, {20, 10, 20, 20}});
  b.con.ModeDebug = 1;
  EXPECT_EQ(Fusion_vecteurs(b.ctx, doc), 1);
  // Plan 2 cleared, then each finished group drawn, shown and paused on.
  EXPECT_EQ(Lit_pixel(30, 30, doc.Plan2), 0);
  EXPECT_EQ(Lit_pixel(19, 10, doc.Plan2), 1);
  EXPECT_EQ(Lit_pixel(20, 19, doc.Plan2), 1);
  EXPECT_EQ(b.con.NbPauses, 2);
  EXPECT_EQ(b.con.Vues, (std::vector<ConsoleTexte::Point>{{-90, -90}, {-80, -90}}));
}
