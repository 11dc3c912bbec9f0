// Computer opponents in every shipped level, through the game's own frame passes at 16 ms
// frames with the platform fakes, counted for jams by JamWatch's rule (5 s windows: thrust
// held half the time, within 4 units along each axis, player one not touched).
// - BM_OpponentsSearching: the opponents of each Assault, Story and Battle level searching
//   for a standing player one, a minute from each of many seeds: jammed seconds per
//   opponent-minute, the longest jam, and how long each opponent takes to make its first move.
// - BM_LongSoak: five drivers in each shipped room for three minutes from each of 20 seeds,
//   player one driving about on random keys: the same jam figures, with the episodes over 8 s.
// Player one never fires and every vehicle is kept alive, so the drive goes on for the run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ai/AIController.h"
#include "app/ControlKeys.h"
#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "bench/world/JamWatch.h"
#include "game/Application.h"
#include "game/ComputerDrivers.h"
#include "game/MenuNames.h"
#include "platform/fake/FakePlatform.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/EntityKinds.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace mn = menunames;

namespace {

constexpr std::uint32_t kFrameMs = 16;
constexpr float kFrame = 0.016f;
// One search run: a minute of play, from several seeds.
constexpr int kRunFrames = 60 * 1000 / static_cast<int>(kFrameMs);
constexpr int kRuns = 48;
// One soak run: three minutes with five drivers, from 20 seeds.
constexpr int kSoakFrames = 180 * 1000 / static_cast<int>(kFrameMs);
constexpr int kSoakRuns = 20;
constexpr int kSoakDrivers = 5;
constexpr double kLongEpisode = 8.0;
// Leaving its start cell's reach counts as an opponent's first move.
constexpr float kFirstMoveReach = 1.0f;
// Vehicles this close beyond their radii count as touching.
constexpr float kTouchMargin = 0.5f;

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
// The soak drives in every shipped room, the two Versus rooms too.
const char* const kSoakLevels[] = {
    "Assault1.txt",  "Assault2.txt", "Assault3.txt",      "Assault4.txt",      "Bathroom1.txt",
    "Bathroom2.txt", "Bedroom1.txt", "Bedroom2.txt",      "BreakfastNook.txt", "DiningRoom.txt",
    "Multi1.txt",    "Multi3.txt",   "Multi_Bedroom.txt", "Story1.txt",        "Story2.txt",
    "Story3.txt",    "Story4.txt",   "Story5.txt",        "Story6.txt",
};

// One opponent's watch: its jam count and its first move.
struct Watch {
    Vehicle* vehicle;
    JamWatch jams{kFrame};
    float startX, startZ;
    float firstMove = -1.0f;  // seconds until it first left its start
};

struct Totals {
    double jammed = 0.0;
    double longest = 0.0;
    int longEpisodes = 0;
    double searching = 0.0;
    double alive = 0.0;
    double firstMoveSum = 0.0;
    double firstMoveWorst = 0.0;
    int opponents = 0;
};

void Frame(platform::FakePlatform& fake) {
    application.UpdateCollisions();
    application.UpdateEntities();
    application.DrawEntityEffects();
    application.SweepDeadEntities();
    world.time += kFrame;
    fake.clock.milliseconds += kFrameMs;
    frameTimer.Update();
}

void StartLevel(const char* file, int seed, platform::FakePlatform& fake) {
    std::srand(static_cast<unsigned>(seed));
    fake.clock.milliseconds += static_cast<std::uint32_t>(seed);
    world.ClearLevel();
    world.SetAIDifficulty(0.5f);
    world.BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + file);
    world.CreatePlayerVehicle(seed % 4);
}

std::vector<Watch> WatchDrivers() {
    std::vector<Watch> watches;
    for (GameEntity* e : world.updateList) {
        Vehicle* v = AsVehicle(e);
        if (!v || !v->GetController() || v->GetName() == "Battery") continue;
        watches.push_back(
            Watch{v, JamWatch(kFrame), v->GetMatrixElement(12), v->GetMatrixElement(14)});
    }
    return watches;
}

bool Touching(const Vehicle* a, const Vehicle* b) {
    const float reach = a->GetModel()->radius + b->GetModel()->radius + kTouchMargin;
    return std::hypot(a->GetMatrixElement(12) - b->GetMatrixElement(12),
                      a->GetMatrixElement(14) - b->GetMatrixElement(14)) < reach;
}

// One frame of every watch; a destroyed driver's watch stops.
void SampleDrivers(std::vector<Watch>& watches, const Vehicle* player, int frame, Totals& totals) {
    for (Watch& w : watches) {
        const AIController* driver = ComputerDriverOf(*w.vehicle);
        if (!driver) continue;  // destroyed
        const float x = w.vehicle->GetMatrixElement(12);
        const float z = w.vehicle->GetMatrixElement(14);
        if (w.firstMove < 0.0f && std::hypot(x - w.startX, z - w.startZ) > kFirstMoveReach)
            w.firstMove = static_cast<float>(frame + 1) * kFrame;
        totals.alive += kFrame;
        if (driver->state == Search && driver->manoeuvre == 0) totals.searching += kFrame;
        const bool thrust =
            driver->GetKey(ControlKeys::Thrust) || driver->GetKey(ControlKeys::Brake);
        w.jams.Sample(x, z, thrust, Touching(w.vehicle, player));
    }
}

void EndWatches(std::vector<Watch>& watches, int frames, Totals& totals) {
    for (Watch& w : watches) {
        totals.jammed += w.jams.JammedSeconds();
        totals.longest = std::max(totals.longest, w.jams.LongestEpisodeSeconds());
        totals.longEpisodes += w.jams.EpisodesOver(kLongEpisode);
        const double firstMove =
            w.firstMove < 0.0f ? static_cast<double>(frames) * kFrame : w.firstMove;
        totals.firstMoveSum += firstMove;
        totals.firstMoveWorst = std::max(totals.firstMoveWorst, firstMove);
        ++totals.opponents;
    }
}

void RunSearch(const Level& level, int seed, platform::FakePlatform& fake, Totals& totals) {
    StartLevel(level.file, seed, fake);
    if (level.battle) world.SpawnRandomVehicle();
    Vehicle* player = world.GetPlayerOne();
    std::vector<Watch> watches = WatchDrivers();
    for (int frame = 0; frame < kRunFrames; ++frame) {
        Frame(fake);
        player->SetHitPoints(player->GetMaxHitPoints());
        SampleDrivers(watches, player, frame, totals);
    }
    EndWatches(watches, kRunFrames, totals);
    world.ClearLevel();
}

void RunSoak(const char* file, int seed, platform::FakePlatform& fake, Totals& totals) {
    StartLevel(file, seed, fake);
    for (std::size_t placed = WatchDrivers().size(); placed < kSoakDrivers; ++placed)
        world.SpawnRandomVehicle();
    Vehicle* player = world.GetPlayerOne();
    std::vector<Watch> watches = WatchDrivers();
    std::mt19937 keys(static_cast<unsigned>(seed));
    for (int frame = 0; frame < kSoakFrames; ++frame) {
        // Player one's drive keys change every quarter second or so; it never fires.
        if (frame % 15 == 0)
            for (int flag = ControlKeys::TurnRight; flag <= ControlKeys::Brake; ++flag)
                inputState.keys[flag] = keys() % 3 == 0;
        Frame(fake);
        player->SetHitPoints(player->GetMaxHitPoints());
        for (Watch& w : watches) w.vehicle->SetHitPoints(w.vehicle->GetMaxHitPoints());
        SampleDrivers(watches, player, frame, totals);
    }
    for (std::uint8_t& key : inputState.keys) key = 0;
    EndWatches(watches, kSoakFrames, totals);
    world.ClearLevel();
}

void StartGame(platform::FakePlatform& fake) {
    std::filesystem::current_path(BRASK_BUILD_DIR);
    application.Init();
    graphicsSystem.Shutdown();
    world.ResetResourceCache();
    frameTimer.Init(false);
    fake.clock.milliseconds = 1000;
    frameTimer.Update();
    menuSystem.EnsureMenu(mn::kMainMenu);
    menuSystem.EnsureMenu(mn::kLevelScreen);
    menuSystem.SetCurrentMenu(mn::kLevelScreen);
}

// BRASK_SCENARIO_SEED moves the runs to other seeds.
int FirstSeed(int fallback) {
    const char* asked = std::getenv("BRASK_SCENARIO_SEED");
    return asked ? std::atoi(asked) : fallback;
}

void ReportJams(benchmark::State& state, const Totals& totals) {
    const double minutes = totals.alive / 60.0;
    state.counters["jam_s_per_opponent_min"] = minutes > 0.0 ? totals.jammed / minutes : 0.0;
    state.counters["longest_jam_s"] = totals.longest;
}

void BM_OpponentsSearching(benchmark::State& state) {
    const Level& level = kLevels[state.range(0)];
    state.SetLabel(level.file);
    platform::FakePlatform fake;
    StartGame(fake);
    const int firstSeed = FirstSeed(11);
    Totals totals;
    for (auto _ : state)
        for (int run = 0; run < kRuns; ++run) RunSearch(level, firstSeed + run, fake, totals);

    ReportJams(state, totals);
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

void BM_LongSoak(benchmark::State& state) {
    const char* file = kSoakLevels[state.range(0)];
    state.SetLabel(file);
    platform::FakePlatform fake;
    StartGame(fake);
    const int firstSeed = FirstSeed(1);
    Totals totals;
    for (auto _ : state)
        for (int run = 0; run < kSoakRuns; ++run) RunSoak(file, firstSeed + run, fake, totals);

    ReportJams(state, totals);
    state.counters["episodes_over_8s"] = totals.longEpisodes;
    application.Shutdown();
}
BENCHMARK(BM_LongSoak)
    ->DenseRange(0, static_cast<int>(std::size(kSoakLevels)) - 1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
