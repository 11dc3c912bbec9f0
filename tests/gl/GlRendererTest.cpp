// The context and the fixed state on a real Mesa context.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "render/GLExtensions.h"
#include "tests/gl/GlFixture.h"

namespace gltest {
namespace {

using GlRendererTest = GlTest;

TEST_F(GlRendererTest, TheContextHasDepthAndStencilForTheShadows) {
    GLint depthBits = 0, stencilBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    EXPECT_GE(depthBits, 24);
    EXPECT_EQ(stencilBits, 8);
    EXPECT_NE(ext::glActiveTextureARB, nullptr);
    EXPECT_NE(ext::glMultiTexCoord1fARB, nullptr);
    EXPECT_NE(ext::glMultiTexCoord2fARB, nullptr);
    EXPECT_FALSE(pointParameters);
}

TEST_F(GlRendererTest, TheFixedStateOfStartUp) {
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(clear[0], 0.8f);
    EXPECT_FLOAT_EQ(clear[3], 0.5f);
    GLint value = 0;
    glGetIntegerv(GL_SHADE_MODEL, &value);
    EXPECT_EQ(value, GL_SMOOTH);
    glGetIntegerv(GL_BLEND_SRC, &value);
    EXPECT_EQ(value, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST, &value);
    EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
    glGetIntegerv(GL_FRONT_FACE, &value);
    EXPECT_EQ(value, GL_CCW);
    const GlStateSnapshot state = GlStateSnapshot::Read();
    EXPECT_FALSE(state.lighting);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(state.depthTest);
    EXPECT_EQ(state.depthFunc, GL_LEQUAL);
    EXPECT_TRUE(state.blend);
    EXPECT_TRUE(state.cullFace);
    EXPECT_EQ(state.cullFaceMode, GL_BACK);
    EXPECT_FLOAT_EQ(renderer().lightPosition.y, 25.0f);
    const float length = std::sqrt(renderer().lightDirection.x * renderer().lightDirection.x +
                                   renderer().lightDirection.y * renderer().lightDirection.y +
                                   renderer().lightDirection.z * renderer().lightDirection.z);
    EXPECT_NEAR(length, 1.0f, 1e-6);
}

TEST_F(GlRendererTest, TheShadeRampTextureHoldsTheRamp) {
    ASSERT_NE(renderer().shadeRampTexture, 0u);
    glBindTexture(GL_TEXTURE_1D, renderer().shadeRampTexture);
    GLfloat texels[32 * 3];
    glGetTexImage(GL_TEXTURE_1D, 0, GL_RGB, GL_FLOAT, texels);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_1D, GL_TEXTURE_MIN_FILTER, &filter);
    glBindTexture(GL_TEXTURE_1D, 0);
    EXPECT_EQ(filter, GL_NEAREST);
    for (int i = 0; i < 32; ++i) EXPECT_NEAR(texels[i * 3], renderer().shadeRamp[i][0], 1e-2) << i;
}

// Our matrices stand in for GLU's, so the camera never reads them back.
TEST_F(GlRendererTest, TheCamerasMatricesAreGlusOwn) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(45.0, 1024.0 / 768.0, 0.1, 1000.0);
    float glu[16];
    glGetFloatv(GL_PROJECTION_MATRIX, glu);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    float ours[16];
    Camera::PerspectiveMatrix(45.0f, 1024.0f / 768.0f, 0.1f, 1000.0f, ours);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(ours[i], glu[i], 1e-5 * (1 + std::fabs(glu[i]))) << i;

    glPushMatrix();
    glLoadIdentity();
    gluLookAt(20, 5.5, 10, 20, 5.3, 11, 0, 1, 0);
    glGetFloatv(GL_MODELVIEW_MATRIX, glu);
    glPopMatrix();
    const float eye[3] = {20, 5.5f, 10}, centre[3] = {20, 5.3f, 11}, up[3] = {0, 1, 0};
    Camera::LookAtMatrix(eye, centre, up, ours);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(ours[i], glu[i], 1e-4) << i;
}

TEST_F(GlRendererTest, AResizeKeepsTheStoredProjection) {
    renderer().Resize(GlHarness::kWidth / 2, GlHarness::kHeight);
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(projection[i], camera().GetProjectionMatrix()[i]);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], GlHarness::kWidth / 2);
    renderer().Resize(GlHarness::kWidth, GlHarness::kHeight);
}

TEST_F(GlRendererTest, ClearFillsWithTheClearColourAndCountsNoTriangles) {
    renderer().trianglesDrawn = 17;
    renderer().Clear();
    EXPECT_EQ(renderer().trianglesDrawn, 0u);
    EXPECT_TRUE(Near(gl().Pixel(5, 5), {204, 204, 204, 0}));
}

TEST_F(GlRendererTest, TheViewPlacesTheLightUnderThePreviousModelview) {
    LookFrom(0, 10, 20, 0, 0, 0);
    const float* before = camera().GetModelViewBeforeLight();
    // The modelview before this view was the start-up view: from (0, 0, -12) toward the
    // point (0, 0, 1), so turned half round.
    EXPECT_FLOAT_EQ(before[14], -12.0f);
    const float* lightEye = camera().GetLightEye();
    EXPECT_FLOAT_EQ(lightEye[0], -1000.0f);
    EXPECT_FLOAT_EQ(lightEye[1], 1000.0f);
    EXPECT_FLOAT_EQ(lightEye[2], -1000.0f - 12.0f);
    float modelView[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(modelView[i], camera().GetView()[i]);
}

}  // namespace
}  // namespace gltest
