// The mask editor's state and commands, without any window: the library
// being edited (bimdl.dat, or the font through temp.dat), the model shown,
// the grid, and the texts of the edit fields. The window copies the fields
// in before a command that reads them and shows everything after each one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editors/grille_masque.h"
#include "text/modeles.h"

struct Contexte;

// What a field holds when the operator enters a number: an optional sign
// and decimal digits after blanks, anything after them ignored; no digit
// reads 0, and values beyond 32 bits stop at the nearest bound.
int32_t Entier_decimal(std::string_view texte);

// The first n bytes of the text, less the start of a UTF-8 character cut
// at the end.
std::string Tronque_texte(std::string_view texte, size_t n);

class EditeurMasques {
 public:
  // Reads "NBINDIF" once (truncated) and opens on a new library of one
  // empty model, as when the program starts.
  explicit EditeurMasques(Contexte& ctx);
  EditeurMasques(const EditeurMasques&) = delete;
  EditeurMasques& operator=(const EditeurMasques&) = delete;

  // "&Fichier"
  void NouveauClick();
  void OuvrirClick();
  void EditerPoliceClick();
  void FermerClick();
  void QuitterClick();
  // "&Edition" and the buttons
  void AjouterClick();
  void SupprimerClick();
  void SuivantClick();
  void PrecedentClick();
  void ValiderClick();
  void EffacerClick();
  // "&Aller à ..."
  void PremierClick();
  void DernierClick();
  void nDeplaceClick();
  // Buttons "0" to "79" (and a click on a cell of the image).
  void Bouton_case(int k);

  enum : uint8_t { EDITION_POLICE = 1, EDITION_BIBLIOTHEQUE = 2 };

  // The edit fields, as texts.
  std::string Nom, Num, NbMod, Utilisation, nbReconu;

  ListeModeles Modeles;                  // the last model is DernierModele
  ListeModeles::iterator ModeleCourant;  // Modeles.end() when there is none
  int32_t NbModeles = 0;                 // models in the list
  int32_t NumCourant = 0;                // position of ModeleCourant from 1; 0 with none
  int32_t LimiteIndiff = 0;              // most indifferent cells a click may leave
  uint8_t ModeEdition = EDITION_BIBLIOTHEQUE;
  GrilleMasque Grille;

 private:
  void Affiche_modele();
  void Efface_vue();
  void Charge(const std::string& nom);
  bool Sauve();
  void Va_premier();
  void Va_dernier();

  Contexte& Ctx;
};
