#include "dessins_molecule.h"

#include <map>
#include <memory>

namespace {

struct Glyphe_source {
  const char* Fichier;
  int xmin, ymin, xmax, ymax;
  int Dy;  // offset of the glyph's top below the label's top
};

// Where each character is drawn in the samples (the zones they read as).
const std::map<char, Glyphe_source>& Glyphes() {
  static const std::map<char, Glyphe_source> g = {
      {'O', {"molecule", 265, 484, 294, 516, 0}},     {'H', {"molecule", 301, 484, 325, 516, 0}},
      {'C', {"chaine_triple", 436, 135, 459, 164, 0}}, {'3', {"chaine_triple", 495, 155, 508, 175, 23}},
      {'N', {"molecule", 337, 124, 360, 156, 0}},      {'2', {"molecule", 401, 146, 414, 167, 22}},
  };
  return g;
}

const Plan& Echantillon(const std::string& nom) {
  static std::map<std::string, std::unique_ptr<Document>> lus;
  auto& d = lus[nom];
  if (!d) {
    d = std::make_unique<Document>();
    Banc b;
    Ouvre_document(b.ctx, *d, VRIX_SOURCE "/samples/" + nom + ".bmp");
  }
  return d->Plan1;
}

}  // namespace

void Colle_region(Plan& p, const std::string& echantillon, int xmin, int ymin, int xmax, int ymax, int x, int y) {
  const Plan& source = Echantillon(echantillon);
  for (int v = ymin; v <= ymax; ++v)
    for (int u = xmin; u <= xmax; ++u)
      if (Lit_pixel(u, v, source)) Ecrit_pixel(x + u - xmin, y + v - ymin, 1, p);
}

int Colle_etiquette(Plan& p, const std::string& texte, int x, int y) {
  int droite = x;
  for (const char c : texte) {
    const Glyphe_source& g = Glyphes().at(c);
    Colle_region(p, g.Fichier, g.xmin, g.ymin, g.xmax, g.ymax, x, y + g.Dy);
    droite = x + g.xmax - g.xmin;
    x = droite + 8;
  }
  return droite;
}

void Analyse(Banc_molecule& b, Document& doc, Plan p) {
  Installe_plan(doc, std::move(p));
  Chaine_totale(b.ctx, doc);
}
