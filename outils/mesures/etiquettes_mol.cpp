#include "outils/mesures/etiquettes_mol.h"

#include <cmath>
#include <istream>
#include <map>
#include <set>
#include <sstream>

namespace {

struct Atome_mol {
  std::string Symbole;
  int Charge = 0;
  double Liaisons = 0;  // sum of bond orders
  std::string Alias;
  int Groupe_r = 0;  // R-group number of an "R#" atom
  bool Abrege = false;
};

// The usual valence of the elements whose hydrogens a drawing writes; 0 for
// the others (generic groups, metals), which are written bare.
int Valence(const std::string& e, int charge) {
  static const std::map<std::string, int> v = {{"N", 3}, {"P", 3}, {"O", 2}, {"S", 2}, {"Se", 2},
                                               {"B", 3}, {"F", 1}, {"Cl", 1}, {"Br", 1}, {"I", 1},
                                               {"Si", 4}, {"C", 4}};
  const auto i = v.find(e);
  if (i == v.end()) return 0;
  if (e == "B" || e == "C" || e == "Si") return i->second - std::abs(charge);
  return i->second + charge;
}

// Hydrogens of an element beyond its bonds: the smallest usual valence
// (2, 4, 6 for S; 3, 5 for N and P) that its bonds do not exceed.
int Hydrogenes(const Atome_mol& a) {
  const int v = Valence(a.Symbole, a.Charge);
  if (v <= 0) return 0;
  const int liens = static_cast<int>(std::floor(a.Liaisons + 1e-9));
  for (int plus = 0; plus <= 4; plus += 2)
    if (liens <= v + plus && (plus == 0 || a.Symbole == "S" || a.Symbole == "N" || a.Symbole == "P"))
      return v + plus - liens;
  return 0;
}

std::string Champ(const std::string& ligne, size_t debut, size_t longueur) {
  if (ligne.size() <= debut) return "";
  std::string c = ligne.substr(debut, longueur);
  const size_t a = c.find_first_not_of(' ');
  const size_t b = c.find_last_not_of(" \r");
  return a == std::string::npos ? "" : c.substr(a, b - a + 1);
}

}  // namespace

bool Lit_etiquettes_mol(std::istream& flux, std::vector<Etiquette_mol>& etiquettes, std::string& erreur) {
  std::vector<std::string> lignes;
  for (std::string l; std::getline(flux, l);) lignes.push_back(l);
  if (lignes.size() < 4 || lignes[3].find("V2000") == std::string::npos) {
    erreur = "not a V2000 molfile";
    return false;
  }
  const int na = std::atoi(Champ(lignes[3], 0, 3).c_str()), nl = std::atoi(Champ(lignes[3], 3, 3).c_str());
  if (na < 0 || nl < 0 || lignes.size() < 4u + na + nl) {
    erreur = "truncated molfile";
    return false;
  }
  std::vector<Atome_mol> atomes(na);
  static const int ANCIENNES_CHARGES[8] = {0, 3, 2, 1, 0, -1, -2, -3};
  for (int i = 0; i < na; ++i) {
    const std::string& l = lignes[4 + i];
    atomes[i].Symbole = Champ(l, 31, 3);
    const int c = std::atoi(Champ(l, 36, 3).c_str());
    if (c > 0 && c < 8) atomes[i].Charge = ANCIENNES_CHARGES[c];
  }
  for (int i = 0; i < nl; ++i) {
    const std::string& l = lignes[4 + na + i];
    const int a = std::atoi(Champ(l, 0, 3).c_str()) - 1, b = std::atoi(Champ(l, 3, 3).c_str()) - 1;
    const int ordre = std::atoi(Champ(l, 6, 3).c_str());
    const double o = ordre >= 1 && ordre <= 3 ? ordre : ordre == 4 ? 1.5 : 1;
    if (a >= 0 && a < na) atomes[a].Liaisons += o;
    if (b >= 0 && b < na) atomes[b].Liaisons += o;
  }
  // The properties block: charges, R-group numbers, aliases, superatoms.
  std::map<int, std::string> type_groupe, nom_groupe;
  std::map<int, std::vector<int>> atomes_groupe;
  bool charges_m = false;
  for (size_t k = 4 + na + nl; k < lignes.size(); ++k) {
    const std::string& l = lignes[k];
    std::istringstream in(l.size() > 6 ? l.substr(6) : "");
    const std::string cle = l.substr(0, std::min<size_t>(6, l.size()));
    if (cle == "M  END") break;
    if (l.rfind("A  ", 0) == 0 && k + 1 < lignes.size()) {
      const int a = std::atoi(l.substr(3).c_str()) - 1;
      if (a >= 0 && a < na) atomes[a].Alias = Champ(lignes[k + 1], 0, 80);
      ++k;
    } else if (cle == "M  CHG" || cle == "M  RGP") {
      int n = 0;
      in >> n;
      if (cle == "M  CHG" && !charges_m) {
        for (Atome_mol& a : atomes) a.Charge = 0;  // the block replaces the atom lines' charges
        charges_m = true;
      }
      for (int j = 0; j < n; ++j) {
        int a = 0, v = 0;
        if (!(in >> a >> v) || a < 1 || a > na) break;
        (cle == "M  CHG" ? atomes[a - 1].Charge : atomes[a - 1].Groupe_r) = v;
      }
    } else if (cle == "M  STY") {
      int n = 0;
      in >> n;
      for (int j = 0; j < n; ++j) {
        int g = 0;
        std::string t;
        if (!(in >> g >> t)) break;
        type_groupe[g] = t;
      }
    } else if (cle == "M  SAL") {
      int g = 0, n = 0;
      in >> g >> n;
      for (int j = 0, a = 0; j < n && in >> a; ++j) atomes_groupe[g].push_back(a - 1);
    } else if (cle == "M  SMT") {
      int g = 0;
      in >> g;
      std::string t;
      std::getline(in >> std::ws, t);
      while (!t.empty() && (t.back() == '\r' || t.back() == ' ')) t.pop_back();
      nom_groupe[g] = t;
    }
  }
  etiquettes.clear();
  for (const auto& [g, type] : type_groupe) {
    if (type != "SUP") continue;
    for (int a : atomes_groupe[g])
      if (a >= 0 && a < na) atomes[a].Abrege = true;
    if (!nom_groupe[g].empty()) etiquettes.push_back({nom_groupe[g], {nom_groupe[g]}});
  }
  for (const Atome_mol& a : atomes) {
    if (a.Abrege) continue;
    if (!a.Alias.empty()) {
      etiquettes.push_back({a.Alias, {a.Alias}});
      continue;
    }
    if (a.Symbole == "C" && a.Charge == 0) continue;
    std::string e = a.Symbole == "R#" ? "R" + (a.Groupe_r > 0 ? std::to_string(a.Groupe_r) : "") : a.Symbole;
    const int h = Hydrogenes(a);
    const std::string hs = h == 0 ? "" : h == 1 ? "H" : "H" + std::to_string(h);
    std::string charge;
    if (a.Charge != 0) {
      charge = std::abs(a.Charge) > 1 ? std::to_string(std::abs(a.Charge)) : "";
      charge += a.Charge > 0 ? "+" : "-";
    }
    Etiquette_mol m{e + hs + charge, {e + hs + charge}};
    if (!hs.empty()) m.Formes.push_back(hs + e + charge);
    etiquettes.push_back(m);
  }
  return true;
}
