#include "text/source_police.h"

#include <istream>
#include <map>
#include <string>
#include <string_view>

namespace {

bool Est_commentaire_ou_vide(std::string_view ligne) {
  return ligne.find_first_not_of(" \t") == std::string_view::npos || ligne.starts_with("//");
}

bool Faute(ErreurSource& erreur, int ligne, std::string texte) {
  erreur = {ligne, std::move(texte)};
  return false;
}

// The name of the glyph being read, the last one of the list.
std::string Nom_courant(const ListePolice& lus) { return std::string(Nom_texte(lus.back().Nom)); }

}  // namespace

bool Lit_source_police(std::istream& flux, ListePolice& police, ErreurSource& erreur) {
  ListePolice lus;
  std::map<std::string, int> lignes_noms;  // name -> line of its header
  std::string ligne;
  int numero = 0;
  int rangee = NB_LIGNES_MASQUE;  // mask rows read for the current glyph
  while (std::getline(flux, ligne)) {
    ++numero;
    if (ligne.ends_with('\r')) ligne.pop_back();
    if (rangee < NB_LIGNES_MASQUE) {
      if (ligne.size() != NB_COLONNES_MASQUE || ligne.find_first_not_of("#.") != std::string::npos)
        return Faute(erreur, numero,
                     "mask row " + std::to_string(rangee + 1) + " of glyph \"" + Nom_courant(lus) +
                         "\": 8 characters '#' or '.' expected");
      for (int c = 0; c < NB_COLONNES_MASQUE; ++c)
        lus.back().Masque[rangee * NB_COLONNES_MASQUE + c] = ligne[c] == '#';
      ++rangee;
      continue;
    }
    if (Est_commentaire_ou_vide(ligne)) continue;
    if (!ligne.starts_with("@ ")) return Faute(erreur, numero, "header \"@ NAME\" expected");
    std::string nom = ligne.substr(2);
    nom.erase(nom.find_last_not_of(" \t") + 1);  // trailing blanks dropped
    if (nom.empty() || nom.size() >= LG_NOM)
      return Faute(erreur, numero, "glyph name of 1 to 3 characters expected");
    for (const char c : nom)
      if (c <= ' ' || c > '~')
        return Faute(erreur, numero, "glyph name \"" + nom + "\": printable characters, no blank");
    if (const auto [p, nouveau] = lignes_noms.emplace(nom, numero); !nouveau)
      return Faute(erreur, numero, "glyph \"" + nom + "\" already defined line " + std::to_string(p->second));
    Glyphe g;
    Copie_nom(g.Nom, nom);
    lus.push_back(g);
    rangee = 0;
  }
  if (rangee < NB_LIGNES_MASQUE)
    return Faute(erreur, numero + 1,
                 "glyph \"" + Nom_courant(lus) + "\" ends after " + std::to_string(rangee) + " of its 10 mask rows");
  if (lus.empty()) return Faute(erreur, 0, "no glyph");
  police = std::move(lus);
  return true;
}
