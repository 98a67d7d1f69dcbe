#include "batch/donnees_lot.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "console/console_texte.h"
#include "console/contexte.h"
#include "text/modeles.h"
#include "text/police.h"
#include "text/symboles_bib.h"

namespace {

const char* const POLICE = "police.dat";
const std::vector<std::string> TOUS = {POLICE, "bimdl.dat", "biqdl.dat", "SymbSimplex.dat", "SymbCplx.dat"};

// Reads the file as the chain reads it; false after the reader's box.
bool Essaie(Contexte& ctx, const std::string& nom) {
  if (nom == "bimdl.dat") {
    ListeModeles l;
    return Lit_modeles(ctx, l, nom) >= 1;
  }
  if (nom == "biqdl.dat") {
    ListeSymbQuads l;
    return Lit_biqdl(ctx, l, nom) >= 0;
  }
  if (nom == "SymbSimplex.dat") {
    ListeSymbSimples l;
    return Lit_simples(ctx, l, nom) >= 0;
  }
  ListeSymbComplexes l;
  return Lit_complexes(ctx, l, nom) >= 0;
}

}  // namespace

bool Parametres_lisibles(const std::string& repertoire) {
  std::error_code ec;
  if (std::filesystem::is_directory(repertoire + "/param.dat", ec)) return false;
  std::ifstream flux(repertoire + "/param.dat", std::ios::binary);
  return static_cast<bool>(flux);
}

std::vector<std::string> Fichiers_necessaires(const Commande_batch& commande) {
  const std::string nom = commande.Nom;
  if (nom == "representation") return {};
  if (nom == "redessine" || nom == "liaisons" || nom == "polygones" || nom == "chaines") return {POLICE};
  if (nom == "zones" || commande.Analyse) return TOUS;
  return {};
}

std::vector<std::string> Prepare_donnees(Reglages_lot& reglages) {
  ConsoleTexte con;
  Contexte ctx(con, reglages.Repertoire);
  Charge_police_initiale(ctx);
  reglages.Police = ctx.Police;
  reglages.NbGlyphes = ctx.NbGlyphes;
  const std::vector<Boite> boites_police = con.Boites;

  std::vector<std::string> lignes, essayes;
  for (const Commande_batch* c : reglages.Commandes) {
    for (const std::string& nom : Fichiers_necessaires(*c)) {
      if (std::find(essayes.begin(), essayes.end(), nom) != essayes.end()) continue;
      essayes.push_back(nom);
      con.Boites.clear();
      const bool lu = nom == POLICE ? reglages.NbGlyphes >= 1 : Essaie(ctx, nom);
      const std::vector<Boite>& boites = nom == POLICE ? boites_police : con.Boites;
      if (lu) continue;
      std::string textes;
      for (const Boite& b : boites) {
        textes += (textes.empty() ? "" : "; ") + b.Texte;
        reglages.Deja_dits.push_back(b.Texte);
      }
      lignes.push_back(ctx.Chemin(nom) + ": " + (textes.empty() ? "cannot be read" : textes) + " (needed by " +
                       c->Nom + ")");
    }
  }
  return lignes;
}
