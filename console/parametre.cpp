#include "console/parametre.h"

#include <charconv>
#include <fstream>
#include <istream>
#include <string>

#include "console/console.h"
#include "console/contexte.h"

namespace {

constexpr int LG_LIGNE = 49;  // characters of a line read at once, its line end included
constexpr size_t LG_NOM_PARAMETRE = 21;

// Reads at most LG_LIGNE characters, stopping after a line end.
std::string Lit_ligne(std::istream& flux) {
  std::string ligne;
  for (int i = 0; i < LG_LIGNE; ++i) {
    const int c = flux.get();
    if (c == std::char_traits<char>::eof()) break;
    ligne += static_cast<char>(c);
    if (c == '\n') break;
  }
  return ligne;
}

bool Chiffre_ou_point(char c) { return (c >= '0' && c <= '9') || c == '.'; }

}  // namespace

LectureParametre Cherche_parametre(std::istream& flux, std::string_view nom, double& valeur) {
  for (;;) {
    const int c = flux.get();
    if (c == std::char_traits<char>::eof() || c == '>') return LectureParametre::Inconnu;
    if (c != '#') continue;

    const std::string entree = Lit_ligne(flux);
    const size_t fin = std::min(entree.find('#'), std::min(entree.size(), LG_NOM_PARAMETRE));
    if (std::string_view(entree).substr(0, fin) != nom) continue;

    int e;
    do {
      e = flux.get();
    } while (e != '=' && e != std::char_traits<char>::eof());
    if (e != '=') return LectureParametre::Probleme;

    const std::string texte = Lit_ligne(flux);
    size_t n = 0;
    while (n < texte.size() && Chiffre_ou_point(texte[n])) ++n;
    if (n >= texte.size() || texte[n] != '#') return LectureParametre::Probleme;
    // Conversion stops where the number stops: "1.2.3" gives 1.2, "" and "." give 0.
    valeur = 0.0;
    std::from_chars(texte.data(), texte.data() + n, valeur);
    return LectureParametre::Trouve;
  }
}

double Parametre(const Contexte& ctx, std::string_view nom) {
  const std::string chemin = ctx.Chemin("param.dat");
  std::ifstream flux(chemin, std::ios::binary);
  if (!flux) {
    ctx.Con.Erreur_Box("Ouverture " + chemin + " impossible !");
    return -255.0;
  }
  double valeur = 0.0;
  switch (Cherche_parametre(flux, nom, valeur)) {
    case LectureParametre::Trouve:
      return valeur;
    case LectureParametre::Probleme:
      ctx.Con.Erreur_Box("PB de lecture !");
      return -255.0;
    case LectureParametre::Inconnu:
      break;
  }
  ctx.Con.Erreur_Box("Parametre inconnu !");
  return -255.0;
}
