// The chain "Représentation" on a formula-sized drawing and on the sample A4
// page at 300 dpi, read through the system's own BMP reader.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>

#include "app/chaines.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"
#include "samples/dessin.h"

namespace {

void Chaine(benchmark::State& state, const Plan& modele) {
  ConsoleTexte con;
  Contexte ctx(con, VRIX_SOURCE "/data");
  size_t quads = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      Document doc;
      Installe_plan(doc, modele.Copie());
      state.ResumeTiming();
      Chaine_representation(ctx, doc);
      quads = doc.Quadrilateres.size();
      state.PauseTiming();
    }
    con.Log.clear();
    state.ResumeTiming();
  }
  state.counters["quadrilateres"] = static_cast<double>(quads);
  if (!con.Boites.empty()) state.SkipWithError(con.Boites.front().Texte.c_str());
}

void BM_Representation_formule(benchmark::State& state) {
  static const Plan modele = Formule_exemple();
  Chaine(state, modele);
}

// The sample page as Plan 1 reads it; an empty plane when it cannot be read.
Plan Page_a4_echantillon(std::string& erreur) {
  ConsoleTexte con;
  Contexte ctx(con, VRIX_SOURCE "/data");
  Document doc;
  if (!Lit_bmp(ctx, doc, VRIX_SOURCE "/samples/page_a4.bmp")) {
    erreur = con.Boites.empty() ? "samples/page_a4.bmp unreadable" : con.Boites.front().Texte;
    return Plan();
  }
  return std::move(doc.Plan1);
}

void BM_Representation_page_a4(benchmark::State& state) {
  static std::string erreur;
  static const Plan modele = Page_a4_echantillon(erreur);
  if (!erreur.empty()) {
    state.SkipWithError(erreur.c_str());
    return;
  }
  Chaine(state, modele);
}

}  // namespace

BENCHMARK(BM_Representation_formule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Representation_page_a4)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
