// The molecule builder on what "Totale" leaves: the graph alone
// (Extrait_graphe) and the whole molecule (Lit_molecule), on the 1000 x 800
// formula and on the sample A4 page (several molecules). "Totale" runs once
// per page, outside the timing; the builder only reads the document.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/chaines_analyse.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"
#include "molecule/molecule.h"
#include "text/police.h"

namespace {

const char* const DATA = VRIX_SOURCE "/data";

// The sample after "Totale", read once.
const Document& Apres_totale(const std::string& nom) {
  static std::unique_ptr<Document> docs[2];
  std::unique_ptr<Document>& d = docs[nom == "formule" ? 0 : 1];
  if (!d) {
    ConsoleTexte con;
    Contexte ctx(con, DATA);
    Charge_police_initiale(ctx);
    d = std::make_unique<Document>();
    Ouvre_document(ctx, *d, VRIX_SOURCE "/samples/" + nom + ".bmp");
    Chaine_totale(ctx, *d);
  }
  return *d;
}

void Graphe(benchmark::State& state, const std::string& nom) {
  const Document& doc = Apres_totale(nom);
  Graphe_lu g;
  for (auto _ : state) {
    g = Extrait_graphe(doc);
    benchmark::DoNotOptimize(g.Atomes.data());
  }
  state.counters["traits"] = static_cast<double>(doc.Quadrilateres.size());
  state.counters["atomes"] = static_cast<double>(g.Atomes.size());
  state.counters["liaisons"] = static_cast<double>(g.Liaisons.size());
}

void Molecule(benchmark::State& state, const std::string& nom) {
  const Document& doc = Apres_totale(nom);
  Molecule_lue m;
  for (auto _ : state) {
    m = Lit_molecule(doc, nom);
    benchmark::DoNotOptimize(m.Smiles.data());
  }
  state.counters["atomes"] = m.NbAtomes;
  state.counters["fragments"] = m.NbFragments;
}

}  // namespace

BENCHMARK_CAPTURE(Graphe, formule, std::string("formule"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Graphe, page_a4, std::string("page_a4"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Molecule, formule, std::string("formule"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Molecule, page_a4, std::string("page_a4"))->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
