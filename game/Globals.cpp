// Every manager of the game, defined here in the order of their construction (C++ orders
// initialisation within one file only). They are destroyed in the reverse order at exit,
// after the entry point has shut them down; each release finds its work done.
#include "game/Globals.h"

#include "app/Constants.h"
#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "app/Sound.h"
#include "app/Window.h"
#include "game/Application.h"
#include "game/Results.h"
#include "game/WidgetIds.h"
#include "physics/Physics.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/World.h"

GraphicsSystem graphicsSystem;
Window window;
World world;
Physics physics;
FileLoader fileLoader;
MenuSystem menuSystem;
InputState inputState;
FrameTimer frameTimer;
WidgetIdMap HealthBarIds;
WidgetIdMap EnergyBarIds;
WidgetIdMap LeftHudPanelIds;
WidgetIdMap RightHudPanelIds;
WidgetIdMap CrosshairIds;
WidgetIdMap LoadingWidgetIds;
WidgetIdMap VehicleSelectorIds;
WidgetIdMap SecondVehicleSelectorIds;
WidgetIdMap StartButtonIds;
WidgetIdMap ReplayButtonIds;
WidgetIdMap VersusPortraitIds[kVersusPortraits];
WidgetIdMap LevelSelectorIds;
WidgetIdMap AIDifficultyIds;
Application application;
SoundBank soundBank;

void ResetWidgetIds() {
    for (WidgetIdMap* ids :
         {&HealthBarIds, &EnergyBarIds, &LeftHudPanelIds, &RightHudPanelIds, &CrosshairIds,
          &LoadingWidgetIds, &VehicleSelectorIds, &SecondVehicleSelectorIds, &StartButtonIds,
          &ReplayButtonIds, &LevelSelectorIds, &AIDifficultyIds})
        *ids = WidgetIdMap();
    for (WidgetIdMap& ids : VersusPortraitIds) ids = WidgetIdMap();
}

void ResetGlobals() {
    // Shutdown first: it releases what the others hold while they still hold it.
    application.Shutdown();
    application.Reset();
    world.ClearLevel();
    world.time = 0.0f;
    menuSystem.Shutdown();
    graphicsSystem.Shutdown();
    window.Destroy();
    window.SetRunning(false);
    window.SetKeyPressed(false);
    window.SetMouseClicked(false);
    Sound::CloseSystem();
    frameTimer.Init(false);
    inputState = InputState();
    MissionStats = MissionStatistics{};
    ResetWidgetIds();
}
