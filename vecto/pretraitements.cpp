#include "vecto/pretraitements.h"
void Restauration(Console&, Document&) {}
void Axe_median(Console&, Document&) {}
