// Multiple bonds, lone single bonds and crosses, as symbols of ListeSymboles.
#pragma once

#include <cstdint>

#include "structure/records.h"

struct Contexte;
struct Document;

// Every group of strokes joined by "P" arcs becomes a bond "L%d"; every free
// stroke with no connection becomes a lone bond "L1", or with its "X" partner
// a cross "X2", unless it is a short stroke touching a text zone. Labels the
// strokes (Marque, Marque2) and counts the groups in NumGroupe. Returns 1.
int32_t Analyse_liaisons(Contexte& ctx, Document& doc);

// Depth-first gathering of the free strokes joined to s by "P" arcs into the
// symbol (vertices 2 * nb and 2 * nb + 1 for each, while they fit), labelled
// with etiquette and counted in nb.
void Collecte_P(Document& doc, Quadrilatere* s, uint32_t& nb, Symbole& symbole, uint8_t etiquette);

// The label of a group: NumGroupe's low 8 bits, 1 when they are 0 (0 means free).
uint8_t Etiquette_groupe(int32_t NumGroupe);
