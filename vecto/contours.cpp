// Contour following. Every second row of Plan 1 is scanned for start pixels;
// each contour is followed with the ink on its left (outer contours
// counter-clockwise on the screen, holes clockwise) and cut into vectors where
// the path leaves the chord by more than EpsV. Visited pixels are marked on
// Plan 2. An outer contour (total turning >= 0) gives one component.
#include "vecto/contours.h"

#include <new>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/document.h"

namespace {

// Moves 0..7: right, up-right, up, up-left, left, down-left, down, down-right
// (rows grow downwards, so indices grow counter-clockwise on the screen).
constexpr int32_t DX[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int32_t DY[8] = {0, -1, -1, -1, 0, 1, 1, 1};

int32_t Direction(int32_t dx, int32_t dy) {
  for (int32_t i = 0; i < 8; ++i)
    if (DX[i] == dx && DY[i] == dy) return i;
  return 0;
}

// A turn from one direction to another, as a difference modulo 8 in -3 .. 4.
int32_t Virage(int32_t de, int32_t vers) {
  int32_t t = ((vers - de) % 8 + 8) % 8;
  return t > 4 ? t - 8 : t;
}

struct Point {
  int32_t x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

class Suivi {
 public:
  Suivi(Contexte& ctx, Document& doc, double eps, uint32_t limite)
      : con(ctx.Con), doc(doc), p1(doc.Plan1), p2(doc.Plan2), EpsV(eps), Limite(limite) {}

  void Trace(Point S);
  void Recapitule() const {
    con.Log_Texte(1, "  Nb de vecteurs : ");
    con.Log_Nombre(0, NbVecteurs);
    con.Log_Texte(1, "  Nb de comp. c. : ");
    con.Log_Nombre(0, NbComposantes);
  }

 private:
  void Ajoute_vecteur(Point a, Point b);
  void Prolonge_dernier(Point p);

  Console& con;
  Document& doc;
  const Plan& p1;
  Plan& p2;
  const double EpsV;
  const uint32_t Limite;
  bool Deja_trace = false;
  uint32_t Pas_precedents = 0;  // steps of the previous trace
  int32_t DernierDir = 0;       // direction of the last move, kept from trace to trace
  Vecteur* Dernier = nullptr;   // last vector appended by this run
  int32_t NbVecteurs = 0;
  int32_t NbComposantes = 0;
};

void Suivi::Ajoute_vecteur(Point a, Point b) {
  Vecteur v;
  v.x1 = a.x, v.y1 = a.y, v.x2 = b.x, v.y2 = b.y;
  Mesure(v);
  doc.Vecteurs.push_back(v);
  Dernier = &doc.Vecteurs.back();
  ++NbVecteurs;
}

void Suivi::Prolonge_dernier(Point p) {
  if (!Dernier) return;
  Dernier->x2 = p.x, Dernier->y2 = p.y;
  Mesure(*Dernier);
}

void Suivi::Trace(Point S) {
  if (Deja_trace && Pas_precedents >= Limite) con.Erreur_Box("Erreur(1)");
  Deja_trace = true;
  Point C = S, P = S, A = S;
  int32_t xmin = S.x, xmax = S.x, ymin = S.y, ymax = S.y;
  double W = 0.0;
  uint32_t pas = 0;
  int32_t pts = 0, T = 0, d = 6, premierDir = 0;
  bool ferme = false;
  while (!ferme && pas < Limite) {
    ++pas;
    ++pts;
    if (C.x > xmax) xmax = C.x;
    else if (C.x < xmin) xmin = C.x;
    if (C.y > ymax) ymax = C.y;
    else if (C.y < ymin) ymin = C.y;

    const double ax = C.x - A.x, ay = C.y - A.y;
    W += ax * (C.y - P.y) - ay * (C.x - P.x);
    if (EpsV * (ax * ax + ay * ay) < W * W) {
      if (pts >= 2)
        Ajoute_vecteur(A, P);
      else
        Prolonge_dernier(P);
      A = P;
      pts = 0;
      W = 0.0;
    }

    const int32_t precedent = DernierDir;
    if (!(C == P)) DernierDir = Direction(C.x - P.x, C.y - P.y);
    if (P == S)
      premierDir = DernierDir;
    else
      T += Virage(precedent, DernierDir);

    P = C;
    Ecrit_pixel(C.x, C.y, 1, p2);
    if (con.ModeDebug == 1) con.Montre_Plan2(C.x - 100, C.y - 100);

    // Front-right, front, front-left; turn left by 90 degrees when all are background.
    bool trouve = false;
    for (int tour = 0; tour < 4 && !trouve; ++tour) {
      for (int k = -1; k <= 1; ++k) {
        const int32_t i = (d + k + 8) % 8;
        if (Lit_pixel(C.x + DX[i], C.y + DY[i], p1) == 1) {
          C = {C.x + DX[i], C.y + DY[i]};
          if (k == -1) d = (d + 6) % 8;
          trouve = true;
          break;
        }
      }
      if (!trouve) d = (d + 2) % 8;
    }
    if (!trouve) break;  // a lone pixel: no neighbour to go to

    if (C == S) {
      ferme = true;
      T += Virage(DernierDir, premierDir);
      if (T >= 0) {
        CompConnexe cc;
        cc.xmin = xmin, cc.ymin = ymin, cc.xmax = xmax, cc.ymax = ymax;
        cc.Classe = 0;
        doc.CompConnexes.push_back(cc);
        ++NbComposantes;
      }
    }
  }
  Pas_precedents = pas;
  if (pts < 2)
    Prolonge_dernier(P);
  else
    Ajoute_vecteur(A, P);
}

}  // namespace

void Contours(Contexte& ctx, Document& doc) {
  if (!doc.Vecteurs.empty()) return;
  Console& con = ctx.Con;
  con.Log_Efface();
  con.Log_Texte(0, "1) Calcul des Contours . . .");
  const int32_t largeur = 8 * doc.NbOctetsLigne();
  const int32_t hauteur = doc.NbLignes();
  const uint32_t limite = static_cast<uint32_t>(largeur) * static_cast<uint32_t>(hauteur) / 14u;
  const double eps = Parametre(ctx, "EpsV");
  con.Progression_Init(1, hauteur / 2 - 1);

  const Plan& p1 = doc.Plan1;
  const Plan& p2 = doc.Plan2;
  Suivi suivi(ctx, doc, eps, limite);
  try {
    for (int32_t y = 1; y < hauteur - 1; y += 2) {
      con.Progression_Pas();
      const uint8_t* ligne = p1.Pixels.data() + Index_octet(0, y, p1);
      int32_t x = 1;
      while (x < largeur - 1) {
        // Whole bytes of background are passed at once.
        if ((x & 7) == 0 && ligne[x >> 3] == 0xFF) {
          x += 8;
          continue;
        }
        if (Lit_pixel(x, y, p1) != 1) {
          ++x;
        } else if (Lit_pixel(x, y, p2) == 1) {
          int32_t t = x;
          while (Lit_pixel(t, y, p1) == 1) ++t;
          x = t + 2;
        } else {
          if (Lit_pixel(x - 1, y, p1) == 0 &&
              (Lit_pixel(x, y + 1, p1) == 1 || Lit_pixel(x + 1, y + 1, p1) == 1 ||
               Lit_pixel(x + 1, y, p1) == 1 || Lit_pixel(x + 1, y - 1, p1) == 1))
            suivi.Trace({x, y});
          ++x;
        }
      }
    }
  } catch (const std::bad_alloc&) {
    con.Erreur_Box("- Erreur mem. -");
  }
  suivi.Recapitule();
  for (Vecteur& v : doc.Vecteurs) v.Angle = Orientation(v.x1, v.y1, v.x2, v.y2);
  if (con.ModeDebug == 1) con.Log_Efface();
}
