#include "game/ScreenFlow.h"

#include "app/FrameTimer.h"
#include "app/Window.h"
#include "game/Application.h"
#include "game/MenuLinks.h"
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
    {"VEHICLE_SELECTION_STORY", Story},          {"VEHICLE_SELECTION_BATTLE_1P", Battle},
    {"VEHICLE_SELECTION_BATTLE_2P", Versus},     {"VEHICLE_SELECTION_ASSAULT_1P", Assault},
    {"VEHICLE_SELECTION_SURVIVAL_1P", Survival},
};

constexpr const char* kTwoPlayerSelection = "VEHICLE_SELECTION_BATTLE_2P";
constexpr int kVehicleKinds = 4;
constexpr const char* kInfoPopups[kVehicleKinds] = {"TANK_INFO", "BUGGY_INFO", "UFO_INFO",
                                                    "LANCER_INFO"};

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
    // The only place where the World clock advances; it is never reset.
    world.time += frameTimer.GetDeltaTime();
    DrawRoom();
    ResetDrawColour();

    levelOver = false;
    switch (gameMode) {
        case Battle:
        case Story:
        case Assault:
            ApplyOneSidedRules();
            break;
        case Versus:
            if (players[0] && players[1] &&
                (players[0]->GetHitPoints() <= 0 || players[1]->GetHitPoints() <= 0))
                levelOver = true;
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
    if (!players[0] || !enemies[0]) return;
    const bool playersDestroyed = AllDestroyed(players);
    if (!playersDestroyed && !AllDestroyed(enemies)) return;
    levelOver = true;
    // Written again each frame while the level stays decided.
    MissionStats = TakeMissionStats(*players[0]);
    if (!frameTimer.Alarm(kDefeatDialogueAlarm, kDefeatDialogueDelay, false)) return;
    if (playersDestroyed) {
        // The race of player one's vehicle picks its part of the death dialogue.
        StartDialogueIfPresent("death", players[0]->GetSelectionIndex());
        if (gameMode == Story) PlayStoryDialogue(StoryPlayerDefeat);
    } else if (gameMode == Story) {
        PlayStoryDialogue(StoryEnemyDefeat);
    }
}

void Application::ApplySurvivalRules() {
    if (!players[0] || !enemies[0]) return;
    if (AllDestroyed(players)) {
        levelOver = true;
        return;
    }
    if (AllDestroyed(enemies)) {
        // The wreck stays in the World; a new opponent takes its slot in the same frame.
        enemies[0] = static_cast<Vehicle*>(world.SpawnRandomVehicle());
        ++survivalKills;
    }
}

void Application::UpdateScreens() {
    const std::string name = menuSystem.GetCurrentMenuName();
    const int selectionMode = ModeOfSelectionMenu(name);
    if (selectionMode >= 0) {
        SetGameMode(selectionMode);
        vehiclePage = name;
        UpdateVehicleSelection();
    } else if (name != "LEVEL_SCREEN") {
        // Outside the selection menus and the level screen no popup stays open.
        menuSystem.SetPopupMenu("", false);
    }

    if (name == "INTRO") {
        if (IntroMovesOn(menuSystem.IsTransitioning(), kIntroAlarm, kIntroWait))
            menuSystem.GoToMenu("TEAM_INTRO");
    } else if (name == "TEAM_INTRO") {
        if (IntroMovesOn(menuSystem.IsTransitioning(), kTeamIntroAlarm, kIntroWait))
            menuSystem.GoToMenu("MENU_LOADING");
    } else if (name == "MENU_LOADING") {
        if (!menuSystem.IsTransitioning() &&
            frameTimer.Alarm(kMenuLoadingAlarm, kMenuLoadingWait, false))
            BuildRemainingMenus();
    } else if (name == "LEVEL_SCREEN") {
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
    menuSystem.GoToMenu("MAIN_MENU");
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
