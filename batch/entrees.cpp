#include "batch/entrees.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <istream>

namespace fs = std::filesystem;

namespace {

std::string Minuscules(std::string t) {
  for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return t;
}

bool Finit_par(const std::string& t, const std::string& fin) {
  return t.size() >= fin.size() && t.compare(t.size() - fin.size(), fin.size(), fin) == 0;
}

// Every file of known extension below the folder; a sub-folder that cannot
// be read is said and the walk goes on with the others.
void Parcourt_dossier(const fs::path& racine, const fs::path& dossier, std::vector<Entree>& trouvees,
                      std::vector<std::string>& erreurs) {
  std::error_code ec;
  fs::directory_iterator it(dossier, ec), fin;
  for (; !ec && it != fin; it.increment(ec)) {
    std::error_code e;
    const bool lien = it->is_symlink(e);
    if (it->is_directory(e)) {
      if (!lien) Parcourt_dossier(racine, it->path(), trouvees, erreurs);
    } else if (it->is_regular_file(e) && Extension_connue(it->path().filename().string())) {
      const fs::path relatif = dossier.lexically_relative(racine);
      trouvees.push_back({it->path().string(), relatif == "." ? "" : relatif.generic_string()});
    }
  }
  if (ec) erreurs.push_back(dossier.string() + ": cannot be read (" + ec.message() + ")");
}

void Parcourt(const std::string& dossier, std::vector<Entree>& entrees, std::vector<std::string>& erreurs) {
  std::vector<Entree> trouvees;
  Parcourt_dossier(dossier, dossier, trouvees, erreurs);
  std::sort(trouvees.begin(), trouvees.end(), [](const Entree& a, const Entree& b) { return a.Chemin < b.Chemin; });
  entrees.insert(entrees.end(), trouvees.begin(), trouvees.end());
}

}  // namespace

bool Extension_connue(const std::string& nom) {
  const std::string n = Minuscules(nom);
  if (Finit_par(n, ".plan2.bmp")) return false;
  for (const char* e : {".bmp", ".tif", ".tiff", ".png", ".jpg", ".jpeg", ".pnm", ".pbm", ".pgm", ".ppm"})
    if (Finit_par(n, e) && n.size() > std::char_traits<char>::length(e)) return true;
  return false;
}

void Ajoute_argument(const std::string& argument, std::vector<Entree>& entrees, std::vector<std::string>& erreurs) {
  std::error_code ec;
  if (fs::is_directory(argument, ec))
    Parcourt(argument, entrees, erreurs);
  else
    entrees.push_back({argument, ""});
}

void Ajoute_liste(std::istream& flux, std::vector<Entree>& entrees, std::vector<std::string>& erreurs) {
  std::string ligne;
  while (std::getline(flux, ligne)) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    if (!ligne.empty()) Ajoute_argument(ligne, entrees, erreurs);
  }
}

bool Lit_part(const std::string& texte, int64_t& k, int64_t& n) {
  const size_t barre = texte.find('/');
  if (barre == std::string::npos) return false;
  const char* d = texte.data();
  const auto a = std::from_chars(d, d + barre, k);
  const auto b = std::from_chars(d + barre + 1, d + texte.size(), n);
  return a.ec == std::errc() && a.ptr == d + barre && b.ec == std::errc() && b.ptr == d + texte.size() &&
         barre > 0 && k >= 1 && n >= 1 && k <= n;
}

std::pair<size_t, size_t> Bornes_part(size_t total, int64_t k, int64_t n) {
  // Share K starts at floor((K - 1) * total / N); 128-bit products never overflow.
  const auto borne = [&](int64_t i) {
    return static_cast<size_t>(static_cast<unsigned __int128>(total) * static_cast<uint64_t>(i) /
                               static_cast<uint64_t>(n));
  };
  return {borne(k - 1), borne(k)};
}
