#include "particles/ParticleFileCache.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>
#include <utility>

#include "platform/ContentLimits.h"
#include "platform/Files.h"

namespace particlefiles {
namespace {

template <typename Parsed>
struct Kept {
    platform::ContentStamp stamp;
    Parsed parsed;
};

std::map<std::string, Kept<ParticleScript>>& Scripts() {
    static std::map<std::string, Kept<ParticleScript>> scripts;
    return scripts;
}

std::map<std::pair<std::string, int>, Kept<BlockFile>>& Blocks() {
    static std::map<std::pair<std::string, int>, Kept<BlockFile>> blocks;
    return blocks;
}

// A file changed this recently may change again within the same tick of the file system's
// clock, which its stamp could not tell: it is read anew each time until it has settled.
constexpr std::chrono::seconds kSettled{2};

bool Settled(const platform::ContentStamp& stamp) {
    return std::filesystem::file_time_type::clock::now() - stamp.changed >= kSettled;
}

// Reads `file` unless what is kept for `key` came from the settled file it names now, and
// keeps what `parse` makes of a settled file; nullptr when the file cannot be read (what was
// kept is forgotten then, so the next request tries again). What comes back stays valid
// until the next request.
template <typename Key, typename Parsed, typename Parse>
const Parsed* Fetch(std::map<Key, Kept<Parsed>>& kept, const Key& key, const std::string& file,
                    Parse parse) {
    platform::ContentStamp stamp;
    const bool stamped = platform::StampContentFile(file, stamp) && Settled(stamp);
    auto found = kept.find(key);
    if (stamped && found != kept.end() && found->second.stamp == stamp)
        return &found->second.parsed;
    if (found != kept.end()) kept.erase(found);
    std::istringstream in;
    if (!platform::OpenContentText(file, contentlimits::kMaxParticleFileBytes, in)) return nullptr;
    static Parsed fresh;
    fresh = Parsed{};
    parse(in, fresh);
    if (!stamped) return &fresh;
    return &kept.insert_or_assign(key, Kept<Parsed>{stamp, std::move(fresh)}).first->second.parsed;
}

}  // namespace

bool ReadScript(const std::string& file, ParticleScript& script) {
    const ParticleScript* read =
        Fetch(Scripts(), file, file,
              [](std::istream& in, ParticleScript& s) { ReadParticleScript(in, s); });
    if (!read) return false;
    script = *read;
    return true;
}

const BlockFile* ReadBlocks(const std::string& file, int count) {
    return Fetch(Blocks(), std::make_pair(file, count), file,
                 [count](std::istream& in, BlockFile& b) {
                     b.valid = ReadParticleBlocks(in, count, b.blocks, b.unmatched, b.why);
                 });
}

}  // namespace particlefiles
