// Image pre-treatments from Plan 1 into Plan 2.
#pragma once

class Console;
struct Document;

// 4-neighbour majority filter: removes isolated ink pixels, fills isolated holes.
void Restauration(Console& con, Document& doc);

// Chamfer distance of the ink; Plan 2 gets the ink less the ridge of the
// distance map, so the median axis shows as background lines.
void Axe_median(Console& con, Document& doc);
