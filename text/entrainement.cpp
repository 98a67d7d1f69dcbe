#include "text/entrainement.h"

#include <algorithm>
#include <cmath>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/document.h"
#include "text/compare_car.h"
#include "text/maintenance_modeles.h"
#include "text/masque.h"

namespace {

constexpr const char* BIBLIOTHEQUE = "bimdl.dat";
constexpr int32_t DECALAGE_VUE = 32;  // the zone's mask is drawn left of the zone
constexpr int32_t ECHELLE_MASQUE = 4;

}  // namespace

bool Zone_trop_petite(const CompConnexe& zone) {
  return static_cast<int64_t>(zone.xmax) - zone.xmin < NB_COLONNES_MASQUE ||
         static_cast<int64_t>(zone.ymax) - zone.ymin < NB_LIGNES_MASQUE;
}

int32_t Seuil_entier(const Contexte& ctx, const char* nom) {
  const double valeur = Parametre(ctx, nom);
  if (!(valeur > -1e9)) return -1000000000;
  if (valeur > 1e9) return 1000000000;
  return static_cast<int32_t>(std::trunc(valeur));
}

int32_t Charge_ou_vide(Contexte& ctx, ListeModeles& bib) {
  const int32_t N = Lit_modeles(ctx, bib, BIBLIOTHEQUE);
  if (N >= 0) return N;
  Libere_modeles(bib);
  ctx.NbTraitements = 0;
  return 0;
}

void Acquitte(Console& con, std::string_view invite) {
  std::string rien;
  con.Saisie(rien, invite);
}

void Ajoute_modeles(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  doc.NbZones = 0;
  const int32_t seuilmask = std::max(Seuil_entier(ctx, "SEUILMASK"), 1);  // it divides
  con.Log_Efface();
  ListeModeles bib;
  int32_t N = Charge_ou_vide(ctx, bib);
  // The new models follow each other after the first one (end() while the
  // library is empty: the first model added is then alone).
  auto insertion = bib.begin();
  int32_t ajoutes = 0;
  std::string reponse;  // the last answer is the next question's default
  for (CompConnexe& z : doc.ZonesTexte) {
    int16_t etat = ETAT_NON_RECONNU;
    Raz_texte(z);
    if (Zone_trop_petite(z)) {
      con.Log_Texte(1, "trop petit");
      Acquitte(con, "caractere trop petit");
      con.Log_Efface();
    } else {
      Ajoute_compteur(ctx.NbTraitements, 1);
      con.Montre_Plan2(z.xmin - DECALAGE_VUE, z.ymin);
      Copie_zone(doc, z.xmin, z.ymin, z.xmax, z.ymax);
      con.Repeint();
      con.Saisie(reponse, "Ajouter a la Base o/n");
      if (Commence_par(reponse, 'o')) {
        etat = ETAT_RECONNU;
        CasesMasque masque{};
        Extrait_masque(doc.Plan1, z.xmin, z.ymin, z.xmax, z.ymax, masque, seuilmask);
        Dessine_masque(doc.Plan2, z.xmin - DECALAGE_VUE, z.ymax, masque, ECHELLE_MASQUE);
        Ajoute_modele(con, bib, insertion, masque);
        ++N;
        ++ajoutes;
        con.Log_Texte(1, "caractere ajoute");
      } else {
        con.Log_Texte(1, "caractere ignore");
      }
    }
    Acquitte(con, "traitement du suivant...");
    con.Log_Efface();
    z.Etat = etat;
    z.Classe = Classe_nom(Nom_texte(z.Caractere));
  }
  if (ajoutes == 0) {
    Libere_modeles(bib);
    return;
  }
  Fusionne_modeles(ctx, bib, N);
}

int32_t Recree_modeles(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  doc.NbZones = 0;
  const int32_t seuilmask = std::max(Seuil_entier(ctx, "SEUILMASK"), 1);
  con.Log_Efface();
  ListeModeles nouveaux;
  std::string reponse, nom;  // each the default of its next question
  for (CompConnexe& z : doc.ZonesTexte) {
    int16_t etat = ETAT_NON_RECONNU;
    Raz_texte(z);
    con.Montre_Plan2(z.xmin, z.ymin);
    Copie_zone(doc, z.xmin, z.ymin, z.xmax, z.ymax);
    con.Repeint();
    con.Saisie(reponse, "Concerver? reponse o/n");
    if (Commence_par(reponse, 'o')) {
      etat = ETAT_RECONNU;
      con.Saisie(nom, "nom");
      Modele m;
      Copie_nom(m.Nom, nom);
      m.Utilisation = 1;
      Extrait_masque(doc.Plan1, z.xmin, z.ymin, z.xmax, z.ymax, m.Masque, seuilmask);
      Dessine_masque(doc.Plan2, z.xmax, z.ymax, m.Masque, ECHELLE_MASQUE);
      con.Repeint();
      Acquitte(con, "rien");
      nouveaux.push_back(m);
    }
    z.Etat = etat;
    z.Classe = Classe_nom(Nom_texte(z.Caractere));
  }
  const auto faits = static_cast<int32_t>(nouveaux.size());
  if (faits < 2) return faits;
  // The new library starts with every counter at 0. The counters are cleared
  // before the merge, which only adds them, so that the library is written
  // once: a failed save leaves the old file as it was.
  for (Modele& m : nouveaux) m.Utilisation = 0;
  ctx.NbTraitements = 0;
  Fusionne_modeles(ctx, nouveaux, faits);
  return faits;
}
