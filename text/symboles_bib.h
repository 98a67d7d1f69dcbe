// The three text libraries of symbols, each read whole into a list:
//   biqdl.dat        "%d\n\n" count, then "%c %d %d %d %d\n": a character and the
//                    least numbers of horizontal, vertical, first-diagonal and
//                    second-diagonal strokes it holds (one line per way of
//                    writing it, the lines of one character consecutive);
//   SymbSimplex.dat  "%d\n" count, then "%c\n": the characters that may stand alone;
//   SymbCplx.dat     "%d\n" count, then "%s\n": the words of several characters.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <list>
#include <string>
#include <string_view>
#include <vector>

class Console;
struct Contexte;

struct SymbQuad {
  char Caractere = 0;
  uint8_t Horizontaux = 0;   // least numbers of strokes of each direction
  uint8_t Verticaux = 0;
  uint8_t Diagonales1 = 0;   // between MARGEANGLE and 90 - MARGEANGLE degrees
  uint8_t Diagonales2 = 0;   // between 90 + MARGEANGLE and 180 - MARGEANGLE degrees
};

struct SymbSimple {
  char Caractere = 0;
};

constexpr int LG_MOT = 12;  // at most 11 characters and their NUL

struct SymbComplexe {
  char Mot[LG_MOT] = {};
};

using ListeSymbQuads = std::list<SymbQuad>;
using ListeSymbSimples = std::list<SymbSimple>;
using ListeSymbComplexes = std::list<SymbComplexe>;

// What a stream held: Probleme when its count could not be read, Vide when
// the count is below 1, else Lue with Annonces the count and the entries read
// up to the first one that is incomplete (at most Annonces of them).
enum class LectureSymboles { Lue, Vide, Probleme };
struct ResultatSymboles {
  LectureSymboles Lecture = LectureSymboles::Probleme;
  int32_t Annonces = 0;
};

// The stream readers fill the list only when the result is Lue. Counts
// beyond 255 keep their low 8 bits; a word longer than 11 characters keeps
// its first 11.
ResultatSymboles Lit_flux_biqdl(std::istream& flux, ListeSymbQuads& liste);
ResultatSymboles Lit_flux_simples(std::istream& flux, ListeSymbSimples& liste);
ResultatSymboles Lit_flux_complexes(std::istream& flux, ListeSymbComplexes& liste);

// Load the file of the working directory into the list (replacing it).
// Return the number of entries read, or -1 after an error box (the list is
// then emptied). A file holding fewer entries than its count keeps those it
// holds, and a log line says how many were read.
int32_t Lit_biqdl(Contexte& ctx, ListeSymbQuads& liste, const std::string& nom);
int32_t Lit_simples(Contexte& ctx, ListeSymbSimples& liste, const std::string& nom);
int32_t Lit_complexes(Contexte& ctx, ListeSymbComplexes& liste, const std::string& nom);

inline void Libere_biqdl(ListeSymbQuads& liste) { liste.clear(); }
inline void Libere_simples(ListeSymbSimples& liste) { liste.clear(); }
inline void Libere_complexes(ListeSymbComplexes& liste) { liste.clear(); }

// The consecutive entries that begin at the first entry of the character:
// the ways of writing it. Empty when it has none.
std::vector<SymbQuad> Ecritures_biqdl(const ListeSymbQuads& liste, char c);

// An entry holds exactly this character.
bool Est_simple(const ListeSymbSimples& liste, char c);

// An entry's word equals this one exactly (case counts).
bool Est_complexe(const ListeSymbComplexes& liste, std::string_view mot);
