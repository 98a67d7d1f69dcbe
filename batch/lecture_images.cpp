#include "batch/lecture_images.h"

#ifdef VRIX_LEPTONICA

#include <allheaders.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "batch/plan_image.h"

namespace {

struct Detruit_pix {
  void operator()(PIX* p) const { pixDestroy(&p); }
};
using Image_lept = std::unique_ptr<PIX, Detruit_pix>;

void Silence(const char*) {}

// The library writes nothing: every failure comes back as a reason.
void Prepare() {
  static const bool fait = [] {
    setMsgSeverity(L_SEVERITY_NONE);
    leptSetStderrHandler(Silence);
    return true;
  }();
  (void)fait;
}

// While it lives, what is written on the standard error (libpng and libjpeg
// write their own messages there) goes to a scratch file instead, so that a
// message becomes part of the reason given for the file.
class Erreurs_decodeurs {
 public:
  Erreurs_decodeurs() {
    std::fflush(stderr);
    fichier_ = std::tmpfile();
    if (fichier_ == nullptr) return;
    sauve_ = dup(STDERR_FILENO);
    if (sauve_ >= 0 && dup2(fileno(fichier_), STDERR_FILENO) < 0) {
      close(sauve_);
      sauve_ = -1;
    }
  }
  ~Erreurs_decodeurs() {
    Rend();
    if (fichier_ != nullptr) std::fclose(fichier_);
  }
  Erreurs_decodeurs(const Erreurs_decodeurs&) = delete;
  Erreurs_decodeurs& operator=(const Erreurs_decodeurs&) = delete;

  // " (FIRST LINE)" of what was written so far, or empty.
  std::string Detail() {
    Rend();
    if (fichier_ == nullptr) return "";
    char ligne[200] = {};
    std::rewind(fichier_);
    if (std::fgets(ligne, sizeof ligne, fichier_) == nullptr) return "";
    std::string t = ligne;
    while (!t.empty() && (t.back() == '\n' || t.back() == '\r' || t.back() == ' ')) t.pop_back();
    return t.empty() ? "" : " (" + t + ")";
  }

 private:
  void Rend() {
    if (sauve_ < 0) return;
    std::fflush(stderr);
    dup2(sauve_, STDERR_FILENO);
    close(sauve_);
    sauve_ = -1;
  }
  std::FILE* fichier_ = nullptr;
  int sauve_ = -1;
};

bool Est_tiff(l_int32 format) { return L_FORMAT_IS_TIFF(format); }

// The name of a format read here, or empty.
std::string Nom_format(l_int32 format) {
  if (Est_tiff(format)) return "TIFF";
  switch (format) {
    case IFF_PNG:
      return "PNG";
    case IFF_JFIF_JPEG:
      return "JPEG";
    case IFF_PNM:
      return "PNM";
    case IFF_BMP:
      return "BMP";
    default:
      return "";
  }
}

std::string Nom_autre(l_int32 format) {
  switch (format) {
    case IFF_GIF:
      return "GIF";
    case IFF_JP2:
      return "JPEG 2000";
    case IFF_WEBP:
      return "WebP";
    case IFF_PS:
      return "PostScript";
    case IFF_LPDF:
      return "PDF";
    case IFF_SPIX:
      return "spix";
    default:
      return "";
  }
}

// The format of the bytes, or a reason why they are not read.
bool Format(const uint8_t* octets, size_t taille, l_int32& format, std::string& raison) {
  // The signature test reads up to 12 bytes: a shorter file is given zeros.
  uint8_t debut[16] = {};
  for (size_t i = 0; i < sizeof debut && i < taille; ++i) debut[i] = octets[i];
  format = IFF_UNKNOWN;
  if (taille == 0) {
    raison = "empty file";
    return false;
  }
  if (findFileFormatBuffer(debut, &format) != 0 || format == IFF_UNKNOWN) {
    raison = "not an image (unknown format)";
    return false;
  }
  if (Nom_format(format).empty()) {
    const std::string autre = Nom_autre(format);
    raison = (autre.empty() ? std::string("this format") : autre + " files") +
             " not read (TIFF, PNG, JPEG, PNM and BMP are)";
    return false;
  }
  return true;
}

bool Page_existe(const uint8_t* octets, size_t taille, int32_t n) {
  l_int32 l = 0, h = 0, bps = 0, spp = 0, res = 0, cmap = 0, f = 0;
  return readHeaderMemTiff(octets, taille, n, &l, &h, &bps, &spp, &res, &cmap, &f) == 0;
}

// Pages exist from 0 up to the count: found by doubling then halving, so
// that a file of N pages costs about log N walks through its directories.
int32_t Pages_tiff(const uint8_t* octets, size_t taille) {
  if (!Page_existe(octets, taille, 0)) return 0;
  int32_t bas = 1, haut = 1;  // page bas - 1 exists
  while (haut < PAGES_MAX && Page_existe(octets, taille, haut)) {
    bas = haut + 1;
    haut = std::min<int64_t>(int64_t{haut} * 2, PAGES_MAX);
  }
  // Page bas - 1 exists, page haut does not (or haut is the cap).
  while (bas < haut) {
    const int32_t milieu = bas + (haut - bas) / 2;
    if (Page_existe(octets, taille, milieu))
      bas = milieu + 1;
    else
      haut = milieu;
  }
  return bas;
}

// Packed rows from the top, (width + 7) / 8 bytes each, 1 for ink.
std::vector<uint8_t> Bits_1bit(PIX* pix) {
  const l_int32 l = pixGetWidth(pix), h = pixGetHeight(pix), wpl = pixGetWpl(pix);
  const size_t utiles = (static_cast<size_t>(l) + 7) / 8;
  const l_uint32* data = pixGetData(pix);
  std::vector<uint8_t> bits(utiles * static_cast<size_t>(h));
  for (l_int32 y = 0; y < h; ++y) {
    const l_uint32* ligne = data + static_cast<size_t>(y) * static_cast<size_t>(wpl);
    uint8_t* b = bits.data() + static_cast<size_t>(y) * utiles;
    for (size_t i = 0; i < utiles; ++i) b[i] = static_cast<uint8_t>(GET_DATA_BYTE(ligne, i));
  }
  return bits;
}

Image_grise Grise(PIX* pix8) {
  Image_grise g;
  g.Largeur = pixGetWidth(pix8);
  g.Hauteur = pixGetHeight(pix8);
  const l_int32 wpl = pixGetWpl(pix8);
  const l_uint32* data = pixGetData(pix8);
  g.Gris.resize(static_cast<size_t>(g.Largeur) * static_cast<size_t>(g.Hauteur));
  for (l_int32 y = 0; y < g.Hauteur; ++y) {
    const l_uint32* ligne = data + static_cast<size_t>(y) * static_cast<size_t>(wpl);
    uint8_t* d = g.Gris.data() + static_cast<size_t>(y) * static_cast<size_t>(g.Largeur);
    for (l_int32 x = 0; x < g.Largeur; ++x) d[x] = static_cast<uint8_t>(GET_DATA_BYTE(ligne, x));
  }
  return g;
}

}  // namespace

bool Lecture_images_disponible() { return true; }

int32_t Compte_pages(const uint8_t* octets, size_t taille, std::string& raison) {
  Prepare();
  l_int32 format;
  if (!Format(octets, taille, format, raison)) return 0;
  if (!Est_tiff(format)) return 1;
  Erreurs_decodeurs erreurs;
  const int32_t n = Pages_tiff(octets, taille);
  if (n == 0) raison = "damaged TIFF file (no page can be read)" + erreurs.Detail();
  return n;
}

bool Lit_image(const uint8_t* octets, size_t taille, int32_t page, const Reglage_binarisation& reglage,
               int32_t cote_max, Image_lue& lue, std::string& raison) {
  Prepare();
  l_int32 format;
  if (!Format(octets, taille, format, raison)) return false;
  const std::string nom = Nom_format(format);
  const bool tiff = Est_tiff(format);
  if (page < 1 || (!tiff && page != 1)) {
    raison = "no page " + std::to_string(page) + " in this " + nom + " file";
    return false;
  }
  Erreurs_decodeurs erreurs;
  // The size from the header first: an absurd one is refused before any
  // pixel buffer is allocated.
  l_int32 l = 0, h = 0, bps = 0, spp = 0, res = 0, cmap = 0, f = 0;
  const bool entete = tiff ? readHeaderMemTiff(octets, taille, page - 1, &l, &h, &bps, &spp, &res, &cmap, &f) == 0
                           : pixReadHeaderMem(octets, taille, &f, &l, &h, &bps, &spp, &cmap) == 0;
  if (!entete) {
    raison = tiff && page > 1 ? "no page " + std::to_string(page) + " in this TIFF file"
                              : "damaged " + nom + " file (header unreadable)" + erreurs.Detail();
    return false;
  }
  const auto trop_grand = [&](l_int32 a, l_int32 b) {
    if (a >= 1 && b >= 1 && a <= cote_max && b <= cote_max) return false;
    raison = "image of " + std::to_string(a) + " x " + std::to_string(b) + " pixels (1 to " +
             std::to_string(cote_max) + " a side are read)";
    return true;
  };
  if (trop_grand(l, h)) return false;

  Image_lept pix(tiff ? pixReadMemTiff(octets, taille, page - 1) : pixReadMem(octets, taille));
  if (!pix) {
    raison = "damaged or truncated " + nom + " file" + erreurs.Detail();
    return false;
  }
  l = pixGetWidth(pix.get());
  h = pixGetHeight(pix.get());
  if (trop_grand(l, h)) return false;

  lue.Format = nom;
  lue.Profondeur = pixGetDepth(pix.get());
  lue.Resolution = pixGetXRes(pix.get()) > 0 ? pixGetXRes(pix.get()) : pixGetYRes(pix.get());
  if (lue.Resolution < 0) lue.Resolution = 0;
  if (lue.Profondeur == 1 && pixGetColormap(pix.get()) == nullptr) {
    lue.Binarisee = false;
    lue.Plan1 = Plan_bits(l, h, Bits_1bit(pix.get()), lue.Resolution);
    return true;
  }
  if (pixGetSpp(pix.get()) == 4) {
    Image_lept opaque(pixAlphaBlendUniform(pix.get(), 0xffffff00));
    if (opaque) pix = std::move(opaque);
  }
  Image_lept gris(pixConvertTo8(pix.get(), 0));
  if (!gris || pixGetDepth(gris.get()) != 8 || pixGetColormap(gris.get()) != nullptr) {
    raison = "pixels of this " + nom + " file cannot be turned grey";
    return false;
  }
  pix.reset();
  lue.Binarisee = true;
  lue.Plan1 = Plan_image(l, h, Binarise(Grise(gris.get()), reglage), lue.Resolution);
  return true;
}

#else

bool Lecture_images_disponible() { return false; }

int32_t Compte_pages(const uint8_t*, size_t, std::string& raison) {
  raison = "not a 1-bit BMP file, and this vrix-batch reads no other format (built without Leptonica)";
  return 0;
}

bool Lit_image(const uint8_t*, size_t, int32_t, const Reglage_binarisation&, int32_t, Image_lue&,
               std::string& raison) {
  raison = "not a 1-bit BMP file, and this vrix-batch reads no other format (built without Leptonica)";
  return false;
}

#endif
