// Cutting a convex polygon with a plane: what is kept, in which order, and where it is cut.
#include <gtest/gtest.h>

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

}  // namespace
