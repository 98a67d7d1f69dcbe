#include "text/analyse_texte.h"

#include <algorithm>

#include "text/compare_car.h"

namespace {

constexpr size_t FENETRE_MAX = 9;
constexpr size_t MOT_MAX = 4;  // longer words are never tried
constexpr int16_t MAJUSCULE = 1, MINUSCULE = 2;
constexpr char ECART_CASSE = 'a' - 'A';

bool Lettre(int16_t classe) { return classe == MAJUSCULE || classe == MINUSCULE; }

void Capitalise(CompConnexe& z) { z.Caractere[0] = static_cast<char>(z.Caractere[0] - ECART_CASSE); }

// A record alone: kept when it may stand alone (or its capital may), else
// its second choice when that may, else a problem.
void Analyse_caractere(CompConnexe& z, const ListeSymbSimples& simples) {
  z.Etat = 1;
  if (!Lettre(z.Classe)) return;
  const char c = z.Caractere[0];
  if (Est_simple(simples, c)) return;
  if (z.Classe == MINUSCULE && Est_simple(simples, static_cast<char>(c - ECART_CASSE))) {
    Capitalise(z);
    return;
  }
  const int16_t classe_proche = Classe_nom(Nom_texte(z.Proche));
  const char p = z.Proche[0];
  if (!Lettre(classe_proche) || Est_simple(simples, p)) {
    Echange_choix(z);
    return;
  }
  if (classe_proche == MINUSCULE && Est_simple(simples, static_cast<char>(p - ECART_CASSE))) {
    Echange_choix(z);
    Capitalise(z);
    return;
  }
  z.Etat = -2;
}

using Combinaison = std::vector<size_t>;

// The sets of records whose choices are swapped, in the order they are
// tried, from the records' states (the worse state first).
std::vector<Combinaison> Combinaisons(const std::vector<CompConnexe*>& mot) {
  const auto etat = [&](size_t i) { return mot[i]->Etat; };
  if (mot.size() == 2) {
    const size_t pire = etat(0) > etat(1) ? 0 : 1, autre = 1 - pire;
    return {{pire}, {autre}, {0, 1}};
  }
  if (mot.size() == 3) {
    size_t W = 2;
    if (etat(0) > etat(1) && etat(0) > etat(2))
      W = 0;
    else if (etat(1) > etat(0) && etat(1) > etat(2))
      W = 1;
    const size_t a = W == 0 ? 1 : 0, b = W == 2 ? 1 : 2;  // the other two, in list order
    const size_t B = etat(b) < etat(a) ? b : a, M = B == a ? b : a;
    return {{W}, {M}, {B}, {W, M}, {W, B}, {M, B}, {W, M, B}};
  }
  std::vector<size_t> r = {0, 1, 2, 3};
  std::stable_sort(r.begin(), r.end(), [&](size_t x, size_t y) { return etat(x) > etat(y); });
  return {{r[0]},       {r[1]},       {r[2]},       {r[3]},       {r[0], r[1]},       {r[0], r[2]},
          {r[0], r[3]}, {r[1], r[2]}, {r[1], r[3]}, {r[2], r[3]}, {r[0], r[1], r[2]}, {r[0], r[1], r[3]},
          {r[0], r[2], r[3]}, {r[0], r[1], r[2], r[3]}};
}

bool Accepte(const std::vector<CompConnexe*>& mot, const ListeSymbComplexes& complexes) {
  const std::string m = Compose_mot(mot);
  return !m.empty() && Est_complexe(complexes, m);
}

void Valide_mot(const std::vector<CompConnexe*>& mot) {
  const bool capitale = mot.front()->Classe == MINUSCULE;
  for (CompConnexe* z : mot) z->Etat = 1;
  if (capitale) Capitalise(*mot.front());
}

// The records as composed, then with the choices of each combination
// swapped, each from the original choices; true when one spelt a word.
bool Analyse_mot(const std::vector<CompConnexe*>& mot, const ListeSymbComplexes& complexes) {
  if (mot.size() > MOT_MAX) return false;
  if (Accepte(mot, complexes)) {
    Valide_mot(mot);
    return true;
  }
  std::vector<CompConnexe> origine;
  for (const CompConnexe* z : mot) origine.push_back(*z);
  for (const Combinaison& c : Combinaisons(mot)) {
    for (size_t i : c) Echange_choix(*mot[i]);
    if (Accepte(mot, complexes)) {
      Valide_mot(mot);
      return true;
    }
    for (size_t i : c) *mot[i] = origine[i];
  }
  return false;
}

void Analyse_zone(const std::vector<CompConnexe*>& zone, const ListeSymbSimples& simples,
                  const ListeSymbComplexes& complexes) {
  size_t i = 0;
  while (i < zone.size()) {
    const size_t n = std::min(FENETRE_MAX, zone.size() - i);
    size_t k = 1;
    while (k < n && zone[i + k]->Classe == MINUSCULE) ++k;
    size_t pris = 1;
    for (size_t m = k; m >= 2; --m) {
      if (Analyse_mot(std::vector<CompConnexe*>(zone.begin() + i, zone.begin() + i + m), complexes)) {
        pris = m;
        break;
      }
    }
    if (pris == 1) Analyse_caractere(*zone[i], simples);
    i += pris;
  }
}

}  // namespace

std::string Compose_mot(const std::vector<CompConnexe*>& mot) {
  std::string m;
  for (size_t p = 0; p < mot.size(); ++p) {
    const char c = mot[p]->Caractere[0];
    if (mot[p]->Classe == MAJUSCULE)
      m += c;
    else if (mot[p]->Classe == MINUSCULE)
      m += p == 0 ? static_cast<char>(c - ECART_CASSE) : c;
    else
      return std::string();
  }
  return m;
}

void Analyse_texte(ListeCC& zones, const ListeSymbSimples& simples, const ListeSymbComplexes& complexes) {
  std::vector<CompConnexe*> zone;
  for (auto z = zones.begin(); z != zones.end();) {
    zone.clear();
    const uint16_t numero = z->Zone;
    for (; z != zones.end() && z->Zone == numero; ++z) zone.push_back(&*z);
    Analyse_zone(zone, simples, complexes);
  }
}
