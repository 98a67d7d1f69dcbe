// Zone information: what the recogniser made of the text zones under a point
// of the image, and the operator's correction, by name or by teaching the
// zone's mask to the model library.
#pragma once

#include <cstdint>
#include <string>

struct Contexte;
struct Document;

// The log line of a class code ("Majuscule : 1"...); empty for class 0.
std::string Libelle_classe(int16_t classe);
// The log line of a recognition state ("etat: Reconnu"...); empty for 0.
std::string Libelle_etat(int16_t etat);

// For each zone of ZonesTexte whose box holds (x, y), in list order: its
// fields in the log, then "satisfait? [o/n]". An answer starting with "n"
// swaps its choices and asks whether to teach it: "o" adds its mask to
// bimdl.dat under the name asked then (merged and saved), anything else asks
// the name alone. The zone is then recognised (Etat 1, Taux 0). Stops at once
// when the library cannot be loaded.
void Info_zone(Contexte& ctx, Document& doc, int32_t x, int32_t y);
