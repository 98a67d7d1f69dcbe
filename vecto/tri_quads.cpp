// Quadrilateral sorting. Reads Quadrilateres and Plan 1; drops the previous
// separators, then grows chains one quadrilateral at a time from the free end
// of the last one, each new one touching it over ink with a close mean angle,
// and puts a separator between chains. NbQuads counts the separators. The
// next quadrilateral of a chain is looked for through an index of the ends
// of the strokes' axes.
#include "vecto/tri_quads.h"

#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/contexte.h"
#include "image/segment.h"
#include "image/document.h"
#include "vecto/grille_quads.h"

namespace {

// Mean orientation of the two sides, degrees; may be negative.
int32_t Angle_moyen(const Quadrilatere& q) {
  if (std::abs(q.Angle1 - q.Angle2) < 90) return (q.Angle1 + q.Angle2) / 2;
  return (q.Angle1 + q.Angle2 - 180) / 2;
}

// Squared distance between two corners, in unsigned 32-bit arithmetic.
uint32_t Distance2(int32_t xa, int32_t ya, int32_t xb, int32_t yb) {
  const uint32_t dx = static_cast<uint32_t>(xa) - static_cast<uint32_t>(xb);
  const uint32_t dy = static_cast<uint32_t>(ya) - static_cast<uint32_t>(yb);
  return dx * dx + dy * dy;
}

// The two sides of a well-formed quadrilateral run in opposite directions.
bool Cotes_meme_sens(const Quadrilatere& q) {
  return static_cast<int64_t>(q.x2 - q.x1) * (q.x4 - q.x3) + static_cast<int64_t>(q.y4 - q.y3) * (q.y2 - q.y1) > 0;
}

void Signale_cotes(Console& con, const Quadrilatere& q) {
  con.Log_Efface();
  con.Log_Texte(1, "Ep =");
  con.Log_Nombre(0, q.Ep1);
  con.Log_Texte(0, " - ");
  con.Log_Nombre(0, q.Ep2);
  con.Log_Texte(1, "Lg =");
  con.Log_Nombre(0, q.Longueur);
  con.Log_Texte(1, "Ag =");
  con.Log_Nombre(0, q.Angle1);
  con.Log_Texte(0, " - ");
  con.Log_Nombre(0, q.Angle2);
  con.Log_Texte(1, "P1f =");
  con.Log_Nombre(0, q.x2);
  con.Log_Texte(0, " - ");
  con.Log_Nombre(0, q.y2);
  con.Log_Texte(1, "P2i =");
  con.Log_Nombre(0, q.x3);
  con.Log_Texte(0, " - ");
  con.Log_Nombre(0, q.y3);
  con.Bip();
  con.Bip();
  con.Bip();
}

// Contact codes: 1 Q's end 2 on cur's end 1, 2 Q's end 1 on cur's end 1
// (crosswise), 5 Q on cur's end 2.
enum Contact { AUCUN = 0, BOUT2_BOUT1 = 1, BOUT1_BOUT1 = 2, SUR_BOUT2 = 5 };

// Turns an accepted quadrilateral so that its end 2 lies at the contact.
void Retourne(Quadrilatere& q, Contact code) {
  if (code == BOUT1_BOUT1) {
    std::swap(q.x1, q.x3), std::swap(q.y1, q.y3);
    std::swap(q.x2, q.x4), std::swap(q.y2, q.y4);
    std::swap(q.Ep1, q.Ep2);
    std::swap(q.Angle1, q.Angle2);
  } else if (code == SUR_BOUT2) {
    std::swap(q.x1, q.x2), std::swap(q.y1, q.y2);
    std::swap(q.x3, q.x4), std::swap(q.y3, q.y4);
    std::swap(q.Ep1, q.Ep2);
  }
}

// The rule's angle test: mean angles within penteTQ, or within penteTQ of
// the opposite direction.
bool Angles_proches(int32_t m, const Quadrilatere& q, int32_t penteTQ) {
  const int32_t ecart = std::abs(m - Angle_moyen(q));
  return ecart < penteTQ || ecart > 180 - penteTQ;
}

// Contact values of Q against cur, in the rule's order: code 1, code 2, then
// code 5 twice. Each is the sum of two squared corner distances.
constexpr Contact CODES[4] = {BOUT2_BOUT1, BOUT1_BOUT1, SUR_BOUT2, SUR_BOUT2};

// The smallest of the four values and the first code that has it.
struct Contact_le_plus_proche {
  uint32_t Valeur;
  Contact Code;
};
Contact_le_plus_proche Contacts(const Quadrilatere& q, const Quadrilatere& cur) {
  const uint32_t d[4] = {Distance2(q.x2, q.y2, cur.x1, cur.y1) + Distance2(q.x3, q.y3, cur.x4, cur.y4),
                         Distance2(q.x4, q.y4, cur.x1, cur.y1) + Distance2(q.x1, q.y1, cur.x4, cur.y4),
                         Distance2(q.x1, q.y1, cur.x2, cur.y2) + Distance2(q.x4, q.y4, cur.x3, cur.y3),
                         Distance2(q.x3, q.y3, cur.x2, cur.y2) + Distance2(q.x2, q.y2, cur.x3, cur.y3)};
  Contact_le_plus_proche c{d[0], CODES[0]};
  for (int i = 1; i < 4; ++i)
    if (d[i] < c.Valeur) c = {d[i], CODES[i]};
  return c;
}

constexpr uint32_t AUCUNE_VALEUR = 2147483647u;  // a value is kept only when below it
constexpr uint32_t AUCUN_RANG = UINT32_MAX;

// The rule's choice for each step of a chain among the quadrilaterals not
// yet sorted, through their index:
// - after a separator, every quadrilateral competes on its contact with the
//   separator's fixed corners: the index orders them by that value;
// - after a real quadrilateral, a contact value is at least half the squared
//   doubled distance between an end of Q's axis and an end of cur's axis
//   (|a - c|^2 + |b - d|^2 >= |(a + b) - (c + d)|^2 / 2), so the index is
//   searched around cur's ends until no farther Q can win or tie; corners
//   within 23170 pixels of one another keep every value below 2147483647
//   (4 x 23170^2 is below it) with no wrap-around, and wider ones make the
//   index a single cell, which the first ring shows whole;
// - the count by mean angle answers at once when no quadrilateral left has
//   an angle close enough, instead of a search over the whole page.
class Restants {
 public:
  Restants(ListeQuads& liste, int32_t penteTQ);

  // The smallest contact value below 2147483647, the first quadrilateral in
  // list order and then the first code on equal values; AUCUN_RANG when
  // there is none.
  uint32_t Choisit(const Quadrilatere& cur, Contact& code);
  ListeQuads::iterator Quad(uint32_t r) const { return par_rang[r]; }
  void Retire(uint32_t r) { index.Retire(r); }

 private:
  bool Un_angle_proche(int32_t m) const;

  const int32_t penteTQ;
  std::vector<ListeQuads::iterator> par_rang;
  std::vector<Quadrilatere> copies;      // the records by rank, side by side for the searches
  std::vector<Contact> code_separateur;  // each one's code against a separator
  GrilleQuads index;
};

GrilleQuads Indexe(const ListeQuads& liste, std::vector<Contact>& codes) {
  const Quadrilatere separateur = Separateur();
  std::vector<int32_t> angles;
  std::vector<uint32_t> valeurs;
  for (const Quadrilatere& q : liste) {
    const Contact_le_plus_proche c = Contacts(q, separateur);
    angles.push_back(Angle_moyen(q));
    valeurs.push_back(c.Valeur);
    codes.push_back(c.Code);
  }
  return GrilleQuads(liste, angles, valeurs);
}

Restants::Restants(ListeQuads& liste, int32_t pente) : penteTQ(pente), index(Indexe(liste, code_separateur)) {
  par_rang.reserve(liste.size());
  copies.reserve(liste.size());
  for (auto q = liste.begin(); q != liste.end(); ++q) {
    par_rang.push_back(q);
    copies.push_back(*q);
  }
}

// Whether some quadrilateral left passes the angle test against m.
bool Restants::Un_angle_proche(int32_t m) const {
  const int64_t p = penteTQ;
  constexpr int64_t MIN = INT64_MIN, MAX = INT64_MAX;
  return index.Angle_entre(m - p + 1, m + p - 1)      // |m - angle| < p
         || index.Angle_entre(m + 180 - p + 1, MAX)  // angle - m > 180 - p
         || index.Angle_entre(MIN, m - 180 + p - 1);  // m - angle > 180 - p
}

uint32_t Restants::Choisit(const Quadrilatere& cur, Contact& code) {
  uint32_t rang = AUCUN_RANG;
  if (Est_separateur(cur)) {
    uint32_t valeur;
    if (!index.Plus_petite_valeur(rang, valeur) || valeur >= AUCUNE_VALEUR) return AUCUN_RANG;
    code = code_separateur[rang];
    return rang;
  }
  const int32_t m = Angle_moyen(cur);
  if (!Un_angle_proche(m)) return AUCUN_RANG;
  uint32_t meilleure = AUCUNE_VALEUR;
  const auto visite = [&](uint32_t r) {
    const Quadrilatere& q = copies[r];
    if (!Angles_proches(m, q, penteTQ)) return;
    const Contact_le_plus_proche c = Contacts(q, cur);
    if (c.Valeur < meilleure || (c.Valeur == meilleure && rang != AUCUN_RANG && r < rang))
      meilleure = c.Valeur, rang = r, code = c.Code;
  };
  // A Q whose ends are at a doubled distance d from cur's has a value of at
  // least d^2 / 2: it can neither win nor tie once that passes the best;
  // from d = 65536 on it reaches 2^31.
  index.Parcourt(cur, visite, [&](int64_t d) { return d < 65536 && 2 * int64_t{meilleure} >= d * d; });
  return rang;
}

}  // namespace

int32_t Tri_quads(Contexte& ctx, Document& doc, int32_t penteTQ) {
  Console& con = ctx.Con;
  if (doc.NbQuads == 0) return 0;
  con.Log_Efface();
  con.Log_Texte(0, "2) Tri des Quads ...            ");

  ListeQuads& ancienne = doc.Quadrilateres;
  doc.NbQuads -= static_cast<int32_t>(ancienne.remove_if(Est_separateur));

  // The start separator stays outside the sorted list: it only seeds the search.
  const Quadrilatere depart = Separateur();
  const Quadrilatere* cur = &depart;
  ListeQuads triee;
  int32_t nb_separateurs = 0;
  con.Progression_Init(0, doc.NbQuads - 1);

  try {
    Restants restants(ancienne, penteTQ);
    while (!ancienne.empty()) {
      con.Progression_Pas();
      if (Cotes_meme_sens(*cur)) Signale_cotes(con, *cur);

      const bool apres_separateur = Est_separateur(*cur);
      Contact code = AUCUN;
      const uint32_t rang = restants.Choisit(*cur, code);
      bool accepte = rang != AUCUN_RANG;
      // After a separator every quadrilateral left competes; when none has a
      // contact value below the limit (corners beyond the largest page), none
      // ever will: the rest stays unsorted after the chains made so far.
      if (!accepte && apres_separateur) break;

      const auto choix = accepte ? restants.Quad(rang) : ancienne.end();
      if (accepte && !apres_separateur) {
        const Extremite bout = Extremite1(*cur);
        if (code == BOUT2_BOUT1) {
          const Extremite e = Extremite2(*choix);
          accepte = Compte_fond(e.x, e.y, bout.x, bout.y, doc.Plan1) <= 4;
        } else if (code == BOUT1_BOUT1) {
          const Extremite e = Extremite1(*choix);
          accepte = Compte_fond(e.x, e.y, bout.x, bout.y, doc.Plan1) <= 4;
        } else {
          accepte = false;
        }
      }

      if (!accepte) {
        triee.push_back(Separateur());
        ++nb_separateurs;
        cur = &triee.back();
        continue;
      }
      restants.Retire(rang);
      triee.splice(triee.end(), ancienne, choix);
      Retourne(triee.back(), code);
      cur = &triee.back();
    }
  } catch (const std::bad_alloc&) {
    // The sort stops: the rest stays unsorted after the chains made so far.
    con.Erreur_Box(" - Erreur mem. - ");
  }

  ancienne.splice(ancienne.begin(), triee);
  doc.NbQuads += nb_separateurs;
  con.Log_Texte(0, " * Tri termine. ");
  return 1;
}
