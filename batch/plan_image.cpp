#include "batch/plan_image.h"

#include "image/bmp.h"

namespace {

// A 32-bit little-endian field of the info header copy kept in Entete.
void Ecrit32(std::vector<uint8_t>& octets, size_t position, uint32_t v) {
  for (int i = 0; i < 4; ++i) octets[position + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A blank plane of that size, its headers holding the resolution.
Plan Plan_vierge(int32_t largeur, int32_t hauteur, int32_t dpi) {
  Plan p = Cree_plan(largeur, hauteur);
  if (dpi > 0) {
    // 1 inch = 0.0254 m, rounded to the nearest pixel per metre.
    const auto par_metre = static_cast<int32_t>((static_cast<int64_t>(dpi) * 10000 + 127) / 254);
    p.Info.ResolutionX = p.Info.ResolutionY = par_metre;
    Ecrit32(p.Entete, 24, static_cast<uint32_t>(par_metre));
    Ecrit32(p.Entete, 28, static_cast<uint32_t>(par_metre));
  }
  return p;
}

}  // namespace

Plan Plan_image(int32_t largeur, int32_t hauteur, const std::vector<uint8_t>& encre, int32_t dpi) {
  Plan p = Plan_vierge(largeur, hauteur, dpi);
  const size_t n = static_cast<size_t>(p.NbOctetsLigne);
  for (int32_t y = 0; y < hauteur; ++y) {
    // Image row y (from the top) is stored row hauteur - 1 - y.
    uint8_t* ligne = p.Pixels.data() + static_cast<size_t>(hauteur - 1 - y) * n;
    const uint8_t* e = encre.data() + static_cast<size_t>(y) * static_cast<size_t>(largeur);
    for (int32_t x = 0; x < largeur; ++x)
      if (e[x] != 0) ligne[x >> 3] = static_cast<uint8_t>(ligne[x >> 3] & ~(0x80u >> (x & 7)));
  }
  return p;
}

Plan Plan_bits(int32_t largeur, int32_t hauteur, const std::vector<uint8_t>& bits, int32_t dpi) {
  Plan p = Plan_vierge(largeur, hauteur, dpi);
  const size_t n = static_cast<size_t>(p.NbOctetsLigne), utiles = (static_cast<size_t>(largeur) + 7) / 8;
  // Ink is bit 0 in the plane; the bits past the width stay background.
  const auto reste = static_cast<uint8_t>(largeur % 8 == 0 ? 0 : 0xFF >> (largeur % 8));
  for (int32_t y = 0; y < hauteur; ++y) {
    uint8_t* ligne = p.Pixels.data() + static_cast<size_t>(hauteur - 1 - y) * n;
    const uint8_t* b = bits.data() + static_cast<size_t>(y) * utiles;
    for (size_t i = 0; i < utiles; ++i) ligne[i] = static_cast<uint8_t>(~b[i]);
    ligne[utiles - 1] |= reste;
  }
  return p;
}
