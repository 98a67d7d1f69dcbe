#include <gtest/gtest.h>

#include <cstring>

#include "app/chaines_structure.h"
#include "display/dessin_structure.h"
#include "display/raz_listes.h"
#include "image/bmp.h"
#include "image/segment.h"
#include "outils_structure.h"

namespace {

struct Segment {
  int32_t x1, y1, x2, y2;
};

// The pixels the segments draw on a blank plane of the document's size.
Pixels Dessin(const Document& doc, const std::vector<Segment>& segments) {
  Plan p = Plan_comme(doc.Plan2, 0xFF);
  for (const Segment& s : segments) Trace_segment(p, s.x1, s.y1, s.x2, s.y2, 1);
  return Pixels_encre(p);
}

Pixels Union(Pixels a, const Pixels& b) {
  a.insert(b.begin(), b.end());
  return a;
}

}  // namespace

// Two strokes, their axes doubled, the link of their middles, and the glyph
// of the type at the mean of their ends (50, 120).
TEST(Dessin_arcs, GlypheParType) {
  const std::vector<Segment> fond = {{20, 100, 80, 100}, {21, 101, 81, 101}, {20, 140, 80, 140},
                                     {21, 141, 81, 141}, {50, 100, 50, 140}};
  struct Ligne {
    char type;
    std::vector<Segment> glyphe;
  };
  const Ligne lignes[] = {
      {'_', {{50, 120, 60, 120}}},
      {'~', {{50, 120, 60, 120}}},
      {'L', {{50, 120, 50, 130}, {50, 130, 60, 130}}},
      {'l', {{50, 120, 50, 130}, {50, 130, 60, 130}}},
      {'P', {{50, 120, 50, 130}, {52, 120, 52, 130}}},
      {'T', {{50, 120, 60, 120}, {55, 120, 55, 130}}},
      {'t', {{50, 120, 60, 120}, {55, 120, 55, 130}}},
      {'X', {{50, 120, 50, 130}, {45, 125, 55, 125}}},
      {'?', {{50, 120, 60, 120}, {50, 120, 60, 122}, {50, 120, 60, 124}, {50, 120, 60, 126}, {50, 120, 60, 128}}},
  };
  for (const Ligne& l : lignes) {
    Cas c;
    Ecrit_pixel(250, 250, 1, c.doc.Plan2);  // cleared first
    c.Relie(c.Ajoute(Axe(20, 100, 80, 100)), c.Ajoute(Axe(20, 140, 80, 140)), l.type);
    c.doc.ListeArcs.push_back(Arc{nullptr, nullptr, 'L'});  // counted, not drawn
    EXPECT_EQ(Dessin_arcs(c.b.con, c.doc, c.doc.ListeArcs), 1);
    EXPECT_EQ(Pixels_encre(c.doc.Plan2), Union(Dessin(c.doc, fond), Dessin(c.doc, l.glyphe))) << l.type;
    EXPECT_EQ(c.b.con.Log, " Dessin des arcs ...\n* Nb d'arcs :  2 ");
  }
}

TEST(Dessin_arcs, PasAPasChaqueArcSeul) {
  Cas c;
  c.b.con.ModeDebug = 1;
  Quadrilatere* a = c.Ajoute(Axe(200, 180, 260, 180));
  Quadrilatere* b = c.Ajoute(Axe(200, 188, 260, 188));
  c.Relie(a, b, 'P');
  c.Relie(b, a, '~');
  Dessin_arcs(c.b.con, c.doc, c.doc.ListeArcs);
  EXPECT_EQ(c.b.con.NbPauses, 2);
  EXPECT_EQ(c.b.con.Vues, (std::vector<ConsoleTexte::Point>{{50, 30}, {50, 38}}));
  EXPECT_EQ(c.b.con.Log, "\n * Type = ~ \n* Nb d'arcs :  2 ");
  EXPECT_TRUE(Pixels_encre(c.doc.Plan2).empty());
}

TEST(Dessin_arcs_type, ClasseDemandee) {
  struct Ligne {
    const char* reponse;
    Textes dessines;  // types drawn
  };
  const Ligne lignes[] = {{"s", {"_", "~"}}, {"Lx", {"L", "l"}}, {"t", {"T"}}, {"", {}}, {"Q", {}}};
  for (const Ligne& l : lignes) {
    Cas c;
    Ecrit_pixel(250, 250, 1, c.doc.Plan2);  // kept
    Quadrilatere* q[2] = {c.Ajoute(Axe(20, 100, 80, 100)), c.Ajoute(Axe(20, 140, 80, 140))};
    for (const char t : {'_', 'L', '~', 'T', 'l'}) c.Relie(q[0], q[1], t);
    c.b.con.Reponses.push_back({true, l.reponse});
    EXPECT_EQ(Dessin_arcs_type(c.b.con, c.doc, c.doc.ListeArcs), 1);
    EXPECT_EQ(c.b.con.Libelles, Textes{"- Quel Type (P,T,X,L,S) ?"});
    EXPECT_EQ(c.b.con.Log, " Dessin des arcs ...\n* Nb d'arcs :  5 ");
    // Compare with the arcs of those types drawn alone.
    Cas seul;
    Quadrilatere* r[2] = {seul.Ajoute(Axe(20, 100, 80, 100)), seul.Ajoute(Axe(20, 140, 80, 140))};
    for (const std::string& t : l.dessines) seul.Relie(r[0], r[1], t[0]);
    Dessin_arcs(seul.b.con, seul.doc, seul.doc.ListeArcs);
    EXPECT_EQ(Pixels_encre(c.doc.Plan2), Union(Pixels_encre(seul.doc.Plan2), Pixels{{250, 250}})) << l.reponse;
  }
}

TEST(Dessin_symboles, SegmentsEtCommentaires) {
  Cas c;
  // A font whose "L" and "P" are full boxes and "2" is empty.
  for (const char* nom : {"L", "2", "P"}) {
    Glyphe g;
    std::strcpy(g.Nom, nom);
    g.Masque.fill(nom[0] == '2' ? 0 : 1);
    c.b.ctx.Police.push_back(g);
  }
  auto symbole = [](int32_t type, uint32_t nb, const char* com, std::vector<Sommet> v) {
    Symbole s;
    s.Type = type, s.Nb = nb;
    std::strcpy(s.Commentaire, com);
    std::copy(v.begin(), v.end(), s.Sommets);
    return s;
  };
  c.doc.ListeSymboles = {symbole(300, 2, "L2", {{100, 100}, {160, 100}, {100, 120}, {160, 120}}),
                         symbole(200, 2, "", {{10, 200}, {40, 220}, {70, 200}}),
                         symbole(100, 3, "", {{200, 200}, {260, 200}, {230, 250}}),
                         symbole(400, 2, "L", {{1, 1}, {2, 2}})};
  Ecrit_pixel(5, 5, 1, c.doc.Plan2);  // kept
  EXPECT_EQ(Dessin_symboles(c.b.ctx, c.doc, c.doc.ListeSymboles), 1);
  EXPECT_EQ(c.b.con.Log, " Dessin des Symboles...\n* Nb de symboles :  4 ");
  Pixels attendu = Dessin(c.doc, {{100, 100, 160, 100},
                                  {100, 120, 160, 120},
                                  {10, 200, 40, 220},
                                  {40, 220, 70, 200},
                                  {200, 200, 260, 200},
                                  {260, 200, 230, 250},
                                  {200, 200, 230, 250}});
  attendu.insert({5, 5});
  // "L" of the bond at the mean (130, 110) less 15; "P3": its "P" at vertex 1.
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 8; ++x) {
      attendu.insert({115 + x, 95 + y});
      attendu.insert({260 + x, 200 + y});
      attendu.erase({124 + x, 95 + y});  // the blank "2" erases what lies under it
    }
  EXPECT_EQ(Pixels_encre(c.doc.Plan2), attendu);
}

TEST(Raz, ArcsEtSymbolesALaFermeture) {
  Cas c;
  c.Relie(c.Ajoute(Axe(20, 100, 80, 100)), c.Ajoute(Axe(20, 140, 80, 140)), 'P');
  c.doc.ListeSymboles.resize(3);
  Ferme_document(c.b.ctx, c.doc);
  EXPECT_EQ(c.b.con.Log,
            "\n Raz vecteurs :  0 \n Raz quadr. :  2 \n Raz quadr. :  0 \n Raz C.C. :  0 \n Raz Caracteres :  0 "
            "\n Raz C.C. :  0 \n Raz Arcs QQ :  1 \n - Raz Symboles :  3 ");
  EXPECT_TRUE(c.doc.ListeArcs.empty());
  EXPECT_TRUE(c.doc.ListeSymboles.empty());
}

TEST(Chaine_redessine, UneFoisParDocument) {
  Cas c;
  c.Ajoute(Trait(20, 100, 120, 100));
  c.Ajoute(Trait(70, 60, 70, 140));
  c.Ajoute(Separateur());
  Chaine_redessine(c.b.ctx, c.doc);
  EXPECT_EQ(c.doc.NbGraphes, 1);
  EXPECT_EQ(c.Arcs_lus(), Textes{"X:0-1"});
  EXPECT_EQ(c.doc.NbQuads, 2);
  EXPECT_EQ(c.b.con.Log, " Analyse extremités...\n\nOk");
  EXPECT_EQ(c.b.con.NbBipsMessage, 2);  // the graph analysis's, then the command's
  Chaine_redessine(c.b.ctx, c.doc);
  EXPECT_EQ(c.b.con.Log, "\n\nOk");
  EXPECT_EQ(c.doc.NbGraphes, 1);
  EXPECT_EQ(c.doc.ListeArcs.size(), 1u);

  Chaine_liaisons(c.b.ctx, c.doc);
  EXPECT_EQ(c.b.con.Log, " Analyse des Liaisons...Ok");
  EXPECT_EQ(c.doc.ListeSymboles.size(), 1u);
  EXPECT_STREQ(c.doc.ListeSymboles.front().Commentaire, "X2");
}
