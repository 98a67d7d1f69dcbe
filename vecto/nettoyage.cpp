#include "vecto/nettoyage.h"
void Nettoyage(Document&, int32_t) {}
