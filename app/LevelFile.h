#pragma once
// Level files: three texture names, the grid size as (X,Z), then one record per object:
// TYPE name (x,z) w h bounds. Items are whitespace-separated; each separator is any one
// non-blank character.
#include <istream>
#include <string>
#include <vector>

#include "app/ContentRecords.h"

// The most records a level may hold. The shipped rooms hold at most 32; each record is an
// object the level frame draws, collides and updates every frame, and a room of 2,000 plays
// at about 60 frames a second where 100,000 give a frame every few seconds
// (brask_render_bench CrowdedLevel). The reader stops one record beyond it, so that a longer
// file is known as too long without being read to its end.
constexpr std::size_t kLevelRecordMax = 2000;

// Reads a level from `in`. The header outputs are written only when the whole header reads;
// reading stops at the first item that does not read, keeping the complete records before
// it, so a broken or truncated file ends the list instead of repeating or inventing records;
// and after kLevelRecordMax + 1 records.
std::vector<EntityDesc> ParseLevelFile(std::istream& in, std::string* texture1,
                                       std::string* texture2, std::string* texture3, int* gridSizeX,
                                       int* gridSizeZ);
