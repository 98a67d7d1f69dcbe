#include "samples/dessin.h"

#include <algorithm>
#include <cmath>

#include "image/bmp.h"

Plan Plan_blanc(int32_t largeur, int32_t hauteur) { return Cree_plan(largeur, hauteur); }

Plan Plan_texte(const std::vector<std::string>& lignes, int32_t x0, int32_t y0) {
  size_t largeur = 0;
  for (const auto& l : lignes) largeur = std::max(largeur, l.size());
  Plan p = Cree_plan(static_cast<int32_t>(largeur) + x0 + 8, static_cast<int32_t>(lignes.size()) + y0 + 8);
  for (size_t j = 0; j < lignes.size(); ++j)
    for (size_t i = 0; i < lignes[j].size(); ++i)
      if (lignes[j][i] == '#') Ecrit_pixel(x0 + static_cast<int32_t>(i), y0 + static_cast<int32_t>(j), 1, p);
  return p;
}

void Trait_epais(Plan& p, double x1, double y1, double x2, double y2, double epaisseur) {
  const double r = epaisseur / 2.0;
  const auto xa = static_cast<int32_t>(std::floor(std::min(x1, x2) - r));
  const auto xb = static_cast<int32_t>(std::ceil(std::max(x1, x2) + r));
  const auto ya = static_cast<int32_t>(std::floor(std::min(y1, y2) - r));
  const auto yb = static_cast<int32_t>(std::ceil(std::max(y1, y2) + r));
  const double dx = x2 - x1, dy = y2 - y1;
  const double l2 = dx * dx + dy * dy;
  for (int32_t y = ya; y <= yb; ++y)
    for (int32_t x = xa; x <= xb; ++x) {
      double t = l2 > 0 ? ((x - x1) * dx + (y - y1) * dy) / l2 : 0.0;
      t = std::clamp(t, 0.0, 1.0);
      const double ex = x1 + t * dx - x, ey = y1 + t * dy - y;
      if (ex * ex + ey * ey <= r * r) Ecrit_pixel(x, y, 1, p);
    }
}

void Polygone_plein(Plan& p, const std::vector<Point2>& s) {
  if (s.size() < 3) return;
  double ymin = s[0].y, ymax = s[0].y;
  for (const auto& q : s) ymin = std::min(ymin, q.y), ymax = std::max(ymax, q.y);
  for (auto y = static_cast<int32_t>(std::floor(ymin)); y <= static_cast<int32_t>(std::ceil(ymax)); ++y) {
    std::vector<double> xs;
    for (size_t i = 0; i < s.size(); ++i) {
      const Point2& a = s[i];
      const Point2& b = s[(i + 1) % s.size()];
      if ((a.y <= y && b.y > y) || (b.y <= y && a.y > y)) xs.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2)
      for (auto x = static_cast<int32_t>(std::ceil(xs[k])); x <= static_cast<int32_t>(std::floor(xs[k + 1])); ++x)
        Ecrit_pixel(x, y, 1, p);
  }
}

void Rectangle_plein(Plan& p, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax) {
  for (int32_t y = ymin; y <= ymax; ++y)
    for (int32_t x = xmin; x <= xmax; ++x) Ecrit_pixel(x, y, 1, p);
}

std::vector<Point2> Hexagone(Plan& p, double cx, double cy, double r, double epaisseur) {
  std::vector<Point2> v;
  for (int k = 0; k < 6; ++k) {
    const double a = M_PI / 2 + k * M_PI / 3;
    v.push_back({cx + r * std::cos(a), cy - r * std::sin(a)});
  }
  for (int k = 0; k < 6; ++k) Trait_epais(p, v[k].x, v[k].y, v[(k + 1) % 6].x, v[(k + 1) % 6].y, epaisseur);
  return v;
}

void Figure_formule(Plan& p, double cx, double cy, double e, double ep) {
  const auto v = Hexagone(p, cx, cy, 60 * e, ep);
  // Inner line of a double bond, parallel to the side v[1]-v[2], moved toward the centre.
  const double k = 0.78;
  const Point2 a{cx + k * (v[1].x - cx), cy + k * (v[1].y - cy)};
  const Point2 b{cx + k * (v[2].x - cx), cy + k * (v[2].y - cy)};
  Trait_epais(p, a.x + 0.15 * (b.x - a.x), a.y + 0.15 * (b.y - a.y), b.x - 0.15 * (b.x - a.x),
              b.y - 0.15 * (b.y - a.y), ep);
  // A zigzag chain leaving the top-right vertex.
  Point2 c = v[5];
  for (int i = 0; i < 3; ++i) {
    const Point2 d{c.x + 52 * e, c.y + (i % 2 == 0 ? -30 : 30) * e};
    Trait_epais(p, c.x, c.y, d.x, d.y, ep);
    c = d;
  }
  // A triple bond at the end of the chain.
  for (int j = -1; j <= 1; ++j)
    Trait_epais(p, c.x + 4, c.y + j * 4 * ep, c.x + 60 * e, c.y + j * 4 * ep, ep);
  // Two letters below the ring: an "O" and an "H".
  const double lx = v[3].x - 10 * e, ly = v[3].y + 28 * e, h = 22 * e;
  for (int i = 0; i < 8; ++i) {
    const double a1 = i * M_PI / 4, a2 = (i + 1) * M_PI / 4;
    Trait_epais(p, lx + 0.35 * h * std::cos(a1), ly + 0.5 * h * std::sin(a1), lx + 0.35 * h * std::cos(a2),
                ly + 0.5 * h * std::sin(a2), ep * 0.8);
  }
  const double hx = lx + 22 * e;
  Trait_epais(p, hx, ly - h / 2, hx, ly + h / 2, ep * 0.8);
  Trait_epais(p, hx + 0.6 * h, ly - h / 2, hx + 0.6 * h, ly + h / 2, ep * 0.8);
  Trait_epais(p, hx, ly, hx + 0.6 * h, ly, ep * 0.8);
  // The bond from the ring's bottom vertex down to the letters.
  Trait_epais(p, v[3].x, v[3].y, v[3].x, ly - h / 2 - 4, ep);
}

Plan Formule_exemple() {
  Plan p = Plan_blanc(1000, 800);
  Figure_formule(p, 350, 380, 2.0, 5);
  return p;
}

void Installe_plan(Document& doc, Plan plan1) {
  doc.Plan2 = Plan_comme(plan1, 0xFF);
  doc.PlanZoom = Plan_comme(plan1, 0x00);
  doc.Plan1 = std::move(plan1);
  doc.PlanCourant = &doc.Plan1;
}
