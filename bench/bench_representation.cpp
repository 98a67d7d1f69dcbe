// The chain "Représentation" on a formula-sized drawing and on a full A4 page.
#include <benchmark/benchmark.h>

#include <filesystem>

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

void BM_Representation_page_a4(benchmark::State& state) {
  static const Plan modele = Page_a4();
  Chaine(state, modele);
}

}  // namespace

BENCHMARK(BM_Representation_formule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Representation_page_a4)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
