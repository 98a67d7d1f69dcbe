// "Zones Texte" (character localisation, then the recognition chain with
// the default data) after "Représentation", on the 1000 x 800 formula and on
// the sample A4 page: the whole of "representation,zones" as vrix-batch runs
// it, and the time "Zones Texte" adds alone, on copies of the lists that
// "Représentation" leaves.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>

#include "app/chaines.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"
#include "samples/dessin.h"
#include "text/police.h"

namespace {

const char* const DATA = VRIX_SOURCE "/data";

// What "Représentation" leaves, kept to be copied before every run.
struct Etat_vecto {
  Plan Plan1;
  ListeVecteurs Vecteurs;
  ListeQuads Quadrilateres;
  ListeCC CompConnexes;
  int32_t NbQuads = 0;
};

Etat_vecto Vectorise(const Plan& p) {
  ConsoleTexte con;
  Contexte ctx(con, DATA);
  Document doc;
  Installe_plan(doc, p.Copie());
  Chaine_representation(ctx, doc);
  return {p.Copie(), std::move(doc.Vecteurs), std::move(doc.Quadrilateres), std::move(doc.CompConnexes), doc.NbQuads};
}

void Compteurs(benchmark::State& state, const Document& doc, const ConsoleTexte& con) {
  state.counters["zones"] = static_cast<double>(doc.ZonesTexte.size());
  state.counters["NbZones"] = static_cast<double>(doc.NbZones);
  if (!con.Boites.empty()) state.SkipWithError(con.Boites.front().Texte.c_str());
}

// "Représentation" then "Zones Texte" on a fresh document.
void Deux_chaines(benchmark::State& state, const Plan& modele) {
  ConsoleTexte con;
  Contexte ctx(con, DATA);
  Charge_police_initiale(ctx);
  for (auto _ : state) {
    state.PauseTiming();
    {
      Document doc;
      Installe_plan(doc, modele.Copie());
      state.ResumeTiming();
      Chaine_representation(ctx, doc);
      Chaine_zones_texte(ctx, doc);
      state.PauseTiming();
      Compteurs(state, doc, con);
    }
    con.Log.clear();
    state.ResumeTiming();
  }
}

// "Zones Texte" alone, on the lists of "Représentation".
void Zones_seules(benchmark::State& state, const Etat_vecto& e) {
  ConsoleTexte con;
  Contexte ctx(con, DATA);
  Charge_police_initiale(ctx);
  for (auto _ : state) {
    state.PauseTiming();
    {
      Document doc;
      Installe_plan(doc, e.Plan1.Copie());
      doc.Vecteurs = e.Vecteurs;
      doc.Quadrilateres = e.Quadrilateres;
      doc.CompConnexes = e.CompConnexes;
      doc.NbQuads = e.NbQuads;
      state.ResumeTiming();
      Chaine_zones_texte(ctx, doc);
      state.PauseTiming();
      Compteurs(state, doc, con);
    }
    con.Log.clear();
    state.ResumeTiming();
  }
}

const Plan& Formule() {
  static const Plan p = Formule_exemple();
  return p;
}

// The sample page as Plan 1 reads it; an empty plane when it cannot be read.
const Plan& Page_a4(std::string& erreur) {
  static std::string e;
  static const Plan p = [] {
    ConsoleTexte con;
    Contexte ctx(con, DATA);
    Document doc;
    if (!Lit_bmp(ctx, doc, VRIX_SOURCE "/samples/page_a4.bmp")) {
      e = "samples/page_a4.bmp unreadable";
      return Plan();
    }
    return std::move(doc.Plan1);
  }();
  erreur = e;
  return p;
}

void BM_Representation_zones_formule(benchmark::State& state) { Deux_chaines(state, Formule()); }

void BM_Zones_texte_formule(benchmark::State& state) {
  static const Etat_vecto e = Vectorise(Formule());
  Zones_seules(state, e);
}

void BM_Representation_zones_page_a4(benchmark::State& state) {
  std::string erreur;
  const Plan& p = Page_a4(erreur);
  if (!erreur.empty()) return state.SkipWithError(erreur.c_str());
  Deux_chaines(state, p);
}

void BM_Zones_texte_page_a4(benchmark::State& state) {
  std::string erreur;
  const Plan& p = Page_a4(erreur);
  if (!erreur.empty()) return state.SkipWithError(erreur.c_str());
  static const Etat_vecto e = Vectorise(p);
  Zones_seules(state, e);
}

}  // namespace

BENCHMARK(BM_Representation_zones_formule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zones_texte_formule)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Representation_zones_page_a4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zones_texte_page_a4)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
