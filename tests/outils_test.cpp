#include "outils_test.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "image/bmp.h"

RepertoireTemporaire::RepertoireTemporaire() {
  static std::atomic<int> compteur{0};
  racine = std::filesystem::temp_directory_path() /
           ("vrix_test_" + std::to_string(getpid()) + "_" + std::to_string(compteur++));
  std::filesystem::create_directories(racine);
}

RepertoireTemporaire::~RepertoireTemporaire() {
  std::error_code ec;
  std::filesystem::remove_all(racine, ec);
}

void Ecrit_fichier(const std::string& chemin, const std::string& contenu) {
  std::ofstream f(chemin, std::ios::binary);
  f << contenu;
}

std::string Lit_fichier(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool Sauve_plan(const std::string& chemin, const Plan& p) {
  std::ofstream f(chemin, std::ios::binary);
  return Ecrit_bmp(p, f);
}

Banc::Banc(const std::string& param) : ctx(con, rep.Texte()) {
  if (!param.empty()) Ecrit_fichier(rep.Chemin("param.dat"), param);
}

std::string Param_defaut() { return Lit_fichier(VRIX_SOURCE "/data/param.dat"); }
