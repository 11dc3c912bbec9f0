// A deterministic replay of a shipped level with a text oracle: player one drives and fires
// from a fixed key script while the computer drivers hunt it (random draws seeded), frame by
// frame through the game's own passes at a fixed frame time. Every vehicle's position,
// heading, speed, hit points and fuel are written down every few frames and compared with
// the dump kept in the repository, so any change to how vehicles drive, collide, bounce,
// fight or think shows up as the first line that differs.
//
// After an intended change, rewrite the oracle and review its diff:
//   BRASK_REWRITE_REPLAY=1 ctest --test-dir build -R ReplayOracle
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "game/MenuNames.h"
#include "particles/ParticleRandom.h"
#include "tests/app/TempDir.h"
#include "tests/game/GlobalsFixture.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace mn = menunames;

namespace {

constexpr std::uint32_t kFrameMs = 16;
constexpr float kFrame = 0.016f;
constexpr int kFrames = 3000;  // 48 seconds of play
constexpr int kDumpEvery = 25;
constexpr unsigned kSeed = 23;
const char* const kLevel = "Assault1.txt";
const char* const kOracle = BRASK_SOURCE_DIR "/tests/world/replay/Assault1.txt";

// Player one's keys: each held from its first frame up to (not including) its last.
struct Press {
    int from;
    int to;
    KeySlot key;
};
const Press kScript[] = {
    {0, 160, P1Thrust},      {120, 170, P1Left},     {170, 420, P1Thrust},
    {200, 420, P1Primary},   {420, 470, P1Right},    {470, 720, P1Thrust},
    {500, 560, P1Secondary}, {720, 780, P1Brake},    {780, 960, P1Primary},
    {820, 1100, P1Thrust},   {960, 1010, P1Left},    {1100, 1180, P1Right},
    {1100, 1500, P1Primary}, {1180, 1400, P1Thrust}, {1300, 1360, P1Secondary},
};

// The effects' own random numbers, from the replay's seed, so their lifetimes (and with them
// how long a finished weapon lingers) repeat from run to run.
class SeededParticleRandom : public ParticleRandom {
public:
    int Next() override { return static_cast<int>(engine() % 32768u); }
    std::minstd_rand engine{kSeed};
};

// Rounded to the dump's precision, with no "-0.000".
std::string Number(float value) {
    double rounded = std::round(static_cast<double>(value) * 1000.0) / 1000.0;
    if (rounded == 0.0) rounded = 0.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", rounded);
    return text;
}

class ReplayOracleTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        application.Init();
        graphicsSystem.Shutdown();
        world.ResetResourceCache();
        menuSystem.EnsureMenu(mn::kMainMenu);
        menuSystem.EnsureMenu(mn::kLevelScreen);
        menuSystem.SetCurrentMenu(mn::kLevelScreen);
    }
    void TearDown() override {
        world.ClearLevel();
        GlobalsTest::TearDown();
        inside.reset();
    }

    void Frame() {
        application.UpdateCollisions();
        application.UpdateEntities();
        application.DrawEntityEffects();
        application.SweepDeadEntities();
        world.time += kFrame;
        fake.clock.milliseconds += kFrameMs;
        frameTimer.Update();
    }

    // One line per vehicle (batteries included), in update-list order.
    static void Dump(int frame, std::ostream& out) {
        int index = 0;
        for (const GameEntity* e : world.updateList) {
            if (e->GetTypeName() != "Vehicle") continue;
            const auto* v = static_cast<const Vehicle*>(e);
            // Forward is the model's +z axis; the heading is its angle about y.
            const float heading = std::atan2(v->GetMatrixElement(8), v->GetMatrixElement(10));
            out << "frame " << frame << " #" << index++ << " " << v->GetName() << " pos "
                << Number(v->GetMatrixElement(12)) << " " << Number(v->GetMatrixElement(13)) << " "
                << Number(v->GetMatrixElement(14)) << " heading " << Number(heading) << " speed "
                << Number(v->speed) << " hp " << v->GetHitPoints() << " fuel " << v->GetFuel()
                << "\n";
        }
    }

    // The whole replay from a fresh level, as text.
    std::string Play() {
        world.ClearLevel();
        world.ResetResourceCache();
        frameTimer.Init(false);
        fake.clock.milliseconds = 1000;
        frameTimer.Update();
        fake.clock.milliseconds += kFrameMs;
        frameTimer.Update();
        world.time = 0.0f;
        for (std::uint8_t& key : inputState.keys) key = 0;

        std::srand(kSeed);
        SeededParticleRandom particleRandom;
        SetParticleRandom(&particleRandom);
        world.SetAIDifficulty(0.5f);
        world.BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + kLevel);
        world.CreatePlayerVehicle(0);
        std::ostringstream out;
        out << "# " << kLevel << ", seed " << kSeed << ", " << kFrameMs
            << " ms frames: every vehicle every " << kDumpEvery << " frames\n";
        for (int frame = 0; frame <= kFrames; ++frame) {
            if (frame % kDumpEvery == 0) Dump(frame, out);
            for (const Press& press : kScript) inputState.keys[press.key] = 0;
            for (const Press& press : kScript)
                if (frame >= press.from && frame < press.to) inputState.keys[press.key] = 1;
            Frame();
        }
        for (std::uint8_t& key : inputState.keys) key = 0;
        world.ClearLevel();
        SetParticleRandom(nullptr);
        return out.str();
    }

    std::unique_ptr<WorkingDirectory> inside;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(ReplayOracleTest, EveryVehicleFollowsTheRecordedRoad) {
    const std::string played = Play();
    // The replay must be repeatable in one process before an oracle can mean anything.
    ASSERT_EQ(Play(), played) << "two runs of the same replay differ";

    if (const char* rewrite = std::getenv("BRASK_REWRITE_REPLAY"); rewrite && *rewrite) {
        std::ofstream out(kOracle, std::ios::binary | std::ios::trunc);
        out << played;
        ASSERT_TRUE(out.good()) << "cannot write " << kOracle;
        GTEST_SKIP() << "rewrote " << kOracle << ": review its diff";
    }

    std::ifstream in(kOracle, std::ios::binary);
    ASSERT_TRUE(in.good()) << kOracle << " is missing; write it with BRASK_REWRITE_REPLAY=1";
    std::ostringstream kept;
    kept << in.rdbuf();
    const std::vector<std::string> want = Lines(kept.str());
    const std::vector<std::string> have = Lines(played);
    for (std::size_t i = 0; i < std::min(want.size(), have.size()); ++i)
        ASSERT_EQ(have[i], want[i]) << "the replay leaves the oracle at line " << i + 1
                                    << " (after an intended change: BRASK_REWRITE_REPLAY=1)";
    EXPECT_EQ(have.size(), want.size()) << "the dump has another number of lines";
}

}  // namespace
