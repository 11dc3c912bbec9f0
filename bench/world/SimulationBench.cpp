// One level frame's simulation (the collision, update and sweep passes; nothing drawn),
// judged against a bare clear-and-swap frame measured in the same run, and counted in heap
// allocations per frame:
// - five vehicles holding primary fire in a shipped level, at a fixed frame time of 10 ms.
//   They stand in a ring facing the middle, so shells fly, hit and burst all the time; hit
//   points and fuel are topped up between frames so the fight never ends.
// - five computer drivers searching and fighting in an Assault level, against a player one
//   who stands still and is topped up, so the drivers never run out of a target.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "app/Matrix.h"
#include "bench/common/BareFrame.h"
#include "bench/common/FrameTimes.h"
#include "game/Application.h"
#include "game/ComputerDrivers.h"
#include "game/MenuNames.h"
#include "platform/fake/FakePlatform.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/EntityKinds.h"
#include "world/Vehicle.h"
#include "world/World.h"

// ---- Allocations counted while a frame runs -------------------------------------------------

namespace {
bool countingAllocations = false;
std::size_t allocations = 0;

void* Allocate(std::size_t size) {
    if (countingAllocations) ++allocations;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    if (countingAllocations) ++allocations;
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + align - 1) / align * align;
    if (void* block = std::aligned_alloc(align, rounded ? rounded : align)) return block;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return operator new(size, std::nothrow);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}

namespace mn = menunames;

namespace {

constexpr std::uint32_t kFrameMs = 10;
constexpr int kVehicles = 5;
constexpr int kBareFrames = 300;
const char* const kVehicleFiles[kVehicles] = {"tank.txt", "buggy.txt", "ufo.txt", "lancer.txt",
                                              "tank.txt"};

// The bare frame of this run, measured before the benchmarks.
benchframes::FrameTimes bareFrame;

// The newest entity of the update list, where shots are appended; 0 when it is empty.
std::uint64_t Newest() {
    return world.updateList.empty() ? 0 : world.updateList.back()->serial;
}

// Each frame's time and allocations, by what the frame did: nothing made or destroyed
// (steady), entities destroyed but none made (ending), entities made (firing).
class FrameRecord {
public:
    explicit FrameRecord(std::size_t frames) { frameMs.reserve(frames); }

    template <typename Passes>
    void Frame(Passes passes) {
        const std::uint64_t newestBefore = Newest();
        const std::size_t countBefore = world.updateList.size();
        allocations = 0;
        countingAllocations = true;
        const auto start = std::chrono::steady_clock::now();
        passes();
        const auto stop = std::chrono::steady_clock::now();
        countingAllocations = false;
        frameMs.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        totalMs += frameMs.back();
        const bool made = Newest() > newestBefore;
        const bool destroyed = !made && world.updateList.size() < countBefore;
        Kind& kind = made ? firing : (destroyed ? ending : steady);
        kind.frames += 1;
        kind.allocations += allocations;
        if (allocations > kind.most) kind.most = allocations;
        entities += world.updateList.size();
    }

    void Report(benchmark::State& state) {
        const double frames = static_cast<double>(frameMs.size());
        if (frames == 0) return;
        const double meanMs = totalMs / frames;
        const benchframes::FrameTimes times = benchframes::Summarise(frameMs);
        state.counters["frame_median_us"] = times.medianMs * 1000.0;
        state.counters["frame_worst_us"] = times.worstMs * 1000.0;
        state.counters["frame_p99_us"] = times.p99Ms * 1000.0;
        state.counters["bare_frame_us"] = bareFrame.medianMs * 1000.0;
        if (bareFrame.medianMs > 0.0) {
            state.counters["share_of_bare_frame"] = times.medianMs / bareFrame.medianMs;
            state.counters["mean_share_of_bare_frame"] = meanMs / bareFrame.medianMs;
            state.counters["max_frame_share"] = times.worstMs / bareFrame.medianMs;
            state.counters["p99_frame_share"] = times.p99Ms / bareFrame.medianMs;
        }
        state.counters["entities"] = static_cast<double>(entities) / frames;
        state.counters["allocs_per_frame"] =
            static_cast<double>(steady.allocations + ending.allocations + firing.allocations) /
            frames;
        Put(state, "steady", steady, frames);
        Put(state, "ending", ending, frames);
        Put(state, "firing", firing, frames);
    }

private:
    struct Kind {
        std::size_t frames = 0;
        std::size_t allocations = 0;
        std::size_t most = 0;
    };

    static void Put(benchmark::State& state, const std::string& name, const Kind& kind,
                    double frames) {
        state.counters[name + "_frames"] = static_cast<double>(kind.frames) / frames;
        if (kind.frames == 0) return;
        state.counters[name + "_allocs"] =
            static_cast<double>(kind.allocations) / static_cast<double>(kind.frames);
        state.counters[name + "_allocs_max"] = static_cast<double>(kind.most);
    }

    std::vector<double> frameMs;
    double totalMs = 0.0;
    std::size_t entities = 0;
    Kind steady;
    Kind ending;
    Kind firing;
};

// The game with the fakes, on the level screen, graphics shut: nothing is drawn.
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

// One simulated frame: the passes, then the clock moves one frame on.
void Simulate(platform::FakePlatform& fake) {
    application.UpdateCollisions();
    application.UpdateEntities();
    application.SweepDeadEntities();
    world.time += kFrameMs / 1000.0f;
    fake.clock.milliseconds += kFrameMs;
    frameTimer.Update();
}

// Five stores a vehicle between frames: too small to leave out of the timing.
void TopUp(const std::vector<Vehicle*>& vehicles) {
    for (Vehicle* v : vehicles) {
        v->SetHitPoints(v->GetMaxHitPoints());
        v->SetFuel(v->GetMaxFuel());
    }
}

// Times every frame of the simulation, the vehicles kept alive, and reports the frames.
void TimeSimulatedFrames(benchmark::State& state, platform::FakePlatform& fake,
                         const std::vector<Vehicle*>& vehicles) {
    FrameRecord record(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        record.Frame([&] {
            Simulate(fake);
            TopUp(vehicles);
        });
    }
    record.Report(state);
}

void BM_LevelFrameSimulation(benchmark::State& state) {
    platform::FakePlatform fake;
    StartGame(fake);

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

    TimeSimulatedFrames(state, fake, vehicles);
    int shots = 0;
    int hits = 0;
    for (Vehicle* v : vehicles) {
        shots += v->GetPrimaryShots();
        hits += v->GetHits();
    }
    state.counters["shots"] = shots;
    state.counters["hits"] = hits;
    inputState.keys[P1Primary] = 0;
    world.ClearLevel();
    application.Shutdown();
}
BENCHMARK(BM_LevelFrameSimulation)->Unit(benchmark::kMicrosecond);

void BM_FiveDriverFrameSimulation(benchmark::State& state) {
    platform::FakePlatform fake;
    StartGame(fake);
    InstallComputerDrivers();

    std::srand(7);
    world.SetAIDifficulty(0.5f);
    world.BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\Assault1.txt");
    world.CreatePlayerVehicle(0);
    // The level's own computer vehicles, then more on the room's free corners up to five.
    std::vector<Vehicle*> drivers;
    for (GameEntity* e : world.collisionList)
        if (Vehicle* v = AsVehicle(e); v && v != world.GetPlayerOne() && v->GetName() != "Battery")
            drivers.push_back(v);
    for (int i = 0; drivers.size() < kVehicles; ++i) {
        const char* file = kVehicleFiles[i % kVehicles];
        drivers.push_back(static_cast<Vehicle*>(
            world.CreateEntityFromDesc(EntityDesc("VEHICLE", file, 0, 0, 0, 0, file), 0)));
    }
    std::vector<Vehicle*> vehicles = drivers;
    vehicles.push_back(world.GetPlayerOne());
    // Under way: the drivers have left their corners and found their first paths.
    for (int f = 0; f < 100; ++f) {
        Simulate(fake);
        TopUp(vehicles);
    }

    TimeSimulatedFrames(state, fake, vehicles);
    int shots = 0;
    int hits = 0;
    for (Vehicle* v : drivers) {
        shots += v->GetPrimaryShots() + v->GetSecondaryShots();
        hits += v->GetHits();
    }
    state.counters["drivers"] = static_cast<double>(drivers.size());
    state.counters["shots"] = shots;
    state.counters["hits"] = hits;
    world.ClearLevel();
    application.Shutdown();
}
BENCHMARK(BM_FiveDriverFrameSimulation)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // The content is read relative to the build tree.
    std::filesystem::current_path(BRASK_BUILD_DIR);
    bareFrame = benchframes::TimeBareFrames(kBareFrames);
    if (bareFrame.frames == 0) {
        std::fprintf(stderr, "no OpenGL context for the bare frame\n");
        return 1;
    }
    benchmark::AddCustomContext("bare_frame_median_ms", std::to_string(bareFrame.medianMs));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
