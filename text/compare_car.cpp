#include "text/compare_car.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "console/console.h"
#include "console/contexte.h"
#include "image/document.h"
#include "text/masque.h"

namespace {

constexpr int32_t DECALAGE_VUE = 32;  // the zone's mask is shown left of the zone
constexpr int32_t ECHELLE_MASQUE = 4;

void Copie_champ(char (&champ)[LG_NOM], const char (&nom)[LG_NOM]) { Copie_nom(champ, Nom_texte(nom)); }

bool Lettre_autre_casse(std::string_view a, std::string_view b) {
  const int16_t ca = Classe_nom(a), cb = Classe_nom(b);
  if ((ca != 1 && ca != 2) || (cb != 1 && cb != 2)) return false;
  return std::abs(static_cast<unsigned char>(a[0]) - static_cast<unsigned char>(b[0])) == 32;
}

}  // namespace

int16_t Compare_car(Contexte& ctx, Document& doc, CompConnexe& zone, CasesMasque& masque,
                    ListeModeles& liste, int32_t N, int32_t seuilmask, int32_t seuildiff,
                    int32_t seuilminidiff, uint8_t affichage) {
  const int32_t x1 = zone.xmin, y1 = zone.ymin, x2 = zone.xmax, y2 = zone.ymax;
  if (static_cast<int64_t>(x2) - x1 < NB_COLONNES_MASQUE || static_cast<int64_t>(y2) - y1 < NB_LIGNES_MASQUE)
    return ETAT_PROBLEME;
  Extrait_masque(doc.Plan1, x1, y1, x2, y2, masque, seuilmask);
  Ajoute_compteur(ctx.NbTraitements, 1);

  // Best and second start on the first model: it stays both when nothing
  // comes nearer than the full 80 cells.
  auto B = liste.begin(), S = liste.begin();
  int32_t b = NB_CASES, s = NB_CASES, numB = 1, numS = 1;
  int32_t i = 0;
  for (auto m = liste.begin(); m != liste.end() && i < N; ++m) {
    ++i;
    const int32_t d = Distance_masque(masque, m->Masque);
    if (d < b) {
      if (i == 1) {
        S = m, s = d, numS = i;
      } else {
        S = B, s = b, numS = numB;
      }
      B = m, b = d, numB = i;
    } else if (d < s) {
      S = m, s = d, numS = i;
    }
  }

  int16_t etat;
  if (b > seuildiff || i == 0) {
    etat = ETAT_NON_RECONNU;
    if (i != 0) {
      Copie_champ(zone.Proche, B->Nom);
      zone.Taux2 = static_cast<int16_t>(b);
      zone.NumProche = static_cast<int16_t>(numB);
    }
  } else {
    Ajoute_compteur(B->Utilisation, 1);
    Copie_champ(zone.Caractere, B->Nom);
    zone.Taux = static_cast<int16_t>(b);
    Copie_champ(zone.Proche, S->Nom);
    zone.Taux2 = static_cast<int16_t>(s);
    zone.NumModele = static_cast<int16_t>(numB);
    zone.NumProche = static_cast<int16_t>(numS);
    const std::string_view nomB = Nom_texte(B->Nom), nomS = Nom_texte(S->Nom);
    if (nomB == nomS || s > seuildiff || static_cast<int64_t>(s) - b > seuilminidiff)
      etat = ETAT_RECONNU;
    else if (Lettre_autre_casse(nomB, nomS))
      etat = ETAT_DOUTE_MAJ_MIN;
    else
      etat = ETAT_GRAND_DOUTE;
  }

  if (affichage == 1) {
    ctx.Con.Montre_Plan2(x1 - DECALAGE_VUE, y1);
    Copie_zone(doc, x1, y1, x2, y2);
    Dessine_masque(doc.Plan2, x1 - DECALAGE_VUE, y2, masque, ECHELLE_MASQUE);
    if (etat == ETAT_RECONNU || etat == ETAT_DOUTE_MAJ_MIN)
      Dessine_masque(doc.Plan2, x2, y2, B->Masque, ECHELLE_MASQUE);
  }
  return etat;
}

void Raz_texte(CompConnexe& zone) {
  std::memset(zone.Caractere, 0, sizeof zone.Caractere);
  std::memset(zone.Proche, 0, sizeof zone.Proche);
  zone.Classe = 0;
  zone.Taux = 0;
  zone.Taux2 = 0;
  zone.Etat = 0;
  zone.Zone = 0;
  zone.Rang = 0;
  zone.NumModele = 0;
  zone.NumProche = 0;
}

void Echange_choix(CompConnexe& zone) {
  std::swap(zone.Caractere, zone.Proche);
  std::swap(zone.Taux, zone.Taux2);
  std::swap(zone.NumModele, zone.NumProche);
  zone.Classe = Classe_nom(Nom_texte(zone.Caractere));
}

int16_t Classe_nom(std::string_view nom) {
  if (nom.size() > 1) return 5;
  if (nom.empty() || nom[0] == ' ') return -1;
  const char c = nom[0];
  if (c >= 'A' && c <= 'Z') return 1;
  if (c >= 'a' && c <= 'z') return 2;
  if (c >= '0' && c <= '9') return 3;
  if (c == '+' || c == '-') return 4;
  return -2;
}
