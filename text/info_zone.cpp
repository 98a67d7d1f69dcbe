#include "text/info_zone.h"

#include <cstring>
#include <iterator>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/document.h"
#include "text/compare_car.h"
#include "text/entrainement.h"
#include "text/maintenance_modeles.h"
#include "text/masque.h"
#include "text/modeles.h"

namespace {

constexpr const char* BIBLIOTHEQUE = "bimdl.dat";

std::string Coordonnees(const CompConnexe& z) {
  return "(" + std::to_string(z.xmin) + "," + std::to_string(z.ymin) + ")-(" + std::to_string(z.xmax) + "," +
         std::to_string(z.ymax) + ")";
}

// Teaches the zone's mask under a name asked from the operator, after the
// last model of the library, then merges and saves the library. False when
// the library could not be loaded: nothing changed.
bool Apprend_zone(Contexte& ctx, Document& doc, CompConnexe& z) {
  const int32_t seuilmask = Seuil_entier(ctx, "SEUILMASK");
  ListeModeles liste;
  const int32_t N = Lit_modeles(ctx, liste, BIBLIOTHEQUE);
  if (N < 0) return false;
  CasesMasque masque{};
  Extrait_masque(doc.Plan1, z.xmin, z.ymin, z.xmax, z.ymax, masque, seuilmask);
  auto courant = liste.empty() ? liste.end() : std::prev(liste.end());
  Ajoute_modele(ctx.Con, liste, courant, masque);
  std::memcpy(z.Caractere, courant->Nom, sizeof z.Caractere);
  Fusionne_modeles(ctx, liste, N + 1);
  return true;
}

}  // namespace

std::string Libelle_classe(int16_t classe) {
  const std::string n = std::to_string(classe);
  switch (classe) {
    case 5: return "Complexe : " + n;
    case -1: return "Inconnu : " + n;
    case 1: return "Majuscule : " + n;
    case 2: return "Minuscule : " + n;
    case 3: return "Chiffre : " + n;
    case 4: return "Signe : " + n;
    case 0: return "";
    default: return "Erreur : " + n;
  }
}

std::string Libelle_etat(int16_t etat) {
  switch (etat) {
    case -1: return "etat: Non Reconnu";
    case 1: return "etat: Reconnu";
    case 2: return "etat: Doute Maj/min";
    case 3: return "etat: Doute reduit";
    case 4: return "etat: Grand Doute";
    case 5: return "etat: Doute Important!";
    case -2: return "etat: Probleme";
    default: return "";
  }
}

void Info_zone(Contexte& ctx, Document& doc, int32_t x, int32_t y) {
  Console& con = ctx.Con;
  con.Log_Efface();
  for (CompConnexe& z : doc.ZonesTexte) {
    if (x < z.xmin || x > z.xmax || y < z.ymin || y > z.ymax) continue;
    con.Log_Texte(1, "Informations sur cette zone texte");
    con.Log_Texte(1, "Coordonnees de la zone");
    con.Log_Texte(1, Coordonnees(z));
    con.Log_Texte(1, "Zone:" + std::to_string(z.Zone) + "-" + std::to_string(z.Rang));
    if (const std::string l = Libelle_classe(z.Classe); !l.empty()) con.Log_Texte(1, l);
    if (const std::string l = Libelle_etat(z.Etat); !l.empty()) con.Log_Texte(1, l);
    con.Log_Texte(1, "Caractere: " + std::string(Nom_texte(z.Caractere)));
    con.Log_Texte(1, "Taux != : " + std::to_string(z.Taux));
    con.Log_Texte(1, "Proche de: " + std::string(Nom_texte(z.Proche)));
    con.Log_Texte(1, "Taux2 != : " + std::to_string(z.Taux2));

    std::string reponse = "o";
    con.Saisie(reponse, "satisfait? [o/n]");
    if (reponse.empty() || reponse[0] != 'n') continue;
    Echange_choix(z);
    con.Saisie(reponse, "ajouter a la base? [o/n] ");
    if (!reponse.empty() && reponse[0] == 'o') {
      if (!Apprend_zone(ctx, doc, z)) return;
    } else {
      std::string nom;
      con.Saisie(nom, "nom du caracter");
      Copie_nom(z.Caractere, nom);
    }
    z.Classe = Classe_nom(Nom_texte(z.Caractere));
    z.Etat = 1;
    z.Taux = 0;
    con.Log_Efface();
  }
}
