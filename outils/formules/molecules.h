// The bundled sample drawings, as scenes.
#pragma once

#include <vector>

#include "outils/formules/scene.h"

// Every sample drawing but the A4 page, each named after its file.
std::vector<Scene> Catalogue();

// An A4 page at 300 dpi (2480 x 3508) holding the undegraded samples of the
// catalogue, twice over, row after row.
Scene Page_a4_formules(const std::vector<Scene>& catalogue);
