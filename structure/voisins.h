// The nearest stroke ends around the head of a stroke, on either side of its
// axis: the step of the polygon walks (mode 1) and of the chain walks (mode 2).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "structure/records.h"

struct Contexte;
struct Document;

// The two neighbours of a walk step; a flag is 1 when its stroke was reached
// at its corner 2, 0 at its corner 1, and is the flag that continues the walk.
struct Voisins {
  Quadrilatere* P = nullptr;
  int32_t FlagP = 0;
  Quadrilatere* N = nullptr;
  int32_t FlagN = 0;
};

// A threshold of param.dat for the many lookups of one stage. The file is
// read again after every pause of step mode (the operator may edit it while
// the stage waits) and after a failed lookup (the failure is then reported
// again, as a fresh lookup does); nothing else can change it meanwhile.
class Seuil_parametre {
 public:
  explicit Seuil_parametre(std::string nom) : nom(std::move(nom)) {}
  double Lit(const Contexte& ctx);
  void Oublie() { valide = false; }

 private:
  std::string nom;
  bool valide = false;
  double valeur = 0.0;
};

// Cherche_voisins over a grid of the corners 1 and 2 of Quadrilateres, so that
// a step looks only at the strokes with a corner within the threshold of the
// head, in list order: exactly the strokes a scan of the whole list would
// retain. The grid follows the list as long as strokes are only removed from
// it (it is rebuilt when the count changes), which is all the walks' stages do.
class Voisinage {
 public:
  Voisinage(Contexte& ctx, Document& doc);

  // Cherche_voisins(s, flag, mode). Returns 1.
  int32_t Cherche(Quadrilatere* s, int32_t flag, int32_t mode, Voisins& v);

  // 1 when an arc "P" (in upper case) joins the two strokes, either way.
  int32_t Arc_P_entre(const Quadrilatere* a, const Quadrilatere* b);

 private:
  void Construit(int64_t cote_min);
  int64_t Cellule(int64_t c) const;
  uint64_t Cle(int64_t cx, int64_t cy) const;

  Contexte& ctx;
  Document& doc;
  Seuil_parametre seuil_pol{"Seuil_dist_Pol"};
  Seuil_parametre seuil_ch{"Seuil_dist_Ch"};
  size_t nb_traits = 0, nb_arcs = 0;  // list sizes the index was built for
  bool construit = false;
  int64_t cote = 32;                  // cell side, pixels
  std::vector<Quadrilatere*> traits;  // list order
  std::unordered_map<uint64_t, std::vector<int32_t>> cellules;
  struct Hache_paire {
    size_t operator()(const std::pair<const Quadrilatere*, const Quadrilatere*>& p) const;
  };
  std::unordered_set<std::pair<const Quadrilatere*, const Quadrilatere*>, Hache_paire> paires_P;
  std::vector<int32_t> candidats;
};

// The walk list: entry 0 is the start stroke; the index never passes 21.
constexpr int NB_ENTREES_PARCOURS = 22;
using Liste_parcours = std::array<Quadrilatere*, NB_ENTREES_PARCOURS>;

// Most steps one walk may take. Walks of real drawings take a few dozen; a
// walk that would branch without end over a mesh of strokes fails there.
constexpr int64_t PAS_MAX_PARCOURS = 1000;

// The states a walk has been through: the step that would repeat one fails,
// since a walk that repeats a state (after its depth guard reset the index)
// would go round for ever. Also counts the steps against PAS_MAX_PARCOURS.
class Memoire_parcours {
 public:
  // True when (s, flag, n, entries 0 .. n - 1) was already entered (and is
  // still open), or the walk has taken all its steps; otherwise records it.
  bool Deja_vu(const Quadrilatere* s, int32_t flag, uint32_t n, const Liste_parcours& liste);
  // The most recent state entered is closed again (recursive walks only).
  void Ferme();
  void Raz();

 private:
  struct Etat {
    const Quadrilatere* s;
    int32_t flag;
    uint32_t n;
    std::array<const Quadrilatere*, NB_ENTREES_PARCOURS> entrees;
    bool operator==(const Etat& e) const;
  };
  struct Hache {
    size_t operator()(const Etat& e) const;
  };
  std::unordered_map<Etat, int32_t, Hache> ouverts;
  std::vector<Etat> pile;
  int64_t pas = 0;
};
