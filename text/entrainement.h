// Training the model library from the text zones of the document, one zone at
// a time with the operator: "&Ajouter aux modèles" offers every zone for
// addition to bimdl.dat, "Re-&Créer les Modèles" builds a new library from
// the zones kept. Each leaves the zones with fresh text fields, Etat 1 for the
// zones accepted and -1 for the others, and NbZones 0.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/modeles.h"
#include "vecto/records.h"

class Console;
struct Contexte;
struct Document;

// Every zone large enough to sample (8 x 10 pixels or more) is shown on
// Plan 2, counted in NbTraitements and offered: "o" to "Ajouter a la Base o/n"
// extracts its mask (SEUILMASK), draws it left of the zone and adds it under
// the name asked, the new models following each other after the first model
// of the library (an empty library when bimdl.dat could not be loaded). The
// library is merged and saved when a model was added, else left alone.
void Ajoute_modeles(Contexte& ctx, Document& doc);

// Every zone is shown on Plan 2 and "o" to "Concerver? reponse o/n" makes a
// model of its mask under the name asked. With two models or more they
// replace bimdl.dat, merged, every counter and NbTraitements at 0; with fewer
// the library is left alone. Returns the number of models made.
int32_t Recree_modeles(Contexte& ctx, Document& doc);

// Shared by the training commands.
// A zone narrower than 8 pixels or lower than 10 cannot be sampled.
bool Zone_trop_petite(const CompConnexe& zone);
// A threshold of param.dat truncated to an integer (absurd values kept in range).
int32_t Seuil_entier(const Contexte& ctx, const char* nom);
// bimdl.dat into the list; when it cannot be loaded the library is empty and
// NbTraitements 0. Returns the number of models.
int32_t Charge_ou_vide(Contexte& ctx, ListeModeles& bib);
// Whether the operator's answer begins with the character.
inline bool Commence_par(std::string_view reponse, char c) { return !reponse.empty() && reponse[0] == c; }
// A question whose answer does not matter, asked with an empty default.
void Acquitte(Console& con, std::string_view invite);
