// The vectorisation results file: a three-line header naming the file and the
// image, then one blank line and one text line per vector, quadrilateral
// (separators left out) and component, each kind numbered from 0.
#include "vecto/sauve_vectorisation.h"

#include <cstdio>
#include <memory>

#include "console/console.h"
#include "image/document.h"

namespace {

struct Fermeture {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool Sauve_vectorisation(Console& con, const std::string& chemin, const Document& doc) {
  const std::unique_ptr<std::FILE, Fermeture> f(std::fopen(chemin.c_str(), "w+"));
  if (!f) {
    con.Erreur_Box("Ouverture " + chemin + " impossible !");
    return false;
  }
  std::FILE* s = f.get();
  std::fprintf(s, " - Resultats Vectorisation : %s - \n", chemin.c_str());
  std::fprintf(s, " - (Image %s) - \n", Nom_sans_repertoire(doc.NomFichier).c_str());
  std::fprintf(s, " -===================-\n\n");

  int n = 0;
  for (const Vecteur& v : doc.Vecteurs) {
    if (v.Longueur == 0) continue;
    std::fprintf(s, "\nVecteur %d : %d,%d - %d,%d\n", n++, v.x1, v.y1, v.x2, v.y2);
  }
  n = 0;
  for (const Quadrilatere& q : doc.Quadrilateres) {
    if (Est_separateur(q)) continue;
    std::fprintf(s, "\nQuadrilatere %d : (%d,%d - %d,%d) * (%d,%d - %d,%d) \n", n++, q.x1, q.y1, q.x2, q.y2, q.x3,
                 q.y3, q.x4, q.y4);
  }
  n = 0;
  for (const CompConnexe& cc : doc.CompConnexes)
    std::fprintf(s, "\nComp. Connexe %d : %d,%d - %d,%d \n", n++, cc.xmin, cc.ymin, cc.xmax, cc.ymax);
  return true;
}
