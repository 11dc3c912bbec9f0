// A particle script and its block file are read once while they stay as they are, and anew
// whenever the file on disk is another, has changed or has gone.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "particles/ParticleSystem.h"
#include "tests/particles/ParticleFixtures.h"

namespace {

using particletest::BlockText;
using particletest::ParticleTest;
using particletest::ScriptText;
namespace fs = std::filesystem;

class ParticleFileCache : public ParticleTest {
protected:
    // Writes the script with `particles` particles (one batch), changed `hoursAgo`, so that
    // it has settled and may be kept.
    std::string WriteSettled(const std::string& particles, int hoursAgo) {
        const std::string file =
            Write("s.cfg", ScriptText().Set("num particles", particles).Text());
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(hoursAgo));
        return file;
    }
    // The particle count of a system loaded from `file`; -1 when the load is refused.
    static int CountOf(const std::string& file) {
        ParticleSystem system;
        try {
            system.Load(file.c_str());
        } catch (const ParticleLoadError&) {
            return -1;
        }
        return system.GetParticleCount();
    }
};

TEST_F(ParticleFileCache, ASettledScriptIsReadAnewOnceItChanges) {
    Write("blocks.txt", BlockText(3));
    const std::string file = WriteSettled("2", 5);
    EXPECT_EQ(CountOf(file), 2);
    EXPECT_EQ(CountOf(file), 2);

    // The same size, rewritten in place, its change time set back to another settled time.
    WriteSettled("3", 4);
    EXPECT_EQ(CountOf(file), 3);

    // Just written: not settled, so read every time, even when a second change within the
    // same tick of the clock leaves the stamp as it was.
    const auto justNow = fs::file_time_type::clock::now();
    Write("s.cfg", ScriptText().Set("num particles", "1").Text());
    fs::last_write_time(file, justNow);
    EXPECT_EQ(CountOf(file), 1);
    Write("s.cfg", ScriptText().Set("num particles", "4").Text());
    fs::last_write_time(file, justNow);
    EXPECT_EQ(CountOf(file), 4);

    // Gone: refused, not answered from what was read before.
    WriteSettled("2", 3);
    EXPECT_EQ(CountOf(file), 2);
    fs::remove(file);
    EXPECT_EQ(CountOf(file), -1);
}

TEST_F(ParticleFileCache, ASettledBlockFileIsReadAnewOnceItChanges) {
    const std::string file = WriteSettled("2", 5);
    const float zero[3] = {0, 0, 0};
    const auto writeBlocks = [&](float x, int hoursAgo) {
        const float at[3] = {x, 0, 0};
        const std::string blocks = Write("blocks.txt", BlockText(2, at, zero, zero, zero));
        fs::last_write_time(blocks,
                            fs::file_time_type::clock::now() - std::chrono::hours(hoursAgo));
    };
    const auto firstX = [&] {
        ParticleSystem system;
        system.Load(file.c_str());
        return system.GetParticle(0).basePosition[0];
    };
    writeBlocks(0.5f, 5);
    const float before = firstX();
    EXPECT_EQ(firstX(), before);
    // The same length, another place.
    writeBlocks(0.7f, 4);
    EXPECT_NE(firstX(), before);
}

}  // namespace
