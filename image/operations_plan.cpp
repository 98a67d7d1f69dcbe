#include "image/operations_plan.h"

#include <algorithm>
#include <fstream>

#include "console/console.h"
#include "image/bmp.h"
#include "image/document.h"

void Raz_Plan2(Document& doc) { std::fill(doc.Plan2.Pixels.begin(), doc.Plan2.Pixels.end(), 0xFF); }

void Copie_P2_P1(Console& con, Document& doc) {
  if (!doc.Ouvert()) return;
  const int32_t largeur = 8 * doc.NbOctetsLigne();
  const int32_t hauteur = doc.NbLignes();
  con.Log_Efface();
  con.Log_Texte(0, " Copie de P2 ds P1 ...");
  con.Progression_Init(1, hauteur - 1);
  for (int32_t y = 1; y < hauteur - 1; ++y) {
    con.Progression_Pas();
    for (int32_t x = 1; x < largeur - 1; ++x) Ecrit_pixel(x, y, Lit_pixel(x, y, doc.Plan2), doc.Plan1);
  }
  con.Log_Efface();
}

bool Sauve_Plan2(Console& con, const Document& doc, const std::string& chemin) {
  if (!doc.Ouvert()) return false;
  std::ofstream flux(chemin, std::ios::binary | std::ios::trunc);
  if (!flux || !Ecrit_bmp(doc.Plan2, flux)) {
    con.Erreur_Box("Ecriture " + chemin + " impossible !");
    return false;
  }
  return true;
}
