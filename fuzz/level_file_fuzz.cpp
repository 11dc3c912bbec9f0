// Any bytes as a level file: reading ends, and the records are complete.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/LevelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::string textures[3];
    int gridX = 0, gridZ = 0;
    for (const EntityDesc& record :
         ParseLevelFile(in, &textures[0], &textures[1], &textures[2], &gridX, &gridZ))
        if (record.type.empty() || record.name.empty() || record.bounds.empty()) std::abort();
    return 0;
}
