#include "text/source_symboles.h"

#include <cstdio>
#include <istream>
#include <set>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Items(const std::string& ligne) {
  std::istringstream flux(ligne.substr(0, ligne.find('#')));
  std::vector<std::string> items;
  for (std::string item; flux >> item;) items.push_back(item);
  return items;
}

bool Compte(const std::string& item, int& n) {
  if (item.empty() || item.size() > 3 || item.find_first_not_of("0123456789") != std::string::npos) return false;
  n = std::stoi(item);
  return n <= 255;
}

// One entry of the source, checked against the entries before it; the
// formatted line on success, else the fault.
std::string Entree(const std::vector<std::string>& items, SorteSymboles sorte, std::set<std::string>& vus,
                   std::string& precedent, std::string& faute) {
  for (unsigned char c : items[0])
    if (c < 0x21 || c > 0x7E) {
      faute = "characters must be printable";
      return {};
    }
  char tampon[64];
  switch (sorte) {
    case SorteSymboles::Quadrilateres: {
      int n[4];
      if (items.size() != 5 || items[0].size() != 1) {
        faute = "expected a character and four counts";
        return {};
      }
      for (int k = 0; k < 4; ++k)
        if (!Compte(items[k + 1], n[k])) {
          faute = "a count must be a whole number from 0 to 255";
          return {};
        }
      if (items[0] != precedent && vus.count(items[0])) {
        faute = "the lines of '" + items[0] + "' do not follow one another";
        return {};
      }
      vus.insert(items[0]);
      precedent = items[0];
      std::snprintf(tampon, sizeof tampon, "%c %d %d %d %d\n", items[0][0], n[0], n[1], n[2], n[3]);
      return tampon;
    }
    case SorteSymboles::Simples:
      if (items.size() != 1 || items[0].size() != 1) {
        faute = "expected one character";
        return {};
      }
      break;
    case SorteSymboles::Complexes:
      if (items.size() != 1 || items[0].size() < 2 || items[0].size() > 4) {
        faute = "expected one word of 2 to 4 characters";
        return {};
      }
      break;
  }
  if (!vus.insert(items[0]).second) {
    faute = "'" + items[0] + "' is listed twice";
    return {};
  }
  return items[0] + "\n";
}

}  // namespace

bool Code_source_symboles(std::istream& source, SorteSymboles sorte, std::string& code, ErreurSource& erreur) {
  std::string entrees, precedent;
  std::set<std::string> vus;
  int n = 0, numero = 0;
  for (std::string ligne; std::getline(source, ligne);) {
    ++numero;
    const std::vector<std::string> items = Items(ligne);
    if (items.empty()) continue;
    std::string faute;
    const std::string entree = Entree(items, sorte, vus, precedent, faute);
    if (!faute.empty()) {
      erreur = {numero, faute};
      return false;
    }
    entrees += entree;
    ++n;
  }
  if (n == 0) {
    erreur = {0, "no entry"};
    return false;
  }
  code = std::to_string(n) + (sorte == SorteSymboles::Quadrilateres ? "\n\n" : "\n") + entrees;
  return true;
}
