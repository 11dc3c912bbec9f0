#pragma once
// A GL test starts from the renderer's fixed state with an empty scene: the projection of
// the game's camera (45 degrees, near 0.1, far 1000), a view from `LookFrom`, no casters and
// empty render lists.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"
#include "render/GraphicsSystem.h"
#include "tests/gl/GlHarness.h"

namespace gltest {

// A clock that only the test moves: milliseconds alone, from 1000, with no counter, so that
// the frame timer measures in milliseconds whichever mode it is in.
struct StepClock : platform::FakeClock {
    StepClock() {
        milliseconds = 1000;
        counterWorks = false;
        frequencyWorks = false;
    }
};

class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Renderer& renderer() { return *graphicsSystem.renderer; }
    Camera& camera() { return *graphicsSystem.camera; }
    static GlHarness& gl() { return GlHarness::Get(); }

    // Loads the view from `eye` toward `centre` (y up) through the camera, light included.
    void LookFrom(float ex, float ey, float ez, float cx, float cy, float cz);
    // Where a world point lands on the window, (0, 0) at the top left.
    bool Project(float x, float y, float z, int* px, int* py) const;
    // The colour under a world point.
    Rgba PixelAt(float x, float y, float z) const;
    // A white, unlit floor slab of 40 x 40 units centred on the origin, top at y = 0.
    void DrawFloor();
    // Saves the picture under the build tree's gl-pictures folder, for looking at.
    void Save(const char* name) const;
};

// Colours compare within a few steps of 255.
::testing::AssertionResult Near(const Rgba& actual, const Rgba& expected, int tolerance = 4);

}  // namespace gltest
