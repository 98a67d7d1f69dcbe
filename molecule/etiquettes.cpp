// Labels to fragments. Reads a label's text, returns the atoms and bonds it
// stands for: first a whole-label table (the chemistry library's own
// abbreviations, then ours with their writings reversed for the left of a
// bond), then generic groups, then a condensed formula read left to right.
// Text none of these understand becomes one placeholder atom named after it.
#include "molecule/etiquettes.h"

#include <GraphMol/Abbreviations/Abbreviations.h>
#include <GraphMol/MolOps.h>
#include <GraphMol/RWMol.h>
#include <GraphMol/SmilesParse/SmilesParse.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>

namespace {

// Longest text read as a formula, deepest parentheses, largest subscript,
// most atoms of one fragment: past them the text is not a label.
constexpr size_t Texte_max = 64;
constexpr int Profondeur_max = 4;
constexpr int Indice_max = 20;
constexpr size_t Atomes_max = 200;

const char* const Symboles[] = {
    "",   "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si",
    "P",  "S",  "Cl", "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu",
    "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru",
    "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "La", "Ce", "Pr",
    "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",
    "Re", "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac",
    "Th", "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf",
    "Db", "Sg", "Bh", "Hs", "Mt", "Ds", "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og"};
constexpr int Nb_symboles = sizeof(Symboles) / sizeof(Symboles[0]);

int Numero_de(const std::string& s) {
  for (int z = 1; z < Nb_symboles; ++z)
    if (s == Symboles[z]) return z;
  return 0;
}

bool Monovalent(int z) { return z == 1 || z == 9 || z == 17 || z == 35 || z == 53; }

// Highest valence an atom of a condensed formula is given when orders are
// raised; 0: never raised.
int Valence_max(int z, int charge) {
  int v = 0;
  switch (z) {
    case 1: case 9: case 17: case 35: case 53: v = 1; break;
    case 5: v = 3; break;
    case 6: case 14: v = 4; break;
    case 7: case 15: v = z == 7 ? 3 : 5; break;
    case 8: v = 2; break;
    case 16: case 34: v = 6; break;
    default: return 0;
  }
  if (z == 5 || z == 6 || z == 14) return v - std::abs(charge);
  return std::max(0, v + charge);
}

// Subscripts, superscript signs, the minus sign and primes to ASCII; spaces
// dropped.
std::string Normalise(const std::string& texte) {
  std::string r;
  for (size_t i = 0; i < texte.size(); ++i) {
    unsigned char c = texte[i];
    if (c == ' ' || c == '\t') continue;
    // No subscript is a zero: a "0" is an O read as a digit.
    if (c == '0') c = 'O';
    if (c == 0xE2 && i + 2 < texte.size()) {
      unsigned char b = texte[i + 1], d = texte[i + 2];
      char rempl = 0;
      if (b == 0x82 && d >= 0x80 && d <= 0x89) rempl = char('0' + (d - 0x80));
      else if (b == 0x81 && d == 0xBA) rempl = '+';
      else if (b == 0x81 && d == 0xBB) rempl = '-';
      else if (b == 0x88 && d == 0x92) rempl = '-';
      else if (b == 0x80 && d == 0xB2) rempl = '\'';
      else if (b == 0x89 && d == 0xA1) rempl = '#';
      if (rempl) {
        r += rempl;
        i += 2;
        continue;
      }
    }
    r += char(c);
  }
  return r;
}

std::string Sans_balises(std::string s) {
  for (const char* b : {"<sub>", "</sub>", "<sup>", "</sup>"}) {
    for (size_t p; (p = s.find(b)) != std::string::npos;) s.erase(p, std::string(b).size());
  }
  return s;
}

// The atoms and bonds of a SMILES (or SMARTS) whose first atom is the one
// attached, rings written with alternating single and double bonds.
Fragment Depuis_rdkit(const std::string& ecrit, bool smarts) {
  Fragment f;
  std::unique_ptr<RDKit::RWMol> m;
  try {
    m.reset(smarts ? RDKit::SmartsToMol(ecrit) : RDKit::SmilesToMol(ecrit));
    if (m && !smarts) RDKit::MolOps::Kekulize(*m, true);
  } catch (...) {
    m.reset();
  }
  if (!m || m->getNumAtoms() == 0) return f;
  for (const auto* a : m->atoms()) {
    Atome_etiquette at;
    at.Numero = int(a->getAtomicNum());
    at.Charge = a->getFormalCharge();
    f.Atomes.push_back(at);
  }
  for (const auto* b : m->bonds()) {
    Liaison_etiquette l;
    l.A = int(b->getBeginAtomIdx());
    l.B = int(b->getEndAtomIdx());
    l.Ordre = b->getBondType() == RDKit::Bond::DOUBLE ? 2 : b->getBondType() == RDKit::Bond::TRIPLE ? 3 : 1;
    f.Liaisons.push_back(l);
  }
  f.Attache = 0;
  return f;
}

// Our abbreviations, the attached atom first; reversed writings beside them.
const std::pair<const char*, const char*> Abreviations_propres[] = {
    {"COOH", "C(=O)O"}, {"CO2H", "C(=O)O"}, {"HOOC", "C(=O)O"}, {"HO2C", "C(=O)O"},
    {"OMe", "OC"}, {"MeO", "OC"}, {"OEt", "OCC"}, {"EtO", "OCC"},
    {"CF3", "C(F)(F)F"}, {"F3C", "C(F)(F)F"}, {"CCl3", "C(Cl)(Cl)Cl"}, {"Cl3C", "C(Cl)(Cl)Cl"},
    {"OCF3", "OC(F)(F)F"}, {"F3CO", "OC(F)(F)F"},
    {"NO2", "[N+](=O)[O-]"}, {"O2N", "[N+](=O)[O-]"}, {"CN", "C#N"}, {"NC", "C#N"},
    {"Ph", "c1ccccc1"}, {"Me", "C"}, {"Et", "CC"}, {"Pr", "CCC"}, {"nPr", "CCC"},
    {"iPr", "C(C)C"}, {"i-Pr", "C(C)C"}, {"Bu", "CCCC"}, {"nBu", "CCCC"}, {"n-Bu", "CCCC"},
    {"tBu", "C(C)(C)C"}, {"t-Bu", "C(C)(C)C"}, {"iBu", "CC(C)C"}, {"sBu", "C(C)CC"},
    {"Ac", "C(C)=O"}, {"OAc", "OC(C)=O"}, {"AcO", "OC(C)=O"}, {"CHO", "C=O"}, {"OHC", "C=O"},
    {"SO3H", "S(=O)(=O)O"}, {"HO3S", "S(=O)(=O)O"}, {"NHAc", "NC(C)=O"}, {"AcNH", "NC(C)=O"},
    {"AcHN", "NC(C)=O"}, {"CO2Me", "C(=O)OC"}, {"COOMe", "C(=O)OC"}, {"MeO2C", "C(=O)OC"},
    {"MeOOC", "C(=O)OC"}, {"CO2Et", "C(=O)OCC"}, {"COOEt", "C(=O)OCC"}, {"EtO2C", "C(=O)OCC"},
    {"EtOOC", "C(=O)OCC"}, {"Bn", "Cc1ccccc1"}, {"Bz", "C(=O)c1ccccc1"},
    {"Boc", "C(=O)OC(C)(C)C"}, {"NHBoc", "NC(=O)OC(C)(C)C"}, {"BocHN", "NC(=O)OC(C)(C)C"},
    {"BocNH", "NC(=O)OC(C)(C)C"}, {"Cbz", "C(=O)OCc1ccccc1"},
    {"Ts", "S(=O)(=O)c1ccc(C)cc1"}, {"Tos", "S(=O)(=O)c1ccc(C)cc1"},
    {"Ms", "S(C)(=O)=O"}, {"Tf", "S(=O)(=O)C(F)(F)F"},
    {"OTs", "OS(=O)(=O)c1ccc(C)cc1"}, {"TsO", "OS(=O)(=O)c1ccc(C)cc1"},
    {"OMs", "OS(C)(=O)=O"}, {"MsO", "OS(C)(=O)=O"}, {"OTf", "OS(=O)(=O)C(F)(F)F"},
    {"TfO", "OS(=O)(=O)C(F)(F)F"}, {"TMS", "[Si](C)(C)C"}, {"TBS", "[Si](C)(C)C(C)(C)C"},
    {"TBDMS", "[Si](C)(C)C(C)(C)C"}, {"OTBS", "O[Si](C)(C)C(C)(C)C"},
    {"TBSO", "O[Si](C)(C)C(C)(C)C"}, {"SMe", "SC"}, {"MeS", "SC"},
    {"NMe2", "N(C)C"}, {"Me2N", "N(C)C"}, {"NEt2", "N(CC)CC"}, {"Et2N", "N(CC)CC"},
    {"NHMe", "NC"}, {"MeHN", "NC"}, {"MeNH", "NC"}, {"CONH2", "C(N)=O"}, {"H2NOC", "C(N)=O"},
    {"H2NCO", "C(N)=O"}, {"OPh", "Oc1ccccc1"}, {"PhO", "Oc1ccccc1"}, {"OBn", "OCc1ccccc1"},
    {"BnO", "OCc1ccccc1"}, {"SO2Me", "S(C)(=O)=O"}, {"MeO2S", "S(C)(=O)=O"},
    {"MeSO2", "S(C)(=O)=O"}, {"SO2NH2", "S(N)(=O)=O"}, {"H2NO2S", "S(N)(=O)=O"},
    {"N3", "N=[N+]=[N-]"}, {"OCN", "OC#N"}, {"SCN", "SC#N"}, {"NCS", "N=C=S"},
};

// Readings of the library's list overridden because drawings mean
// otherwise: "NC" on the left of a bond is a nitrile.
const char* const Remplacees[] = {"NC"};

const std::map<std::string, Fragment>& Table_etiquettes() {
  static const std::map<std::string, Fragment> table = [] {
    std::map<std::string, Fragment> t;
    for (const auto& [texte, smiles] : Abreviations_propres)
      for (const char* r : Remplacees)
        if (std::string(texte) == r) t.emplace(texte, Depuis_rdkit(smiles, false));
    try {
      for (const auto& a : RDKit::Abbreviations::Utils::getDefaultAbbreviations()) {
        Fragment f = Depuis_rdkit(a.smarts, true);
        if (f.Atomes.empty()) continue;
        for (const std::string& ecrit : {a.label, Sans_balises(a.displayLabel), Sans_balises(a.displayLabelW)})
          if (!ecrit.empty()) t.emplace(ecrit, f);
      }
    } catch (...) {
    }
    for (const auto& [texte, smiles] : Abreviations_propres) {
      if (t.count(texte)) continue;
      Fragment f = Depuis_rdkit(smiles, false);
      if (!f.Atomes.empty()) t.emplace(texte, f);
    }
    return t;
  }();
  return table;
}

// Groups written inside a formula (OMe, NHAc, CH2Ph...): the attached atom first.
const std::pair<const char*, const char*> Groupes_formule[] = {
    {"Me", "C"}, {"Et", "CC"}, {"nPr", "CCC"}, {"iPr", "C(C)C"}, {"Pr", "CCC"},
    {"nBu", "CCCC"}, {"tBu", "C(C)(C)C"}, {"iBu", "CC(C)C"}, {"sBu", "C(C)CC"}, {"Bu", "CCCC"},
    {"Ph", "c1ccccc1"}, {"Bn", "Cc1ccccc1"}, {"Bz", "C(=O)c1ccccc1"}, {"Ac", "C(C)=O"},
    {"Boc", "C(=O)OC(C)(C)C"}, {"Cbz", "C(=O)OCc1ccccc1"}, {"Ts", "S(=O)(=O)c1ccc(C)cc1"},
    {"Ms", "S(C)(=O)=O"}, {"Tf", "S(=O)(=O)C(F)(F)F"}, {"TMS", "[Si](C)(C)C"},
    {"TBS", "[Si](C)(C)C(C)(C)C"},
};

const std::vector<std::pair<std::string, Fragment>>& Table_groupes() {
  static const std::vector<std::pair<std::string, Fragment>> table = [] {
    std::vector<std::pair<std::string, Fragment>> t;
    for (const auto& [texte, smiles] : Groupes_formule) t.emplace_back(texte, Depuis_rdkit(smiles, false));
    // Longest writing first, so that "tBu" is not read as "t" then "Bu".
    std::stable_sort(t.begin(), t.end(), [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    return t;
  }();
  return table;
}

// R, R1, R', R'', X, X2, Y, Z, Ar, Ar1, Het, Alk, Hal, at position i: its length, 0 if none.
size_t Generique_en(const std::string& t, size_t i) {
  size_t n = 0;
  for (const char* tete : {"Het", "Alk", "Hal", "Ar", "R", "X", "Y", "Z"}) {
    std::string s(tete);
    if (t.compare(i, s.size(), s) == 0) {
      n = s.size();
      break;
    }
  }
  if (n == 0) return 0;
  // A lowercase letter after it makes another symbol (Rb, Xe, Zn...).
  if (i + n < t.size() && std::islower(static_cast<unsigned char>(t[i + n]))) return 0;
  size_t j = i + n;
  while (j < t.size() && j - i - n < 3 && std::isdigit(static_cast<unsigned char>(t[j]))) ++j;
  while (j < t.size() && t[j] == '\'') ++j;
  return j - i;
}

// A condensed formula read left to right. Each atom of valence above one
// joins the last such atom (the chain); hydrogens, halogens and generic
// groups hang on it; what is written before the first chain atom (HO, H3C,
// F3C, RO) hangs on that atom. A subscript after a chain atom repeats it on
// the same predecessor (CO2H: two oxygens on the carbon, the hydrogen on the
// last). Parentheses hold a branch, repeated by their subscript.
struct Lecteur {
  const std::string& t;
  size_t i = 0;
  Fragment f;
  int courant = -1;             // the last chain atom
  int tete = -1;                // the first chain atom
  std::vector<int> en_attente;  // atoms written before the first chain atom
  int h_en_attente = 0;
  int ordre_suivant = 1;        // set by '=' or '#'
  bool erreur = false;

  explicit Lecteur(const std::string& texte) : t(texte) {}

  int Indice() {
    size_t j = i;
    while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j])) && j - i < 3) ++j;
    if (j == i) return 1;
    int n = std::atoi(t.substr(i, j - i).c_str());
    i = j;
    if (n < 1 || n > Indice_max) erreur = true;
    return n;
  }
  void Lie(int a, int b) {
    f.Liaisons.push_back({a, b, ordre_suivant});
    ordre_suivant = 1;
  }
  int Ajoute(const Atome_etiquette& a) {
    f.Atomes.push_back(a);
    if (f.Atomes.size() > Atomes_max) erreur = true;
    return int(f.Atomes.size()) - 1;
  }
  // A new chain atom: joins the chain, or starts it and takes what waited.
  void Chaine(int k) {
    if (courant >= 0) {
      Lie(courant, k);
    } else {
      tete = k;
      for (int a : en_attente) Lie(k, a);
      en_attente.clear();
      if (h_en_attente) f.Atomes[k].Hydrogenes = std::max(0, f.Atomes[k].Hydrogenes) + h_en_attente;
      h_en_attente = 0;
    }
    courant = k;
  }
  void Pend(int k) {
    f.Atomes[k].Pendant = true;
    if (courant >= 0) Lie(courant, k);
    else en_attente.push_back(k);
  }
  // Copies a fragment in, returns the index of its first atom.
  int Copie(const Fragment& g, int debut, int fin) {
    int base = int(f.Atomes.size());
    for (size_t k = 0; k < g.Atomes.size(); ++k) {
      Atome_etiquette a = g.Atomes[k];
      a.Debut = debut;
      a.Fin = fin;
      a.Pendant = k != 0 || a.Pendant;
      Ajoute(a);
    }
    for (const auto& l : g.Liaisons) f.Liaisons.push_back({l.A + base, l.B + base, l.Ordre});
    return base;
  }

  void Lit(int profondeur) {
    while (i < t.size() && !erreur) {
      char c = t[i];
      size_t debut = i;
      if (c == ')') return;
      if (c == '=' || c == '#') {
        ordre_suivant = c == '=' ? 2 : 3;
        ++i;
        continue;
      }
      if (c == '+' || c == '-') {
        int signe = c == '+' ? 1 : -1;
        ++i;
        int n = 1;
        if (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) n = Indice();
        int cible = courant >= 0 ? courant : int(f.Atomes.size()) - 1;
        if (cible < 0) { erreur = true; return; }
        f.Atomes[cible].Charge += signe * n;
        continue;
      }
      if (c == '(') {
        if (profondeur >= Profondeur_max || courant < 0) { erreur = true; return; }
        ++i;
        Lecteur sous(t);
        sous.i = i;
        sous.Lit(profondeur + 1);
        if (sous.erreur || sous.i >= t.size() || t[sous.i] != ')' || sous.tete < 0 || !sous.en_attente.empty()) {
          erreur = true;
          return;
        }
        i = sous.i + 1;
        int n = Indice();
        for (int r = 0; r < n && !erreur; ++r) {
          int base = int(f.Atomes.size());
          for (const auto& a : sous.f.Atomes) Ajoute(a);
          for (const auto& l : sous.f.Liaisons) f.Liaisons.push_back({l.A + base, l.B + base, l.Ordre});
          Lie(courant, base + sous.tete);
        }
        continue;
      }
      if (c == 'H' && !(i + 1 < t.size() && std::islower(static_cast<unsigned char>(t[i + 1])))) {
        ++i;
        int n = Indice();
        if (courant >= 0) f.Atomes[courant].Hydrogenes = std::max(0, f.Atomes[courant].Hydrogenes) + n;
        else h_en_attente += n;
        continue;
      }
      bool trouve = false;
      for (const auto& [ecrit, g] : Table_groupes()) {
        if (t.compare(i, ecrit.size(), ecrit) != 0 || g.Atomes.empty()) continue;
        // A two-letter element that happens to begin the same way stays an element.
        i += ecrit.size();
        int n = Indice();
        for (int r = 0; r < n && !erreur; ++r) {
          int k = Copie(g, int(debut), int(i));
          if (n == 1) Chaine(k);
          else if (courant >= 0) Lie(courant, k);
          else en_attente.push_back(k);
        }
        trouve = true;
        break;
      }
      if (trouve) continue;
      if (size_t lg = Generique_en(t, i)) {
        Atome_etiquette a;
        a.Numero = 0;
        a.Nom = t.substr(i, lg);
        i += lg;
        a.Debut = int(debut);
        a.Fin = int(i);
        Pend(Ajoute(a));
        continue;
      }
      if (std::isupper(static_cast<unsigned char>(c))) {
        int z = 0;
        if (i + 1 < t.size() && std::islower(static_cast<unsigned char>(t[i + 1]))) {
          z = Numero_de(t.substr(i, 2));
          if (z) i += 2;
        }
        if (!z) {
          z = Numero_de(t.substr(i, 1));
          if (!z) { erreur = true; return; }
          ++i;
        }
        int n = Indice();
        const int avant = courant;
        for (int r = 0; r < n && !erreur; ++r) {
          Atome_etiquette a;
          a.Numero = z;
          a.Debut = int(debut);
          a.Fin = int(i);
          int k = Ajoute(a);
          if (Monovalent(z)) {
            Pend(k);
          } else if (n == 1) {
            Chaine(k);
          } else if (avant >= 0) {
            Lie(avant, k);
            courant = k;
          } else {
            en_attente.push_back(k);
          }
        }
        continue;
      }
      erreur = true;
    }
  }
};

Fragment Lit_formule(const std::string& t) {
  Lecteur l(t);
  l.Lit(0);
  if (l.erreur || l.i != t.size()) return {};
  Fragment& f = l.f;
  if (l.tete < 0) {
    // Nothing of valence above one: a lone atom (Cl, F, H, R1) or nothing.
    if (f.Atomes.size() == 1) {
      f.Atomes[0].Pendant = false;
      if (l.h_en_attente) f.Atomes[0].Hydrogenes = l.h_en_attente;
    } else if (f.Atomes.empty() && l.h_en_attente == 1) {
      Atome_etiquette h;
      h.Numero = 1;
      h.Fin = int(t.size());
      f.Atomes.push_back(h);
    } else {
      return {};
    }
  }
  if (f.Atomes.empty()) return {};
  f.Ordres_libres = true;
  return f;
}

}  // namespace

Fragment Lit_etiquette(const std::string& texte) {
  const std::string t = Normalise(texte);
  Fragment f;
  if (t.empty()) {
    f.Atomes.push_back({});
    return f;
  }
  if (t.size() <= Texte_max) {
    const auto& table = Table_etiquettes();
    auto it = table.find(t);
    if (it != table.end()) {
      f = it->second;
    } else if (Generique_en(t, 0) == t.size()) {
      Atome_etiquette a;
      a.Numero = 0;
      a.Nom = t;
      a.Fin = int(t.size());
      f.Atomes.push_back(a);
      f.Generique = true;
    } else {
      f = Lit_formule(t);
    }
  }
  if (f.Atomes.empty()) {
    Atome_etiquette a;
    a.Numero = 0;
    a.Nom = texte.substr(0, 256);
    a.Fin = int(t.size());
    f = Fragment{};
    f.Atomes.push_back(a);
    f.Connue = false;
  }
  f.Longueur = int(t.size());
  return f;
}

int Atome_vise(const Fragment& f, double caractere) {
  const int n = int(f.Atomes.size());
  if (n == 0) return 0;
  if (f.Attache >= 0 && f.Attache < n) return f.Attache;
  if (!std::isfinite(caractere)) caractere = 0;
  int meilleur = -1;
  double ecart_min = 0;
  for (int passe = 0; passe < 2 && meilleur < 0; ++passe) {
    for (int k = 0; k < n; ++k) {
      const auto& a = f.Atomes[k];
      if (passe == 0 && a.Pendant) continue;
      double ecart = caractere < a.Debut ? a.Debut - caractere : caractere > a.Fin ? caractere - a.Fin : 0;
      if (meilleur < 0 || ecart < ecart_min) {
        meilleur = k;
        ecart_min = ecart;
      }
    }
  }
  return meilleur;
}

void Complete_ordres(Fragment& f, const std::vector<int>& valence_externe) {
  if (!f.Ordres_libres) return;
  const size_t n = f.Atomes.size();
  std::vector<int> manque(n);
  for (size_t k = 0; k < n; ++k) {
    const auto& a = f.Atomes[k];
    int utilise = std::max(0, a.Hydrogenes) + (k < valence_externe.size() ? valence_externe[k] : 0);
    manque[k] = Valence_max(a.Numero, a.Charge) - utilise;
  }
  for (const auto& l : f.Liaisons)
    if (l.A >= 0 && size_t(l.A) < n && l.B >= 0 && size_t(l.B) < n) {
      manque[l.A] -= l.Ordre;
      manque[l.B] -= l.Ordre;
    }
  for (auto& l : f.Liaisons) {
    if (l.A < 0 || size_t(l.A) >= n || l.B < 0 || size_t(l.B) >= n) continue;
    while (l.Ordre < 3 && manque[l.A] > 0 && manque[l.B] > 0) {
      ++l.Ordre;
      --manque[l.A];
      --manque[l.B];
    }
  }
}
