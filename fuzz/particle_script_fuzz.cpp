// Any bytes as a particle script, and the same bytes as its block file with the count the
// script asked for (when the script is one the game would use).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "particles/ParticleScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream script(text);
    ParticleScript read;
    ReadParticleScript(script, read);
    std::string why;
    if (!DeriveParticleCounts(read, why)) return 0;
    std::istringstream blocks(text);
    std::vector<ParticleBlock> out;
    std::vector<std::string> unmatched;
    ReadParticleBlocks(blocks, read.baseCount, out, unmatched, why);
    return 0;
}
