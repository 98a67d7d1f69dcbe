#include "batch/sorties.h"

#include <cctype>
#include <filesystem>

#include "app/chaines.h"
#include "console/console.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "structure/dump_graphe.h"
#include "vecto/sauve_vectorisation.h"

std::string Racine_sortie(const std::string& image, const std::string& sortie) {
  const size_t barre = image.rfind('/');
  const std::string repertoire = barre == std::string::npos ? "" : image.substr(0, barre + 1);
  std::string nom = barre == std::string::npos ? image : image.substr(barre + 1);
  if (nom.size() >= 4) {
    std::string ext = nom.substr(nom.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".bmp") nom.resize(nom.size() - 4);
  }
  if (sortie.empty()) return repertoire + nom;
  return sortie.back() == '/' ? sortie + nom : sortie + "/" + nom;
}

bool Sauve_resultats(Console& con, const Document& doc, const std::string& racine, bool analyse, bool graphe) {
  bool ok = Sauve_vectorisation(con, racine + ".vecto.vrx", doc);
  ok = Sauve_Plan2(con, doc, racine + ".plan2.bmp") && ok;
  if (analyse) ok = Sauve_resultats_symboles(con, racine + ".vrx", doc) && ok;
  if (graphe && !Sauve_graphe(racine + ".graphe.txt", doc)) {
    con.Erreur_Box("Ecriture impossible : " + racine + ".graphe.txt");
    ok = false;
  }
  return ok;
}

void Efface_resultats(const std::string& racine) {
  for (const char* suffixe : {".vecto.vrx", ".plan2.bmp", ".vrx", ".graphe.txt", ".mol", ".smi"}) {
    std::error_code ec;
    std::filesystem::remove(racine + suffixe, ec);
  }
}
