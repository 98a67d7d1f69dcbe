// Helpers shared by the test suites.
#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/plan.h"
#include "vecto/records.h"

// A fresh directory under the system's temporary directory, removed at the end.
class RepertoireTemporaire {
 public:
  RepertoireTemporaire();
  ~RepertoireTemporaire();
  RepertoireTemporaire(const RepertoireTemporaire&) = delete;
  RepertoireTemporaire& operator=(const RepertoireTemporaire&) = delete;
  std::string Chemin(const std::string& nom) const { return (racine / nom).string(); }
  std::string Texte() const { return racine.string(); }

 private:
  std::filesystem::path racine;
};

void Ecrit_fichier(const std::string& chemin, const std::string& contenu);
std::string Lit_fichier(const std::string& chemin);
bool Sauve_plan(const std::string& chemin, const Plan& p);

// A console, a working directory holding the given param.dat, and a context
// on both.
struct Banc {
  explicit Banc(const std::string& param = "");
  RepertoireTemporaire rep;
  ConsoleTexte con;
  Contexte ctx;
};

// The project's own param.dat.
std::string Param_defaut();

// A vector from (x1, y1) to (x2, y2) with its length and angle.
Vecteur Vecteur_de(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// Every ink pixel of the plane, row 0 and column 0 included.
using Pixels = std::set<std::pair<int32_t, int32_t>>;
Pixels Pixels_encre(const Plan& p);
