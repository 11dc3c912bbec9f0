// The computer drivers' share of a level frame: five drivers searching a furnished
// 100 x 100 room for a player one they cannot see, each planning its paths one search step
// per frame; and the costliest single step, in a search list that nearly fills the grid.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "ai/AIController.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

constexpr int kGrid = 100;
constexpr int kDrivers = 5;

void Place(Vehicle& v, float x, float z, float fx, float fz) {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    m[8] = fx;
    m[10] = fz;
    m[12] = x;
    m[14] = z;
    v.GetModel()->SetMatrix(m);
}

// A room of furniture: blocks of 3 x 3 cells every 10 cells, and player one walled in at
// the middle so that no driver ever sees it or reaches its cell.
struct Room {
    Room() {
        room->ClearGrid();
        room->gridSizeX = kGrid;
        room->gridSizeZ = kGrid;
        for (int bx = 5; bx < kGrid - 5; bx += 10) {
            for (int bz = 5; bz < kGrid - 5; bz += 10) {
                for (int x = bx; x < bx + 3; ++x) {
                    for (int z = bz; z < bz + 3; ++z) room->blocked[x][z] = 1;
                }
            }
        }
        for (int x = 48; x <= 52; ++x) {
            for (int z = 48; z <= 52; ++z) {
                if (x == 48 || x == 52 || z == 48 || z == 52) room->blocked[x][z] = 1;
            }
        }
        Place(player, 200.0f, 200.0f, 1.0f, 0.0f);
        room->playerOneVehicle = &player;
    }

    std::unique_ptr<AIController> Driver(Vehicle& v, float x, float z) {
        Place(v, x, z, 1.0f, 1.0f);
        v.SetFuel(1000);
        v.SetHitPoints(100);
        auto c = std::make_unique<AIController>(&v, 0.5f);
        c->Init(0.22f, "Dovevevuzu Grav Buggy", 60);
        return c;
    }

    // The game's own World, as in a level frame.
    World* room = &world;
    Vehicle player;
    ~Room() { room->playerOneVehicle = nullptr; }
};

void BM_FiveDriversSearching(benchmark::State& state) {
    std::srand(1);
    Room r;
    Vehicle vehicles[kDrivers];
    const float starts[kDrivers][2] = {{10, 10}, {390, 10}, {10, 390}, {390, 390}, {100, 300}};
    std::vector<std::unique_ptr<AIController>> drivers;
    for (int i = 0; i < kDrivers; ++i) {
        drivers.push_back(r.Driver(vehicles[i], starts[i][0], starts[i][1]));
    }
    for (auto _ : state) {
        for (auto& d : drivers) d->Update();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FiveDriversSearching);

// One step of a search whose goal no path reaches, after `range(0)` steps: the list then
// holds about that many closed nodes plus the open front. Five drivers, one step each.
void BM_FiveStepsInALongSearch(benchmark::State& state) {
    Room r;
    Vehicle vehicles[kDrivers];
    std::vector<std::unique_ptr<AIController>> drivers;
    for (int i = 0; i < kDrivers; ++i) {
        auto d = r.Driver(vehicles[i], 10.0f + 4.0f * i, 10.0f);
        d->startCellX = 2 + i;
        d->startCellZ = 2;
        d->SetGoal(50, 50);
        d->hasDestination = true;
        drivers.push_back(std::move(d));
    }
    PathList out;
    for (int s = 0; s < state.range(0); ++s) {
        for (auto& d : drivers) d->PathStep(out);
    }
    for (auto _ : state) {
        for (auto& d : drivers) d->PathStep(out);
        benchmark::ClobberMemory();
    }
    state.counters["list"] = static_cast<double>(drivers[0]->searchList.Size());
}
BENCHMARK(BM_FiveStepsInALongSearch)->Arg(0)->Arg(4000)->Arg(8000)->Iterations(500);

}  // namespace

BENCHMARK_MAIN();
