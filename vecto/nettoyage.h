// Clean-up closing the vectorisation chain: removes components smaller than
// 5 x 5 with the vectors inside them, then the vectors shorter than n.
#pragma once

#include <cstdint>

struct Document;

void Nettoyage(Document& doc, int32_t n);
