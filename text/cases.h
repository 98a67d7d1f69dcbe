// The 10 x 8 mask shared by the character models, the zones' masks and the
// font's glyphs: 80 cells, row by row from the top, each row from the left.
// A cell is 0 background, 1 ink or 2 indifferent (models only).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

constexpr int NB_LIGNES_MASQUE = 10;
constexpr int NB_COLONNES_MASQUE = 8;
constexpr int NB_CASES = NB_LIGNES_MASQUE * NB_COLONNES_MASQUE;
constexpr int LG_NOM = 4;  // name field: at most 3 characters and their NUL

using CasesMasque = std::array<uint8_t, NB_CASES>;

// The text of a name field (up to its NUL, at most LG_NOM - 1 characters).
inline std::string_view Nom_texte(const char (&nom)[LG_NOM]) {
  return std::string_view(nom, strnlen(nom, LG_NOM - 1));
}

// Stores the first LG_NOM - 1 characters of the text, zeros after them.
inline void Copie_nom(char (&nom)[LG_NOM], std::string_view texte) {
  std::memset(nom, 0, LG_NOM);
  std::memcpy(nom, texte.data(), std::min<size_t>(texte.size(), LG_NOM - 1));
}
