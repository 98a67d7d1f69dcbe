// Reading and writing 1-bit BMP files (14-byte file header, 40-byte info
// header, two-entry colour table, bottom-up rows).
#pragma once

#include <cstdint>
#include <iosfwd>

#include "image/plan.h"

// Largest width or height accepted: later stages compare squared distances
// as unsigned 32-bit values.
constexpr int32_t COTE_MAX = 16384;

enum class ErreurBmp { Aucune, Erronee, NonBinaire };

// Reads the two headers; false when the 54 bytes are not there.
bool Lit_entetes(std::istream& flux, EnteteFichier& fichier, EnteteInfo& info);

// Checks the headers against the stream's length (the pixels, from the offset
// the file header gives up to the file size it gives, must lie within it),
// then reads the colour table and the pixels into the plane and whitens its
// frame. On failure the plane is left untouched.
ErreurBmp Lit_plan(std::istream& flux, uint64_t taille_flux, const EnteteFichier& fichier,
                   const EnteteInfo& info, Plan& plan);

// Whitens the first byte and the bytes from width / 8 on of every row, and
// the first and last stored rows. A plane without all its rows of pixels is
// left as it is.
void Blanchit_cadre(Plan& plan);

// Writes the file header, the info header, the colour table and the pixels
// at the offset the file header gives (zeros in between).
bool Ecrit_bmp(const Plan& plan, std::ostream& flux);

// A blank plane (all background) of the given size with the headers a 1-bit
// BMP of that size would have.
Plan Cree_plan(int32_t largeur, int32_t hauteur);

// A plane of the same headers and size as the model, every byte set to octet.
Plan Plan_comme(const Plan& modele, uint8_t octet);
