#include "game/ScreenFlow.h"

#include "app/FrameTimer.h"
#include "app/Window.h"
#include "game/Application.h"
#include "game/MenuLinks.h"
#include "game/MenuNames.h"
#include "game/Results.h"
#include "game/WidgetIds.h"
#include "ui/MenuSystem.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

struct SelectionMenu {
    const char* name;
    int mode;
};
constexpr SelectionMenu kSelectionMenus[] = {
    {menunames::kSelectionStory, Story},       {menunames::kSelectionBattle, Battle},
    {menunames::kSelectionVersus, Versus},     {menunames::kSelectionAssault, Assault},
    {menunames::kSelectionSurvival, Survival},
};

constexpr const char* kTwoPlayerSelection = menunames::kSelectionVersus;
constexpr int kVehicleKinds = 4;
constexpr const char* kInfoPopups[kVehicleKinds] = {menunames::kTankInfo, menunames::kBuggyInfo,
                                                    menunames::kUfoInfo, menunames::kLancerInfo};

// The screens' alarm slots and waits.
constexpr int kIntroAlarm = 0;
constexpr int kTeamIntroAlarm = 1;
constexpr float kIntroWait = 2.0f;
constexpr int kMenuLoadingAlarm = 2;
constexpr float kMenuLoadingWait = 0.1f;

// Slot and wait of the defeat dialogues.
constexpr int kDefeatDialogueAlarm = 4;
constexpr float kDefeatDialogueDelay = 0.1f;

}  // namespace

int ModeOfSelectionMenu(const std::string& menuName) {
    for (const SelectionMenu& menu : kSelectionMenus)
        if (menuName == menu.name) return menu.mode;
    return -1;
}

bool IntroMovesOn(bool transitioning, int alarmSlot, float seconds) {
    // Asked every frame, so that a press made while the fade runs is used up then.
    const bool keyPressed = window.WasKeyPressed();
    const bool mouseClicked = window.WasMouseClicked();
    if (transitioning) return false;
    if (keyPressed || mouseClicked) return true;
    // The alarm counts only the frames without input.
    return frameTimer.Alarm(alarmSlot, seconds, false);
}

void Application::UpdateLevelScreen() {
    AdvanceLevelClock();
    DrawRoom();
    ResetDrawColour();
    ApplyLevelRules();
}

void Application::AdvanceLevelClock() {
    // The only place where the World clock advances; it is never reset.
    world.time += frameTimer.GetDeltaTime();
}

void Application::ApplyLevelRules() {
    level.levelOver = false;
    switch (gameMode) {
        case Battle:
        case Story:
        case Assault:
            ApplyOneSidedRules();
            break;
        case Versus:
            if (level.players[0] && level.players[1] &&
                (level.players[0]->GetHitPoints() <= 0 || level.players[1]->GetHitPoints() <= 0))
                level.levelOver = true;
            break;
        case Survival:
            ApplySurvivalRules();
            break;
        default:
            break;
    }
}

void Application::ApplyOneSidedRules() {
    // A level in which no computer vehicle stands is never decided here.
    if (!level.players[0] || !level.enemies[0]) return;
    const bool playersDestroyed = AllDestroyed(level.players);
    if (!playersDestroyed && !AllDestroyed(level.enemies)) return;
    level.levelOver = true;
    // Written again each frame while the level stays decided.
    MissionStats = TakeMissionStats(*level.players[0]);
    if (!frameTimer.Alarm(kDefeatDialogueAlarm, kDefeatDialogueDelay, false)) return;
    if (playersDestroyed) {
        // The race of player one's vehicle picks its part of the death dialogue.
        StartDialogueIfPresent("death", level.players[0]->GetSelectionIndex());
        if (gameMode == Story) PlayStoryDialogue(StoryPlayerDefeat);
    } else if (gameMode == Story) {
        PlayStoryDialogue(StoryEnemyDefeat);
    }
}

void Application::ApplySurvivalRules() {
    if (!level.players[0] || !level.enemies[0]) return;
    if (AllDestroyed(level.players)) {
        level.levelOver = true;
        return;
    }
    if (AllDestroyed(level.enemies)) {
        // The wreck stays in the World; a new opponent takes its slot in the same frame.
        level.enemies[0] = static_cast<Vehicle*>(world.SpawnRandomVehicle());
        ++level.survivalKills;
    }
}

void Application::UpdateScreens() {
    const std::string name = menuSystem.GetCurrentMenuName();
    const int selectionMode = ModeOfSelectionMenu(name);
    if (selectionMode >= 0) {
        SetGameMode(selectionMode);
        vehiclePage = name;
        UpdateVehicleSelection();
    } else if (name != menunames::kLevelScreen) {
        // Outside the selection menus and the level screen no popup stays open.
        menuSystem.SetPopupMenu("", false);
    }

    if (name == menunames::kIntro) {
        if (IntroMovesOn(menuSystem.IsTransitioning(), kIntroAlarm, kIntroWait))
            menuSystem.GoToMenu(menunames::kTeamIntro);
    } else if (name == menunames::kTeamIntro) {
        if (IntroMovesOn(menuSystem.IsTransitioning(), kTeamIntroAlarm, kIntroWait))
            menuSystem.GoToMenu(menunames::kMenuLoading);
    } else if (name == menunames::kMenuLoading) {
        if (!menuSystem.IsTransitioning() &&
            frameTimer.Alarm(kMenuLoadingAlarm, kMenuLoadingWait, false))
            BuildRemainingMenus();
    } else if (name == menunames::kLevelScreen) {
        UpdateLevelScreen();
    }
}

void Application::BuildRemainingMenus() {
    if (menuBuilder) menuBuilder();
    MissionStats = {};
    QueueLoadingSteps();
    // The time spent building is not the next frame's time.
    frameTimer.Update();
    frameTimer.Update();
    frameTimer.ResetAlarms();
    menuSystem.GoToMenu(menunames::kMainMenu);
}

void Application::UpdateVehicleSelection() {
    if (menuSystem.GetCurrentMenuName() != vehiclePage) return;
    if (vehiclePage == kTwoPlayerSelection) {
        const int one = SelectedIndex(VehicleSelectorIds, vehiclePage);
        const int two = SelectedIndex(SecondVehicleSelectorIds, vehiclePage);
        for (const WidgetIdMap& portrait : VersusPortraitIds)
            menuSystem.SetWidgetVisible(portrait.GetId(vehiclePage), false);
        // Only an index that names a vehicle shows a sheet.
        if (one >= 0 && one < kVehicleKinds)
            menuSystem.SetWidgetVisible(VersusPortraitIds[one].GetId(vehiclePage), true);
        if (two >= 0 && two < kVehicleKinds)
            menuSystem.SetWidgetVisible(VersusPortraitIds[two + kVehicleKinds].GetId(vehiclePage),
                                        true);
        return;
    }
    const int index = SelectedIndex(VehicleSelectorIds, vehiclePage);
    if (index >= 0 && index < kVehicleKinds)
        menuSystem.SetPopupMenu(kInfoPopups[index], true);
    else
        menuSystem.SetPopupMenu("", false);
}
