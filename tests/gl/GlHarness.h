#pragma once
// A real Mesa context for the rendering tests: one small offscreen window made through the
// game's own platform display and Window, with the global GraphicsSystem set up on it.
// Tests that need it start with REQUIRE_GL(), which skips them where no context can be had.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

// A test program may ask for another window size (the picture test draws at the game's).
#ifndef BRASK_GL_WIDTH
#define BRASK_GL_WIDTH 256
#endif
#ifndef BRASK_GL_HEIGHT
#define BRASK_GL_HEIGHT 256
#endif

namespace gltest {

using Rgba = std::array<int, 4>;

class GlHarness {
public:
    static constexpr int kWidth = BRASK_GL_WIDTH;
    static constexpr int kHeight = BRASK_GL_HEIGHT;

    // Made on first use and kept for the whole test program.
    static GlHarness& Get();

    bool Ready() const { return ready; }
    const std::string& Why() const { return why; }

    // The drawing buffer, RGBA, rows from the top of the window down.
    std::vector<unsigned char> ReadPixels() const;
    // One pixel of the drawing buffer, (0, 0) at the top left.
    Rgba Pixel(int x, int y) const;
    // Writes the drawing buffer as a PNG file (for looking at what a test drew), opaque as
    // the window shows it: the window ignores the buffer's alpha.
    bool SavePng(const std::string& path) const;

private:
    GlHarness();
    bool ready = false;
    std::string why;
};

// Writes RGBA rows (top row first) as an uncompressed PNG.
bool WritePng(const std::string& path, int width, int height,
              const std::vector<unsigned char>& rgba);

// The GL state the passes must leave as they found it, read back in one go.
struct GlStateSnapshot {
    int modelviewDepth = 0;
    int projectionDepth = 0;
    int textureDepth = 0;
    int attribDepth = 0;
    int activeTexture = 0;
    int matrixMode = 0;
    int cullFaceMode = 0;
    int polygonMode[2] = {0, 0};
    bool cullFace = false;
    bool depthTest = false;
    bool blend = false;
    bool lighting = false;
    bool stencilTest = false;
    bool depthWrites = false;
    bool colourWrites[4] = {false, false, false, false};
    bool texture2DUnit0 = false;
    bool texture2DUnit1 = false;
    bool texture1DUnit0 = false;
    int depthFunc = 0;
    static GlStateSnapshot Read();
    bool operator==(const GlStateSnapshot&) const = default;
};
void PrintTo(const GlStateSnapshot& state, std::ostream* out);

}  // namespace gltest

#define REQUIRE_GL()                                                                   \
    do {                                                                               \
        if (!::gltest::GlHarness::Get().Ready())                                       \
            GTEST_SKIP() << "no OpenGL context: " << ::gltest::GlHarness::Get().Why(); \
    } while (0)
