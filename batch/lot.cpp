#include "batch/lot.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <deque>
#include <map>
#include <optional>
#include <unordered_map>

#include "batch/lecture_images.h"
#include "batch/sorties.h"
#include "batch/travailleurs.h"

namespace {

struct Etat_entree {
  int32_t NbPages = 0;  // 0 until the file's first page tells
  std::map<int32_t, Resultat_document> Rendus;
};

std::string Duree(double secondes) {
  char t[32];
  std::snprintf(t, sizeof t, "%g", secondes);
  return t;
}

}  // namespace

void Refuse_doublons(std::vector<Entree_lot>& entrees) {
  std::unordered_map<std::string, size_t> premiers;
  for (size_t i = 0; i < entrees.size(); ++i) {
    const auto [it, nouveau] = premiers.emplace(entrees[i].Racine, i);
    if (!nouveau && entrees[i].Refus.empty())
      entrees[i].Refus = "its results would overwrite those of " + entrees[it->second].Chemin;
  }
}

void Traite_lot(const Reglages_lot& reglages, const std::vector<Entree_lot>& entrees, int travailleurs,
                double limite,
                const std::function<void(const Resultat_document& r, size_t fait, size_t connus)>& rendu) {
  struct Travail {
    size_t Entree;
    Document_lot Document;
    std::optional<Resultat_document> Resultat;
  };
  std::deque<Travail> travaux;  // references stay valid as pages are added
  std::deque<size_t> file;
  std::vector<Etat_entree> etats(entrees.size());
  size_t connus = 0, fait = 0, prochaine = 0;
  int32_t page_prochaine = 1;

  for (size_t i = 0; i < entrees.size(); ++i) {
    ++connus;
    if (!entrees[i].Refus.empty()) {
      Resultat_document r;
      r.Entree = entrees[i].Chemin;
      r.Statut = "refused";
      r.Message = entrees[i].Refus;
      r.Lignes = {entrees[i].Refus};
      etats[i].NbPages = 1;
      etats[i].Rendus[1] = std::move(r);
      continue;
    }
    travaux.push_back({i, {entrees[i].Chemin, entrees[i].Racine, 1}, std::nullopt});
    file.push_back(travaux.size() - 1);
  }

  // Gives back every result that the list order allows.
  const auto rend = [&] {
    while (prochaine < entrees.size()) {
      Etat_entree& e = etats[prochaine];
      const auto it = e.Rendus.find(page_prochaine);
      if (e.NbPages == 0 || it == e.Rendus.end()) return;
      ++fait;
      rendu(it->second, fait, connus);
      e.Rendus.erase(it);
      if (page_prochaine < e.NbPages) {
        ++page_prochaine;
      } else {
        ++prochaine;
        page_prochaine = 1;
      }
    }
  };
  // The file's other pages come next, ahead of the files after it.
  const auto annonce_pages = [&](size_t t, int32_t n) {
    Etat_entree& e = etats[travaux[t].Entree];
    if (e.NbPages != 0 || travaux[t].Document.Page != 1) return;
    e.NbPages = std::clamp(n, 1, PAGES_MAX);
    connus += static_cast<size_t>(e.NbPages - 1);
    for (int32_t p = e.NbPages; p >= 2; --p) {
      Document_lot d = travaux[t].Document;
      d.Page = p;
      travaux.push_back({travaux[t].Entree, d, std::nullopt});
      file.push_front(travaux.size() - 1);
    }
  };

  Rappels_travail rappels;
  rappels.Suivant = [&](size_t& t) {
    if (file.empty()) return false;
    t = file.front();
    file.pop_front();
    return true;
  };
  rappels.Execute = [&](size_t t, const std::function<void(std::string_view)>& envoie) {
    const Document_lot& d = travaux[t].Document;
    const Resultat_document r = Traite_document(reglages, d, [&](int32_t n) {
      if (d.Page != 1) return;
      std::string m = std::to_string(n);
      m.insert(m.begin(), 'P');
      envoie(m);
    });
    std::string m = Code_resultat(r);
    m.insert(m.begin(), 'R');
    envoie(m);
  };
  rappels.Message = [&](size_t t, std::string m) {
    if (m.size() > 1 && m[0] == 'P') {
      int32_t n = 0;
      if (std::from_chars(m.data() + 1, m.data() + m.size(), n).ec == std::errc()) annonce_pages(t, n);
    } else if (!m.empty() && m[0] == 'R') {
      Resultat_document r;
      if (Decode_resultat(std::string_view(m).substr(1), r)) travaux[t].Resultat = std::move(r);
    }
  };
  rappels.Fin = [&](size_t t, const Fin_travail& f) {
    Travail& w = travaux[t];
    Etat_entree& e = etats[w.Entree];
    if (e.NbPages == 0) annonce_pages(t, 1);
    Resultat_document r;
    if (f.Issue == Issue_travail::Finie && f.Valeur == 0 && w.Resultat) {
      r = std::move(*w.Resultat);
    } else {
      r.Entree = w.Document.Chemin;
      r.Page = w.Document.Page;
      r.NbPages = e.NbPages;
      if (f.Issue == Issue_travail::Delai) {
        r.Statut = "timeout";
        r.Message = "stopped past the time limit of " + Duree(limite) + " s";
      } else {
        r.Statut = "error";
        r.Message = f.Issue == Issue_travail::Signal
                        ? "its worker process was ended by signal " + std::to_string(f.Valeur)
                        : "its worker process ended with status " + std::to_string(f.Valeur);
      }
      r.Lignes = {r.Message};
      // Results half written are not left behind.
      Efface_resultats(Racine_page(w.Document.Racine, w.Document.Page, e.NbPages));
    }
    r.Ms = f.Ms;
    w.Resultat.reset();
    e.Rendus[w.Document.Page] = std::move(r);
    rend();
  };
  rend();
  Fait_travailler(travailleurs, limite, rappels);
  rend();
}
