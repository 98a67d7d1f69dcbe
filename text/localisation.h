// Character localisation: short strokes grouped by proximity, hatching
// dropped, and the small components holding them taken as text zones.
#pragma once

#include <cstdint>

#include "text/regroupe_quads.h"
#include "text/selection_cc.h"

struct Contexte;
struct Document;

// The whole localisation on the document's lists. Returns 0 at once, after
// clearing the log, when NbQuads is 0; otherwise 1.
int Localise_car(Contexte& ctx, Document& doc);

// Drops the separators at the head of the quadrilateral list and shortens
// every run of separators to its first one, NbQuads following. Returns 0.
int32_t Purge_separateurs(Document& doc);
