#include "app/chaines.h"

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "structure/sauve_symboles.h"
#include "text/localisation.h"
#include "text/sauve_texte.h"
#include "vecto/analyse_vecteurs.h"
#include "vecto/contours.h"
#include "vecto/fusion_quads.h"
#include "vecto/fusion_vecteurs.h"
#include "vecto/nettoyage.h"
#include "vecto/tri_quads.h"

void Etapes_representation(Contexte& ctx, Document& doc) {
  {
    // Run again, the chain may merge away strokes that the graph's arcs and
    // the text candidates point to: those are dropped first, and the graph
    // may be built again.
    if (!doc.ListeArcs.empty() || !doc.Caracteres.empty()) {
      doc.ListeArcs.clear();
      doc.Caracteres.clear();
      doc.NbGraphes = 0;
    }
    Raz_Plan2(doc);
    Contours(ctx, doc);
    while (Fusion_vecteurs(ctx, doc) != 0) {
    }
    ctx.Con.Log_Efface();
    Analyse_vecteurs(ctx, doc);
    const auto penteTQ = static_cast<int32_t>(Parametre(ctx, "Seuil_penteTQ"));
    do {
      Tri_quads(ctx, doc, penteTQ);
    } while (Fusion_quads(ctx, doc) != 0);
    Nettoyage(doc, 5);
  }
}

void Chaine_representation(Contexte& ctx, Document& doc) {
  if (doc.Ouvert()) Etapes_representation(ctx, doc);
  ctx.Con.Bip_Message();
}

void Chaine_zones_texte(Contexte& ctx, Document& doc) {
  if (doc.Ouvert()) {
    doc.Caracteres.clear();
    Localise_car(ctx, doc);
    Reconnait_texte(ctx, doc, Etape_texte::Complete);
  }
  ctx.Con.Bip_Message();
}

void Chaine_reconnaissance(Contexte& ctx, Document& doc, Etape_texte etape) {
  if (doc.Ouvert()) Reconnait_texte(ctx, doc, etape);
}

bool Sauve_resultats_symboles(Console& con, const std::string& chemin, const Document& doc) {
  if (!Sauve_texte(chemin, doc)) {
    con.Erreur_Box("Sauvegarde des symboles impossible : " + chemin);
    return false;
  }
  if (Sauve_symboles(con, chemin, doc)) return true;
  con.Erreur_Box("Sauvegarde des symboles impossible : " + chemin);
  return false;
}
