// The analysis commands. "Totale" reads Plan 1 and the data files of the
// working directory and fills every result list of the document, then draws
// the symbols on Plan 2; the others run their stages on the lists as they
// stand. Each ends with the message beep.
#include "app/chaines_analyse.h"

#include "app/chaines.h"

#include "app/chaines_structure.h"
#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "display/dessin_structure.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "structure/chaines.h"
#include "structure/graphe.h"
#include "structure/liaisons.h"
#include "structure/polygones.h"
#include "structure/polygones2.h"
#include "text/localisation.h"
#include "text/reconnaissance.h"
#include "vecto/analyse_vecteurs.h"
#include "vecto/contours.h"
#include "vecto/fusion_quads.h"
#include "vecto/fusion_vecteurs.h"
#include "vecto/nettoyage.h"
#include "vecto/tri_quads.h"

void Groupe_polygones(Contexte& ctx, Document& doc) {
  if (!doc.Ouvert()) return;
  Localise_polygones(ctx, doc);
  Tri_longueur(ctx, doc);
  Recherche_polygones2(ctx, doc);
}

void Chaine_polygones(Contexte& ctx, Document& doc) {
  ctx.Con.Log_Efface();
  Groupe_polygones(ctx, doc);
  ctx.Con.Bip_Message();
}

void Chaine_chaines(Contexte& ctx, Document& doc) {
  ctx.Con.Log_Efface();
  if (doc.Ouvert()) Recherche_chaines(ctx, doc);
  ctx.Con.Bip_Message();
}

bool Chaine_totale(Contexte& ctx, Document& doc) {
  Console& con = ctx.Con;
  // NbQuads 0 alone would let a drawing without strokes run every stage again.
  if (doc.NbQuads == 0 && !doc.TotaleFaite) {
    con.Log_Efface();
    if (doc.Ouvert()) {
      doc.TotaleFaite = true;
      Etapes_representation(ctx, doc);
      con.Log_Efface();
      doc.Caracteres.clear();
      Localise_car(ctx, doc);
      con.Log_Efface();
      Groupe_graphe(ctx, doc);
      con.Log_Efface();
      Analyse_liaisons(ctx, doc);
      con.Log_Efface();
      Groupe_polygones(ctx, doc);
      con.Log_Efface();
      Recherche_chaines(ctx, doc);
      Raz_Plan2(doc);
      Reconnait_texte(ctx, doc);
      Dessin_symboles(ctx, doc, doc.ListeSymboles);
    }
  }
  con.Bip_Message();
  return doc.Ouvert();
}
