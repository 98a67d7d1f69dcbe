// Test images made with Leptonica's writers from the sample drawings.
#pragma once

#ifdef VRIX_LEPTONICA

#include <allheaders.h>

#include <memory>
#include <string>

struct Libere_pix {
  void operator()(PIX* p) const { pixDestroy(&p); }
};
using Pix_test = std::unique_ptr<PIX, Libere_pix>;

// The ink of a 1-bit BMP as read by the system's reader, as a 1-bit image
// (1 for ink), frame included.
Pix_test Pix_echantillon(const std::string& bmp);

// A grey scan of the drawing: background at level `fond` on the left,
// falling by `pente` levels to the right edge, ink `contraste` levels below
// the background under it, edges softened by a 3 x 3 mean, then noise of up
// to +-bruit levels (fixed seed).
Pix_test Pix_grise(PIX* un_bit, int contraste, int fond, int pente, int bruit);

#endif
