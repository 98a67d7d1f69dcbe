#include "text/ecriture_sure.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#if __has_include(<fcntl.h>) && __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define VRIX_FSYNC 1
#endif

namespace fs = std::filesystem;

namespace {

// Asks the system to put the file's bytes (or a directory's entries) on the
// disk; where it cannot be asked, closing the stream has to do.
bool Sur_disque(const fs::path& chemin, bool repertoire) {
#ifdef VRIX_FSYNC
  const int fd = ::open(chemin.c_str(), repertoire ? O_RDONLY | O_DIRECTORY : O_WRONLY);
  if (fd < 0) return repertoire;  // a directory that cannot be opened is no failure of the file
  const bool ok = ::fsync(fd) == 0 || repertoire;
  ::close(fd);
  return ok;
#else
  (void)chemin;
  (void)repertoire;
  return true;
#endif
}

}  // namespace

bool Remplace_fichier(const std::string& chemin, const std::string& octets) {
  std::error_code ec;
  // A link is followed: the file it names is the one replaced.
  fs::path cible = chemin;
  if (fs::is_symlink(cible, ec)) {
    cible = fs::canonical(cible, ec);
    if (ec) return false;
  }
  // An existing file must be one that could be written in place: a file the
  // system refuses to open for writing is refused here too, untouched.
  const bool existe = fs::exists(cible, ec);
  if (existe) {
    if (!fs::is_regular_file(cible, ec)) return false;
    std::ofstream essai(cible, std::ios::binary | std::ios::app);
    if (!essai) return false;
  }

  const fs::path provisoire = cible.string() + ".tmp";
  bool ok;
  {
    std::ofstream flux(provisoire, std::ios::binary | std::ios::trunc);
    ok = static_cast<bool>(flux);
    if (ok) {
      flux.write(octets.data(), static_cast<std::streamsize>(octets.size()));
      flux.close();
      ok = !flux.fail();
    }
  }
  if (ok) ok = Sur_disque(provisoire, false);
  if (ok && existe) {
    // The new file keeps the old one's permissions.
    const fs::perms droits = fs::status(cible, ec).permissions();
    if (!ec) fs::permissions(provisoire, droits, ec);
  }
  if (ok) {
    fs::rename(provisoire, cible, ec);
    ok = !ec;
  }
  if (!ok) {
    fs::remove(provisoire, ec);
    return false;
  }
  const fs::path repertoire = cible.parent_path();
  Sur_disque(repertoire.empty() ? fs::path(".") : repertoire, true);
  return true;
}
