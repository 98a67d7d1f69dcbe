// The molecule builder on arbitrary graphs: bytes decoded into atoms (some
// labelled, some at infinite or undefined places) and bonds (indices out of
// range, loops, repeats, orders outside 1..3). Whatever the graph, the
// builder returns a molecule whose confidence lies in [0, 1].
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "molecule/molecule.h"

namespace {

struct Octets {
  const uint8_t* p;
  size_t n;
  uint8_t Lit() {
    if (n == 0) return 0;
    --n;
    return *p++;
  }
  // A coordinate: mostly a pixel, sometimes not a number or infinite.
  double Coordonnee() {
    uint8_t v = Lit();
    if (v == 255) return std::numeric_limits<double>::quiet_NaN();
    if (v == 254) return std::numeric_limits<double>::infinity();
    if (v == 253) return -1e300;
    return v * 4.0;
  }
};

const char* const Etiquettes[] = {"",     "OH",   "HO",  "CH3",  "H3C",   "COOH", "HOOC", "NH2", "N",
                                  "O",    "Cl",   "R1",  "X",    "Ar",    "NO2",  "O2N",  "CN",  "NC",
                                  "Ph",   "OMe",  "N+",  "O-",   "CH2OH", "SO3H", "tBu",  "CF3", "N(CH3)2",
                                  "CH=CH2", "Qz", "((C", "NH",  "S"};
constexpr int Nb_etiquettes = sizeof(Etiquettes) / sizeof(Etiquettes[0]);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Octets o{data, size};
  Graphe_lu g;
  const int nb_atomes = o.Lit() % 65;
  const int nb_liaisons = o.Lit() % 129;
  g.Longueur_liaison = o.Coordonnee();
  g.Epaisseur = o.Coordonnee();
  g.Bouts_ambigus = int8_t(o.Lit());
  for (int k = 0; k < nb_atomes; ++k) {
    Atome_lu a;
    a.P = {o.Coordonnee(), o.Coordonnee()};
    uint8_t e = o.Lit();
    if (e < 2 * Nb_etiquettes) {
      a.Etiquette = Etiquettes[e % Nb_etiquettes];
    } else {
      // Raw text from the input, up to 8 bytes.
      int lg = e % 9;
      for (int c = 0; c < lg; ++c) a.Etiquette += char(o.Lit());
    }
    a.xmin = int8_t(o.Lit()) * 4;
    a.xmax = a.xmin + o.Lit() - 16;
    a.ymin = int8_t(o.Lit()) * 4;
    a.ymax = a.ymin + 14;
    a.Douteuse = o.Lit() & 1;
    g.Atomes.push_back(a);
  }
  for (int k = 0; k < nb_liaisons; ++k) {
    Liaison_lue l;
    l.A = int8_t(o.Lit());
    l.B = int8_t(o.Lit());
    uint8_t drapeaux = o.Lit();
    l.Ordre = int(drapeaux % 10) - 1;
    l.Aromatique = drapeaux & 0x80;
    l.Bout_A = {o.Coordonnee(), o.Coordonnee()};
    l.Bout_B = {o.Coordonnee(), o.Coordonnee()};
    g.Liaisons.push_back(l);
  }
  Molecule_lue m = Construit_molecule(g, "fuzz");
  if (!(m.Confiance >= 0 && m.Confiance <= 1)) std::abort();
  if (m.NbAtomes < 0 || m.NbFragments < 0) std::abort();
  if (g.Atomes.empty() && (m.Confiance != 0 || !m.Smiles.empty())) std::abort();
  if (!g.Atomes.empty() && m.Smiles.empty() && m.Probleme.empty()) std::abort();
  return 0;
}
