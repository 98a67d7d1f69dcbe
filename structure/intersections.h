// Segment crossing and point-in-quadrilateral tests of the stroke graph, in
// double precision on whole-pixel coordinates.
#pragma once

#include <cstdint>

// 1 when the segments (x1,y1)-(x2,y2) and (x3,y3)-(x4,y4) cross or touch,
// with (x, y) the crossing point taken on the first segment and rounded up
// coordinate by coordinate; 0 when they miss or are parallel (x, y untouched).
int32_t Intersection_segments(int32_t& x, int32_t& y, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                              int32_t y3, int32_t x4, int32_t y4);

// 1 when (px, py) lies inside the quadrilateral of the four corners, by the
// parity of the edges crossed on the way to (0, 0). The parity is reversed
// when (0, 0) itself lies strictly inside.
int32_t Point_dans_quad(int32_t px, int32_t py, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                        int32_t y3, int32_t x4, int32_t y4);

// Whether (0, 0) lies strictly inside the quadrilateral, or on one of its edges.
bool Origine_dans_quad(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                       int32_t y4);
bool Origine_sur_bord(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                      int32_t y4);

// A double rounded to int, held within the int32 range.
int32_t Vers_int(double v);
