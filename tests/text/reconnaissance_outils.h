// Helpers of the recognition chain's tests: records with their choices, a
// param.dat of text thresholds, model libraries made from the masks of boxes
// drawn in the test.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "image/document.h"
#include "outils_test.h"
#include "text/compare_car.h"
#include "text/masque.h"
#include "text/modeles.h"

inline CompConnexe Cadre(int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax) {
  CompConnexe c;
  c.xmin = xmin, c.ymin = ymin, c.xmax = xmax, c.ymax = ymax;
  return c;
}

// A record named car (second choice proche) in the state etat, its class
// that of its name.
inline CompConnexe Lu(const char* car, const char* proche, int16_t etat, int32_t xmin = 0, int32_t ymin = 0,
                      int32_t xmax = 20, int32_t ymax = 30) {
  CompConnexe c = Cadre(xmin, ymin, xmax, ymax);
  Copie_nom(c.Caractere, car);
  Copie_nom(c.Proche, proche);
  c.Classe = Classe_nom(car);
  c.Etat = etat;
  return c;
}

// A param.dat holding the thresholds, each "#NAME#" then "=VALUE#".
inline std::string Param_texte(const std::vector<std::pair<std::string, std::string>>& seuils) {
  std::string s = "Text thresholds of the tests.\n";
  for (const auto& [nom, valeur] : seuils) s += "#" + nom + "#\n=" + valeur + "#\n";
  return s + ">\n";
}

inline CasesMasque Masque_de(const Document& doc, const CompConnexe& b, int32_t seuilmask) {
  CasesMasque m{};
  Extrait_masque(doc.Plan1, b.xmin, b.ymin, b.xmax, b.ymax, m, seuilmask);
  return m;
}

// Writes bimdl.dat in the bench's directory: the models in order.
inline void Ecrit_bimdl(Banc& b, const std::vector<std::pair<const char*, CasesMasque>>& modeles) {
  ListeModeles liste;
  for (const auto& [nom, m] : modeles) {
    Modele x{{}, m, 1};
    Copie_nom(x.Nom, nom);
    liste.push_back(x);
  }
  b.ctx.NbTraitements = 0;
  Ecrit_modeles(b.ctx, liste, static_cast<int32_t>(liste.size()), "bimdl.dat");
}
