// Library files built byte by byte, independently of the writers, and masks.
#pragma once

#include <cstdint>
#include <string>

#include "text/modeles.h"

inline std::string Int32(int32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
  return s;
}

// One 84-byte glyph of police.dat: the 4-byte name field, then the cells.
inline std::string Glyphe_octets(const std::string& nom, const CasesMasque& m) {
  return (nom + std::string(4, '\0')).substr(0, 4) + std::string(m.begin(), m.end());
}

// One 88-byte record of bimdl.dat.
inline std::string Enregistrement(const std::string& nom, int32_t utilisation, const CasesMasque& m) {
  return Glyphe_octets(nom, m).insert(4, Int32(utilisation));
}

inline Modele Modele_de(const char* nom, const CasesMasque& m, int32_t utilisation) {
  Modele x{{}, m, utilisation};
  Copie_nom(x.Nom, nom);
  return x;
}

// Cell k is (k * graine / 7 + k) mod 2: distinct patterns per seed.
inline CasesMasque Motif(int graine) {
  CasesMasque m{};
  for (int k = 0; k < NB_CASES; ++k) m[k] = static_cast<uint8_t>((k * graine / 7 + k) % 2);
  return m;
}

// The mask with n cells inverted (0 <-> 1) from the given one on.
inline CasesMasque Inverse(CasesMasque m, int n, int premiere = 0) {
  for (int k = premiere; k < premiere + n; ++k) m[k] = m[k] == 1 ? 0 : 1;
  return m;
}
