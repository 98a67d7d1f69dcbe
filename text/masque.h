// Sampling a text zone of Plan 1 into a 10 x 8 mask, and showing zones and
// masks on Plan 2.
#pragma once

#include <cstdint>

#include "image/plan.h"
#include "text/cases.h"

struct Document;

// Cuts the box (x1, y1)-(x2, y2) of Plan 1 into 10 x 8 windows and sets a
// cell to 1 when its window holds more than n / seuilmask ink pixels out of
// n. With W = x2 - x1 not a multiple of 8 the column windows are one pixel
// wider than W / 8 and overlap by one pixel, the later ones shifted back so
// that the last ends at x2 - 1; rows likewise with H = y2 - y1 and 10. The
// column x2 and the row y2 are never sampled. Needs W >= 8 and H >= 10; a
// seuilmask below 1 counts as 1.
void Extrait_masque(const Plan& plan1, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                    CasesMasque& masque, int32_t seuilmask);

// Draws the mask on Plan 2 at (x, y), k x k pixels a cell: ink for the cells
// of value 1, background for the others (indifferent ones included).
void Dessine_masque(Plan& plan2, int32_t x, int32_t y, const CasesMasque& masque, int32_t k);

// Clears Plan 2 and copies the box of Plan 1, bounds included, onto it.
void Copie_zone(Document& doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
