// Building library files byte by byte, independently of the writers.
#pragma once

#include <cstdint>
#include <string>

#include "text/cases.h"

inline std::string Int32(int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>((u >> (8 * i)) & 0xFF);
  return s;
}

// A name field of exactly 4 bytes.
inline std::string Nom4(const std::string& nom) { return (nom + std::string(4, '\0')).substr(0, 4); }

inline std::string Cellules(const CasesMasque& m) { return std::string(m.begin(), m.end()); }

// One 88-byte record of bimdl.dat.
inline std::string Enregistrement(const std::string& nom, int32_t utilisation, const CasesMasque& m) {
  return Nom4(nom) + Int32(utilisation) + Cellules(m);
}

// A mask whose cell k is (k * graine / 7 + k) mod 2: distinct patterns per seed.
inline CasesMasque Motif(int graine) {
  CasesMasque m{};
  for (int k = 0; k < NB_CASES; ++k) m[k] = static_cast<uint8_t>((k * graine / 7 + k) % 2);
  return m;
}

// The mask with the first n cells from the given one inverted (0 <-> 1).
inline CasesMasque Inverse(CasesMasque m, int n, int premiere = 0) {
  for (int k = premiere; k < premiere + n; ++k) m[k] = m[k] == 1 ? 0 : 1;
  return m;
}
