#include "text/reduit_doute.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "text/compare_car.h"
#include "text/traits_zone.h"

namespace {

constexpr int PREMIERE_COLONNE_PROFIL = 4;

const Modele* Modele_numero(const ModelesNumerotes& modeles, int16_t numero) {
  if (numero < 1 || static_cast<size_t>(numero) > modeles.size()) return nullptr;
  return modeles[static_cast<size_t>(numero) - 1];
}

int32_t Ecart_profils(const ProfilMasque& a, const ProfilMasque& b) {
  int32_t d = 0;
  for (int r = 0; r < NB_LIGNES_MASQUE; ++r) d += std::abs(a[r] - b[r]);
  return d;
}

// Swaps the choices when the second model's profile is nearer the zone's.
void Test_profil(CompConnexe& zone, const CasesMasque& masque, const ModelesNumerotes& modeles) {
  const Modele* meilleur = Modele_numero(modeles, zone.NumModele);
  const Modele* second = Modele_numero(modeles, zone.NumProche);
  if (meilleur == nullptr || second == nullptr) return;
  const ProfilMasque p = Profil_masque(masque);
  const int32_t d1 = Ecart_profils(p, Profil_masque(meilleur->Masque));
  const int32_t d2 = Ecart_profils(p, Profil_masque(second->Masque));
  if (d2 < d1) {
    Echange_choix(zone);
    zone.Etat = ETAT_DOUTE_REDUIT;
  }
}

bool Une_ecriture_trouvee(const std::vector<SymbQuad>& ecritures, const CompteTraits& c) {
  return std::any_of(ecritures.begin(), ecritures.end(), [&](const SymbQuad& e) { return Ecriture_trouvee(e, c); });
}

// The character is confirmed by its strokes, or else its second choice is,
// and then taken.
void Test_traits(CompConnexe& zone, const ListeSymbQuads& biqdl, const IndexTraits& traits,
                 const SeuilsTraits& seuils) {
  std::optional<CompteTraits> compte;
  const auto compte_traits = [&]() -> const CompteTraits& {
    if (!compte) {
      const ListeQuads dedans = traits.Dans_boite(zone.xmin, zone.ymin, zone.xmax, zone.ymax);
      compte = Compte_traits(dedans, zone.xmin, zone.ymin, zone.xmax, zone.ymax, seuils.SHouL, seuils.LgMiniQ,
                             seuils.MargeAngle);
    }
    return *compte;
  };
  const std::string_view caractere = Nom_texte(zone.Caractere);
  if (zone.Classe != -1 && caractere.size() == 1) {
    const std::vector<SymbQuad> ecritures = Ecritures_biqdl(biqdl, caractere[0]);
    if (ecritures.empty()) return;
    if (Une_ecriture_trouvee(ecritures, compte_traits())) {
      zone.Etat = ETAT_DOUTE_REDUIT;
      return;
    }
  }
  const std::string_view proche = Nom_texte(zone.Proche);
  if (proche.size() != 1) return;
  const std::vector<SymbQuad> ecritures = Ecritures_biqdl(biqdl, proche[0]);
  if (!ecritures.empty() && Une_ecriture_trouvee(ecritures, compte_traits())) {
    Echange_choix(zone);
    zone.Etat = ETAT_DOUTE_REDUIT;
  }
}

}  // namespace

ProfilMasque Profil_masque(const CasesMasque& masque) {
  ProfilMasque p{};
  for (int r = 0; r < NB_LIGNES_MASQUE; ++r) {
    bool dans_trait = false;
    for (int c = PREMIERE_COLONNE_PROFIL; c < NB_COLONNES_MASQUE; ++c) {
      const bool encre = masque[r * NB_COLONNES_MASQUE + c] == 1;
      if (encre && !dans_trait) ++p[r];
      dans_trait = encre;
    }
  }
  return p;
}

IndexTraits::IndexTraits(const ListeQuads& quads) {
  entrees.reserve(quads.size());
  for (const Quadrilatere& q : quads) entrees.push_back({std::min({q.x1, q.x2, q.x3, q.x4}), &q});
  std::stable_sort(entrees.begin(), entrees.end(),
                   [](const Entree& a, const Entree& b) { return a.Gauche < b.Gauche; });
}

ListeQuads IndexTraits::Dans_boite(int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax) const {
  const auto dedans = [&](int32_t x, int32_t y) { return xmin <= x && x <= xmax && ymin <= y && y <= ymax; };
  ListeQuads liste;
  auto e = std::lower_bound(entrees.begin(), entrees.end(), xmin,
                            [](const Entree& a, int32_t x) { return a.Gauche < x; });
  for (; e != entrees.end() && e->Gauche <= xmax; ++e) {
    const Quadrilatere& q = *e->Quad;
    if (dedans(q.x1, q.y1) && dedans(q.x2, q.y2) && dedans(q.x3, q.y3) && dedans(q.x4, q.y4)) liste.push_back(q);
  }
  return liste;
}

ModelesNumerotes Numerote_modeles(const ListeModeles& bib, int32_t N) {
  ModelesNumerotes modeles;
  for (const Modele& m : bib) {
    if (static_cast<int64_t>(modeles.size()) >= N) break;
    modeles.push_back(&m);
  }
  return modeles;
}

void Reduit_doute(CompConnexe& zone, const CasesMasque& masque, const ModelesNumerotes& modeles,
                  const ListeSymbQuads& biqdl, const IndexTraits& traits, const SeuilsTraits& seuils) {
  if (zone.Etat == ETAT_RECONNU || zone.Etat == ETAT_DOUTE_MAJ_MIN) return;
  Test_profil(zone, masque, modeles);
  Test_traits(zone, biqdl, traits, seuils);
  if (zone.Etat == ETAT_NON_RECONNU) {
    Echange_choix(zone);
    zone.Etat = ETAT_DOUTE_IMPORTANT;
  }
}
