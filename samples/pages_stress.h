// Pages that a scanner produces beside formulas and that load vectorisation
// most: hatching, halftone checkerboards, a dithered grey ramp, dense small
// text, a formula page with a halftone photo, salt-and-pepper noise. Every
// page is drawn from its name and a scale alone (same bytes on every run).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/plan.h"

// echelle multiplies both sides of the page: echelle 2 gives four times the
// area of the same content, echelle 4 sixteen times.
Plan Page_hachures(int32_t pas, int32_t echelle);      // short 45-degree strokes every pas pixels
Plan Page_damier(int32_t cote_case, int32_t echelle);  // checkerboard of cote_case-pixel squares
Plan Page_degrade(int32_t echelle);                    // grey ramp, error-diffusion dithered
Plan Page_texte_dense(int32_t echelle);                // lines of small glyph-like strokes
Plan Page_formules_trame(int32_t echelle);             // formulas left, halftone photo right
Plan Page_bruit(int32_t pour_cent, int32_t echelle);   // formulas with pour_cent % of pixels flipped

struct PageStress {
  std::string Nom;  // what the page shows, e.g. "damier_2px"
  Plan (*Dessine)(int32_t echelle);
};

// Every stress page, at scale 1 a few hundred pixels a side; the hatching at
// pas 12 and scale 4 and the dense text at scale 4 are A4 pages at 300 dpi.
const std::vector<PageStress>& Pages_stress();
