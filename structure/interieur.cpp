// Inside analysis of a ring. Reads CompConnexes and ZonesTexte (their boxes
// and Classe) and "SeuilTailleCar"; releases the components it counts, and
// through Efface_zone vectors, strokes and arcs.
#include "structure/interieur.h"

#include <cmath>
#include <cstdlib>
#include <unordered_set>
#include <vector>

#include "console/contexte.h"
#include "console/parametre.h"
#include "image/document.h"

namespace {

constexpr size_t NB_COMPOSANTES_MAX = 20;

struct Boite {
  int32_t xmin, ymin, xmax, ymax;
  bool Contient(Extremite e) const { return xmin <= e.x && e.x <= xmax && ymin <= e.y && e.y <= ymax; }
};

bool Dedans(const Boite& b, const Quadrilatere& q) { return b.Contient(Extremite1(q)) && b.Contient(Extremite2(q)); }

// A component taken inside the ring, with the list that holds it.
struct Prise {
  ListeCC* liste;
  ListeCC::iterator it;
  bool texte;
};

int32_t Entier_seuil(double v) {
  if (!(v > -1e9)) return -1000000000;
  if (v > 1e9) return 1000000000;
  return static_cast<int32_t>(std::trunc(v));
}

}  // namespace

int32_t Liaisons_internes(const Document& doc, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax) {
  std::unordered_set<const Quadrilatere*> paralleles;
  for (const Arc& a : doc.ListeArcs)
    if (Majuscule(a.Type) == 'P') paralleles.insert(a.Quad1), paralleles.insert(a.Quad2);
  const Boite b{xmin, ymin, xmax, ymax};
  for (const Quadrilatere& q : doc.Quadrilateres)
    if (Dedans(b, q) && paralleles.count(&q) != 0) return 1;
  return 0;
}

int32_t Efface_zone(Document& doc, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax) {
  const Boite b{xmin, ymin, xmax, ymax};
  doc.Vecteurs.remove_if([&](const Vecteur& v) { return b.Contient({v.x1, v.y1}) && b.Contient({v.x2, v.y2}); });
  std::unordered_set<const Quadrilatere*> effaces;
  for (const Quadrilatere& q : doc.Quadrilateres)
    if (Dedans(b, q)) effaces.insert(&q);
  if (effaces.empty()) return 1;
  doc.ListeArcs.remove_if([&](const Arc& a) { return effaces.count(a.Quad1) != 0 || effaces.count(a.Quad2) != 0; });
  for (auto it = doc.Quadrilateres.begin(); it != doc.Quadrilateres.end();) {
    if (effaces.count(&*it) != 0) {
      it = doc.Quadrilateres.erase(it);
      --doc.NbQuads;
    } else {
      ++it;
    }
  }
  return 1;
}

int32_t Analyse_interieur(Contexte& ctx, Document& doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const int32_t t = Entier_seuil(Parametre(ctx, "SeuilTailleCar"));
  auto dedans = [&](const CompConnexe& c) { return c.xmin > x1 && c.ymin > y1 && c.xmax < x2 && c.ymax < y2; };
  std::vector<Prise> prises;
  for (auto it = doc.CompConnexes.begin(); it != doc.CompConnexes.end() && prises.size() < NB_COMPOSANTES_MAX; ++it)
    if (dedans(*it) && (int64_t{it->xmax} - it->xmin > 10 || int64_t{it->ymax} - it->ymin > 20))
      prises.push_back({&doc.CompConnexes, it, false});
  for (auto it = doc.ZonesTexte.begin(); it != doc.ZonesTexte.end() && prises.size() < NB_COMPOSANTES_MAX; ++it)
    if (dedans(*it)) prises.push_back({&doc.ZonesTexte, it, true});
  if (prises.empty()) return 0;

  if (prises.size() == 1) {
    const Prise& p = prises.front();
    const CompConnexe c = *p.it;
    int32_t f = 0;
    if (c.Classe != 0 || p.texte) {
      f = 1;
    } else if (Liaisons_internes(doc, c.xmin, c.ymin, c.xmax, c.ymax) == 1) {
      f = 11;
    } else if (std::llabs(int64_t{c.ymax} - c.ymin) > t || std::llabs(int64_t{c.xmax} - c.xmin) > t) {
      f = 1;
      Efface_zone(doc, c.xmin, c.ymin, c.xmax, c.ymax);
    }
    p.liste->erase(p.it);
    return f;
  }
  for (const Prise& p : prises) {
    const CompConnexe c = *p.it;
    Efface_zone(doc, c.xmin, c.ymin, c.xmax, c.ymax);
    p.liste->erase(p.it);
  }
  return static_cast<int32_t>(prises.size()) + 10;
}
