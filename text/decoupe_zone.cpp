#include "text/decoupe_zone.h"

#include <algorithm>
#include <iterator>

#include "image/document.h"
#include "image/plan.h"
#include "text/compare_car.h"

namespace {

// Vertical runs of ink of one column between two rows, and their length.
struct Colonne {
  int32_t Traits = 0;
  int64_t Encre = 0;
};

// Pixels outside the plane are background: only the rows inside it are read.
Colonne Lit_colonne(const Plan& p, int64_t x, int32_t ymin, int32_t ymax) {
  Colonne c;
  if (x < 1 || x >= p.Largeur_px()) return c;
  const int32_t y0 = std::max(ymin, 1), y1 = std::min(ymax, p.NbLignes - 1);
  bool dans_trait = false;
  for (int32_t y = y0; y <= y1; ++y) {
    const bool encre = Lit_pixel(static_cast<int32_t>(x), y, p) == 1;
    if (encre) {
      ++c.Encre;
      if (!dans_trait) ++c.Traits;
    }
    dans_trait = encre;
  }
  return c;
}

bool Ligne_encree(const Plan& p, int32_t y, int64_t x0, int64_t x1) {
  if (y < 1 || y >= p.NbLignes) return false;
  const int64_t a = std::max<int64_t>(x0, 1), b = std::min<int64_t>(x1, p.Largeur_px() - 1);
  for (int64_t x = a; x <= b; ++x)
    if (Lit_pixel(static_cast<int32_t>(x), y, p) == 1) return true;
  return false;
}

// Box of the columns x0..x1 with its rows shrunk to the ink between them.
CompConnexe Partie(const Plan& p, const CompConnexe& zone, int64_t x0, int64_t x1) {
  const int64_t fin = static_cast<int64_t>(zone.ymax) + 1;
  const int64_t premiere = std::max<int64_t>(zone.ymin, 1), derniere = std::min<int64_t>(zone.ymax, p.NbLignes - 1);
  int64_t haut = fin;
  for (int64_t y = premiere; y <= derniere; ++y)
    if (Ligne_encree(p, static_cast<int32_t>(y), x0, x1)) {
      haut = y;
      break;
    }
  int64_t bas = fin;
  if (haut < fin)
    for (int64_t y = haut + 1; y <= zone.ymax; ++y)
      if (!Ligne_encree(p, static_cast<int32_t>(y), x0, x1)) {
        bas = y;
        break;
      }
  CompConnexe c;
  c.xmin = static_cast<int32_t>(x0);
  c.xmax = static_cast<int32_t>(x1);
  c.ymin = static_cast<int32_t>(haut);
  c.ymax = static_cast<int32_t>(bas);
  return c;
}

bool Assez_grande(const CompConnexe& c) {
  return static_cast<int64_t>(c.xmax) - c.xmin > 7 && static_cast<int64_t>(c.ymax) - c.ymin > 9;
}

}  // namespace

PartiesZone Coupe_zone(const Plan& plan1, const CompConnexe& zone, int32_t seuil) {
  const int64_t xmax = zone.xmax;
  const int64_t largeur = plan1.Largeur_px();
  const auto colonne = [&](int64_t x) { return Lit_colonne(plan1, x, zone.ymin, zone.ymax); };

  // The columns of one run each, a gap, then as many single-run columns again.
  int64_t x = zone.xmin, somme = 0, n = 0, c = 0;
  Colonne col;
  while (x <= xmax && (col = colonne(x)).Traits == 1) {
    somme += col.Encre, ++n, ++c, ++x;
  }
  while (x <= xmax) {
    if (x >= largeur) {  // nothing but background up to xmax
      x = xmax + 1;
      break;
    }
    if (x < 1) {  // nor left of the plane
      x = std::min<int64_t>(1, xmax + 1);
      continue;
    }
    if ((col = colonne(x)).Traits == 1) break;
    ++x;
  }
  while (x <= xmax && c > 0 && (col = colonne(x)).Traits == 1) {
    somme += col.Encre, ++n, --c, ++x;
  }
  const int64_t fin_gauche = x - 1;
  const int64_t a = n == 0 ? 0 : somme / n;

  // The right part starts at the first column holding a x seuil pixels of ink.
  const int64_t limite = a * seuil;
  int64_t debut_droite = xmax + 1;
  for (; x <= xmax; ++x) {
    if (colonne(x).Encre >= limite) {
      debut_droite = x;
      break;
    }
    // Outside the plane the columns are empty and 0 < limite.
    if (x >= largeur) break;
    if (x < 0) x = 0;
  }

  PartiesZone parties;
  parties.Gauche = Partie(plan1, zone, zone.xmin, fin_gauche);
  parties.Droite = Partie(plan1, zone, debut_droite, xmax);
  return parties;
}

bool Decoupe_zone(Contexte& ctx, Document& doc, ListeCC& zones, ListeCC::iterator zone, ListeModeles& bib,
                  int32_t N, const SeuilsComparaison& seuils, int32_t seuil) {
  PartiesZone p = Coupe_zone(doc.Plan1, *zone, seuil);
  if (!Assez_grande(p.Gauche) || !Assez_grande(p.Droite)) return false;
  CasesMasque masque{};
  const int16_t etat_g =
      Compare_car(ctx, doc, p.Gauche, masque, bib, N, seuils.Masque, seuils.Diff, seuils.MiniDiff, 0);
  const int16_t etat_d =
      Compare_car(ctx, doc, p.Droite, masque, bib, N, seuils.Masque, seuils.Diff, seuils.MiniDiff, 0);
  if (etat_g == ETAT_NON_RECONNU || etat_d == ETAT_NON_RECONNU) return false;
  p.Gauche.Etat = etat_g;
  p.Gauche.Classe = Classe_nom(Nom_texte(p.Gauche.Caractere));
  p.Droite.Etat = etat_d;
  p.Droite.Classe = Classe_nom(Nom_texte(p.Droite.Caractere));
  *zone = p.Gauche;
  zones.insert(std::next(zone), p.Droite);
  return true;
}
