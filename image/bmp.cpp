#include "image/bmp.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>

namespace {

constexpr int TAILLE_COULEURS = 8;  // two entries of 4 bytes
constexpr int DEBUT_PIXELS = TAILLE_ENTETE_FICHIER + TAILLE_ENTETE_INFO + TAILLE_COULEURS;

uint16_t Lit16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Lit32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Ecrit16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Ecrit32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void Code_info(const EnteteInfo& i, uint8_t* p) {
  Ecrit32(p, i.Taille);
  Ecrit32(p + 4, static_cast<uint32_t>(i.Largeur));
  Ecrit32(p + 8, static_cast<uint32_t>(i.Hauteur));
  Ecrit16(p + 12, i.Plans);
  Ecrit16(p + 14, i.NbBits);
  Ecrit32(p + 16, i.Compression);
  Ecrit32(p + 20, i.TailleImage);
  Ecrit32(p + 24, static_cast<uint32_t>(i.ResolutionX));
  Ecrit32(p + 28, static_cast<uint32_t>(i.ResolutionY));
  Ecrit32(p + 32, i.NbCouleurs);
  Ecrit32(p + 36, i.NbImportantes);
}

}  // namespace

void Blanchit_cadre(Plan& p) {
  const size_t n = static_cast<size_t>(p.NbOctetsLigne);
  if (p.NbLignes < 1 || n == 0 || p.Pixels.size() < n * static_cast<size_t>(p.NbLignes)) return;
  const size_t debut = std::min(static_cast<size_t>(p.Info.Largeur / 8), n);
  for (int32_t r = 0; r < p.NbLignes; ++r) {
    uint8_t* ligne = p.Pixels.data() + static_cast<size_t>(r) * n;
    std::fill(ligne + debut, ligne + n, 0xFF);
    ligne[0] = 0xFF;
  }
  std::fill_n(p.Pixels.data(), n, 0xFF);
  std::fill_n(p.Pixels.data() + static_cast<size_t>(p.NbLignes - 1) * n, n, 0xFF);
}

bool Lit_entetes(std::istream& flux, EnteteFichier& f, EnteteInfo& i) {
  uint8_t b[TAILLE_ENTETE_FICHIER + TAILLE_ENTETE_INFO];
  if (!flux.read(reinterpret_cast<char*>(b), sizeof b)) return false;
  f.Type = Lit16(b);
  f.Taille = Lit32(b + 2);
  f.Reserve1 = Lit16(b + 6);
  f.Reserve2 = Lit16(b + 8);
  f.Decalage = Lit32(b + 10);
  const uint8_t* p = b + TAILLE_ENTETE_FICHIER;
  i.Taille = Lit32(p);
  i.Largeur = static_cast<int32_t>(Lit32(p + 4));
  i.Hauteur = static_cast<int32_t>(Lit32(p + 8));
  i.Plans = Lit16(p + 12);
  i.NbBits = Lit16(p + 14);
  i.Compression = Lit32(p + 16);
  i.TailleImage = Lit32(p + 20);
  i.ResolutionX = static_cast<int32_t>(Lit32(p + 24));
  i.ResolutionY = static_cast<int32_t>(Lit32(p + 28));
  i.NbCouleurs = Lit32(p + 32);
  i.NbImportantes = Lit32(p + 36);
  return true;
}

ErreurBmp Lit_plan(std::istream& flux, uint64_t taille_flux, const EnteteFichier& f,
                   const EnteteInfo& i, Plan& plan) {
  // Height 0 is the one check of the original reader; the others keep the
  // reads and the frame within the file and the buffers.
  if (i.Hauteur == 0) return ErreurBmp::Erronee;
  if (i.NbBits != 1) return ErreurBmp::NonBinaire;
  if (i.Taille != TAILLE_ENTETE_INFO) return ErreurBmp::Erronee;
  if (i.Hauteur < 0 || i.Hauteur > COTE_MAX) return ErreurBmp::Erronee;  // top-down rows included
  if (i.Largeur <= 0 || i.Largeur > COTE_MAX) return ErreurBmp::Erronee;
  // The pixels run from the offset the header gives to the file size it
  // gives, and must lie within the stream.
  if (f.Decalage < static_cast<uint32_t>(DEBUT_PIXELS) || f.Taille < f.Decalage || f.Taille > taille_flux)
    return ErreurBmp::Erronee;
  const uint64_t taille_pixels = f.Taille - f.Decalage;
  const uint64_t nb_octets = taille_pixels / static_cast<uint64_t>(i.Hauteur);
  if (nb_octets == 0 || nb_octets * 8 > static_cast<uint64_t>(COTE_MAX) ||
      nb_octets * 8 < static_cast<uint64_t>(i.Largeur))
    return ErreurBmp::Erronee;

  Plan p;
  p.Fichier = f;
  p.Info = i;
  p.NbLignes = i.Hauteur;
  p.NbOctetsLigne = static_cast<int32_t>(nb_octets);
  p.Entete.assign(TAILLE_ENTETE_INFO + TAILLE_COULEURS, 0);
  Code_info(i, p.Entete.data());
  if (!flux.read(reinterpret_cast<char*>(p.Entete.data() + TAILLE_ENTETE_INFO), TAILLE_COULEURS))
    return ErreurBmp::Erronee;
  // Whatever lies between the colour table and the pixels is skipped.
  const uint64_t ecart = f.Decalage - DEBUT_PIXELS;
  if (ecart > 0 && !flux.ignore(static_cast<std::streamsize>(ecart))) return ErreurBmp::Erronee;
  p.Pixels.assign(taille_pixels, 0);
  if (!flux.read(reinterpret_cast<char*>(p.Pixels.data()), static_cast<std::streamsize>(taille_pixels)))
    return ErreurBmp::Erronee;
  Blanchit_cadre(p);
  plan = std::move(p);
  return ErreurBmp::Aucune;
}

bool Ecrit_bmp(const Plan& plan, std::ostream& flux) {
  uint8_t b[TAILLE_ENTETE_FICHIER + TAILLE_ENTETE_INFO];
  Ecrit16(b, plan.Fichier.Type);
  Ecrit32(b + 2, plan.Fichier.Taille);
  Ecrit16(b + 6, plan.Fichier.Reserve1);
  Ecrit16(b + 8, plan.Fichier.Reserve2);
  Ecrit32(b + 10, plan.Fichier.Decalage);
  Code_info(plan.Info, b + TAILLE_ENTETE_FICHIER);
  flux.write(reinterpret_cast<const char*>(b), sizeof b);
  if (plan.Entete.size() > TAILLE_ENTETE_INFO)
    flux.write(reinterpret_cast<const char*>(plan.Entete.data() + TAILLE_ENTETE_INFO),
               static_cast<std::streamsize>(plan.Entete.size() - TAILLE_ENTETE_INFO));
  // The pixels go at the offset the header gives, the gap before it zeroed.
  const uint64_t ecrits = TAILLE_ENTETE_FICHIER + std::max<size_t>(plan.Entete.size(), TAILLE_ENTETE_INFO);
  if (plan.Fichier.Decalage > ecrits) flux.write(std::string(plan.Fichier.Decalage - ecrits, '\0').data(),
                                                 static_cast<std::streamsize>(plan.Fichier.Decalage - ecrits));
  flux.write(reinterpret_cast<const char*>(plan.Pixels.data()),
             static_cast<std::streamsize>(plan.Pixels.size()));
  flux.flush();
  return static_cast<bool>(flux);
}

Plan Cree_plan(int32_t largeur, int32_t hauteur) {
  Plan p;
  p.NbOctetsLigne = ((largeur + 31) / 32) * 4;
  p.NbLignes = hauteur;
  const uint32_t taille_pixels = static_cast<uint32_t>(p.NbOctetsLigne) * static_cast<uint32_t>(hauteur);
  p.Fichier.Type = 0x4D42;  // "BM"
  p.Fichier.Decalage = DEBUT_PIXELS;
  p.Fichier.Taille = DEBUT_PIXELS + taille_pixels;
  p.Info.Taille = TAILLE_ENTETE_INFO;
  p.Info.Largeur = largeur;
  p.Info.Hauteur = hauteur;
  p.Info.Plans = 1;
  p.Info.NbBits = 1;
  p.Info.TailleImage = taille_pixels;
  p.Info.ResolutionX = p.Info.ResolutionY = 11811;  // 300 dpi
  p.Info.NbCouleurs = p.Info.NbImportantes = 2;
  p.Entete.assign(TAILLE_ENTETE_INFO + TAILLE_COULEURS, 0);
  Code_info(p.Info, p.Entete.data());
  std::fill_n(p.Entete.data() + TAILLE_ENTETE_INFO + 4, 3, 0xFF);  // entry 1: white
  p.Pixels.assign(taille_pixels, 0xFF);
  return p;
}

Plan Plan_comme(const Plan& modele, uint8_t octet) {
  Plan p;
  p.Fichier = modele.Fichier;
  p.Info = modele.Info;
  p.Entete = modele.Entete;
  p.NbOctetsLigne = modele.NbOctetsLigne;
  p.NbLignes = modele.NbLignes;
  p.Pixels.assign(modele.Pixels.size(), octet);
  return p;
}
