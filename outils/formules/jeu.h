// Random sets of labelled formulas for measuring the reading of labels:
// rings, fused rings, heterocycles and chains carrying substituent labels
// in varied texts, fonts, sizes and thicknesses, all drawn from one seed.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "outils/formules/alea.h"
#include "outils/formules/scene.h"

enum class Style_jeu {
  Propre,   // the samples' scale: bonds 80 to 95 pixels, strokes 3 to 5, capitals 24 to 40
  Degrade,  // the same, turned up to 2 degrees, thickness jitter, salt noise
  Reel      // the patent crops' scale: bonds about 66 pixels, strokes 2 to 4, capitals 16 to 26, noise
};

// The ranges a style draws a drawing's sizes from.
struct Echelle {
  double Liaison0, Liaison1;  // bond length range, pixels
  double Epaisseur0, Epaisseur1;
  double Hauteur0, Hauteur1;  // capital height range
  bool Degrade;
  double Bruit0, Bruit1;
  double Rotation;
  std::vector<Police> Polices;
};

Echelle Echelle_de(Style_jeu style);

// Draws from a seed, as the sets use them.
class Tirage {
 public:
  explicit Tirage(uint32_t graine) : a(graine) {}
  double Entre(double x0, double x1) { return x0 + (x1 - x0) * a.Uniforme(); }
  int Entier(int n) { return std::min(n - 1, static_cast<int>(a.Uniforme() * n)); }
  bool Pile(double p) { return a.Uniforme() < p; }
  uint32_t Graine() { return 1 + static_cast<uint32_t>(a.Uniforme() * 1000000.0); }

 private:
  Alea a;
};

// Moves the atoms so that the drawing has room for the longest label on every
// side, sizes the scene to them, and draws its degradations when the style
// has some.
void Cadre_et_degrade(Scene& s, double hauteur, const Echelle& e, Tirage& t);

// The style of a name ("propre", "degrade", "reel"); false when unknown.
bool Lit_style(const std::string& nom, Style_jeu& style);

// n scenes named PREFIX_0000, PREFIX_0001...: the same seed and style give
// the same scenes on every machine.
std::vector<Scene> Jeu_formules(uint32_t graine, int n, Style_jeu style, const std::string& prefixe);
