// The editor's mask grid: reads and fills the 80 cell states and the count
// of indifferent cells; the window draws them.
#include "editors/grille_masque.h"

namespace {

// One step of the cycle, keeping NbIndiff the number of cells in state 2.
void Avance(GrilleMasque& g, Case& c) {
  c.EtatCase = static_cast<uint8_t>((c.EtatCase + 1) % 3);
  if (c.EtatCase == 2) ++g.NbIndiff;
  if (c.EtatCase == 0) --g.NbIndiff;
}

}  // namespace

GrilleMasque::GrilleMasque() {
  for (int k = 0; k < NB_CASES; ++k) {
    Case& c = Cases[k];
    c.Gauche = MARGE_GRILLE + COTE_CASE * (k % NB_COLONNES_MASQUE);
    c.Haut = MARGE_GRILLE + COTE_CASE * (k / NB_COLONNES_MASQUE);
    c.Largeur = c.Hauteur = COTE_CASE;
  }
}

void Clique_case(GrilleMasque& g, int k, int32_t LimiteIndiff) {
  if (k < 0 || k >= NB_CASES) return;
  Case& c = g.Cases[k];
  Avance(g, c);
  while (g.NbIndiff > LimiteIndiff && c.EtatCase == 2) Avance(g, c);
}

void Affiche_masque(GrilleMasque& g, const CasesMasque& masque) {
  g.NbIndiff = 0;
  for (int k = 0; k < NB_CASES; ++k) {
    g.Cases[k].EtatCase = masque[k] > 2 ? 2 : masque[k];
    if (g.Cases[k].EtatCase == 2) ++g.NbIndiff;
  }
}

void Lit_grille(const GrilleMasque& g, CasesMasque& masque) {
  for (int k = 0; k < NB_CASES; ++k) masque[k] = g.Cases[k].EtatCase;
}

void Efface_grille(GrilleMasque& g) {
  for (Case& c : g.Cases) c.EtatCase = 0;
  g.NbIndiff = 0;
}

int Case_sous(const GrilleMasque& g, int32_t x, int32_t y) {
  for (int k = 0; k < NB_CASES; ++k) {
    const Case& c = g.Cases[k];
    if (x >= c.Gauche && x < c.Gauche + c.Largeur && y >= c.Haut && y < c.Haut + c.Hauteur) return k;
  }
  return -1;
}
