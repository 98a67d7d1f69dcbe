// Drawing the text zones on Plan 2.
#pragma once

#include <cstdint>

#include "vecto/records.h"

class Console;
struct Document;

// Plan 2 cleared, then the pixels of Plan 1 inside every zone's box (bounds
// included) copied onto it, so that only the text of the image shows. In
// step mode each zone is shown with its Classe. Ends with the message beep;
// returns 1.
int32_t Dessin_caracteres(Console& con, Document& doc, const ListeCC& zones);
