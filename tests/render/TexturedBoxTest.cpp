#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "render/TexturedBox.h"

namespace {

struct RepeatCase {
    const char* name;
    float size;
    float tile;
    float repeats;
};
void PrintTo(const RepeatCase& c, std::ostream* out) {
    *out << c.name;
}

class BoxRepeatTest : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(BoxRepeatTest, RepeatsTheTextureSizeOverTileTimesButAtLeastOnce) {
    EXPECT_FLOAT_EQ(BoxRepeat(GetParam().size, GetParam().tile), GetParam().repeats);
}

INSTANTIATE_TEST_SUITE_P(Box, BoxRepeatTest,
                         ::testing::Values(RepeatCase{"FourTimes", 40, 10, 4},
                                           RepeatCase{"StretchedOnceNotHalved", 40, 80, 1},
                                           RepeatCase{"NegativeSizeCountsItsLength", -60, 15, 4},
                                           RepeatCase{"WallHeight", 55, 15, 55.0f / 15.0f},
                                           RepeatCase{"ZeroOverZero", 0, 0, 1}));

// The outward side of a face, from its first three corners (counter-clockwise from outside).
void FaceCross(const BoxFace& face, float out[3]) {
    const float* a = face.corners[0].position;
    const float* b = face.corners[1].position;
    const float* c = face.corners[2].position;
    const float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const float v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    out[0] = u[1] * v[2] - u[2] * v[1];
    out[1] = u[2] * v[0] - u[0] * v[2];
    out[2] = u[0] * v[1] - u[1] * v[0];
}

TEST(TexturedBoxTest, FacesWindOutwardAndANegativeSizeTurnsThemInward) {
    const float centre[3] = {20, 26, 15};
    for (float sign : {1.0f, -1.0f}) {
        const BoxGeometry box = MakeTexturedBox(centre, 40, 55, sign * 30, 15, 15, 15);
        for (int f = 0; f < 6; ++f) {
            float cross[3];
            FaceCross(box.faces[f], cross);
            // From the centre out to the middle of the face.
            float outward[3];
            for (int axis = 0; axis < 3; ++axis) {
                float middle = 0.0f;
                for (const BoxCorner& corner : box.faces[f].corners)
                    middle += corner.position[axis];
                outward[axis] = middle / 4.0f - centre[axis];
            }
            const float along =
                cross[0] * outward[0] + cross[1] * outward[1] + cross[2] * outward[2];
            if (sign > 0)
                EXPECT_GT(along, 0.0f) << "face " << f;
            else
                EXPECT_LT(along, 0.0f) << "mirrored face " << f;
        }
    }
}

TEST(TexturedBoxTest, CornersAroundTheCentreWithTheirRepeats) {
    const float centre[3] = {20, -0.05f, 20};
    const BoxGeometry box = MakeTexturedBox(centre, 41, 0.1f, 41, 10, 10, 10);
    EXPECT_FLOAT_EQ(box.repeats[0], 4.1f);
    EXPECT_FLOAT_EQ(box.repeats[1], 1.0f);
    EXPECT_FLOAT_EQ(box.repeats[2], 4.1f);
    // The top face (5): (-x, +y, +z) at (0, rz), then (+x, +y, +z) at (rx, rz).
    const BoxFace& top = box.faces[4];
    EXPECT_FLOAT_EQ(top.normal[1], 1.0f);
    EXPECT_FLOAT_EQ(top.corners[0].position[0], -0.5f);
    EXPECT_FLOAT_EQ(top.corners[0].position[1], 0.0f);
    EXPECT_FLOAT_EQ(top.corners[0].position[2], 40.5f);
    EXPECT_FLOAT_EQ(top.corners[0].s, 0.0f);
    EXPECT_FLOAT_EQ(top.corners[0].t, 4.1f);
    EXPECT_FLOAT_EQ(top.corners[1].s, 4.1f);
    EXPECT_FLOAT_EQ(top.corners[1].t, 4.1f);
    // The wall faces put t = 0 at the top edge: a picture's first row runs along the top.
    for (int f : {0, 1, 2, 3})
        for (const BoxCorner& corner : box.faces[f].corners)
            EXPECT_EQ(corner.t == 0.0f, corner.position[1] > centre[1]) << "face " << f;
}

}  // namespace
