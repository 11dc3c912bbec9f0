#pragma once
// The 32-entry grey ramp that cel-shaded models look their shade up in, read from a text
// file of one number per line.
#include <istream>

constexpr int kShadeRampEntries = 32;

using ShadeRampTable = float[kShadeRampEntries][3];

// Three flat bands, the look of the shipped ramp file; used where the file is missing.
void FillDefaultShadeRamp(ShadeRampTable ramp);

// Fills entries from the lines of `in` (each line's leading number, 0 where there is none)
// until 32 are filled or the lines run out; every entry gets r = g = b. Entries that a short
// file leaves unfilled repeat its last value, so nothing is left undefined. Returns the
// number of lines read; with none the ramp is left as it was.
int ReadShadeRamp(std::istream& in, ShadeRampTable ramp);
