#include "text/police.h"

#include <filesystem>
#include <fstream>
#include <istream>
#include <system_error>

#include "console/console.h"
#include "console/contexte.h"
#include "text/ecriture_sure.h"
#include "text/octets.h"

namespace {

template <class Liste>
std::string Code_noms_masques(const Liste& liste, int32_t N, bool modeles) {
  const int32_t n = std::clamp<int64_t>(N, 0, static_cast<int64_t>(liste.size()));
  std::string octets;
  octets.reserve(8 + static_cast<size_t>(n) * TAILLE_MODELE);
  Ajoute_int32(octets, n);
  if (modeles) Ajoute_int32(octets, 0);  // NbTraitements
  auto e = liste.begin();
  for (int32_t k = 0; k < n; ++k, ++e) {
    char nom[LG_NOM];
    Copie_nom(nom, Nom_texte(e->Nom));
    octets.append(nom, LG_NOM);
    if (modeles) Ajoute_int32(octets, 0);  // Utilisation
    octets.append(reinterpret_cast<const char*>(e->Masque.data()), NB_CASES);
  }
  return octets;
}

}  // namespace

LecturePolice Lit_police(std::istream& flux, ListePolice& police) {
  int32_t n = 0;
  if (!Lit_int32(flux, n)) return LecturePolice::Probleme;
  if (n < 1) return LecturePolice::Vide;
  ListePolice lus;
  for (int32_t k = 0; k < n; ++k) {
    Glyphe g;
    if (!Lit_nom(flux, g.Nom) || !flux.read(reinterpret_cast<char*>(g.Masque.data()), NB_CASES))
      return LecturePolice::Probleme;
    lus.push_back(g);
  }
  if (!Fin_flux(flux)) return LecturePolice::Probleme;
  police = std::move(lus);
  return LecturePolice::Lue;
}

std::string Code_police(const ListePolice& police, int32_t N) { return Code_noms_masques(police, N, false); }

int32_t Charge_police(Contexte& ctx, ListePolice& police, const std::string& nom) {
  std::ifstream flux(ctx.Chemin(nom), std::ios::binary);
  if (!flux) {
    ctx.Con.Erreur_Box("Ouverture Police de Caractere impossible!");
    return -1;
  }
  switch (Lit_police(flux, police)) {
    case LecturePolice::Lue:
      return static_cast<int32_t>(police.size());
    case LecturePolice::Vide:
      ctx.Con.Erreur_Box("Police de Caractere Vide!");
      return -1;
    case LecturePolice::Probleme:
      break;
  }
  ctx.Con.Erreur_Box("Probleme Lecture Police de Caractere!");
  return -1;
}

bool Sauve_police(Contexte& ctx, const ListePolice& police, int32_t N, const std::string& nom) {
  if (Remplace_fichier(ctx.Chemin(nom), Code_police(police, N))) return true;
  ctx.Con.Erreur_Box("Sauvegarde Police de Caractere impossible!");
  return false;
}

bool Police_vers_modeles(Contexte& ctx, int32_t N, const ListePolice& police, const std::string& nom) {
  if (Remplace_fichier(ctx.Chemin(nom), Code_noms_masques(police, N, true))) return true;
  ctx.Con.Erreur_Box("conversion Police -> models impossible!");
  return false;
}

bool Modeles_vers_police(Contexte& ctx, int32_t N, const ListeModeles& liste, const std::string& nom) {
  if (Remplace_fichier(ctx.Chemin(nom), Code_noms_masques(liste, N, false))) return true;
  ctx.Con.Erreur_Box("Conversion Models -> Police de Caractere impossible!");
  return false;
}

void Efface_fichier(Contexte& ctx, const std::string& nom) {
  std::error_code ec;
  std::filesystem::remove(ctx.Chemin(nom), ec);
}

int32_t Charge_police_initiale(Contexte& ctx) {
  ctx.NbGlyphes = Charge_police(ctx, ctx.Police, "police.dat");
  return ctx.NbGlyphes;
}

void Libere_police_finale(Contexte& ctx) {
  Libere_police(ctx.Police);
  ctx.NbGlyphes = 0;
}
