#include "outils/formules/traits.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;

// The parameter interval [t0, t1] of a + t (b - a) inside the rectangle;
// false when the line misses it.
bool Dans_cadre(Point_f a, Point_f b, const Cadre& c, double& t0, double& t1) {
  t0 = -1e9;
  t1 = 1e9;
  const double d[2] = {b.x - a.x, b.y - a.y};
  const double o[2] = {a.x, a.y};
  const double lo[2] = {c.x0, c.y0};
  const double hi[2] = {c.x1, c.y1};
  for (int k = 0; k < 2; ++k) {
    if (std::abs(d[k]) < 1e-12) {
      if (o[k] < lo[k] || o[k] > hi[k]) return false;
      continue;
    }
    double u = (lo[k] - o[k]) / d[k], v = (hi[k] - o[k]) / d[k];
    if (u > v) std::swap(u, v);
    t0 = std::max(t0, u);
    t1 = std::min(t1, v);
  }
  return t0 < t1;
}

// Cuts the stroke where it leaves the frame of its start or enters the frame of its end.
void Coupe(Trait& t, const Cadre& ca, const Cadre& cb) {
  const Point_f a = t.A, b = t.B;
  double debut = 0, fin = 1, t0, t1;
  if (!ca.Vide() && Dans_cadre(a, b, ca, t0, t1) && t0 <= 0 && t1 > 0) debut = t1;
  if (!cb.Vide() && Dans_cadre(a, b, cb, t0, t1) && t0 < 1 && t1 >= 1) fin = t0;
  if (fin < debut) fin = debut;
  t.A = {a.x + debut * (b.x - a.x), a.y + debut * (b.y - a.y)};
  t.B = {a.x + fin * (b.x - a.x), a.y + fin * (b.y - a.y)};
}

}  // namespace

double Ecart_liaison(const Scene& s, double longueur) {
  if (s.Ecart > 0) return s.Ecart;
  return std::max(0.17 * longueur, 3.0 * s.Epaisseur);
}

std::vector<Trait> Traits_de(const Scene& s, const std::vector<Cadre>& cadres, Alea& alea) {
  std::vector<Trait> traits;
  for (size_t i = 0; i < s.Liaisons.size(); ++i) {
    const Liaison& l = s.Liaisons[i];
    const Point_f a = s.Atomes[l.A].P, b = s.Atomes[l.B].P;
    const double lg = std::hypot(b.x - a.x, b.y - a.y);
    if (lg < 1e-9) continue;
    const Point_f u{(b.x - a.x) / lg, (b.y - a.y) / lg};
    Point_f n{-u.y, u.x};
    const double ecart = Ecart_liaison(s, lg);
    std::vector<Trait> siens;
    auto ajoute = [&](double decalage, double raccourci) {
      siens.push_back(Trait{{a.x + n.x * decalage + u.x * raccourci, a.y + n.y * decalage + u.y * raccourci},
                            {b.x + n.x * decalage - u.x * raccourci, b.y + n.y * decalage - u.y * raccourci},
                            s.Epaisseur, static_cast<int>(i)});
    };
    if (l.Multiplicite == 2 && l.Cycle >= 0) {
      // The inner stroke: towards the ring's centre, its ends pulled in to
      // clear the neighbouring sides.
      const Point_f c = Centre_cycle(s, l.Cycle);
      if ((c.x - a.x) * n.x + (c.y - a.y) * n.y < 0) n = {-n.x, -n.y};
      const int taille = static_cast<int>(s.Cycles[l.Cycle].Sommets.size());
      const double interieur = PI * (taille - 2) / taille;
      ajoute(0, 0);
      ajoute(ecart, ecart / std::tan(interieur / 2) + 0.08 * lg);
    } else if (l.Multiplicite == 2) {
      ajoute(-ecart / 2, 0);
      ajoute(ecart / 2, 0);
    } else if (l.Multiplicite == 3) {
      ajoute(-ecart, 0);
      ajoute(0, 0);
      ajoute(ecart, 0);
    } else {
      ajoute(0, 0);
    }
    for (Trait& t : siens) {
      Coupe(t, cadres[l.A], cadres[l.B]);
      if (s.Degrade.Variation > 0)
        t.Epaisseur = std::max(1.0, s.Epaisseur + s.Degrade.Variation * alea.Centre());
      traits.push_back(t);
    }
  }
  return traits;
}

bool Intersection(Point_f a1, Point_f a2, Point_f b1, Point_f b2, Point_f& p) {
  const double dx = a2.x - a1.x, dy = a2.y - a1.y, ex = b2.x - b1.x, ey = b2.y - b1.y;
  const double det = dx * ey - dy * ex;
  if (std::abs(det) < 1e-12) return false;
  const double t = ((b1.x - a1.x) * ey - (b1.y - a1.y) * ex) / det;
  const double v = ((b1.x - a1.x) * dy - (b1.y - a1.y) * dx) / det;
  if (t <= 1e-9 || t >= 1 - 1e-9 || v <= 1e-9 || v >= 1 - 1e-9) return false;
  p = {a1.x + t * dx, a1.y + t * dy};
  return true;
}
