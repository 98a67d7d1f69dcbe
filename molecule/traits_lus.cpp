#include "molecule/traits_lus.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "image/document.h"
#include "molecule/cercles.h"
#include "molecule/grille_boites.h"
#include "molecule/jonctions.h"

namespace {

constexpr double INFINI = std::numeric_limits<double>::infinity();
constexpr int MAX_DEMI_EPAISSEUR = 64;  // pixels walked on each side of the axis

Point_lu Point_de(Extremite e) { return {static_cast<double>(e.x), static_cast<double>(e.y)}; }
Point_lu Point_de(Sommet s) { return {static_cast<double>(s.x), static_cast<double>(s.y)}; }

double Mediane(std::vector<double> v) {
  if (v.empty()) return 0;
  const size_t m = v.size() / 2;
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(m), v.end());
  return v[m];
}

// Run of ink across the axis at p, along the unit normal (nx, ny); 0 when p
// and its two neighbours across are background.
double Epaisseur_en(const Plan& plan, Point_lu p, double nx, double ny) {
  auto encre = [&](int k) {
    return Lit_pixel(static_cast<int32_t>(std::lround(p.x + k * nx)), static_cast<int32_t>(std::lround(p.y + k * ny)),
                     plan) == 1;
  };
  int centre = 0;
  if (!encre(0)) {
    if (encre(1)) centre = 1;
    else if (encre(-1)) centre = -1;
    else return 0;
  }
  int haut = centre, bas = centre;
  while (haut - centre < MAX_DEMI_EPAISSEUR && encre(haut + 1)) ++haut;
  while (centre - bas < MAX_DEMI_EPAISSEUR && encre(bas - 1)) --bas;
  return haut - bas + 1;
}

// The strokes' ends in a grid, for finding the stroke a symbol names.
class Index_traits {
 public:
  Index_traits(const std::vector<Trait_lu>& t, double tol) : traits(t), tolerance(tol), grille(tol) {
    for (size_t i = 0; i < traits.size(); ++i) {
      grille.Ajoute(static_cast<int>(2 * i), traits[i].A);
      grille.Ajoute(static_cast<int>(2 * i + 1), traits[i].B);
    }
  }

  // The kept stroke with one end within the tolerance of a and the other of
  // b, the smallest sum of both distances first (then the first stroke).
  int Trait_entre(Point_lu a, Point_lu b, const std::vector<bool>& garde) const {
    int meilleur = -1;
    double d_meilleur = INFINI;
    for (const int id : grille.Candidats(a, tolerance)) {
      const size_t i = static_cast<size_t>(id / 2);
      if (!garde[i]) continue;
      const Trait_lu& t = traits[i];
      const Point_lu pres = id % 2 ? t.B : t.A, loin = id % 2 ? t.A : t.B;
      const double da = Distance(pres, a), db = Distance(loin, b);
      if (da <= tolerance && db <= tolerance && da + db < d_meilleur) d_meilleur = da + db, meilleur = static_cast<int>(i);
    }
    return meilleur;
  }

  // The strokes with an end within r of p (each once, in increasing order).
  std::vector<int> Proches(Point_lu p, double r) const {
    std::vector<int> ids;
    for (const int id : grille.Candidats(p, r)) {
      const Trait_lu& t = traits[static_cast<size_t>(id / 2)];
      if (Distance(p, id % 2 ? t.B : t.A) <= r) ids.push_back(id / 2);
    }
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
  }

  // Distance from p to the nearest end of a stroke outside the group.
  double Plus_proche_hors(Point_lu p, const std::vector<int>& groupe, double portee) const {
    double d = INFINI;
    for (const int id : grille.Candidats(p, portee)) {
      if (std::find(groupe.begin(), groupe.end(), id / 2) != groupe.end()) continue;
      const Trait_lu& t = traits[static_cast<size_t>(id / 2)];
      d = std::min(d, Distance(p, id % 2 ? t.B : t.A));
    }
    return d;
  }

 private:
  const std::vector<Trait_lu>& traits;
  double tolerance;
  Grille_boites grille;
};

// How well a stroke's ends meet the rest of the drawing: the sum over its
// two ends of the distance to the nearest other stroke or character,
// capped at portee. Smaller is better connected.
double Ecart_au_dessin(const Trait_lu& t, const std::vector<int>& groupe, const Index_traits& index,
                       const Grille_boites& caracteres, const std::vector<const CompConnexe*>& cars,
                       double portee) {
  double somme = 0;
  for (const Point_lu p : {t.A, t.B}) {
    double d = std::min(portee, index.Plus_proche_hors(p, groupe, portee));
    for (const int k : caracteres.Candidats(p, portee)) {
      const CompConnexe& c = *cars[static_cast<size_t>(k)];
      d = std::min(d, Distance_boite(p, c.xmin, c.ymin, c.xmax, c.ymax));
    }
    somme += d;
  }
  return somme;
}

// The kept stroke, outside the group, that runs between the two strokes p
// and q: an end within the tolerance of the middle of their ends on one
// side, parallel to them within 10 degrees, its axis nearer the middle line
// than a third of their gap. -1 when there is none.
int Trait_du_milieu(const Trait_lu& p, const Trait_lu& q, const std::vector<Trait_lu>& traits,
                    const std::vector<bool>& garde, const std::vector<int>& groupe, const Index_traits& index,
                    double tolerance) {
  const bool direct = Distance(p.A, q.A) + Distance(p.B, q.B) <= Distance(p.A, q.B) + Distance(p.B, q.A);
  const Point_lu qa = direct ? q.A : q.B, qb = direct ? q.B : q.A;
  const Point_lu m1{(p.A.x + qa.x) / 2, (p.A.y + qa.y) / 2}, m2{(p.B.x + qb.x) / 2, (p.B.y + qb.y) / 2};
  const double ecart = Distance(p.A, qa), lm = Distance(m1, m2);
  if (!(lm > 0) || !(ecart > 0)) return -1;
  const double ux = (m2.x - m1.x) / lm, uy = (m2.y - m1.y) / lm;
  for (const Point_lu m : {m1, m2})
    for (const int i : index.Proches(m, tolerance)) {
      if (!garde[static_cast<size_t>(i)] || std::find(groupe.begin(), groupe.end(), i) != groupe.end()) continue;
      const Trait_lu& t = traits[static_cast<size_t>(i)];
      const double lt = Distance(t.A, t.B);
      if (!(lt > 0)) continue;
      const double cosinus = std::fabs(((t.B.x - t.A.x) * ux + (t.B.y - t.A.y) * uy) / lt);
      if (cosinus < std::cos(10 * M_PI / 180)) continue;
      bool proche = true;
      for (const Point_lu e : {m1, m2}) {
        const double d = std::fabs((e.x - t.A.x) * (t.B.y - t.A.y) - (e.y - t.A.y) * (t.B.x - t.A.x)) / lt;
        proche = proche && d <= ecart / 3;
      }
      if (proche) return i;
    }
  return -1;
}

// Cuts the carrying stroke where its partners end, when it runs on past
// them at one end only: the part beyond is a single bond fused in line.
void Coupe_au_bout(Trait_lu& porteur, const std::vector<const Trait_lu*>& partenaires, double tolerance,
                   std::vector<Trait_lu>& ajoutes) {
  const double lg = Distance(porteur.A, porteur.B);
  if (partenaires.empty() || lg <= 0) return;
  const double ux = (porteur.B.x - porteur.A.x) / lg, uy = (porteur.B.y - porteur.A.y) / lg;
  double tmin = INFINI, tmax = -INFINI, lg_partenaires = 0;
  for (const Trait_lu* p : partenaires) {
    for (const Point_lu e : {p->A, p->B}) {
      const double t = (e.x - porteur.A.x) * ux + (e.y - porteur.A.y) * uy;
      tmin = std::min(tmin, t), tmax = std::max(tmax, t);
    }
    lg_partenaires = std::max(lg_partenaires, Distance(p->A, p->B));
  }
  const double avant = tmin, apres = lg - tmax;
  const double seuil = std::max(tolerance, 0.3 * lg_partenaires);
  if (apres > seuil && avant < apres / 2) {
    const Point_lu s{porteur.A.x + tmax * ux, porteur.A.y + tmax * uy};
    ajoutes.push_back({s, porteur.B, 1});
    porteur.B = s;
  } else if (avant > seuil && apres < avant / 2) {
    const Point_lu s{porteur.A.x + tmin * ux, porteur.A.y + tmin * uy};
    ajoutes.push_back({porteur.A, s, 1});
    porteur.A = s;
  }
}

// Where the lines through (a, b) and (c, d) cross; false when parallel.
bool Croisement(Point_lu a, Point_lu b, Point_lu c, Point_lu d, Point_lu& x) {
  const double rx = b.x - a.x, ry = b.y - a.y, sx = d.x - c.x, sy = d.y - c.y;
  const double den = rx * sy - ry * sx;
  if (std::abs(den) < 1e-9) return false;
  const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / den;
  x = {a.x + t * rx, a.y + t * ry};
  return true;
}

}  // namespace

double Longueur_typique(const Document& doc, const Cercles_dessines& cercles) {
  std::vector<double> lg;
  for (const Quadrilatere& q : doc.Quadrilateres) {
    const Point_lu a = Point_de(Extremite1(q)), b = Point_de(Extremite2(q));
    if (!Est_separateur(q) && !cercles.Contient(a, b)) lg.push_back(Distance(a, b));
  }
  if (lg.empty()) return 0;
  const size_t q = lg.size() * 3 / 4;
  std::nth_element(lg.begin(), lg.begin() + static_cast<std::ptrdiff_t>(q), lg.end());
  return lg[q];
}

double Epaisseur_mediane(const Document& doc) {
  std::vector<double> ep;
  for (const Quadrilatere& q : doc.Quadrilateres) {
    if (Est_separateur(q)) continue;
    const Point_lu a = Point_de(Extremite1(q)), b = Point_de(Extremite2(q));
    const double lg = Distance(a, b);
    if (lg < 3) continue;
    const double nx = -(b.y - a.y) / lg, ny = (b.x - a.x) / lg;
    std::vector<double> trois;
    for (const double f : {1.0 / 3, 0.5, 2.0 / 3}) {
      const double e = Epaisseur_en(doc.Plan1, {a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)}, nx, ny);
      if (e > 0) trois.push_back(e);
    }
    if (!trois.empty()) ep.push_back(Mediane(trois));
  }
  return Mediane(ep);
}

std::vector<Trait_lu> Traits_de_liaison(const Document& doc, double tolerance, double contact,
                                        const Cercles_dessines& cercles) {
  std::vector<Trait_lu> traits;
  for (const Quadrilatere& q : doc.Quadrilateres)
    if (!Est_separateur(q)) traits.push_back({Point_de(Extremite1(q)), Point_de(Extremite2(q)), 1});
  std::vector<bool> garde(traits.size(), true);
  // The pieces of a circle drawn in a ring are no bonds.
  for (size_t i = 0; i < traits.size(); ++i) garde[i] = !cercles.Contient(traits[i].A, traits[i].B);
  std::vector<Trait_lu> ajoutes;
  const Index_traits index(traits, tolerance);
  const double portee = 4 * tolerance;
  std::vector<const CompConnexe*> cars;
  Grille_boites caracteres(std::max(32.0, 2 * tolerance));
  for (const CompConnexe& c : doc.ZonesTexte) {
    caracteres.Ajoute(static_cast<int>(cars.size()), c.xmin, c.ymin, c.xmax, c.ymax);
    cars.push_back(&c);
  }

  for (const Symbole& s : doc.ListeSymboles) {
    if (s.Type == 300 && s.Nb >= 2) {
      // A multiple bond: its strokes as found among the kept ones.
      const uint32_t nb = std::min<uint32_t>(s.Nb, Symbole::NB_SOMMETS / 2);
      std::vector<int> groupe;
      uint32_t hors_cercles = 0;  // the symbol's strokes that are not pieces of a circle
      for (uint32_t k = 0; k < nb; ++k) {
        if (cercles.Contient(Point_de(s.Sommets[2 * k]), Point_de(s.Sommets[2 * k + 1]))) continue;
        ++hors_cercles;
        const int i = index.Trait_entre(Point_de(s.Sommets[2 * k]), Point_de(s.Sommets[2 * k + 1]), garde);
        if (i >= 0 && std::find(groupe.begin(), groupe.end(), i) == groupe.end()) groupe.push_back(i);
      }
      if (groupe.empty()) continue;
      int porteur = groupe[0];
      double meilleur = INFINI;
      for (const int i : groupe) {
        const double e = Ecart_au_dessin(traits[static_cast<size_t>(i)], groupe, index, caracteres, cars, portee);
        if (e < meilleur) meilleur = e, porteur = i;
      }
      // Two strokes with a third running between them, fused with the bond
      // beyond: a triple bond, the middle stroke carrying it.
      if (groupe.size() == 2 && hors_cercles == 2) {
        const int milieu = Trait_du_milieu(traits[static_cast<size_t>(groupe[0])], traits[static_cast<size_t>(groupe[1])],
                                           traits, garde, groupe, index, tolerance);
        if (milieu >= 0) groupe.push_back(milieu), porteur = milieu, hors_cercles = 3;
      }
      std::vector<const Trait_lu*> partenaires;
      for (const int i : groupe)
        if (i != porteur) garde[static_cast<size_t>(i)] = false, partenaires.push_back(&traits[static_cast<size_t>(i)]);
      Trait_lu& t = traits[static_cast<size_t>(porteur)];
      t.Ordre = static_cast<int>(std::clamp<uint32_t>(hors_cercles, 1, 3));
      Coupe_au_bout(t, partenaires, tolerance, ajoutes);
    } else if (s.Type == 500 && s.Nb == 2) {
      // A cross: two bonds passing each other, or a carbon with four bonds
      // drawn as a "+" (the graph cannot tell them apart). It is a carbon
      // when one to three of its four arm ends go on to another stroke or to
      // a label (a gem-dimethyl, a tert-butyl): every stroke of the cross then
      // ends at the crossing point. Bonds that cross each go on at both ends
      // (a bridged ring), and a lone cross is two bonds too: their strokes
      // whole, or their two pieces joined back.
      Point_lu x;
      const Point_lu v[4] = {Point_de(s.Sommets[0]), Point_de(s.Sommets[1]), Point_de(s.Sommets[2]),
                             Point_de(s.Sommets[3])};
      if (!Croisement(v[0], v[1], v[2], v[3], x)) continue;
      int entier[2] = {-1, -1}, morceau1[2] = {-1, -1}, morceau2[2] = {-1, -1};
      std::vector<int> propres;
      for (int k = 0; k < 2; ++k) {
        const Point_lu a = v[2 * k], b = v[2 * k + 1];
        entier[k] = index.Trait_entre(a, b, garde);
        if (entier[k] < 0) morceau1[k] = index.Trait_entre(a, x, garde), morceau2[k] = index.Trait_entre(x, b, garde);
        for (const int i : {entier[k], morceau1[k], morceau2[k]})
          if (i >= 0) propres.push_back(i);
      }
      int suivis = 0;
      for (const Point_lu& bout : v) {
        bool suivi = index.Plus_proche_hors(bout, propres, tolerance) <= tolerance;
        for (const int c : caracteres.Candidats(bout, tolerance)) {
          const CompConnexe& z = *cars[static_cast<size_t>(c)];
          suivi = suivi || Distance_boite(bout, z.xmin, z.ymin, z.xmax, z.ymax) <= tolerance;
        }
        suivis += suivi;
      }
      for (int k = 0; k < 2; ++k) {
        const Point_lu a = v[2 * k], b = v[2 * k + 1];
        if (suivis >= 1 && suivis <= 3) {
          if (entier[k] < 0) continue;
          Trait_lu& t = traits[static_cast<size_t>(entier[k])];
          const Point_lu debut = Distance(t.A, a) <= Distance(t.B, a) ? t.A : t.B;
          const Point_lu fin = Distance(t.A, a) <= Distance(t.B, a) ? t.B : t.A;
          t.A = debut, t.B = x;
          ajoutes.push_back({x, fin, t.Ordre});
          continue;
        }
        const int i = morceau1[k], j = morceau2[k];
        if (entier[k] >= 0 || i < 0 || j < 0 || i == j) continue;
        Trait_lu& premier = traits[static_cast<size_t>(i)];
        const Trait_lu& second = traits[static_cast<size_t>(j)];
        const Point_lu debut = Distance(premier.A, a) <= Distance(premier.B, a) ? premier.A : premier.B;
        const Point_lu fin = Distance(second.A, b) <= Distance(second.B, b) ? second.A : second.B;
        premier.A = debut, premier.B = fin;
        garde[static_cast<size_t>(j)] = false;
      }
    }
  }

  std::vector<Trait_lu> liaisons;
  for (size_t i = 0; i < traits.size(); ++i)
    if (garde[i]) liaisons.push_back(traits[i]);
  liaisons.insert(liaisons.end(), ajoutes.begin(), ajoutes.end());

  // Atoms the strokes run through: an end goes on when another stroke's end
  // or a character lies within the tolerance.
  const Index_traits fin(liaisons, tolerance);
  const auto suivi = [&](Point_lu p, size_t i, size_t j) {
    if (fin.Plus_proche_hors(p, {static_cast<int>(i), static_cast<int>(j)}, tolerance) <= tolerance) return true;
    for (const int c : caracteres.Candidats(p, tolerance)) {
      const CompConnexe& z = *cars[static_cast<size_t>(c)];
      if (Distance_boite(p, z.xmin, z.ymin, z.xmax, z.ymax) <= tolerance) return true;
    }
    return false;
  };
  Coupe_aux_jonctions(liaisons, contact, tolerance, suivi);
  return liaisons;
}
