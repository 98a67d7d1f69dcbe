// Scan formats for vrix-batch, through Leptonica when the program is built
// with it: TIFF (every page), PNG, JPEG, PNM and BMP of any depth, read from
// the bytes of a file. A 1-bit page is taken as it is (Leptonica's 1 is ink);
// a grey or colour page is turned grey (luminance, transparency over white)
// and binarised. What the decoders underneath write on standard error is
// kept off it and added to the reason of a refusal. Without Leptonica every
// image is refused with the reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "batch/binarisation.h"
#include "image/plan.h"

// Most pages counted in one TIFF file.
constexpr int32_t PAGES_MAX = 100000;

// True when the program was built with Leptonica.
bool Lecture_images_disponible();

struct Image_lue {
  Plan Plan1;               // the headers of a 1-bit BMP of its size and resolution; frame not whitened
  int32_t Resolution = 0;   // dpi stored in the file, 0 when none
  int32_t Profondeur = 0;   // bits per pixel of the page as decoded
  bool Binarisee = false;   // grey or colour: the ink was found by binarisation
  std::string Format;       // "TIFF", "PNG", "JPEG", "PNM" or "BMP"
};

// The number of pages of the image: 1, or for a TIFF file its pages (at most
// PAGES_MAX). 0, with the reason, when the bytes are not an image read here.
int32_t Compte_pages(const uint8_t* octets, size_t taille, std::string& raison);

// Reads page `page` (from 1) into lue. False, with the reason, when it cannot
// be read, or when a side is larger than cote_max (checked on the file's
// header before the pixels are decoded).
bool Lit_image(const uint8_t* octets, size_t taille, int32_t page, const Reglage_binarisation& reglage,
               int32_t cote_max, Image_lue& lue, std::string& raison);
