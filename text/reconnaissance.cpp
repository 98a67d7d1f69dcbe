#include "text/reconnaissance.h"

#include <cmath>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "display/dessine_texte.h"
#include "image/document.h"
#include "text/analyse_texte.h"
#include "text/compare_car.h"
#include "text/decoupe_zone.h"
#include "text/detecte_chiffres.h"
#include "text/reduit_doute.h"
#include "text/regroupe_zones.h"
#include "text/relie_zones.h"
#include "text/symboles_bib.h"

namespace {

// The stages a step runs, and its splitting threshold.
struct Stades {
  bool Decoupe, Reduction, Regroupement, Chiffres, Analyse, Liaison;
  const char* SeuilDecoupe;
};

Stades Stades_de(Etape_texte etape) {
  switch (etape) {
    case Etape_texte::Pure: return {false, false, false, false, false, false, nullptr};
    case Etape_texte::Decoupe: return {true, false, false, false, false, false, "SEUILDECOUPE"};
    case Etape_texte::Reduction: return {true, true, false, false, false, false, "SEUILDECOUPS"};
    case Etape_texte::Regroupement: return {true, true, true, false, false, false, "SEUILDECOUPS"};
    case Etape_texte::Chiffres: return {true, true, true, true, false, false, "SEUILDECOUPS"};
    case Etape_texte::Analyse: return {true, true, true, true, true, false, "SEUILDECOUPE"};
    case Etape_texte::Complete: break;
  }
  return {true, true, true, true, true, true, "SEUILDECOUPE"};
}

// Thresholds are truncated toward zero; absurd values are kept in range.
int32_t Entier(double valeur) {
  if (!(valeur > -1e9)) return -1000000000;
  if (valeur > 1e9) return 1000000000;
  return static_cast<int32_t>(std::trunc(valeur));
}

int32_t Seuil(const Contexte& ctx, const char* nom) { return Entier(Parametre(ctx, nom)); }

}  // namespace

void Reconnait_texte(Contexte& ctx, Document& doc, Etape_texte etape) {
  const Stades stades = Stades_de(etape);
  ListeCC& zones = doc.ZonesTexte;
  doc.NbZones = 0;

  SeuilsComparaison comparaison;
  comparaison.Masque = Seuil(ctx, "SEUILMASK");
  if (comparaison.Masque < 1) comparaison.Masque = 1;  // it divides
  comparaison.Diff = Seuil(ctx, "SEUILDIFF");
  comparaison.MiniDiff = Seuil(ctx, "SEUILMINIDIFF");
  SeuilsTraits traits;
  if (stades.Reduction) {
    traits.SHouL = Seuil(ctx, "SHouL");
    traits.LgMiniQ = Seuil(ctx, "LGMINIQ");
    traits.MargeAngle = Seuil(ctx, "MARGEANGLE");
  }
  const int32_t seuil_decoupe = stades.Decoupe ? Seuil(ctx, stades.SeuilDecoupe) : 0;
  ctx.Con.Log_Efface();

  ListeModeles bib;
  const int32_t N = Lit_modeles(ctx, bib, "bimdl.dat");
  if (N < 1) return;
  ListeSymbQuads biqdl;
  if (stades.Reduction) Lit_biqdl(ctx, biqdl, "biqdl.dat");
  const ModelesNumerotes modeles = Numerote_modeles(bib, N);
  const ListeQuads aucun_trait;
  const IndexTraits index_traits(stades.Reduction ? doc.QuadsTexte : aucun_trait);

  CasesMasque masque{};  // the mask of the last zone compared as a whole
  int64_t comptees = 0, somme_largeurs = 0, somme_hauteurs = 0;
  for (auto z = zones.begin(); z != zones.end(); ++z) {
    Raz_texte(*z);
    const int64_t largeur = static_cast<int64_t>(z->xmax) - z->xmin, hauteur = static_cast<int64_t>(z->ymax) - z->ymin;
    int16_t etat = ETAT_PROBLEME;
    if (largeur > 8 && hauteur > 10) {
      etat = Compare_car(ctx, doc, *z, masque, bib, N, comparaison.Masque, comparaison.Diff, comparaison.MiniDiff, 0);
      ctx.Con.Log_Efface();
      if (etat != ETAT_NON_RECONNU) {
        ++comptees;
        somme_largeurs += largeur;
        somme_hauteurs += hauteur;
      }
    }
    z->Etat = etat;
    z->Classe = Classe_nom(Nom_texte(z->Caractere));
    if (stades.Decoupe && z->Etat == ETAT_NON_RECONNU)
      Decoupe_zone(ctx, doc, zones, z, bib, N, comparaison, seuil_decoupe);
    if (stades.Reduction && z->Etat != ETAT_RECONNU && z->Etat != ETAT_DOUTE_MAJ_MIN)
      Reduit_doute(*z, masque, modeles, biqdl, index_traits, traits);
  }
  const auto moyenne_largeur = static_cast<int32_t>(comptees == 0 ? 0 : somme_largeurs / comptees);
  const auto moyenne_hauteur = static_cast<int32_t>(comptees == 0 ? 0 : somme_hauteurs / comptees);

  if (!zones.empty() && stades.Regroupement) {
    doc.NbZones = Regroupe_zones(zones, moyenne_largeur, moyenne_hauteur);
    if (stades.Chiffres) Detecte_chiffres(zones);
    if (stades.Analyse) {
      ListeSymbSimples simples;
      ListeSymbComplexes complexes;
      Lit_simples(ctx, simples, "SymbSimplex.dat");
      Lit_complexes(ctx, complexes, "SymbCplx.dat");
      Analyse_texte(zones, simples, complexes);
    }
    if (stades.Liaison) Relie_zones(zones, doc.NbZones);
  }
  Dessine_texte(ctx, doc, zones, true);
}
