// Reference quadrilateral construction: every search scans the whole list.
#pragma once

#include <cstdint>

struct Contexte;
struct Document;

int32_t Analyse_vecteurs_reference(Contexte& ctx, Document& doc);
