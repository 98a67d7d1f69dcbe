// Random sets of labelled formulas for measuring the reading of labels:
// rings, fused rings, heterocycles and chains carrying substituent labels
// in varied texts, fonts, sizes and thicknesses, all drawn from one seed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "outils/formules/scene.h"

enum class Style_jeu {
  Propre,   // the samples' scale: bonds 80 to 95 pixels, strokes 3 to 5, capitals 24 to 40
  Degrade,  // the same, turned up to 2 degrees, thickness jitter, salt noise
  Reel      // the patent crops' scale: bonds about 66 pixels, strokes 2 to 4, capitals 16 to 26, noise
};

// The style of a name ("propre", "degrade", "reel"); false when unknown.
bool Lit_style(const std::string& nom, Style_jeu& style);

// n scenes named PREFIX_0000, PREFIX_0001...: the same seed and style give
// the same scenes on every machine.
std::vector<Scene> Jeu_formules(uint32_t graine, int n, Style_jeu style, const std::string& prefixe);
