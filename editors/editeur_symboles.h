// The symbol list editor's state and commands, without any window: the
// simple symbols (SymbSimplex.dat) and the complex ones (SymbCplx.dat) as
// one list of names to browse, rename, add to and delete from, sorted and
// split back into the two files by length when saved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <list>
#include <string>

struct Contexte;

constexpr int LG_SYMBOLE = 12;         // name field: at most 11 characters and their NUL
constexpr size_t LG_SYMBOLE_SAISI = 9;  // at most 9 as typed

struct SymboleEdite {
  char NomSymbole[LG_SYMBOLE] = {};  // NUL-terminated
};

using ListeSymbolesEdites = std::list<SymboleEdite>;

// What a list file held: Illisible when its count could not be read, Vide
// when the count is below 1, else Lue.
enum class LectureNoms { Lue, Vide, Illisible };

// Appends the names of one list file, in file order: its count, then at most
// that many words (each cut to 11 bytes, a NUL ending it early). Only the
// words the stream holds are appended, whatever the count announces.
LectureNoms Lit_noms(std::istream& flux, ListeSymbolesEdites& liste);

// Sorts the names ascending by bytes (the names move, the records stay) and
// makes the two files: the names of fewer than 2 characters as their first
// character (an empty name as NUL) in the simple list, the others in the
// complex list, each after its count.
void Code_listes(ListeSymbolesEdites& liste, std::string& simples, std::string& complexes);

class EditeurSymboles {
 public:
  // An empty list and empty fields: "&Ouvrir" comes first.
  explicit EditeurSymboles(Contexte& ctx);
  EditeurSymboles(const EditeurSymboles&) = delete;
  EditeurSymboles& operator=(const EditeurSymboles&) = delete;

  // "&Fichier"
  void OuvrirMClick();
  // Sorts, saves both files and releases the list; true when the window is
  // to close, false (after Bip_Editeur) when it stays open.
  bool SauverQuitterBClick();
  bool FermerMClick() { return SauverQuitterBClick(); }
  // Releases the list (the window closes without saving).
  void QuitterMClick();
  // "Edition"
  void ValiderBClick();
  void AjouterMClick();
  void SupprimerBClick();
  // "&Aller à"
  void SuivantBClick();
  void PrecedentBClick();
  void PremierMClick();
  void DernierMClick();
  void niemeMClick();

  // The edit fields, as texts.
  std::string SymbolE, numeroE, nbSymbE;

  ListeSymbolesEdites Symboles;             // the last name is DernierSymbole
  ListeSymbolesEdites::iterator SymboleCourant;  // Symboles.end() when there is none
  int32_t NbSymboles = 0;                   // names in the list
  int32_t NumSymbole = 0;                   // position of SymboleCourant from 1; 0 with none

 private:
  // What the last "&Ouvrir" made of a file: a file that exists and was not
  // read whole is never replaced by a save.
  enum class Etat { NonLu, Lu, Vide, Illisible };
  bool Charge_fichier(const char* nom, Etat& etat);
  bool Remplacable(const char* nom, Etat etat) const;
  void Affiche_symbole();
  void Libere();

  Contexte& Ctx;
  Etat EtatSimples = Etat::NonLu, EtatComplexes = Etat::NonLu;
};
