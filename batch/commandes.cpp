#include "batch/commandes.h"

#include "app/chaines.h"
#include "app/chaines_analyse.h"
#include "app/chaines_structure.h"

namespace {

// Without a window there is no view to switch.
void Lance_totale(Contexte& ctx, Document& doc) { Chaine_totale(ctx, doc); }

}  // namespace

const std::vector<Commande_batch>& Commandes_batch() {
  static const std::vector<Commande_batch> commandes = {
      {"representation", Chaine_representation, false},
      {"zones", Chaine_zones_texte, true},
      {"redessine", Chaine_redessine, true},
      {"liaisons", Chaine_liaisons, true},
      {"polygones", Chaine_polygones, true},
      {"chaines", Chaine_chaines, true},
      {"totale", Lance_totale, true},
  };
  return commandes;
}

std::string Noms_commandes() {
  std::string noms;
  for (const Commande_batch& c : Commandes_batch()) noms += (noms.empty() ? "" : ", ") + std::string(c.Nom);
  return noms;
}

bool Lit_commandes(std::string_view liste, std::vector<const Commande_batch*>& commandes, std::string& inconnu) {
  commandes.clear();
  size_t debut = 0;
  while (true) {
    const size_t fin = std::min(liste.find(',', debut), liste.size());
    const std::string_view nom = liste.substr(debut, fin - debut);
    const Commande_batch* trouvee = nullptr;
    for (const Commande_batch& c : Commandes_batch())
      if (nom == c.Nom) trouvee = &c;
    if (trouvee == nullptr) {
      inconnu = nom;
      return false;
    }
    commandes.push_back(trouvee);
    if (fin == liste.size()) return true;
    debut = fin + 1;
  }
}
