// Reference quadrilateral sorting: every step scans the whole unsorted list.
#pragma once

#include <cstdint>

struct Contexte;
struct Document;

int32_t Tri_quads_reference(Contexte& ctx, Document& doc, int32_t penteTQ);
