// The grouping and the zone selection, which search through grids, against
// plain scans of the lists written straight from the rules, on random inputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "text/localisation.h"
#include "localisation_outils.h"

namespace {

uint32_t Distance2_ref(const Quadrilatere& a, int32_t x, int32_t y) {
  const Extremite c = Centre_trait(a);
  const uint32_t dx = static_cast<uint32_t>(c.x) - static_cast<uint32_t>(x);
  const uint32_t dy = static_cast<uint32_t>(c.y) - static_cast<uint32_t>(y);
  return dx * dx + dy * dy;
}

uint64_t Racine_haute_ref(uint32_t d2) {
  uint64_t r = 0;
  while (r * r < d2) ++r;
  return r;
}

// Nearest-neighbour chaining by scanning the whole remaining list each time.
void Regroupe_ref(ListeCandidats& liste, int32_t distance) {
  ListeCandidats sortie;
  int32_t cx = 0, cy = 0;
  bool separateur = true;
  while (!liste.empty()) {
    uint32_t m = 2147483647u;
    auto choix = liste.end();
    for (auto it = liste.begin(); it != liste.end(); ++it) {
      const uint32_t d = Distance2_ref(*it->Quad, cx, cy);
      if (d < m) m = d, choix = it;
    }
    if (separateur || Racine_haute_ref(m) <= static_cast<uint32_t>(distance)) {
      if (choix == liste.end()) choix = liste.begin();
      const Extremite c = Centre_trait(*choix->Quad);
      cx = c.x, cy = c.y;
      separateur = choix->Quad->Longueur == 0;
      sortie.splice(sortie.end(), liste, choix);
    } else {
      sortie.back().Type = 2;
      cx = cy = 0;
      separateur = true;
    }
  }
  if (!sortie.empty()) sortie.back().Type = 2;
  sortie.remove_if([](const CandidatCar& c) { return c.Quad->Longueur == 0; });
  liste = std::move(sortie);
}

bool Dans_ref(const CompConnexe& k, const Quadrilatere& q) {
  const Extremite a = Extremite1(q), b = Extremite2(q);
  return k.xmin <= a.x && a.x <= k.xmax && k.ymin <= a.y && a.y <= k.ymax && k.xmin <= b.x && b.x <= k.xmax &&
         k.ymin <= b.y && b.y <= k.ymax;
}

bool Englobe_ref(const CompConnexe& k, const CompConnexe& j) {
  return k.xmin < j.xmin && k.ymin < j.ymin && j.xmax < k.xmax && j.ymax < k.ymax;
}

// Moves the stroke to the set-aside list when that very record is still listed.
void Met_de_cote_ref(Document& doc, const Quadrilatere* q) {
  for (auto it = doc.Quadrilateres.begin(); it != doc.Quadrilateres.end(); ++it)
    if (&*it == q) {
      doc.QuadsTexte.splice(doc.QuadsTexte.end(), doc.Quadrilateres, it);
      --doc.NbQuads;
      return;
    }
}

// Zone selection by walking the lists as they stand.
int32_t Selection_ref(Document& doc, int32_t s) {
  if (doc.QuadsTexte.empty()) doc.QuadsTexte.push_back(Trait(1, 1, 2, 2, 0));
  int32_t nb = 0;
  for (auto c = doc.Caracteres.begin(); c != doc.Caracteres.end();) {
    const Quadrilatere& trait = *c->Quad;
    int64_t meilleure = std::max(8 * doc.NbOctetsLigne(), doc.NbLignes());
    auto k = doc.CompConnexes.end();
    for (auto j = doc.CompConnexes.begin(); j != doc.CompConnexes.end(); ++j)
      if (Dans_ref(*j, trait) && j->xmax - j->xmin < meilleure) meilleure = j->xmax - j->xmin, k = j;
    if (k == doc.CompConnexes.end()) {
      ++c;
      continue;
    }
    bool refus = !(k->xmax - k->xmin < 2 * s && k->ymax - k->ymin < s);
    for (auto j = doc.CompConnexes.begin(); j != doc.CompConnexes.end(); ++j)
      if (j != k && Englobe_ref(*k, *j)) refus = true;
    for (const CompConnexe& z : doc.ZonesTexte)
      if (Englobe_ref(*k, z)) refus = true;
    if (refus) {
      ++c;
      continue;
    }
    int64_t n = 0;
    for (const Quadrilatere& q : doc.Quadrilateres) n += Dans_ref(*k, q) ? 1 : 0;
    if (n < 3 || 30 * n <= k->xmax - k->xmin) {
      c->Type = 11;
      ++c;
      continue;
    }
    ++nb;
    const CompConnexe zone = *k;
    doc.ZonesTexte.splice(doc.ZonesTexte.end(), doc.CompConnexes, k);
    doc.Vecteurs.remove_if([&](const Vecteur& v) {
      return zone.xmin <= v.x1 && v.x1 <= zone.xmax && zone.ymin <= v.y1 && v.y1 <= zone.ymax &&
             zone.xmin <= v.x2 && v.x2 <= zone.xmax && zone.ymin <= v.y2 && v.y2 <= zone.ymax;
    });
    for (auto o = doc.Caracteres.begin(); o != doc.Caracteres.end();) {
      if (o != c && Dans_ref(zone, *o->Quad)) {
        Met_de_cote_ref(doc, o->Quad);
        o = doc.Caracteres.erase(o);
      } else {
        ++o;
      }
    }
    Met_de_cote_ref(doc, c->Quad);
    c = doc.Caracteres.erase(c);
    for (auto q = doc.Quadrilateres.begin(); q != doc.Quadrilateres.end();) {
      const auto suivant = std::next(q);
      if (Dans_ref(zone, *q)) {
        doc.QuadsTexte.splice(doc.QuadsTexte.end(), doc.Quadrilateres, q);
        --doc.NbQuads;
      }
      q = suivant;
    }
  }
  return nb;
}

// A random page of strokes, components, zones, candidates and vectors, the
// same for the same seed. Components are named by Taux, vectors by Angle.
void Page_hasard(Document& doc, uint32_t graine, Quadrilatere& hors_liste) {
  std::mt19937 g(graine);
  const auto u = [&](int32_t a, int32_t b) { return std::uniform_int_distribution<int32_t>(a, b)(g); };
  Installe_plan(doc, Plan_blanc(200, 200));
  const int32_t nb_cc = u(0, 40);
  for (int32_t i = 0; i < nb_cc; ++i) {
    // Widths from a short list, so that equal widths compete; now and then a
    // box upside down.
    const int32_t largeurs[] = {0, 5, 10, 20, 30, 60, 120};
    const int32_t x = u(0, 190), y = u(1, 190);
    CompConnexe k = Boite_cc(x, y, x + largeurs[u(0, 6)], y + u(0, u(0, 1) ? 30 : 120));
    if (u(0, 30) == 0) std::swap(k.xmin, k.xmax);
    k.Taux = static_cast<int16_t>(i);
    (u(0, 9) == 0 ? doc.ZonesTexte : doc.CompConnexes).push_back(k);
  }
  const int32_t nb_q = u(0, 150);
  for (int32_t i = 0; i < nb_q; ++i) {
    if (u(0, 12) == 0) {
      Quadrilatere s = Separateur();
      s.Marque = i;
      doc.Quadrilateres.push_back(s);
      continue;
    }
    const int32_t x = u(0, 200), y = u(1, 200);
    doc.Quadrilateres.push_back(Trait(x, y, x + u(-12, 12), y + u(-12, 12), u(1, 60), 0, i));
  }
  doc.NbQuads = static_cast<int32_t>(doc.Quadrilateres.size());
  for (Quadrilatere& q : doc.Quadrilateres) {
    if (q.Longueur > 0 && u(0, 3) != 0) doc.Caracteres.push_back({&q, static_cast<uint8_t>(u(1, 2))});
    if (q.Longueur > 0 && u(0, 40) == 0) doc.Caracteres.push_back({&q, 1});  // twice the same stroke
  }
  if (u(0, 4) == 0) doc.Caracteres.push_back({&hors_liste, 1});  // a stroke no longer listed
  const int32_t nb_v = u(0, 80);
  for (int32_t i = 0; i < nb_v; ++i) {
    Vecteur v = Vecteur_de(u(0, 200), u(0, 200), u(0, 200), u(0, 200));
    if (u(0, 1)) v.x2 = v.x1 + u(-5, 5), v.y2 = v.y1 + u(-5, 5);
    v.Angle = i;
    doc.Vecteurs.push_back(v);
  }
}

std::vector<std::vector<int32_t>> Etat(const Document& doc) {
  std::vector<std::vector<int32_t>> e(6);
  for (const Quadrilatere& q : doc.Quadrilateres) e[0].push_back(q.Marque);
  for (const Quadrilatere& q : doc.QuadsTexte) e[1].push_back(q.Marque);
  for (const CompConnexe& k : doc.CompConnexes) e[2].push_back(k.Taux);
  for (const CompConnexe& k : doc.ZonesTexte) e[3].push_back(k.Taux);
  for (const CandidatCar& c : doc.Caracteres) e[4].push_back(c.Quad->Marque * 16 + c.Type);
  for (const Vecteur& v : doc.Vecteurs) e[5].push_back(v.Angle);
  e[0].push_back(doc.NbQuads);
  return e;
}

}  // namespace

TEST(Regroupe_quads, GrilleContreParcoursComplet) {
  std::mt19937 g(12345);
  const auto u = [&](int32_t a, int32_t b) { return std::uniform_int_distribution<int32_t>(a, b)(g); };
  const int32_t distances[] = {0, 3, 10, 42, 300 / 7, -255 / 7};
  const int32_t etendues[] = {30, 200, 3000, 16384, 40000};
  for (int essai = 0; essai < 400; ++essai) {
    const int32_t etendue = etendues[essai % 5];
    const int32_t pas = u(1, 6);  // coarse coordinates make equal distances frequent
    const int32_t n = u(0, essai % 7 == 0 ? 1500 : 300);
    ListeQuads quads;
    for (int32_t i = 0; i < n; ++i) {
      Quadrilatere q = Au_centre(u(0, etendue / pas) * pas, u(0, etendue / pas) * pas, 0, i);
      if (u(0, 100) == 0) q.Longueur = 0;
      quads.push_back(q);
    }
    ListeCandidats a, b;
    for (Quadrilatere& q : quads) a.push_back({&q, 1});
    b = a;
    const int32_t distance = distances[u(0, 5)];
    Document doc;
    doc.NbQuads = 1;
    ConsoleTexte con;
    ASSERT_EQ(Regroupe_quads(con, doc, a, distance), 1);
    Regroupe_ref(b, distance);
    ASSERT_EQ(a.size(), b.size()) << essai;
    auto ib = b.begin();
    for (auto ia = a.begin(); ia != a.end(); ++ia, ++ib) {
      ASSERT_EQ(ia->Quad, ib->Quad) << essai;
      ASSERT_EQ(ia->Type, ib->Type) << essai;
    }
  }
}

TEST(Selection_CC, GrilleContreParcoursComplet) {
  const int32_t seuils[] = {10, 30, 60, 200};
  for (uint32_t essai = 0; essai < 300; ++essai) {
    const int32_t s = seuils[essai % 4];
    Banc b(Param_localisation(40, s));
    Document d1, d2;
    Quadrilatere hors1 = Trait(50, 50, 52, 52, 3, 0, -1), hors2 = hors1;
    Page_hasard(d1, essai, hors1);
    Page_hasard(d2, essai, hors2);
    const int32_t n = Selection_CC(b.ctx, d1);
    EXPECT_EQ(n, Selection_ref(d2, s)) << essai;
    EXPECT_EQ(Etat(d1), Etat(d2)) << essai;
  }
}
