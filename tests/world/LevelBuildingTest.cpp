#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/fake/FakePlatform.h"
#include "tests/world/WorldFixtures.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using worldtest::CellsListing;
using worldtest::ContentFolder;
using worldtest::FakeEffect;
using worldtest::FakeEffects;
using Cells = std::vector<std::pair<int, int>>;

const std::string kHeader = "floor.bmp unused.bmp walls.bmp\n";

std::string Header(int x, int z) {
    return kHeader + "(" + std::to_string(x) + "," + std::to_string(z) + ")\n";
}

class LevelTest : public ::testing::Test {
protected:
    LevelTest() {
        files.Model("crate.ms3d", worldtest::BoxModel(3.0f, 2.0f, 3.0f));
        files.Model("car.ms3d", worldtest::BoxModel(2.0f, 1.0f, 3.0f));
        files.Weapons();
        files.Vehicle("car.txt", worldtest::VehicleKeys("Davavod Tank"));
        auto battery = worldtest::VehicleKeys("Battery");
        battery["MESH_FILE"] = "crate.ms3d";
        files.Vehicle("battery.txt", battery);
        w = worldtest::MakeWorld();
    }

    // Builds `records` into the World in a room of x by z cells.
    void Build(int x, int z, const std::string& records = "") {
        w->BuildLevel(files.Level("room.txt", Header(x, z) + records));
    }

    // The first entity of the update list named `name`.
    GameEntity* Named(const std::string& name) const {
        for (GameEntity* e : w->updateList)
            if (e->GetName() == name) return e;
        return nullptr;
    }

    static std::pair<int, int> CellOf(const GameEntity* e) {
        return {World::CellOf(e->GetMatrixElement(12)), World::CellOf(e->GetMatrixElement(14))};
    }

    GameEntity* NewCar(int controller = 1) {
        return w->CreateEntityFromDesc(EntityDesc("VEHICLE", "car.txt", 0, 0, 1, 1, "NONE"),
                                       controller);
    }

    platform::FakePlatform fake;
    FakeEffects effects;
    worldtest::GameDrivers drivers;
    ContentFolder files;
    std::unique_ptr<World> w;
};

struct FootprintCase {
    const char* name;
    int x, z, w, h;
    std::string bounds;  // "NONE", or a box file's text written as "crate_boxes.txt"
    Cells covered;
    int entries;  // entries of the entity in all cells together
};

void PrintTo(const FootprintCase& c, std::ostream* os) {
    *os << c.name;
}

class FootprintTest : public LevelTest, public ::testing::WithParamInterface<FootprintCase> {};

TEST_P(FootprintTest, ListsAndBlocksTheCoveredCellsWithinTheGrid) {
    const FootprintCase& c = GetParam();
    std::string bounds = c.bounds;
    if (bounds != "NONE" && bounds != "missing.txt") {
        files.Boxes("crate_boxes.txt", bounds);
        bounds = "crate_boxes.txt";
    }
    Build(20, 20,
          "GAME_ENTITY crate.ms3d (" + std::to_string(c.x) + "," + std::to_string(c.z) + ") " +
              std::to_string(c.w) + " " + std::to_string(c.h) + " " + bounds + "\n");
    const GameEntity* crate = Named("crate.ms3d");
    ASSERT_NE(crate, nullptr);
    EXPECT_EQ(CellsListing(*w, crate), c.covered);

    int entries = 0;
    int blockedCells = 0;
    for (int x = 0; x < kMaxGridSize; ++x)
        for (int z = 0; z < kMaxGridSize; ++z) {
            entries +=
                static_cast<int>(std::count(w->cells[x][z].begin(), w->cells[x][z].end(), crate));
            blockedCells += w->blocked[x][z];
        }
    EXPECT_EQ(entries, c.entries);
    EXPECT_EQ(blockedCells, static_cast<int>(c.covered.size()));
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

const Cells kFootprint = {{4, 6}, {4, 7}, {4, 8}, {5, 6}, {5, 7}, {5, 8}};

INSTANTIATE_TEST_SUITE_P(
    Records, FootprintTest,
    ::testing::Values(
        FootprintCase{"NoneCoversTheFootprint", 4, 6, 2, 3, "NONE", kFootprint, 6},
        FootprintCase{"MissingBoxFileCoversTheFootprint", 4, 6, 2, 3, "missing.txt", kFootprint, 6},
        FootprintCase{
            "HalfWidthTwoCoversTheCentreCell", 4, 6, 2, 3, "1\n(-2,-2),(2,2)\n", {{4, 7}}, 1},
        FootprintCase{"WiderRectangleReachesTheNextCells",
                      4,
                      6,
                      2,
                      3,
                      "1\n(-2.5,-2.5),(2.5,2.5)\n",
                      {{3, 6}, {3, 7}, {3, 8}, {4, 6}, {4, 7}, {4, 8}, {5, 6}, {5, 7}, {5, 8}},
                      9},
        FootprintCase{"OffsetRectangle",
                      4,
                      6,
                      2,
                      3,
                      "1\n(0.5,0.5),(3,3)\n",
                      {{4, 7}, {4, 8}, {5, 7}, {5, 8}},
                      4},
        FootprintCase{
            "RectangleBelowTheOrigin", 4, 6, 2, 3, "1\n(-6,-1),(-1,1)\n", {{3, 7}, {4, 7}}, 2},
        FootprintCase{"OverlappingRectanglesListTwice",
                      4,
                      6,
                      2,
                      3,
                      "2\n(-2,-2),(2,2)\n(-1,-1),(1,1)\n",
                      {{4, 7}},
                      2},
        FootprintCase{"FootprintPastTheGridIsClipped",
                      18,
                      18,
                      4,
                      4,
                      "NONE",
                      {{18, 18}, {18, 19}, {19, 18}, {19, 19}},
                      4},
        FootprintCase{"NegativeFootprintIsClipped", -2, -1, 3, 2, "NONE", {{0, 0}}, 1},
        FootprintCase{
            "RectangleFarOutsideCoversNothing", 4, 6, 2, 3, "1\n(200,200),(300,300)\n", {}, 0},
        FootprintCase{"RectangleReachingPastTheGridIsClipped",
                      4,
                      6,
                      2,
                      3,
                      "1\n(-2,-2),(70,2)\n",
                      {{4, 7},
                       {5, 7},
                       {6, 7},
                       {7, 7},
                       {8, 7},
                       {9, 7},
                       {10, 7},
                       {11, 7},
                       {12, 7},
                       {13, 7},
                       {14, 7},
                       {15, 7},
                       {16, 7},
                       {17, 7},
                       {18, 7},
                       {19, 7}},
                      16}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LevelTest, ALevelObjectStandsOnTheCentreOfItsFootprint) {
    Build(20, 20, "GAME_ENTITY crate.ms3d (4,6) 2 3 SPHERE\n");
    const GameEntity* crate = Named("crate.ms3d");
    ASSERT_NE(crate, nullptr);
    EXPECT_EQ(crate->GetMatrixElement(12), 20.0f);
    EXPECT_EQ(crate->GetMatrixElement(13), 0.0f);
    EXPECT_EQ(crate->GetMatrixElement(14), 30.0f);
    EXPECT_TRUE(crate->circleCollision);
    EXPECT_NE(crate->GetModel()->mesh, nullptr);
    EXPECT_EQ(w->GetFirstEnvironmentTexture(),
              fileLoader.GetRoot() + "/RESOURCES/Art/Textures/Environment/floor.bmp");
    EXPECT_EQ(w->GetThirdEnvironmentTexture(),
              fileLoader.GetRoot() + "/RESOURCES/Art/Textures/Environment/walls.bmp");
}

TEST_F(LevelTest, TheUpdateListStartsWithTheWallsThenTheRecordsInReverseOrder) {
    Build(20, 20,
          "GAME_ENTITY crate.ms3d (5,5) 1 1 NONE\n"
          "BATTERY battery.txt (8,8) 1 1 NONE\n"
          "GAME_ENTITY car.ms3d (11,11) 1 1 NONE\n");
    std::vector<std::string> names;
    for (const GameEntity* e : w->updateList) names.push_back(e->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"Walls", "car.ms3d", "Battery", "crate.ms3d"}));
    ASSERT_EQ(w->collisionList.size(), 1u);
    EXPECT_EQ(w->collisionList.front()->GetName(), "Battery");
}

TEST_F(LevelTest, RecordsOfAnyOtherTypeAreSkipped) {
    Build(20, 20,
          "WEAPON gun.txt (2,2) 1 1 NONE\n"
          "GAME_ENTITY crate.ms3d (5,5) 1 1 NONE\n"
          "PARTICLE smoke.cfg (7,7) 1 1 NONE\n"
          "SOFA sofa.ms3d (9,9) 2 2 NONE\n");
    ASSERT_EQ(w->updateList.size(), 2u);
    EXPECT_EQ(w->updateList.back()->GetName(), "crate.ms3d");
    EXPECT_EQ(w->blocked[2][2], 0);
    EXPECT_EQ(w->blocked[9][9], 0);
    EXPECT_EQ(w->blocked[5][5], 1);
}

struct GridSizeCase {
    const char* name;
    int x, z;
    int builtX, builtZ;
};

void PrintTo(const GridSizeCase& c, std::ostream* os) {
    *os << c.name;
}

class GridSizeTest : public LevelTest, public ::testing::WithParamInterface<GridSizeCase> {};

TEST_P(GridSizeTest, ASizeTheGameCannotUseIsRefusedAndTheRestOfTheLevelBuilt) {
    const GridSizeCase& c = GetParam();
    const std::string path =
        files.Level("room.txt", Header(c.x, c.z) + "GAME_ENTITY crate.ms3d (1,1) 1 1 NONE\n");
    w->BuildLevel(path);
    EXPECT_EQ(w->GetGridSizeX(), c.builtX);
    EXPECT_EQ(w->GetGridSizeZ(), c.builtZ);
    const bool refused = c.x != c.builtX || c.z != c.builtZ;
    ASSERT_EQ(fake.dialogs.shown.size(), refused ? 1u : 0u);
    if (refused) {
        EXPECT_EQ(fake.dialogs.shown[0].caption, path);
    }
    EXPECT_EQ(w->blocked[1][1], 1);
    ASSERT_NE(Named("crate.ms3d"), nullptr);
    // The walls stand around the room as built.
    EXPECT_EQ(w->updateList.front()->GetModel()->boxes[3].xMin, c.builtX * 4.0f);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GridSizeTest,
                         ::testing::Values(GridSizeCase{"Largest", 100, 100, 100, 100},
                                           GridSizeCase{"Smallest", 3, 3, 3, 3},
                                           GridSizeCase{"WiderThanTheGrid", 120, 30, 100, 30},
                                           GridSizeCase{"DeeperThanTheGrid", 30, 101, 30, 100},
                                           GridSizeCase{"TooNarrowForTheCorners", 2, 10, 3, 10},
                                           // Every spawn corner in the one cell (2, 2).
                                           GridSizeCase{"CornersInOneCellAlongX", 4, 16, 5, 16},
                                           GridSizeCase{"CornersInOneCellAlongZ", 16, 4, 16, 5},
                                           GridSizeCase{"Empty", 0, 0, 3, 3},
                                           GridSizeCase{"Negative", -5, 16, 3, 16}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LevelTest, AMissingLevelFileKeepsTheLastRoomAndItsTexturePaths) {
    Build(20, 16);
    const std::string floor = w->GetFirstEnvironmentTexture();
    w->ClearLevel();
    w->BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\Nowhere.txt");
    EXPECT_EQ(w->GetGridSizeX(), 20);
    EXPECT_EQ(w->GetGridSizeZ(), 16);
    EXPECT_EQ(w->GetFirstEnvironmentTexture(), floor);
    ASSERT_EQ(w->updateList.size(), 1u);
    EXPECT_EQ(w->updateList.front()->GetName(), "Walls");
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(LevelTest, TheWallsBoundTheRoomFromTheBorderCells) {
    Build(10, 8);
    ASSERT_EQ(w->updateList.size(), 1u);
    const GameEntity* walls = w->updateList.front();
    EXPECT_EQ(walls->GetName(), "Walls");
    EXPECT_TRUE(w->collisionList.empty());
    const MeshTree& model = *walls->GetModel();
    const float expected[4][4] = {{-1, 0, 0, 32}, {0, 40, -1, 0}, {0, 40, 32, 33}, {40, 41, 0, 32}};
    ASSERT_EQ(model.boxes.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(model.boxes[i].xMin, expected[i][0]);
        EXPECT_EQ(model.boxes[i].xMax, expected[i][1]);
        EXPECT_EQ(model.boxes[i].zMin, expected[i][2]);
        EXPECT_EQ(model.boxes[i].zMax, expected[i][3]);
    }
    EXPECT_EQ(model.boundsMax[0], 40.0f);
    EXPECT_EQ(model.boundsMax[2], 32.0f);
    EXPECT_EQ(model.mesh, nullptr);
    EXPECT_TRUE(model.lit && model.outlined && model.castsShadow && model.scenery);
    EXPECT_FALSE(model.visible || model.celShaded || model.transparent ||
                 model.revealsUnderCaster || model.inRenderList || model.drawBlack);

    const Cells listed = CellsListing(*w, walls);
    EXPECT_EQ(listed.size(), 32u);
    for (const auto& [x, z] : listed) {
        EXPECT_TRUE(x == 0 || x == 9 || z == 0 || z == 7) << x << "," << z;
        EXPECT_EQ(w->blocked[x][z], 0);
    }
}

struct CornerCase {
    const char* name;
    int x, z;
    double degrees;
};

void PrintTo(const CornerCase& c, std::ostream* os) {
    *os << c.name;
}

class CornerTest : public LevelTest, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(CornerTest, AVehicleInACornerFacesTheCentreOfTheRoom) {
    const CornerCase& c = GetParam();
    Build(20, 15);
    const std::pair<int, int> corners[] = {{2, 2}, {2, 13}, {18, 13}, {18, 2}};
    for (const auto& [x, z] : corners)
        if (x != c.x || z != c.z) w->blocked[x][z] = 1;
    const GameEntity* car = NewCar();
    EXPECT_EQ(CellOf(car), std::make_pair(c.x, c.z));
    EXPECT_EQ(car->GetMatrixElement(12), (c.x + 0.5f) * 4.0f);
    EXPECT_EQ(car->GetMatrixElement(13), 0.0f);
    EXPECT_EQ(car->GetMatrixElement(14), (c.z + 0.5f) * 4.0f);
    // Forward is the model's own z axis.
    const double turn = c.degrees * 3.14159265358979 / 180.0;
    EXPECT_NEAR(car->GetMatrixElement(8), std::sin(turn), 1e-5);
    EXPECT_NEAR(car->GetMatrixElement(10), std::cos(turn), 1e-5);
    const double toCentreX = 40.0 - car->GetMatrixElement(12);
    const double toCentreZ = 30.0 - car->GetMatrixElement(14);
    const double length = std::hypot(toCentreX, toCentreZ);
    EXPECT_GT(
        (toCentreX * car->GetMatrixElement(8) + toCentreZ * car->GetMatrixElement(10)) / length,
        0.9);
}

INSTANTIATE_TEST_SUITE_P(Corners, CornerTest,
                         ::testing::Values(CornerCase{"LowXLowZ", 2, 2, 45.0},
                                           CornerCase{"LowXHighZ", 2, 13, 135.0},
                                           CornerCase{"HighXHighZ", 18, 13, 225.0},
                                           CornerCase{"HighXLowZ", 18, 2, 315.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LevelTest, VehiclesTakeTheFreeCornersThenAnyCell) {
    const std::set<std::pair<int, int>> corners = {{2, 2}, {2, 13}, {18, 13}, {18, 2}};
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        std::srand(seed);
        w->ClearLevel();
        Build(20, 15);
        std::set<std::pair<int, int>> taken;
        for (int i = 0; i < 4; ++i) {
            const std::pair<int, int> cell = CellOf(NewCar(0));
            EXPECT_TRUE(corners.count(cell)) << cell.first << "," << cell.second;
            taken.insert(cell);
        }
        EXPECT_EQ(taken, corners);
        const auto [x, z] = CellOf(NewCar(0));
        EXPECT_TRUE(x >= 0 && x < 20 && z >= 0 && z < 15);
    }
}

TEST_F(LevelTest, CornersBlockedByObjectsAreNotTaken) {
    Build(20, 15,
          "GAME_ENTITY crate.ms3d (1,1) 2 2 NONE\n"
          "GAME_ENTITY crate.ms3d (2,13) 1 1 NONE\n"
          "GAME_ENTITY crate.ms3d (17,12) 2 2 NONE\n");
    for (unsigned seed = 1; seed <= 8; ++seed) {
        std::srand(seed);
        const GameEntity* car = NewCar();
        EXPECT_EQ(CellOf(car), std::make_pair(18, 2));
        w->DestroyEntity(const_cast<GameEntity*>(car));
    }
    w->blocked[18][2] = 1;
    const auto [x, z] = CellOf(NewCar());
    EXPECT_TRUE(x >= 0 && x < 20 && z >= 0 && z < 15);
}

TEST_F(LevelTest, AVehicleWithoutALevelStandsInTheFirstCell) {
    const GameEntity* car = NewCar();
    EXPECT_EQ(CellOf(car), std::make_pair(0, 0));
}

TEST_F(LevelTest, AVehicleRecordIsDrivenPlacedAndBlocksItsOwnRecordsCells) {
    auto keys = worldtest::VehicleKeys("Davavod Tank");
    keys["BOUNDING_BOX"] = "car_boxes.txt";
    files.Vehicle("car.txt", keys);
    files.Boxes("car_boxes.txt", "1\n(-1.5,-2),(1.5,2)\n");
    w->SetAIDifficulty(0.7f);
    Build(20, 20, "VEHICLE car.txt (10,10) 1 1 NONE\n");
    auto* car = static_cast<Vehicle*>(Named("Davavod Tank"));
    ASSERT_NE(car, nullptr);
    ASSERT_NE(car->GetController(), nullptr);
    EXPECT_FLOAT_EQ(car->GetController()->GetDifficulty(), 0.7f);
    EXPECT_FALSE(car->IsHuman());
    EXPECT_EQ(w->collisionList.front(), car);
    const std::set<std::pair<int, int>> corners = {{2, 2}, {2, 18}, {18, 18}, {18, 2}};
    EXPECT_TRUE(corners.count(CellOf(car)));
    ASSERT_EQ(car->GetModel()->boxes.size(), 1u);
    EXPECT_EQ(car->GetModel()->boxes[0].xMax, 1.5f);
    EXPECT_EQ(CellsListing(*w, car), (Cells{{10, 10}}));
    EXPECT_EQ(w->blocked[10][10], 1);
    EXPECT_FALSE(car->GetModel()->scenery);
    EXPECT_TRUE(car->GetModel()->revealsUnderCaster);
    ASSERT_NE(FakeEffects::In(car, 0), nullptr);
    EXPECT_EQ(FakeEffects::In(car, 0)->scripts.size(), 5u);
    EXPECT_EQ(FakeEffects::In(car, 4), nullptr);
}

TEST_F(LevelTest, ABatteryKeepsItsCellAndRunsItsBolt) {
    Build(20, 20, "BATTERY battery.txt (5,5) 1 1 NONE\n");
    auto* battery = static_cast<Vehicle*>(Named("Battery"));
    ASSERT_NE(battery, nullptr);
    EXPECT_EQ(battery->GetTypeName(), "Vehicle");
    EXPECT_EQ(battery->GetMatrixElement(12), 22.0f);
    EXPECT_EQ(battery->GetMatrixElement(14), 22.0f);
    EXPECT_EQ(battery->GetMatrixElement(8), 0.0f);  // not turned
    EXPECT_EQ(battery->GetMatrixElement(10), 1.0f);
    EXPECT_EQ(battery->GetController(), nullptr);
    EXPECT_FALSE(battery->IsHuman());
    EXPECT_EQ(w->blocked[5][5], 1);

    const FakeEffect* bolt = FakeEffects::In(battery, 4);
    ASSERT_NE(bolt, nullptr);
    EXPECT_EQ(bolt->scripts,
              (std::vector<std::string>{"./RESOURCES/Files/Particles/Bolt/bolt.cfg"}));
    EXPECT_TRUE(battery->effects.IsRunning(4));
    EXPECT_EQ(bolt->placedAt, battery->GetModel());
    EXPECT_TRUE(bolt->placedAsOffset);
    EXPECT_EQ(bolt->expiries, 1);

    const FakeEffect* explosion = FakeEffects::In(battery, 0);
    ASSERT_NE(explosion, nullptr);
    EXPECT_EQ(explosion->scripts.front(), "./RESOURCES/Files/Particles/BigExplosion/crater.cfg");
    EXPECT_EQ(explosion->scripts.back(), "./RESOURCES/Files/Particles/BigExplosion/explosion3.cfg");
    EXPECT_FALSE(battery->effects.IsRunning(0));
    EXPECT_EQ(explosion->starts, 0);
    // Dust and smoke come with every vehicle, batteries too.
    EXPECT_NE(FakeEffects::In(battery, 2), nullptr);
    EXPECT_NE(FakeEffects::In(battery, 3), nullptr);
}

TEST_F(LevelTest, TheShowerRunsItsWater) {
    files.Model("bathroom_shower.ms3d", worldtest::BoxModel(3.0f, 7.0f, 3.0f));
    Build(20, 20, "GAME_ENTITY bathroom_shower.ms3d (6,6) 1 1 NONE\n");
    const GameEntity* shower = Named("bathroom_shower.ms3d");
    ASSERT_NE(shower, nullptr);
    const FakeEffect* water = FakeEffects::In(shower, 4);
    ASSERT_NE(water, nullptr);
    EXPECT_EQ(water->scripts,
              (std::vector<std::string>{"./RESOURCES/Files/Particles/Shower/shower.cfg",
                                        "./RESOURCES/Files/Particles/Shower/shower_bounce.cfg"}));
    EXPECT_TRUE(shower->effects.IsRunning(4));
    EXPECT_EQ(water->expiries, 1);
    EXPECT_FALSE(shower->GetModel()->scenery);
    EXPECT_EQ(FakeEffects::In(shower, 0), nullptr);
    EXPECT_EQ(FakeEffects::In(Named("Walls"), 4), nullptr);
}

}  // namespace
