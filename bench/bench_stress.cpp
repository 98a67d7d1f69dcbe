// The chain "Représentation" on the stress pages, each at 1, 4 and 16 times
// the area of the same content. After the table, the growth exponent of the
// CPU time with the area: log(t16 / t1) / log(16), and over each step of 4.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/chaines.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"
#include "samples/dessin.h"
#include "samples/pages_stress.h"

namespace {

constexpr int32_t ECHELLES[] = {1, 2, 4};

void Chaine(benchmark::State& state, const PageStress& page, int32_t echelle) {
  const Plan modele = page.Dessine(echelle);
  ConsoleTexte con;
  Contexte ctx(con, VRIX_SOURCE "/data");
  size_t quads = 0, vecteurs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      Document doc;
      Installe_plan(doc, modele.Copie());
      state.ResumeTiming();
      Chaine_representation(ctx, doc);
      state.PauseTiming();
      quads = doc.Quadrilateres.size();
      vecteurs = doc.Vecteurs.size();
    }
    con.Log.clear();
    state.ResumeTiming();
  }
  state.counters["quadrilateres"] = static_cast<double>(quads);
  state.counters["vecteurs"] = static_cast<double>(vecteurs);
  if (!con.Boites.empty()) state.SkipWithError(con.Boites.front().Texte.c_str());
}

// The console table, then one line of exponents per page.
class Rapport : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal.
  Rapport() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions, the median; otherwise the one run.
    for (const Run& r : runs) {
      if (r.error_occurred || r.iterations == 0) continue;
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
      const std::string nom = r.run_name.function_name;
      const auto barre = nom.rfind("/x");
      if (barre == std::string::npos) continue;
      const bool mediane = r.run_type == Run::RT_Aggregate;
      auto& t = temps[nom.substr(0, barre)][std::stoi(nom.substr(barre + 2))];
      if (mediane || !t.second) t = {r.GetAdjustedCPUTime(), mediane};
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nGrowth of the CPU time with the area (exponent: 1 linear, 2 quadratic)\n");
    std::printf("%-34s %8s %8s %8s\n", "page", "1->4", "4->16", "1->16");
    for (const auto& [page, t] : temps) {
      auto exposant = [&](int a, int b) {
        if (!t.count(a) || !t.count(b) || t.at(a).first <= 0) return std::string("-");
        char texte[16];
        std::snprintf(texte, sizeof texte, "%.2f",
                      std::log(t.at(b).first / t.at(a).first) / std::log(double(b) / a));
        return std::string(texte);
      };
      std::printf("%-34s %8s %8s %8s\n", page.c_str(), exposant(1, 4).c_str(), exposant(4, 16).c_str(),
                  exposant(1, 16).c_str());
    }
  }

 private:
  // page -> area factor -> (CPU time, whether it is a median)
  std::map<std::string, std::map<int, std::pair<double, bool>>> temps;
};

}  // namespace

int main(int argc, char** argv) {
  for (const PageStress& page : Pages_stress())
    for (const int32_t e : ECHELLES) {
      const std::string nom = "BM_Stress/" + page.Nom + "/x" + std::to_string(e * e);
      benchmark::RegisterBenchmark(nom.c_str(), [&page, e](benchmark::State& s) { Chaine(s, page, e); })
          ->Unit(benchmark::kMillisecond);
    }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Rapport rapport;
  benchmark::RunSpecifiedBenchmarks(&rapport);
  benchmark::Shutdown();
  return 0;
}
