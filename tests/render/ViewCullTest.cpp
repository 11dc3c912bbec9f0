// Which boxes can reach the window: the view's sides widened by a margin, the near and the
// far plane, and boxes that cannot be placed at all.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "render/ViewCull.h"

namespace {

// A 90-degree perspective from 1 to 100, column-major, and the eye at the origin looking
// down -z: at distance 10 the window spans -10..10 across and up.
constexpr float kProjection[16] = {
    1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -101.0f / 99.0f, -1, 0, 0, -200.0f / 99.0f, 0};
constexpr float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
// 200 pixels across: at distance 10 a pixel is 0.1 wide.
constexpr int kViewport[4] = {0, 0, 200, 200};

struct CullCase {
    const char* name;
    float boxMin[3];
    float boxMax[3];
    bool out;
};
void PrintTo(const CullCase& c, std::ostream* out) {
    *out << c.name;
}

class BoxOutOfViewTest : public ::testing::TestWithParam<CullCase> {};

TEST_P(BoxOutOfViewTest, TellsWhetherAnyOfTheBoxCanBeDrawn) {
    const CullCase& c = GetParam();
    EXPECT_EQ(BoxOutOfView(kIdentity, kProjection, kViewport, c.boxMin, c.boxMax, 4.0f), c.out);
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Boxes, BoxOutOfViewTest,
    ::testing::Values(CullCase{"InFront", {-1, -1, -11}, {1, 1, -9}, false},
                      CullCase{"BeyondTheLeftSide", {-14, -1, -11}, {-12, 1, -9}, true},
                      CullCase{"BeyondTheTop", {-1, 12, -11}, {1, 14, -9}, true},
                      // 0.2 past the right side at distance 10 is 2 pixels: within the margin
                      // of 4 that a thick outline can reach.
                      CullCase{"WithinTheMargin", {10.2f, -1, -10}, {11, 1, -10}, false},
                      CullCase{"PastTheMargin", {10.5f, -1, -10}, {11, 1, -10}, true},
                      CullCase{"BehindTheEye", {-1, -1, 2}, {1, 1, 4}, true},
                      CullCase{"BeyondTheFarPlane", {-1, -1, -120}, {1, 1, -110}, true},
                      CullCase{"AcrossTheNearPlane", {-1, -1, -2}, {1, 1, 2}, false},
                      // Beyond the left side before the eye and beyond the right side behind
                      // it: no single side has every corner, so it counts as in view.
                      CullCase{"BesideAndBehind", {-30, -1, -10}, {30, 1, 10}, false},
                      CullCase{"NotANumber", {kNaN, -1, -11}, {1, 1, -9}, false}),
    [](const ::testing::TestParamInfo<CullCase>& info) { return std::string(info.param.name); });

TEST(BoxOutOfViewTest, AnEmptyViewportCullsNothing) {
    const int empty[4] = {0, 0, 0, 0};
    const float boxMin[3] = {-14, -1, -11}, boxMax[3] = {-12, 1, -9};
    EXPECT_FALSE(BoxOutOfView(kIdentity, kProjection, empty, boxMin, boxMax, 4.0f));
}

}  // namespace
