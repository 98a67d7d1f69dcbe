// The font, police.dat, and its conversions to and from the model-library
// format used while the mask editor edits it (temp.dat).
//
// File, little-endian: N (int32, at least 1), then N records of 84 bytes:
// name (4, NUL-terminated, zeros after) and mask (80 cells).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "text/glyphe.h"
#include "text/modeles.h"

struct Contexte;

constexpr int TAILLE_GLYPHE = LG_NOM + NB_CASES;  // 84 bytes on disk

enum class LecturePolice { Lue, Vide, Probleme };

// Reads a whole font from the stream. The list is only filled when it is Lue:
// the count is at least 1, exactly that many complete records follow (each
// name with its NUL), and nothing else.
LecturePolice Lit_police(std::istream& flux, ListePolice& police);

// The bytes of a font file holding the first N glyphs (N taken between 0 and
// the size of the list).
std::string Code_police(const ListePolice& police, int32_t N);

// Loads the font file of the working directory into the list (replacing it).
// Returns N, or -1 after an error box; the list is then untouched.
int32_t Charge_police(Contexte& ctx, ListePolice& police, const std::string& nom);

// Replaces the file by the first N glyphs; false after the error box.
bool Sauve_police(Contexte& ctx, const ListePolice& police, int32_t N, const std::string& nom);

inline void Libere_police(ListePolice& police) { police.clear(); }

// Writes the first N glyphs as a model library: counters 0, NbTraitements 0.
bool Police_vers_modeles(Contexte& ctx, int32_t N, const ListePolice& police, const std::string& nom);

// Writes the first N models as a font: names and masks, cells as they are.
bool Modeles_vers_police(Contexte& ctx, int32_t N, const ListeModeles& liste, const std::string& nom);

// Deletes the file of the working directory; a missing file is no error.
void Efface_fichier(Contexte& ctx, const std::string& nom);

// Start-up: the font of the run, "police.dat", into ctx.Police and its count
// (-1 when it cannot be loaded, after the error box) into ctx.NbGlyphes.
int32_t Charge_police_initiale(Contexte& ctx);

// Shut-down: the font of the run is released and NbGlyphes is 0.
void Libere_police_finale(Contexte& ctx);
