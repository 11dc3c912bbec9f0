// Opponents searching for a standing player one in every shipped Assault, Story and Battle
// level, through the game's own frame passes at 16 ms frames with the platform fakes. For each
// level it reports how long a searching opponent stays jammed (within 1 unit of one spot for
// more than 3 s, outside its deliberate turns on the spot) per minute of searching, and how
// long each opponent takes to make its first move. Player one never fires and is kept alive,
// so the search goes on for the whole run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ai/AIController.h"
#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "game/Application.h"
#include "game/ComputerDrivers.h"
#include "platform/fake/FakePlatform.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/EntityKinds.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

constexpr std::uint32_t kFrameMs = 16;
constexpr float kFrame = 0.016f;
// One run: a minute of play, from several seeds.
constexpr int kRunFrames = 60 * 1000 / static_cast<int>(kFrameMs);
constexpr int kRuns = 48;
// Jammed: within this many units of one spot for longer than kJamSeconds.
constexpr float kJamReach = 1.0f;
constexpr float kJamSeconds = 3.0f;

struct Level {
    const char* file;
    // Battle rooms get one random computer vehicle from the game mode; the others place
    // theirs in the level file.
    bool battle;
};
const Level kLevels[] = {
    {"Assault1.txt", false},  {"Assault2.txt", false},     {"Assault3.txt", false},
    {"Assault4.txt", false},  {"Story1.txt", false},       {"Story2.txt", false},
    {"Story3.txt", false},    {"Story4.txt", false},       {"Story5.txt", false},
    {"Story6.txt", false},    {"Bathroom1.txt", true},     {"Bathroom2.txt", true},
    {"Bedroom1.txt", true},   {"Bedroom2.txt", true},      {"BreakfastNook.txt", true},
    {"DiningRoom.txt", true}, {"Multi_Bedroom.txt", true},
};

// One opponent's watch: the spot it stays near, and the searching time spent there.
struct Watch {
    Vehicle* vehicle;
    float spotX, spotZ;
    float stay = 0.0f;        // seconds near the spot
    float searching = 0.0f;   // of which searching, outside a turn on the spot
    float firstMove = -1.0f;  // seconds until it first left its start
    float startX, startZ;
};

struct Totals {
    double jammed = 0.0;
    double searching = 0.0;
    double alive = 0.0;
    double firstMoveSum = 0.0;
    double firstMoveWorst = 0.0;
    int opponents = 0;
};

void EndStay(Watch& w, Totals& totals) {
    if (w.stay > kJamSeconds) totals.jammed += w.searching;
    w.stay = 0.0f;
    w.searching = 0.0f;
    w.spotX = w.vehicle->GetMatrixElement(12);
    w.spotZ = w.vehicle->GetMatrixElement(14);
}

void Frame(platform::FakePlatform& fake) {
    application.UpdateCollisions();
    application.UpdateEntities();
    application.DrawEntityEffects();
    application.SweepDeadEntities();
    world.time += kFrame;
    fake.clock.milliseconds += kFrameMs;
    frameTimer.Update();
}

void RunLevel(const Level& level, int seed, platform::FakePlatform& fake, Totals& totals) {
    std::srand(static_cast<unsigned>(seed));
    fake.clock.milliseconds += static_cast<std::uint32_t>(seed);
    world.ClearLevel();
    world.SetAIDifficulty(0.5f);
    world.BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + level.file);
    world.CreatePlayerVehicle(seed % 4);
    if (level.battle) world.SpawnRandomVehicle();
    Vehicle* player = world.GetPlayerOne();

    std::vector<Watch> watches;
    for (GameEntity* e : world.updateList) {
        Vehicle* v = AsVehicle(e);
        if (!v || !v->GetController() || v->GetName() == "Battery") continue;
        const float x = v->GetMatrixElement(12);
        const float z = v->GetMatrixElement(14);
        watches.push_back(Watch{v, x, z, 0.0f, 0.0f, -1.0f, x, z});
    }

    for (int frame = 0; frame < kRunFrames; ++frame) {
        Frame(fake);
        player->SetHitPoints(player->GetMaxHitPoints());
        for (Watch& w : watches) {
            const AIController* driver = ComputerDriverOf(*w.vehicle);
            if (!driver) continue;  // destroyed
            const float x = w.vehicle->GetMatrixElement(12);
            const float z = w.vehicle->GetMatrixElement(14);
            if (w.firstMove < 0.0f && std::hypot(x - w.startX, z - w.startZ) > kJamReach)
                w.firstMove = static_cast<float>(frame + 1) * kFrame;
            totals.alive += kFrame;
            const bool searching = driver->state == Search && driver->manoeuvre == 0;
            if (searching) totals.searching += kFrame;
            if (std::hypot(x - w.spotX, z - w.spotZ) > kJamReach || driver->manoeuvre != 0) {
                EndStay(w, totals);
                continue;
            }
            w.stay += kFrame;
            // Waiting at the start for the first path is reported as the first move.
            if (searching && w.firstMove >= 0.0f) w.searching += kFrame;
        }
    }
    for (Watch& w : watches) {
        EndStay(w, totals);
        const double firstMove =
            w.firstMove < 0.0f ? static_cast<double>(kRunFrames) * kFrame : w.firstMove;
        totals.firstMoveSum += firstMove;
        totals.firstMoveWorst = std::max(totals.firstMoveWorst, firstMove);
        ++totals.opponents;
    }
    world.ClearLevel();
}

void BM_OpponentsSearching(benchmark::State& state) {
    const Level& level = kLevels[state.range(0)];
    state.SetLabel(level.file);
    platform::FakePlatform fake;
    std::filesystem::current_path(BRASK_BUILD_DIR);
    application.Init();
    graphicsSystem.Shutdown();
    world.ResetResourceCache();
    frameTimer.Init(false);
    fake.clock.milliseconds = 1000;
    frameTimer.Update();
    menuSystem.EnsureMenu("MAIN_MENU");
    menuSystem.EnsureMenu("LEVEL_SCREEN");
    menuSystem.SetCurrentMenu("LEVEL_SCREEN");

    // BRASK_SCENARIO_SEED moves the runs to other seeds.
    const char* asked = std::getenv("BRASK_SCENARIO_SEED");
    const int firstSeed = asked ? std::atoi(asked) : 11;
    Totals totals;
    for (auto _ : state)
        for (int run = 0; run < kRuns; ++run) RunLevel(level, firstSeed + run, fake, totals);

    const double minutes = totals.alive / 60.0;
    state.counters["jam_s_per_opponent_min"] = minutes > 0.0 ? totals.jammed / minutes : 0.0;
    state.counters["searching_share"] = totals.alive > 0.0 ? totals.searching / totals.alive : 0.0;
    state.counters["first_move_s_mean"] =
        totals.opponents > 0 ? totals.firstMoveSum / totals.opponents : 0.0;
    state.counters["first_move_s_worst"] = totals.firstMoveWorst;
    application.Shutdown();
}
BENCHMARK(BM_OpponentsSearching)
    ->DenseRange(0, static_cast<int>(std::size(kLevels)) - 1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
