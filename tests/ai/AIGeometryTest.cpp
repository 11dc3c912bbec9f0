// The shared small operations of the computer drivers: rounding, direction angles, cones,
// cell distances, the difficulty-derived thresholds and the search list's order.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

#include "ai/AIController.h"
#include "ai/PathList.h"
#include "tests/ai/AiFixture.h"

namespace {

struct RoundCase {
    const char* name;
    float v;
    int expected;
};
void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.name;
}

class RoundToIntTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToIntTest, HalvesGoDown) {
    EXPECT_EQ(AIController::RoundToInt(GetParam().v), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoundToIntTest,
    ::testing::Values(RoundCase{"half", 2.5f, 2}, RoundCase{"above_half", 2.51f, 3},
                      RoundCase{"below_half", 2.49f, 2}, RoundCase{"whole", 3.0f, 3},
                      RoundCase{"small_negative", -0.3f, -1}, RoundCase{"negative_half", -2.5f, -3},
                      RoundCase{"zero", 0.0f, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct AngleCase {
    const char* name;
    float dx, dz;
    int expected;
};
void PrintTo(const AngleCase& c, std::ostream* os) {
    *os << c.name;
}

class DirectionAngleTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(DirectionAngleTest, WholeDegrees) {
    EXPECT_EQ(AIController::DirectionAngle(GetParam().dx, GetParam().dz), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DirectionAngleTest,
                         ::testing::Values(AngleCase{"minus_x", -1, 0, 0},
                                           AngleCase{"minus_x_minus_z", -1, -1, 45},
                                           AngleCase{"plus_x_minus_z", 1, -1, 135},
                                           AngleCase{"plus_x", 1, 0, 180},
                                           AngleCase{"plus_x_plus_z", 1, 1, 225},
                                           AngleCase{"minus_x_plus_z", -1, 1, 315},
                                           AngleCase{"truncated_not_rounded", -1, -1000, 89},
                                           AngleCase{"truncated_below", -1, 1000, 271},
                                           // Straight along z: the displacement's own direction.
                                           AngleCase{"straight_minus_z", 0, -5, 90},
                                           AngleCase{"straight_plus_z", 0, 5, 270},
                                           AngleCase{"no_displacement", 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ConeCase {
    const char* name;
    int angle, centre, halfWidth;
    bool inside;
};
void PrintTo(const ConeCase& c, std::ostream* os) {
    *os << c.name;
}

class ConeTest : public ::testing::TestWithParam<ConeCase> {};

TEST_P(ConeTest, StrictBoundsAndWrap) {
    const ConeCase& c = GetParam();
    EXPECT_EQ(AIController::InCone(c.angle, c.centre, c.halfWidth), c.inside);
}

INSTANTIATE_TEST_SUITE_P(Table, ConeTest,
                         ::testing::Values(ConeCase{"centre", 100, 100, 45, true},
                                           ConeCase{"edge_is_out", 145, 100, 45, false},
                                           ConeCase{"just_inside", 144, 100, 45, true},
                                           ConeCase{"upper_wrap_low_side", 10, 340, 45, true},
                                           ConeCase{"upper_wrap_high_side", 300, 340, 45, true},
                                           ConeCase{"upper_wrap_outside", 290, 340, 45, false},
                                           ConeCase{"lower_wrap_high_side", 350, 10, 45, true},
                                           ConeCase{"lower_wrap_outside", 100, 10, 45, false},
                                           ConeCase{"behind", 280, 100, 60, false},
                                           // A cone wider than a half turn keeps the exact rule,
                                           // which leaves its own centre out here.
                                           ConeCase{"over_wide_centre_out", 180, 180, 200, false},
                                           ConeCase{"over_wide_opposite_in", 0, 180, 200, true},
                                           ConeCase{"zero_width", 100, 100, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DistanceCase {
    const char* name;
    int dx, dz;
    float expected;
};
void PrintTo(const DistanceCase& c, std::ostream* os) {
    *os << c.name;
}

class CellDistanceTest : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(CellDistanceTest, SixDigitTableInEveryQuadrant) {
    const DistanceCase& c = GetParam();
    EXPECT_FLOAT_EQ(AIController::CellDistance(c.dx, c.dz), c.expected);
    EXPECT_EQ(AIController::CellDistance(c.dx, c.dz), AIController::CellDistance(c.dz, c.dx));
    EXPECT_EQ(AIController::CellDistance(c.dx, c.dz), AIController::CellDistance(-c.dx, -c.dz));
}

INSTANTIATE_TEST_SUITE_P(Table, CellDistanceTest,
                         ::testing::Values(DistanceCase{"same", 0, 0, 0.0f},
                                           DistanceCase{"side", 1, 0, 1.0f},
                                           DistanceCase{"diagonal", 1, 1, 1.41421f},
                                           DistanceCase{"knight", 3, -1, 3.16228f},
                                           DistanceCase{"five", 0, 5, 5.0f},
                                           DistanceCase{"row_one", 2, 1, 2.23607f},
                                           DistanceCase{"last_entry", 99, 99, 140.007f},
                                           DistanceCase{"far_side", -99, 0, 99.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CellDistance, SymmetricOverTheWholeGrid) {
    for (int a = 0; a < 100; ++a) {
        for (int b = 0; b < 100; ++b) {
            const float d = AIController::CellDistance(a, b);
            ASSERT_EQ(d, AIController::CellDistance(b, a)) << a << ", " << b;
            ASSERT_NEAR(d, std::sqrt(static_cast<double>(a * a + b * b)), 1e-5 * (1 + d));
        }
    }
}

TEST(CellDistance, EveryEntryIsTheRootWrittenToSixSignificantDigits) {
    // The reference: the exact root printed with six significant digits and read back.
    for (int a = 0; a < 100; ++a) {
        for (int b = 0; b <= a; ++b) {
            char text[32];
            std::snprintf(text, sizeof text, "%.6g", std::sqrt(static_cast<double>(a * a + b * b)));
            ASSERT_EQ(AIController::CellDistance(a, b), std::strtof(text, nullptr))
                << a << ", " << b;
        }
    }
}

// The difficulty table: aim cone, sight frames before engaging and the wobble's limit come
// out as the menu settings promise, 0.9 included, whose limit lies just above 2.
struct DifficultyCase {
    const char* name;
    float difficulty;
    int aimCone;
    int sightFrames;
    float waverLimit;
};
void PrintTo(const DifficultyCase& c, std::ostream* os) {
    *os << c.name;
}

class DifficultyTest : public aitest::AiFixture,
                       public ::testing::WithParamInterface<DifficultyCase> {};

TEST_P(DifficultyTest, AimConeSightFramesAndWaverLimit) {
    const DifficultyCase& c = GetParam();
    auto ai = Make(aitest::kGremlin, c.difficulty);
    EXPECT_EQ(ai->aimCone, c.aimCone);

    // Player one straight ahead across open floor: each call of the perception counts one
    // sight frame, and the one after the last engages.
    ai->heading = 180;
    int calls = 0;
    while (ai->state != Engage && calls < 100) {
        ai->Perceive();
        ++calls;
    }
    EXPECT_EQ(calls, c.sightFrames + 1);

    fallbackDraw = 999;  // the largest wobble, every frame
    for (int i = 0; i < 40; ++i) ai->SteerTo(60, 40, 20, 40);
    EXPECT_EQ(ai->waver, c.waverLimit);
    fallbackDraw = 0;
    for (int i = 0; i < 80; ++i) ai->SteerTo(60, 40, 20, 40);
    EXPECT_EQ(ai->waver, -c.waverLimit);
}

INSTANTIATE_TEST_SUITE_P(Table, DifficultyTest,
                         ::testing::Values(DifficultyCase{"easy", 0.25f, 18, 15, 15.0f},
                                           DifficultyCase{"normal", 0.5f, 13, 10, 10.0f},
                                           DifficultyCase{"hard", 0.75f, 8, 5, 5.0f},
                                           DifficultyCase{"hardest", 0.9f, 5, 3, 2.0000005f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AIControllerInit, ConesRangeBonusAndUnknownNameFactor) {
    // The cones are the 32-bit product, which gives the decimal values for the shipped rates
    // (a double product of 0.22f would fall just below 55).
    const struct {
        float rate;
        int wide, narrow;
    } rates[] = {{0.28f, 70, 14}, {0.17f, 42, 8}, {0.22f, 55, 11}, {0.12f, 30, 6}};
    for (const auto& r : rates) {
        AIController ai(nullptr, 0.5f);
        ai.Init(r.rate, aitest::kTank, 50);
        EXPECT_EQ(ai.wideCone, r.wide) << r.rate;
        EXPECT_EQ(ai.narrowCone, r.narrow) << r.rate;
    }
    AIController ai(nullptr, 0.5f);
    EXPECT_EQ(ai.gameWorld, &world);  // the game's World unless told otherwise
    ai.Init(0.28f, "Someone Else", 50);
    EXPECT_EQ(ai.rangeBonus, 6);  // 50 x 0.5 / 4 = 6.25
    EXPECT_EQ(ai.vehicleFactor, AIController::kDefaultVehicleFactor);
    ai.Init(0.28f, aitest::kBuggy, 50);
    EXPECT_EQ(ai.vehicleFactor, 0.3f);
}

// --- The search list ---------------------------------------------------------------------

PathNode Node(int x, float g, float h = 0.0f) {
    PathNode n;
    n.x = x;
    n.g = g;
    n.h = h;
    return n;
}

std::string Order(const PathList& list) {
    std::string s;
    for (const PathNode& n : list) {
        s += std::to_string(n.x);
        if (n.closed) s += "c";
        s += " ";
    }
    return s;
}

TEST(PathList, EqualFNeverDisplacesTheHeadButGoesBeforeLaterEquals) {
    PathList list;
    list.InsertSorted(Node(1, 5));
    list.InsertSorted(Node(2, 5));  // behind the head of equal f
    list.InsertSorted(Node(3, 5));  // behind the head, before the earlier equal node
    list.InsertSorted(Node(4, 4));  // strictly lower: the new head
    list.InsertSorted(Node(5, 6));
    EXPECT_EQ(Order(list), "4 1 3 2 5 ");
}

TEST(PathList, OpenNodesStayBeforeClosedOnes) {
    PathList list;
    list.InsertSorted(Node(1, 1));
    list.InsertSorted(Node(2, 2));
    list.Close(list.Head());
    EXPECT_EQ(Order(list), "2 1c ");
    list.InsertSorted(Node(3, 9));  // larger f, still before the closed node
    EXPECT_EQ(Order(list), "2 3 1c ");
    list.Close(list.Head());
    list.Close(list.Head());
    EXPECT_EQ(Order(list), "1c 2c 3c ");
    list.InsertSorted(Node(4, 50));  // a closed head gives way to any open node
    EXPECT_EQ(Order(list), "4 1c 2c 3c ");
    EXPECT_EQ(list.Last()->x, 3);
}

TEST(PathList, FSumsWithoutFloatRounding) {
    // 0.1 + 0.2 rounds to the float 0.3, but its exact sum lies below 0.3f: the later node
    // is strictly better and becomes the head.
    ASSERT_EQ(0.1f + 0.2f, 0.3f);
    ASSERT_LT(static_cast<double>(0.1f) + static_cast<double>(0.2f), static_cast<double>(0.3f));
    PathList list;
    list.InsertSorted(Node(1, 9));
    list.InsertSorted(Node(3, 0.3f, 0.0f));
    list.InsertSorted(Node(2, 0.1f, 0.2f));
    EXPECT_EQ(Order(list), "2 3 1 ");
}

}  // namespace
