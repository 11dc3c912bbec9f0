#pragma once
// Level files: three texture names, the grid size as (X,Z), then one record per object:
// TYPE name (x,z) w h bounds. Items are whitespace-separated; each separator is any one
// non-blank character.
#include <istream>
#include <string>
#include <vector>

#include "app/ContentRecords.h"

// Reads a level from `in`. The header outputs are written only when the whole header reads;
// reading stops at the first item that does not read, keeping the complete records before
// it, so a broken or truncated file ends the list instead of repeating or inventing records.
// A word longer than contentlimits::kMaxTokenBytes does not read.
std::vector<EntityDesc> ParseLevelFile(std::istream& in, std::string* texture1,
                                       std::string* texture2, std::string* texture3, int* gridSizeX,
                                       int* gridSizeZ);
