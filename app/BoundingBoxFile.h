#pragma once
// Bounding-box files: a count, then (x1,z1),(x2,z2) per rectangle, the smaller corner first.
#include <istream>
#include <vector>

#include "app/ContentRecords.h"

// Reads the rectangles from `in` in file order. A count of zero or less gives none; reading
// stops at the first rectangle that does not read completely, keeping those before it. The
// count only bounds the loop: it is never used to allocate.
std::vector<Box> ParseBoundingBoxes(std::istream& in);
