// Formatted reading of the text libraries, item by item as "%d", "%c" and
// "%s" read them: blanks (spaces, tabs, line ends) before an item are
// skipped, and a blank in the format skips any number of blanks.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

inline bool Est_blanc(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

inline void Saute_blancs(std::istream& flux) {
  while (Est_blanc(flux.peek())) flux.get();
}

// An optional sign and decimal digits; false when no digit follows or the
// number does not fit 32 bits.
inline bool Lit_entier(std::istream& flux, int32_t& valeur) {
  Saute_blancs(flux);
  bool negatif = false;
  if (flux.peek() == '-' || flux.peek() == '+') negatif = flux.get() == '-';
  int64_t v = 0;
  int chiffres = 0;
  while (flux.peek() >= '0' && flux.peek() <= '9') {
    v = v * 10 + (flux.get() - '0');
    if (v > int64_t{1} << 31) return false;
    ++chiffres;
  }
  if (chiffres == 0) return false;
  if (negatif) v = -v;
  if (v > INT32_MAX) return false;
  valeur = static_cast<int32_t>(v);
  return true;
}

// The next character that is not a blank.
inline bool Lit_caractere(std::istream& flux, char& c) {
  Saute_blancs(flux);
  const int lu = flux.get();
  if (lu == std::char_traits<char>::eof()) return false;
  c = static_cast<char>(lu);
  return true;
}

// The next run of characters that are not blanks.
inline bool Lit_mot(std::istream& flux, std::string& mot) {
  Saute_blancs(flux);
  mot.clear();
  for (int c = flux.peek(); c != std::char_traits<char>::eof() && !Est_blanc(c); c = flux.peek())
    mot += static_cast<char>(flux.get());
  return !mot.empty();
}
