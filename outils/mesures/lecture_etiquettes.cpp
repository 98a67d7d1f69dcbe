#include "outils/mesures/lecture_etiquettes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "batch/commandes.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"
#include "text/police.h"
#include "text/sauve_texte.h"

namespace {

// The blocks of the text part, in file order.
std::vector<Bloc_texte> Blocs_du_texte(const std::string& texte) {
  std::vector<Bloc_texte> blocs;
  const std::string marque = "\n#Texte#\nNom=";
  for (size_t p = texte.find(marque); p != std::string::npos; p = texte.find(marque, p + 1)) {
    Bloc_texte b;
    const size_t debut = p + marque.size(), fin = texte.find('\n', debut);
    b.Nom = texte.substr(debut, fin - debut);
    const size_t s = texte.find("\nSommets=", fin);
    if (s != std::string::npos)
      std::sscanf(texte.c_str() + s, "\nSommets=(%d,%d) (%d,%d)", &b.Sx1, &b.Sy1, &b.Sx2, &b.Sy2);
    blocs.push_back(b);
  }
  return blocs;
}

bool Couvre(int x1, int y1, int x2, int y2, const Etiquette_v& e) {
  return x1 <= e.Xmin && y1 <= e.Ymin && e.Xmax <= x2 && e.Ymax <= y2;
}

bool Touche(const Bloc_texte& b, const Etiquette_v& e) {
  return b.Xmin <= e.Xmax && e.Xmin <= b.Xmax && b.Ymin <= e.Ymax && e.Ymin <= b.Ymax;
}

}  // namespace

Lecture Lit_dessin(const std::string& repertoire, const std::string& image) {
  Lecture l;
  ConsoleTexte con;
  Contexte ctx(con, repertoire);
  Charge_police_initiale(ctx);
  Document doc;
  if (!Ouvre_document(ctx, doc, image)) {
    l.Erreur = con.Boites.empty() ? "unreadable" : con.Boites.front().Texte;
    return l;
  }
  std::vector<const Commande_batch*> commandes;
  std::string inconnu;
  if (!Lit_commandes("representation,zones", commandes, inconnu)) {
    l.Erreur = "no command " + inconnu;
    return l;
  }
  for (const Commande_batch* c : commandes) c->Lance(ctx, doc);
  if (!con.Boites.empty()) {
    l.Erreur = con.Boites.front().Texte;
    return l;
  }
  l.Ouverte = true;
  l.Blocs = Blocs_du_texte(Texte_resultats("mesure.vrx", doc));
  // The characters' box of each zone, in the order the file writes them.
  std::map<uint32_t, Bloc_texte> boites;
  for (const CompConnexe& c : doc.ZonesTexte) {
    if (c.Zone < 1 || c.Zone > doc.NbZones) continue;
    auto [i, nouveau] = boites.try_emplace(c.Zone);
    Bloc_texte& b = i->second;
    if (nouveau) {
      b.Xmin = c.xmin, b.Ymin = c.ymin, b.Xmax = c.xmax, b.Ymax = c.ymax;
    } else {
      b.Xmin = std::min(b.Xmin, c.xmin), b.Ymin = std::min(b.Ymin, c.ymin);
      b.Xmax = std::max(b.Xmax, c.xmax), b.Ymax = std::max(b.Ymax, c.ymax);
    }
  }
  size_t k = 0;
  for (const auto& [zone, b] : boites) {
    if (k >= l.Blocs.size()) break;
    Bloc_texte& x = l.Blocs[k++];
    x.Xmin = b.Xmin, x.Ymin = b.Ymin, x.Xmax = b.Xmax, x.Ymax = b.Ymax;
  }
  if (k != l.Blocs.size()) l.Erreur = "blocks and zones disagree";
  l.QuadsTexte = doc.QuadsTexte;
  return l;
}

Sort_etiquette Juge_etiquette(const Etiquette_v& e, const std::vector<Bloc_texte>& blocs) {
  Sort_etiquette s;
  std::vector<const Bloc_texte*> dessus;
  for (const Bloc_texte& b : blocs) {
    s.Trouvee = s.Trouvee || Couvre(b.Xmin, b.Ymin, b.Xmax, b.Ymax, e);
    s.Trouvee_sommets = s.Trouvee_sommets || Couvre(b.Sx1, b.Sy1, b.Sx2, b.Sy2, e);
    if (!Touche(b, e)) continue;
    dessus.push_back(&b);
    s.Lue = s.Lue || b.Nom == e.Texte;
  }
  std::stable_sort(dessus.begin(), dessus.end(), [](const Bloc_texte* a, const Bloc_texte* b) { return a->Xmin < b->Xmin; });
  for (const Bloc_texte* b : dessus) s.Lu += (s.Lu.empty() ? "" : "|") + (b->Nom.empty() ? "?" : b->Nom);
  return s;
}

bool Trait_pris_pour_texte(const Trait_v& t, const ListeQuads& quads_texte) {
  const double dx = t.B.x - t.A.x, dy = t.B.y - t.A.y, lg = std::hypot(dx, dy);
  if (lg < 1e-9) return false;
  const double ecart = 1.5 * t.Epaisseur + 1, marge = (t.Epaisseur + 2) / lg;
  const auto sur = [&](double x, double y) {
    const double u = ((x - t.A.x) * dx + (y - t.A.y) * dy) / (lg * lg);
    const double d = std::abs((x - t.A.x) * dy - (y - t.A.y) * dx) / lg;
    return d <= ecart && u >= -marge && u <= 1 + marge;
  };
  for (const Quadrilatere& q : quads_texte) {
    if (Est_separateur(q)) continue;
    const Extremite a = Extremite1(q), b = Extremite2(q);
    if (sur(a.x, a.y) && sur(b.x, b.y)) return true;
  }
  return false;
}
