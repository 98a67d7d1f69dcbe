#include "batch/traitement.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <sstream>

#include "batch/ouverture.h"
#include "batch/sortie_molecule.h"
#include "batch/sorties.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"

namespace {

void Compte(const Document& doc, Resultat_document& r) {
  r.Vecteurs = static_cast<int64_t>(doc.Vecteurs.size());
  r.Traits = std::count_if(doc.Quadrilateres.begin(), doc.Quadrilateres.end(),
                           [](const Quadrilatere& q) { return !Est_separateur(q); });
  r.Composantes = static_cast<int64_t>(doc.CompConnexes.size());
  r.ZonesTexte = static_cast<int64_t>(doc.ZonesTexte.size());
  for (const Symbole& s : doc.ListeSymboles) {
    if (s.Type == 100) ++r.Polygones;
    if (s.Type == 200) ++r.Chaines;
    if (s.Type == 300) ++r.Liaisons;
    if (s.Type == 500) ++r.Croix;
  }
}

}  // namespace

std::string Racine_page(const std::string& racine, int32_t page, int32_t nb_pages) {
  return nb_pages > 1 ? racine + ".p" + std::to_string(page) : racine;
}

Resultat_document Traite_document(const Reglages_lot& reglages, const Document_lot& document,
                                  const std::function<void(int32_t)>& pages) {
  Resultat_document r;
  r.Entree = document.Chemin;
  r.Page = document.Page;
  ConsoleTexte con;
  std::ostringstream journal;
  if (reglages.Bavard) con.CopieLog = &journal;
  bool ouvert = false, ecrit = true;
  std::string raison;
  try {
    Contexte ctx(con, reglages.Repertoire);
    ctx.Police = reglages.Police;
    ctx.NbGlyphes = reglages.NbGlyphes;
    Document doc;
    Page_ouverte page;
    bool dit = false;
    ouvert = Ouvre_page(ctx, doc, document.Chemin, document.Page, reglages.Binarisation, page, raison,
                        [&](int32_t n) {
                          dit = true;
                          pages(n);
                        });
    r.NbPages = std::max(page.NbPages, 1);
    r.Format = page.Format;
    r.Binarisation = page.Binarisation;
    if (!dit) pages(r.NbPages);
    if (ouvert) {
      r.Largeur = doc.Plan1.Info.Largeur;
      r.Hauteur = doc.Plan1.Info.Hauteur;
      r.Resolution = ctx.Resolution;
      for (const Commande_batch* c : reglages.Commandes) c->Lance(ctx, doc);
      r.Sortie = Racine_page(document.Racine, document.Page, r.NbPages);
      const std::filesystem::path repertoire = std::filesystem::path(r.Sortie).parent_path();
      std::error_code ec;
      if (!repertoire.empty()) std::filesystem::create_directories(repertoire, ec);
      ecrit = Sauve_resultats(con, doc, r.Sortie, reglages.Analyse, reglages.Graphe);
      ecrit = Sauve_molecule(con, doc, r.Sortie, reglages.Mol, reglages.Smiles, r) && ecrit;
      r.Resolution = ctx.Resolution;
      Compte(doc, r);
    }
  } catch (const std::bad_alloc&) {
    raison = "out of memory";
    ecrit = false;
  }

  std::string erreurs;
  for (const Boite& b : con.Boites) {
    const bool dit = std::find(reglages.Deja_dits.begin(), reglages.Deja_dits.end(), b.Texte) !=
                     reglages.Deja_dits.end();
    if (!dit) r.Lignes.push_back(b.Titre + ": " + b.Texte);
    if (b.Titre == "Erreur" || !ouvert) erreurs += (erreurs.empty() ? "" : "; ") + b.Texte;
  }
  if (!raison.empty()) {
    r.Lignes.push_back(raison);
    erreurs = raison + (erreurs.empty() ? "" : "; " + erreurs);
  }
  if (!ouvert) {
    r.Statut = "refused";
    r.Sortie.clear();
  } else if (!erreurs.empty() || !ecrit) {
    r.Statut = "error";
  }
  r.Message = r.Ok() ? "" : erreurs;
  r.Journal = journal.str();
  return r;
}
