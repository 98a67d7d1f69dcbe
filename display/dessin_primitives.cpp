#include "display/dessin_primitives.h"
int32_t Dessin_vecteurs(Console&, Document&, const ListeVecteurs&) { return 1; }
int32_t Dessin_CC(Console&, Document&, const ListeCC&) { return 1; }
int32_t Dessin_quads(Console&, Document&, const ListeQuads&) { return 0; }
int32_t Dessin_quads_type(Console&, Document&, const ListeQuads&) { return 0; }
int32_t Dessin_squelette(Console&, Document&, const ListeQuads&) { return 0; }
