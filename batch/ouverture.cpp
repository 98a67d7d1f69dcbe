#include "batch/ouverture.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

#include "batch/lecture_images.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/bmp.h"
#include "image/document.h"

namespace {

constexpr size_t TAILLE_ENTETES = TAILLE_ENTETE_FICHIER + TAILLE_ENTETE_INFO;

uint32_t Lit32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

// The whole file, or false with the reason.
bool Lit_tout(std::ifstream& flux, std::vector<uint8_t>& octets, std::string& raison) {
  flux.seekg(0, std::ios::end);
  const std::streamoff taille = flux.tellg();
  if (taille < 0) {
    raison = "cannot be read";
    return false;
  }
  if (static_cast<uint64_t>(taille) > TAILLE_FICHIER_MAX) {
    raison = "file of " + std::to_string(taille) + " bytes (at most " + std::to_string(TAILLE_FICHIER_MAX) +
             " are read)";
    return false;
  }
  flux.seekg(0);
  octets.resize(static_cast<size_t>(taille));
  if (!flux.read(reinterpret_cast<char*>(octets.data()), taille)) {
    raison = "cannot be read";
    return false;
  }
  return true;
}

}  // namespace

bool Pour_lecteur_bmp(const uint8_t* debut, size_t taille) {
  if (taille < 2 || debut[0] != 'B' || debut[1] != 'M') return false;
  if (taille < TAILLE_ENTETES) return true;
  const uint8_t* info = debut + TAILLE_ENTETE_FICHIER;
  const uint16_t bits = static_cast<uint16_t>(info[14] | (info[15] << 8));
  return Lit32(info) == TAILLE_ENTETE_INFO && bits == 1 && static_cast<int32_t>(Lit32(info + 8)) > 0;
}

bool Ouvre_page(Contexte& ctx, Document& doc, const std::string& chemin, int32_t page,
                const Reglage_binarisation& reglage, Page_ouverte& ouverte, std::string& raison,
                const std::function<void(int32_t)>& pages) {
  ouverte = Page_ouverte{};
  raison.clear();
  std::ifstream flux(chemin, std::ios::binary);
  if (!flux) {
    raison = std::string("cannot be opened (") + std::strerror(errno) + ")";
    return false;
  }
  uint8_t debut[TAILLE_ENTETES] = {};
  flux.read(reinterpret_cast<char*>(debut), sizeof debut);
  const size_t lus = static_cast<size_t>(flux.gcount());
  if (!Lecture_images_disponible() || Pour_lecteur_bmp(debut, lus)) {
    ouverte.NbPages = 1;
    if (pages) pages(1);
    ouverte.Format = "BMP 1 bit";
    if (page != 1) {
      raison = "no page " + std::to_string(page) + " in a BMP file";
      return false;
    }
    return Ouvre_document(ctx, doc, chemin);
  }

  flux.clear();
  std::vector<uint8_t> octets;
  if (!Lit_tout(flux, octets, raison)) return false;
  flux.close();
  ouverte.NbPages = Compte_pages(octets.data(), octets.size(), raison);
  if (ouverte.NbPages == 0) return false;
  if (pages) pages(ouverte.NbPages);
  Image_lue lue;
  if (!Lit_image(octets.data(), octets.size(), page, reglage, COTE_MAX, lue, raison)) return false;
  octets = {};
  ouverte.Format = lue.Format;
  if (lue.Binarisee) ouverte.Binarisation = Nom_reglage(reglage);

  if (doc.Ouvert()) Ferme_document(ctx, doc);
  doc.NomFichier = chemin;
  if (lue.Resolution >= 50 && lue.Resolution <= 1000)
    ctx.Resolution = lue.Resolution;
  else if (ctx.Resolution < 50 || ctx.Resolution > 1000)
    ctx.Resolution = static_cast<int32_t>(Parametre(ctx, "Resolution"));
  Pose_plan1(doc, std::move(lue.Plan1));
  doc.PlanCourant = &doc.Plan1;
  return true;
}
