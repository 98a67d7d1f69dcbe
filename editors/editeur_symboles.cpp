// The symbol list editor's commands: loads SymbSimplex.dat then SymbCplx.dat
// into one list of names, edits it, and on saving sorts the names and writes
// the one-character names to the simple list, the others to the complex
// list. Every failure is signalled by Bip_Editeur alone.
#include "editors/editeur_symboles.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/contexte.h"
#include "editors/editeur_masques.h"
#include "text/ecriture_sure.h"
#include "text/lecture_formatee.h"

namespace {

const char* const SIMPLES = "SymbSimplex.dat";
const char* const COMPLEXES = "SymbCplx.dat";

void Copie_symbole(SymboleEdite& s, std::string_view texte) {
  std::memset(s.NomSymbole, 0, LG_SYMBOLE);
  const std::string t = Tronque_texte(texte.substr(0, texte.find('\0')), LG_SYMBOLE - 1);
  std::memcpy(s.NomSymbole, t.data(), t.size());
}

std::string_view Texte_symbole(const SymboleEdite& s) {
  return std::string_view(s.NomSymbole, strnlen(s.NomSymbole, LG_SYMBOLE - 1));
}

}  // namespace

EditeurSymboles::EditeurSymboles(Contexte& ctx) : SymboleCourant(Symboles.end()), Ctx(ctx) {}

void EditeurSymboles::Affiche_symbole() {
  SymbolE = SymboleCourant == Symboles.end() ? std::string() : std::string(Texte_symbole(*SymboleCourant));
  numeroE = std::to_string(NumSymbole);
  nbSymbE = std::to_string(NbSymboles);
}

void EditeurSymboles::Libere() {
  Symboles.clear();
  SymboleCourant = Symboles.end();
  NbSymboles = 0;
  NumSymbole = 0;
  EtatSimples = EtatComplexes = Etat::NonLu;
}

LectureNoms Lit_noms(std::istream& flux, ListeSymbolesEdites& liste) {
  int32_t n = 0;
  if (!Lit_entier(flux, n)) return LectureNoms::Illisible;
  if (n < 1) return LectureNoms::Vide;
  std::string mot;
  for (int32_t k = 0; k < n && Lit_mot(flux, mot); ++k) Copie_symbole(*liste.insert(liste.end(), SymboleEdite{}), mot);
  return LectureNoms::Lue;
}

void Code_listes(ListeSymbolesEdites& liste, std::string& simples, std::string& complexes) {
  std::vector<std::array<char, LG_SYMBOLE>> noms;
  noms.reserve(liste.size());
  for (const SymboleEdite& s : liste) {
    std::array<char, LG_SYMBOLE> n;
    std::memcpy(n.data(), s.NomSymbole, LG_SYMBOLE);
    noms.push_back(n);
  }
  std::sort(noms.begin(), noms.end(), [](const auto& a, const auto& b) {
    return std::strncmp(a.data(), b.data(), LG_SYMBOLE) < 0;
  });
  auto n = noms.begin();
  for (SymboleEdite& s : liste) std::memcpy(s.NomSymbole, (n++)->data(), LG_SYMBOLE);

  std::string lignes_simples, lignes_complexes;
  int32_t nb_simples = 0, nb_complexes = 0;
  for (const SymboleEdite& s : liste) {
    const std::string_view t = Texte_symbole(s);
    if (t.size() < 2) {
      lignes_simples += s.NomSymbole[0];
      lignes_simples += '\n';
      ++nb_simples;
    } else {
      lignes_complexes.append(t);
      lignes_complexes += '\n';
      ++nb_complexes;
    }
  }
  simples = std::to_string(nb_simples) + "\n" + lignes_simples;
  complexes = std::to_string(nb_complexes) + "\n" + lignes_complexes;
}

// Appends the names of one file; false when the load must stop there.
bool EditeurSymboles::Charge_fichier(const char* nom, Etat& etat) {
  std::ifstream flux(Ctx.Chemin(nom));
  const size_t avant = Symboles.size();
  const LectureNoms l = flux ? Lit_noms(flux, Symboles) : LectureNoms::Illisible;
  NbSymboles += static_cast<int32_t>(Symboles.size() - avant);
  etat = l == LectureNoms::Lue ? Etat::Lu : l == LectureNoms::Vide ? Etat::Vide : Etat::Illisible;
  return l == LectureNoms::Lue;
}

void EditeurSymboles::OuvrirMClick() {
  Libere();
  if (!Charge_fichier(SIMPLES, EtatSimples) || !Charge_fichier(COMPLEXES, EtatComplexes))
    Ctx.Con.Bip_Editeur();
  SymboleCourant = Symboles.begin();
  NumSymbole = Symboles.empty() ? 0 : 1;
  Affiche_symbole();
}

bool EditeurSymboles::Remplacable(const char* nom, Etat etat) const {
  if (etat == Etat::Lu || etat == Etat::Vide) return true;
  std::error_code ec;
  return !std::filesystem::exists(Ctx.Chemin(nom), ec) && !ec;
}

bool EditeurSymboles::SauverQuitterBClick() {
  // A list file that exists but was not read whole would lose its names.
  if (!Remplacable(SIMPLES, EtatSimples) || !Remplacable(COMPLEXES, EtatComplexes)) {
    Ctx.Con.Bip_Editeur();
    return false;
  }
  std::string simples, complexes;
  Code_listes(Symboles, simples, complexes);
  if (!Remplace_fichier(Ctx.Chemin(SIMPLES), simples) || !Remplace_fichier(Ctx.Chemin(COMPLEXES), complexes)) {
    Ctx.Con.Bip_Editeur();
    Affiche_symbole();
    return false;
  }
  QuitterMClick();
  return true;
}

void EditeurSymboles::QuitterMClick() {
  Libere();
  Affiche_symbole();
}

void EditeurSymboles::ValiderBClick() {
  // Blanks around the name are dropped; one inside it would split it in two
  // words in the file, so such a name is refused.
  const size_t debut = SymbolE.find_first_not_of(" \t\n\v\f\r");
  const size_t fin = SymbolE.find_last_not_of(" \t\n\v\f\r");
  const std::string nom = debut == std::string::npos ? std::string() : SymbolE.substr(debut, fin - debut + 1);
  if (SymboleCourant == Symboles.end() || nom.find_first_of(" \t\n\v\f\r") != std::string::npos) {
    Ctx.Con.Bip_Editeur();
    return;
  }
  Copie_symbole(*SymboleCourant, Tronque_texte(nom, LG_SYMBOLE_SAISI));
}

void EditeurSymboles::AjouterMClick() {
  ++NbSymboles;
  const auto place = SymboleCourant == Symboles.end() ? Symboles.begin() : std::next(SymboleCourant);
  SymboleCourant = Symboles.insert(place, SymboleEdite{});
  ++NumSymbole;
  Affiche_symbole();
}

void EditeurSymboles::SupprimerBClick() {
  if (SymboleCourant == Symboles.end() || Symboles.size() <= 1) {
    Ctx.Con.Bip_Editeur();
    return;
  }
  if (SymboleCourant == Symboles.begin()) {
    SymboleCourant = Symboles.erase(SymboleCourant);
  } else {
    SymboleCourant = std::prev(Symboles.erase(SymboleCourant));
    --NumSymbole;
  }
  --NbSymboles;
  Affiche_symbole();
}

void EditeurSymboles::SuivantBClick() {
  if (SymboleCourant == Symboles.end() || std::next(SymboleCourant) == Symboles.end()) {
    Ctx.Con.Bip_Editeur();
    return;
  }
  ++SymboleCourant;
  ++NumSymbole;
  Affiche_symbole();
}

void EditeurSymboles::PrecedentBClick() {
  if (SymboleCourant == Symboles.end() || SymboleCourant == Symboles.begin()) {
    Ctx.Con.Bip_Editeur();
    return;
  }
  --SymboleCourant;
  --NumSymbole;
  Affiche_symbole();
}

void EditeurSymboles::PremierMClick() {
  if (Symboles.empty()) return;
  SymboleCourant = Symboles.begin();
  NumSymbole = 1;
  Affiche_symbole();
}

void EditeurSymboles::DernierMClick() {
  if (Symboles.empty()) return;
  SymboleCourant = std::prev(Symboles.end());
  NumSymbole = NbSymboles;
  Affiche_symbole();
}

void EditeurSymboles::niemeMClick() {
  std::string reponse;
  Ctx.Con.Saisie(reponse, "numero du symbol");
  const int32_t n = Entier_decimal(reponse);
  if (n > 1 && n < NbSymboles) {
    SymboleCourant = std::next(Symboles.begin(), n - 1);
    NumSymbole = n;
    Affiche_symbole();
  } else if (n < NbSymboles) {
    PremierMClick();
  } else {
    DernierMClick();
  }
}
