#include "text/modeles.h"

#include <cstring>
#include <fstream>
#include <istream>

#include "console/console.h"
#include "console/contexte.h"
#include "text/ecriture_sure.h"
#include "text/octets.h"

LectureBibliotheque Lit_bibliotheque(std::istream& flux, ListeModeles& liste, int32_t& NbTraitements) {
  int32_t n = 0;
  if (!Lit_int32(flux, n)) return LectureBibliotheque::Probleme;
  if (n < 1) return LectureBibliotheque::Vide;
  int32_t traitements = 0;
  if (!Lit_int32(flux, traitements)) return LectureBibliotheque::Probleme;
  // Records are read one by one, up to the first incomplete one: a false
  // count cannot allocate more than the stream holds, and the complete
  // records before a cut are kept. Bytes after the last record are ignored.
  ListeModeles lus;
  for (int32_t k = 0; k < n; ++k) {
    char nom[LG_NOM];
    Modele m;
    if (!flux.read(nom, LG_NOM) || !Lit_int32(flux, m.Utilisation) ||
        !flux.read(reinterpret_cast<char*>(m.Masque.data()), NB_CASES))
      break;
    // A name field without its NUL keeps its first characters.
    Copie_nom(m.Nom, std::string_view(nom, strnlen(nom, LG_NOM - 1)));
    lus.push_back(m);
  }
  liste = std::move(lus);
  NbTraitements = traitements;
  return LectureBibliotheque::Lue;
}

std::string Code_bibliotheque(const ListeModeles& liste, int32_t N, int32_t NbTraitements) {
  const int32_t n = std::clamp<int64_t>(N, 0, static_cast<int64_t>(liste.size()));
  std::string octets;
  octets.reserve(8 + static_cast<size_t>(n) * TAILLE_MODELE);
  Ajoute_int32(octets, n);
  Ajoute_int32(octets, NbTraitements);
  auto m = liste.begin();
  for (int32_t k = 0; k < n; ++k, ++m) {
    char nom[LG_NOM];
    Copie_nom(nom, Nom_texte(m->Nom));
    octets.append(nom, LG_NOM);
    Ajoute_int32(octets, m->Utilisation);
    octets.append(reinterpret_cast<const char*>(m->Masque.data()), NB_CASES);
  }
  return octets;
}

int32_t Lit_modeles(Contexte& ctx, ListeModeles& liste, const std::string& nom) {
  // Opened for reading and writing, so a file that could not be saved again
  // is refused too; a missing file is not created.
  std::fstream flux(ctx.Chemin(nom), std::ios::in | std::ios::out | std::ios::binary);
  if (!flux) {
    ctx.Con.Erreur_Box("Ouverture Biblioteque Caractere impossible!");
    return -1;
  }
  switch (Lit_bibliotheque(flux, liste, ctx.NbTraitements)) {
    case LectureBibliotheque::Lue:
      return static_cast<int32_t>(liste.size());
    case LectureBibliotheque::Vide:
      ctx.Con.Erreur_Box("Biblioteque Caractere Vide!");
      return -1;
    case LectureBibliotheque::Probleme:
      break;
  }
  ctx.Con.Erreur_Box("Probleme Lecture Biblioteque Caractere!");
  return -1;
}

bool Ecrit_modeles(Contexte& ctx, const ListeModeles& liste, int32_t N, const std::string& nom) {
  if (Remplace_fichier(ctx.Chemin(nom), Code_bibliotheque(liste, N, ctx.NbTraitements))) return true;
  ctx.Con.Erreur_Box("Sauvegarde Biblioteque Caractere impossible!");
  return false;
}

void Ajoute_modele(Console& con, ListeModeles& liste, ListeModeles::iterator& courant,
                   const CasesMasque& masque) {
  Modele m;
  m.Masque = masque;
  m.Utilisation = 1;
  std::string reponse;
  con.Saisie(reponse, "nom du caractere");
  Copie_nom(m.Nom, reponse);
  con.Log_Texte(1, "");
  const auto place = courant == liste.end() ? liste.begin() : std::next(courant);
  courant = liste.insert(place, m);
}

int32_t Distance_masque(const CasesMasque& X, const CasesMasque& R) {
  // Without a branch, so that the 80 cells are summed in vector registers:
  // an indifferent cell (above 1) is multiplied by 0.
  int32_t d = 0;
  for (int i = 0; i < NB_CASES; ++i) d += (X[i] ^ R[i]) * (R[i] <= 1);
  return d;
}
