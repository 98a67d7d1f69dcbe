// Drawing the recognised text on Plan 2: each zone's character written with
// the font of the run over the zone, and the box of every doubtful zone.
#pragma once

#include "vecto/records.h"

struct Contexte;
struct Document;

// With efface, Plan 2 is cleared first. Recognised zones (Etat 1 or 2) get
// their Caractere at (xmin + 2, ymin + 2), scale 4; doubtful ones (3, 4, 5)
// their box outline, then the same text over it; the others the outline only.
void Dessine_texte(Contexte& ctx, Document& doc, const ListeCC& zones, bool efface);
