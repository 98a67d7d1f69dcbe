// Drawings run through the real stages up to the ring and chain searches,
// and readers of the symbols they give.
#pragma once

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "app/chaines.h"
#include "app/chaines_structure.h"
#include "outils_structure.h"
#include "structure/liaisons.h"
#include "text/localisation.h"

// A case on a drawn plane, with the project's param.dat.
struct Dessin {
  explicit Dessin(Plan p) : b(Param_defaut()) { Installe_plan(doc, std::move(p)); }
  // Vectorisation, character localisation, the graph group and the bonds, as "Totale" runs them.
  void Jusqu_aux_liaisons() {
    Chaine_representation(b.ctx, doc);
    doc.Caracteres.clear();
    Localise_car(b.ctx, doc);
    Groupe_graphe(b.ctx, doc);
    Analyse_liaisons(b.ctx, doc);
  }
  Banc b;
  Document doc;
};

// The symbols of one type, in list order.
inline std::vector<const Symbole*> Symboles_de_type(const Document& doc, int32_t type) {
  std::vector<const Symbole*> r;
  for (const Symbole& s : doc.ListeSymboles)
    if (s.Type == type) r.push_back(&s);
  return r;
}

// Whether the vertices are the points, up to the tolerance, in order from
// some rotation and in either direction (a ring), or in either direction (a
// chain, rotation 0 only).
inline bool Memes_sommets(const Sommet* v, const std::vector<Point2>& p, double tolerance, bool anneau) {
  const int n = static_cast<int>(p.size());
  for (int depart = 0; depart < (anneau ? n : 1); ++depart)
    for (const int sens : {1, -1}) {
      bool ok = true;
      for (int i = 0; i < n && ok; ++i) {
        const int j = anneau ? ((depart + sens * i) % n + n) % n : (sens == 1 ? i : n - 1 - i);
        ok = std::hypot(v[i].x - p[j].x, v[i].y - p[j].y) <= tolerance;
      }
      if (ok) return true;
    }
  return false;
}

// A symbol as "Type Nb Commentaire x,y x,y ...", with the vertices it holds.
inline std::string Symbole_lu(const Symbole& s) {
  std::string t = std::to_string(s.Type) + " " + std::to_string(s.Nb) + " " +
                  std::string(s.Commentaire, strnlen(s.Commentaire, Symbole::LG_COMMENTAIRE));
  const uint32_t v = s.Type == 500 || s.Type == 300 ? 2 * s.Nb : s.Type == 200 ? s.Nb + 1 : s.Nb;
  for (uint32_t i = 0; i < v && i < 20; ++i)
    t += " " + std::to_string(s.Sommets[i].x) + "," + std::to_string(s.Sommets[i].y);
  return t;
}

inline Textes Symboles_lus(const Document& doc) {
  Textes r;
  for (const Symbole& s : doc.ListeSymboles) r.push_back(Symbole_lu(s));
  return r;
}
