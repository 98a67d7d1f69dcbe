#include "console/console.h"

#include <cstdio>

void Console::Log_Nombre(int flag, int32_t nombre) {
  char tampon[16];
  std::snprintf(tampon, sizeof tampon, " %d ", static_cast<int>(nombre));
  Log_Texte(flag, tampon);
}

bool Console::EditMain1KeyPress(char touche) {
  if (touche != '1' && touche != '0') return false;
  ModeDebug = touche == '1' ? 1 : 0;
  return true;
}

std::string Libelle_saisie(std::string_view invite) {
  std::string libelle = "- ";
  libelle += invite;
  if (libelle.size() > 99) libelle.resize(99);
  return libelle;
}
