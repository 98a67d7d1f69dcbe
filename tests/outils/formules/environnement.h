// The Qt application the generator paints with, made once for the suite.
#pragma once

#include <string>

#include "outils/formules/peinture.h"

// The drawing of the scene; the test fails when it cannot be made.
Dessin Dessin_de(const Scene& s);
