// Replacing a library file without ever leaving it half written.
#pragma once

#include <string>

// Writes the bytes to a scratch file beside the target (its name followed by
// ".tmp"), puts them on the disk, then renames the scratch file over the
// target, which keeps its permissions (a link is followed to the file it
// names). An existing target that cannot be opened for writing is refused.
// False when anything failed; the target is then as it was and the scratch
// file is removed.
bool Remplace_fichier(const std::string& chemin, const std::string& octets);
