#include "outils/formules/scene.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;

double Rad(double degres) { return degres * PI / 180.0; }

}  // namespace

int Ajoute_atome(Scene& s, Point_f p) {
  for (size_t i = 0; i < s.Atomes.size(); ++i)
    if (std::abs(s.Atomes[i].P.x - p.x) < 0.5 && std::abs(s.Atomes[i].P.y - p.y) < 0.5)
      return static_cast<int>(i);
  s.Atomes.push_back(Atome{p, {}, 0, Police::Sans, 32});
  return static_cast<int>(s.Atomes.size()) - 1;
}

int Ajoute_liaison(Scene& s, int a, int b, int multiplicite, int cycle) {
  for (size_t i = 0; i < s.Liaisons.size(); ++i) {
    Liaison& l = s.Liaisons[i];
    if ((l.A == a && l.B == b) || (l.A == b && l.B == a)) {
      if (multiplicite > l.Multiplicite) {
        l.Multiplicite = multiplicite;
        l.Cycle = cycle;
      }
      return static_cast<int>(i);
    }
  }
  s.Liaisons.push_back(Liaison{a, b, multiplicite, cycle});
  return static_cast<int>(s.Liaisons.size()) - 1;
}

int Ajoute_cycle(Scene& s, int n, Point_f c, double r, double angle, bool cercle) {
  Cycle k;
  k.Cercle = cercle;
  for (int i = 0; i < n; ++i) {
    const double a = Rad(angle + 360.0 * i / n);
    k.Sommets.push_back(Ajoute_atome(s, {c.x + r * std::sin(a), c.y - r * std::cos(a)}));
  }
  for (int i = 0; i < n; ++i) Ajoute_liaison(s, k.Sommets[i], k.Sommets[(i + 1) % n]);
  s.Cycles.push_back(k);
  return static_cast<int>(s.Cycles.size()) - 1;
}

void Double_interne(Scene& s, int k, int i) {
  const std::vector<int>& v = s.Cycles[k].Sommets;
  const int n = static_cast<int>(v.size());
  Ajoute_liaison(s, v[i % n], v[(i + 1) % n], 2, k);
}

Point_f Centre_cycle(const Scene& s, int k) {
  Point_f c;
  const std::vector<int>& v = s.Cycles[k].Sommets;
  for (int a : v) {
    c.x += s.Atomes[a].P.x;
    c.y += s.Atomes[a].P.y;
  }
  c.x /= static_cast<double>(v.size());
  c.y /= static_cast<double>(v.size());
  return c;
}

int Substituant(Scene& s, int k, int i, double longueur, int multiplicite) {
  const Point_f c = Centre_cycle(s, k);
  const int a = s.Cycles[k].Sommets[i];
  const Point_f p = s.Atomes[a].P;
  const double d = std::hypot(p.x - c.x, p.y - c.y);
  const int b = Ajoute_atome(s, {p.x + (p.x - c.x) / d * longueur, p.y + (p.y - c.y) / d * longueur});
  Ajoute_liaison(s, a, b, multiplicite);
  return b;
}

int Ajoute_chaine(Scene& s, int a, double angle, double longueur, int n, bool haut) {
  Chaine ch;
  ch.Atomes.push_back(a);
  for (int i = 0; i < n; ++i) {
    const bool monte = (i % 2 == 0) == haut;
    const double t = Rad(angle + (monte ? 30.0 : -30.0));
    const Point_f p = s.Atomes[ch.Atomes.back()].P;
    const int b = Ajoute_atome(s, {p.x + longueur * std::cos(t), p.y - longueur * std::sin(t)});
    Ajoute_liaison(s, ch.Atomes.back(), b);
    ch.Atomes.push_back(b);
  }
  s.Chaines.push_back(ch);
  return static_cast<int>(s.Chaines.size()) - 1;
}

void Etiquette(Scene& s, int a, const std::string& texte, Police fonte, double hauteur, int ancre) {
  Atome& at = s.Atomes[a];
  at.Etiquette = texte;
  at.Fonte = fonte;
  at.Hauteur = hauteur;
  at.Ancre = ancre;
}

void Insere(Scene& s, const Scene& partie, Point_f d) {
  const int base = static_cast<int>(s.Atomes.size());
  const int base_cycles = static_cast<int>(s.Cycles.size());
  for (Atome a : partie.Atomes) {
    a.P.x += d.x;
    a.P.y += d.y;
    s.Atomes.push_back(a);
  }
  for (Liaison l : partie.Liaisons) {
    l.A += base;
    l.B += base;
    if (l.Cycle >= 0) l.Cycle += base_cycles;
    s.Liaisons.push_back(l);
  }
  for (Cycle k : partie.Cycles) {
    for (int& v : k.Sommets) v += base;
    s.Cycles.push_back(k);
  }
  for (Chaine ch : partie.Chaines) {
    for (int& v : ch.Atomes) v += base;
    s.Chaines.push_back(ch);
  }
}
