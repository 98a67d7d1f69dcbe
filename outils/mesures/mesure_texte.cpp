// Measures how the chains "Représentation" and "Zones Texte" read the labels
// of drawings:
//
//   mesure_texte [-d DIR] [-v] IMAGE.bmp...                 (NAME.verite beside each image)
//   mesure_texte [-d DIR] [-v] --mol MOLDIR IMAGE.bmp...    (labels from MOLDIR/NAME.mol)
//
// DIR is the working directory of param.dat and the libraries (default
// data). With ground truths, for every label: found (one zone's box of
// characters covers the label's ink box, no tolerance: both are whole ink
// pixels of the same plane; the file's Sommets are counted apart), read
// exactly (a zone over its ink reads its text), and the bond strokes whose
// quadrilaterals were set aside as text. With molfiles, positions are
// unknown: a label is read when a zone of the drawing reads one of its forms,
// each zone matching one label at most. -v lists every miss.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "outils/mesures/etiquettes_mol.h"
#include "outils/mesures/lecture_etiquettes.h"

namespace {

struct Compte {
  int N = 0, Trouvees = 0, Sommets = 0, Lues = 0;
};

std::string Racine(const std::string& image) {
  const size_t p = image.size() >= 4 ? image.size() - 4 : image.size();
  return image.substr(p) == ".bmp" ? image.substr(0, p) : image;
}

std::string Nom_seul(const std::string& chemin) {
  const size_t p = chemin.find_last_of('/');
  return p == std::string::npos ? chemin : chemin.substr(p + 1);
}

double Pc(int a, int n) { return n ? 100.0 * a / n : 0.0; }

void Confusions(const std::map<std::string, int>& c) {
  std::vector<std::pair<int, std::string>> v;
  for (const auto& [k, n] : c) v.push_back({-n, k});
  std::sort(v.begin(), v.end());
  std::printf("confusions (label -> zones over it, '?' unnamed, '-' none):\n");
  for (const auto& [n, k] : v) std::printf("  %4d  %s\n", -n, k.c_str());
}

int Verites(const std::string& rep, const std::vector<std::string>& images, bool detail) {
  Compte total;
  std::map<std::string, Compte> par_texte;
  std::map<std::string, int> confusions;
  int traits = 0, traits_texte = 0, echecs = 0;
  for (const std::string& image : images) {
    std::ifstream f(Racine(image) + ".verite");
    Verite v;
    std::string erreur;
    if (!Lit_verite(f, v, erreur)) {
      std::fprintf(stderr, "%s: %s\n", image.c_str(), erreur.c_str());
      ++echecs;
      continue;
    }
    const Lecture l = Lit_dessin(rep, image);
    if (!l.Ouverte || !l.Erreur.empty()) {
      std::fprintf(stderr, "%s: %s\n", image.c_str(), l.Erreur.c_str());
      ++echecs;
      if (!l.Ouverte) continue;
    }
    for (const Etiquette_v& e : v.Etiquettes) {
      const Sort_etiquette s = Juge_etiquette(e, l.Blocs);
      for (Compte* c : {&total, &par_texte[e.Texte]}) {
        ++c->N;
        c->Trouvees += s.Trouvee;
        c->Sommets += s.Trouvee_sommets;
        c->Lues += s.Lue;
      }
      if (!s.Lue) {
        ++confusions[e.Texte + " -> " + (s.Lu.empty() ? "-" : s.Lu)];
        if (detail)
          std::printf("  %s: %s (%d,%d)-(%d,%d) read %s\n", Nom_seul(image).c_str(), e.Texte.c_str(), e.Xmin, e.Ymin,
                      e.Xmax, e.Ymax, s.Lu.empty() ? "-" : s.Lu.c_str());
      }
    }
    for (const Trait_v& t : v.Traits) {
      ++traits;
      if (Trait_pris_pour_texte(t, l.QuadsTexte)) {
        ++traits_texte;
        if (detail)
          std::printf("  %s: stroke (%.1f,%.1f)-(%.1f,%.1f) set aside as text\n", Nom_seul(image).c_str(), t.A.x,
                      t.A.y, t.B.x, t.B.y);
      }
    }
  }
  std::printf("%zu drawings, %d labels: found %d (%.1f %%), found by Sommets %d (%.1f %%), read exactly %d (%.1f %%)\n",
              images.size() - echecs, total.N, total.Trouvees, Pc(total.Trouvees, total.N), total.Sommets,
              Pc(total.Sommets, total.N), total.Lues, Pc(total.Lues, total.N));
  std::printf("bond strokes set aside as text: %d of %d\n", traits_texte, traits);
  std::printf("label      n  found  read\n");
  for (const auto& [t, c] : par_texte)
    std::printf("%-6s %5d %5.1f%% %5.1f%%\n", t.c_str(), c.N, Pc(c.Trouvees, c.N), Pc(c.Lues, c.N));
  Confusions(confusions);
  return echecs ? 1 : 0;
}

int Molfiles(const std::string& rep, const std::string& mols, const std::vector<std::string>& images, bool detail) {
  Compte total;
  std::map<std::string, Compte> par_texte;
  std::map<std::string, int> confusions;
  int echecs = 0, zones = 0;
  for (const std::string& image : images) {
    const std::string nom = Nom_seul(Racine(image));
    std::ifstream f(mols + "/" + nom + ".mol");
    std::vector<Etiquette_mol> etiquettes;
    std::string erreur;
    if (!f || !Lit_etiquettes_mol(f, etiquettes, erreur)) {
      std::fprintf(stderr, "%s: %s\n", nom.c_str(), f ? erreur.c_str() : "no molfile");
      ++echecs;
      continue;
    }
    const Lecture l = Lit_dessin(rep, image);
    if (!l.Ouverte) {
      std::fprintf(stderr, "%s: %s\n", image.c_str(), l.Erreur.c_str());
      ++echecs;
      continue;
    }
    zones += static_cast<int>(l.Blocs.size());
    std::vector<bool> pris(l.Blocs.size(), false);
    std::vector<std::string> manquees;
    for (const Etiquette_mol& e : etiquettes) {
      bool lue = false;
      for (size_t b = 0; b < l.Blocs.size() && !lue; ++b)
        if (!pris[b] && std::find(e.Formes.begin(), e.Formes.end(), l.Blocs[b].Nom) != e.Formes.end())
          pris[b] = lue = true;
      for (Compte* c : {&total, &par_texte[e.Texte]}) ++c->N, c->Lues += lue;
      if (!lue) manquees.push_back(e.Texte);
    }
    std::string restes;
    for (size_t b = 0; b < l.Blocs.size(); ++b)
      if (!pris[b]) restes += " " + (l.Blocs[b].Nom.empty() ? std::string("?") : l.Blocs[b].Nom);
    for (const std::string& m : manquees) ++confusions[m + " ->" + (restes.empty() ? " -" : restes)];
    if (detail && !manquees.empty()) {
      std::printf("  %s: missed", nom.c_str());
      for (const std::string& m : manquees) std::printf(" %s", m.c_str());
      std::printf("; unmatched zones:%s\n", restes.empty() ? " -" : restes.c_str());
    }
  }
  std::printf("%zu drawings, %d labels, %d zones: read exactly %d (%.1f %%)\n", images.size() - echecs, total.N, zones,
              total.Lues, Pc(total.Lues, total.N));
  std::printf("label      n  read\n");
  for (const auto& [t, c] : par_texte) std::printf("%-8s %4d %5.1f%%\n", t.c_str(), c.N, Pc(c.Lues, c.N));
  if (detail) Confusions(confusions);
  return echecs ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string rep = "data", mols;
  bool detail = false;
  std::vector<std::string> images;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if ((a == "-d" || a == "--mol") && i + 1 < argc)
      (a == "-d" ? rep : mols) = argv[++i];
    else if (a == "-v")
      detail = true;
    else if (!a.empty() && a[0] == '-') {
      images.clear();
      break;
    } else
      images.push_back(a);
  }
  if (images.empty()) {
    std::cerr << "usage: mesure_texte [-d DIR] [-v] [--mol MOLDIR] IMAGE.bmp...\n";
    return 2;
  }
  return mols.empty() ? Verites(rep, images, detail) : Molfiles(rep, mols, images, detail);
}
