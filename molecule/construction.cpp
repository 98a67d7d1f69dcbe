// Construit_molecule: reads a Graphe_lu (atoms, labels, bonds as drawn),
// returns the molecule checked by the chemistry library, written as Molfile
// V2000 and canonical SMILES, with its confidence. A structure the library
// refuses is kept as built and written anyway, the reason in Probleme.
// Nothing is thrown out of it, whatever the graph holds.
//
// Confidence, from 0 to 1: 0 for a graph without atoms; otherwise 1,
// multiplied once per fault the chain itself knows of:
//   0.8  per label read with doubt or with characters not read (Douteuse);
//   0.5  per label whose text is not understood (kept as a placeholder atom);
//   0.9  per stroke end left ambiguous by the extraction (Bouts_ambigus);
//   0.9  per bond refused or mended (index out of range, both ends on one
//        atom, a second bond between the same two atoms, order outside 1..3);
//   0.9  per bond shorter than 0.3 or longer than 3 times the median length;
//   0.6  per problem the library finds (an atom over its valence, a ring it
//        cannot write with alternating bonds...);
//   0.6  per atom with more bonds than its element can take at all;
//   0.5  once when the library refuses the structure.
// Every fault only lowers it, so it is monotone in each count.
#include "molecule/molecule.h"

#include <GraphMol/Conformer.h>
#include <GraphMol/FileParsers/FileParsers.h>
#include <GraphMol/MolOps.h>
#include <GraphMol/PeriodicTable.h>
#include <GraphMol/RWMol.h>
#include <GraphMol/SanitException.h>
#include <GraphMol/SmilesParse/SmilesWrite.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_set>
#include <vector>

#include "molecule/etiquettes.h"

namespace {

// Elements whose hydrogens the chemistry completes from their usual valence.
bool Valence_usuelle(int numero) {
  switch (numero) {
    case 5: case 6: case 7: case 8: case 9: case 15: case 16: case 17: case 35: case 53:
      return true;
    default:
      return false;
  }
}

struct Liaison_retenue {
  int A = 0, B = 0;        // atoms of the graph
  int Vise_A = 0, Vise_B = 0;  // atoms of their fragments the bond takes
  int Ordre = 1;
  bool Aromatique = false;
  Point_lu Bout_A, Bout_B;
};

struct Fautes {
  int douteuses = 0, inconnues = 0, ambigus = 0, liaisons = 0, longueurs = 0;
  int problemes = 0, degres = 0;
  bool refusee = false;
};

bool Fini(const Point_lu& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

double Distance(const Point_lu& a, const Point_lu& b) { return std::hypot(a.x - b.x, a.y - b.y); }

double Mediane(std::vector<double> v) {
  if (v.empty()) return 0;
  auto milieu = v.begin() + v.size() / 2;
  std::nth_element(v.begin(), milieu, v.end());
  return *milieu;
}

// The bonds kept: both ends in range and distinct, one bond per pair of
// atoms (the first drawn), orders brought into 1..3.
std::vector<Liaison_retenue> Liaisons_valides(const Graphe_lu& g, int& fautes) {
  std::vector<Liaison_retenue> r;
  std::unordered_set<uint64_t> vues;
  const int64_t n = int64_t(g.Atomes.size());
  for (const auto& l : g.Liaisons) {
    if (l.A < 0 || l.B < 0 || l.A >= n || l.B >= n || l.A == l.B) {
      ++fautes;
      continue;
    }
    uint64_t cle = (uint64_t(std::min(l.A, l.B)) << 32) | uint64_t(std::max(l.A, l.B));
    if (!vues.insert(cle).second) {
      ++fautes;
      continue;
    }
    Liaison_retenue lr;
    lr.A = l.A;
    lr.B = l.B;
    lr.Aromatique = l.Aromatique;
    lr.Ordre = std::clamp(l.Ordre, 1, 3);
    if (lr.Ordre != l.Ordre && !l.Aromatique) ++fautes;
    lr.Bout_A = l.Bout_A;
    lr.Bout_B = l.Bout_B;
    r.push_back(lr);
  }
  return r;
}

// The character of a label a bond's end points at, from the end's abscissa
// within the label's box: left of the box is its first character, right of
// it past its last.
double Caractere_vise(const Atome_lu& a, const Point_lu& bout, int longueur) {
  if (longueur <= 0) return 0;
  double largeur = double(a.xmax) - double(a.xmin);
  if (!(largeur > 0) || !std::isfinite(bout.x)) return longueur / 2.0;
  return std::clamp((bout.x - a.xmin) / largeur, 0.0, 1.0) * longueur;
}

// Most bonds an element can take at all (its highest valence, one more per
// unit of charge); any number up to 8 for placeholders and unknown elements.
int Degre_max(const RDKit::Atom& a) {
  int z = int(a.getAtomicNum());
  if (z <= 0) return 8;
  int v = -1;
  try {
    for (int x : RDKit::PeriodicTable::getTable()->getValenceList(z)) v = std::max(v, x);
  } catch (...) {
  }
  if (v < 0) return 8;
  return v + std::abs(a.getFormalCharge());
}

RDKit::Bond::BondType Type_de(int ordre) {
  return ordre == 3 ? RDKit::Bond::TRIPLE : ordre == 2 ? RDKit::Bond::DOUBLE : RDKit::Bond::SINGLE;
}

// A nitro group or an N-oxide drawn "N+" whose "O-" lost its sign: the lone
// oxygen single-bonded to a positive nitrogen that also holds a double bond
// to an oxygen carries the negative charge. A nitrogen with both signs lost
// (four bonds, so written neutral) gets its own back.
void Equilibre_charges(RDKit::RWMol& mol) {
  for (auto* n : mol.atoms()) {
    if (n->getAtomicNum() != 7 || n->getFormalCharge() < 0 || n->getFormalCharge() > 1) continue;
    if (n->getFormalCharge() == 0) {
      double valence = 0;
      for (const auto* b : mol.atomBonds(n)) valence += b->getValenceContrib(n);
      if (valence != 4) continue;
    }
    bool double_o = false;
    RDKit::Atom* seul = nullptr;
    for (const auto* b : mol.atomBonds(n)) {
      RDKit::Atom* o = b->getOtherAtom(n);
      if (o->getAtomicNum() != 8) continue;
      if (b->getBondType() == RDKit::Bond::DOUBLE) double_o = true;
      if (b->getBondType() == RDKit::Bond::SINGLE && o->getDegree() == 1 && o->getFormalCharge() == 0) seul = o;
      if (o->getFormalCharge() == -1) seul = nullptr, double_o = false;
    }
    if (!double_o || !seul) continue;
    n->setFormalCharge(1);
    seul->setFormalCharge(-1);
    seul->setNumExplicitHs(0);
    seul->setNoImplicit(true);
  }
}

// Sanitises in place. When the full check fails, the reason goes to
// Probleme and the molecule keeps what the library could still do without
// the failed step (valences, then also the alternating bonds of rings).
void Verifie(RDKit::RWMol& mol, Molecule_lue& m, Fautes& fautes) {
  try {
    RDKit::RWMol essai(mol);
    RDKit::MolOps::sanitizeMol(essai);
    mol = essai;
    return;
  } catch (const std::exception& e) {
    fautes.refusee = true;
    m.Probleme = e.what();
  }
  // A ring drawn with a circle around an "N" written without its hydrogen
  // (pyrrole, indole): the first such nitrogen that makes the ring writable
  // with alternating bonds gets one.
  int essais = 0;
  for (auto* at : mol.atoms()) {
    if (at->getAtomicNum() != 7 || !at->getIsAromatic() || at->getDegree() != 2 || at->getNumExplicitHs() ||
        at->getFormalCharge() || essais >= 8)
      continue;
    ++essais;
    try {
      RDKit::RWMol essai(mol);
      essai.getAtomWithIdx(at->getIdx())->setNumExplicitHs(1);
      RDKit::MolOps::sanitizeMol(essai);
      mol = essai;
      fautes.refusee = false;
      m.Probleme.clear();
      return;
    } catch (...) {
    }
  }
  // Every problem the library finds, not only the first.
  try {
    auto problemes = RDKit::MolOps::detectChemistryProblems(mol);
    if (!problemes.empty()) m.Probleme.clear();
    fautes.problemes = int(problemes.size());
    for (size_t k = 0; k < problemes.size() && k < 3; ++k) {
      if (!m.Probleme.empty()) m.Probleme += "; ";
      m.Probleme += problemes[k]->what();
    }
    if (problemes.size() > 3) m.Probleme += "; ...";
  } catch (...) {
  }
  if (m.Probleme.empty()) m.Probleme = "structure refused";
  const unsigned int tout = RDKit::MolOps::SANITIZE_ALL;
  const unsigned int partiels[] = {
      tout ^ RDKit::MolOps::SANITIZE_PROPERTIES,
      tout ^ RDKit::MolOps::SANITIZE_PROPERTIES ^ RDKit::MolOps::SANITIZE_KEKULIZE ^
          RDKit::MolOps::SANITIZE_SETAROMATICITY};
  for (unsigned int ops : partiels) {
    try {
      RDKit::RWMol essai(mol);
      essai.updatePropertyCache(false);
      unsigned int echec = 0;
      RDKit::MolOps::sanitizeMol(essai, echec, ops);
      mol = essai;
      return;
    } catch (...) {
    }
  }
  try {
    mol.updatePropertyCache(false);
    RDKit::MolOps::findSSSR(mol);
  } catch (...) {
  }
}

// Canonical SMILES without stereo. The library's writer goes over the whole
// molecule once per fragment; past a few fragments each is written on its
// own and the pieces sorted, which is how the library orders them.
std::string Smiles_canonique(const RDKit::ROMol& mol) {
  constexpr unsigned int Fragments_max_directs = 8;
  std::vector<int> composante;
  if (mol.getNumAtoms() == 0 || RDKit::MolOps::getMolFrags(mol, composante) <= Fragments_max_directs)
    return RDKit::MolToSmiles(mol, false);
  std::vector<std::string> morceaux;
  for (const auto& f : RDKit::MolOps::getMolFrags(mol, false, nullptr, nullptr, false))
    morceaux.push_back(RDKit::MolToSmiles(*f, false));
  std::sort(morceaux.begin(), morceaux.end());
  std::string r;
  for (const auto& s : morceaux) r += (r.empty() ? "" : ".") + s;
  return r;
}

// A placeholder's text as the Molfile's alias line: one line of at most 64
// characters, control characters replaced.
std::string Alias(const std::string& nom) {
  std::string a = nom.substr(0, 64);
  for (char& c : a)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return a.empty() ? "?" : a;
}

std::string Titre(const std::string& nom) {
  std::string t = nom.substr(0, 80);
  for (char& c : t)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return t;
}

Molecule_lue Construit(const Graphe_lu& g, const std::string& nom) {
  Molecule_lue m;
  Fautes fautes;
  fautes.ambigus = std::max(0, g.Bouts_ambigus);
  const int n = int(std::min<size_t>(g.Atomes.size(), size_t(INT32_MAX / 2)));

  std::vector<Liaison_retenue> liaisons = Liaisons_valides(g, fautes.liaisons);

  // Lengths: the median sets the Molfile's scale and the layout of the
  // atoms a label adds; bonds far from it are counted.
  std::vector<double> longueurs;
  for (const auto& l : liaisons)
    if (Fini(g.Atomes[l.A].P) && Fini(g.Atomes[l.B].P)) longueurs.push_back(Distance(g.Atomes[l.A].P, g.Atomes[l.B].P));
  double mediane = Mediane(longueurs);
  if (!(mediane > 0) && std::isfinite(g.Longueur_liaison) && g.Longueur_liaison > 0) mediane = g.Longueur_liaison;
  for (double d : longueurs)
    if (d < 0.3 * mediane || d > 3 * mediane) ++fautes.longueurs;
  const double echelle = mediane > 0 ? 1.5 / mediane : 1.0;
  const double pas = mediane > 0 ? mediane : 1.5;  // one bond, in pixels

  // The fragment of each labelled atom, read once per distinct text.
  // A lone "C" or "B" at the end of a single bond is a "Cl" or a "Br" whose
  // second letter, a lone stroke or two, never became a character: nobody
  // writes a methyl "C", and boron drawn so is rare.
  std::vector<int> degre(n, 0);
  for (const auto& l : liaisons) ++degre[l.A], ++degre[l.B];
  std::map<std::string, Fragment> lues;
  std::vector<const Fragment*> fragment(n, nullptr);
  for (int i = 0; i < n; ++i) {
    const Atome_lu& a = g.Atomes[i];
    if (a.Etiquette.empty()) continue;
    std::string texte = a.Etiquette;
    if (degre[i] == 1 && (texte == "C" || texte == "B")) texte += texte == "C" ? "l" : "r";
    auto it = lues.find(texte);
    if (it == lues.end()) it = lues.emplace(texte, Lit_etiquette(texte)).first;
    fragment[i] = &it->second;
    if (a.Douteuse) ++fautes.douteuses;
    if (!it->second.Connue) ++fautes.inconnues;
  }

  // The atom of its fragment each end takes, and what arrives at each.
  std::map<int, std::vector<int>> externe;
  for (auto& l : liaisons) {
    for (int cote = 0; cote < 2; ++cote) {
      int i = cote ? l.B : l.A;
      const Fragment* f = fragment[i];
      if (!f) continue;
      int k = Atome_vise(*f, Caractere_vise(g.Atomes[i], cote ? l.Bout_B : l.Bout_A, f->Longueur));
      (cote ? l.Vise_B : l.Vise_A) = k;
      if (f->Ordres_libres && f->Atomes.size() > 1) {
        auto& v = externe[i];
        v.resize(f->Atomes.size());
        v[k] += l.Aromatique ? 1 : l.Ordre;
      }
    }
  }
  std::map<int, Fragment> completes;
  for (const auto& [i, v] : externe) {
    Fragment f = *fragment[i];
    Complete_ordres(f, v);
    fragment[i] = &completes.emplace(i, std::move(f)).first->second;
  }

  // Atoms: a carbon per bare vertex, the fragment's atoms per label.
  RDKit::RWMol mol;
  std::vector<unsigned int> premier(n);
  for (int i = 0; i < n; ++i) {
    premier[i] = mol.getNumAtoms();
    const Fragment* f = fragment[i];
    if (!f) {
      mol.addAtom(new RDKit::Atom(6), false, true);
      continue;
    }
    for (const auto& ae : f->Atomes) {
      auto* at = new RDKit::Atom(std::clamp(ae.Numero, 0, 118));
      at->setFormalCharge(std::clamp(ae.Charge, -8, 8));
      // The hydrogens written on an uncharged atom of the usual elements are
      // left to the chemistry: a subscript misread or missed ("NH" for "NH2",
      // "CH" for "CH3") would otherwise make a radical. A charged atom keeps
      // them as written.
      if (ae.Hydrogenes >= 0 && !(ae.Charge == 0 && Valence_usuelle(ae.Numero))) {
        at->setNumExplicitHs(std::min(ae.Hydrogenes, 8));
        at->setNoImplicit(true);
      }
      if (ae.Numero == 0) {
        at->setNoImplicit(true);
        at->setProp(RDKit::common_properties::molFileAlias, Alias(ae.Nom));
        if (ae.Nom.size() >= 2 && ae.Nom[0] == 'R' &&
            std::all_of(ae.Nom.begin() + 1, ae.Nom.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
            ae.Nom.size() <= 4)
          at->setProp(RDKit::common_properties::_MolFileRLabel, static_cast<unsigned int>(std::stoi(ae.Nom.substr(1))));
      }
      mol.addAtom(at, false, true);
    }
    for (const auto& le : f->Liaisons)
      if (le.A != le.B && !mol.getBondBetweenAtoms(premier[i] + le.A, premier[i] + le.B))
        mol.addBond(premier[i] + le.A, premier[i] + le.B, Type_de(le.Ordre));
  }
  for (const auto& l : liaisons) {
    unsigned int a = premier[l.A] + l.Vise_A, b = premier[l.B] + l.Vise_B;
    if (mol.getBondBetweenAtoms(a, b)) continue;
    mol.addBond(a, b, l.Aromatique ? RDKit::Bond::AROMATIC : Type_de(l.Ordre));
    if (l.Aromatique) {
      mol.getBondBetweenAtoms(a, b)->setIsAromatic(true);
      mol.getAtomWithIdx(a)->setIsAromatic(true);
      mol.getAtomWithIdx(b)->setIsAromatic(true);
    }
  }
  for (const auto* at : mol.atoms())
    if (int(at->getDegree()) > Degre_max(*at)) ++fautes.degres;

  // Coordinates: the image's, y upwards, scaled to bonds of 1.5; the atoms a
  // label adds laid out from its attached atom, away from its neighbours.
  auto* conf = new RDKit::Conformer(mol.getNumAtoms());
  conf->set3D(false);
  auto ecrit = [&](unsigned int idx, double x, double y) {
    double X = std::isfinite(x) ? std::clamp(x * echelle, -9999.0, 9999.0) : 0.0;
    double Y = std::isfinite(y) ? std::clamp(-y * echelle, -9999.0, 9999.0) : 0.0;
    conf->setAtomPos(idx, RDGeom::Point3D(X, Y, 0));
  };
  std::vector<int> premiere_liaison(n, -1);
  for (size_t k = liaisons.size(); k-- > 0;) premiere_liaison[liaisons[k].A] = premiere_liaison[liaisons[k].B] = int(k);
  for (int i = 0; i < n; ++i) {
    const Point_lu& p = g.Atomes[i].P;
    const Fragment* f = fragment[i];
    if (!f || f->Atomes.size() == 1) {
      ecrit(premier[i], p.x, p.y);
      continue;
    }
    // Layout: breadth first from the attached atom, one bond per level.
    int racine = f->Attache >= 0 ? f->Attache : 0;
    double ux = 0, uy = 0;
    if (premiere_liaison[i] >= 0) {
      const auto& l = liaisons[premiere_liaison[i]];
      racine = l.A == i ? l.Vise_A : l.Vise_B;
      const Point_lu& q = g.Atomes[l.A == i ? l.B : l.A].P;
      if (Fini(q) && Fini(p)) {
        ux = p.x - q.x;
        uy = p.y - q.y;
      }
    }
    double nu = std::hypot(ux, uy);
    if (nu > 0) {
      ux /= nu;
      uy /= nu;
    } else {
      ux = 1;
      uy = 0;
    }
    const size_t na = f->Atomes.size();
    std::vector<int> niveau(na, -1);
    std::vector<int> ordre{racine};
    niveau[racine] = 0;
    for (size_t t = 0; t < ordre.size(); ++t)
      for (const auto& le : f->Liaisons) {
        int autre = le.A == ordre[t] ? le.B : le.B == ordre[t] ? le.A : -1;
        if (autre >= 0 && niveau[autre] < 0) {
          niveau[autre] = niveau[ordre[t]] + 1;
          ordre.push_back(autre);
        }
      }
    std::map<int, int> par_niveau, rang;
    for (int k : ordre) rang[k] = par_niveau[niveau[k]]++;
    for (size_t k = 0; k < na; ++k) {
      int d = std::max(0, niveau[k]);
      double decalage = d ? (rang[int(k)] - (par_niveau[d] - 1) / 2.0) * pas * 0.8 : 0;
      ecrit(premier[i] + unsigned(k), p.x + ux * pas * d - uy * decalage, p.y + uy * pas * d + ux * decalage);
    }
  }
  mol.addConformer(conf, true);

  Equilibre_charges(mol);
  Verifie(mol, m, fautes);

  m.NbAtomes = 0;
  for (const auto* at : mol.atoms())
    if (at->getAtomicNum() != 1) ++m.NbAtomes;
  std::vector<int> composante;
  m.NbFragments = mol.getNumAtoms() ? int(RDKit::MolOps::getMolFrags(mol, composante)) : 0;

  try {
    std::unique_ptr<RDKit::ROMol> sans_h(RDKit::MolOps::removeHs(static_cast<const RDKit::ROMol&>(mol), false, false, false));
    sans_h->updatePropertyCache(false);
    m.Smiles = Smiles_canonique(*sans_h);
  } catch (...) {
    try {
      m.Smiles = RDKit::MolToSmiles(mol, false);
    } catch (const std::exception& e) {
      if (!m.Probleme.empty()) m.Probleme += "; ";
      m.Probleme += std::string("SMILES not written: ") + e.what();
    }
  }

  mol.setProp(RDKit::common_properties::_Name, Titre(nom));
  try {
    m.Molfile = RDKit::MolToMolBlock(mol, false, -1, true);
  } catch (...) {
    try {
      m.Molfile = RDKit::MolToMolBlock(mol, false, -1, false);
    } catch (const std::exception& e) {
      if (!m.Probleme.empty()) m.Probleme += "; ";
      m.Probleme += std::string("Molfile not written: ") + e.what();
    }
  }

  if (n == 0) {
    m.Confiance = 0;
    return m;
  }
  double c = std::pow(0.8, fautes.douteuses) * std::pow(0.5, fautes.inconnues) * std::pow(0.9, fautes.ambigus) *
             std::pow(0.9, fautes.liaisons) * std::pow(0.9, fautes.longueurs) * std::pow(0.6, fautes.problemes) *
             std::pow(0.6, fautes.degres) * (fautes.refusee ? 0.5 : 1.0);
  m.Confiance = std::clamp(c, 0.0, 1.0);
  return m;
}

}  // namespace

Molecule_lue Construit_molecule(const Graphe_lu& graphe, const std::string& nom) {
  try {
    return Construit(graphe, nom);
  } catch (const std::exception& e) {
    Molecule_lue m;
    m.Probleme = std::string("molecule not built: ") + e.what();
    return m;
  } catch (...) {
    Molecule_lue m;
    m.Probleme = "molecule not built";
    return m;
  }
}
