// Vehicles stay in the room: driven into every wall and corner, wedged against furniture and
// other vehicles, and in a soak over every shipped level with random keys, through the game's
// own frame passes at ordinary 16 ms frames.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/ControlKeys.h"
#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "app/Matrix.h"
#include "tests/app/TempDir.h"
#include "tests/game/GlobalsFixture.h"
#include "tests/game/LevelPassFixture.h"
#include "world/EntityKinds.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace {

// Ten seconds of play.
constexpr int kTenSeconds = 625;

class RoomTest : public LevelPassTest {
protected:
    // An empty room of `size` x `size` cells with the given records.
    void BuildRoom(int size, const std::string& records = "") {
        const std::string text = "Wood_Dark.jpg Wood_Floor.jpg Wallpaper_Stripes.bmp\n(" +
                                 std::to_string(size) + "," + std::to_string(size) + ")\n" +
                                 records;
        world.BuildLevel(files.Write("room.txt", text).string());
    }

    // A player's vehicle of kind `choice` (0 tank, 1 buggy, 2 ufo, 3 lancer) at (x, z), heading
    // `degrees` from +z toward +x.
    Vehicle* PlayerAt(int choice, float x, float z, float degrees) {
        world.CreatePlayerVehicle(choice);
        Vehicle* v = world.GetPlayerTwo() ? world.GetPlayerTwo() : world.GetPlayerOne();
        world.RemoveFromGrid(v);
        MeshTree* model = v->GetModel();
        model->ResetMatrix();
        float scratch[16];
        Mat44Copy(model->matrix->m, scratch);
        Mat44RotateYAboutPosition(static_cast<float>(degrees * std::numbers::pi / 180.0), scratch,
                                  model->matrix->m);
        v->Translate(x, 0.0f, z);
        world.AddToGrid(v);
        return v;
    }

    // Where `e` lies outside the room; empty when it is inside by `margin`.
    static std::string Outside(const GameEntity* e, float margin) {
        const float x = e->GetMatrixElement(12);
        const float z = e->GetMatrixElement(14);
        const float width = static_cast<float>(world.GetGridSizeX()) * kCellSize;
        const float depth = static_cast<float>(world.GetGridSizeZ()) * kCellSize;
        if (x >= margin && x <= width - margin && z >= margin && z <= depth - margin) return "";
        std::ostringstream text;
        text << e->GetTypeName() << " " << e->GetName() << " at (" << x << ", " << z << "), room "
             << width << " x " << depth;
        return text.str();
    }

    TempDir files;
};

// ---- Driving into the walls ------------------------------------------------------------------

struct WallDrive {
    const char* name;
    float x, z;     // start, in a room of 12 x 12 cells (48 units)
    float heading;  // degrees from +z toward +x
};
void PrintTo(const WallDrive& c, std::ostream* os) {
    *os << c.name;
}

const char* const kKinds[] = {"Tank", "Buggy", "Ufo", "Lancer"};

class WallDriveTest : public RoomTest,
                      public ::testing::WithParamInterface<std::tuple<int, WallDrive>> {};

TEST_P(WallDriveTest, AVehicleHoldingThrustStaysInsideTheRoom) {
    const auto& [kind, c] = GetParam();
    BuildRoom(12);
    Vehicle* v = PlayerAt(kind, c.x, c.z, c.heading);
    const float r = v->GetModel()->radius;
    inputState.keys[P1Thrust] = 1;
    for (int frame = 0; frame < kTenSeconds; ++frame) {
        // Turning now and then works the vehicle along the wall and into the corners.
        inputState.keys[P1Right] = (frame / 90) % 3 == 1;
        Frame();
        ASSERT_EQ(Outside(v, r * 0.999f), "") << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Walls, WallDriveTest,
    ::testing::Combine(::testing::Values(0, 1, 2, 3),
                       ::testing::Values(WallDrive{"LowXStraight", 8.0f, 24.0f, 270.0f},
                                         WallDrive{"LowXGlancing", 8.0f, 24.0f, 240.0f},
                                         WallDrive{"HighXStraight", 40.0f, 24.0f, 90.0f},
                                         WallDrive{"LowZStraight", 24.0f, 8.0f, 180.0f},
                                         WallDrive{"HighZGlancing", 24.0f, 40.0f, 20.0f},
                                         WallDrive{"LowCornerDiagonal", 8.0f, 8.0f, 225.0f},
                                         WallDrive{"HighCornerDiagonal", 40.0f, 40.0f, 45.0f},
                                         WallDrive{"BesideACornerAlongTheWall", 3.0f, 10.0f,
                                                   180.0f},
                                         WallDrive{"MixedCorner", 40.0f, 8.0f, 160.0f})),
    [](const auto& info) {
        return std::string(kKinds[std::get<0>(info.param)]) + std::get<1>(info.param).name;
    });

// ---- Wedged between a wall and something else -------------------------------------------

class WedgeTest : public RoomTest, public ::testing::WithParamInterface<int> {};

TEST_P(WedgeTest, AVehicleWedgedAgainstFurnitureStaysInsideTheRoom) {
    // A chair one cell from the low-x wall, the vehicle squeezed into the gap and driving
    // along it, then into it.
    BuildRoom(12, "GAME_ENTITY dining_chair.ms3d (1,4) 3 3 NONE\n");
    Vehicle* v = PlayerAt(GetParam(), 3.0f, 10.0f, 0.0f);
    const float r = v->GetModel()->radius;
    inputState.keys[P1Thrust] = 1;
    for (int frame = 0; frame < kTenSeconds; ++frame) {
        inputState.keys[P1Left] = (frame / 60) % 2 == 1;
        Frame();
        ASSERT_EQ(Outside(v, r * 0.999f), "") << "frame " << frame;
    }
}

TEST_P(WedgeTest, AVehiclePushedIntoTheWallByAnotherStaysInsideTheRoom) {
    // Player one faces the low-x wall; player two rams it from behind, both holding thrust.
    BuildRoom(12);
    Vehicle* pinned = PlayerAt(GetParam(), 4.0f, 24.0f, 270.0f);
    Vehicle* ram = PlayerAt(3 - GetParam(), 14.0f, 24.5f, 270.0f);
    inputState.keys[P1Thrust] = 1;
    inputState.keys[P2Thrust] = 1;
    for (int frame = 0; frame < kTenSeconds; ++frame) {
        Frame();
        ASSERT_EQ(Outside(pinned, pinned->GetModel()->radius * 0.999f), "") << "frame " << frame;
        ASSERT_EQ(Outside(ram, ram->GetModel()->radius * 0.999f), "") << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, WedgeTest, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) { return std::string(kKinds[info.param]); });

// ---- Every free cell can be reached --------------------------------------------------------

// The free cells that side steps from the first spawn corner cannot reach. An opponent whose
// goal lies in such a pocket searches the whole room before it gives up, standing still.
std::vector<std::pair<int, int>> Pockets() {
    const int sizeX = world.GetGridSizeX();
    const int sizeZ = world.GetGridSizeZ();
    std::vector<std::vector<bool>> reached(sizeX, std::vector<bool>(sizeZ, false));
    std::vector<std::pair<int, int>> open = {{2, 2}};
    reached[2][2] = true;
    while (!open.empty()) {
        const auto [x, z] = open.back();
        open.pop_back();
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& step : steps) {
            const int nx = x + step[0];
            const int nz = z + step[1];
            if (nx < 0 || nz < 0 || nx >= sizeX || nz >= sizeZ) continue;
            if (reached[nx][nz] || world.blocked[nx][nz]) continue;
            reached[nx][nz] = true;
            open.push_back({nx, nz});
        }
    }
    std::vector<std::pair<int, int>> pockets;
    for (int x = 0; x < sizeX; ++x)
        for (int z = 0; z < sizeZ; ++z)
            if (!world.blocked[x][z] && !reached[x][z]) pockets.push_back({x, z});
    return pockets;
}

class ReachTest : public RoomTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReachTest, EveryFreeCellCanBeReachedFromTheSpawnCorners) {
    world.BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + GetParam());
    ASSERT_EQ(world.blocked[2][2], 0);
    std::string cells;
    for (const auto& [x, z] : Pockets())
        cells += "(" + std::to_string(x) + "," + std::to_string(z) + ")";
    EXPECT_EQ(cells, "");
}

// ---- Soak over the shipped levels ------------------------------------------------------------

// Frames per level: a few thousand in CI; BRASK_SOAK_FRAMES asks for a longer run.
int SoakFrames() {
    const char* asked = std::getenv("BRASK_SOAK_FRAMES");
    const int frames = asked ? std::atoi(asked) : 0;
    return frames > 0 ? frames : 3000;
}

// The seed of the random keys; BRASK_SOAK_SEED tries others.
unsigned SoakSeed() {
    const char* asked = std::getenv("BRASK_SOAK_SEED");
    return asked ? static_cast<unsigned>(std::strtoul(asked, nullptr, 10)) : 1u;
}

bool FiniteMatrix(const GameEntity* e) {
    for (int i = 0; i < 16; ++i)
        if (!std::isfinite(e->GetMatrixElement(i))) return false;
    return true;
}

class SoakTest : public RoomTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SoakTest, EverythingStaysInsideTheRoomAndFinite) {
    const unsigned seed = SoakSeed();
    std::srand(seed);
    fake.clock.milliseconds += seed;  // the random opponents' kinds follow the clock
    world.SetAIDifficulty(0.5f);
    world.BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + GetParam());
    world.CreatePlayerVehicle(static_cast<int>(seed % 4));
    world.CreatePlayerVehicle(static_cast<int>((seed + 1) % 4));
    world.SpawnRandomVehicle();
    world.SpawnRandomVehicle();

    std::mt19937 keys(seed);
    const int frames = SoakFrames();
    for (int frame = 0; frame < frames; ++frame) {
        // Each player's six flags change every quarter second or so.
        if (frame % 15 == 0)
            for (int slot = 0; slot < ControlKeys::kBothPlayers; ++slot)
                inputState.keys[slot] = keys() % 3 == 0;
        Frame();
        for (const GameEntity* e : world.updateList) {
            ASSERT_TRUE(FiniteMatrix(e)) << e->GetName() << " at frame " << frame;
            if (const Vehicle* v = AsVehicle(e)) {
                ASSERT_EQ(Outside(v, v->GetModel()->radius * 0.999f), "") << "frame " << frame;
            } else if (AsWeapon(e)) {
                // A shot may end inside a wall's thickness, never beyond it.
                ASSERT_EQ(Outside(e, -1.0f), "") << "frame " << frame;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, SoakTest,
                         ::testing::Values("Assault1.txt", "Assault2.txt", "Assault3.txt",
                                           "Assault4.txt", "Bathroom1.txt", "Bathroom2.txt",
                                           "Bedroom1.txt", "Bedroom2.txt", "BreakfastNook.txt",
                                           "DiningRoom.txt", "Multi1.txt", "Multi3.txt",
                                           "Multi_Bedroom.txt", "Story1.txt", "Story2.txt",
                                           "Story3.txt", "Story4.txt", "Story5.txt", "Story6.txt"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

INSTANTIATE_TEST_SUITE_P(Levels, ReachTest,
                         ::testing::Values("Assault1.txt", "Assault2.txt", "Assault3.txt",
                                           "Assault4.txt", "Bathroom1.txt", "Bathroom2.txt",
                                           "Bedroom1.txt", "Bedroom2.txt", "BreakfastNook.txt",
                                           "DiningRoom.txt", "Multi1.txt", "Multi3.txt",
                                           "Multi_Bedroom.txt", "Story1.txt", "Story2.txt",
                                           "Story3.txt", "Story4.txt", "Story5.txt", "Story6.txt"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
