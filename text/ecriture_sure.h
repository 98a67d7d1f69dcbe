// Replacing a library file without ever leaving it half written.
#pragma once

#include <string>

// Writes the bytes to a scratch file beside the target, then renames it over
// the target once every byte is on disk. False when anything failed; the
// target is then as it was and the scratch file is removed.
bool Remplace_fichier(const std::string& chemin, const std::string& octets);
