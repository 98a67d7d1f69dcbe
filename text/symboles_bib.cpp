#include "text/symboles_bib.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "console/console.h"
#include "console/contexte.h"
#include "text/lecture_formatee.h"

namespace {

struct Messages {
  const char* Ouverture;
  const char* Lecture;
  const char* Vide;
  const char* Incomplete;  // log line when entries are missing
};

const Messages QUADS = {"Ouverture Biblioteque Symboles Quadrilateres impossible!",
                        "Probleme Lecture Biblioteque Symboles Quadrilateres!",
                        "Biblioteque Symboles Quadrilateres Vide!",
                        "Biblioteque Symboles Quadrilateres incomplete, entrees lues :"};
const Messages SIMPLES = {"Ouverture Biblioteque Symboles Simples impossible!",
                          "Probleme Lecture Biblioteque Symboles Simples!",
                          "Biblioteque Symboles Simples Vide!",
                          "Biblioteque Symboles Simples incomplete, entrees lues :"};
const Messages COMPLEXES = {"Ouverture Biblioteque Symboles Complexes impossible!",
                            "Probleme Lecture Biblioteque Symboles Complexes!",
                            "Biblioteque Symboles Complexes Vide!",
                            "Biblioteque Symboles Complexes incomplete, entrees lues :"};

// Count, then entries until the count is reached or one is incomplete.
template <class Entree, class LitEntree>
ResultatSymboles Lit_flux(std::istream& flux, std::list<Entree>& liste, LitEntree lit_entree) {
  ResultatSymboles r;
  if (!Lit_entier(flux, r.Annonces)) return r;
  if (r.Annonces < 1) {
    r.Lecture = LectureSymboles::Vide;
    return r;
  }
  std::list<Entree> lus;
  Entree e;
  for (int32_t k = 0; k < r.Annonces && lit_entree(flux, e); ++k) lus.push_back(e);
  liste = std::move(lus);
  r.Lecture = LectureSymboles::Lue;
  return r;
}

template <class Entree, class LitEntree>
int32_t Charge_liste(Contexte& ctx, std::list<Entree>& liste, const std::string& nom, const Messages& m,
                    LitEntree lit_entree) {
  std::ifstream flux(ctx.Chemin(nom));
  if (!flux) {
    ctx.Con.Erreur_Box(m.Ouverture);
    liste.clear();
    return -1;
  }
  const ResultatSymboles r = Lit_flux(flux, liste, lit_entree);
  switch (r.Lecture) {
    case LectureSymboles::Probleme:
      ctx.Con.Erreur_Box(m.Lecture);
      liste.clear();
      return -1;
    case LectureSymboles::Vide:
      ctx.Con.Erreur_Box(m.Vide);
      liste.clear();
      return -1;
    case LectureSymboles::Lue:
      break;
  }
  const int32_t n = static_cast<int32_t>(liste.size());
  if (n < r.Annonces) {
    ctx.Con.Log_Texte(1, m.Incomplete);
    ctx.Con.Log_Nombre(0, n);
    ctx.Con.Log_Texte(0, "/");
    ctx.Con.Log_Nombre(0, r.Annonces);
  }
  return n;
}

bool Lit_quad(std::istream& flux, SymbQuad& e) {
  int32_t h, v, d1, d2;
  if (!Lit_caractere(flux, e.Caractere) || !Lit_entier(flux, h) || !Lit_entier(flux, v) ||
      !Lit_entier(flux, d1) || !Lit_entier(flux, d2))
    return false;
  e.Horizontaux = static_cast<uint8_t>(h);
  e.Verticaux = static_cast<uint8_t>(v);
  e.Diagonales1 = static_cast<uint8_t>(d1);
  e.Diagonales2 = static_cast<uint8_t>(d2);
  return true;
}

bool Lit_simple(std::istream& flux, SymbSimple& e) { return Lit_caractere(flux, e.Caractere); }

bool Lit_complexe(std::istream& flux, SymbComplexe& e) {
  std::string mot;
  if (!Lit_mot(flux, mot)) return false;
  std::memset(e.Mot, 0, LG_MOT);
  std::memcpy(e.Mot, mot.data(), std::min<size_t>(mot.size(), LG_MOT - 1));
  return true;
}

}  // namespace

ResultatSymboles Lit_flux_biqdl(std::istream& flux, ListeSymbQuads& liste) { return Lit_flux(flux, liste, Lit_quad); }
ResultatSymboles Lit_flux_simples(std::istream& flux, ListeSymbSimples& liste) {
  return Lit_flux(flux, liste, Lit_simple);
}
ResultatSymboles Lit_flux_complexes(std::istream& flux, ListeSymbComplexes& liste) {
  return Lit_flux(flux, liste, Lit_complexe);
}

int32_t Lit_biqdl(Contexte& ctx, ListeSymbQuads& liste, const std::string& nom) {
  return Charge_liste(ctx, liste, nom, QUADS, Lit_quad);
}
int32_t Lit_simples(Contexte& ctx, ListeSymbSimples& liste, const std::string& nom) {
  return Charge_liste(ctx, liste, nom, SIMPLES, Lit_simple);
}
int32_t Lit_complexes(Contexte& ctx, ListeSymbComplexes& liste, const std::string& nom) {
  return Charge_liste(ctx, liste, nom, COMPLEXES, Lit_complexe);
}

std::vector<SymbQuad> Ecritures_biqdl(const ListeSymbQuads& liste, char c) {
  std::vector<SymbQuad> ecritures;
  auto e = std::find_if(liste.begin(), liste.end(), [c](const SymbQuad& q) { return q.Caractere == c; });
  for (; e != liste.end() && e->Caractere == c; ++e) ecritures.push_back(*e);
  return ecritures;
}

bool Est_simple(const ListeSymbSimples& liste, char c) {
  return std::any_of(liste.begin(), liste.end(), [c](const SymbSimple& s) { return s.Caractere == c; });
}

bool Est_complexe(const ListeSymbComplexes& liste, std::string_view mot) {
  return std::any_of(liste.begin(), liste.end(),
                     [mot](const SymbComplexe& s) { return std::string_view(s.Mot) == mot; });
}
