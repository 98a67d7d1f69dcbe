// Symbols file. Reads ListeSymboles; appends to the file at the path. The
// vertices written never go beyond the 20 a symbol holds.
#include "structure/sauve_symboles.h"

#include <cstring>
#include <fstream>

#include "image/document.h"

namespace {

void Bloc(std::string& t, const Symbole& s) {
  t += "\n#Symbole#\n";
  int64_t v = 0;
  switch (s.Type) {
    case 100:
      t += "Nom=Polygone\n";
      v = s.Nb;
      break;
    case 200:
      t += "Nom=Chaine\n";
      v = int64_t{s.Nb} + 1;
      break;
    case 300:
      t += "Nom=Liaison\n";
      v = 2 * int64_t{s.Nb};
      break;
    case 500:
      t += "Nom=Croix\n";
      v = 2 * int64_t{s.Nb};
      break;
    default:
      return;
  }
  t += "NbSommets=";
  t += std::to_string(v);
  t += "\nSommets=";
  for (int64_t i = 0; i < v && i < Symbole::NB_SOMMETS; ++i) {
    t += '(';
    t += std::to_string(s.Sommets[i].x);
    t += ',';
    t += std::to_string(s.Sommets[i].y);
    t += ") ";
  }
  t += "\nCommentaire=";
  if (s.Type != 100) t.append(s.Commentaire, strnlen(s.Commentaire, Symbole::LG_COMMENTAIRE));
  t += "\n";
}

}  // namespace

std::string Texte_symboles(const Symboles& symboles) {
  std::string t;
  for (const Symbole& s : symboles) Bloc(t, s);
  return t;
}

bool Sauve_symboles(Console&, const std::string& chemin, const Document& doc) {
  std::ofstream f(chemin, std::ios::binary | std::ios::app);
  if (!f) return false;
  const std::string t = Texte_symboles(doc.ListeSymboles);
  f.write(t.data(), static_cast<std::streamsize>(t.size()));
  f.close();
  return !f.fail();
}
