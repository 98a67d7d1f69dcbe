// Quadrilateral construction as a plain scan of the whole list for every
// vector chosen: the chosen vector and its partners are found by walking
// Vecteurs in order. Kept as the reference that the indexed stage must match
// record for record.
#include "analyse_vecteurs_reference.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <new>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/segment.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "vecto/analyse_vecteurs.h"

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

void Coupe(Vecteur& v, Pt debut, Pt fin) {
  v.x1 = debut.x, v.y1 = debut.y, v.x2 = fin.x, v.y2 = fin.y;
  Mesure(v);
}

class Analyse {
 public:
  Analyse(Contexte& ctx, Document& doc)
      : con(ctx.Con), doc(doc), liste(doc.Vecteurs), plan1(doc.Plan1),
        penteV(static_cast<int32_t>(Parametre(ctx, "Seuil_penteV"))),
        epmax(static_cast<int32_t>(Parametre(ctx, "SeuilEpmax"))), nb(doc.NbQuads) {}

  void Execute();
  int32_t Nombre() const { return nb; }

 private:
  using It = ListeVecteurs::iterator;

  It Choisit_V1();
  void Cherche_partenaires(It V1, It& A, It& B, int64_t& dA2, int64_t& dB2);
  void Ajoute_quad(Pt c1, Pt c2, Pt c3, Pt c4, int32_t longueur, int32_t angle1, int32_t angle2, uint8_t ep1,
                   uint8_t ep2);
  void Appariement_entier(It V1, It A);
  bool Cote_A(It V1, It A, bool existe, double limA, double dA);
  void Cote_B(It V1, It B, bool existe, double limB, double dB);
  void Note(const char* texte) {
    if (con.ModeDebug == 1) con.Log_Texte(1, texte);
  }

  Console& con;
  Document& doc;
  ListeVecteurs& liste;
  const Plan& plan1;
  const int32_t penteV;
  const int32_t epmax;
  int32_t nb;
};

// The longest vector still eligible (Etat below epmax, and never one marked
// 250, so that an epmax above 250 cannot keep the loop going); the first in
// list order on equal lengths.
Analyse::It Analyse::Choisit_V1() {
  It choisi = liste.end();
  int32_t meilleure = 0;
  for (It v = liste.begin(); v != liste.end(); ++v)
    if (v->Etat < epmax && v->Etat != SANS_PARTENAIRE && v->Longueur > meilleure) {
      meilleure = v->Longueur;
      choisi = v;
    }
  return choisi;
}

void Analyse::Cherche_partenaires(It V1, It& A, It& B, int64_t& dA2, int64_t& dB2) {
  const int64_t dx = int64_t{V1->x2} - V1->x1, dy = int64_t{V1->y2} - V1->y1;
  const Pt s = Debut(*V1), e = Fin(*V1);
  A = B = liste.end();
  dA2 = dB2 = DISTANCE_MAX;
  for (It v = liste.begin(); v != liste.end(); ++v) {
    const int32_t ecart = std::abs(v->Angle - V1->Angle);
    if (!(ecart < penteV || ecart > 180 - penteV)) continue;
    if ((int64_t{v->x2} - v->x1) * dx + (int64_t{v->y2} - v->y1) * dy >= 0) continue;
    const bool cote_fin = dy * (int64_t{v->x2} - s.x) - dx * (int64_t{v->y2} - s.y) >= 0;
    const bool cote_debut = dy * (int64_t{v->x1} - s.x) - dx * (int64_t{v->y1} - s.y) >= 0;
    if (!cote_fin && !cote_debut) continue;
    const int64_t a2 = Carre(Fin(*v), s);
    if (a2 < dA2) dA2 = a2, A = v;
    const int64_t b2 = Carre(e, Debut(*v));
    if (b2 < dB2) dB2 = b2, B = v;
  }
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
void Analyse::Appariement_entier(It V1, It A) {
  Projection p, q;
  if (A->Longueur < V1->Longueur) {
    p = Proj(Fin(*A), Debut(*V1), Fin(*V1), V1->Longueur);
    q = Proj(Debut(*A), Fin(*V1), Debut(*V1), V1->Longueur);
  } else {
    q = Proj(Debut(*V1), Fin(*A), Debut(*A), A->Longueur);
    p = Proj(Fin(*V1), Debut(*A), Fin(*A), A->Longueur);
  }
  if (!p.sur && !q.sur) {
    V1->Etat = SANS_PARTENAIRE;
    return;
  }
  uint8_t ep1, ep2;
  if (A->Longueur < V1->Longueur) {
    ep1 = Epaisseur(Fin(*A), p.p);
    ep2 = Epaisseur(Debut(*A), q.p);
  } else {
    ep1 = Epaisseur(Debut(*V1), q.p);
    ep2 = Epaisseur(Fin(*V1), p.p);
  }
  Ajoute_quad(Debut(*V1), Fin(*V1), Debut(*A), Fin(*A), std::max(V1->Longueur, A->Longueur), V1->Angle, A->Angle,
              ep1, ep2);
  liste.erase(A);
  liste.erase(V1);
}

// The part of the longer of V1 and A facing the other; false when nothing
// was made (V1 then marked 250), true when V1 or both were used.
bool Analyse::Cote_A(It V1, It A, bool existe, double limA, double dA) {
  if (!existe || limA <= dA || Fond(Debut(*V1), Fin(*A), plan1) > 4) {
    V1->Etat = SANS_PARTENAIRE;
    Note("Non trouve...");
    return false;
  }
  if (V1->Longueur < A->Longueur) {
    const Projection p = Proj(Fin(*V1), Fin(*A), Debut(*A), A->Longueur);
    if (!p.sur || Fond(p.p, Fin(*V1), plan1) >= 5) {
      V1->Etat = SANS_PARTENAIRE;
      Note("Non trouve.");
      return false;
    }
    const Projection q = Proj(Debut(*V1), Debut(*A), Fin(*A), A->Longueur);
    Ajoute_quad(Debut(*V1), Fin(*V1), p.p, Fin(*A), V1->Longueur, V1->Angle, A->Angle, Epaisseur(Debut(*V1), q.p),
                Epaisseur(Fin(*V1), p.p));
    Coupe(*A, Debut(*A), p.p);
    if (A->Longueur < 2) liste.erase(A);
    else A->Etat = 1;
    liste.erase(V1);
    return true;
  }
  const Projection p = Proj(Debut(*A), Debut(*V1), Fin(*V1), V1->Longueur);
  if (!p.sur || Fond(p.p, Debut(*A), plan1) >= 5) {
    V1->Etat = SANS_PARTENAIRE;
    Note("Non trouve..");
    return false;
  }
  const Projection q = Proj(Fin(*A), Debut(*V1), Fin(*V1), V1->Longueur);
  Ajoute_quad(Debut(*A), Fin(*A), Debut(*V1), p.p, A->Longueur, A->Angle, V1->Angle, Epaisseur(Debut(*A), p.p),
              Epaisseur(Fin(*A), q.p));
  Coupe(*V1, p.p, Fin(*V1));
  liste.erase(A);
  if (V1->Longueur < 2) liste.erase(V1);
  else V1->Etat = 1;
  return true;
}

void Analyse::Cote_B(It V1, It B, bool existe, double limB, double dB) {
  V1->Etat = 1;
  if (!existe || limB <= dB || Fond(Fin(*V1), Debut(*B), plan1) > 4) {
    V1->Etat = SANS_PARTENAIRE;
    Note("Pas trouve...");
    return;
  }
  if (V1->Longueur < B->Longueur) {
    const Projection p = Proj(Debut(*V1), Fin(*B), Debut(*B), B->Longueur);
    if (!p.sur || Fond(Debut(*V1), p.p, plan1) >= 5) {
      V1->Etat = SANS_PARTENAIRE;
      Note("Pas trouve.");
      return;
    }
    const Projection q = Proj(Fin(*V1), Debut(*B), Fin(*B), B->Longueur);
    Ajoute_quad(Debut(*V1), Fin(*V1), Debut(*B), p.p, V1->Longueur, V1->Angle, B->Angle, Epaisseur(Debut(*V1), p.p),
                Epaisseur(Fin(*V1), q.p));
    Coupe(*B, p.p, Fin(*B));
    if (B->Longueur < 2) liste.erase(B);
    else B->Etat = 1;
    liste.erase(V1);
    return;
  }
  const Projection p = Proj(Fin(*B), Debut(*V1), Fin(*V1), V1->Longueur);
  if (!p.sur || Fond(p.p, Fin(*B), plan1) >= 5) {
    V1->Etat = SANS_PARTENAIRE;
    Note("Pas trouve..");
    return;
  }
  const Projection q = Proj(Debut(*B), Debut(*V1), Fin(*V1), V1->Longueur);
  Ajoute_quad(Debut(*B), Fin(*B), p.p, Fin(*V1), B->Longueur, B->Angle, V1->Angle, Epaisseur(Debut(*B), q.p),
              Epaisseur(Fin(*B), p.p));
  Coupe(*V1, Debut(*V1), p.p);
  liste.erase(B);
  if (V1->Longueur < 2) liste.erase(V1);
  else V1->Etat = 1;
}

void Analyse::Execute() {
  const bool pas_a_pas = con.ModeDebug == 1;
  for (;;) {
    if (nb % 6 == 0) con.Traite_messages();
    const It V1 = Choisit_V1();
    if (V1 == liste.end()) break;
    It A, B;
    int64_t dA2, dB2;
    Cherche_partenaires(V1, A, B, dA2, dB2);
    const bool a_existe = A != liste.end(), b_existe = B != liste.end();
    const double dA = std::sqrt(static_cast<double>(dA2)), dB = std::sqrt(static_cast<double>(dB2));

    if (pas_a_pas) {
      con.Log_Efface();
      Raz_Plan2(doc);
      if (b_existe) Trace_segment(doc.Plan2, B->x1, B->y1, B->x2, B->y2, 1);
      if (a_existe) Trace_segment(doc.Plan2, A->x1, A->y1, A->x2, A->y2, 1);
      Trace_segment(doc.Plan2, V1->x1, V1->y1, V1->x2, V1->y2, 1);
      con.Montre_Plan2((std::max(V1->x1 + V1->x2, 620) - 620) / 2, (std::max(V1->y1 + V1->y2, 670) - 670) / 2);
    }

    const int32_t lA = a_existe ? std::max(V1->Longueur, A->Longueur) : V1->Longueur;
    const int32_t lB = b_existe ? std::max(V1->Longueur, B->Longueur) : V1->Longueur;
    const double limA = std::min<int64_t>(epmax, 2 * int64_t{lA});
    const double limB = std::min<int64_t>(epmax, 2 * int64_t{lB});
    double rapport = 0.0;
    if (a_existe && std::max(V1->Longueur, A->Longueur) >= 3) {
      const int32_t petite = std::min(V1->Longueur, A->Longueur);
      rapport = petite > 0 ? static_cast<double>(std::max(V1->Longueur, A->Longueur)) / petite : HUGE_VAL;
    }

    if (a_existe && A == B && limA > dA && limB > dB && rapport < 1.25 &&
        Fond(Debut(*V1), Fin(*A), plan1) <= 4 && Fond(Fin(*V1), Debut(*A), plan1) <= 4) {
      Appariement_entier(V1, A);
    } else {
      bool essayer_B = dB <= dA;
      if (dA < dB && !Cote_A(V1, A, a_existe, limA, dA)) essayer_B = true;
      if (essayer_B) Cote_B(V1, B, b_existe, limB, dB);
    }

    if (pas_a_pas) {
      con.Pause();
      con.Log_Efface();
    }
  }
}

}  // namespace

int32_t Analyse_vecteurs_reference(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  con.Log_Efface();
  con.Log_Texte(0, "1) Analyse Vecteurs :");
  Analyse analyse(ctx, doc);
  try {
    analyse.Execute();
  } catch (const std::bad_alloc&) {
    con.Erreur_Box(" - Erreur mem. - ");
  }
  con.Log_Texte(1, " - Nb de quadr. : ");
  con.Log_Nombre(0, analyse.Nombre());
  doc.NbQuads = analyse.Nombre();
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
