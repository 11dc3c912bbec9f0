#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/world/WorldFixtures.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace {

using worldtest::CellsListing;
using Cells = std::vector<std::pair<int, int>>;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// An entity of `w`'s update list standing at (x, 0, z).
GameEntity* Place(World& w, float x, float z, std::string name = "thing") {
    auto* e = new GameEntity(std::move(name));
    e->GetModel()->Translate(x, 0.0f, z);
    w.updateList.push_back(w.Adopt(std::unique_ptr<GameEntity>(e)));
    return e;
}

std::unique_ptr<World> GridWorld(int sizeX, int sizeZ) {
    auto w = std::make_unique<World>();
    w->gridSizeX = sizeX;
    w->gridSizeZ = sizeZ;
    return w;
}

struct CellCase {
    const char* name;
    float coordinate;
    int cell;  // kOutside: outside every grid
};
constexpr int kOutside = std::numeric_limits<int>::min();

void PrintTo(const CellCase& c, std::ostream* os) {
    *os << c.name;
}

class CellOfTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellOfTest, DividesByTheCellSizeTowardZero) {
    const CellCase& c = GetParam();
    const int cell = World::CellOf(c.coordinate);
    if (c.cell == kOutside)
        EXPECT_TRUE(cell < -1 || cell > kMaxGridSize) << cell;
    else
        EXPECT_EQ(cell, c.cell);
}

INSTANTIATE_TEST_SUITE_P(Coordinates, CellOfTest,
                         ::testing::Values(CellCase{"Zero", 0.0f, 0},
                                           CellCase{"JustBelowTheFirstEdge", 3.99f, 0},
                                           CellCase{"OnTheFirstEdge", 4.0f, 1},
                                           CellCase{"SmallNegativeFallsInColumnZero", -1.0f, 0},
                                           CellCase{"JustAboveMinusFour", -3.99f, 0},
                                           CellCase{"MinusFour", -4.0f, -1},
                                           CellCase{"LastCellOfTheGrid", 399.9f, 99},
                                           CellCase{"BeyondTheGrid", 400.0f, 100},
                                           CellCase{"NotANumber", kNaN, kOutside},
                                           CellCase{"PlusInfinity", kInf, kOutside},
                                           CellCase{"MinusInfinity", -kInf, kOutside},
                                           CellCase{"BeyondTheRangeOfInt", 1.0e30f, kOutside}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ListingCase {
    const char* name;
    float x, z;
    Cells listed;
};

void PrintTo(const ListingCase& c, std::ostream* os) {
    *os << c.name;
}

class GridListingTest : public ::testing::TestWithParam<ListingCase> {};

TEST_P(GridListingTest, AddListsInTheCellOfThePositionAndRemoveTakesItOut) {
    const ListingCase& c = GetParam();
    auto w = GridWorld(10, 10);
    GameEntity* e = Place(*w, c.x, c.z);
    w->AddToGrid(e);
    EXPECT_EQ(CellsListing(*w, e), c.listed);
    w->RemoveFromGrid(e);
    EXPECT_TRUE(CellsListing(*w, e).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Positions, GridListingTest,
    ::testing::Values(ListingCase{"NegativeXInColumnZero", -1.0f, 5.0f, {{0, 1}}},
                      ListingCase{"LastCell", 39.9f, 39.9f, {{9, 9}}},
                      ListingCase{"PastTheGridSize", 40.5f, 0.0f, {}},
                      ListingCase{"WellBelowTheGrid", -4.5f, 5.0f, {}},
                      ListingCase{"NotANumber", kNaN, 5.0f, {}},
                      ListingCase{"Infinite", 5.0f, kInf, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridTest, RemoveTakesEveryEntryOfTheOneCellAndLeavesOtherCells) {
    auto w = GridWorld(10, 10);
    GameEntity* e = Place(*w, 6.0f, 6.0f);
    w->cells[1][1] = {e, e};
    w->cells[2][2] = {e};
    w->RemoveFromGrid(e);
    EXPECT_EQ(CellsListing(*w, e), (Cells{{2, 2}}));
}

// A cell lists the newest entry first; taking one entity out leaves the others as they were.
TEST(GridTest, ACellListsNewestFirstAndARemovalKeepsTheOthersInOrder) {
    auto w = GridWorld(10, 10);
    GameEntity* e = Place(*w, 6.0f, 6.0f, "e");
    GameEntity* a = Place(*w, 6.0f, 6.0f, "a");
    GameEntity* b = Place(*w, 6.0f, 6.0f, "b");
    GameEntity* c = Place(*w, 6.0f, 6.0f, "c");
    w->AddToGrid(a);
    w->AddToGrid(e);
    w->AddToGrid(b);
    w->AddToGrid(e);
    w->AddToGrid(c);
    const auto listed = [&] {
        return std::vector<GameEntity*>(w->cells[1][1].begin(), w->cells[1][1].end());
    };
    EXPECT_EQ(listed(), (std::vector<GameEntity*>{c, e, b, e, a}));
    w->RemoveFromGrid(e);
    EXPECT_EQ(listed(), (std::vector<GameEntity*>{c, b, a}));
}

TEST(GridTest, NeighboursComeInTheOrderTheyWereMadeWhateverTheirCells) {
    auto w = GridWorld(10, 10);
    GameEntity* first = Place(*w, 2.0f, 2.0f, "first");
    GameEntity* second = Place(*w, 6.0f, 6.0f, "second");
    GameEntity* third = Place(*w, 2.0f, 6.0f, "third");
    GameEntity* asker = Place(*w, 6.0f, 2.0f, "asker");
    w->cells[1][1] = {third, first};
    w->cells[0][0] = {second, third};
    w->cells[0][1] = {first};
    const EntitySet nearby = w->GetNearbyEntities(asker);
    EXPECT_EQ(std::vector<GameEntity*>(nearby.begin(), nearby.end()),
              (std::vector<GameEntity*>{first, second, third}));
    // A set refilled for another asker holds only that asker's neighbours.
    EntitySet reused = nearby;
    w->cells[9][9] = {second};
    GameEntity* far = Place(*w, 38.0f, 38.0f, "far");
    w->GetNearbyEntities(far, reused);
    EXPECT_EQ(std::vector<GameEntity*>(reused.begin(), reused.end()),
              (std::vector<GameEntity*>{second}));
}

TEST(GridTest, WithoutALevelTheGridOperationsDoNothing) {
    auto w = GridWorld(0, 0);
    GameEntity* e = Place(*w, 1.0f, 1.0f);
    w->AddToGrid(e);
    EXPECT_TRUE(CellsListing(*w, e).empty());
    EXPECT_TRUE(w->GetNearbyEntities(e).empty());
}

struct NeighbourCase {
    const char* name;
    float x, z;
    Cells cells;  // the cells whose entities are neighbours
};

void PrintTo(const NeighbourCase& c, std::ostream* os) {
    *os << c.name;
}

class NeighbourTest : public ::testing::TestWithParam<NeighbourCase> {};

TEST_P(NeighbourTest, SeesTheThreeByThreeCellsClippedToTheGrid) {
    const NeighbourCase& c = GetParam();
    auto w = GridWorld(10, 8);
    GameEntity* inCell[10][8];
    for (int x = 0; x < 10; ++x)
        for (int z = 0; z < 8; ++z) {
            inCell[x][z] = Place(*w, x * 4.0f + 2.0f, z * 4.0f + 2.0f);
            w->AddToGrid(inCell[x][z]);
        }
    GameEntity* asker = Place(*w, c.x, c.z, "asker");
    EntitySet expected;
    for (const auto& [x, z] : c.cells) expected.insert(inCell[x][z]);
    EXPECT_EQ(w->GetNearbyEntities(asker), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, NeighbourTest,
    ::testing::Values(
        NeighbourCase{"Interior",
                      18.0f,
                      14.0f,
                      {{3, 2}, {3, 3}, {3, 4}, {4, 2}, {4, 3}, {4, 4}, {5, 2}, {5, 3}, {5, 4}}},
        NeighbourCase{"LowCorner", 1.0f, 1.0f, {{0, 0}, {0, 1}, {1, 0}, {1, 1}}},
        NeighbourCase{"HighCorner", 39.0f, 31.0f, {{8, 6}, {8, 7}, {9, 6}, {9, 7}}},
        NeighbourCase{"HighXEdge", 38.0f, 14.0f, {{8, 2}, {8, 3}, {8, 4}, {9, 2}, {9, 3}, {9, 4}}},
        NeighbourCase{"JustOutsideSeesTheBorderCells", -5.0f, 14.0f, {{0, 2}, {0, 3}, {0, 4}}},
        NeighbourCase{"TwoCellsOutsideSeesNothing", -9.0f, 14.0f, {}},
        NeighbourCase{"FarBeyondTheGrid", 1000.0f, 14.0f, {}},
        NeighbourCase{"NotANumber", kNaN, 14.0f, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridTest, NeighboursAreEachOnceAndNeverTheAsker) {
    auto w = GridWorld(10, 10);
    GameEntity* sofa = Place(*w, 10.0f, 10.0f, "sofa.ms3d");
    GameEntity* asker = Place(*w, 10.0f, 10.0f, "asker");
    for (int x = 1; x <= 3; ++x)
        for (int z = 1; z <= 3; ++z) {
            w->cells[x][z].push_front(sofa);
            w->cells[x][z].push_front(sofa);
        }
    w->cells[3][3].push_front(asker);
    EXPECT_EQ(w->GetNearbyEntities(asker), (EntitySet{sofa}));
}

TEST(DestroyEntityTest, UnlinksTheEntityEverywhereAndDeletesIt) {
    auto w = GridWorld(20, 20);
    auto* owner = new Vehicle();
    w->updateList.push_back(w->Adopt(std::unique_ptr<GameEntity>(owner)));
    w->collisionList.push_back(owner);
    auto* mine = new Weapon();
    mine->SetName("Mine");
    mine->SetOwner(owner);
    mine->GetModel()->Translate(10.0f, 0.0f, 10.0f);
    w->updateList.push_back(w->Adopt(std::unique_ptr<GameEntity>(mine)));
    w->collisionList.push_front(mine);
    owner->laidObjects = {mine};
    // Listed beyond its own cell, as a footprint or a push by the collision response leaves it.
    w->cells[2][2] = {mine};
    w->cells[7][9] = {mine, mine};

    GameEntity* touching = Place(*w, 11.0f, 11.0f, "touching");
    touching->SetContact(mine);
    w->AddToGrid(touching);
    GameEntity* touchingOther = Place(*w, 11.0f, 11.0f, "touching other");
    touchingOther->SetContact(owner);
    w->AddToGrid(touchingOther);
    // A blast reaches farther than the neighbourhood: this link must go too.
    GameEntity* far = Place(*w, 70.0f, 70.0f, "far");
    far->SetContact(mine);

    w->DestroyEntity(mine);
    EXPECT_EQ(touching->GetContact(), nullptr);
    EXPECT_EQ(touchingOther->GetContact(), owner);
    EXPECT_EQ(far->GetContact(), nullptr);
    EXPECT_TRUE(owner->laidObjects.empty());
    EXPECT_TRUE(CellsListing(*w, mine).empty());
    for (GameEntity* e : w->updateList) EXPECT_NE(e, mine);
    for (GameEntity* e : w->collisionList) EXPECT_NE(e, mine);
    EXPECT_EQ(w->updateList.size(), 4u);
    EXPECT_EQ(w->collisionList.size(), 1u);
}

TEST(DestroyEntityTest, APlayerVehicleLeavesItsPlayerSlot) {
    auto w = GridWorld(10, 10);
    auto* one = new Vehicle();
    auto* two = new Vehicle();
    w->updateList = {w->Adopt(std::unique_ptr<GameEntity>(one)),
                     w->Adopt(std::unique_ptr<GameEntity>(two))};
    w->playerOneVehicle = one;
    w->playerTwoVehicle = two;
    w->DestroyEntity(two);
    EXPECT_EQ(w->GetPlayerTwo(), nullptr);
    EXPECT_EQ(w->GetPlayerOne(), one);
}

TEST(ClearLevelTest, DeletesEverythingForgetsBothPlayersAndClearsTheGrid) {
    auto w = GridWorld(12, 9);
    auto* one = new Vehicle();
    auto* two = new Vehicle();
    w->updateList = {w->Adopt(std::unique_ptr<GameEntity>(one)),
                     w->Adopt(std::unique_ptr<GameEntity>(two))};
    w->collisionList = {one, two};
    w->playerOneVehicle = one;
    w->playerTwoVehicle = two;
    w->AddToGrid(one);
    w->blocked[5][5] = 1;
    w->cells[99][99].push_front(two);  // an entry beyond the size in use

    w->ClearLevel();
    EXPECT_TRUE(w->updateList.empty());
    EXPECT_TRUE(w->collisionList.empty());
    EXPECT_EQ(w->GetPlayerOne(), nullptr);
    EXPECT_EQ(w->GetPlayerTwo(), nullptr);
    EXPECT_EQ(w->blocked[5][5], 0);
    EXPECT_TRUE(w->cells[0][0].empty());
    EXPECT_TRUE(w->cells[99][99].empty());
    EXPECT_EQ(w->GetGridSizeX(), 12);
    EXPECT_EQ(w->GetGridSizeZ(), 9);
}

}  // namespace
