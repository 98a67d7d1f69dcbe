#include "molecule/jonctions.h"

#include <algorithm>
#include <cmath>

#include "molecule/grille_boites.h"

namespace {

// Position of p along the segment a-b (0 at a, 1 at b) and its distance to
// the segment's line.
struct Projection {
  double t = 0, d = 0;
};
Projection Projette(Point_lu p, Point_lu a, Point_lu b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  if (!(l2 > 0)) return {0, Distance(p, a)};
  const double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2;
  return {t, std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::sqrt(l2)};
}

// Where the segments a-b and c-d cross, as positions along each; false when
// they are parallel or do not cross.
bool Croise(Point_lu a, Point_lu b, Point_lu c, Point_lu d, double& t, double& u) {
  const double rx = b.x - a.x, ry = b.y - a.y, sx = d.x - c.x, sy = d.y - c.y;
  const double den = rx * sy - ry * sx;
  if (!(std::fabs(den) > 1e-9)) return false;
  t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / den;
  u = ((c.x - a.x) * ry - (c.y - a.y) * rx) / den;
  return t > 0 && t < 1 && u > 0 && u < 1;
}

// Whether the position t along a stroke of length l lies farther than the
// tolerance from both its ends.
bool Au_milieu(double t, double l, double tolerance) { return t * l > tolerance && (1 - t) * l > tolerance; }

// Strokes come from the image's pixels; anything else (undefined or far off
// any page) is left as it is and out of the searches.
bool Sur_la_page(const Trait_lu& t) {
  for (const double v : {t.A.x, t.A.y, t.B.x, t.B.y})
    if (!(std::fabs(v) <= 1e6)) return false;
  return true;
}

}  // namespace

void Coupe_aux_jonctions(std::vector<Trait_lu>& traits, double contact, double tolerance,
                         const std::function<bool(Point_lu, size_t, size_t)>& suivi) {
  Grille_boites grille(std::max(8.0, tolerance));
  for (size_t i = 0; i < traits.size(); ++i) {
    const Trait_lu& t = traits[i];
    if (!Sur_la_page(t)) continue;
    grille.Ajoute(static_cast<int>(i), std::min(t.A.x, t.B.x), std::min(t.A.y, t.B.y), std::max(t.A.x, t.B.x),
                  std::max(t.A.y, t.B.y));
  }
  std::vector<std::vector<double>> coupes(traits.size());
  for (size_t i = 0; i < traits.size(); ++i) {
    const Trait_lu& ti = traits[i];
    const double li = Distance(ti.A, ti.B);
    if (!Sur_la_page(ti)) continue;
    // An end of i on the middle of another stroke.
    for (const Point_lu p : {ti.A, ti.B})
      for (const int c : grille.Candidats(p, contact)) {
        const size_t j = static_cast<size_t>(c);
        if (j == i) continue;
        const Projection pr = Projette(p, traits[j].A, traits[j].B);
        if (pr.d <= contact && Au_milieu(pr.t, Distance(traits[j].A, traits[j].B), tolerance))
          coupes[j].push_back(pr.t);
      }
    // A crossing with a later stroke.
    const Point_lu milieu{(ti.A.x + ti.B.x) / 2, (ti.A.y + ti.B.y) / 2};
    for (const int c : grille.Candidats(milieu, li / 2 + 1)) {
      const size_t j = static_cast<size_t>(c);
      if (j <= i) continue;
      const Trait_lu& tj = traits[j];
      double t, u;
      if (!Croise(ti.A, ti.B, tj.A, tj.B, t, u)) continue;
      if (!Au_milieu(t, li, tolerance) || !Au_milieu(u, Distance(tj.A, tj.B), tolerance)) continue;
      int suivis = 0;
      for (const Point_lu p : {ti.A, ti.B, tj.A, tj.B}) suivis += suivi(p, i, j);
      if (suivis >= 1 && suivis <= 3) coupes[i].push_back(t), coupes[j].push_back(u);
    }
  }
  // Each stroke cut into its pieces; cuts closer than the tolerance are one.
  const size_t nb = traits.size();
  for (size_t i = 0; i < nb; ++i) {
    std::vector<double>& c = coupes[i];
    if (c.empty()) continue;
    std::sort(c.begin(), c.end());
    const Trait_lu t = traits[i];
    const double l = Distance(t.A, t.B);
    auto point = [&](double f) { return Point_lu{t.A.x + f * (t.B.x - t.A.x), t.A.y + f * (t.B.y - t.A.y)}; };
    double debut = 0;
    bool premier = true;
    for (const double f : c) {
      if ((f - debut) * l <= tolerance) continue;
      const Trait_lu piece{point(debut), point(f), t.Ordre};
      if (premier) traits[i] = piece, premier = false;
      else traits.push_back(piece);
      debut = f;
    }
    if (!premier) traits.push_back({point(debut), t.B, t.Ordre});
  }
}
