// One monochrome image plane: the BMP headers as read, the colour table and
// the bottom-up rows, 8 pixels a byte, most significant bit leftmost.
// A bit 0 is ink and a bit 1 background, whatever the colour table says.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// BMP file header, 14 bytes on disk, little-endian.
struct EnteteFichier {
  uint16_t Type = 0;
  uint32_t Taille = 0;    // file size in bytes
  uint16_t Reserve1 = 0;
  uint16_t Reserve2 = 0;
  uint32_t Decalage = 0;  // offset of the pixel data from the start of the file
};

// BMP info header, 40 bytes on disk, little-endian.
struct EnteteInfo {
  uint32_t Taille = 0;  // size of this header
  int32_t Largeur = 0;  // width in pixels
  int32_t Hauteur = 0;  // height in rows
  uint16_t Plans = 0;
  uint16_t NbBits = 0;  // bits per pixel
  uint32_t Compression = 0;
  uint32_t TailleImage = 0;
  int32_t ResolutionX = 0;  // pixels per metre
  int32_t ResolutionY = 0;
  uint32_t NbCouleurs = 0;
  uint32_t NbImportantes = 0;
};

constexpr int TAILLE_ENTETE_FICHIER = 14;
constexpr int TAILLE_ENTETE_INFO = 40;

struct Plan {
  EnteteFichier Fichier;
  EnteteInfo Info;
  std::vector<uint8_t> Entete;  // info header then colour table: the bitmap description for the display
  std::vector<uint8_t> Pixels;  // file size - pixel data offset bytes; stored row 0 is the bottom row
  int32_t NbOctetsLigne = 0;    // bytes per stored row
  int32_t NbLignes = 0;         // stored rows (the info header's height)

  Plan() = default;
  Plan(Plan&&) = default;
  Plan& operator=(Plan&&) = default;
  // A plane is big: it is copied only where a stage means it, through Copie().
  Plan(const Plan&) = delete;
  Plan& operator=(const Plan&) = delete;
  Plan Copie() const;

  int32_t Largeur_px() const { return 8 * NbOctetsLigne; }
};

// Pixel (x, y), x from the left and y from the top (the top row is y = 1),
// lives in stored row NbLignes - y. Column 0 and stored row 0 are never reached.
inline bool Adressable(int32_t x, int32_t y, const Plan& p) {
  return x >= 1 && y >= 1 && x < 8 * p.NbOctetsLigne && y < p.NbLignes;
}

inline size_t Index_octet(int32_t x, int32_t y, const Plan& p) {
  return static_cast<size_t>(p.NbLignes - y) * static_cast<size_t>(p.NbOctetsLigne) +
         static_cast<size_t>(x >> 3);
}

// 1 for ink, 0 for background; 0 outside the addressable range.
inline int Lit_pixel(int32_t x, int32_t y, const Plan& p) {
  if (!Adressable(x, y, p)) return 0;
  return ((p.Pixels[Index_octet(x, y, p)] >> (7 - (x & 7))) & 1) ? 0 : 1;
}

// Value 1 writes ink, any other value background. Returns -1 without writing
// outside the addressable range, else 0.
inline int Ecrit_pixel(int32_t x, int32_t y, int valeur, Plan& p) {
  if (!Adressable(x, y, p)) return -1;
  uint8_t& octet = p.Pixels[Index_octet(x, y, p)];
  const uint8_t masque = static_cast<uint8_t>(0x80u >> (x & 7));
  if (valeur == 1)
    octet = static_cast<uint8_t>(octet & ~masque);
  else
    octet = static_cast<uint8_t>(octet | masque);
  return 0;
}
