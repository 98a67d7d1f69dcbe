#include "molecule/zones_lues.h"

#include <algorithm>

#include "image/document.h"
#include "molecule/grille_boites.h"
#include "text/cases.h"
#include "text/sauve_texte.h"

namespace {

// Labels on one line with less than a character between them are one label
// that the text stages read as two zones ("H" and "3C" for "H3C", or "H" and
// "C" with the subscript lost):
// taken left to right, each joins the label it follows when their heights
// overlap by half the smaller one.
std::vector<Atome_lu> Joint_voisines(std::vector<Atome_lu> etiquettes) {
  std::stable_sort(etiquettes.begin(), etiquettes.end(),
                   [](const Atome_lu& a, const Atome_lu& b) { return a.xmin < b.xmin; });
  std::vector<Atome_lu> jointes;
  Grille_boites bords(32);  // the right edges of the labels made so far
  for (const Atome_lu& e : etiquettes) {
    const double h = e.ymax - e.ymin + 1;
    int cible = -1;
    for (const int k : bords.Candidats({static_cast<double>(e.xmin), (e.ymin + e.ymax) / 2.0}, h)) {
      const Atome_lu& g = jointes[static_cast<size_t>(k)];
      const double hg = g.ymax - g.ymin + 1;
      const double ecart = e.xmin - g.xmax;
      const double recouvre = std::min(e.ymax, g.ymax) - std::max(e.ymin, g.ymin) + 1;
      if (ecart >= -1 && ecart <= 0.9 * std::max(h, hg) && recouvre >= 0.5 * std::min(h, hg)) {
        cible = k;
        break;
      }
    }
    if (cible < 0) {
      bords.Ajoute(static_cast<int>(jointes.size()), {static_cast<double>(e.xmax), (e.ymin + e.ymax) / 2.0});
      jointes.push_back(e);
      continue;
    }
    Atome_lu& g = jointes[static_cast<size_t>(cible)];
    g.Etiquette += e.Etiquette;
    g.Douteuse = g.Douteuse || e.Douteuse;
    g.xmin = std::min(g.xmin, e.xmin), g.ymin = std::min(g.ymin, e.ymin);
    g.xmax = std::max(g.xmax, e.xmax), g.ymax = std::max(g.ymax, e.ymax);
    bords.Ajoute(cible, {static_cast<double>(g.xmax), (g.ymin + g.ymax) / 2.0});
  }
  return jointes;
}

}  // namespace

std::vector<Atome_lu> Etiquettes_zones(const Document& doc) {
  std::vector<Atome_lu> etiquettes;
  for (const std::vector<const CompConnexe*>& zone : Zones_ordonnees(doc)) {
    if (zone.empty()) continue;
    Atome_lu a;
    a.xmin = zone.front()->xmin, a.ymin = zone.front()->ymin;
    a.xmax = zone.front()->xmax, a.ymax = zone.front()->ymax;
    for (const CompConnexe* c : zone) {
      const std::string_view nom = Nom_texte(c->Caractere);
      a.Etiquette += nom;
      a.Douteuse = a.Douteuse || nom.empty() || (c->Etat != 1 && c->Etat != 2);
      a.xmin = std::min(a.xmin, c->xmin), a.ymin = std::min(a.ymin, c->ymin);
      a.xmax = std::max(a.xmax, c->xmax), a.ymax = std::max(a.ymax, c->ymax);
    }
    etiquettes.push_back(a);
  }
  etiquettes = Joint_voisines(std::move(etiquettes));
  for (Atome_lu& a : etiquettes)
    a.P = {(static_cast<double>(a.xmin) + a.xmax) / 2, (static_cast<double>(a.ymin) + a.ymax) / 2};
  return etiquettes;
}
