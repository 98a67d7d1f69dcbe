// Subscript digits: in each zone, a character that starts below the middle of
// the one before it and whose second choice is a digit takes that digit.
// Reads the boxes and choices of the grouped list; swaps choices in place.
#pragma once

#include "vecto/records.h"

// For each pair of consecutive records A, B of one zone, B not a digit:
// B's choices are swapped when its Proche is a digit and
// ymin(B) >= ymin(A) + (ymax(A) - ymin(A)) / 2, the half not truncated.
void Detecte_chiffres(ListeCC& zones);
