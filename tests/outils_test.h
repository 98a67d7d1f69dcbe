// Helpers shared by the test suites.
#pragma once

#include <filesystem>
#include <string>

#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/plan.h"

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
