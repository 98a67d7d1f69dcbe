#include "app/repertoire_donnees.h"

#include <filesystem>

namespace {

bool Contient_parametres(const std::string& repertoire) {
  std::error_code ec;
  return !repertoire.empty() && std::filesystem::is_regular_file(repertoire + "/param.dat", ec);
}

}  // namespace

std::string Repertoire_installe() {
#ifdef VRIX_DONNEES
  return VRIX_DONNEES;
#else
  return "";
#endif
}

std::string Repertoire_donnees(const std::string& courant, const std::string& installe,
                               std::string& explication) {
  explication.clear();
  if (Contient_parametres(courant) || !Contient_parametres(installe)) return courant;
  explication = "Donnees : " + installe + " (pas de param.dat dans " + courant + ")";
  return installe;
}
