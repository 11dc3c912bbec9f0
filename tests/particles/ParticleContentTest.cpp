// Every particle script that the game's code names, read from the build tree with the
// game's own reader: every line matches, the block file agrees with the script, every frame
// file exists, and the expiry budget suits the way the code drives the effect.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "app/FileLoader.h"
#include "particles/Particle.h"
#include "platform/ContentLimits.h"
#include "platform/Files.h"
#include "tests/app/TempDir.h"
#include "tests/particles/ParticleFixtures.h"

namespace {

using particletest::RecordingCanvas;

// How the code drives an effect, which decides the budget its scripts need.
enum class Drive {
    // Expired on its first draw or started by its owner and stopped later: trails, the
    // shower, the bolt, dust, damage smoke, the status markers. An end would leave it dark.
    Endless,
    // Played once where something hit or blew up; the owner waits for it to end (a finished
    // weapon stays in the World until its impact has died out).
    OneShot,
    // The bars over the enemies: one rectangle resized from its edge, never fading.
    Bar,
};

const std::map<std::string, Drive> kDrives = {
    {"BigExplosion/crater.cfg", Drive::OneShot},
    {"BigExplosion/flare.cfg", Drive::OneShot},
    {"BigExplosion/smoke_trail.cfg", Drive::OneShot},
    {"BigExplosion/explosion_smoke1.cfg", Drive::OneShot},
    {"BigExplosion/explosion3.cfg", Drive::OneShot},
    {"Bolt/bolt.cfg", Drive::Endless},
    {"Shower/shower.cfg", Drive::Endless},
    {"Shower/shower_bounce.cfg", Drive::Endless},
    {"Dust/dust_trail.cfg", Drive::Endless},
    {"Dust/single_dust_trail.cfg", Drive::Endless},
    {"Damage_Smoke/damage_smoke.cfg", Drive::Endless},
    {"Explosion/crater.cfg", Drive::OneShot},
    {"Explosion/flare.cfg", Drive::OneShot},
    {"Explosion/explosion_smoke1.cfg", Drive::OneShot},
    {"Explosion/explosion3.cfg", Drive::OneShot},
    {"Sparks/blue_sparks.cfg", Drive::OneShot},
    {"Flare/light_circle.cfg", Drive::Endless},
    {"Flare/quick_light_circle.cfg", Drive::OneShot},
    {"Fireball/fireball.cfg", Drive::OneShot},
    {"Plasma/light_circle.cfg", Drive::OneShot},
    {"Plasma/flare_trail.cfg", Drive::Endless},
    {"Plasma/red_light_circle.cfg", Drive::OneShot},
    {"Plasma/red_flare_trail.cfg", Drive::Endless},
    {"Flare/bright_light_white.cfg", Drive::Endless},
    {"Flare/light_circle_white.cfg", Drive::Endless},
    {"Status_Effects/danger.cfg", Drive::Endless},
    {"Status_Effects/energy_gain.cfg", Drive::Endless},
    {"Status_Effects/energy_sap.cfg", Drive::Endless},
    {"Health_Bar/max_health_bar.cfg", Drive::Bar},
    {"Health_Bar/health_bar.cfg", Drive::Bar},
    {"Health_Bar/max_energy_bar.cfg", Drive::Bar},
    {"Health_Bar/energy_bar.cfg", Drive::Bar},
};

constexpr const char* kPrefix = "./RESOURCES/Files/Particles/";

// The script paths written in the game's code, found the way a reader of the code would.
std::set<std::string> ScriptsNamedByTheCode() {
    std::set<std::string> names;
    const std::regex literal("\"(\\./RESOURCES/Files/Particles/[^\"]+\\.cfg)\"");
    for (const char* folder : {"world", "game", "particles"}) {
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path(BRASK_SOURCE_DIR) / folder)) {
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string source = text.str();
            for (std::sregex_iterator it(source.begin(), source.end(), literal), end; it != end;
                 ++it)
                names.insert((*it)[1]);
        }
    }
    return names;
}

// Answers like the texture manager: 0 for a frame file that is not there.
class FrameFilesCanvas : public RecordingCanvas {
public:
    unsigned LoadTexture(const std::string& file) override { return Check(file); }
    unsigned LoadTextureColourKey(const std::string& file, const int[3]) override {
        return Check(file);
    }
    std::vector<std::string> absent;

private:
    unsigned Check(const std::string& file) {
        std::string bytes;
        if (platform::ReadContentFile(file, contentlimits::kMaxImageFileBytes, bytes) ==
            platform::ContentRead::Read)
            return 1;
        absent.push_back(file);
        return 0;
    }
};

class ParticleContent : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        fileLoader.Init();
        SetParticleCanvas(&canvas);
    }
    void TearDown() override {
        SetParticleCanvas(nullptr);
        inside.reset();
    }

    platform::FakePlatform fake;
    FrameFilesCanvas canvas;
    std::unique_ptr<WorkingDirectory> inside;
};

TEST(ParticleContentNames, EveryScriptTheCodeNamesHasItsDrive) {
    const std::set<std::string> named = ScriptsNamedByTheCode();
    EXPECT_EQ(named.size(), kDrives.size());
    for (const std::string& name : named)
        EXPECT_TRUE(kDrives.count(name.substr(std::string(kPrefix).size())))
            << name << " is named by the code but has no drive in this check";
}

TEST_P(ParticleContent, LoadsAsTheCodeDrivesIt) {
    const std::string path = kPrefix + GetParam();
    const Drive drive = kDrives.at(GetParam());
    ParticleSystem system;
    ASSERT_NO_THROW(system.Load(path.c_str())) << path;
    const ParticleScript& script = system.GetScript();
    for (const std::string& line : script.unmatched) ADD_FAILURE() << path << ": " << line;
    ASSERT_TRUE(script.type == 0 || script.type == 1 || script.type == 4)
        << "type " << script.typeWord << " draws nothing";
    EXPECT_TRUE(system.BlocksLoaded()) << script.blockFile << ": " << system.GetBlockError();
    for (const std::string& line : system.GetBlockLinesUnmatched())
        ADD_FAILURE() << script.blockFile << ": " << line;
    EXPECT_GE(script.bitmapCount, 1);
    for (const std::string& file : canvas.absent) ADD_FAILURE() << "missing frame " << file;
    EXPECT_GT(script.fadeStep, 0);
    EXPECT_GE(script.maxAlpha, script.minAlpha);
    EXPECT_GE(script.maxSize, script.minSize);

    const bool random = script.randomPosition || script.randomDirection;
    switch (drive) {
        case Drive::Endless:
            EXPECT_EQ(script.lifetimeLoops, -1) << "an endless effect with a budget goes dark";
            EXPECT_FALSE(random);
            break;
        case Drive::OneShot:
            EXPECT_GE(script.lifetimeLoops, 0) << "a one-shot effect must end";
            // Debris pieces are expired on their first draw: each needs a rebirth to show.
            if (script.randomDirection) {
                EXPECT_GE(script.lifetimeLoops, script.particleCount);
            }
            break;
        case Drive::Bar:
            EXPECT_EQ(script.type, 0);
            EXPECT_EQ(script.baseCount, 1);
            EXPECT_NE(script.length, script.height) << "a bar must be a rectangle";
            EXPECT_EQ(script.fadeSpeed, 0.0f) << "a bar must never age";
            EXPECT_EQ(script.lifetimeLoops, -1);
            EXPECT_FALSE(random);
            break;
    }
}

std::vector<std::string> DriveNames() {
    std::vector<std::string> names;
    for (const auto& [name, drive] : kDrives) names.push_back(name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Shipped, ParticleContent, ::testing::ValuesIn(DriveNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

// The options file the game reads from its working directory turns smoke effects on.
TEST_F(ParticleContent, TheOptionsFileTurnsSmokeOn) {
    EXPECT_TRUE(ReadSmokeOption());
}

}  // namespace
