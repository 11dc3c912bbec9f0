// Any bytes as a tag file: reading ends, and no key or value is longer than a piece may be.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/TagFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    for (const auto& [key, value] : ParseTagFile(in))
        if (key.size() > kMaxTagPiece || value.size() > kMaxTagPiece) std::abort();
    return 0;
}
