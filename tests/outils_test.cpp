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

Vecteur Vecteur_de(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Vecteur v;
  v.x1 = x1, v.y1 = y1, v.x2 = x2, v.y2 = y2;
  Mesure(v);
  v.Angle = Orientation(x1, y1, x2, y2);
  return v;
}

Pixels Pixels_encre(const Plan& p) {
  Pixels s;
  for (int32_t y = 0; y < p.NbLignes; ++y)
    for (int32_t x = 0; x < p.Largeur_px(); ++x)
      if (Lit_pixel(x, y, p)) s.insert({x, y});
  return s;
}
