// A band of ink 60 x 5 (columns 10 to 69, rows 10 to 14) under a list of
// quadrilaterals, shared by the sorting and fusion suites.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"

using Coins = std::array<int32_t, 8>;

inline Coins Coins_de(const Quadrilatere& q) { return {q.x1, q.y1, q.x2, q.y2, q.x3, q.y3, q.x4, q.y4}; }

struct Bande {
  Banc b;
  Document doc;
  explicit Bande(std::vector<Quadrilatere> quads, bool encre = true, const std::string& param = "") : b(param) {
    Plan p = Plan_blanc(80, 30);
    if (encre) Rectangle_plein(p, 10, 10, 69, 14);
    Installe_plan(doc, std::move(p));
    for (const auto& q : quads) doc.Quadrilateres.push_back(q);
    doc.NbQuads = static_cast<int32_t>(quads.size());
  }
};
