// Painting a scene: antialiased strokes, circles and labels on a grey canvas,
// turned by the scene's rotation, thresholded into a monochrome plane, then
// salted with the scene's noise; and the ground truth of what was painted.
#pragma once

#include <string>

#include "image/plan.h"
#include "outils/formules/scene.h"
#include "outils/formules/verite.h"

struct Dessin {
  Plan Image;
  Verite V;
};

// The drawing of the scene. Needs the application of Demarre_rendu; false
// with the cause in erreur when a font file cannot be loaded.
bool Dessine(const Scene& s, Dessin& d, std::string& erreur);

// Writes repertoire/NAME.bmp and repertoire/NAME.verite.
bool Ecrit_dessin(const Dessin& d, const std::string& repertoire, const std::string& nom,
                  std::string& erreur);
