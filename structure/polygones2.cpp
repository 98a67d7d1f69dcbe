// The second polygon method. Reads Quadrilateres (corners, Marque) and the
// "P" arcs through the neighbour search; labels the strokes of each ring
// (Marque, Marque2, NumGroupe + 1), analyses its inside (which may release
// components, vectors, strokes and arcs) and appends polygon symbols.
#include "structure/polygones2.h"

#include <algorithm>
#include <unordered_map>

#include "console/console.h"
#include "console/contexte.h"
#include "image/document.h"
#include "structure/interieur.h"
#include "structure/polygones.h"

int32_t Parcours_cote(Contexte& ctx, Voisinage& v, Quadrilatere* s, int32_t flag, Liste_parcours& liste, uint32_t& n,
                      bool cote_P, Memoire_parcours& memoire) {
  // One pass per step of the recursion it stands for: each step calls at most
  // one further step, and a failure undoes n + 1 at every step passed.
  uint32_t descentes = 0;
  int32_t r = 0;
  for (;;) {
    if (memoire.Deja_vu(s, flag, n, liste)) break;
    if (n > 20) {
      ctx.Con.ModeDebug = 1;
      n = 17;
    }
    Voisins vs;
    v.Cherche(s, flag, 1, vs);
    Quadrilatere* c = cote_P ? vs.P : vs.N;
    const int32_t f = cote_P ? vs.FlagP : vs.FlagN;
    if (c == nullptr) break;
    if (c == liste[0]) {
      if (f == 0) {
        n += 1;
        liste[n] = nullptr;
        r = 1;
      }
      break;
    }
    if (std::find(liste.begin(), liste.begin() + n, c) != liste.begin() + n) break;
    n += 1;
    liste[n] = c;
    ++descentes;
    s = c;
    flag = f;
  }
  if (r == 0) n -= descentes;
  return r;
}

int32_t Recherche_polygones2(Contexte& ctx, Document& doc) {
  ctx.Con.Log_Efface();
  ctx.Con.Log_Texte(0, " Recherche des Polygones2...");
  Voisinage voisinage(ctx, doc);
  ListeQuads& traits = doc.Quadrilateres;
  // Ranks in the list as it stands now: no stroke is added here.
  std::unordered_map<const Quadrilatere*, size_t> rang;
  size_t k = 0;
  for (const Quadrilatere& q : traits) rang[&q] = k++;

  Memoire_parcours memoire;
  for (auto it = traits.begin(); it != traits.end();) {
    Quadrilatere& q = *it;
    if (q.Marque != 0) {
      ++it;
      continue;
    }
    const size_t nb_traits = traits.size();
    const size_t mon_rang = rang[&q];
    Liste_parcours liste{};
    liste[0] = &q;
    uint32_t n = 0;
    memoire.Raz();
    int32_t r = Parcours_cote(ctx, voisinage, &q, 0, liste, n, true, memoire);
    if (r == 0 && n > 2) {
      n = 0;
      memoire.Raz();
      r = Parcours_cote(ctx, voisinage, &q, 0, liste, n, false, memoire);
    }
    if (r == 1 && n > 2) {
      const uint8_t etiquette = Nouveau_groupe(ctx);
      std::vector<Bouts> cotes;
      int32_t xmin = 30000, ymin = 30000, xmax = 0, ymax = 0;
      for (uint32_t i = 0; i < n; ++i) {
        liste[i]->Marque2 = etiquette;
        liste[i]->Marque = static_cast<int32_t>(n) + 100;
        cotes.push_back(Bouts_de(*liste[i]));
        for (const Extremite e : {cotes.back().e1, cotes.back().e2}) {
          xmin = std::min(xmin, e.x), ymin = std::min(ymin, e.y);
          xmax = std::max(xmax, e.x), ymax = std::max(ymax, e.y);
        }
      }
      // The vertices as the strokes stand before the inside analysis may release some.
      const std::vector<Sommet> sommets = Sommets_polygone(cotes);
      int32_t r2 = Analyse_interieur(ctx, doc, xmin + 5, ymin + 5, xmax - 5, ymax - 5);
      if (r2 < 10) r2 += 1;
      Ajoute_polygone(ctx, doc, static_cast<int32_t>(n), r2, sommets);
    }
    if (traits.size() == nb_traits) {
      ++it;
      continue;
    }
    // Strokes were released: go on after this one if it is still listed,
    // else with its first former successor still listed.
    it = traits.begin();
    while (it != traits.end() && rang[&*it] < mon_rang) ++it;
    if (it != traits.end() && rang[&*it] == mon_rang) ++it;
  }
  return 1;
}
