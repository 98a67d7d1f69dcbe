// Drawings of small formulas for the molecule tests: bonds as thick strokes,
// and labels pasted glyph by glyph from the characters of the sample
// drawings, which the recogniser reads.
#pragma once

#include <string>

#include "app/chaines_analyse.h"
#include "image/document.h"
#include "outils_test.h"
#include "samples/dessin.h"
#include "text/police.h"

// A working directory with the project's data files and the font loaded.
struct Banc_molecule : Banc {
  Banc_molecule() : Banc(Param_defaut()) {
    for (const char* f : {"police.dat", "bimdl.dat", "biqdl.dat", "SymbSimplex.dat", "SymbCplx.dat"})
      Ecrit_fichier(rep.Chemin(f), Lit_fichier(std::string(VRIX_SOURCE "/data/") + f));
    Charge_police_initiale(ctx);
  }
};

// Pastes the text (characters among C, H, O, N, 2, 3) with its top-left
// corner at (x, y): capitals 32 pixels high, digits as subscripts.
// Returns the right edge of the last glyph.
int Colle_etiquette(Plan& p, const std::string& texte, int x, int y);

// Pastes the ink of the box (xmin, ymin)-(xmax, ymax) of samples/NAME.bmp
// with its top-left corner at (x, y).
void Colle_region(Plan& p, const std::string& echantillon, int xmin, int ymin, int xmax, int ymax, int x, int y);

// Opens the plane as the document and runs "Totale" on it.
void Analyse(Banc_molecule& b, Document& doc, Plan p);
