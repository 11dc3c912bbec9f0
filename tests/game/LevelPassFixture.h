#pragma once
// A level played frame by frame through the game's own passes at a fixed 16 ms frame, with
// the shipped content of the build tree, the global objects and the platform fakes.
#include <cstdint>
#include <memory>

#include "app/FrameTimer.h"
#include "game/MenuNames.h"
#include "tests/app/TempDir.h"
#include "tests/game/GlobalsFixture.h"
#include "world/World.h"

class LevelPassTest : public GlobalsTest {
protected:
    static constexpr std::uint32_t kFrameMs = 16;
    static constexpr float kFrame = 0.016f;

    void SetUp() override {
        GlobalsTest::SetUp();
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        application.Init();
        graphicsSystem.Shutdown();
        world.ResetResourceCache();
        frameTimer.Init(false);
        fake.clock.milliseconds = 1000;
        frameTimer.Update();
        fake.clock.milliseconds += kFrameMs;
        frameTimer.Update();
        menuSystem.EnsureMenu(menunames::kMainMenu);
        menuSystem.EnsureMenu(menunames::kLevelScreen);
        menuSystem.SetCurrentMenu(menunames::kLevelScreen);
    }
    void TearDown() override {
        world.ClearLevel();
        GlobalsTest::TearDown();
        inside.reset();
    }

    // The update passes of one frame, then the clocks move on by one frame.
    void Frame() {
        application.UpdateCollisions();
        application.UpdateEntities();
        application.DrawEntityEffects();
        application.SweepDeadEntities();
        world.time += kFrame;
        fake.clock.milliseconds += kFrameMs;
        frameTimer.Update();
    }

    std::unique_ptr<WorkingDirectory> inside;
};
