#include "image/document.h"

#include <fstream>

#include "console/console.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "display/raz_listes.h"
#include "image/bmp.h"

bool Lit_bmp(Contexte& ctx, Document& doc, const std::string& chemin) {
  std::ifstream flux(chemin, std::ios::binary);
  EnteteFichier fichier;
  EnteteInfo info;
  if (!flux || !Lit_entetes(flux, fichier, info)) {
    ctx.Con.Erreur_Box("Fichier BMP erroné !");
    return false;
  }
  if (ctx.Resolution < 50 || ctx.Resolution > 1000)
    ctx.Resolution = static_cast<int32_t>(Parametre(ctx, "Resolution"));

  std::ifstream::pos_type position = flux.tellg();
  flux.seekg(0, std::ios::end);
  const uint64_t taille = static_cast<uint64_t>(flux.tellg());
  flux.seekg(position);

  Plan plan1;
  switch (Lit_plan(flux, taille, fichier, info, plan1)) {
    case ErreurBmp::Aucune:
      break;
    case ErreurBmp::NonBinaire:
      ctx.Con.Info_Box("Ne traite que les BMP binaires !");
      return false;
    case ErreurBmp::Erronee:
      ctx.Con.Erreur_Box("Fichier BMP erroné !");
      return false;
  }
  Pose_plan1(doc, std::move(plan1));
  return true;
}

void Pose_plan1(Document& doc, Plan plan1) {
  Blanchit_cadre(plan1);
  doc.Plan2 = Plan_comme(plan1, 0xFF);
  doc.PlanZoom = Plan_comme(plan1, 0x00);
  doc.Plan1 = std::move(plan1);
}

bool Ouvre_document(Contexte& ctx, Document& doc, const std::string& chemin) {
  if (doc.Ouvert()) Ferme_document(ctx, doc);
  doc.NomFichier = chemin;
  if (!Lit_bmp(ctx, doc, chemin)) {
    doc.NomFichier.clear();
    return false;
  }
  doc.PlanCourant = &doc.Plan1;
  return true;
}

void Ferme_document(Contexte& ctx, Document& doc) {
  if (doc.Ouvert()) {
    doc.Plan1 = Plan();
    doc.Plan2 = Plan();
    doc.PlanZoom = Plan();
    ctx.Con.Log_Efface();
    Raz_vecteurs(ctx.Con, doc.Vecteurs);
    Raz_quads(ctx.Con, doc.Quadrilateres, doc.NbQuads);
    Raz_quads(ctx.Con, doc.QuadsTexte, doc.NbQuads);
    Raz_CC(ctx.Con, doc.CompConnexes);
    Raz_caracteres(ctx.Con, doc.Caracteres);
    Raz_CC(ctx.Con, doc.ZonesTexte);
    Raz_arcs(ctx.Con, doc.ListeArcs);
    Raz_symboles(ctx.Con, doc.ListeSymboles);
    doc.NbGraphes = 0;
    doc.TotaleFaite = false;
  }
  doc.PlanCourant = nullptr;
  doc.NomFichier.clear();
}

std::string Nom_sans_repertoire(const std::string& chemin) {
  const size_t p = chemin.find_last_of("/\\:");
  return p == std::string::npos ? chemin : chemin.substr(p + 1);
}

void Informations(const Contexte& ctx, const Document& doc) {
  Console& con = ctx.Con;
  con.Log_Efface();
  if (!doc.Ouvert()) return;
  con.Log_Texte(1, "- Nb pixels en x (plan1):");
  con.Log_Nombre(0, 8 * doc.NbOctetsLigne());
  con.Log_Texte(1, "- Nb pixels en y (plan1): ");
  con.Log_Nombre(0, doc.NbLignes());
  con.Log_Texte(1, "- Nb pixel en x (bmp) : ");
  con.Log_Nombre(0, doc.PlanCourant->Info.Largeur);
  con.Log_Texte(1, "- Nb pixel en y (bmp) : ");
  con.Log_Nombre(0, doc.PlanCourant->Info.Hauteur);
  con.Log_Texte(1, "- Resolution : ");
  con.Log_Nombre(0, ctx.Resolution);
}
