#pragma once
// The particle scripts and block files as read, kept while their file on disk stays as it
// was (one changed in the last two seconds is read anew each time): a fight starts effects
// many times a second, each from the same few files, and reading and parsing them anew each
// time cost more than the rest of the frame's simulation.
#include <string>
#include <vector>

#include "particles/ParticleScript.h"

namespace particlefiles {

// The script at `file`, as ReadParticleScript reads it into a fresh ParticleScript; false
// when the file cannot be read.
bool ReadScript(const std::string& file, ParticleScript& script);

// A block file read for `count` blocks, as ReadParticleBlocks gives it.
struct BlockFile {
    bool valid = false;
    std::vector<ParticleBlock> blocks;
    std::vector<std::string> unmatched;
    std::string why;
};

// The block file at `file` for `count` blocks; nullptr when the file cannot be read. The
// result stays valid until the next call.
const BlockFile* ReadBlocks(const std::string& file, int count);

}  // namespace particlefiles
