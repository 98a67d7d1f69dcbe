#include "batch/sortie_molecule.h"

#include <cstdio>
#include <fstream>

#include "batch/rapport.h"
#include "console/console.h"
#include "image/document.h"
#ifdef VRIX_RDKIT
#include "molecule/molecule.h"
#endif

namespace {

std::string Nom_image(const std::string& chemin) {
  const size_t barre = chemin.find_last_of("/\\");
  std::string nom = barre == std::string::npos ? chemin : chemin.substr(barre + 1);
  const size_t point = nom.rfind('.');
  if (point != std::string::npos && point > 0) nom.resize(point);
  return nom;
}

bool Ecrit(Console& con, const std::string& chemin, const std::string& texte) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  if (f) f.write(texte.data(), static_cast<std::streamsize>(texte.size()));
  if (f && f.flush()) return true;
  con.Erreur_Box("Ecriture impossible : " + chemin);
  return false;
}

}  // namespace

std::string Ligne_smiles(const std::string& smiles, const std::string& image, double confiance) {
  char c[32];
  std::snprintf(c, sizeof c, "%.2f", confiance);
  return smiles + "\t" + Nom_image(image) + "\t" + c + "\n";
}

bool Sauve_molecule(Console& con, const Document& doc, const std::string& racine, bool mol, bool smiles,
                    Resultat_document& r) {
#ifdef VRIX_RDKIT
  if (!mol && !smiles) return true;
  const Molecule_lue m = Lit_molecule(doc, Nom_image(r.Entree));
  r.Smiles = m.Smiles;
  r.Confiance = m.Confiance;
  bool ok = true;
  if (mol) ok = Ecrit(con, racine + ".mol", m.Molfile) && ok;
  if (smiles) ok = Ecrit(con, racine + ".smi", Ligne_smiles(m.Smiles, r.Entree, m.Confiance)) && ok;
  return ok;
#else
  (void)con, (void)doc, (void)racine, (void)mol, (void)smiles, (void)r;
  return true;
#endif
}
