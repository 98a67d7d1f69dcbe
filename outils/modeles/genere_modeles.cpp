// Writes the default character model library:
//
//   genere_modeles data/param.dat data/bimdl.dat [NBINDIF]
//
// How the library is made.
// - Characters: the small letters a b c d e f g h i l m n o r s t u, the
//   capitals A-Z, the digits and the signs + and -, one name each, in that
//   order. On a tie the comparison keeps the first model, so l wins over the
//   sans-serif I and o, O over 0: shapes a 10 x 8 mask cannot tell apart.
// - Renderings: every character from nine font files loaded by path (DejaVu
//   Sans and Serif, Liberation Sans and Serif, Nimbus Sans and Roman, and
//   the bold DejaVu Sans, Liberation Sans and Nimbus Roman of heavy labels),
//   the font scaled so that its "H" is 16, 19, 22, 25, 30, 35, 40 and 45
//   pixels high (labels at 300 dpi: the patent crops write them 16 to 22
//   pixels high, the generated drawings 24 to 45), its outline placed at
//   the offsets (0, 0), (0.5, 0), (0, 0.5) and (0.5, 0.5) of a pixel,
//   filled antialiased on a grey canvas and thresholded at mid-grey, as a
//   scan would be.
// - Zone: the inclusive ink box of the character, first and last ink columns
//   and rows, as the recognition chain gives a connected component to the
//   comparison (for i, the stem and the dot together). A box narrower or
//   flatter than the mask needs (I, l, i, 1 in some fonts, the flat -) is
//   widened to the minimum around its ink; the chain itself only compares
//   zones larger than that.
// - Mask: Extrait_masque on the zone with SEUILMASK of the param.dat given.
// - Merge: identical masks of one name are kept once, then Fusionne_modeles
//   merges the models of each name in a scratch directory whose param.dat is
//   the one given with NBINDIF set to NBINDIF_CONSTRUCTION (or the third
//   argument); the value in data/param.dat, which later training merges use,
//   is not changed.
// - Condensation: of the merged models only those the renderings need are
//   kept: each rendering whose nearest kept model has another name brings in
//   the nearest model of its own name, until a round brings nothing.
// - Output: the kept models in their order, every counter reset to 1 (no
//   recognition has used them yet; a first "Oublier" keeps them all),
//   NbTraitements 0. The same fonts and Qt give the same bytes at every run.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "outils/modeles/modeles_police.h"
#include "outils/rendu.h"
#include "text/ecriture_sure.h"

namespace {

constexpr int32_t NBINDIF_CONSTRUCTION = 6;

}  // namespace

int main(int argc, char** argv) {
  auto application = Demarre_rendu(argc, argv);
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: genere_modeles PARAM.dat BIMDL.dat [NBINDIF]\n";
    return 2;
  }
  const int32_t nbindif = argc == 4 ? std::atoi(argv[3]) : NBINDIF_CONSTRUCTION;
  std::ifstream source(argv[1], std::ios::binary);
  std::ostringstream param;
  if (!source || !(param << source.rdbuf())) {
    std::cerr << argv[1] << ": cannot read\n";
    return 1;
  }
  const std::filesystem::path brouillon =
      std::filesystem::temp_directory_path() / ("vrix_modeles_" + std::to_string(getpid()));
  std::filesystem::create_directories(brouillon);
  std::string octets, erreur;
  const bool fait =
      Construit_bibliotheque(param.str(), nbindif, Jeu_construction(), brouillon.string(), octets, erreur);
  std::error_code ec;
  std::filesystem::remove_all(brouillon, ec);
  if (!fait) {
    std::cerr << "genere_modeles: " << erreur << "\n";
    return 1;
  }
  if (!Remplace_fichier(argv[2], octets)) {
    std::cerr << argv[2] << ": cannot write\n";
    return 1;
  }
  std::cout << argv[2] << ": " << (octets.size() - 8) / TAILLE_MODELE << " models\n";
  return 0;
}
