// Little-endian 32-bit fields of the binary library files.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

inline void Ajoute_int32(std::string& octets, int32_t valeur) {
  const uint32_t v = static_cast<uint32_t>(valeur);
  for (int i = 0; i < 4; ++i) octets += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// False when the four bytes are not all there.
inline bool Lit_int32(std::istream& flux, int32_t& valeur) {
  unsigned char b[4];
  if (!flux.read(reinterpret_cast<char*>(b), 4)) return false;
  valeur = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                                (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24));
  return true;
}

// Reads a 4-byte name field; false when it is short or holds no NUL.
// The bytes after the NUL are dropped (set to zero).
inline bool Lit_nom(std::istream& flux, char (&nom)[4]) {
  char b[4];
  if (!flux.read(b, 4)) return false;
  int n = 0;
  while (n < 4 && b[n] != '\0') ++n;
  if (n == 4) return false;
  for (int i = 0; i < 4; ++i) nom[i] = i < n ? b[i] : '\0';
  return true;
}

// True when the stream has nothing left.
inline bool Fin_flux(std::istream& flux) {
  return flux.peek() == std::char_traits<char>::eof();
}
