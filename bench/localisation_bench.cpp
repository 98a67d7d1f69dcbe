// Character localisation alone, after the chain "Représentation": on the
// 1000 x 800 formula, on the sample A4 page, and on synthetic pages of n
// short hatching strokes (n = 1000 to 64000) to show how the cost grows.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <utility>

#include "app/chaines.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"
#include "samples/dessin.h"
#include "text/localisation.h"

namespace {

// The lists localisation works on, kept to be copied before every run.
struct Lists {
  ListeQuads Quadrilateres;
  ListeCC CompConnexes;
  ListeVecteurs Vecteurs;
  int32_t NbQuads = 0;
};

void Mesure(benchmark::State& state, const Plan& modele, const Lists& l) {
  ConsoleTexte con;
  Contexte ctx(con, VRIX_SOURCE "/data");
  ctx.Resolution = 300;
  size_t zones = 0, candidats = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      Document doc;
      Installe_plan(doc, modele.Copie());
      doc.Quadrilateres = l.Quadrilateres;
      doc.CompConnexes = l.CompConnexes;
      doc.Vecteurs = l.Vecteurs;
      doc.NbQuads = l.NbQuads;
      state.ResumeTiming();
      Localise_car(ctx, doc);
      state.PauseTiming();
      zones = doc.ZonesTexte.size();
      candidats = doc.Caracteres.size();
    }
    con.Log.clear();
    state.ResumeTiming();
  }
  state.counters["quads"] = static_cast<double>(l.Quadrilateres.size());
  state.counters["zones"] = static_cast<double>(zones);
  state.counters["candidats"] = static_cast<double>(candidats);
  if (!con.Boites.empty()) state.SkipWithError(con.Boites.front().Texte.c_str());
}

// The lists of "Représentation" on the plane.
Lists Vectorise(const Plan& p) {
  ConsoleTexte con;
  Contexte ctx(con, VRIX_SOURCE "/data");
  Document doc;
  Installe_plan(doc, p.Copie());
  Chaine_representation(ctx, doc);
  return {std::move(doc.Quadrilateres), std::move(doc.CompConnexes), std::move(doc.Vecteurs), doc.NbQuads};
}

void BM_Localisation_formule(benchmark::State& state) {
  static const Plan p = Formule_exemple();
  static const Lists l = Vectorise(p);
  Mesure(state, p, l);
}

void BM_Localisation_page_a4(benchmark::State& state) {
  static std::string erreur;
  static Plan p;
  static Lists l;
  static bool lu = false;
  if (!lu) {
    ConsoleTexte con;
    Contexte ctx(con, VRIX_SOURCE "/data");
    Document doc;
    if (Lit_bmp(ctx, doc, VRIX_SOURCE "/samples/page_a4.bmp")) {
      p = std::move(doc.Plan1);
      l = Vectorise(p);
    } else {
      erreur = "samples/page_a4.bmp unreadable";
    }
    lu = true;
  }
  if (!erreur.empty()) {
    state.SkipWithError(erreur.c_str());
    return;
  }
  Mesure(state, p, l);
}

// n short strokes in patches of parallel hatching (each stroke its own
// component), with a separator after each patch: every stroke is a
// candidate and every patch one chain.
void BM_Localisation_hachures(benchmark::State& state) {
  const auto n = static_cast<int32_t>(state.range(0));
  const int32_t cote = 40;  // strokes per patch side
  const int32_t patchs = (n + cote - 1) / cote;
  const int32_t par_ligne = 12;  // patches 200 pixels apart: each one chain of its own
  std::mt19937 g(7);
  Lists l;
  int32_t k = 0;
  for (int32_t p = 0; p < patchs; ++p) {
    const int32_t x0 = 10 + (p % par_ligne) * 200, y0 = 10 + (p / par_ligne) * 80;
    // Even patches are hatching (one direction); odd ones alternate two
    // directions, stay candidates and go through the zone selection.
    const int32_t angle = std::uniform_int_distribution<int32_t>(0, 89)(g);
    for (int32_t i = 0; i < cote && k < n; ++i, ++k) {
      Quadrilatere q;
      q.x1 = x0 + 3 * i, q.y1 = y0, q.x2 = x0 + 3 * i + 10, q.y2 = y0 + 30;
      q.x3 = q.x2 + 1, q.y3 = q.y2, q.x4 = q.x1 + 1, q.y4 = q.y1;
      q.Longueur = 32;
      q.Angle1 = q.Angle2 = (p % 2 == 1 && i % 2 == 1) ? angle + 90 : angle;
      l.Quadrilateres.push_back(q);
      CompConnexe c;
      c.xmin = q.x1, c.ymin = q.y1, c.xmax = q.x3, c.ymax = q.y3;
      l.CompConnexes.push_back(c);
    }
    l.Quadrilateres.push_back(Separateur());
  }
  l.NbQuads = static_cast<int32_t>(l.Quadrilateres.size());
  const Plan p = Plan_blanc(2420, 10 + (patchs / par_ligne + 1) * 80);
  Mesure(state, p, l);
  state.SetComplexityN(n);
}

}  // namespace

BENCHMARK(BM_Localisation_formule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Localisation_page_a4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Localisation_hachures)->RangeMultiplier(4)->Range(1000, 64000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK_MAIN();
