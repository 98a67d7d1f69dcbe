// What the structure stages draw and show in step mode.
#pragma once

#include <cstdint>

#include "vecto/records.h"

struct Contexte;
struct Document;

// Draws a stroke's axis (end 1 to end 2) on Plan 2, then the same shifted by (+1, +1).
void Trace_axe_double(Document& doc, const Quadrilatere& q);
// Shows Plan 2 from (max(x, 151) - 150, max(y, 151) - 150).
void Montre_pres_de(Contexte& ctx, Extremite e);
