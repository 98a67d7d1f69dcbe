#include "text/maintenance_modeles.h"

#include <cmath>
#include <cstring>

#include "console/contexte.h"
#include "console/parametre.h"

namespace {

const char* const BIBLIOTHEQUE = "bimdl.dat";

int32_t Nb_indifferentes(const CasesMasque& a, const CasesMasque& b) {
  int32_t n = 0;
  for (int i = 0; i < NB_CASES; ++i)
    if (a[i] == 2 || b[i] == 2) ++n;
  return n;
}

// Parameters are truncated toward zero; absurd values are kept in range.
int32_t Entier(double valeur) {
  if (!(valeur > -1e9)) return -1000000000;
  if (valeur > 1e9) return 1000000000;
  return static_cast<int32_t>(std::trunc(valeur));
}

}  // namespace

int32_t Change_utilisation(Contexte& ctx, int32_t U, int32_t T) {
  ListeModeles liste;
  const int32_t n = Lit_modeles(ctx, liste, BIBLIOTHEQUE);
  if (n < 0) return -1;
  const int32_t ancien = ctx.NbTraitements;
  ctx.NbTraitements = T;
  for (Modele& m : liste) m.Utilisation = U;
  Ecrit_modeles(ctx, liste, n, BIBLIOTHEQUE);
  return ancien;
}

void Oublie_modeles(Contexte& ctx) {
  ListeModeles liste;
  int32_t n = Lit_modeles(ctx, liste, BIBLIOTHEQUE);
  if (n < 0) return;
  ctx.NbTraitements = 0;
  for (auto m = liste.begin(); m != liste.end();) {
    if (m->Utilisation == 0) {
      m = liste.erase(m);
      --n;
    } else {
      m->Utilisation = 0;
      ++m;
    }
  }
  Ecrit_modeles(ctx, liste, n, BIBLIOTHEQUE);
}

void Fusionne_modeles(Contexte& ctx, ListeModeles& liste, int32_t N) {
  const int32_t nbindif = Entier(Parametre(ctx, "NBINDIF"));
  ListeModeles propre;
  ListeModeles* bib = &liste;
  if (N == 0) {
    N = Lit_modeles(ctx, propre, BIBLIOTHEQUE);
    if (N < 0) return;
    bib = &propre;
  }
  auto M = bib->begin();
  while (M != bib->end() && std::next(M) != bib->end()) {
    int32_t meilleure = NB_CASES;
    auto C = bib->end();
    for (auto c = std::next(M); c != bib->end(); ++c) {
      if (std::strncmp(c->Nom, M->Nom, LG_NOM) != 0) continue;
      const int32_t d = Distance_masque(c->Masque, M->Masque);
      if (d < meilleure) {
        meilleure = d;
        C = c;
      }
    }
    if (C != bib->end() && Nb_indifferentes(M->Masque, C->Masque) + meilleure <= nbindif) {
      Ajoute_compteur(M->Utilisation, C->Utilisation);
      for (int i = 0; i < NB_CASES; ++i)
        if (M->Masque[i] != C->Masque[i]) M->Masque[i] = 2;
      bib->erase(C);
      --N;
    } else {
      ++M;
    }
  }
  Ecrit_modeles(ctx, *bib, N, BIBLIOTHEQUE);
  Libere_modeles(*bib);
}
