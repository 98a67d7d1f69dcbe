#include "text/sauve_texte.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "image/document.h"
#include "text/cases.h"

std::vector<std::vector<const CompConnexe*>> Zones_ordonnees(const Document& doc) {
  // The records of each zone, in list order, gathered in one walk.
  const uint32_t nb = static_cast<uint16_t>(doc.NbZones);
  std::vector<std::vector<const CompConnexe*>> zones(nb);
  for (const CompConnexe& c : doc.ZonesTexte)
    if (c.Zone >= 1 && c.Zone <= nb) zones[c.Zone - 1].push_back(&c);
  for (std::vector<const CompConnexe*>& zone : zones)
    std::stable_sort(zone.begin(), zone.end(),
                     [](const CompConnexe* a, const CompConnexe* b) { return a->xmin < b->xmin; });
  return zones;
}

std::string Texte_resultats(const std::string& chemin, const Document& doc) {
  std::string t = " - Fichier Resultats : " + chemin + " - \n";
  t += " - (Image " + doc.NomFichier + ") - \n";
  t += " -===================-\n\n";
  for (const std::vector<const CompConnexe*>& zone : Zones_ordonnees(doc)) {
    if (zone.empty()) continue;
    t += "\n#Texte#\nNom=";
    for (const CompConnexe* c : zone) t += Nom_texte(c->Caractere);
    t += "\nNbSommets=2\nSommets=";
    t += "(" + std::to_string(zone.front()->xmin) + "," + std::to_string(zone.front()->ymin) + ") ";
    t += "(" + std::to_string(zone.back()->xmax) + "," + std::to_string(zone.back()->ymax) + ") ";
    t += "\nCommentaire=\n";
  }
  return t;
}

bool Sauve_texte(const std::string& chemin, const Document& doc) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  if (!f) return false;
  const std::string t = Texte_resultats(chemin, doc);
  f.write(t.data(), static_cast<std::streamsize>(t.size()));
  return static_cast<bool>(f.flush());
}
