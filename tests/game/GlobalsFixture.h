#pragma once
// Runs the game through its global objects against the platform fakes, and puts the
// globals back to their state at program start after each case.
#include <gtest/gtest.h>

#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "app/Sound.h"
#include "app/Window.h"
#include "game/Application.h"
#include "game/WidgetIds.h"
#include "platform/fake/FakePlatform.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/World.h"

class GlobalsTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override {
        application.Shutdown();
        Reset();
    }

    static void Reset() {
        application.ClearLevelLists();
        menuSystem.Shutdown();
        graphicsSystem.Shutdown();
        window.Destroy();
        window.SetRunning(false);
        window.SetKeyPressed(false);
        window.SetMouseClicked(false);
        Sound::CloseSystem();
        frameTimer.Init(false);
        inputState = InputState();
        world.time = 0.0f;
        application.SetMenuBuilder(nullptr);
        for (WidgetIdMap* ids :
             {&HealthBarIds, &EnergyBarIds, &LeftHudPanelIds, &RightHudPanelIds, &CrosshairIds,
              &LoadingWidgetIds, &VehicleSelectorIds, &SecondVehicleSelectorIds, &StartButtonIds,
              &ReplayButtonIds, &LevelSelectorIds, &AIDifficultyIds})
            *ids = WidgetIdMap();
        for (WidgetIdMap& ids : VersusPortraitIds) ids = WidgetIdMap();
    }

    platform::FakePlatform fake;
};
