// The chain "Représentation" on the committed sample drawings, measured
// against their ground truth, and the samples against the generator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "app/chaines.h"
#include "environnement.h"
#include "image/document.h"
#include "outils/formules/molecules.h"
#include "outils_test.h"

namespace {

// The distance from p to the line a-b, and where p projects on it (0 at a, 1 at b).
double Distance_droite(Point_f p, Point_f a, Point_f b, double& t) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  t = l2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2 : 0;
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// A stroke is found when quadrilaterals lying on its line (both axis ends
// within a thickness and a half of it) cover 80 % of its length. One
// quadrilateral may cover two collinear strokes that touch.
bool Trouve(const Trait_v& t, const ListeQuads& quads) {
  std::vector<std::pair<double, double>> morceaux;
  const double tolerance = 1.5 * t.Epaisseur + 1;
  for (const Quadrilatere& q : quads) {
    if (Est_separateur(q)) continue;
    const Extremite e1 = Extremite1(q), e2 = Extremite2(q);
    double t1, t2;
    if (Distance_droite({double(e1.x), double(e1.y)}, t.A, t.B, t1) > tolerance ||
        Distance_droite({double(e2.x), double(e2.y)}, t.A, t.B, t2) > tolerance)
      continue;
    morceaux.push_back({std::clamp(std::min(t1, t2), 0.0, 1.0), std::clamp(std::max(t1, t2), 0.0, 1.0)});
  }
  std::sort(morceaux.begin(), morceaux.end());
  double couvert = 0, fin = 0;
  for (auto [a, b] : morceaux) {
    a = std::max(a, fin);
    if (b > a) couvert += b - a, fin = b;
  }
  return couvert >= 0.8;
}

struct Mesure_echantillon {
  int Traits = 0, Trouves = 0, Quads = 0;
};

Mesure_echantillon Mesure(const std::string& nom) {
  Mesure_echantillon m;
  std::ifstream f(VRIX_SOURCE "/samples/" + nom + ".verite");
  Verite v;
  std::string erreur;
  EXPECT_TRUE(Lit_verite(f, v, erreur)) << nom << ": " << erreur;
  Banc b(Param_defaut());
  Document doc;
  EXPECT_TRUE(Ouvre_document(b.ctx, doc, VRIX_SOURCE "/samples/" + nom + ".bmp")) << nom;
  Chaine_representation(b.ctx, doc);
  EXPECT_TRUE(b.con.Boites.empty()) << nom;
  m.Traits = static_cast<int>(v.Traits.size());
  for (const Quadrilatere& q : doc.Quadrilateres) m.Quads += !Est_separateur(q);
  for (const Trait_v& t : v.Traits) m.Trouves += Trouve(t, doc.Quadrilateres);
  return m;
}

}  // namespace

TEST(Echantillons, UnQuadrilaterePourChaqueTrait) {
  // Floors, to be raised only: strokes found, and the most quadrilaterals
  // allowed (labels and circles add their own short ones).
  const struct {
    const char* Nom;
    int Trouves, QuadsMax;
  } cas[] = {
      {"benzene", 6, 21},          {"cyclohexane", 6, 6},      {"benzene_kekule", 9, 9},
      {"naphtalene", 16, 16},      {"pyridine", 9, 13},        {"furane", 7, 14},
      {"chaine", 7, 7},            {"chaine_triple", 7, 17},   {"croisement", 2, 3},
      {"acide_hydroxybenzoique", 11, 37}, {"molecule", 19, 83}, {"benzene_scan", 7, 31},
      {"molecule_scan", 19, 90},  {"page_a4", 198, 452},
  };
  for (const auto& c : cas) {
    const Mesure_echantillon m = Mesure(c.Nom);
    EXPECT_GE(m.Trouves, c.Trouves) << c.Nom << ": " << m.Trouves << " of " << m.Traits << " strokes found";
    EXPECT_LE(m.Quads, c.QuadsMax) << c.Nom;
    EXPECT_GE(m.Quads, m.Trouves) << c.Nom;
  }
}

TEST(Echantillons, FichiersDuGenerateur) {
  // The committed samples are what the generator makes now.
  for (const Scene& s : Catalogue()) {
    RepertoireTemporaire rep;
    std::string erreur;
    ASSERT_TRUE(Ecrit_dessin(Dessin_de(s), rep.Texte(), s.Nom, erreur)) << erreur;
    for (const char* ext : {".bmp", ".verite"})
      EXPECT_TRUE(Lit_fichier(rep.Chemin(s.Nom + ext)) == Lit_fichier(VRIX_SOURCE "/samples/" + s.Nom + ext))
          << s.Nom << ext << " differs from the generator's: run genere_formules samples";
  }
}
