// Reading an A4 page at 300 dpi (samples/page_a4.bmp, 2480 x 3508) into a
// document, per format: the system's 1-bit BMP reader, then Leptonica's
// readers with binarisation of the grey pages, through vrix-batch's opening.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "batch/ouverture.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/bmp.h"
#include "image/document.h"

#ifdef VRIX_LEPTONICA
#include <allheaders.h>
#endif

namespace {

const std::string PAGE = VRIX_SOURCE "/samples/page_a4.bmp";

std::string Repertoire() {
  static const std::string r = [] {
    const auto d = std::filesystem::temp_directory_path() / "vrix_bench_lecture";
    std::filesystem::create_directories(d);
    std::ofstream(d / "param.dat") << std::ifstream(VRIX_SOURCE "/data/param.dat").rdbuf();
#ifdef VRIX_LEPTONICA
    // The page's ink as Leptonica sees it, then grey: ink 40, paper 220, soft edges.
    std::ifstream flux(PAGE, std::ios::binary);
    EnteteFichier f;
    EnteteInfo i;
    Plan p;
    Lit_entetes(flux, f, i);
    Lit_plan(flux, std::filesystem::file_size(PAGE), f, i, p);
    PIX* un = pixCreate(i.Largeur, i.Hauteur, 1);
    for (int32_t y = 0; y < i.Hauteur; ++y)
      for (int32_t x = 0; x < i.Largeur; ++x)
        if (((p.Pixels[static_cast<size_t>(i.Hauteur - 1 - y) * p.NbOctetsLigne + (x >> 3)] >> (7 - (x & 7))) & 1) == 0)
          pixSetPixel(un, x, y, 1);
    pixSetResolution(un, 300, 300);
    PIX* net = pixConvert1To8(nullptr, un, 220, 40);
    PIX* gris = pixBlockconv(net, 1, 1);
    PIX* couleur = pixConvertTo32(gris);
    const std::string s = d.string() + "/";
    pixWriteTiff((s + "page_g4.tif").c_str(), un, IFF_TIFF_G4, "w");
    pixWritePng((s + "page_1bit.png").c_str(), un, 0);
    pixWritePng((s + "page_gris.png").c_str(), gris, 0);
    pixWriteJpeg((s + "page_gris.jpg").c_str(), gris, 85, 0);
    pixWriteJpeg((s + "page_couleur.jpg").c_str(), couleur, 85, 0);
    pixWrite((s + "page_gris.pgm").c_str(), gris, IFF_PNM);
    pixWriteTiff((s + "page_gris_lzw.tif").c_str(), gris, IFF_TIFF_LZW, "w");
    for (PIX* x : {un, net, gris, couleur}) pixDestroy(&x);
#endif
    return d.string();
  }();
  return r;
}

void Ouvre(benchmark::State& state, const std::string& chemin, Methode_binarisation methode) {
  ConsoleTexte con;
  Contexte ctx(con, Repertoire());
  Reglage_binarisation r;
  r.Methode = methode;
  for (auto _ : state) {
    Document doc;
    Page_ouverte page;
    std::string raison;
    if (!Ouvre_page(ctx, doc, chemin, 1, r, page, raison)) state.SkipWithError(raison.c_str());
    benchmark::DoNotOptimize(doc.Plan1.Pixels.data());
  }
}

void Enregistre() {
  const auto ajoute = [](const std::string& nom, const std::string& fichier, Methode_binarisation m) {
    benchmark::RegisterBenchmark(nom.c_str(), [fichier, m](benchmark::State& s) {
      Ouvre(s, fichier.front() == '/' ? fichier : Repertoire() + "/" + fichier, m);
    })->Unit(benchmark::kMillisecond);
  };
  const auto O = Methode_binarisation::Otsu, S = Methode_binarisation::Sauvola;
  ajoute("A4/bmp_1bit_systeme", PAGE, O);
#ifdef VRIX_LEPTONICA
  ajoute("A4/tiff_g4", "page_g4.tif", O);
  ajoute("A4/png_1bit", "page_1bit.png", O);
  ajoute("A4/png_gris_otsu", "page_gris.png", O);
  ajoute("A4/png_gris_sauvola", "page_gris.png", S);
  ajoute("A4/jpeg_gris_otsu", "page_gris.jpg", O);
  ajoute("A4/jpeg_couleur_otsu", "page_couleur.jpg", O);
  ajoute("A4/pgm_otsu", "page_gris.pgm", O);
  ajoute("A4/tiff_lzw_gris_otsu", "page_gris_lzw.tif", O);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  Enregistre();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
