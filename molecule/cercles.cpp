#include "molecule/cercles.h"

#include <algorithm>
#include <cmath>

#include "image/document.h"
#include "molecule/grille_boites.h"

namespace {

Point_lu Point_de(Extremite e) { return {static_cast<double>(e.x), static_cast<double>(e.y)}; }

double Rayon(Point_lu p, Point_lu c) { return std::hypot(p.x - c.x, p.y - c.y); }

}  // namespace

Cercles_dessines::Cercles_dessines(const Document& doc) {
  std::vector<std::pair<Point_lu, Point_lu>> traits;
  Grille_boites milieux(32);  // the strokes' middles
  for (const Quadrilatere& q : doc.Quadrilateres) {
    if (Est_separateur(q)) continue;
    const Point_lu a = Point_de(Extremite1(q)), b = Point_de(Extremite2(q));
    milieux.Ajoute(static_cast<int>(traits.size()), (a.x + b.x) / 2, (a.y + b.y) / 2, (a.x + b.x) / 2,
                  (a.y + b.y) / 2);
    traits.push_back({a, b});
  }
  for (const Symbole& s : doc.ListeSymboles) {
    if (s.Type == 100 && s.Nb >= 9 && s.Nb <= Symbole::NB_SOMMETS) {
      Cercle c{{0, 0}, 0};
      for (uint32_t k = 0; k < s.Nb; ++k)
        c.Centre.x += s.Sommets[k].x / static_cast<double>(s.Nb), c.Centre.y += s.Sommets[k].y / static_cast<double>(s.Nb);
      double ecart = 0;
      for (uint32_t k = 0; k < s.Nb; ++k)
        c.Rayon += Rayon({static_cast<double>(s.Sommets[k].x), static_cast<double>(s.Sommets[k].y)}, c.Centre) / s.Nb;
      for (uint32_t k = 0; k < s.Nb; ++k)
        ecart = std::max(ecart, std::fabs(Rayon({static_cast<double>(s.Sommets[k].x), static_cast<double>(s.Sommets[k].y)},
                                                c.Centre) - c.Rayon));
      if (!(c.Rayon >= 4) || ecart > 0.15 * c.Rayon) continue;
      const Anneau r{nullptr, c.Centre, 0.75 * c.Rayon, 1.25 * c.Rayon};
      grille.Ajoute(static_cast<int>(anneaux.size()), r.Centre.x - r.Exterieur, r.Centre.y - r.Exterieur,
                    r.Centre.x + r.Exterieur, r.Centre.y + r.Exterieur);
      anneaux.push_back(r);
      seuls.push_back(c);
      continue;
    }
    if (s.Type != 100 || s.Nb < 5 || s.Nb > 8) continue;
    Anneau r{&s, {0, 0}, 0, 0};
    for (uint32_t k = 0; k < s.Nb; ++k)
      r.Centre.x += s.Sommets[k].x / static_cast<double>(s.Nb), r.Centre.y += s.Sommets[k].y / static_cast<double>(s.Nb);
    double rayon = 0;
    for (uint32_t k = 0; k < s.Nb; ++k)
      rayon += Rayon({static_cast<double>(s.Sommets[k].x), static_cast<double>(s.Sommets[k].y)}, r.Centre) / s.Nb;
    const double apotheme = rayon * std::cos(M_PI / s.Nb);
    if (!(apotheme >= 4)) continue;
    r.Interieur = 0.3 * apotheme, r.Exterieur = 0.88 * apotheme;
    // The turn the strokes of the band cover, each seen from the centre.
    double tour = 0;
    for (const int i : milieux.Candidats(r.Centre, r.Exterieur)) {
      const auto& [a, b] = traits[static_cast<size_t>(i)];
      const Point_lu m{(a.x + b.x) / 2, (a.y + b.y) / 2};
      bool dedans = true;
      for (const Point_lu p : {a, b, m}) {
        const double d = Rayon(p, r.Centre);
        dedans = dedans && d >= r.Interieur && d <= r.Exterieur;
      }
      if (!dedans) continue;
      const double ua = std::atan2(a.y - r.Centre.y, a.x - r.Centre.x), ub = std::atan2(b.y - r.Centre.y, b.x - r.Centre.x);
      double angle = std::fabs(ua - ub);
      if (angle > M_PI) angle = 2 * M_PI - angle;
      tour += angle;
    }
    if (tour < M_PI) continue;
    grille.Ajoute(static_cast<int>(anneaux.size()), r.Centre.x - r.Exterieur, r.Centre.y - r.Exterieur,
                  r.Centre.x + r.Exterieur, r.Centre.y + r.Exterieur);
    anneaux.push_back(r);
  }
}

bool Cercles_dessines::Contient(Point_lu a, Point_lu b) const {
  const Point_lu m{(a.x + b.x) / 2, (a.y + b.y) / 2};
  for (const int i : grille.Candidats(m, 0)) {
    const Anneau& r = anneaux[static_cast<size_t>(i)];
    bool dedans = true;
    for (const Point_lu p : {a, b, m}) {
      const double d = Rayon(p, r.Centre);
      dedans = dedans && d >= r.Interieur && d <= r.Exterieur;
    }
    if (dedans) return true;
  }
  return false;
}

bool Cercles_dessines::Dans(const Symbole& polygone) const {
  return std::any_of(anneaux.begin(), anneaux.end(), [&](const Anneau& r) { return r.Polygone == &polygone; });
}

bool Cercles_dessines::Au_tour(const Cercle& c, Point_lu p) {
  const double d = Rayon(p, c.Centre);
  return d >= 1.2 * c.Rayon && d <= 2.2 * c.Rayon;
}
