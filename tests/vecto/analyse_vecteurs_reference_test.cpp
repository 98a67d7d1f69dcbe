// Quadrilateral construction through its index against the plain scan of the
// whole list, on hundreds of small random drawings and vector lists: the
// vectors, the quadrilaterals, the count, the log and Plan 2 must be equal.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "analyse_vecteurs_reference.h"
#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "vecto/analyse_vecteurs.h"
#include "vecto/contours.h"
#include "vecto/fusion_vecteurs.h"

namespace {

std::string Param(int penteV, int epmax) {
  return "#EpsV#\n=2#\n#EpsFV#\n=4#\n#Seuil_penteV#\n=" + std::to_string(penteV) + "#\n#SeuilEpmax#\n=" +
         std::to_string(epmax) + "#\n>\n";
}

using Ligne = std::vector<int64_t>;

std::vector<Ligne> Etat_vecteurs(const Document& doc) {
  std::vector<Ligne> r;
  for (const Vecteur& v : doc.Vecteurs) r.push_back({v.x1, v.y1, v.x2, v.y2, v.Longueur, v.Angle, v.Etat});
  return r;
}

std::vector<Ligne> Etat_quads(const Document& doc) {
  std::vector<Ligne> r;
  for (const Quadrilatere& q : doc.Quadrilateres)
    r.push_back({q.x1, q.y1, q.x2, q.y2, q.x3, q.y3, q.x4, q.y4, q.Longueur, q.Angle1, q.Angle2, q.Marque, q.Ep1,
                 q.Ep2, q.Marque2, q.Niveau});
  return r;
}

// Random ink: thick strokes of every direction and thickness, filled boxes,
// checkerboard patches and isolated pixels.
Plan Dessin_aleatoire(std::mt19937& g, int32_t largeur, int32_t hauteur) {
  Plan p = Plan_blanc(largeur, hauteur);
  auto u = [&](int32_t a, int32_t b) { return a + static_cast<int32_t>(g() % static_cast<uint32_t>(b - a + 1)); };
  const int32_t traits = u(0, 12);
  for (int32_t i = 0; i < traits; ++i)
    Trait_epais(p, u(2, largeur - 3), u(2, hauteur - 3), u(2, largeur - 3), u(2, hauteur - 3), u(10, 90) / 10.0);
  if (u(0, 2) == 0) Rectangle_plein(p, u(2, 20), u(2, 20), u(20, largeur - 3), u(20, hauteur - 3));
  if (u(0, 2) == 0) {
    const int32_t c = u(1, 3), x0 = u(2, largeur / 2), y0 = u(2, hauteur / 2);
    for (int32_t y = y0; y < std::min(hauteur - 2, y0 + u(5, 40)); ++y)
      for (int32_t x = x0; x < std::min(largeur - 2, x0 + u(5, 40)); ++x)
        if ((x / c + y / c) % 2 == 0) Ecrit_pixel(x, y, 1, p);
  }
  const int32_t points = u(0, 60);
  for (int32_t i = 0; i < points; ++i) Ecrit_pixel(u(2, largeur - 3), u(2, hauteur - 3), 1, p);
  return p;
}

struct Essai {
  Banc b;
  Document doc;
  explicit Essai(const std::string& param) : b(param) {}
};

// Runs both versions on copies of the same document and compares.
void Compare(const Plan& plan, const ListeVecteurs& vecteurs, const std::string& param, bool pas_a_pas,
             int32_t nb_quads) {
  Essai ref(param), indexe(param);
  for (Essai* e : {&ref, &indexe}) {
    Installe_plan(e->doc, plan.Copie());
    e->doc.Vecteurs = vecteurs;
    e->doc.NbQuads = nb_quads;
    e->b.con.ModeDebug = pas_a_pas ? 1 : 0;
  }
  Analyse_vecteurs_reference(ref.b.ctx, ref.doc);
  Analyse_vecteurs(indexe.b.ctx, indexe.doc);
  ASSERT_EQ(Etat_vecteurs(indexe.doc), Etat_vecteurs(ref.doc));
  ASSERT_EQ(Etat_quads(indexe.doc), Etat_quads(ref.doc));
  EXPECT_EQ(indexe.doc.NbQuads, ref.doc.NbQuads);
  EXPECT_EQ(indexe.b.con.Log, ref.b.con.Log);
  EXPECT_EQ(indexe.b.con.Vues, ref.b.con.Vues);
  EXPECT_EQ(indexe.b.con.NbPauses, ref.b.con.NbPauses);
  EXPECT_EQ(indexe.b.con.NbPompes, ref.b.con.NbPompes);
  EXPECT_EQ(indexe.doc.Plan2.Pixels, ref.doc.Plan2.Pixels);
}

}  // namespace

TEST(AnalyseVecteursReference, DessinsAleatoires) {
  std::mt19937 g(1404);
  const int penteV[] = {5, 15, 30, 90};
  const int epmax[] = {3, 6, 20, 40, 300};
  for (int essai = 0; essai < 400; ++essai) {
    SCOPED_TRACE(essai);
    const int32_t largeur = 24 + static_cast<int32_t>(g() % 100), hauteur = 24 + static_cast<int32_t>(g() % 80);
    const Plan plan = Dessin_aleatoire(g, largeur, hauteur);
    const std::string param = Param(penteV[g() % 4], epmax[g() % 5]);
    // The vectors as the chain makes them: contours, then fusion until it stops.
    Essai prep(param);
    Installe_plan(prep.doc, plan.Copie());
    Contours(prep.b.ctx, prep.doc);
    while (Fusion_vecteurs(prep.b.ctx, prep.doc) != 0) {
    }
    Compare(plan, prep.doc.Vecteurs, param, g() % 8 == 0, static_cast<int32_t>(g() % 7));
    if (HasFatalFailure()) return;
  }
}

TEST(AnalyseVecteursReference, VecteursSurUnReseau) {
  // Endpoints on a coarse lattice, so that many distances are equal and the
  // list order decides; any Etat, zero lengths, repeated vectors, Angles
  // unrelated to the endpoints.
  std::mt19937 g(77);
  const int penteV[] = {5, 15, 45, 181};
  const int epmax[] = {2, 5, 12, 30, 251, 100000};
  for (int essai = 0; essai < 400; ++essai) {
    SCOPED_TRACE(essai);
    const int32_t pas = 1 + static_cast<int32_t>(g() % 4), n = 2 + static_cast<int32_t>(g() % 60);
    ListeVecteurs vecteurs;
    for (int32_t i = 0; i < n; ++i) {
      auto c = [&] { return static_cast<int32_t>(g() % 9) * pas; };
      Vecteur v = Vecteur_de(c(), c(), c(), c());
      if (g() % 4 == 0) v.Etat = static_cast<uint8_t>(g() % 3 == 0 ? 250 : g() % 3);
      // An Angle that says nothing of the direction, now and then out of 0..179.
      if (g() % 6 == 0) v.Angle = static_cast<int32_t>(g() % 50 == 0 ? 200 : g() % 180);
      vecteurs.push_back(v);
      if (g() % 10 == 0) vecteurs.push_back(v);
    }
    // Ink everywhere, nowhere, or at random.
    Plan plan = Plan_blanc(40, 40);
    const uint32_t encre = g() % 3;
    for (int32_t y = 0; y < 40; ++y)
      for (int32_t x = 0; x < 40; ++x)
        if (encre == 0 || (encre == 2 && g() % 4 != 0)) Ecrit_pixel(x, y, 1, plan);
    Compare(plan, vecteurs, Param(penteV[g() % 4], epmax[g() % 6]), g() % 6 == 0, 0);
    if (HasFatalFailure()) return;
  }
}

TEST(AnalyseVecteursReference, ListeVideEtCoordonneesExtremes) {
  Compare(Plan_blanc(20, 20), {}, Param(15, 20), false, 4);
  ListeVecteurs loin;
  for (const int32_t x : {-1000000000, -5, 0, 7, 1000000000}) {
    loin.push_back(Vecteur_de(x, 3, x + 30, 3));
    loin.push_back(Vecteur_de(x + 30, 6, x, 6));
  }
  for (const int epmax : {20, 100000}) Compare(Plan_blanc(20, 20), loin, Param(15, epmax), false, 0);
}
