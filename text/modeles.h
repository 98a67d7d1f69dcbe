// The character model library, bimdl.dat: named 10 x 8 masks with a use
// counter, read whole into a list (file order; a model's position from 1 is
// what NumModele and NumProche refer to) and written whole.
//
// File, little-endian: N (int32, at least 1), NbTraitements (int32), then N
// records of 88 bytes: name (4, NUL-terminated, zeros after), Utilisation
// (int32), mask (80 cells).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <list>
#include <string>

#include "text/cases.h"

class Console;
struct Contexte;

struct Modele {
  char Nom[LG_NOM] = {};  // the character's name, NUL-terminated
  CasesMasque Masque{};   // 0, 1 or 2 (indifferent)
  int32_t Utilisation = 0;  // recognitions as best match; summed by merging
};

using ListeModeles = std::list<Modele>;

constexpr int TAILLE_MODELE = LG_NOM + 4 + NB_CASES;  // 88 bytes on disk

enum class LectureBibliotheque { Lue, Vide, Probleme };

// Reads a whole library from the stream. The list and the counter are only
// filled when it is Lue: a count of at least 1 and the counter, then the
// complete records up to the count or to the first incomplete one (there may
// be none); a name field without NUL keeps its first three characters.
LectureBibliotheque Lit_bibliotheque(std::istream& flux, ListeModeles& liste, int32_t& NbTraitements);

// The bytes of a library file holding the first N models of the list
// (N is taken between 0 and the size of the list).
std::string Code_bibliotheque(const ListeModeles& liste, int32_t N, int32_t NbTraitements);

// Loads the library file of the working directory into the list (replacing
// it) and its counter into ctx.NbTraitements. Returns N, or -1 after an error
// box; the list and the counter are then untouched.
int32_t Lit_modeles(Contexte& ctx, ListeModeles& liste, const std::string& nom);

// Replaces the file by the first N models and ctx.NbTraitements. False after
// the error box when the file could not be written; the old file then stays.
bool Ecrit_modeles(Contexte& ctx, const ListeModeles& liste, int32_t N, const std::string& nom);

inline void Libere_modeles(ListeModeles& liste) { liste.clear(); }

// Makes a model of the mask (Utilisation 1), asks its name "nom du caractere"
// and inserts it right after the current model, or at the head when there is
// no current one (courant == end()). The new model becomes the current one.
void Ajoute_modele(Console& con, ListeModeles& liste, ListeModeles::iterator& courant,
                   const CasesMasque& masque);

// Distance of the mask X from the reference R: over the cells where R is 0 or
// 1, the sum of X XOR R. An indifferent cell of X counts 2 or 3 there.
int32_t Distance_masque(const CasesMasque& X, const CasesMasque& R);

// Counters wrap around as 32-bit values instead of overflowing.
inline void Ajoute_compteur(int32_t& compteur, int32_t n) {
  compteur = static_cast<int32_t>(static_cast<uint32_t>(compteur) + static_cast<uint32_t>(n));
}
