// The 1-bit plane of an image known pixel by pixel, with the headers a 1-bit
// BMP file of its size and resolution would have, so that it enters the
// document as a read BMP does (Pose_plan1).
#pragma once

#include <cstdint>
#include <vector>

#include "image/plan.h"

// encre: one byte a pixel, rows from the top, non-zero for ink. dpi: the
// image's resolution, written in the headers (pixels per metre) when it is
// positive; 300 dpi otherwise. The size must be 1 to COTE_MAX a side.
Plan Plan_image(int32_t largeur, int32_t hauteur, const std::vector<uint8_t>& encre, int32_t dpi);

// The same from packed bits: rows from the top, (largeur + 7) / 8 bytes each,
// most significant bit leftmost, 1 for ink; bits past the width are ignored.
Plan Plan_bits(int32_t largeur, int32_t hauteur, const std::vector<uint8_t>& bits, int32_t dpi);
