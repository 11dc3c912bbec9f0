#pragma once
// Content paths as the game writes them: a folder string with backslashes or forward slashes
// (often both in one path) and file names whose case differs between the places that name
// them ("Tank.txt" and "tank.txt"). File names on disk are case-sensitive, so where a path
// component does not exist as written, the one entry of its folder that matches it ignoring
// case is used.
#include <filesystem>
#include <fstream>
#include <ios>
#include <string_view>

namespace platform {

// The file on disk that `path` names. When some component matches nothing, the path is
// returned as written (with '/' separators), which then fails to open. Where several entries
// of a folder match ignoring case, the first in byte order is taken.
std::filesystem::path ResolveContentPath(std::string_view path);

// Opens `path` for reading (`mode` adds, say, std::ios::binary); false when it does not open.
bool OpenContentFile(std::string_view path, std::ifstream& file,
                     std::ios::openmode mode = std::ios::in);

}  // namespace platform
