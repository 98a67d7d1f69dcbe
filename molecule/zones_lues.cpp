#include "molecule/zones_lues.h"

#include <algorithm>

#include "image/document.h"
#include "text/cases.h"
#include "text/sauve_texte.h"

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
    a.P = {(static_cast<double>(a.xmin) + a.xmax) / 2, (static_cast<double>(a.ymin) + a.ymax) / 2};
    etiquettes.push_back(a);
  }
  return etiquettes;
}
