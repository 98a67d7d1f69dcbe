// The structure commands: the graph group, run once per document, and the
// commands "Redessine" and "Liaisons multiples" built on it.
#include "app/chaines_structure.h"

#include "console/console.h"
#include "console/contexte.h"
#include "image/document.h"
#include "structure/analyse_extremites.h"
#include "structure/analyse_graphe.h"
#include "structure/graphe.h"
#include "structure/liaisons.h"

void Groupe_graphe(Contexte& ctx, Document& doc) {
  if (!doc.Ouvert() || doc.NbGraphes >= 1) return;
  Tri_longueur(ctx, doc);
  Construit_graphe(ctx, doc);
  Analyse_extremites(ctx, doc);
  Analyse_graphe(ctx, doc);
  Analyse_extremites(ctx, doc);
  doc.NbGraphes += 1;
}

void Chaine_redessine(Contexte& ctx, Document& doc) {
  ctx.Con.Log_Efface();
  Groupe_graphe(ctx, doc);
  ctx.Con.Log_Texte(1, "\nOk");
  ctx.Con.Bip_Message();
}

void Chaine_liaisons(Contexte& ctx, Document& doc) {
  ctx.Con.Log_Efface();
  if (doc.Ouvert()) Analyse_liaisons(ctx, doc);
  ctx.Con.Bip_Message();
}
