#include "text/ecriture_sure.h"

#include <filesystem>
#include <fstream>
#include <system_error>

bool Remplace_fichier(const std::string& chemin, const std::string& octets) {
  const std::string provisoire = chemin + ".tmp";
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
  std::error_code ec;
  if (ok) {
    std::filesystem::rename(provisoire, chemin, ec);
    ok = !ec;
  }
  if (!ok) std::filesystem::remove(provisoire, ec);
  return ok;
}
