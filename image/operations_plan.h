// Whole-plane operations on the open document.
#pragma once

#include <string>

class Console;
struct Document;

// Plan 2 all background.
void Raz_Plan2(Document& doc);

// Copies Plan 2 into Plan 1 pixel by pixel; the last addressable row and
// column keep Plan 1's values. The lists are left as they are.
void Copie_P2_P1(Console& con, Document& doc);

// Writes Plan 2 as a BMP file with Plan 1's headers. False, after an error
// box, when the file cannot be written.
bool Sauve_Plan2(Console& con, const Document& doc, const std::string& chemin);
