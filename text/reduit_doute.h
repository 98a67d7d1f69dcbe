// Reducing the doubt left by the comparison on one zone. Reads the zone's
// work mask, the masks of its best and second models, the strokes set aside
// in its box and the stroke counts of biqdl.dat; may swap the zone's choices
// and sets Etat 3 (reduced doubt) or, for an unrecognised zone, 5.
#pragma once

#include <cstdint>
#include <vector>

#include "text/cases.h"
#include "text/modeles.h"
#include "text/symboles_bib.h"
#include "vecto/records.h"

constexpr int16_t ETAT_DOUTE_REDUIT = 3;
constexpr int16_t ETAT_DOUTE_IMPORTANT = 5;

// The stroke thresholds of a run, already truncated to integers.
struct SeuilsTraits {
  int32_t SHouL = 0;
  int32_t LgMiniQ = 0;  // a stroke counts from LgMiniQ times the zone's width or height
  int32_t MargeAngle = 0;
};

// For each of the 10 rows, the number of runs of ink cells (value 1) among
// its columns 4 to 7 (from 0): the right half of the character.
using ProfilMasque = std::array<int32_t, NB_LIGNES_MASQUE>;
ProfilMasque Profil_masque(const CasesMasque& masque);

// The strokes of QuadsTexte, ordered by the left edge of their corners so
// that a zone reads only the strokes that may lie in its box.
class IndexTraits {
 public:
  explicit IndexTraits(const ListeQuads& quads);
  // The strokes whose four corners lie in the box, bounds included.
  ListeQuads Dans_boite(int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax) const;

 private:
  struct Entree {
    int32_t Gauche;
    const Quadrilatere* Quad;
  };
  std::vector<Entree> entrees;  // by Gauche, then list order
};

// The models of the library by number: modeles[i - 1] is model i.
using ModelesNumerotes = std::vector<const Modele*>;
ModelesNumerotes Numerote_modeles(const ListeModeles& bib, int32_t N);

// For a zone whose Etat is neither 1 nor 2: the profile test against the
// best and second models, then the stroke test on its character and on its
// second choice, then, still unrecognised, its second choice taken.
void Reduit_doute(CompConnexe& zone, const CasesMasque& masque, const ModelesNumerotes& modeles,
                  const ListeSymbQuads& biqdl, const IndexTraits& traits, const SeuilsTraits& seuils);
