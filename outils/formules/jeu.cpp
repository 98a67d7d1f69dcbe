#include "outils/formules/jeu.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "outils/formules/alea.h"

namespace {

// A substituent label as written to the right of its bond (the attached
// atom first) and as written to its left (the attached atom last).
struct Texte_label {
  const char* Droite;
  const char* Gauche;
};

const Texte_label LABELS[] = {
    {"OH", "HO"},     {"NH2", "H2N"},   {"CH3", "H3C"},   {"COOH", "HOOC"}, {"CO2H", "HO2C"},
    {"OMe", "MeO"},   {"Cl", "Cl"},     {"Br", "Br"},     {"F", "F"},       {"NO2", "O2N"},
    {"CN", "NC"},     {"CF3", "F3C"},   {"R1", "R1"},     {"R2", "R2"},     {"X", "X"},
    {"OCH3", "H3CO"}, {"NHMe", "MeHN"}, {"SH", "HS"},     {"CHO", "OHC"},   {"NMe2", "Me2N"},
    {"O", "O"},       {"N", "N"},       {"S", "S"},       {"R", "R"},       {"Y", "Y"},
};
constexpr int NB_LABELS = sizeof LABELS / sizeof LABELS[0];

// Atoms written in a ring or a chain.
const char* const HETEROS[] = {"N", "O", "S", "NH", "HN", "N", "O"};
constexpr int NB_HETEROS = sizeof HETEROS / sizeof HETEROS[0];

// The label of a substituent bond going from p to q: the form read from
// the bond's side, the anchor on the attached atom (the last letter of a
// form written leftwards, the first otherwise).
void Pose_label(Scene& s, int atome, Point_f p, Point_f q, Tirage& t, double hauteur, Police fonte) {
  const Texte_label& l = LABELS[t.Entier(NB_LABELS)];
  const double dx = q.x - p.x, dy = q.y - p.y;
  const bool gauche = dx < -0.3 * std::hypot(dx, dy) && std::string(l.Gauche) != l.Droite;
  const std::string texte = gauche ? l.Gauche : l.Droite;
  Etiquette(s, atome, texte, fonte, hauteur, gauche ? static_cast<int>(texte.size()) - 1 : 0);
}

// n substituents on vertices of ring k drawn from libres, each labelled.
void Substituants(Scene& s, int k, int n, const std::vector<int>& libres, Tirage& t, double liaison, double hauteur, Police fonte) {
  std::vector<int> v = libres;
  for (int i = 0; i < n && !v.empty(); ++i) {
    const int j = t.Entier(static_cast<int>(v.size()));
    const int sommet = v[j];
    v.erase(v.begin() + j);
    const bool double_o = t.Pile(0.15);
    const int b = Substituant(s, k, sommet, liaison, double_o ? 2 : 1);
    const Point_f p = s.Atomes[s.Cycles[k].Sommets[sommet]].P, q = s.Atomes[b].P;
    if (double_o)
      Etiquette(s, b, "O", fonte, hauteur);
    else
      Pose_label(s, b, p, q, t, hauteur, fonte);
  }
}

Scene Formule(Tirage& t, const Echelle& e, const std::string& nom) {
  Scene s;
  s.Nom = nom;
  const double liaison = t.Entre(e.Liaison0, e.Liaison1);
  s.Epaisseur = std::round(2 * t.Entre(e.Epaisseur0, e.Epaisseur1)) / 2;
  const double hauteur = std::round(t.Entre(e.Hauteur0, e.Hauteur1));
  const Police fonte = e.Polices[t.Entier(static_cast<int>(e.Polices.size()))];
  const int forme = t.Entier(5);
  const Point_f c{0, 0};
  switch (forme) {
    case 0: {  // a benzene ring, circle or alternating double bonds
      const bool cercle = t.Pile(0.3);
      const int k = Ajoute_cycle(s, 6, c, liaison, t.Pile(0.5) ? 0 : 30, cercle);
      if (!cercle)
        for (int i : {0, 2, 4}) Double_interne(s, k, i);
      Substituants(s, k, 1 + t.Entier(3), {0, 1, 2, 3, 4, 5}, t, liaison, hauteur, fonte);
      break;
    }
    case 1: {  // two fused six-rings
      const double dx = liaison * std::cos(M_PI / 6);
      const int a = Ajoute_cycle(s, 6, {-dx, 0}, liaison);
      const int b = Ajoute_cycle(s, 6, {dx, 0}, liaison);
      for (int i : {1, 3, 5}) Double_interne(s, a, i);
      for (int i : {0, 2}) Double_interne(s, b, i);
      Substituants(s, a, 1 + t.Entier(2), {0, 3, 4, 5}, t, liaison, hauteur, fonte);
      Substituants(s, b, t.Entier(2), {0, 1, 2, 3}, t, liaison, hauteur, fonte);
      break;
    }
    case 2: {  // a five-ring with a heteroatom
      const double r = (liaison / 2) / std::sin(M_PI / 5);
      const int k = Ajoute_cycle(s, 5, c, r, t.Pile(0.5) ? 0 : 180);
      for (int i : {1, 3}) Double_interne(s, k, i);
      const char* h = HETEROS[t.Entier(NB_HETEROS)];
      Etiquette(s, s.Cycles[k].Sommets[0], h, fonte, hauteur, std::string(h) == "HN" ? 1 : 0);
      Substituants(s, k, 1 + t.Entier(2), {1, 2, 3, 4}, t, liaison, hauteur, fonte);
      break;
    }
    case 3: {  // a six-ring with a heteroatom
      const int k = Ajoute_cycle(s, 6, c, liaison, 0);
      for (int i : {1, 3}) Double_interne(s, k, i);
      const int sommet = t.Pile(0.5) ? 0 : 3;
      const char* h = HETEROS[t.Entier(NB_HETEROS)];
      Etiquette(s, s.Cycles[k].Sommets[sommet], h, fonte, hauteur, std::string(h) == "HN" ? 1 : 0);
      std::vector<int> libres;
      for (int i = 0; i < 6; ++i)
        if (i != sommet) libres.push_back(i);
      Substituants(s, k, 1 + t.Entier(3), libres, t, liaison, hauteur, fonte);
      break;
    }
    default: {  // a zigzag chain with labels at its ends and maybe an atom inside
      const int n = 3 + t.Entier(3);
      const int debut = Ajoute_atome(s, c);
      const int ch = Ajoute_chaine(s, debut, 0, liaison, n, t.Pile(0.5));
      const std::vector<int>& at = s.Chaines[ch].Atomes;
      Pose_label(s, at.back(), s.Atomes[at[at.size() - 2]].P, s.Atomes[at.back()].P, t, hauteur, fonte);
      if (t.Pile(0.7))
        Pose_label(s, at.front(), s.Atomes[at[1]].P, s.Atomes[at.front()].P, t, hauteur, fonte);
      if (t.Pile(0.5)) {
        const int m = 1 + t.Entier(n - 1);
        Etiquette(s, at[m], t.Pile(0.5) ? "O" : (t.Pile(0.5) ? "S" : "N"), fonte, hauteur);
      }
      break;
    }
  }
  Cadre_et_degrade(s, hauteur, e, t);
  return s;
}

}  // namespace

void Cadre_et_degrade(Scene& s, double hauteur, const Echelle& e, Tirage& t) {
  // Room for the longest label on every side.
  const double marge = 4.5 * hauteur + 30;
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  for (const Atome& a : s.Atomes) {
    x0 = std::min(x0, a.P.x), y0 = std::min(y0, a.P.y);
    x1 = std::max(x1, a.P.x), y1 = std::max(y1, a.P.y);
  }
  for (Atome& a : s.Atomes) {
    a.P.x += marge - x0;
    a.P.y += marge - y0;
  }
  s.Largeur = static_cast<int>(std::ceil(x1 - x0 + 2 * marge));
  s.Hauteur = static_cast<int>(std::ceil(y1 - y0 + 2 * marge));
  if (e.Degrade) {
    s.Degrade.Rotation = std::round(10 * t.Entre(-e.Rotation, e.Rotation)) / 10;
    s.Degrade.Variation = e.Epaisseur0 < 3 ? 0.5 : 1.0;
    s.Degrade.Bruit = std::round(10000 * t.Entre(e.Bruit0, e.Bruit1)) / 10000;
    s.Degrade.Graine = t.Graine();
  }
}

Echelle Echelle_de(Style_jeu style) {
  const std::vector<Police> toutes = {Police::Sans,        Police::Sans2,    Police::Serif,
                                      Police::NimbusSans,  Police::NimbusSerif, Police::FreeSans,
                                      Police::SansGras,    Police::Sans2Gras, Police::NimbusSerifGras};
  switch (style) {
    case Style_jeu::Propre: return {80, 95, 3, 5, 24, 40, false, 0, 0, 0, toutes};
    case Style_jeu::Degrade: return {80, 95, 3, 5, 24, 40, true, 0.001, 0.003, 2.0, toutes};
    case Style_jeu::Reel:
      return {60, 72, 2, 4, 16, 26, true, 0.0, 0.001, 0.5,
              {Police::NimbusSerif, Police::NimbusSerif, Police::Serif, Police::Sans2, Police::NimbusSans,
               Police::NimbusSerifGras, Police::Sans2Gras}};
  }
  return {};
}

bool Lit_style(const std::string& nom, Style_jeu& style) {
  if (nom == "propre")
    style = Style_jeu::Propre;
  else if (nom == "degrade")
    style = Style_jeu::Degrade;
  else if (nom == "reel")
    style = Style_jeu::Reel;
  else
    return false;
  return true;
}

std::vector<Scene> Jeu_formules(uint32_t graine, int n, Style_jeu style, const std::string& prefixe) {
  Tirage t(graine);
  const Echelle e = Echelle_de(style);
  std::vector<Scene> jeu;
  for (int i = 0; i < n; ++i) {
    char nom[32];
    std::snprintf(nom, sizeof nom, "_%04d", i);
    jeu.push_back(Formule(t, e, prefixe + nom));
  }
  return jeu;
}
