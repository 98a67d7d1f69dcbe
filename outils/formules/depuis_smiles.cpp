#include "outils/formules/depuis_smiles.h"

#include <GraphMol/Depictor/RDDepictor.h>
#include <GraphMol/GraphMol.h>
#include <GraphMol/MolOps.h>
#include <GraphMol/SmilesParse/SmilesParse.h>
#include <GraphMol/SmilesParse/SmilesWrite.h>
#include <RDGeneral/RDLog.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <istream>
#include <memory>
#include <set>

#include "image/bmp.h"
#include "outils/formules/traits.h"

namespace {

constexpr unsigned MAX_ATOMES = 30;
constexpr double LIAISON_RDKIT = 1.5;  // RDKit's bond length in its layouts

// Chance that a terminal CH3 is written as a label.
constexpr double CHANCE_METHYLE = 0.2;
// Chance that the aromatic rings of a molecule are drawn with circles.
constexpr double CHANCE_CERCLES = 0.4;

// RDKit writes its complaints on standard error; a generator's are its own.
void Silence_rdkit() {
  static const bool fait = [] {
    boost::logging::disable_logs("rdApp.*");
    return true;
  }();
  (void)fait;
}

std::unique_ptr<RDKit::RWMol> Lit_smiles(const std::string& smiles) {
  Silence_rdkit();
  try {
    return std::unique_ptr<RDKit::RWMol>(RDKit::SmilesToMol(smiles));
  } catch (...) {
    return nullptr;
  }
}

bool Element_dessinable(int z) {
  static const std::set<int> permis = {5, 6, 7, 8, 9, 14, 15, 16, 17, 34, 35, 53};
  return permis.count(z) > 0;
}

// Why the molecule cannot be drawn; empty when it can.
std::string Refus(const RDKit::ROMol& m) {
  if (m.getNumAtoms() == 0) return "no atom";
  if (m.getNumAtoms() > MAX_ATOMES) return "more than 30 heavy atoms";
  for (const RDKit::Atom* a : m.atoms()) {
    if (!Element_dessinable(a->getAtomicNum())) return "element " + a->getSymbol();
    if (a->getIsotope() != 0) return "isotope";
    if (std::abs(a->getFormalCharge()) > 1) return "charge";
    if (a->getNumRadicalElectrons() != 0) return "radical";
  }
  return {};
}

double Distance_segment(Point_f p, Point_f a, Point_f b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  double t = l2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Atoms closer than 0.45 bond, an atom within 0.3 bond of a bond not its
// own, or two bonds crossing: the layout would draw a different molecule.
std::string Chevauchement(const RDKit::ROMol& m, const std::vector<Point_f>& p) {
  const size_t n = p.size();
  for (size_t i = 0; i < n; ++i)
    for (size_t j = i + 1; j < n; ++j)
      if (std::hypot(p[i].x - p[j].x, p[i].y - p[j].y) < 0.45 * LIAISON_RDKIT) return "atoms overlapping";
  for (const RDKit::Bond* b : m.bonds()) {
    const unsigned u = b->getBeginAtomIdx(), v = b->getEndAtomIdx();
    for (size_t i = 0; i < n; ++i)
      if (i != u && i != v && Distance_segment(p[i], p[u], p[v]) < 0.3 * LIAISON_RDKIT) return "atom on a bond";
    for (const RDKit::Bond* c : m.bonds()) {
      if (c->getIdx() <= b->getIdx()) continue;
      const unsigned x = c->getBeginAtomIdx(), y = c->getEndAtomIdx();
      if (x == u || x == v || y == u || y == v) continue;
      Point_f croix;
      if (Intersection(p[u], p[v], p[x], p[y], croix)) return "bonds crossing";
    }
  }
  return {};
}

// The label of an atom: its element, its hydrogens (after it, or before it
// when its bonds come from the right), its charge as '+' or '-'. The anchor
// is the element's first letter.
std::string Texte_atome(const RDKit::Atom& a, bool hydrogenes_devant, int& ancre) {
  const std::string e = a.getSymbol();
  const unsigned h = a.getTotalNumHs();
  std::string hs, q;
  if (h > 0) hs.push_back('H');
  if (h > 1) hs += std::to_string(h);
  if (a.getFormalCharge() != 0) q.push_back(a.getFormalCharge() > 0 ? '+' : '-');
  std::string texte;
  if (hydrogenes_devant && h > 0) {
    ancre = static_cast<int>(hs.size());
    texte.append(hs).append(e).append(q);
  } else {
    ancre = 0;
    texte.append(e).append(hs).append(q);
  }
  return texte;
}

// The ring a double bond's inner stroke goes into: an aromatic ring holding
// it first, else the first ring holding it; -1 outside rings.
int Cycle_de(const RDKit::ROMol& m, unsigned liaison, const std::vector<bool>& aromatique) {
  const auto& cycles = m.getRingInfo()->bondRings();
  int premier = -1;
  for (size_t k = 0; k < cycles.size(); ++k)
    for (int b : cycles[k])
      if (static_cast<unsigned>(b) == liaison) {
        if (aromatique[k]) return static_cast<int>(k);
        if (premier < 0) premier = static_cast<int>(k);
      }
  return premier;
}

}  // namespace

std::vector<Molecule_liste> Lit_liste_smiles(std::istream& flux) {
  std::vector<Molecule_liste> liste;
  std::string ligne;
  while (std::getline(flux, ligne)) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    const size_t debut = ligne.find_first_not_of(" \t");
    if (debut == std::string::npos || ligne[debut] == '#') continue;
    const size_t fin = ligne.find_first_of(" \t", debut);
    Molecule_liste m;
    m.Smiles = ligne.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
    if (fin != std::string::npos) {
      const size_t nom = ligne.find_first_not_of(" \t", fin);
      if (nom != std::string::npos) m.Nom = ligne.substr(nom);
    }
    liste.push_back(m);
  }
  return liste;
}

std::string Smiles_canonique(const std::string& smiles) {
  std::unique_ptr<RDKit::RWMol> m = Lit_smiles(smiles);
  if (!m) return {};
  try {
    RDKit::MolOps::removeStereochemistry(*m);
    return RDKit::MolToSmiles(*m);
  } catch (...) {
    return {};
  }
}

uint32_t Graine_molecule(uint32_t graine, int i) {
  // A multiplicative mix so that neighbouring seeds and indices spread apart.
  uint64_t x = (static_cast<uint64_t>(graine) << 20) ^ static_cast<uint64_t>(i);
  x *= 0x9E3779B97F4A7C15ull;
  return static_cast<uint32_t>(x >> 32) | 1u;
}

bool Scene_de_smiles(const std::string& smiles, uint32_t graine, Style_jeu style, const std::string& nom,
                     Scene& s, std::string& canonique, std::string& raison) {
  std::unique_ptr<RDKit::RWMol> m = Lit_smiles(smiles);
  if (!m) {
    raison = "unreadable SMILES";
    return false;
  }
  raison = Refus(*m);
  if (!raison.empty()) return false;
  RDKit::RWMol kekule(*m);
  try {
    RDKit::MolOps::removeStereochemistry(*m);
    canonique = RDKit::MolToSmiles(*m);
    RDKit::MolOps::Kekulize(kekule);
    RDDepict::compute2DCoords(*m);
  } catch (...) {
    raison = "no Kekulé form or no layout";
    return false;
  }
  const RDKit::Conformer& conf = m->getConformer();
  const unsigned n = m->getNumAtoms();
  std::vector<Point_f> p(n);
  for (unsigned i = 0; i < n; ++i) {
    const RDGeom::Point3D q = conf.getAtomPos(i);
    p[i] = {q.x, -q.y};  // y downwards in a scene
  }
  raison = Chevauchement(*m, p);
  if (!raison.empty()) return false;

  Tirage t(graine);
  const Echelle e = Echelle_de(style);
  const double liaison = t.Entre(e.Liaison0, e.Liaison1);
  s = Scene{};
  s.Nom = nom;
  s.Epaisseur = std::round(2 * t.Entre(e.Epaisseur0, e.Epaisseur1)) / 2;
  const double hauteur = std::round(t.Entre(e.Hauteur0, e.Hauteur1));
  const Police fonte = e.Polices[t.Entier(static_cast<int>(e.Polices.size()))];
  const double echelle = liaison / LIAISON_RDKIT;
  for (unsigned i = 0; i < n; ++i) s.Atomes.push_back(Atome{{p[i].x * echelle, p[i].y * echelle}, {}, 0, fonte, hauteur});

  // Rings: aromatic when all their bonds are; circles only when every
  // aromatic bond lies in an aromatic ring, so that the circles say it all.
  const RDKit::RingInfo* ri = m->getRingInfo();
  const auto& cycles_atomes = ri->atomRings();
  const auto& cycles_liaisons = ri->bondRings();
  std::vector<bool> aromatique(cycles_liaisons.size(), true);
  std::vector<bool> couverte(m->getNumBonds(), false);
  bool aromatiques = false;
  for (size_t k = 0; k < cycles_liaisons.size(); ++k) {
    for (int b : cycles_liaisons[k])
      if (!m->getBondWithIdx(b)->getIsAromatic()) aromatique[k] = false;
    if (aromatique[k])
      for (int b : cycles_liaisons[k]) couverte[b] = true;
  }
  bool cercles_possibles = true;
  for (const RDKit::Bond* b : m->bonds())
    if (b->getIsAromatic()) {
      aromatiques = true;
      if (!couverte[b->getIdx()]) cercles_possibles = false;
    }
  const bool cercles = aromatiques && t.Pile(CHANCE_CERCLES) && cercles_possibles;
  for (size_t k = 0; k < cycles_atomes.size(); ++k) {
    Cycle c;
    c.Sommets.assign(cycles_atomes[k].begin(), cycles_atomes[k].end());
    c.Cercle = cercles && aromatique[k];
    s.Cycles.push_back(c);
  }
  for (const RDKit::Bond* b : kekule.bonds()) {
    Liaison l;
    l.A = static_cast<int>(b->getBeginAtomIdx());
    l.B = static_cast<int>(b->getEndAtomIdx());
    const RDKit::Bond::BondType type = b->getBondType();
    l.Multiplicite = type == RDKit::Bond::DOUBLE ? 2 : (type == RDKit::Bond::TRIPLE ? 3 : 1);
    if (cercles && m->getBondWithIdx(b->getIdx())->getIsAromatic()) l.Multiplicite = 1;
    if (l.Multiplicite == 2) l.Cycle = Cycle_de(*m, b->getIdx(), aromatique);
    s.Liaisons.push_back(l);
  }

  // Labels: heteroatoms, charged atoms, lone carbons, some terminal CH3.
  for (const RDKit::Atom* a : kekule.atoms()) {
    const unsigned i = a->getIdx();
    const bool methyle = a->getAtomicNum() == 6 && a->getDegree() == 1 && a->getTotalNumHs() == 3 &&
                         a->getFormalCharge() == 0;
    const bool ecrit = a->getAtomicNum() != 6 || a->getFormalCharge() != 0 || a->getDegree() == 0 ||
                       (methyle && t.Pile(CHANCE_METHYLE));
    if (!ecrit) continue;
    // Where the bonds come from: the sum of the unit vectors to the neighbours.
    double vx = 0;
    for (const RDKit::Atom* v : kekule.atomNeighbors(a)) {
      const Point_f q = p[v->getIdx()];
      const double d = std::hypot(q.x - p[i].x, q.y - p[i].y);
      if (d > 0) vx += (q.x - p[i].x) / d;
    }
    int ancre = 0;
    const std::string texte = Texte_atome(*a, vx > 0.1, ancre);
    Etiquette(s, static_cast<int>(i), texte, fonte, hauteur, ancre);
  }

  Cadre_et_degrade(s, hauteur, e, t);
  return true;
}

bool Ecrit_molecule(const Dessin& d, const std::string& canonique, const std::string& repertoire,
                    const std::string& nom, std::string& erreur) {
  const std::string base = repertoire + "/" + nom;
  std::ofstream bmp(base + ".bmp", std::ios::binary);
  if (!bmp || !Ecrit_bmp(d.Image, bmp) || !bmp.flush()) {
    erreur = "cannot write " + base + ".bmp";
    return false;
  }
  std::ofstream smi(base + ".smi", std::ios::binary);
  smi << canonique << '\t' << nom << '\n';
  if (!smi.flush()) {
    erreur = "cannot write " + base + ".smi";
    return false;
  }
  return true;
}
