// The mask editor's commands on its state: browsing, naming, the use and
// recognition counters, the grid, and the loads and saves of bimdl.dat or of
// the font through temp.dat. Refused moves and deletions sound Bip_Editeur;
// file failures are reported by the library and font operations.
#include "editors/editeur_masques.h"

#include <cmath>
#include <iterator>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "text/police.h"

namespace {

const char* const BIBLIOTHEQUE = "bimdl.dat";
const char* const TEMPORAIRE = "temp.dat";
const char* const POLICE = "police.dat";

// A parameter truncated toward zero, absurd values kept in range.
int32_t Entier(double valeur) {
  if (!(valeur > -1e9)) return -1000000000;
  if (valeur > 1e9) return 1000000000;
  return static_cast<int32_t>(std::trunc(valeur));
}

}  // namespace

int32_t Entier_decimal(std::string_view texte) {
  size_t i = 0;
  while (i < texte.size() && (texte[i] == ' ' || (texte[i] >= '\t' && texte[i] <= '\r'))) ++i;
  bool negatif = false;
  if (i < texte.size() && (texte[i] == '-' || texte[i] == '+')) negatif = texte[i++] == '-';
  int64_t v = 0;
  for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i)
    if (v <= INT32_MAX) v = v * 10 + (texte[i] - '0');
  if (negatif) v = -v;
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

std::string Tronque_texte(std::string_view texte, size_t n) {
  if (texte.size() <= n) return std::string(texte);
  // Back over the continuation bytes, then the lead byte they belong to.
  size_t fin = n;
  while (fin > 0 && (static_cast<unsigned char>(texte[fin]) & 0xC0) == 0x80) --fin;
  return std::string(texte.substr(0, fin));
}

EditeurMasques::EditeurMasques(Contexte& ctx) : ModeleCourant(Modeles.end()), Ctx(ctx) {
  LimiteIndiff = Entier(Parametre(ctx, "NBINDIF"));
  NouveauClick();
}

void EditeurMasques::Affiche_modele() {
  Affiche_masque(Grille, ModeleCourant->Masque);
  Nom = std::string(Nom_texte(ModeleCourant->Nom));
  Utilisation = std::to_string(ModeleCourant->Utilisation);
  nbReconu = std::to_string(Ctx.NbTraitements);
  Num = std::to_string(NumCourant);
  NbMod = std::to_string(NbModeles);
}

void EditeurMasques::EffacerClick() {
  Efface_grille(Grille);
  Nom.clear();
  Utilisation.clear();
  Num = std::to_string(NumCourant);
  NbMod = std::to_string(NbModeles);
}

void EditeurMasques::NouveauClick() {
  Libere_modeles(Modeles);
  NbModeles = 1;
  NumCourant = 1;
  ModeEdition = EDITION_BIBLIOTHEQUE;
  Ctx.NbTraitements = 0;
  ModeleCourant = Modeles.insert(Modeles.end(), Modele{});
  EffacerClick();
  Lit_grille(Grille, ModeleCourant->Masque);
}

// Loads the library file in place of the list. A file that cannot be loaded
// (reported by the loader) leaves an empty list, counted 0.
void EditeurMasques::Charge(const std::string& nom) {
  Libere_modeles(Modeles);
  NbModeles = std::max(Lit_modeles(Ctx, Modeles, nom), 0);
  ModeleCourant = Modeles.begin();
  if (Modeles.empty()) {
    Ctx.Con.Bip_Editeur();
    NumCourant = 0;
    EffacerClick();
    return;
  }
  NumCourant = 1;
  Affiche_modele();
}

void EditeurMasques::OuvrirClick() {
  ModeEdition = EDITION_BIBLIOTHEQUE;
  Charge(BIBLIOTHEQUE);
}

void EditeurMasques::EditerPoliceClick() {
  // Without its scratch copy the font is neither released nor edited.
  if (!Police_vers_modeles(Ctx, Ctx.NbGlyphes, Ctx.Police, TEMPORAIRE)) return;
  ModeEdition = EDITION_POLICE;
  Libere_police(Ctx.Police);
  Ctx.NbGlyphes = 0;
  Charge(TEMPORAIRE);
}

// Saves the list where it came from; false after the failing operation's
// error box.
bool EditeurMasques::Sauve() {
  if (ModeEdition != EDITION_POLICE) return Ecrit_modeles(Ctx, Modeles, NbModeles, BIBLIOTHEQUE);
  if (!Modeles_vers_police(Ctx, NbModeles, Modeles, TEMPORAIRE)) return false;
  Ctx.NbGlyphes = Charge_police(Ctx, Ctx.Police, TEMPORAIRE);
  if (Ctx.NbGlyphes < 0 || !Sauve_police(Ctx, Ctx.Police, Ctx.NbGlyphes, POLICE)) return false;
  Efface_fichier(Ctx, TEMPORAIRE);
  return true;
}

void EditeurMasques::FermerClick() {
  if (Modeles.empty()) {
    // Nothing was loaded: the file that could not be read stays as it is.
    Ctx.Con.Bip_Editeur();
    if (ModeEdition == EDITION_POLICE) Efface_fichier(Ctx, TEMPORAIRE);
  } else if (!Sauve()) {
    return;  // the edits stay open for another try
  }
  NouveauClick();
}

void EditeurMasques::QuitterClick() {
  if (ModeEdition == EDITION_POLICE) Efface_fichier(Ctx, TEMPORAIRE);
  NouveauClick();
}

void EditeurMasques::AjouterClick() {
  ++NbModeles;
  const auto place = ModeleCourant == Modeles.end() ? Modeles.begin() : std::next(ModeleCourant);
  ModeleCourant = Modeles.insert(place, Modele{});
  ++NumCourant;
  EffacerClick();
  Lit_grille(Grille, ModeleCourant->Masque);
}

void EditeurMasques::SupprimerClick() {
  if (ModeleCourant == Modeles.end() || Modeles.size() <= 1) {
    Ctx.Con.Bip_Editeur();
    return;
  }
  if (ModeleCourant == Modeles.begin()) {
    ModeleCourant = Modeles.erase(ModeleCourant);  // the second becomes the first, NumCourant stays 1
  } else {
    ModeleCourant = std::prev(Modeles.erase(ModeleCourant));
    --NumCourant;
  }
  --NbModeles;
  Affiche_modele();
}

void EditeurMasques::SuivantClick() {
  if (ModeleCourant == Modeles.end() || std::next(ModeleCourant) == Modeles.end()) {
    Ctx.Con.Bip_Editeur();
    return;
  }
  ++ModeleCourant;
  ++NumCourant;
  Affiche_modele();
}

void EditeurMasques::PrecedentClick() {
  if (ModeleCourant == Modeles.end() || ModeleCourant == Modeles.begin()) {
    Ctx.Con.Bip_Editeur();
    return;
  }
  --ModeleCourant;
  --NumCourant;
  Affiche_modele();
}

void EditeurMasques::ValiderClick() {
  if (ModeleCourant == Modeles.end()) {
    Ctx.Con.Bip_Editeur();
    return;
  }
  Copie_nom(ModeleCourant->Nom, Tronque_texte(Nom, LG_NOM - 1));
  ModeleCourant->Utilisation = Entier_decimal(Utilisation);
  Lit_grille(Grille, ModeleCourant->Masque);
  Ctx.NbTraitements = Entier_decimal(nbReconu);
}

void EditeurMasques::Va_premier() {
  if (Modeles.empty()) return;
  ModeleCourant = Modeles.begin();
  NumCourant = 1;
  Affiche_modele();
}

void EditeurMasques::Va_dernier() {
  if (Modeles.empty()) return;
  ModeleCourant = std::prev(Modeles.end());
  NumCourant = NbModeles;
  Affiche_modele();
}

void EditeurMasques::PremierClick() { Va_premier(); }

void EditeurMasques::DernierClick() { Va_dernier(); }

void EditeurMasques::nDeplaceClick() {
  std::string reponse;
  Ctx.Con.Saisie(reponse, "numero du model");
  const int32_t n = Entier_decimal(reponse);
  if (n > 1 && n < NbModeles) {
    ModeleCourant = std::next(Modeles.begin(), n - 1);
    NumCourant = n;
    Affiche_modele();
  } else if (n < NbModeles) {
    Va_premier();
  } else {
    Va_dernier();
  }
}

void EditeurMasques::Bouton_case(int k) { Clique_case(Grille, k, LimiteIndiff); }
