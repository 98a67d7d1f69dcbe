// Graph dump. Reads ListeArcs and Quadrilateres; writes one text file.
#include "structure/dump_graphe.h"

#include <fstream>

#include "image/document.h"

namespace {

void Coins(std::string& t, const Quadrilatere* q) {
  const Quadrilatere vide;
  const Quadrilatere& c = q != nullptr ? *q : vide;
  for (const int32_t v : {c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4}) t += (' ' + std::to_string(v));
}

}  // namespace

std::string Texte_graphe(const Document& doc) {
  std::string t;
  for (const Arc& a : doc.ListeArcs) {
    t += a.Type;
    Coins(t, a.Quad1);
    Coins(t, a.Quad2);
    t += "\n";
  }
  t += "-\n";
  for (const Quadrilatere& q : doc.Quadrilateres) {
    if (Est_separateur(q)) continue;
    t += std::to_string(q.x1);
    for (const int32_t v : {q.y1, q.x2, q.y2, q.x3, q.y3, q.x4, q.y4, q.Longueur, q.Angle1, q.Angle2,
                            int32_t{q.Ep1}, int32_t{q.Ep2}, q.Marque, int32_t{q.Marque2}, int32_t{q.Niveau}})
      t += (' ' + std::to_string(v));
    t += "\n";
  }
  return t;
}

bool Sauve_graphe(const std::string& chemin, const Document& doc) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  if (!f) return false;
  const std::string t = Texte_graphe(doc);
  f.write(t.data(), static_cast<std::streamsize>(t.size()));
  f.close();
  return !f.fail();
}
