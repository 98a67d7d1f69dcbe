// Clean-up closing the vectorisation chain. Works on CompConnexes and on
// Vecteurs: a component less than 5 pixels wide and high goes with every
// vector lying in its box, then every vector shorter than n goes. No log.
#include "vecto/nettoyage.h"

#include "image/document.h"

namespace {

bool Dans_boite(const CompConnexe& cc, int32_t x, int32_t y) {
  return x >= cc.xmin && x <= cc.xmax && y >= cc.ymin && y <= cc.ymax;
}

}  // namespace

void Nettoyage(Document& doc, int32_t n) {
  doc.CompConnexes.remove_if([&](const CompConnexe& cc) {
    if (cc.xmax - cc.xmin >= 5 || cc.ymax - cc.ymin >= 5) return false;
    doc.Vecteurs.remove_if(
        [&](const Vecteur& v) { return Dans_boite(cc, v.x1, v.y1) && Dans_boite(cc, v.x2, v.y2); });
    return true;
  });
  doc.Vecteurs.remove_if([n](const Vecteur& v) { return v.Longueur < n; });
}
