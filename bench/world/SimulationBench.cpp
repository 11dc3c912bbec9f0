// One level frame's simulation (the collision, update and sweep passes; nothing drawn) in a
// shipped level with five vehicles holding primary fire, at a fixed frame time of 10 ms. The
// vehicles stand in a ring facing the middle, so shells fly, hit and burst all the time; hit
// points and fuel are topped up between frames so the fight never ends.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "app/Matrix.h"
#include "game/Application.h"
#include "game/MenuNames.h"
#include "platform/fake/FakePlatform.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace mn = menunames;

namespace {

constexpr std::uint32_t kFrameMs = 10;
constexpr int kVehicles = 5;
const char* const kVehicleFiles[kVehicles] = {"tank.txt", "buggy.txt", "ufo.txt", "lancer.txt",
                                              "tank.txt"};

void BM_LevelFrameSimulation(benchmark::State& state) {
    platform::FakePlatform fake;
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

    std::srand(7);
    world.BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\DiningRoom.txt");
    world.CreatePlayerVehicle(0);
    std::vector<Vehicle*> vehicles = {world.GetPlayerOne()};
    for (int i = 1; i < kVehicles; ++i)
        vehicles.push_back(static_cast<Vehicle*>(world.CreateEntityFromDesc(
            EntityDesc("VEHICLE", kVehicleFiles[i], 0, 0, 0, 0, kVehicleFiles[i]), -1)));
    // A ring of radius 10 around the middle of the room, each facing its neighbour in the
    // ring; all read player one's keys.
    const float cx = world.GetGridSizeX() * kCellSize / 2.0f;
    const float cz = world.GetGridSizeZ() * kCellSize / 2.0f;
    auto ringX = [&](int i) { return cx + 10.0f * std::sin(i * 2.0f * 3.14159265f / kVehicles); };
    auto ringZ = [&](int i) { return cz + 10.0f * std::cos(i * 2.0f * 3.14159265f / kVehicles); };
    for (int i = 0; i < kVehicles; ++i) {
        Vehicle* v = vehicles[static_cast<std::size_t>(i)];
        v->SetHuman(true);
        v->SetPlayerNumber(1);
        world.RemoveFromGrid(v);
        const int next = (i + 1) % kVehicles;
        const float heading = std::atan2(ringX(next) - ringX(i), ringZ(next) - ringZ(i));
        v->GetModel()->ResetMatrix();
        float scratch[16];
        Mat44Copy(v->GetModel()->matrix->m, scratch);
        Mat44RotateYAboutPosition(heading, scratch, v->GetModel()->matrix->m);
        v->Translate(ringX(i), 0.0f, ringZ(i));
        world.AddToGrid(v);
    }
    world.playerTwoVehicle = nullptr;
    inputState.keys[P1Primary] = 1;

    std::size_t weapons = 0;
    std::int64_t frames = 0;
    for (auto _ : state) {
        application.UpdateCollisions();
        application.UpdateEntities();
        application.SweepDeadEntities();
        world.time += kFrameMs / 1000.0f;
        fake.clock.milliseconds += kFrameMs;
        frameTimer.Update();
        // Five stores a vehicle: too small to pause the clock for.
        for (Vehicle* v : vehicles) {
            v->SetHitPoints(v->GetMaxHitPoints());
            v->SetFuel(v->GetMaxFuel());
        }
        weapons += world.updateList.size();
        ++frames;
    }
    int shots = 0;
    int hits = 0;
    for (Vehicle* v : vehicles) {
        shots += v->GetPrimaryShots();
        hits += v->GetHits();
    }
    state.counters["entities"] =
        benchmark::Counter(static_cast<double>(weapons) / static_cast<double>(frames));
    state.counters["shots"] = shots;
    state.counters["hits"] = hits;
    inputState.keys[P1Primary] = 0;
    world.ClearLevel();
    application.Shutdown();
}
BENCHMARK(BM_LevelFrameSimulation)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
