// Drawing synthetic line drawings: pixel art from text, thick strokes, filled
// polygons, rings, and whole formula-like figures. Used by the tests, the
// benchmarks and the sample generator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/document.h"
#include "image/plan.h"

struct Point2 {
  double x, y;
};

// A blank plane of the given size (all background).
Plan Plan_blanc(int32_t largeur, int32_t hauteur);

// Rows of '.' (background) and '#' (ink); the first character of the first
// row is pixel (x0, y0). The plane is large enough, with a margin.
Plan Plan_texte(const std::vector<std::string>& lignes, int32_t x0 = 1, int32_t y0 = 1);

// Ink on every pixel at distance at most epaisseur / 2 from the segment.
void Trait_epais(Plan& p, double x1, double y1, double x2, double y2, double epaisseur);

// Ink on every pixel whose centre lies inside the polygon.
void Polygone_plein(Plan& p, const std::vector<Point2>& sommets);

// Filled axis-aligned rectangle, bounds included.
void Rectangle_plein(Plan& p, int32_t xmin, int32_t ymin, int32_t xmax, int32_t ymax);

// A regular hexagon of strokes, centre (cx, cy), circumradius r, one vertex up.
// Returns its six vertices.
std::vector<Point2> Hexagone(Plan& p, double cx, double cy, double r, double epaisseur);

// A formula-like figure around (cx, cy) at scale 1 for a ring of radius 60:
// a hexagon with an inner double bond, a zigzag chain, a triple bond and two
// letters.
void Figure_formule(Plan& p, double cx, double cy, double echelle, double epaisseur);

// The 1000 x 800 sample formula.
Plan Formule_exemple();

// Opens the plane as the document's Plan 1, with a blank Plan 2, an inked
// PlanZoom, and Plan 1 shown.
void Installe_plan(Document& doc, Plan plan1);
