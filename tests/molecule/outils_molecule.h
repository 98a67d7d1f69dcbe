// Graphs drawn by hand for the molecule tests: atoms placed in pixels (y
// downwards), labels with a box of 10 x 14 pixels per character, bond ends
// at the edge of a label's box as a stroke would stop there.
#pragma once

#include <GraphMol/ROMol.h>
#include <GraphMol/SmilesParse/SmilesParse.h>
#include <GraphMol/SmilesParse/SmilesWrite.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "molecule/graphe_lu.h"

// The library's canonical form of a SMILES, without stereo.
inline std::string Canonique(const std::string& smiles) {
  std::unique_ptr<RDKit::ROMol> m(RDKit::SmilesToMol(smiles));
  return m ? RDKit::MolToSmiles(*m, false) : "invalid:" + smiles;
}

inline int Atome(Graphe_lu& g, double x, double y, const std::string& etiquette = "", bool douteuse = false) {
  Atome_lu a;
  a.P = {x, y};
  a.Etiquette = etiquette;
  a.Douteuse = douteuse;
  if (!etiquette.empty()) {
    int demi = int(5 * etiquette.size());
    a.xmin = int(x) - demi;
    a.xmax = int(x) + demi;
    a.ymin = int(y) - 7;
    a.ymax = int(y) + 7;
  }
  g.Atomes.push_back(a);
  return int(g.Atomes.size()) - 1;
}

// Where a stroke from atom a towards atom b starts: a's point, or the edge
// of a's box plus 2 pixels when a is labelled.
inline Point_lu Bout(const Graphe_lu& g, int a, int b) {
  const Atome_lu& p = g.Atomes[a];
  const Atome_lu& q = g.Atomes[b];
  if (p.Etiquette.empty()) return p.P;
  double dx = q.P.x - p.P.x, dy = q.P.y - p.P.y, d = std::hypot(dx, dy);
  double demi_l = (p.xmax - p.xmin) / 2.0, demi_h = (p.ymax - p.ymin) / 2.0;
  double t = std::min(dx != 0 ? demi_l / std::abs(dx) : 1e9, dy != 0 ? demi_h / std::abs(dy) : 1e9);
  t = std::min(t + 2 / d, 1.0);
  return {p.P.x + dx * t, p.P.y + dy * t};
}

inline void Lie(Graphe_lu& g, int a, int b, int ordre = 1, bool aromatique = false) {
  Liaison_lue l;
  l.A = a;
  l.B = b;
  l.Ordre = ordre;
  l.Aromatique = aromatique;
  l.Bout_A = Bout(g, a, b);
  l.Bout_B = Bout(g, b, a);
  g.Liaisons.push_back(l);
}

// A regular hexagon of bare vertices of side r around (cx, cy), its first
// vertex on the right, the others counter-clockwise on the page; sides
// aromatic, or alternately single and double (first side single). Returns
// the index of the first vertex.
inline int Hexagone(Graphe_lu& g, double cx, double cy, double r, bool aromatique, bool kekule = true) {
  int base = int(g.Atomes.size());
  for (int k = 0; k < 6; ++k) {
    double a = k * M_PI / 3;
    Atome(g, cx + r * std::cos(a), cy - r * std::sin(a));
  }
  for (int k = 0; k < 6; ++k)
    Lie(g, base + k, base + (k + 1) % 6, aromatique || !kekule ? 1 : 1 + k % 2, aromatique);
  return base;
}
