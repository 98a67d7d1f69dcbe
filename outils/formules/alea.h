// Random draws from a seed, the same on every machine: the 32-bit output of
// std::mt19937 is fixed by the standard, and the mapping to numbers is ours.
#pragma once

#include <cstdint>
#include <random>

#include "image/plan.h"

class Alea {
 public:
  explicit Alea(uint32_t graine) : g(graine) {}
  // In [0, 1).
  double Uniforme() { return static_cast<double>(g()) / 4294967296.0; }
  // In [-1, 1).
  double Centre() { return 2.0 * Uniforme() - 1.0; }

 private:
  std::mt19937 g;
};

// Flips every addressable pixel of the plane with the given probability,
// row after row from the top; returns the number flipped.
int64_t Bruite(Plan& p, double probabilite, Alea& alea);
