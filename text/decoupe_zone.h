// Splitting a text zone that holds two touching characters. Reads the
// zone's box on Plan 1: the left part runs from the zone's left edge over as
// many single-run columns after a gap as before it, the right part starts at
// the first later column holding enough ink. Both parts are compared; when
// both are recognised they replace the zone in the list.
#pragma once

#include <cstdint>

#include "text/modeles.h"
#include "vecto/records.h"

struct Contexte;
struct Document;
struct Plan;

// The comparison thresholds of a run, already truncated to integers.
struct SeuilsComparaison {
  int32_t Masque = 1;    // SEUILMASK
  int32_t Diff = 0;      // SEUILDIFF
  int32_t MiniDiff = 0;  // SEUILMINIDIFF
};

// The two parts' boxes, text fields reset. Each part's rows shrink to its
// ink: its top is the first row holding ink between its columns, its ymax the
// first row after it that holds none (ymax + 1 of the zone when every row down
// to the zone's ymax holds ink, and top = bottom = ymax + 1 when none does).
// The right part is empty (xmin = zone's xmax + 1) when no column qualifies.
struct PartiesZone {
  CompConnexe Gauche, Droite;
};
PartiesZone Coupe_zone(const Plan& plan1, const CompConnexe& zone, int32_t seuil);

// Cuts the zone with the ink threshold seuil (pixels per column, times the
// mean ink of the left part's columns). Parts more than 7 x 9 pixels are
// compared with a work mask of their own (the caller's mask keeps the whole
// zone's); when neither is unrecognised the zone takes the left part's box,
// fields, state and class, and the right part is inserted right after it.
// Returns true when the zone was split.
bool Decoupe_zone(Contexte& ctx, Document& doc, ListeCC& zones, ListeCC::iterator zone, ListeModeles& bib,
                  int32_t N, const SeuilsComparaison& seuils, int32_t seuil);
