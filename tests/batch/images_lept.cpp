#include "images_lept.h"

#ifdef VRIX_LEPTONICA

#include <algorithm>
#include <fstream>

#include "image/bmp.h"

Pix_test Pix_echantillon(const std::string& bmp) {
  std::ifstream flux(bmp, std::ios::binary);
  EnteteFichier f;
  EnteteInfo i;
  Plan p;
  if (!Lit_entetes(flux, f, i)) return nullptr;
  flux.seekg(0, std::ios::end);
  const auto taille = static_cast<uint64_t>(flux.tellg());
  flux.seekg(TAILLE_ENTETE_FICHIER + TAILLE_ENTETE_INFO);
  if (Lit_plan(flux, taille, f, i, p) != ErreurBmp::Aucune) return nullptr;
  Pix_test pix(pixCreate(i.Largeur, i.Hauteur, 1));
  for (int32_t y = 0; y < i.Hauteur; ++y)
    for (int32_t x = 0; x < i.Largeur; ++x) {
      const uint8_t octet = p.Pixels[static_cast<size_t>(i.Hauteur - 1 - y) * p.NbOctetsLigne + (x >> 3)];
      if (((octet >> (7 - (x & 7))) & 1) == 0) pixSetPixel(pix.get(), x, y, 1);
    }
  return pix;
}

Pix_test Pix_grise(PIX* un_bit, int contraste, int fond, int pente, int bruit) {
  const l_int32 l = pixGetWidth(un_bit), h = pixGetHeight(un_bit);
  Pix_test g(pixCreate(l, h, 8));
  for (l_int32 y = 0; y < h; ++y)
    for (l_int32 x = 0; x < l; ++x) {
      l_uint32 v = 0;
      pixGetPixel(un_bit, x, y, &v);
      const int f = fond - pente * x / std::max(l - 1, 1);
      pixSetPixel(g.get(), x, y, static_cast<l_uint32>(std::max(v ? f - contraste : f, 0)));
    }
  Pix_test doux(pixBlockconv(g.get(), 1, 1));
  uint32_t graine = 2024;
  for (l_int32 y = 0; y < h; ++y)
    for (l_int32 x = 0; x < l; ++x) {
      graine = graine * 1103515245u + 12345u;
      const int d = bruit == 0 ? 0 : static_cast<int>((graine >> 16) % static_cast<uint32_t>(2 * bruit + 1)) - bruit;
      l_uint32 v = 0;
      pixGetPixel(doux.get(), x, y, &v);
      pixSetPixel(doux.get(), x, y, static_cast<l_uint32>(std::clamp(static_cast<int>(v) + d, 0, 255)));
    }
  return doux;
}

#endif
