// Cutting a convex polygon with a plane: what is kept, in which order, and where it is cut.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "render/ConvexClip.h"

namespace {

struct ClipCase {
    const char* name;
    std::vector<Point4> polygon;
    Plane4 plane;
    std::vector<Point4> kept;
};
void PrintTo(const ClipCase& c, std::ostream* out) {
    *out << c.name;
}

class ClipPolygonTest : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClipPolygonTest, KeepsThePartOnThePlanesSideInTheSameTurn) {
    const ClipCase& c = GetParam();
    std::vector<Point4> polygon = c.polygon;
    std::vector<Point4> scratch;
    ClipPolygon(polygon, c.plane, scratch);
    ASSERT_EQ(polygon.size(), c.kept.size());
    for (std::size_t i = 0; i < polygon.size(); ++i)
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_DOUBLE_EQ(polygon[i][k], c.kept[i][k]) << "corner " << i << " element " << k;
}

// The triangle (0,0) (4,0) (0,4) in the z = 0 plane, w = 1, counter-clockwise.
const std::vector<Point4> kTriangle = {{0, 0, 0, 1}, {4, 0, 0, 1}, {0, 4, 0, 1}};

INSTANTIATE_TEST_SUITE_P(
    Planes, ClipPolygonTest,
    ::testing::Values(ClipCase{"WhollyKept", kTriangle, {0, 0, 1, 1}, kTriangle},
                      ClipCase{"WhollyCut", kTriangle, {0, 0, 1, -1}, {}},
                      // x <= 2: one corner off, so the triangle becomes a quadrilateral, still
                      // counter-clockwise.
                      ClipCase{"OneCornerOff",
                               kTriangle,
                               {-1, 0, 0, 2},
                               {{0, 0, 0, 1}, {2, 0, 0, 1}, {2, 2, 0, 1}, {0, 4, 0, 1}}},
                      // x >= 2: two corners off, a smaller triangle.
                      ClipCase{"TwoCornersOff",
                               kTriangle,
                               {1, 0, 0, -2},
                               {{2, 0, 0, 1}, {4, 0, 0, 1}, {2, 2, 0, 1}}},
                      // Homogeneous points: the near plane z + w >= 0 cuts the corner behind it
                      // where z = -w, halfway along both of its edges.
                      ClipCase{"NearPlaneInClipSpace",
                               {{0, 0, 0, 2}, {0, 0, -4, 2}, {2, 0, 0, 2}},
                               {0, 0, 1, 1},
                               {{0, 0, 0, 2}, {0, 0, -2, 2}, {1, 0, -2, 2}, {2, 0, 0, 2}}}),
    [](const ::testing::TestParamInfo<ClipCase>& info) { return std::string(info.param.name); });

// Two triangles sharing an edge, which runs one way in one and the other way in the other,
// are cut at the same point: a seam would let stencil counts through between them.
TEST(ClipPolygonTest, CutsASharedEdgeAtTheSamePointWhicheverWayItRuns) {
    const Point4 a = {0.1, 0.7, 0.3, 1};
    const Point4 b = {3.7, -2.9, 1.3, 1};
    const Plane4 plane = {0.3, 1.0, 0.1, 0.05};
    std::vector<Point4> scratch;
    std::vector<Point4> one = {a, b, {5, 5, 0, 1}};
    std::vector<Point4> other = {b, a, {-5, -5, 0, 1}};
    ClipPolygon(one, plane, scratch);
    ClipPolygon(other, plane, scratch);
    auto crossing = [&](const std::vector<Point4>& polygon) {
        for (const Point4& p : polygon)
            if (p != a && p != b && std::abs(Dot(p, plane)) < 1e-9) return p;
        return Point4{};
    };
    const Point4 fromOne = crossing(one);
    const Point4 fromOther = crossing(other);
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(fromOne[k], fromOther[k]) << "element " << k;
}

double TriangleArea(const float* c) {
    const double u[3] = {c[3] - c[0], c[4] - c[1], c[5] - c[2]};
    const double v[3] = {c[6] - c[0], c[7] - c[1], c[8] - c[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                         u[0] * v[1] - u[1] * v[0]};
    return 0.5 * std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
}

double TotalArea(const std::vector<float>& corners) {
    double area = 0.0;
    for (std::size_t i = 0; i + 8 < corners.size(); i += 9) area += TriangleArea(&corners[i]);
    return area;
}

// The region y <= 1 and x <= 2 (two planes), against triangles in the z = 0 plane.
const Plane4 kRegion[2] = {{0, -1, 0, 1}, {-1, 0, 0, 2}};

struct RemoveCase {
    const char* name;
    std::vector<float> triangle;
    double keptArea;
    bool keptExactly;
};
void PrintTo(const RemoveCase& c, std::ostream* out) {
    *out << c.name;
}

class RemoveRegionTest : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveRegionTest, KeepsWhatLiesOutsideTheRegionInTheSameTurn) {
    const RemoveCase& c = GetParam();
    std::vector<float> kept;
    RemoveRegion(c.triangle, kRegion, kept);
    EXPECT_NEAR(TotalArea(kept), c.keptArea, 1e-5);
    if (c.keptExactly) {
        EXPECT_EQ(kept, c.triangle);
    }
    for (std::size_t i = 0; i + 8 < kept.size(); i += 9) {
        // No kept piece lies inside the region, and each keeps the triangle's turn about z.
        const float cx = (kept[i] + kept[i + 3] + kept[i + 6]) / 3;
        const float cy = (kept[i + 1] + kept[i + 4] + kept[i + 7]) / 3;
        EXPECT_FALSE(cx < 2.0f && cy < 1.0f) << "piece " << i / 9 << " at " << cx << ", " << cy;
        const float turn = (kept[i + 3] - kept[i]) * (kept[i + 7] - kept[i + 1]) -
                           (kept[i + 4] - kept[i + 1]) * (kept[i + 6] - kept[i]);
        EXPECT_GT(turn, 0.0f) << "piece " << i / 9;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Triangles, RemoveRegionTest,
    ::testing::Values(
        RemoveCase{"AboveTheRegion", {0.1f, 1.3f, 0, 1.9f, 1.1f, 0, 0.5f, 2.2f, 0}, 0.85, true},
        RemoveCase{"BesideTheRegion", {3, 0, 0, 5, 0, 0, 3, 0.9f, 0}, 0.9, true},
        // Crossed by one plane but outside the other: split, and all of it kept.
        RemoveCase{"CrossedBesideTheRegion", {3, 0, 0, 5, 0, 0, 3, 2, 0}, 2.0, false},
        RemoveCase{"InsideTheRegion", {0, 0, 0, 1, 0, 0, 0, 0.5f, 0}, 0.0, false},
        // The region's whole rectangle, 2 x 1, lies inside the triangle and is taken from it.
        RemoveCase{"AcrossBothPlanes", {0, 0, 0, 4, 0, 0, 0, 4, 0}, 8.0 - 2.0, false},
        // Only the tip above y = 1 is left.
        RemoveCase{"TipAboveTheRegion", {0, 0, 0, 2, 0, 0, 0, 2, 0}, 0.5, false}),
    [](const ::testing::TestParamInfo<RemoveCase>& info) { return std::string(info.param.name); });

// How a square lies to the planes of a region: the planes that cut it, and whether one
// leaves it wholly outside (a corner on a plane counts as kept).
TEST(CrossingOfTest, NamesThePlanesThatCutAPolygonAndOneThatLeavesItOut) {
    const std::vector<Point4> square = {{0, 0, 0, 1}, {2, 0, 0, 1}, {2, 2, 0, 1}, {0, 2, 0, 1}};
    const Plane4 keepLeftOfOne = {-1, 0, 0, 1};
    const Plane4 keepAboveZero = {0, 1, 0, 0};
    const Plane4 keepRightOfThree = {1, 0, 0, -3};
    const Plane4 keepBelowOne = {0, -1, 0, 1};

    RegionCrossing lie = CrossingOf(square, std::vector<Plane4>{keepAboveZero});
    EXPECT_EQ(lie.crossing, 0u);
    EXPECT_FALSE(lie.outside);

    lie = CrossingOf(square, std::vector<Plane4>{keepAboveZero, keepLeftOfOne, keepBelowOne});
    EXPECT_EQ(lie.crossing, 0b110u);
    EXPECT_FALSE(lie.outside);

    lie = CrossingOf(square, std::vector<Plane4>{keepLeftOfOne, keepRightOfThree});
    EXPECT_EQ(lie.crossing, 0b01u);
    EXPECT_TRUE(lie.outside);
}

}  // namespace
