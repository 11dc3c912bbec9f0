// One computer driver in a small room: perception, sector heat and destinations, the path
// search, steering and the firing rules, with scripted random draws.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/ai/AiFixture.h"

namespace {

using aitest::AiFixture;
using aitest::Place;

// --- Flee and return thresholds per vehicle ------------------------------------------------

struct FleeCase {
    const char* name;
    const char* vehicle;
    int firstFuelKept;    // the lowest fuel that does not flee
    int fleeNear[2];      // a cell offset of player one close enough to flee from
    int keepNear[2];      // the nearest offset that does not
    int returnFuel;       // the lowest fuel that ends a flight
    int stillFleeFar[2];  // an offset too near to end it
    int returnFar[2];     // the nearest offset far enough
};
void PrintTo(const FleeCase& c, std::ostream* os) {
    *os << c.name;
}

class FleeThresholdTest : public AiFixture, public ::testing::WithParamInterface<FleeCase> {
protected:
    // Player one `offset` cells from the driver's cell (5, 10), in its sight.
    void PlayerAt(const int offset[2]) {
        Place(player, 22.0f + 4.0f * offset[0], 42.0f + 4.0f * offset[1], 1.0f, 0.0f);
    }
    AIState PerceiveFrom(AIState from, int fuel, const int offset[2]) {
        auto ai = Make(GetParam().vehicle);
        Place(self, 22.0f, 42.0f, 1.0f, 0.0f);
        PlayerAt(offset);
        ai->state = from;
        ai->fuelSeen = fuel;
        ai->insight = 10;  // sight in every direction
        ai->Perceive();
        return ai->state;
    }
};

TEST_P(FleeThresholdTest, FleesAndReturnsAtTheTableValues) {
    const FleeCase& c = GetParam();
    const int far[2] = {8, 0};
    EXPECT_EQ(PerceiveFrom(Search, c.firstFuelKept - 1, far), Flee);
    EXPECT_NE(PerceiveFrom(Search, c.firstFuelKept, far), Flee);
    EXPECT_EQ(PerceiveFrom(Engage, 1000, c.fleeNear), Flee);
    EXPECT_NE(PerceiveFrom(Engage, 1000, c.keepNear), Flee);

    EXPECT_EQ(PerceiveFrom(Flee, c.returnFuel - 1, far), Flee);
    EXPECT_EQ(PerceiveFrom(Flee, c.returnFuel, far), Search);
    EXPECT_EQ(PerceiveFrom(Flee, 1000, c.stillFleeFar), Flee);
    EXPECT_EQ(PerceiveFrom(Flee, 1000, c.returnFar), Search);
}

INSTANTIATE_TEST_SUITE_P(
    Vehicles, FleeThresholdTest,
    ::testing::Values(FleeCase{"tank", aitest::kTank, 40, {1, 0}, {1, 1}, 640, {3, 3}, {4, 2}},
                      FleeCase{"buggy", aitest::kBuggy, 140, {1, 1}, {2, 0}, 740, {5, 2}, {4, 4}},
                      // Flees for fuel only below 0, for distance only in its own cell.
                      FleeCase{"gremlin", aitest::kGremlin, 0, {0, 0}, {1, 0}, 600, {3, 2}, {4, 0}},
                      FleeCase{"lancer", aitest::kLancer, 80, {1, 0}, {1, 1}, 680, {4, 2}, {3, 4}},
                      // An unknown NAME drives with the default factor 0.5.
                      FleeCase{"unknown", "Hover Crate", 100, {1, 1}, {2, 0}, 700, {3, 3}, {5, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AiFixture, EnteringFleeWarmsTheOtherSectorsAndIgnoresTheViewConeLonger) {
    auto ai = Make(aitest::kBuggy);
    ai->fuelSeen = 10;
    ai->Perceive();
    EXPECT_EQ(ai->state, Flee);
    EXPECT_EQ(ai->insight, 360);
    EXPECT_FALSE(ai->fleeSetUp);
    EXPECT_EQ(ai->SectorHeat[0][0], 1.0f);  // player one is in sector (3, 2)
    EXPECT_EQ(ai->SectorHeat[3][2], 0.0f);
}

// --- Line of sight --------------------------------------------------------------------------

struct SightCase {
    const char* name;
    float ownX, ownZ, forwardX, forwardZ;
    float playerX, playerZ;
    std::vector<std::pair<int, int>> blocked;
    int insight;
    bool seen;
};
void PrintTo(const SightCase& c, std::ostream* os) {
    *os << c.name;
}

class SightTest : public AiFixture, public ::testing::WithParamInterface<SightCase> {};

TEST_P(SightTest, WalksTheGrid) {
    const SightCase& c = GetParam();
    auto ai = Make(aitest::kTank);
    Place(self, c.ownX, c.ownZ, c.forwardX, c.forwardZ);
    Place(player, c.playerX, c.playerZ, 1.0f, 0.0f);
    for (const auto& [x, z] : c.blocked) Block(x, z);
    ai->insight = c.insight;
    ai->heading = AIController::DirectionAngle(c.forwardX, c.forwardZ);
    EXPECT_EQ(ai->HasLineOfSight(), c.seen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SightTest,
    ::testing::Values(
        SightCase{"open_floor", 20, 40, 1, 0, 60, 40, {}, 0, true},
        SightCase{"through_blocked_cell", 20, 40, 1, 0, 60, 40, {{10, 10}}, 0, false},
        SightCase{"beside_the_line", 20, 40, 1, 0, 60, 40, {{10, 11}}, 0, true},
        SightCase{"diagonal_blocked", 20, 20, 1, 1, 60, 60, {{9, 9}}, 0, false},
        SightCase{"shallow_slope_blocked", 20, 40, 1, 0, 60, 52, {{10, 12}}, 0, false},
        SightCase{"from_blocked_own_cell", 20, 40, 1, 0, 60, 40, {{5, 10}}, 0, false},
        SightCase{"blocked_own_cell_shared", 20, 40, 1, 0, 21, 41, {{5, 10}}, 0, true},
        // Player one's rounded cell is one past the grid, never tested itself.
        SightCase{"to_the_far_wall", 20, 40, 1, 0, 79, 40, {}, 0, true},
        SightCase{"behind_without_insight", 20, 40, -1, 0, 60, 40, {}, 0, false},
        SightCase{"behind_with_insight", 20, 40, -1, 0, 60, 40, {}, 1, true},
        // A vehicle pushed off the grid sees nothing: its cell has no floor to see from.
        SightCase{"own_cell_outside_grid", -9, 40, 1, 0, 60, 40, {}, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AiFixture, AHitWhileDamagedOpensTheViewConeAndTheLancerFiresBack) {
    auto ai = Make(aitest::kLancer, 0.5f);
    ai->SetStatus(1000, 100);
    ai->SetStatus(1000, 90);  // seen 100: no reaction
    EXPECT_EQ(ai->insight, 0);
    EXPECT_FALSE(ai->GetKey(5));
    ai->SetStatus(1000, 95);  // any change counts, a gain too
    EXPECT_EQ(ai->insight, 240);
    EXPECT_TRUE(ai->GetKey(5));

    auto easy = Make(aitest::kLancer, 0.25f);
    easy->hitPointsSeen = 50;
    easy->SetStatus(1000, 40);
    EXPECT_EQ(easy->insight, 240);
    EXPECT_FALSE(easy->GetKey(5));
}

// --- Sector heat and destinations -----------------------------------------------------------

TEST_F(AiFixture, FreshDriverKeepsItsSectorUntilItIsWarm) {
    auto ai = Make(aitest::kTank);
    const float heatBefore[] = {0.0f, 0.99f, 1.98f, 2.97f, 4.0f - 0.04f, 4.95f, 5.94f};
    for (int choice = 0; choice < 7; ++choice) {
        EXPECT_NEAR(ai->SectorHeat[0][0], heatBefore[choice], 1e-4) << choice;
        Script({3, 4, 4});  // r = 5: leaves only once the heat exceeds 5
        ai->ChooseDestination();
        if (choice < 6) {
            EXPECT_EQ(ai->destSectorX, 0);
            EXPECT_EQ(ai->destSectorZ, 0);
            EXPECT_EQ(ai->goalCellX, 4);
            EXPECT_EQ(ai->goalCellZ, 4);
        }
        EXPECT_TRUE(ai->hasDestination);
    }
    // All others at 0 tie; (1, 0) and (0, 1) are nearest, and the lower z wins.
    EXPECT_EQ(ai->destSectorX, 1);
    EXPECT_EQ(ai->destSectorZ, 0);
    EXPECT_EQ(ai->goalCellX, 9);
    EXPECT_TRUE(draws.empty());
    EXPECT_EQ(drawsTaken, 21);
}

TEST_F(AiFixture, CoolestSectorTiesGoToTheNearerThenLowerZThenLowerX) {
    auto ai = Make(aitest::kTank);
    for (auto& row : ai->SectorHeat) {
        for (float& heat : row) heat = 5.0f;
    }
    ai->destSectorX = 1;
    ai->destSectorZ = 1;
    ai->SectorHeat[1][1] = 9.0f;
    ai->SectorHeat[3][3] = 1.0f;
    ai->SectorHeat[2][1] = 1.0f;
    ai->SectorHeat[1][2] = 1.0f;
    Script({0, 0, 0});
    ai->ChooseDestination();
    EXPECT_EQ(ai->destSectorX, 2);
    EXPECT_EQ(ai->destSectorZ, 1);
    EXPECT_NEAR(ai->SectorHeat[2][1], 1.99f, 1e-6);
}

TEST_F(AiFixture, LosingSightWarmsEveryOtherSectorAndCoolsPlayerOnes) {
    auto ai = Make(aitest::kTank);
    Place(player, 28.0f, 48.0f, 1.0f, 0.0f);  // cell (7, 12): sector (1, 2)
    ai->SectorHeat[1][2] = 0.5f;
    ai->SectorHeat[3][3] = 5.0f;
    ai->SectorHeat[2][2] = -1.0f;
    ai->SectorHeat[0][1] = 4.5f;
    ai->OnLostVisibility();
    EXPECT_FLOAT_EQ(ai->SectorHeat[1][2], -0.5f);
    EXPECT_FLOAT_EQ(ai->SectorHeat[3][3], 4.0f);
    EXPECT_FLOAT_EQ(ai->SectorHeat[2][2], 0.0f);
    EXPECT_FLOAT_EQ(ai->SectorHeat[0][1], 5.5f);
    EXPECT_FLOAT_EQ(ai->SectorHeat[0][0], 1.0f);
    EXPECT_EQ(ai->insight, 120);
    ai->OnLostVisibility();
    EXPECT_FLOAT_EQ(ai->SectorHeat[1][2], -0.5f);  // at 0 or less it stays
    ai->OnGainedVisibility();
    EXPECT_EQ(ai->SectorHeat[1][2], 0.0f);
}

TEST_F(AiFixture, PlayerSectorAtTheFarEdgeOfAnOddGridIsTheLastOne) {
    room->gridSizeX = 22;
    room->gridSizeZ = 22;
    auto ai = Make(aitest::kTank);
    Place(player, 86.0f, 87.0f, 1.0f, 0.0f);  // cell 21: 21 / 5 would be sector 4
    int sx = -1, sz = -1;
    ai->PlayerSector(sx, sz);
    EXPECT_EQ(sx, 3);
    EXPECT_EQ(sz, 3);
    ai->SectorHeat[3][3] = 2.0f;
    ai->OnGainedVisibility();
    EXPECT_EQ(ai->SectorHeat[3][3], 0.0f);
}

struct FleeStepCase {
    const char* name;
    int goalX, goalZ;
    int destX, destZ;
};
void PrintTo(const FleeStepCase& c, std::ostream* os) {
    *os << c.name;
}

class FleeStepTest : public AiFixture, public ::testing::WithParamInterface<FleeStepCase> {};

TEST_P(FleeStepTest, OneSectorTowardTheFarthest) {
    const FleeStepCase& c = GetParam();
    auto ai = Make(aitest::kTank);
    Place(player, 6.0f, 6.0f, 1.0f, 0.0f);  // sector (0, 0): the farthest is (3, 3)
    ai->state = Flee;
    ai->goalCellX = c.goalX;
    ai->goalCellZ = c.goalZ;
    ai->ChooseDestination();
    EXPECT_EQ(ai->destSectorX, c.destX);
    EXPECT_EQ(ai->destSectorZ, c.destZ);
    EXPECT_EQ(ai->goalCellX / 5, c.destX);
    EXPECT_EQ(ai->goalCellZ / 5, c.destZ);
}

INSTANTIATE_TEST_SUITE_P(Cases, FleeStepTest,
                         ::testing::Values(FleeStepCase{"from_the_farthest", 17, 17, 3, 2},
                                           FleeStepCase{"tie_moves_along_z", 7, 7, 1, 2},
                                           FleeStepCase{"larger_x_difference", 2, 12, 1, 2},
                                           // No goal yet (-1): its sector counts as 0.
                                           FleeStepCase{"no_goal_yet", -1, -1, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AiFixture, GoalCellsAreNeverBlocked) {
    auto ai = Make(aitest::kTank);
    Block(0, 0);
    Block(1, 1);
    Script({0, 0, 0, 1, 1, 2, 3});  // r, then (0, 0) and (1, 1) blocked, then (2, 3)
    ai->ChooseDestination();
    EXPECT_EQ(ai->goalCellX, 2);
    EXPECT_EQ(ai->goalCellZ, 3);
    EXPECT_TRUE(draws.empty());
}

TEST_F(AiFixture, AFullyBlockedSectorFallsBackToTheNearestFreeCell) {
    auto ai = Make(aitest::kTank);
    for (int x = 0; x < 5; ++x) {
        for (int z = 0; z < 5; ++z) Block(x, z);
    }
    ai->ChooseDestination();
    EXPECT_EQ(drawsTaken, 1);  // only the stay-or-leave draw
    EXPECT_FALSE(room->blocked[ai->goalCellX][ai->goalCellZ]);
    EXPECT_EQ(ai->goalCellX, 2);
    EXPECT_EQ(ai->goalCellZ, 5);
    EXPECT_TRUE(ai->hasDestination);
}

// --- Path search ------------------------------------------------------------------------------

std::string Cells(const PathList& list) {
    std::string s;
    for (const PathNode& n : list) {
        // Appended piece by piece: GCC 12 at -O3 reports a false overlap for "(" + string.
        s += '(';
        s += std::to_string(n.x);
        s += ',';
        s += std::to_string(n.z);
        s += ')';
    }
    return s;
}

TEST_F(AiFixture, StraightPathIsFoundOnTheFourthStep) {
    auto ai = Make(aitest::kTank);
    ai->startCellX = 0;
    ai->startCellZ = 0;
    ai->SetGoal(3, 0);
    ai->hasDestination = true;
    PathList path;
    for (int step = 1; step <= 3; ++step) {
        ai->PathStep(path);
        EXPECT_TRUE(path.Empty()) << step;
        EXPECT_EQ(ai->searchList.Last()->x, step - 1);
    }
    ai->PathStep(path);
    EXPECT_EQ(Cells(path), "(0,0)(1,0)(2,0)(3,0)");
    EXPECT_TRUE(ai->searchList.Empty());
    EXPECT_FALSE(ai->hasDestination);
}

TEST_F(AiFixture, StartOnTheGoalGivesOneWaypoint) {
    auto ai = Make(aitest::kTank);
    ai->startCellX = 4;
    ai->startCellZ = 4;
    ai->SetGoal(4, 4);
    PathList path;
    ai->PathStep(path);
    EXPECT_EQ(Cells(path), "(4,4)");
}

TEST_F(AiFixture, PathGoesAroundAWall) {
    auto ai = Make(aitest::kTank);
    for (int z = 0; z < 6; ++z) Block(3, z);
    ai->startCellX = 0;
    ai->startCellZ = 0;
    ai->SetGoal(6, 0);
    PathList path;
    int steps = 0;
    while (path.Empty() && steps < 400) {
        ai->PathStep(path);
        ++steps;
    }
    ASSERT_FALSE(path.Empty());
    const PathNode* previous = nullptr;
    for (const PathNode& n : path) {
        EXPECT_FALSE(room->blocked[n.x][n.z]) << n.x << "," << n.z;
        if (previous != nullptr) {
            EXPECT_LE(std::abs(n.x - previous->x), 1);
            EXPECT_LE(std::abs(n.z - previous->z), 1);
        }
        previous = &n;
    }
    EXPECT_EQ(path.Last()->x, 6);
    EXPECT_EQ(path.Last()->z, 0);
}

struct NudgeCase {
    const char* name;
    std::vector<std::pair<int, int>> blocked;
    int startX, startZ;
    int seedX, seedZ;
};
void PrintTo(const NudgeCase& c, std::ostream* os) {
    *os << c.name;
}

class StartNudgeTest : public AiFixture, public ::testing::WithParamInterface<NudgeCase> {};

TEST_P(StartNudgeTest, FirstFreeNeighbourOutsideTheGridCountsBlocked) {
    const NudgeCase& c = GetParam();
    auto ai = Make(aitest::kTank);
    for (const auto& [x, z] : c.blocked) Block(x, z);
    ai->startCellX = c.startX;
    ai->startCellZ = c.startZ;
    ai->SetGoal(15, 15);
    PathList path;
    ai->PathStep(path);
    EXPECT_EQ(ai->startCellX, c.seedX);
    EXPECT_EQ(ai->startCellZ, c.seedZ);
    EXPECT_EQ(ai->searchList.Last()->x, c.seedX);  // the seed, expanded and closed
    EXPECT_EQ(ai->searchList.Last()->z, c.seedZ);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartNudgeTest,
    ::testing::Values(NudgeCase{"plus_x", {{5, 5}}, 5, 5, 6, 5},
                      NudgeCase{"minus_x", {{5, 5}, {6, 5}}, 5, 5, 4, 5},
                      NudgeCase{"corner_edge_is_blocked", {{0, 0}, {1, 0}}, 0, 0, 0, 1},
                      NudgeCase{"clamped_into_the_grid", {}, -3, 40, 0, 19},
                      NudgeCase{
                          "nowhere_to_go", {{5, 5}, {6, 5}, {4, 5}, {5, 6}, {5, 4}}, 5, 5, 5, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AiFixture, SameFNeighboursAreTakenLastInFirstBehindTheHead) {
    auto ai = Make(aitest::kTank);
    ai->startCellX = 5;
    ai->startCellZ = 5;
    ai->SetGoal(5, 15);
    PathList path;
    ai->PathStep(path);  // expands (5, 5)
    // (5, 6) is the one neighbour straight at the goal; the others follow by f.
    EXPECT_EQ(ai->searchList.Head()->x, 5);
    EXPECT_EQ(ai->searchList.Head()->z, 6);
    EXPECT_EQ(ai->searchList.Size(), 9);
}

TEST_F(AiFixture, AnOpenNeighbourIsReplacedOnlyByAStrictlyBetterOne) {
    auto ai = Make(aitest::kTank);
    PathList& list = ai->searchList;
    PathNode* parent = list.InsertSorted(PathNode());  // the node just expanded
    list.Close(parent);
    ai->ExpandNeighbour(list, 1, 0, 4.0f, 9, 0);  // g 5, h 8
    ASSERT_NE(ai->FindOpen(list, 1, 0), nullptr);
    ai->ExpandNeighbour(list, 1, 0, 4.0f, 9, 0);  // equal: kept
    ai->ExpandNeighbour(list, 1, 0, 6.0f, 9, 0);  // worse: kept
    EXPECT_EQ(list.Size(), 2);
    EXPECT_EQ(ai->FindOpen(list, 1, 0)->g, 5.0f);
    ai->ExpandNeighbour(list, 1, 0, 1.0f, 9, 0);  // better: replaces
    EXPECT_EQ(list.Size(), 2);
    EXPECT_EQ(ai->FindOpen(list, 1, 0)->g, 2.0f);
    EXPECT_EQ(ai->FindOpen(list, 1, 0)->parent, parent);
    ai->ExpandNeighbour(list, 0, 0, 0.0f, 9, 0);  // the closed cell is never offered again
    EXPECT_EQ(list.Size(), 2);
    Block(0, 1);
    ai->ExpandNeighbour(list, 0, 1, 0.0f, 9, 0);
    EXPECT_EQ(list.Size(), 2);
}

TEST_F(AiFixture, AnUnreachableGoalEndsTheSearch) {
    auto ai = Make(aitest::kTank);
    for (int x = 9; x <= 11; ++x) {
        for (int z = 9; z <= 11; ++z) {
            if (x != 10 || z != 10) Block(x, z);
        }
    }
    ai->startCellX = 0;
    ai->startCellZ = 0;
    ai->SetGoal(10, 10);
    ai->hasDestination = true;
    PathList path;
    int steps = 0;
    while (ai->hasDestination && steps < 1000) {
        ai->PathStep(path);
        ++steps;
    }
    EXPECT_FALSE(ai->hasDestination);
    EXPECT_TRUE(ai->searchList.Empty());
    EXPECT_TRUE(path.Empty());
    EXPECT_EQ(steps, kGrid * kGrid - 9 + 1);  // every free cell outside the ring, then the end
}

TEST_F(AiFixture, AfterACutOffSearchTheNextStartsWhereTheFollowedPathEnds) {
    auto ai = Make(aitest::kTank);
    // A room of 8 x 8 cells with a closed ring around (5, 5).
    room->gridSizeX = room->gridSizeZ = 8;
    for (int x = 4; x <= 6; ++x)
        for (int z = 4; z <= 6; ++z)
            if (x != 5 || z != 5) Block(x, z);
    Place(self, 2.0f, 2.0f, 1.0f, 0.0f);  // cell (0, 0)
    for (const auto& [x, z] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{2, 2}}) {
        PathNode waypoint;
        waypoint.x = x;
        waypoint.z = z;
        ai->currentPath.PushBack(waypoint);
    }
    ai->startCellX = 2;
    ai->startCellZ = 2;
    ai->SetGoal(5, 5);
    ai->hasDestination = true;
    for (int steps = 0; ai->hasDestination && steps < 100; ++steps) ai->PathStep(ai->nextPath);
    ASSERT_FALSE(ai->hasDestination);
    ASSERT_TRUE(ai->nextPath.Empty());
    ai->ChooseDestination();
    EXPECT_EQ(ai->startCellX, 2);
    EXPECT_EQ(ai->startCellZ, 2);
    // Without a path to follow, the vehicle's own cell.
    ai->currentPath.Clear();
    ai->ChooseDestination();
    EXPECT_EQ(ai->startCellX, 0);
    EXPECT_EQ(ai->startCellZ, 0);
}

TEST_F(AiFixture, ANewGoalStartsTheSearchAfresh) {
    auto ai = Make(aitest::kTank);
    ai->startCellX = 0;
    ai->startCellZ = 0;
    ai->SetGoal(15, 15);
    PathList path;
    for (int i = 0; i < 5; ++i) ai->PathStep(path);
    ASSERT_FALSE(ai->searchList.Empty());
    ai->startCellX = 10;
    ai->startCellZ = 0;
    ai->SetGoal(13, 0);
    EXPECT_TRUE(ai->searchList.Empty());
    for (int i = 0; i < 4; ++i) ai->PathStep(path);
    EXPECT_EQ(Cells(path), "(10,0)(11,0)(12,0)(13,0)");
}

TEST_F(AiFixture, FleeingDriverReplansFromWhereItIs) {
    auto ai = Make(aitest::kBuggy);
    Place(self, 2.0f, 2.0f, 1.0f, 0.0f);      // cell (0, 0)
    Place(player, 70.0f, 70.0f, 1.0f, 0.0f);  // sector (3, 3)
    ai->startCellX = 10;
    ai->startCellZ = 10;
    ai->SetGoal(19, 19);
    ai->hasDestination = true;
    PathList unused;
    for (int i = 0; i < 5; ++i) ai->PathStep(unused);
    ai->fuelSeen = 10;
    ai->Update();
    EXPECT_EQ(ai->state, Flee);
    // One sector from the last goal's (3, 3) toward (0, 0), along z on the tie.
    EXPECT_EQ(ai->destSectorX, 3);
    EXPECT_EQ(ai->destSectorZ, 2);
    EXPECT_EQ(ai->goalCellX, 15);
    EXPECT_EQ(ai->goalCellZ, 10);
    // The old search toward (19, 19) is gone: the new one was seeded at the own cell.
    ASSERT_EQ(ai->searchList.Last()->parent, nullptr);
    EXPECT_EQ(ai->searchList.Last()->x, 0);
    EXPECT_EQ(ai->searchList.Last()->z, 0);
}

// --- Waypoints and steering -------------------------------------------------------------------

TEST_F(AiFixture, WaypointReachedWithinNineteenUnitsNotTwenty) {
    auto ai = Make(aitest::kTank);
    PathNode node;
    node.x = 10;
    node.z = 10;
    Place(self, 40.0f + 19.0f, 40.0f - 19.0f, 1.0f, 0.0f);
    EXPECT_TRUE(ai->FollowWaypoint(&node));
    Place(self, 40.0f + 20.0f, 40.0f, 1.0f, 0.0f);
    EXPECT_FALSE(ai->FollowWaypoint(&node));
}

struct SteerCase {
    const char* name;
    AIState state;
    int headingOffset;  // heading minus the angle to the target
    bool right, left, thrust, brake;
};
void PrintTo(const SteerCase& c, std::ostream* os) {
    *os << c.name;
}

class SteerTest : public AiFixture, public ::testing::WithParamInterface<SteerCase> {};

TEST_P(SteerTest, TurnThrustAndBrake) {
    const SteerCase& c = GetParam();
    auto ai = Make(aitest::kTank, 0.5f, 0.0f);  // no wide or narrow cone: no damping
    ai->state = c.state;
    ai->heading = (180 + c.headingOffset + 360) % 360;
    fallbackDraw = 500;  // no wobble
    ai->SteerTo(60.0f, 40.0f, 20.0f, 40.0f);
    EXPECT_EQ(ai->targetAngle, 180);
    EXPECT_EQ(ai->GetKey(0), c.right);
    EXPECT_EQ(ai->GetKey(1), c.left);
    EXPECT_EQ(ai->GetKey(2), c.thrust);
    EXPECT_EQ(ai->GetKey(3), c.brake);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SteerTest,
    ::testing::Values(SteerCase{"on_target", Search, 0, false, false, true, false},
                      // Facing exactly away, it turns (left) rather than freeze.
                      SteerCase{"opposite", Search, 180, false, true, false, false},
                      SteerCase{"ten_above", Search, 10, false, true, true, false},
                      SteerCase{"ten_below", Search, -10, true, false, true, false},
                      SteerCase{"search_coasts", Search, 90, false, true, false, false},
                      SteerCase{"engage_brakes", Engage, 90, false, true, false, true},
                      SteerCase{"flee_thrusts", Flee, -90, true, false, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AiFixture, ACounterSteerEndsOnceTheVehicleSteersAwayFromTheWantedSide) {
    auto ai = Make(aitest::kGremlin, 0.5f, 0.28f);  // wide cone 70, narrow 14
    ai->heading = 170;                              // the target (180) lies to the right
    ai->counterSteer = true;                        // left over from the frame before
    self.steer = 0.1f;                              // still turning left, away from it
    fallbackDraw = 500;
    ai->SteerTo(60.0f, 40.0f, 20.0f, 40.0f);
    EXPECT_FALSE(ai->counterSteer);
    EXPECT_TRUE(ai->GetKey(ControlKeys::TurnRight));
    EXPECT_FALSE(ai->GetKey(ControlKeys::TurnLeft));
}

TEST_F(AiFixture, PrimaryFiresOnlyStrictlyInsideTheRange) {
    auto ai = Make(aitest::kTank, 0.5f, 0.5f, 40);  // reach 40 + 5
    ai->state = Engage;
    ai->chasing = true;
    ai->heading = 180;
    fallbackDraw = 500;
    Place(player, 20.0f + 45.0f, 40.0f, 1.0f, 0.0f);
    ai->SteerTo(65.0f, 40.0f, 20.0f, 40.0f);
    EXPECT_FALSE(ai->GetKey(4));
    EXPECT_FALSE(ai->firing);
    Place(player, 20.0f + 44.9f, 40.0f, 1.0f, 0.0f);
    ai->SteerTo(64.9f, 40.0f, 20.0f, 40.0f);
    EXPECT_TRUE(ai->GetKey(4));
    EXPECT_TRUE(ai->firing);
}

TEST_F(AiFixture, BackOffFlipsOnlyOnTheHarderSettings) {
    for (float difficulty : {0.25f, 0.5f}) {
        auto ai = Make(aitest::kLancer, difficulty, 0.5f, 100);
        ai->state = Engage;
        ai->chasing = true;
        ai->heading = 180;
        Script({500, 1});  // no wobble, then the 1 in 100
        ai->SteerTo(60.0f, 40.0f, 20.0f, 40.0f);
        EXPECT_TRUE(ai->firing);
        EXPECT_EQ(ai->backOff, difficulty >= 0.5f) << difficulty;
        EXPECT_EQ(ai->GetKey(2), difficulty < 0.5f);
        EXPECT_EQ(ai->GetKey(3), difficulty >= 0.5f);
        draws.clear();
    }
}

// --- Secondary fire ---------------------------------------------------------------------------

struct SecondaryCase {
    const char* name;
    const char* vehicle;
    float difficulty;
    AIState state;
    int fuel;
    float playerDx, playerDz;  // player one's offset from the driver
    bool aimed;                // heading in the aim cone around the target angle
    bool key5Before;
    std::vector<int> script;
    bool key5After;
    int drawsUsed;
};
void PrintTo(const SecondaryCase& c, std::ostream* os) {
    *os << c.name;
}

class SecondaryTest : public AiFixture, public ::testing::WithParamInterface<SecondaryCase> {};

TEST_P(SecondaryTest, RuleOfEachVehicle) {
    const SecondaryCase& c = GetParam();
    auto ai = Make(c.vehicle, c.difficulty);
    Place(player, 20.0f + c.playerDx, 40.0f + c.playerDz, 1.0f, 0.0f);
    ai->state = c.state;
    ai->fuelSeen = c.fuel;
    ai->heading = 180;
    ai->targetAngle = c.aimed ? 180 : 0;
    ai->SetKey(4, true);
    ai->SetKey(5, c.key5Before);
    draws.assign(c.script.begin(), c.script.end());
    ai->ApplySecondaryRule();
    EXPECT_EQ(ai->GetKey(5), c.key5After);
    EXPECT_EQ(drawsTaken, c.drawsUsed);
    const bool tankTookOver = std::string(c.vehicle) == aitest::kTank && c.key5After;
    EXPECT_EQ(ai->GetKey(4), !tankTookOver);
}

INSTANTIATE_TEST_SUITE_P(
    Vehicles, SecondaryTest,
    ::testing::Values(
        // d2 = 626: inside 625 + 4 x 0.5 but not 625 + 2 x 0.5.
        SecondaryCase{"gremlin_near",
                      aitest::kGremlin,
                      0.5f,
                      Search,
                      1000,
                      25,
                      1,
                      false,
                      false,
                      {1},
                      true,
                      1},
        SecondaryCase{"gremlin_short_draw",
                      aitest::kGremlin,
                      0.5f,
                      Search,
                      1000,
                      25,
                      1,
                      false,
                      true,
                      {0},
                      false,
                      1},
        SecondaryCase{"lancer_lucky",
                      aitest::kLancer,
                      0.5f,
                      Engage,
                      1000,
                      25,
                      1,
                      true,
                      false,
                      {1, 66},
                      true,
                      2},
        SecondaryCase{"lancer_unlucky",
                      aitest::kLancer,
                      0.5f,
                      Engage,
                      1000,
                      25,
                      1,
                      true,
                      true,
                      {1, 65},
                      false,
                      2},
        SecondaryCase{"lancer_too_far",
                      aitest::kLancer,
                      0.5f,
                      Engage,
                      1000,
                      25,
                      1,
                      true,
                      true,
                      {0},
                      false,
                      1},
        SecondaryCase{"lancer_not_aimed",
                      aitest::kLancer,
                      0.5f,
                      Engage,
                      1000,
                      10,
                      0,
                      false,
                      true,
                      {},
                      false,
                      0},
        SecondaryCase{
            "tank_low_fuel", aitest::kTank, 0.5f, Engage, 399, 29, 0, true, false, {}, true, 0},
        SecondaryCase{
            "tank_just_pressed", aitest::kTank, 0.5f, Engage, 399, 29, 0, true, true, {}, false, 0},
        SecondaryCase{
            "tank_fuel_left", aitest::kTank, 0.5f, Engage, 400, 29, 0, true, false, {}, false, 0},
        SecondaryCase{
            "tank_easy", aitest::kTank, 0.25f, Engage, 100, 10, 0, true, false, {}, false, 0},
        SecondaryCase{
            "tank_at_thirty", aitest::kTank, 0.5f, Engage, 100, 30, 0, true, false, {}, false, 0},
        SecondaryCase{"buggy_flees_and_drops",
                      aitest::kBuggy,
                      0.5f,
                      Flee,
                      1000,
                      60,
                      0,
                      false,
                      false,
                      {1},
                      true,
                      1},
        SecondaryCase{
            "buggy_releases", aitest::kBuggy, 0.5f, Flee, 1000, 60, 0, false, true, {}, false, 0},
        SecondaryCase{
            "buggy_no_luck", aitest::kBuggy, 0.5f, Flee, 1000, 60, 0, false, false, {2}, false, 1},
        SecondaryCase{"buggy_outside_flee_keeps",
                      aitest::kBuggy,
                      0.5f,
                      Search,
                      1000,
                      60,
                      0,
                      false,
                      true,
                      {},
                      true,
                      0},
        SecondaryCase{
            "unknown_untouched", "Hover Crate", 0.5f, Engage, 10, 5, 0, true, true, {}, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AiFixture, TankNeverPressesItsSecondaryTwoFramesRunning) {
    auto ai = Make(aitest::kTank, 0.75f, 0.12f, 85);
    Place(player, 40.0f, 40.0f, 1.0f, 0.0f);  // 20 units ahead, five cells
    self.SetFuel(300);
    bool before = false;
    int presses = 0;
    for (int frame = 0; frame < 200; ++frame) {
        ai->Update();
        ai->SetStatus(300, 100);
        const bool now = ai->GetKey(5);
        EXPECT_FALSE(before && now) << frame;
        if (now) {
            ++presses;
            EXPECT_FALSE(ai->GetKey(4)) << frame;
        }
        before = now;
    }
    EXPECT_EQ(ai->state, Engage);
    EXPECT_GT(presses, 50);
}

TEST_F(AiFixture, UpdateWithoutPlayerOneReleasesEveryFlag) {
    auto ai = Make(aitest::kTank);
    for (int i = 0; i < AIController::kKeys; ++i) ai->SetKey(i, true);
    room->playerOneVehicle = nullptr;
    ai->Update();
    for (int i = 0; i < AIController::kKeys; ++i) EXPECT_FALSE(ai->GetKey(i)) << i;
}

TEST_F(AiFixture, ManoeuvreTurnsOnTheSpotFor241Frames) {
    auto ai = Make(aitest::kTank);
    Place(player, 60.0f, 40.0f, 1.0f, 0.0f);
    Place(self, 20.0f, 40.0f, -1.0f, 0.0f);  // facing away: no sight
    ai->manoeuvreCounter = 301;
    Script({0});  // wait 300: the counter exceeds it
    ai->Update();
    EXPECT_NE(ai->manoeuvre, 0);
    EXPECT_TRUE(ai->GetKey(0));
    EXPECT_FALSE(ai->GetKey(2));
    for (int i = 1; i < 241; ++i) ai->Update();
    EXPECT_EQ(ai->manoeuvre, 0);
    EXPECT_EQ(ai->manoeuvreCounter, 0);
    EXPECT_FALSE(ai->hasDestination);  // no planning while turning
}

}  // namespace
