// The scan reader of vrix-batch on arbitrary bytes (Leptonica's readers
// through the project's functions): it must refuse or read, never overrun,
// and what it reads must enter a document as a plane of consistent size.
#include <cstddef>
#include <cstdint>
#include <string>

#include "batch/lecture_images.h"
#include "image/document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A small side limit keeps one input's pixels within the fuzzer's memory.
  constexpr int32_t COTE = 1024;
  std::string raison;
  const int32_t pages = Compte_pages(data, size, raison);
  if (pages < 1) return 0;
  Reglage_binarisation reglage;
  if (size % 2 == 1) {
    reglage.Methode = Methode_binarisation::Sauvola;
    reglage.Fenetre = 3 + 2 * static_cast<int32_t>(size % 16);
  }
  for (const int32_t page : {1, pages, pages + 1}) {
    Image_lue lue;
    if (!Lit_image(data, size, page, reglage, COTE, lue, raison)) continue;
    const Plan& p = lue.Plan1;
    if (p.Info.Largeur < 1 || p.Info.Largeur > COTE || p.NbLignes < 1 || p.NbLignes > COTE ||
        p.Pixels.size() != static_cast<size_t>(p.NbOctetsLigne) * static_cast<size_t>(p.NbLignes))
      __builtin_trap();
    Document doc;
    Pose_plan1(doc, std::move(lue.Plan1));
    if (doc.Plan2.Pixels.size() != doc.Plan1.Pixels.size()) __builtin_trap();
  }
  return 0;
}
