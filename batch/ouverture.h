// Opens one page of an input file of vrix-batch as the document. A BMP of
// 1 bit per pixel with the common 40-byte header and bottom-up rows goes
// through the system's own reader (Ouvre_document, its messages and results
// unchanged), and so does every file when the program reads no other format;
// any other file goes through the scan reader (lecture_images.h). Either way
// the plane becomes Plan 1 through Pose_plan1.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "batch/binarisation.h"

struct Contexte;
struct Document;

// Largest input file read whole by the scan reader, in bytes.
constexpr uint64_t TAILLE_FICHIER_MAX = uint64_t{1} << 30;

struct Page_ouverte {
  int32_t NbPages = 0;       // pages of the file; 0 when that could not be told
  std::string Format;        // "BMP 1 bit" for the system's reader, else the scan reader's format
  std::string Binarisation;  // the setting used, or empty when the ink was taken as it is
};

// Opens page `page` (from 1) of the file. The resolution the scan reader finds
// in the file, when it is 50 to 1000 dpi, becomes ctx.Resolution; otherwise
// Resolution comes from param.dat as for a BMP. False when the file is
// refused: raison then holds why, or is empty when the system's reader said
// it in a box. pages, when given, is told the file's number of pages as soon
// as it is known, before the page is decoded.
bool Ouvre_page(Contexte& ctx, Document& doc, const std::string& chemin, int32_t page,
                const Reglage_binarisation& reglage, Page_ouverte& ouverte, std::string& raison,
                const std::function<void(int32_t)>& pages = {});

// True when the first bytes of a file send it to the system's BMP reader:
// "BM" then either too few bytes for the two headers, or a 40-byte info
// header, 1 bit per pixel and a positive height.
bool Pour_lecteur_bmp(const uint8_t* debut, size_t taille);
