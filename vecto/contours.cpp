#include "vecto/contours.h"
void Contours(Contexte&, Document&) {}
