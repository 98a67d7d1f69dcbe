// Maintenance of bimdl.dat behind "&Changer Utilisation", "&Oublier" and
// "&Fusionner", and the merge that ends training. Each loads the library,
// works on it, saves it and frees it; nothing is written when the load fails.
#pragma once

#include <cstdint>

#include "text/modeles.h"

struct Contexte;

// NbTraitements := T and every Utilisation := U, saved. Returns the former
// NbTraitements, or -1 when the library could not be loaded.
int32_t Change_utilisation(Contexte& ctx, int32_t U, int32_t T);

// NbTraitements := 0; the models never used since the last run are deleted
// and the others' counters start again from 0. Saved even when no model is
// left (the file then announces 0 models).
void Oublie_modeles(Contexte& ctx);

// Merges models of the same name whose masks differ in at most NBINDIF
// cells, indifferent cells included; the cells where they differ become
// indifferent and the counters add up. Works on the caller's list of N
// models (emptied afterwards), or on bimdl.dat loaded here when N is 0.
// Saves the result to bimdl.dat.
void Fusionne_modeles(Contexte& ctx, ListeModeles& liste, int32_t N);
