#include "tests/gl/GlFixture.h"

#include <cstdlib>
#include <filesystem>

#include "render/GLExtensions.h"

namespace gltest {

void GlTest::SetUp() {
    REQUIRE_GL();
    // Back to the fixed state of start-up (a fresh ramp texture each time).
    if (renderer().shadeRampTexture) glDeleteTextures(1, &renderer().shadeRampTexture);
    for (int unit = 1; unit >= 0; --unit) {
        ext::glActiveTextureARB(GL_TEXTURE0 + unit);
        glDisable(GL_TEXTURE_1D);
        glDisable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1.0f);
    glColor4f(1, 1, 1, 1);
    renderer().InitState();
    renderer().FreeShadowCasterTable();
    renderer().castersRecorded = false;
    renderer().ClearRenderLists();
    twoSidedStencil = ext::glActiveStencilFaceEXT != nullptr;
    const float frame[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -12, 1};
    camera().SetPerspective(frame, 0.1f, 1000.0f);
    // A room left by a level drawn before would move this test's chase eyes.
    camera().ClearRoom();
    renderer().Clear();
    while (glGetError() != GL_NO_ERROR) {
    }
}

void GlTest::TearDown() {
    if (!gl().Ready()) return;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

void GlTest::LookFrom(float ex, float ey, float ez, float cx, float cy, float cz) {
    float frame[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    frame[4] = 0;
    frame[5] = 1;
    frame[6] = 0;
    frame[8] = cx - ex;
    frame[9] = cy - ey;
    frame[10] = cz - ez;
    frame[12] = ex;
    frame[13] = ey;
    frame[14] = ez;
    camera().ApplyView(frame);
}

bool GlTest::Project(float x, float y, float z, int* px, int* py) const {
    GLdouble modelView[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble wx = 0, wy = 0, wz = 0;
    if (!gluProject(x, y, z, modelView, projection, viewport, &wx, &wy, &wz)) return false;
    *px = static_cast<int>(wx);
    *py = GlHarness::kHeight - 1 - static_cast<int>(wy);
    return *px >= 0 && *px < GlHarness::kWidth && *py >= 0 && *py < GlHarness::kHeight;
}

Rgba GlTest::PixelAt(float x, float y, float z) const {
    int px = 0, py = 0;
    if (!Project(x, y, z, &px, &py)) {
        ADD_FAILURE() << "(" << x << ", " << y << ", " << z << ") is off the window";
        return {-1, -1, -1, -1};
    }
    return gl().Pixel(px, py);
}

void GlTest::DrawFloor() {
    const float centre[3] = {0.0f, -0.05f, 0.0f};
    renderer().DrawTexturedBox(centre, 40.0f, 0.1f, 40.0f, "", 10.0f, 10.0f, 10.0f, false);
}

void GlTest::Save(const char* name) const {
    const std::filesystem::path folder = "gl-pictures";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    gl().SavePng((folder / (std::string(name) + ".png")).string());
}

::testing::AssertionResult Near(const Rgba& actual, const Rgba& expected, int tolerance) {
    for (int c = 0; c < 3; ++c)
        if (std::abs(actual[c] - expected[c]) > tolerance)
            return ::testing::AssertionFailure()
                   << "(" << actual[0] << ", " << actual[1] << ", " << actual[2] << ") is not ("
                   << expected[0] << ", " << expected[1] << ", " << expected[2] << ")";
    return ::testing::AssertionSuccess();
}

}  // namespace gltest
