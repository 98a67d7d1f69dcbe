// Greyscale to ink for vrix-batch: one threshold for the whole page chosen by
// Otsu's criterion, or one per pixel from the mean and the deviation of the
// grey levels in a window around it (Sauvola), for pages of uneven background.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class Methode_binarisation { Otsu, Sauvola };

struct Reglage_binarisation {
  Methode_binarisation Methode = Methode_binarisation::Otsu;
  int32_t Fenetre = 31;  // Sauvola: side of the square window, in pixels, odd, 3 to 1001
  double K = 0.34;       // Sauvola: weight of the deviation, 0 to 1
};

// A grey image, one byte a pixel from 0 (black) to 255 (white), rows from
// the top.
struct Image_grise {
  int32_t Largeur = 0;
  int32_t Hauteur = 0;
  std::vector<uint8_t> Gris;  // Largeur * Hauteur bytes
};

// "otsu", "sauvola", or "sauvola,W,K" (W the window, K the weight). False
// when the text is none of them or a value is out of its range.
bool Lit_reglage_binarisation(const std::string& texte, Reglage_binarisation& reglage);

// "otsu" or "sauvola,W,K" with the values used.
std::string Nom_reglage(const Reglage_binarisation& reglage);

// The level that best splits the histogram in two classes (largest variance
// between them; the lowest such level on a tie). Levels up to it are ink.
// 0 for an empty image.
uint8_t Seuil_otsu(const Image_grise& image);

// One byte a pixel, rows from the top: 1 for ink, 0 for background. With
// Sauvola a pixel is ink when its level is at most m * (1 + K * (s / 128 - 1)),
// m and s the mean and standard deviation over the window centred on it (cut
// by the image's edges).
std::vector<uint8_t> Binarise(const Image_grise& image, const Reglage_binarisation& reglage);
