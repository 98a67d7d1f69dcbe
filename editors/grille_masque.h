// The mask grid of the mask editor: 80 cells in 10 rows of 8, each 45 x 45
// pixels on the editor's image, cycling background -> ink -> indifferent ->
// background, with a limit on the number of indifferent cells.
#pragma once

#include <cstdint>

#include "text/cases.h"

// One cell: its square on the image (pixels) and its state.
struct Case {
  int32_t Gauche = 0, Haut = 0, Largeur = 0, Hauteur = 0;
  uint8_t EtatCase = 0;  // 0 background, 1 ink, 2 indifferent
};

constexpr int32_t COTE_CASE = 45;
constexpr int32_t MARGE_GRILLE = 10;  // top-left of cell 0
constexpr int32_t BORD_CASE = 4;      // frame lines per side, shared with the neighbours

struct GrilleMasque {
  GrilleMasque();

  Case Cases[NB_CASES];  // cell k = 8 r + c at (10 + 45 c, 10 + 45 r)
  int32_t NbIndiff = 0;  // cells in state 2
};

// Advances cell k (0 -> 1 -> 2 -> 0); while the indifferent cells are more
// than the limit and cell k is indifferent, advances it again. So at the
// limit an ink cell becomes background instead, and a grid already over the
// limit (a mask shown as it is) never gains one. A k outside 0..79 does nothing.
void Clique_case(GrilleMasque& g, int k, int32_t LimiteIndiff);

// Shows the mask: NbIndiff := its indifferent cells, every cell takes the
// mask's value (a value above 2 shows as indifferent).
void Affiche_masque(GrilleMasque& g, const CasesMasque& masque);

// The mask of the grid: cell k := EtatCase of cell k.
void Lit_grille(const GrilleMasque& g, CasesMasque& masque);

// Every cell back to background; NbIndiff := 0.
void Efface_grille(GrilleMasque& g);

// The cell whose square [x, x + 45) x [y, y + 45) holds the point of the
// image, or -1 outside the grid.
int Case_sous(const GrilleMasque& g, int32_t x, int32_t y);
