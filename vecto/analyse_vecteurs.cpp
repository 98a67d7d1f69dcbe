// Quadrilateral construction. The longest eligible vector V1 looks for the
// nearest facing vector at each of its ends (A facing its first endpoint, B
// its second): parallel within Seuil_penteV, running the other way, on V1's
// ink side. When A and B are one vector of similar length joined by ink at
// both ends, the two make one quadrilateral; otherwise the facing parts of V1
// and the nearer partner make one, and the longer of the two is cut back to
// the part that faced nothing. A V1 that finds nothing is marked 250. The
// longest vector comes from a heap, the partners from a grid of endpoints.
#include "vecto/analyse_vecteurs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <new>
#include <queue>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/segment.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "vecto/grille_vecteurs.h"

int32_t Projette(int32_t px, int32_t py, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t len,
                 int32_t& x, int32_t& y) {
  if (len == 0) {  // callers pass a vector's length, never 0; kept finite all the same
    x = ax, y = ay;
    return 0;
  }
  const int64_t t = ((int64_t{px} - ax) * (int64_t{bx} - ax) + (int64_t{py} - ay) * (int64_t{by} - ay)) / len;
  x = static_cast<int32_t>(t * (int64_t{bx} - ax) / len + ax);
  y = static_cast<int32_t>(t * (int64_t{by} - ay) / len + ay);
  return (std::min(ax, bx) <= x && x <= std::max(ax, bx) && std::min(ay, by) <= y && y <= std::max(ay, by)) ? 1 : 0;
}

namespace {

constexpr uint8_t SANS_PARTENAIRE = 250;
constexpr int64_t DISTANCE_MAX = 2147483647;

struct Pt {
  int32_t x, y;
};

Pt Debut(const Vecteur& v) { return {v.x1, v.y1}; }
Pt Fin(const Vecteur& v) { return {v.x2, v.y2}; }

int64_t Carre(Pt a, Pt b) {
  const int64_t dx = int64_t{a.x} - b.x, dy = int64_t{a.y} - b.y;
  return dx * dx + dy * dy;
}

// Thickness at X against its projection Y: floor(|X - Y|) + 1, in 8 bits.
uint8_t Epaisseur(Pt X, Pt Y) {
  return static_cast<uint8_t>(static_cast<int32_t>(std::floor(std::sqrt(static_cast<double>(Carre(X, Y))))) + 1);
}

struct Projection {
  Pt p{0, 0};
  bool sur = false;  // the projected point lies on the segment
};

// X projected on S -> T, a segment of the given length.
Projection Proj(Pt X, Pt S, Pt T, int32_t len) {
  Projection r;
  r.sur = Projette(X.x, X.y, S.x, S.y, T.x, T.y, len, r.p.x, r.p.y) == 1;
  return r;
}

int32_t Fond(Pt a, Pt b, const Plan& p) { return Compte_fond(a.x, a.y, b.x, b.y, p); }

class Analyse {
 public:
  // nombre: the quadrilateral count, from NbQuads, kept up to date.
  Analyse(Contexte& ctx, Document& doc, int32_t& nombre);

  void Execute();

 private:
  static constexpr uint32_t AUCUN = UINT32_MAX;

  // Vectors are known by their rank in the list as it was at the start: the
  // stage cuts and releases vectors but never inserts one, so rank order is
  // list order.
  Vecteur& V(uint32_t r) { return *par_rang[r]; }
  bool Eligible(const Vecteur& v) const {
    return v.Etat < epmax && v.Etat != SANS_PARTENAIRE && v.Longueur > 0;
  }
  void Propose(uint32_t r);
  uint32_t Choisit_V1();
  bool Candidat(const Vecteur& v1, const Vecteur& v) const;
  uint32_t Plus_proche(const GrillePoints& points, Pt cible, const Vecteur& v1, const Classes& classes,
                       int64_t& d2) const;
  void Cherche_partenaires(uint32_t V1, uint32_t& A, uint32_t& B, int64_t& dA2, int64_t& dB2) const;
  void Coupe(uint32_t r, Pt debut, Pt fin);
  void Libere(uint32_t r);
  void Ajoute_quad(Pt c1, Pt c2, Pt c3, Pt c4, int32_t longueur, int32_t angle1, int32_t angle2, uint8_t ep1,
                   uint8_t ep2);
  void Appariement_entier(uint32_t V1, uint32_t A);
  bool Cote_A(uint32_t V1, uint32_t A, double limA, double dA);
  void Cote_B(uint32_t V1, uint32_t B, double limB, double dB);
  void Note(const char* texte) {
    if (con.ModeDebug == 1) con.Log_Texte(1, texte);
  }

  Console& con;
  Document& doc;
  ListeVecteurs& liste;
  const Plan& plan1;
  const int32_t penteV;
  const int32_t epmax;
  // Partners are looked for up to this squared distance. A partner farther
  // than epmax can only be refused, and refused the same way as no partner
  // at all, so the search stops at epmax; in step mode every partner found
  // is drawn, however far, so the search then covers the whole list.
  int64_t rayon2 = 0;
  int32_t& nb;
  std::vector<ListeVecteurs::iterator> par_rang;
  std::vector<uint8_t> vivant;
  GrilleVecteurs grille;
  // Eligible vectors by length, longest first, then by rank; an entry whose
  // vector changed since is skipped when it comes up.
  struct Entree {
    int32_t Longueur;
    uint32_t Rang;
    bool operator<(const Entree& o) const { return Longueur != o.Longueur ? Longueur < o.Longueur : Rang > o.Rang; }
  };
  std::priority_queue<Entree> longueurs;
};

// Cells of a quarter of the largest thickness, 8 pixels at least: a search
// that finds nothing within the largest thickness visits 7 x 7 to 9 x 9 cells.
int64_t Cote_cellule(int32_t epmax) { return std::max<int64_t>(8, std::min<int64_t>(epmax, 1 << 20) / 4); }

Analyse::Analyse(Contexte& ctx, Document& d, int32_t& nombre)
    : con(ctx.Con), doc(d), liste(d.Vecteurs), plan1(d.Plan1),
      penteV(static_cast<int32_t>(Parametre(ctx, "Seuil_penteV"))),
      epmax(static_cast<int32_t>(Parametre(ctx, "SeuilEpmax"))), nb(nombre),
      grille(d.Vecteurs, Cote_cellule(epmax)) {
  rayon2 = con.ModeDebug == 1 ? DISTANCE_MAX - 1 : std::min<int64_t>(int64_t{epmax} * epmax, DISTANCE_MAX - 1);
  par_rang.reserve(liste.size());
  for (auto v = liste.begin(); v != liste.end(); ++v) par_rang.push_back(v);
  vivant.assign(par_rang.size(), 1);
  std::vector<Entree> eligibles;
  for (uint32_t r = 0; r < par_rang.size(); ++r)
    if (Eligible(V(r))) eligibles.push_back({V(r).Longueur, r});
  longueurs = std::priority_queue<Entree>(std::less<Entree>(), std::move(eligibles));
}

void Analyse::Propose(uint32_t r) {
  if (vivant[r] && Eligible(V(r))) longueurs.push({V(r).Longueur, r});
}

// The longest vector still eligible (Etat below epmax, and never one marked
// 250, so that an epmax above 250 cannot keep the loop going); the first in
// list order on equal lengths.
uint32_t Analyse::Choisit_V1() {
  while (!longueurs.empty()) {
    const Entree e = longueurs.top();
    if (vivant[e.Rang] && V(e.Rang).Longueur == e.Longueur && Eligible(V(e.Rang))) return e.Rang;
    longueurs.pop();
  }
  return AUCUN;
}

// v may face v1: parallel within penteV, running the other way, on v1's ink side.
bool Analyse::Candidat(const Vecteur& v1, const Vecteur& v) const {
  const int64_t dx = int64_t{v1.x2} - v1.x1, dy = int64_t{v1.y2} - v1.y1;
  const int32_t ecart = std::abs(v.Angle - v1.Angle);
  if (!(ecart < penteV || ecart > 180 - penteV)) return false;
  if ((int64_t{v.x2} - v.x1) * dx + (int64_t{v.y2} - v.y1) * dy >= 0) return false;
  const bool cote_fin = dy * (int64_t{v.x2} - v1.x1) - dx * (int64_t{v.y2} - v1.y1) >= 0;
  const bool cote_debut = dy * (int64_t{v.x1} - v1.x1) - dx * (int64_t{v.y1} - v1.y1) >= 0;
  return cote_fin || cote_debut;
}

// The candidate whose point in the grid is nearest the target, within
// rayon2; the first in list order on equal distances. AUCUN when there is
// none, d2 then DISTANCE_MAX.
uint32_t Analyse::Plus_proche(const GrillePoints& points, Pt cible, const Vecteur& v1, const Classes& classes,
                               int64_t& d2) const {
  uint32_t choisi = AUCUN;
  d2 = DISTANCE_MAX;
  const auto visite = [&](uint32_t r, int64_t x, int64_t y) {
    const int64_t e = (x - cible.x) * (x - cible.x) + (y - cible.y) * (y - cible.y);
    if (e > rayon2 || e > d2 || (e == d2 && r > choisi)) return;
    if (!Candidat(v1, grille.Copie(r))) return;
    d2 = e;
    choisi = r;
  };
  for (int64_t k = 0;; ++k) {
    const bool reste = points.Anneau(cible.x, cible.y, k, classes, visite);
    // No point left is nearer than au_dela; beyond 46341 its square passes rayon2.
    const int64_t au_dela = k * points.Cote() + 1;
    if (!reste || au_dela > 46341 || au_dela * au_dela > rayon2 || d2 < au_dela * au_dela) break;
  }
  return choisi;
}

// Partner A faces V1's first endpoint (nearest second endpoint), partner B
// its second endpoint (nearest first endpoint).
void Analyse::Cherche_partenaires(uint32_t V1, uint32_t& A, uint32_t& B, int64_t& dA2, int64_t& dB2) const {
  const Vecteur& v1 = *par_rang[V1];
  const Classes classes = grille.Classes_opposees(v1, penteV);
  A = Plus_proche(grille.Fins(), Debut(v1), v1, classes, dA2);
  B = Plus_proche(grille.Debuts(), Fin(v1), v1, classes, dB2);
}

void Analyse::Coupe(uint32_t r, Pt debut, Pt fin) {
  Vecteur& v = V(r);
  v.x1 = debut.x, v.y1 = debut.y, v.x2 = fin.x, v.y2 = fin.y;
  Mesure(v);
  grille.Place(r, v);
}

void Analyse::Libere(uint32_t r) {
  grille.Retire(r);
  vivant[r] = 0;
  liste.erase(par_rang[r]);
}

void Analyse::Ajoute_quad(Pt c1, Pt c2, Pt c3, Pt c4, int32_t longueur, int32_t angle1, int32_t angle2,
                          uint8_t ep1, uint8_t ep2) {
  Quadrilatere q;
  q.x1 = c1.x, q.y1 = c1.y, q.x2 = c2.x, q.y2 = c2.y;
  q.x3 = c3.x, q.y3 = c3.y, q.x4 = c4.x, q.y4 = c4.y;
  q.Longueur = longueur;
  q.Angle1 = angle1;
  q.Angle2 = angle2;
  q.Ep1 = ep1;
  q.Ep2 = ep2;
  doc.Quadrilateres.push_back(q);
  ++nb;
}

// A and V1 face each other over their whole length.
void Analyse::Appariement_entier(uint32_t r1, uint32_t rA) {
  Vecteur& V1 = V(r1);
  const Vecteur& A = V(rA);
  Projection p, q;
  if (A.Longueur < V1.Longueur) {
    p = Proj(Fin(A), Debut(V1), Fin(V1), V1.Longueur);
    q = Proj(Debut(A), Fin(V1), Debut(V1), V1.Longueur);
  } else {
    q = Proj(Debut(V1), Fin(A), Debut(A), A.Longueur);
    p = Proj(Fin(V1), Debut(A), Fin(A), A.Longueur);
  }
  if (!p.sur && !q.sur) {
    V1.Etat = SANS_PARTENAIRE;
    return;
  }
  uint8_t ep1, ep2;
  if (A.Longueur < V1.Longueur) {
    ep1 = Epaisseur(Fin(A), p.p);
    ep2 = Epaisseur(Debut(A), q.p);
  } else {
    ep1 = Epaisseur(Debut(V1), q.p);
    ep2 = Epaisseur(Fin(V1), p.p);
  }
  Ajoute_quad(Debut(V1), Fin(V1), Debut(A), Fin(A), std::max(V1.Longueur, A.Longueur), V1.Angle, A.Angle, ep1, ep2);
  Libere(rA);
  Libere(r1);
}

// The part of the longer of V1 and A facing the other; false when nothing
// was made (V1 then marked 250), true when V1 or both were used.
bool Analyse::Cote_A(uint32_t r1, uint32_t rA, double limA, double dA) {
  Vecteur& V1 = V(r1);
  if (rA == AUCUN || limA <= dA || Fond(Debut(V1), Fin(V(rA)), plan1) > 4) {
    V1.Etat = SANS_PARTENAIRE;
    Note("Non trouve...");
    return false;
  }
  Vecteur& A = V(rA);
  if (V1.Longueur < A.Longueur) {
    const Projection p = Proj(Fin(V1), Fin(A), Debut(A), A.Longueur);
    if (!p.sur || Fond(p.p, Fin(V1), plan1) >= 5) {
      V1.Etat = SANS_PARTENAIRE;
      Note("Non trouve.");
      return false;
    }
    const Projection q = Proj(Debut(V1), Debut(A), Fin(A), A.Longueur);
    Ajoute_quad(Debut(V1), Fin(V1), p.p, Fin(A), V1.Longueur, V1.Angle, A.Angle, Epaisseur(Debut(V1), q.p),
                Epaisseur(Fin(V1), p.p));
    Coupe(rA, Debut(A), p.p);
    if (A.Longueur < 2) Libere(rA);
    else A.Etat = 1;
    Libere(r1);
    return true;
  }
  const Projection p = Proj(Debut(A), Debut(V1), Fin(V1), V1.Longueur);
  if (!p.sur || Fond(p.p, Debut(A), plan1) >= 5) {
    V1.Etat = SANS_PARTENAIRE;
    Note("Non trouve..");
    return false;
  }
  const Projection q = Proj(Fin(A), Debut(V1), Fin(V1), V1.Longueur);
  Ajoute_quad(Debut(A), Fin(A), Debut(V1), p.p, A.Longueur, A.Angle, V1.Angle, Epaisseur(Debut(A), p.p),
              Epaisseur(Fin(A), q.p));
  Coupe(r1, p.p, Fin(V1));
  Libere(rA);
  if (V1.Longueur < 2) Libere(r1);
  else V1.Etat = 1;
  return true;
}

void Analyse::Cote_B(uint32_t r1, uint32_t rB, double limB, double dB) {
  Vecteur& V1 = V(r1);
  V1.Etat = 1;
  if (rB == AUCUN || limB <= dB || Fond(Fin(V1), Debut(V(rB)), plan1) > 4) {
    V1.Etat = SANS_PARTENAIRE;
    Note("Pas trouve...");
    return;
  }
  Vecteur& B = V(rB);
  if (V1.Longueur < B.Longueur) {
    const Projection p = Proj(Debut(V1), Fin(B), Debut(B), B.Longueur);
    if (!p.sur || Fond(Debut(V1), p.p, plan1) >= 5) {
      V1.Etat = SANS_PARTENAIRE;
      Note("Pas trouve.");
      return;
    }
    const Projection q = Proj(Fin(V1), Debut(B), Fin(B), B.Longueur);
    Ajoute_quad(Debut(V1), Fin(V1), Debut(B), p.p, V1.Longueur, V1.Angle, B.Angle, Epaisseur(Debut(V1), p.p),
                Epaisseur(Fin(V1), q.p));
    Coupe(rB, p.p, Fin(B));
    if (B.Longueur < 2) Libere(rB);
    else B.Etat = 1;
    Libere(r1);
    return;
  }
  const Projection p = Proj(Fin(B), Debut(V1), Fin(V1), V1.Longueur);
  if (!p.sur || Fond(p.p, Fin(B), plan1) >= 5) {
    V1.Etat = SANS_PARTENAIRE;
    Note("Pas trouve..");
    return;
  }
  const Projection q = Proj(Debut(B), Debut(V1), Fin(V1), V1.Longueur);
  Ajoute_quad(Debut(B), Fin(B), p.p, Fin(V1), B.Longueur, B.Angle, V1.Angle, Epaisseur(Debut(B), q.p),
              Epaisseur(Fin(B), p.p));
  Coupe(r1, Debut(V1), p.p);
  Libere(rB);
  if (V1.Longueur < 2) Libere(r1);
  else V1.Etat = 1;
}

void Analyse::Execute() {
  const bool pas_a_pas = con.ModeDebug == 1;
  for (;;) {
    if (nb % 6 == 0) con.Traite_messages();
    const uint32_t r1 = Choisit_V1();
    if (r1 == AUCUN) break;
    uint32_t rA, rB;
    int64_t dA2, dB2;
    Cherche_partenaires(r1, rA, rB, dA2, dB2);
    const bool a_existe = rA != AUCUN, b_existe = rB != AUCUN;
    const double dA = std::sqrt(static_cast<double>(dA2)), dB = std::sqrt(static_cast<double>(dB2));
    const Vecteur& V1 = V(r1);

    if (pas_a_pas) {
      con.Log_Efface();
      Raz_Plan2(doc);
      if (b_existe) Trace_segment(doc.Plan2, V(rB).x1, V(rB).y1, V(rB).x2, V(rB).y2, 1);
      if (a_existe) Trace_segment(doc.Plan2, V(rA).x1, V(rA).y1, V(rA).x2, V(rA).y2, 1);
      Trace_segment(doc.Plan2, V1.x1, V1.y1, V1.x2, V1.y2, 1);
      con.Montre_Plan2((std::max(V1.x1 + V1.x2, 620) - 620) / 2, (std::max(V1.y1 + V1.y2, 670) - 670) / 2);
    }

    const int32_t lA = a_existe ? std::max(V1.Longueur, V(rA).Longueur) : V1.Longueur;
    const int32_t lB = b_existe ? std::max(V1.Longueur, V(rB).Longueur) : V1.Longueur;
    const double limA = std::min<int64_t>(epmax, 2 * int64_t{lA});
    const double limB = std::min<int64_t>(epmax, 2 * int64_t{lB});
    double rapport = 0.0;
    if (a_existe && std::max(V1.Longueur, V(rA).Longueur) >= 3) {
      const int32_t petite = std::min(V1.Longueur, V(rA).Longueur);
      rapport = petite > 0 ? static_cast<double>(std::max(V1.Longueur, V(rA).Longueur)) / petite : HUGE_VAL;
    }

    if (a_existe && rA == rB && limA > dA && limB > dB && rapport < 1.25 &&
        Fond(Debut(V1), Fin(V(rA)), plan1) <= 4 && Fond(Fin(V1), Debut(V(rA)), plan1) <= 4) {
      Appariement_entier(r1, rA);
    } else {
      bool essayer_B = dB <= dA;
      if (dA < dB && !Cote_A(r1, rA, limA, dA)) essayer_B = true;
      if (essayer_B) Cote_B(r1, rB, limB, dB);
    }
    for (const uint32_t r : {r1, rA, rB})
      if (r != AUCUN) Propose(r);

    if (pas_a_pas) {
      con.Pause();
      con.Log_Efface();
    }
  }
}

}  // namespace

int32_t Analyse_vecteurs(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  con.Log_Efface();
  con.Log_Texte(0, "1) Analyse Vecteurs :");
  int32_t nb = doc.NbQuads;
  try {
    Analyse analyse(ctx, doc, nb);
    analyse.Execute();
  } catch (const std::bad_alloc&) {
    con.Erreur_Box(" - Erreur mem. - ");
  }
  con.Log_Texte(1, " - Nb de quadr. : ");
  con.Log_Nombre(0, nb);
  doc.NbQuads = nb;
  for (auto v = doc.Vecteurs.begin(); v != doc.Vecteurs.end();) {
    if (v->Longueur < 3) {
      v = doc.Vecteurs.erase(v);
    } else {
      v->Etat = 1;
      ++v;
    }
  }
  return 1;
}
