#include "outils/mesures/comparaison_mol.h"

#include <GraphMol/FileParsers/FileParsers.h>
#include <GraphMol/GraphMol.h>
#include <GraphMol/MolOps.h>
#include <GraphMol/SmilesParse/SmilesParse.h>
#include <GraphMol/SmilesParse/SmilesWrite.h>
#include <RDGeneral/RDLog.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <istream>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>

namespace {

constexpr size_t MAX_LIGNE = 100000;  // bytes of a result line looked at
constexpr size_t MAX_SMILES = 10000;  // a longer SMILES is not a drawing's

void Silence_rdkit() {
  static const bool fait = [] {
    boost::logging::disable_logs("rdApp.*");
    return true;
  }();
  (void)fait;
}

// Letters that patent drawings use for generic groups and that RDKit reads
// as elements: Y, W, U, Ar, and D or T (hydrogen isotopes) inside a ring.
bool Generique(const RDKit::Atom& a) {
  const int z = a.getAtomicNum();
  return z == 0 || z == 39 || z == 74 || z == 92 || z == 18 || (z == 1 && a.getIsotope() > 0) ||
         a.hasProp("molFileAlias") ||
         a.hasProp("dummyLabel") || a.hasQuery();
}

// Every generic group becomes the plain dummy atom "*".
void Generiques_en_joker(RDKit::RWMol& m) {
  for (unsigned i = 0; i < m.getNumAtoms(); ++i) {
    const RDKit::Atom* a = m.getAtomWithIdx(i);
    if (!Generique(*a)) continue;
    RDKit::Atom joker(0);
    joker.setNoImplicit(true);
    m.replaceAtom(i, &joker);
  }
}

Empreinte Empreinte_de(RDKit::RWMol& m, bool assainie) {
  Empreinte e;
  if (!assainie) {
    m.updatePropertyCache(false);
    RDKit::MolOps::removeHs(m, false, false, false);
  }
  RDKit::MolOps::removeStereochemistry(m);
  e.Canonique = RDKit::MolToSmiles(m);
  std::vector<std::vector<int>> cycles;
  RDKit::MolOps::findSSSR(m, cycles);
  for (const auto& c : cycles) e.Cycles.push_back(static_cast<int>(c.size()));
  std::sort(e.Cycles.begin(), e.Cycles.end());
  for (const RDKit::Atom* a : m.atoms()) {
    const int z = a->getAtomicNum();
    if (z == 6 || z == 1) continue;
    e.Etiquettes.push_back(z == 0 ? "*" : a->getSymbol());
  }
  std::sort(e.Etiquettes.begin(), e.Etiquettes.end());
  RDKit::RWMol k(m);
  int aromatiques = 0;
  try {
    RDKit::MolOps::Kekulize(k);
  } catch (...) {
    k = m;
  }
  for (const RDKit::Bond* b : k.bonds()) {
    if (b->getBondType() == RDKit::Bond::DOUBLE) ++e.Doubles;
    if (b->getBondType() == RDKit::Bond::AROMATIC) ++aromatiques;
  }
  e.Doubles += aromatiques / 2;
  e.Lue = true;
  return e;
}

// Sanitises; when RDKit refuses, the molecule is kept as written.
bool Assainit(RDKit::RWMol& m) {
  try {
    RDKit::MolOps::sanitizeMol(m);
    return true;
  } catch (...) {
    return false;
  }
}

bool Imprimable(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c > ' ' && c < 127; });
}

std::string Sans_blancs(const std::string& s) {
  const size_t a = s.find_first_not_of(" \r\n\t");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \r\n\t") - a + 1);
}

std::string Contenu(const std::filesystem::path& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream o;
  o << f.rdbuf();
  return o.str();
}

double Pourcent(int n, int total) { return total > 0 ? 100.0 * n / total : 0.0; }

// The fingerprint of a molecule the library has just read (none when it
// could not): generic groups as one joker, hydrogens removed when it
// sanitises.
template <class Lecture>
Empreinte Empreinte_lue(Lecture&& lis) {
  Silence_rdkit();
  try {
    std::unique_ptr<RDKit::RWMol> m(lis());
    if (!m) return {};
    Generiques_en_joker(*m);
    const bool assainie = Assainit(*m);
    if (assainie) RDKit::MolOps::removeHs(*m);
    return Empreinte_de(*m, assainie);
  } catch (...) {
    return {};
  }
}

}  // namespace

Empreinte Empreinte_smiles(const std::string& smiles) {
  if (smiles.empty() || smiles.size() > MAX_SMILES || !Imprimable(smiles)) return {};
  return Empreinte_lue([&] { return RDKit::SmilesToMol(smiles, 0, false); });
}

Empreinte Empreinte_molfile(const std::string& texte) {
  return Empreinte_lue([&] { return RDKit::MolBlockToMol(texte, false, false); });
}

Resultat_lu Lit_resultat(std::istream& flux) {
  Resultat_lu r;
  std::string ligne;
  char c;
  while (ligne.size() < MAX_LIGNE && flux.get(c) && c != '\n') ligne.push_back(c);
  const size_t tab = ligne.find('\t');
  r.Smiles = Sans_blancs(ligne.substr(0, tab));
  if (tab == std::string::npos) return r;
  const size_t tab2 = ligne.find('\t', tab + 1);
  if (tab2 == std::string::npos) return r;
  const std::string champ = Sans_blancs(ligne.substr(tab2 + 1));
  if (champ.empty()) return r;
  char* fin = nullptr;
  const double v = std::strtod(champ.c_str(), &fin);
  if (fin != champ.c_str() && *fin == 0 && std::isfinite(v)) r.Confiance = std::clamp(v, 0.0, 1.0);
  return r;
}

Comparaison Compare(const Empreinte& verite, const Empreinte& resultat) {
  Comparaison c;
  if (!verite.Lue || !resultat.Lue) return c;
  c.Exacte = verite.Canonique == resultat.Canonique;
  c.Cycles = verite.Cycles == resultat.Cycles;
  c.Doubles = verite.Doubles == resultat.Doubles;
  c.Etiquettes = verite.Etiquettes == resultat.Etiquettes;
  return c;
}

Scores Mesure_molecules(const std::string& repertoire_verites, const std::string& repertoire_resultats,
                        const Options_mesure& options) {
  namespace fs = std::filesystem;
  Scores s;
  const std::string extension = options.Molfiles ? ".mol" : ".smi";
  const std::set<std::string> voulus(options.Noms.begin(), options.Noms.end());
  std::vector<std::string> noms;
  std::error_code ec;
  for (const fs::directory_entry& f : fs::directory_iterator(repertoire_verites, ec)) {
    if (!f.is_regular_file() || f.path().extension() != extension) continue;
    const std::string nom = f.path().stem().string();
    if (!options.Prefixe.empty() && nom.rfind(options.Prefixe, 0) != 0) continue;
    if (!options.Sauf_prefixe.empty() && nom.rfind(options.Sauf_prefixe, 0) == 0) continue;
    if (!voulus.empty() && !voulus.count(nom)) continue;
    noms.push_back(nom);
  }
  std::sort(noms.begin(), noms.end());
  for (const std::string& nom : noms) {
    const std::string texte = Contenu(fs::path(repertoire_verites) / (nom + extension));
    Empreinte v;
    if (options.Molfiles) {
      v = Empreinte_molfile(texte);
    } else {
      std::istringstream l(texte);
      v = Empreinte_smiles(Lit_resultat(l).Smiles);
    }
    if (!v.Lue) {
      ++s.Verites_illisibles;
      s.Illisibles.push_back(nom);
      continue;
    }
    ++s.Molecules;
    // NAME.smi, or NAME.EXT.smi as vrix-batch names the results of an image
    // whose extension is not .bmp.
    std::ifstream f(fs::path(repertoire_resultats) / (nom + ".smi"), std::ios::binary);
    for (const char* ext : {".png", ".tif", ".tiff", ".jpg", ".jpeg", ".pnm", ".pbm", ".pgm", ".ppm"})
      if (!f) f.open(fs::path(repertoire_resultats) / (nom + ext + ".smi"), std::ios::binary);
    const Resultat_lu r = f ? Lit_resultat(f) : Resultat_lu{};
    const Empreinte e = Empreinte_smiles(r.Smiles);
    const Comparaison c = Compare(v, e);
    s.Exactes += c.Exacte;
    s.Cycles += c.Cycles;
    s.Doubles += c.Doubles;
    s.Etiquettes += c.Etiquettes;
    if (!r.Smiles.empty()) {
      ++s.Lus;
      if (r.Confiance >= 0.5) {
        ++s.Hauts;
        s.Hauts_exacts += c.Exacte;
      } else {
        ++s.Bas;
        s.Bas_exacts += c.Exacte;
      }
    }
    if (!c.Exacte) s.Manques.push_back(Manque{nom, v.Canonique, e.Lue ? e.Canonique : "(" + r.Smiles + ")"});
  }
  return s;
}

void Ecrit_scores(const Scores& s, std::ostream& flux) {
  auto ligne = [&](const char* quoi, int n) {
    flux << std::left << std::setw(34) << quoi << std::right << std::setw(6) << n << std::setw(8) << std::fixed
         << std::setprecision(1) << Pourcent(n, s.Molecules) << " %\n";
  };
  flux << "molecules: " << s.Molecules << " (truths unreadable, left out: " << s.Verites_illisibles
       << "), results with a SMILES: " << s.Lus << "\n";
  flux << "generic groups (R, R1, X, dummy atoms, molfile aliases, R#) count as the same atom \"*\" on both sides\n";
  ligne("exact SMILES (stereo ignored)", s.Exactes);
  ligne("ring sizes", s.Cycles);
  ligne("double bonds (Kekule form)", s.Doubles);
  ligne("labels (heavy non-carbon atoms)", s.Etiquettes);
  flux << "confidence >= 0.5: " << s.Hauts << " results, " << s.Hauts_exacts << " exact (" << std::fixed
       << std::setprecision(1) << Pourcent(s.Hauts_exacts, s.Hauts) << " %)\n";
  flux << "confidence <  0.5: " << s.Bas << " results, " << s.Bas_exacts << " exact (" << std::fixed
       << std::setprecision(1) << Pourcent(s.Bas_exacts, s.Bas) << " %)\n";
}

void Ecrit_entete_scores(std::ostream& flux) {
  flux << "| set | molecules | exact | ring sizes | double bonds | labels | conf >= 0.5: n, exact | conf < 0.5: n, exact |\n"
       << "|---|---|---|---|---|---|---|---|\n";
}

void Ecrit_ligne_scores(const Scores& s, const std::string& titre, std::ostream& flux) {
  auto p = [&](int n, int total) {
    std::ostringstream o;
    o << std::fixed << std::setprecision(1) << Pourcent(n, total) << " %";
    return o.str();
  };
  flux << "| " << titre << " | " << s.Molecules << " | " << p(s.Exactes, s.Molecules) << " | "
       << p(s.Cycles, s.Molecules) << " | " << p(s.Doubles, s.Molecules) << " | " << p(s.Etiquettes, s.Molecules)
       << " | " << s.Hauts << ", " << p(s.Hauts_exacts, s.Hauts) << " | " << s.Bas << ", " << p(s.Bas_exacts, s.Bas)
       << " |\n";
}
