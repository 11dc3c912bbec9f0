#pragma once
// Level files: three texture names, the grid size as (X,Z), then one record per object:
// TYPE name (x,z) w h bounds. Items are whitespace-separated; each separator is any one
// non-blank character.
#include <istream>
#include <string>
#include <vector>

#include "app/ContentRecords.h"

// The most records a level may hold: eight times the largest shipped level (32). Every record
// is an object that the level frame draws, collides and updates, on Mesa's CPU rasteriser
// about a tenth of a millisecond each: on a busy 8-core machine 256 records play at about one
// and a half times the frame of 32, 500 at four times it and 5,000 at over a second a frame
// (brask_render_bench CrowdedLevel). The reader stops one record beyond the cap, so that a
// longer file is known as too long without being read to its end.
constexpr std::size_t kLevelRecordMax = 256;

// Reads a level from `in`. The header outputs are written only when the whole header reads;
// reading stops at the first item that does not read, keeping the complete records before
// it, so a broken or truncated file ends the list instead of repeating or inventing records;
// and after kLevelRecordMax + 1 records. A word longer than contentlimits::kMaxTokenBytes
// does not read.
std::vector<EntityDesc> ParseLevelFile(std::istream& in, std::string* texture1,
                                       std::string* texture2, std::string* texture3, int* gridSizeX,
                                       int* gridSizeZ);
