// Any bytes as a bounding-box file: reading ends, never with more boxes than bytes allow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/BoundingBoxFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    // A rectangle takes at least eleven bytes: seven separators and four one-digit numbers.
    if (ParseBoundingBoxes(in).size() * 11 > size) std::abort();
    return 0;
}
