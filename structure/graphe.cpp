// Stroke graph. Reads Quadrilateres (longest first after Tri_longueur) and
// Plan 1; appends one arc per related pair to ListeArcs and stores the
// replaced Angle2 of the strokes of nearly parallel pairs. In step mode,
// draws each stroke, its zone and its neighbours on Plan 2 and pauses.
#include "structure/graphe.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include "console/console.h"
#include "console/contexte.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "image/segment.h"
#include "structure/index_traits.h"
#include "structure/intersections.h"
#include "structure/mesures.h"
#include "vecto/analyse_vecteurs.h"

int32_t Tri_longueur(Contexte& ctx, Document& doc) {
  if (doc.NbQuads == 0) return 0;
  ctx.Con.Log_Texte(0, " - Tri Quads (selon lg).");
  for (auto it = doc.Quadrilateres.begin(); it != doc.Quadrilateres.end();) {
    if (it->Longueur == 0) {
      it = doc.Quadrilateres.erase(it);
      --doc.NbQuads;
    } else {
      ++it;
    }
  }
  // Taking each time the first of the longest left is a stable sort.
  doc.Quadrilateres.sort([](const Quadrilatere& a, const Quadrilatere& b) { return a.Longueur > b.Longueur; });
  ctx.Con.Log_Texte(0, " - Tri termine");
  return 1;
}

namespace {

constexpr int32_t MARGE = 50;        // reach of the search zone beyond the axis, pixels
constexpr int32_t NB_ENTREES = 150;  // neighbour table, the stroke itself in entry 0

template <class... Args>
std::string Format(const char* f, Args... args) {
  char tampon[64];
  std::snprintf(tampon, sizeof tampon, f, args...);
  return tampon;
}

// An axis line run across the whole image.
struct Ligne {
  bool existe = false;
  Extremite a, b;
};

// A pair's outcome: the type ('?' for none) and the two strokes in arc order.
struct Issue {
  char type = '?';
  Quadrilatere* q1 = nullptr;
  Quadrilatere* q2 = nullptr;
  int32_t e1 = 0, e2 = 0;  // their entries in the neighbour table
  uint32_t code = 0;       // shown in step mode
};

class Graphe {
 public:
  Graphe(Contexte& ctx, Document& doc)
      : con(ctx.Con), doc(doc), W(8 * doc.NbOctetsLigne()), H(doc.NbLignes()), pas(con.ModeDebug == 1) {}
  void Execute();

 private:
  void Trace(Extremite a, Extremite b) { Trace_segment(doc.Plan2, a.x, a.y, b.x, b.y, 1); }
  static bool Voisin(const Quadrilatere& c, const Extremite (&z)[4]);
  Issue Classe(Quadrilatere& q, Quadrilatere& c, int32_t k);
  Issue Croisement(Quadrilatere& q, Quadrilatere& c, int32_t k, uint32_t code);
  Issue Paralleles(Quadrilatere& q, Quadrilatere& c, int32_t k);
  Issue Secantes(Quadrilatere& q, Quadrilatere& c, int32_t k);
  Ligne Ligne_de(const Quadrilatere& s) const;
  bool Fond(Extremite a, Extremite b, int32_t limite) const { return Fond_inferieur(a, b, doc.Plan1, limite); }
  void Cree_arc(const Issue& r);

  Console& con;
  Document& doc;
  const int32_t W, H;
  const bool pas;  // step mode
};

bool Graphe::Voisin(const Quadrilatere& c, const Extremite (&z)[4]) {
  const Extremite e2 = Extremite2(c), e1 = Extremite1(c);
  for (const Extremite e : {e2, e1})
    if (Point_dans_quad(e.x, e.y, z[0].x, z[0].y, z[1].x, z[1].y, z[2].x, z[2].y, z[3].x, z[3].y)) return true;
  int32_t x = 0, y = 0;
  for (int i = 0; i < 4; ++i) {
    const Extremite a = z[i], b = z[(i + 1) % 4];
    if (Intersection_segments(x, y, e2.x, e2.y, e1.x, e1.y, a.x, a.y, b.x, b.y)) return true;
  }
  return false;
}

void Graphe::Execute() {
  std::vector<const Quadrilatere*> ordre;
  std::vector<Quadrilatere*> traits;
  for (Quadrilatere& q : doc.Quadrilateres) {
    ordre.push_back(&q);
    traits.push_back(&q);
  }
  Index_traits index(ordre);
  std::array<int32_t, NB_ENTREES> table{};

  for (size_t i = 0; i < traits.size(); ++i) {
    Quadrilatere& q = *traits[i];
    con.Log_Efface();
    con.Log_Texte(0, Format("* Constr. du Graphe (%d)...", MARGE));
    if (q.Longueur == 0 || q.Marque >= 1000) continue;
    const Extremite A = Extremite2(q), B = Extremite1(q);
    if (pas) {
      Raz_Plan2(doc);
      Trace(B, A);
    }
    Extremite zone[4];
    if (!Zone_recherche(q, zone)) continue;
    if (pas) {
      Trace(zone[0], zone[1]);
      Trace(zone[2], zone[1]);
      Trace(zone[2], zone[3]);
      Trace(zone[0], zone[3]);
    }

    int32_t n = 1;
    for (const int32_t j : index.Candidats(static_cast<int32_t>(i), zone)) {
      if (!Voisin(*traits[j], zone)) continue;
      table[n++] = j;
      if (n == NB_ENTREES) {
        con.Erreur_Box("Erreur Mem 3 !");
        n = 1;
      }
    }

    for (int32_t k = 1; k < n; ++k) {
      Quadrilatere& c = *traits[table[k]];
      const Issue r = Classe(q, c, k);
      if (r.type != '?') Cree_arc(r);
      if (pas) {
        con.Log_Texte(1, Format("-Type : 0x%X   ", r.code));
        const Extremite v = Extremite1(c);
        con.Montre_Plan2(std::max(v.x, 151) - 150, std::max(v.y, 151) - 150);
        con.Pause();
      }
    }
  }
  con.Log_Texte(1, " Ok. ");
}

void Graphe::Cree_arc(const Issue& r) {
  if (pas) con.Log_Texte(0, " - Creation d'un Arc ");
  try {
    doc.ListeArcs.push_back(Arc{r.q1, r.q2, r.type});
  } catch (const std::bad_alloc&) {
    con.Erreur_Box(" Erreur mem. 1 - ");
  }
}

Issue Graphe::Classe(Quadrilatere& q, Quadrilatere& c, int32_t k) {
  if (pas) {
    Trace({c.x1, c.y1}, {c.x2, c.y2});
    Trace({c.x3, c.y3}, {c.x2, c.y2});
    Trace({c.x3, c.y3}, {c.x4, c.y4});
    Trace({c.x1, c.y1}, {c.x4, c.y4});
  }
  // Sides run corner 1 -> 2 and 3 -> 4, cap 1 corner 1 -> 4, cap 2 corner 3 -> 2.
  const Extremite qc[4][2] = {{{q.x1, q.y1}, {q.x2, q.y2}},
                              {{q.x3, q.y3}, {q.x4, q.y4}},
                              {{q.x1, q.y1}, {q.x4, q.y4}},
                              {{q.x3, q.y3}, {q.x2, q.y2}}};
  const Extremite cc[4][2] = {{{c.x1, c.y1}, {c.x2, c.y2}},
                              {{c.x3, c.y3}, {c.x4, c.y4}},
                              {{c.x1, c.y1}, {c.x4, c.y4}},
                              {{c.x3, c.y3}, {c.x2, c.y2}}};
  auto coupe = [](const Extremite (&s)[2], const Extremite (&t)[2]) {
    int32_t x = 0, y = 0;
    return Intersection_segments(x, y, s[0].x, s[0].y, s[1].x, s[1].y, t[0].x, t[0].y, t[1].x, t[1].y) != 0;
  };
  enum { COTE1, COTE2, BOUT1, BOUT2 };
  uint32_t code = 0;
  if (coupe(qc[COTE1], cc[COTE1])) code |= 0x01;
  if (coupe(qc[COTE1], cc[COTE2])) code |= 0x02;
  if (coupe(qc[COTE2], cc[COTE1])) code |= 0x04;
  if (coupe(qc[COTE2], cc[COTE2])) code |= 0x08;
  if (coupe(qc[BOUT2], cc[BOUT1])) code |= 0x10;
  if (coupe(qc[BOUT2], cc[BOUT2])) code |= 0x20;
  if (coupe(qc[BOUT1], cc[BOUT1])) code |= 0x40;
  if (coupe(qc[BOUT1], cc[BOUT2])) code |= 0x80;
  if (code == 0) return Paralleles(q, c, k);

  Issue r{'T', &q, &c, 0, k, code};
  char lettre = 'T';
  switch (code) {
    case 3:
    case 12:
      break;
    case 5:
    case 10:
      lettre = 'H';
      break;
    case 15:
      r.type = lettre = 'X';
      break;
    case 1:
    case 2:
    case 4:
    case 8:
      if (!(coupe(qc[COTE1], cc[BOUT1]) || coupe(qc[COTE1], cc[BOUT2]) || coupe(qc[COTE2], cc[BOUT1]) ||
            coupe(qc[COTE2], cc[BOUT2])))
        lettre = 'H';
      break;
    default: {
      const int32_t d = std::abs(Angle_moyen(q) - Angle_moyen(c));
      r.type = lettre = (d < 35 || d > 145) ? '_' : 'L';
    }
  }
  if (lettre == 'H') r = Issue{'T', &c, &q, k, 0, code};
  if (pas) con.Log_Texte(1, Format(" -%c*%d*%d ", lettre, 0, k));
  return r;
}

// Nothing crosses: nearly parallel strokes, or strokes whose axis lines meet.
Issue Graphe::Paralleles(Quadrilatere& q, Quadrilatere& c, int32_t k) {
  for (Quadrilatere* s : {&c, &q})
    if (std::abs(s->Angle1 - s->Angle2) > 90) s->Angle2 = 180 - s->Angle2;
  const int32_t d = std::abs(Angle_moyen(c) - Angle_moyen(q));
  if (d >= 35 && d <= 145) return Secantes(q, c, k);

  const Extremite q2 = Extremite2(q), q1 = Extremite1(q), c2 = Extremite2(c), c1 = Extremite1(c);
  auto projette = [](Extremite p, Extremite a, Extremite b, int32_t len, Extremite& pied) {
    return Projette(p.x, p.y, a.x, a.y, b.x, b.y, len, pied.x, pied.y) != 0;
  };
  Issue r{'?', &q, &c, 0, k, 0};
  Extremite pied;
  projette(q2, c2, c1, c.Longueur, pied);
  const int64_t e = Racine_plancher(Distance2(q2, pied));
  if (e < 15 && (Fond(q2, c2, 4) || Fond(q2, c1, 4) || Fond(q1, c2, 4) || Fond(q1, c1, 4))) {
    r.type = '~';
  } else {
    bool dedans = false;
    if (c.Longueur > q.Longueur)
      dedans = q.Longueur > 10 && (projette(q2, c2, c1, c.Longueur, pied) || projette(q1, c2, c1, c.Longueur, pied));
    else
      dedans = c.Longueur > 10 && (projette(c2, q2, q1, q.Longueur, pied) || projette(c1, q2, q1, q.Longueur, pied));
    r.code = dedans ? 1 : 0;
    if (dedans) r.type = 'P';
  }
  if (pas) con.Log_Texte(1, r.type == '?' ? Format(" ?? ") : Format(" . %c*%d*%d ", r.type, 0, k));
  return r;
}

Ligne Graphe::Ligne_de(const Quadrilatere& s) const {
  Ligne l;
  l.existe = Ligne_axe(s, W, H, l.a, l.b);
  return l;
}

Issue Graphe::Secantes(Quadrilatere& q, Quadrilatere& c, int32_t k) {
  const Ligne lq = Ligne_de(q), lc = Ligne_de(c);
  const Extremite centre_q = Centre(q), centre_c = Centre(c);
  auto coupe = [](Extremite a, Extremite b, Extremite u, Extremite v, Extremite& i) {
    return Intersection_segments(i.x, i.y, a.x, a.y, b.x, b.y, u.x, u.y, v.x, v.y) != 0;
  };
  Issue r{'?', &q, &c, 0, k, 0};
  Extremite i;
  if (lc.existe && coupe(Extremite2(q), Extremite1(q), lc.a, lc.b, i) && Fond(i, centre_c, 8)) {
    r.type = 't';
  } else if (lq.existe && coupe(Extremite2(c), Extremite1(c), lq.a, lq.b, i) && Fond(i, centre_q, 8)) {
    r = Issue{'t', &c, &q, k, 0, 0};
  } else if (lc.existe && lq.existe && coupe(lc.a, lc.b, lq.a, lq.b, i) && Fond(i, centre_q, 8) &&
             Fond(i, centre_c, 8)) {
    r.type = 'l';
  }
  if (pas) con.Log_Texte(1, r.type == '?' ? Format(" ? ") : Format(" . %c*%d*%d ", r.type, r.e1, r.e2));
  return r;
}

}  // namespace

bool Zone_recherche(const Quadrilatere& q, Extremite (&zone)[4]) {
  const Extremite A = Extremite2(q), B = Extremite1(q);
  const double dx = double(B.x) - A.x, dy = double(B.y) - A.y;
  const double L = std::sqrt(dx * dx + dy * dy);
  if (L == 0) return false;
  const int32_t ox = Vers_int(std::ceil(MARGE * dx / L)), oy = Vers_int(std::ceil(MARGE * dy / L));
  const int32_t px = Vers_int(std::ceil(-MARGE * dy / L)), py = Vers_int(std::ceil(MARGE * dx / L));
  const Extremite A2{A.x - ox, A.y - oy}, B2{B.x + ox, B.y + oy};
  zone[0] = {A2.x + px, A2.y + py};
  zone[1] = {B2.x + px, B2.y + py};
  zone[2] = {B2.x - px, B2.y - py};
  zone[3] = {A2.x - px, A2.y - py};
  return true;
}

bool Ligne_axe(const Quadrilatere& q, int32_t W, int32_t H, Extremite& pa, Extremite& pb) {
  const Extremite A = Extremite2(q), B = Extremite1(q);
  const double a = double(B.y) - A.y, b = double(A.x) - B.x, c = -(a * A.x + b * A.y);
  const int32_t m = Angle_moyen(q);
  if ((m < 45 || m > 135 || a == 0) && b != 0) {
    pa = {1, Vers_int(std::floor((-c - a) / b))};
    pb = {W, Vers_int(std::floor((-c - a * W) / b))};
    return true;
  }
  if (a != 0) {
    pa = {Vers_int(std::floor((-c - b) / a)), 1};
    pb = {Vers_int(std::floor((-c - b * H) / a)), H};
    return true;
  }
  return false;
}

int32_t Construit_graphe(Contexte& ctx, Document& doc) {
  if (doc.NbQuads == 0) return 0;
  Graphe(ctx, doc).Execute();
  return 1;
}
