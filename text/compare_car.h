// Comparing a text zone with the model library: the best and second-best
// models and the zone's first recognition state. Also the class of a name
// and the reset of a zone's text fields.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/modeles.h"
#include "vecto/records.h"

struct Contexte;
struct Document;

// States given by the comparison.
constexpr int16_t ETAT_PROBLEME = -2;      // zone too small to sample
constexpr int16_t ETAT_NON_RECONNU = -1;   // no model within SEUILDIFF
constexpr int16_t ETAT_RECONNU = 1;
constexpr int16_t ETAT_DOUTE_MAJ_MIN = 2;  // best and second: one letter in both cases
constexpr int16_t ETAT_GRAND_DOUTE = 4;

// Samples the zone into the work mask (NbTraitements + 1) and compares it
// with the first N models of the library. Within seuildiff the best model's
// Utilisation grows by 1 and Caractere/Taux/NumModele and Proche/Taux2/
// NumProche name the best and second models; beyond it only Proche, Taux2
// and NumProche are set, to the best model. Etat and Classe are left to the
// caller. A zone under 8 x 10 gives ETAT_PROBLEME and changes nothing.
// With affichage 1 the zone, its mask and the model's mask are shown on
// Plan 2.
int16_t Compare_car(Contexte& ctx, Document& doc, CompConnexe& zone, CasesMasque& masque,
                    ListeModeles& liste, int32_t N, int32_t seuilmask, int32_t seuildiff,
                    int32_t seuilminidiff, uint8_t affichage);

// Empty names, every other text field 0.
void Raz_texte(CompConnexe& zone);

// Exchanges the best and second choices (names, distances, model numbers);
// Classe becomes the class of the new Caractere.
void Echange_choix(CompConnexe& zone);

// 5 for two characters or more, -1 empty or blank, 1 capital, 2 small,
// 3 digit, 4 plus or minus, -2 any other character.
int16_t Classe_nom(std::string_view nom);
