#include "text/ancienne_reconnaissance.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "console/console.h"
#include "console/contexte.h"
#include "display/dessine_texte.h"
#include "image/document.h"
#include "text/compare_car.h"
#include "text/entrainement.h"
#include "text/maintenance_modeles.h"
#include "text/reduit_doute.h"
#include "text/symboles_bib.h"

namespace {

constexpr int32_t DIFF_MAX = NB_CASES;  // the scale of the distances shown
constexpr const char* NON_RECONNU = "caractere non reconu!";

std::string Diff(const char* titre, int32_t taux) {
  return std::string(titre) + std::to_string(taux) + " / " + std::to_string(DIFF_MAX);
}

// The comparison's result in the log; the operator's answer ("n" without a
// question when no model was near enough).
std::string Montre_resultat(Console& con, const CompConnexe& z, int16_t etat) {
  if (etat == ETAT_NON_RECONNU) {
    con.Log_Texte(1, "Proche de: " + std::string(Nom_texte(z.Proche)));
    con.Log_Texte(1, Diff("diff2: ", z.Taux2));
    return "n";
  }
  con.Log_Texte(1, "Nom: " + std::string(Nom_texte(z.Caractere)));
  con.Log_Texte(1, Diff("diff: ", z.Taux));
  con.Log_Texte(1, "Proche de: " + std::string(Nom_texte(z.Proche)));
  con.Log_Texte(1, Diff("diff2: ", z.Taux2));
  con.Log_Texte(1, "etat: " + std::to_string(etat));
  con.Repeint();
  std::string reponse = "o";
  con.Saisie(reponse, "D'accord");
  return reponse;
}

}  // namespace

void Ancienne_reconnaissance(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  doc.NbZones = 0;
  const int32_t seuilmask = std::max(Seuil_entier(ctx, "SEUILMASK"), 1);  // it divides
  const int32_t seuildiff = Seuil_entier(ctx, "SEUILDIFF");
  const int32_t seuilminidiff = Seuil_entier(ctx, "SEUILMINIDIFF");
  SeuilsTraits traits;
  traits.SHouL = Seuil_entier(ctx, "SHouL");
  traits.LgMiniQ = Seuil_entier(ctx, "LGMINIQ");
  traits.MargeAngle = Seuil_entier(ctx, "MARGEANGLE");
  con.Log_Efface();
  ListeModeles bib;
  int32_t N = Charge_ou_vide(ctx, bib);
  ListeSymbQuads biqdl;
  Lit_biqdl(ctx, biqdl, "biqdl.dat");
  const IndexTraits index_traits(doc.QuadsTexte);
  ModelesNumerotes modeles = Numerote_modeles(bib, N);

  CasesMasque masque{};  // the mask of the last zone compared
  for (CompConnexe& z : doc.ZonesTexte) {
    Raz_texte(z);
    int16_t etat;
    if (Zone_trop_petite(z)) {
      con.Log_Texte(1, "trop petit");
      con.Repeint();
      Acquitte(con, "caractere trop petit");
      con.Log_Efface();
      etat = ETAT_PROBLEME;
    } else {
      etat = Compare_car(ctx, doc, z, masque, bib, N, seuilmask, seuildiff, seuilminidiff, 1);
      if (Commence_par(Montre_resultat(con, z, etat), 'n')) {
        con.Log_Texte(1, NON_RECONNU);
        std::string reponse = NON_RECONNU;  // the last line logged is the default
        con.Saisie(reponse, "Ajouter a la Base o/n");
        if (Commence_par(reponse, 'o')) {
          auto dernier = bib.empty() ? bib.end() : std::prev(bib.end());
          Ajoute_modele(con, bib, dernier, masque);
          ++N;
          modeles = Numerote_modeles(bib, N);
          if (etat != ETAT_NON_RECONNU) {
            Copie_nom(z.Proche, Nom_texte(z.Caractere));
            z.Taux2 = z.Taux;
          }
          Copie_nom(z.Caractere, Nom_texte(dernier->Nom));
          z.Taux = 0;
          con.Log_Texte(1, "caractere ajoute");
          etat = ETAT_RECONNU;
        } else {
          con.Log_Texte(1, "caractere ignore");
        }
      }
    }
    Acquitte(con, "traitement du suivant...");
    con.Log_Efface();
    z.Etat = etat;
    z.Classe = Classe_nom(Nom_texte(z.Caractere));
    if (z.Etat != ETAT_RECONNU && z.Etat != ETAT_DOUTE_MAJ_MIN)
      Reduit_doute(z, masque, modeles, biqdl, index_traits, traits);
  }

  Dessine_texte(ctx, doc, doc.ZonesTexte, true);
  // Without a model there is nothing to merge: asking the merge for N = 0
  // would load bimdl.dat again and report its failure a second time.
  if (N > 0) Fusionne_modeles(ctx, bib, N);
  Libere_biqdl(biqdl);
}
