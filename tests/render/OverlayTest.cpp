#include <gtest/gtest.h>

#include <ostream>

#include "render/Overlay.h"

namespace {

struct Mapped {
    float x, y;
};

Mapped Apply(const float m[16], float x, float y) {
    return {m[0] * x + m[4] * y + m[12], m[1] * x + m[5] * y + m[13]};
}

struct OverlayCase {
    const char* name;
    bool fullscreen;
    float x, y;        // window pixels, y down
    float ndcX, ndcY;  // where they land
};
void PrintTo(const OverlayCase& c, std::ostream* out) {
    *out << c.name;
}

class OverlayTest : public ::testing::TestWithParam<OverlayCase> {};

TEST_P(OverlayTest, WindowPixelsFromTheTopLeft) {
    float m[16];
    Overlay2DMatrix(1024, 768, GetParam().fullscreen, m);
    const Mapped p = Apply(m, GetParam().x, GetParam().y);
    EXPECT_NEAR(p.x, GetParam().ndcX, 1e-5);
    EXPECT_NEAR(p.y, GetParam().ndcY, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Overlay, OverlayTest,
    ::testing::Values(OverlayCase{"FullScreenTopLeft", true, 0, 0, -1, 1},
                      OverlayCase{"FullScreenBottomRight", true, 1024, 768, 1, -1},
                      OverlayCase{"FullScreenCentre", true, 512, 384, 0, 0},
                      // In a window the origin sits 30 pixels lower.
                      OverlayCase{"WindowedOrigin", false, 0, 0, -1, 1 - 60.0f / 768},
                      OverlayCase{"WindowedThirtyUp", false, 0, -30, -1, 1}));

TEST(BillboardTest, KeepsTheTranslationAndDropsTheRotation) {
    const float modelView[16] = {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 3, 4, -5, 1};
    float billboard[16];
    BillboardMatrix(modelView, billboard);
    const float expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 3, 4, -5, 1};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(billboard[i], expected[i]) << i;
}

}  // namespace
