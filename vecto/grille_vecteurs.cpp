#include "vecto/grille_vecteurs.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Classes of the vectors. An Angle (0..179, the orientation of the vector
// when it was measured) falls in one of 60 bands of 3 degrees. A vector runs
// along its Angle or the opposite way, and a cut keeps it within its old box,
// so the signs (sx, sy) of its extents are those of the forward or of the
// backward direction, some of them possibly 0: a band and a direction make
// classes 0 .. 119. Any other sign pattern (an Angle set by hand) makes class
// 120, always searched. A vector of no extent has no class: it never faces
// anything.
constexpr int32_t NB_BANDES = 60, LARGEUR_BANDE = 3;
constexpr uint8_t CLASSE_AUTRE = 2 * NB_BANDES;
enum Sens { AVANT = 0, ARRIERE = 1 };

struct Signes {
  int32_t sx, sy;
};
// Sign patterns of each direction, for Angles below 90 (forward is right and
// up on the screen, rows growing downwards) and for Angles from 90 on
// (forward is left and up).
constexpr Signes MOTIFS[2][2][3] = {{{{1, -1}, {1, 0}, {0, -1}}, {{-1, 1}, {-1, 0}, {0, 1}}},
                                   {{{-1, -1}, {-1, 0}, {0, -1}}, {{1, 1}, {1, 0}, {0, 1}}}};

int32_t Signe(int64_t a) { return a > 0 ? 1 : a < 0 ? -1 : 0; }

// Without usable Angles, a class is a sign pattern alone: 0 .. 8.
uint8_t Classe_signes(int32_t sx, int32_t sy) { return static_cast<uint8_t>((sx + 1) * 3 + (sy + 1)); }

GrillePoints Grille_de(const ListeVecteurs& liste, int64_t cote) {
  int64_t xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  bool premier = true;
  auto etend = [&](int64_t x, int64_t y) {
    if (premier) xmin = xmax = x, ymin = ymax = y, premier = false;
    xmin = std::min(xmin, x), xmax = std::max(xmax, x);
    ymin = std::min(ymin, y), ymax = std::max(ymax, y);
  };
  for (const Vecteur& v : liste) etend(v.x1, v.y1), etend(v.x2, v.y2);
  // On a sparse page, cells of about one vector each: fewer cells to pass over.
  const double aire = (static_cast<double>(xmax - xmin) + 1) * (static_cast<double>(ymax - ymin) + 1);
  const double par_vecteur = std::sqrt(aire / static_cast<double>(std::max<size_t>(liste.size(), 1)));
  cote = std::max(cote, static_cast<int64_t>(std::min(par_vecteur, 1e9)));
  return GrillePoints(xmin, ymin, xmax, ymax, cote, static_cast<uint32_t>(liste.size()));
}

}  // namespace

GrilleVecteurs::GrilleVecteurs(const ListeVecteurs& liste, int64_t cote)
    : debuts(Grille_de(liste, cote)), fins(debuts), copies(liste.size()) {
  for (const Vecteur& v : liste)
    if (v.Angle < 0 || v.Angle > 179) angles_classes = false;
  uint32_t r = 0;
  for (const Vecteur& v : liste) Place(r++, v);
}

uint8_t GrilleVecteurs::Classe(const Vecteur& v) const {
  const Signes s{Signe(int64_t{v.x2} - v.x1), Signe(int64_t{v.y2} - v.y1)};
  if (s.sx == 0 && s.sy == 0) return GrillePoints::SANS_CLASSE;
  if (!angles_classes) return Classe_signes(s.sx, s.sy);
  for (const int sens : {AVANT, ARRIERE})
    for (const Signes m : MOTIFS[v.Angle < 90 ? 0 : 1][sens])
      if (m.sx == s.sx && m.sy == s.sy) return static_cast<uint8_t>(2 * (v.Angle / LARGEUR_BANDE) + sens);
  return CLASSE_AUTRE;
}

void GrilleVecteurs::Place(uint32_t r, const Vecteur& v) {
  copies[r] = v;
  const uint8_t c = Classe(v);
  debuts.Place(r, v.x1, v.y1, c);
  fins.Place(r, v.x2, v.y2, c);
}

void GrilleVecteurs::Retire(uint32_t r) {
  debuts.Retire(r);
  fins.Retire(r);
}

// A class may hold a facing vector when its band holds an Angle that passes
// the angle test, and its direction a sign pattern of which some vector has
// a negative dot product with (sx, sy).
Classes GrilleVecteurs::Classes_opposees(const Vecteur& v1, int32_t pente) const {
  const int32_t sx = Signe(int64_t{v1.x2} - v1.x1), sy = Signe(int64_t{v1.y2} - v1.y1);
  const auto oppose = [&](Signes m) { return m.sx * sx < 0 || m.sy * sy < 0; };
  Classes classes;
  if (!angles_classes) {
    for (int32_t x = -1; x <= 1; ++x)
      for (int32_t y = -1; y <= 1; ++y)
        if (oppose({x, y})) classes.Ajoute(Classe_signes(x, y));
    return classes;
  }
  classes.Ajoute(CLASSE_AUTRE);
  bool sens_oppose[2][2] = {};  // [Angle from 90 on][direction]
  for (const int cote : {0, 1})
    for (const int sens : {AVANT, ARRIERE})
      for (const Signes m : MOTIFS[cote][sens]) sens_oppose[cote][sens] = sens_oppose[cote][sens] || oppose(m);
  // The Angles a passing the angle test: |a - angle| < pente, or above 180 - pente.
  const int64_t a = v1.Angle, p = pente;
  const int64_t intervalles[3][2] = {{a - p + 1, a + p - 1}, {a + 181 - p, 179}, {0, a - 181 + p}};
  for (const auto& i : intervalles) {
    const int64_t lo = std::max<int64_t>(i[0], 0), hi = std::min<int64_t>(i[1], 179);
    for (int64_t b = lo / LARGEUR_BANDE; lo <= hi && b <= hi / LARGEUR_BANDE; ++b)
      for (const int sens : {AVANT, ARRIERE})
        if (sens_oppose[b * LARGEUR_BANDE < 90 ? 0 : 1][sens]) classes.Ajoute(static_cast<uint32_t>(2 * b + sens));
  }
  return classes;
}
