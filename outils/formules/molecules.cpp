#include "outils/formules/molecules.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;

Scene Nouvelle(const char* nom, int largeur, int hauteur, double epaisseur) {
  Scene s;
  s.Nom = nom;
  s.Largeur = largeur;
  s.Hauteur = hauteur;
  s.Epaisseur = epaisseur;
  return s;
}

Scene Benzene() {
  Scene s = Nouvelle("benzene", 400, 400, 4);
  Ajoute_cycle(s, 6, {200, 200}, 90, 0, true);
  return s;
}

Scene Cyclohexane() {
  Scene s = Nouvelle("cyclohexane", 400, 400, 5);
  Ajoute_cycle(s, 6, {200, 200}, 90, 30);
  return s;
}

Scene Benzene_kekule() {
  Scene s = Nouvelle("benzene_kekule", 400, 400, 4);
  const int k = Ajoute_cycle(s, 6, {200, 200}, 90);
  for (int i : {0, 2, 4}) Double_interne(s, k, i);
  return s;
}

Scene Naphtalene() {
  Scene s = Nouvelle("naphtalene", 600, 400, 4);
  const double r = 80;
  const double dx = r * std::cos(PI / 6);
  const int a = Ajoute_cycle(s, 6, {300 - dx, 200}, r);
  const int b = Ajoute_cycle(s, 6, {300 + dx, 200}, r);
  for (int i : {1, 3, 5}) Double_interne(s, a, i);
  for (int i : {0, 2}) Double_interne(s, b, i);
  return s;
}

// A ring with OH below and COOH above.
Scene Acide_hydroxybenzoique() {
  Scene s = Nouvelle("acide_hydroxybenzoique", 500, 600, 4);
  const int k = Ajoute_cycle(s, 6, {250, 300}, 80);
  for (int i : {0, 2, 4}) Double_interne(s, k, i);
  Etiquette(s, Substituant(s, k, 0, 90), "COOH", Police::Sans2, 34);
  Etiquette(s, Substituant(s, k, 3, 90), "OH", Police::Sans2, 34);
  return s;
}

Scene Pyridine() {
  Scene s = Nouvelle("pyridine", 400, 400, 4);
  const int k = Ajoute_cycle(s, 6, {200, 190}, 90);
  for (int i : {0, 2, 4}) Double_interne(s, k, i);
  Etiquette(s, s.Cycles[k].Sommets[3], "N", Police::Serif, 36);
  return s;
}

Scene Furane() {
  Scene s = Nouvelle("furane", 400, 400, 5);
  const int k = Ajoute_cycle(s, 5, {200, 210}, 90);
  for (int i : {1, 3}) Double_interne(s, k, i);
  Etiquette(s, s.Cycles[k].Sommets[0], "O", Police::NimbusSans, 38);
  return s;
}

Scene Chaine_zigzag() {
  Scene s = Nouvelle("chaine", 700, 300, 4);
  Ajoute_chaine(s, Ajoute_atome(s, {60, 190}), 0, 90, 7);
  return s;
}

// A zigzag, a straight triple bond, then a methyl group.
Scene Chaine_triple() {
  Scene s = Nouvelle("chaine_triple", 800, 300, 4);
  const int ch = Ajoute_chaine(s, Ajoute_atome(s, {60, 190}), 0, 80, 3);
  const Point_f p = s.Atomes[s.Chaines[ch].Atomes.back()].P;
  const int a = Ajoute_atome(s, {p.x + 90, p.y});
  const int b = Ajoute_atome(s, {p.x + 180, p.y});
  Ajoute_liaison(s, s.Chaines[ch].Atomes.back(), a, 3);
  Ajoute_liaison(s, a, b);
  s.Chaines[ch].Atomes.push_back(a);
  s.Chaines[ch].Atomes.push_back(b);
  Etiquette(s, b, "CH3", Police::Sans, 30);
  return s;
}

Scene Croisement() {
  Scene s = Nouvelle("croisement", 500, 500, 5);
  Ajoute_liaison(s, Ajoute_atome(s, {90, 110}), Ajoute_atome(s, {410, 390}));
  Ajoute_liaison(s, Ajoute_atome(s, {100, 400}), Ajoute_atome(s, {400, 100}));
  return s;
}

// An aromatic six-ring fused with a five-ring holding NH, and labelled
// substituents all around (an amide, Cl, OH, CH3, Br).
Scene Molecule(const char* nom) {
  Scene s = Nouvelle(nom, 700, 620, 4);
  const double r = 80;
  const Point_f c{280, 340};
  const int h = Ajoute_cycle(s, 6, c, r, 0, true);
  const double rp = (r / 2) / std::sin(PI / 5);
  const int p = Ajoute_cycle(s, 5, {c.x + r * std::cos(PI / 6) + rp * std::cos(PI / 5), c.y}, rp, 90);
  Double_interne(s, p, 4);
  Etiquette(s, s.Cycles[p].Sommets[1], "NH", Police::Sans, 32);
  Etiquette(s, Substituant(s, p, 0, 80), "CH3", Police::Serif, 32);
  Etiquette(s, Substituant(s, p, 4, 80), "Br", Police::NimbusSans, 32);
  Etiquette(s, Substituant(s, h, 3, 80), "OH", Police::Sans, 32);
  Etiquette(s, Substituant(s, h, 4, 80), "Cl", Police::FreeSans, 32);
  const int co = Substituant(s, h, 0, 80);
  const Point_f q = s.Atomes[co].P;
  const int o = Ajoute_atome(s, {q.x - r * std::sin(PI / 3), q.y - r * std::cos(PI / 3)});
  const int n = Ajoute_atome(s, {q.x + r * std::sin(PI / 3), q.y - r * std::cos(PI / 3)});
  Ajoute_liaison(s, co, o, 2);
  Ajoute_liaison(s, co, n);
  Etiquette(s, o, "O", Police::Sans, 32);
  Etiquette(s, n, "NH2", Police::Sans, 32);
  return s;
}

Scene Benzene_scan() {
  Scene s = Nouvelle("benzene_scan", 450, 450, 4);
  const int k = Ajoute_cycle(s, 6, {225, 250}, 90, 0, true);
  Etiquette(s, Substituant(s, k, 0, 90), "OH", Police::NimbusSerif, 30);
  s.Degrade = Degradation{1.5, 1.0, 0.002, 7};
  return s;
}

Scene Molecule_scan() {
  Scene s = Molecule("molecule_scan");
  s.Degrade = Degradation{-2.0, 1.0, 0.001, 11};
  return s;
}

}  // namespace

std::vector<Scene> Catalogue() {
  return {Benzene(),      Cyclohexane(),  Benzene_kekule(), Naphtalene(),   Acide_hydroxybenzoique(),
          Pyridine(),     Furane(),       Chaine_zigzag(),  Chaine_triple(), Croisement(),
          Molecule("molecule"), Benzene_scan(), Molecule_scan()};
}

Scene Page_a4_formules(const std::vector<Scene>& catalogue) {
  Scene page = Nouvelle("page_a4", 2480, 3508, 4);
  const int marge = 40;
  int x = marge, y = marge, rangee = 0;
  for (int tour = 0; tour < 2; ++tour)
    for (const Scene& s : catalogue) {
      if (s.Degrade.Bruit > 0 || s.Degrade.Rotation != 0) continue;
      if (x + s.Largeur > page.Largeur - marge) {
        x = marge;
        y += rangee;
        rangee = 0;
      }
      if (y + s.Hauteur > page.Hauteur - marge) return page;
      Insere(page, s, {static_cast<double>(x), static_cast<double>(y)});
      x += s.Largeur;
      rangee = std::max(rangee, s.Hauteur);
    }
  return page;
}
