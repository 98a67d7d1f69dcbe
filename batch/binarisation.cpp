#include "batch/binarisation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::vector<uint8_t> Binarise_otsu(const Image_grise& image) {
  const uint8_t seuil = Seuil_otsu(image);
  std::vector<uint8_t> encre(image.Gris.size());
  for (size_t i = 0; i < encre.size(); ++i) encre[i] = image.Gris[i] <= seuil ? 1 : 0;
  return encre;
}

// Column sums over the window's rows are kept for the current row (added and
// removed as the window slides down), then summed along the row as the
// window slides right: every pixel costs a constant, memory one row.
std::vector<uint8_t> Binarise_sauvola(const Image_grise& image, const Reglage_binarisation& r) {
  const int32_t l = image.Largeur, h = image.Hauteur, demi = r.Fenetre / 2;
  std::vector<uint8_t> encre(image.Gris.size());
  std::vector<uint32_t> somme(static_cast<size_t>(l), 0), carres(static_cast<size_t>(l), 0);
  const auto ligne = [&](int32_t y) { return image.Gris.data() + static_cast<size_t>(y) * static_cast<size_t>(l); };
  const auto ajoute = [&](int32_t y, int signe) {
    const uint8_t* g = ligne(y);
    for (int32_t x = 0; x < l; ++x) {
      const uint32_t v = g[x];
      somme[x] += signe > 0 ? v : -v;  // unsigned wrap-around undoes the addition exactly
      carres[x] += signe > 0 ? v * v : -(v * v);
    }
  };
  for (int32_t y = 0; y < std::min(demi, h); ++y) ajoute(y, 1);
  for (int32_t y = 0; y < h; ++y) {
    if (y + demi < h) ajoute(y + demi, 1);
    if (y - demi - 1 >= 0) ajoute(y - demi - 1, -1);
    const int64_t lignes = std::min(y + demi, h - 1) - std::max(y - demi, 0) + 1;
    uint64_t s = 0, q = 0;
    for (int32_t x = 0; x < std::min(demi, l); ++x) s += somme[x], q += carres[x];
    const uint8_t* g = ligne(y);
    uint8_t* e = encre.data() + static_cast<size_t>(y) * static_cast<size_t>(l);
    for (int32_t x = 0; x < l; ++x) {
      if (x + demi < l) s += somme[x + demi], q += carres[x + demi];
      if (x - demi - 1 >= 0) s -= somme[x - demi - 1], q -= carres[x - demi - 1];
      const int64_t colonnes = std::min(x + demi, l - 1) - std::max(x - demi, 0) + 1;
      const double n = static_cast<double>(lignes * colonnes);
      const double moyenne = static_cast<double>(s) / n;
      const double variance = std::max(0.0, static_cast<double>(q) / n - moyenne * moyenne);
      const double seuil = moyenne * (1.0 + r.K * (std::sqrt(variance) / 128.0 - 1.0));
      e[x] = g[x] <= seuil ? 1 : 0;
    }
  }
  return encre;
}

bool Lit_entier(std::string_view t, int32_t& v) {
  const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  return ec == std::errc() && fin == t.data() + t.size();
}

bool Lit_reel(std::string_view t, double& v) {
  const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  return ec == std::errc() && fin == t.data() + t.size() && !t.empty();
}

}  // namespace

bool Lit_reglage_binarisation(const std::string& texte, Reglage_binarisation& reglage) {
  if (texte == "otsu") {
    reglage = Reglage_binarisation{};
    return true;
  }
  Reglage_binarisation r;
  r.Methode = Methode_binarisation::Sauvola;
  if (texte == "sauvola") {
    reglage = r;
    return true;
  }
  const std::string_view t = texte;
  if (t.substr(0, 8) != "sauvola,") return false;
  const size_t virgule = t.find(',', 8);
  if (virgule == std::string_view::npos) return false;
  if (!Lit_entier(t.substr(8, virgule - 8), r.Fenetre) || !Lit_reel(t.substr(virgule + 1), r.K)) return false;
  if (r.Fenetre < 3 || r.Fenetre > 1001 || r.Fenetre % 2 == 0 || !(r.K >= 0.0 && r.K <= 1.0)) return false;
  reglage = r;
  return true;
}

std::string Nom_reglage(const Reglage_binarisation& reglage) {
  if (reglage.Methode == Methode_binarisation::Otsu) return "otsu";
  char k[32];
  std::snprintf(k, sizeof k, "%g", reglage.K);
  return "sauvola," + std::to_string(reglage.Fenetre) + "," + k;
}

uint8_t Seuil_otsu(const Image_grise& image) {
  std::array<uint64_t, 256> histo{};
  for (const uint8_t g : image.Gris) ++histo[g];
  const double total = static_cast<double>(image.Gris.size());
  double somme_totale = 0;
  for (int g = 0; g < 256; ++g) somme_totale += static_cast<double>(g) * static_cast<double>(histo[g]);
  double poids0 = 0, somme0 = 0, meilleure = -1;
  int seuil = 0;
  for (int t = 0; t < 255; ++t) {
    poids0 += static_cast<double>(histo[t]);
    somme0 += static_cast<double>(t) * static_cast<double>(histo[t]);
    const double poids1 = total - poids0;
    if (poids0 == 0 || poids1 == 0) {
      if (meilleure < 0) meilleure = 0, seuil = t;
      continue;
    }
    const double ecart = somme0 / poids0 - (somme_totale - somme0) / poids1;
    const double entre = poids0 * poids1 * ecart * ecart;
    if (entre > meilleure) meilleure = entre, seuil = t;
  }
  return static_cast<uint8_t>(seuil);
}

std::vector<uint8_t> Binarise(const Image_grise& image, const Reglage_binarisation& reglage) {
  if (image.Largeur <= 0 || image.Hauteur <= 0 ||
      image.Gris.size() != static_cast<size_t>(image.Largeur) * static_cast<size_t>(image.Hauteur))
    return {};
  if (reglage.Methode == Methode_binarisation::Otsu) return Binarise_otsu(image);
  return Binarise_sauvola(image, reglage);
}
