#include "vecto/fusion_vecteurs.h"
int32_t Fusion_vecteurs(Contexte&, Document&) { return 0; }
