#pragma once
// Runs the game through its global objects against the platform fakes, and puts the
// globals back to their state at program start after each case.
#include <gtest/gtest.h>

#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "app/Sound.h"
#include "app/Window.h"
#include "game/Application.h"
#include "game/Globals.h"
#include "platform/fake/FakePlatform.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/World.h"

class GlobalsTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() { ResetGlobals(); }

    platform::FakePlatform fake;
};
