#include "tests/game/FlowMenus.h"

#include <string>

#include "game/WidgetIds.h"
#include "ui/MenuSystem.h"

namespace flowmenus {
namespace {

const float kWhite[4] = {1, 1, 1, 1};
const float kGrey[4] = {0.5f, 0.5f, 0.5f, 1};

WidgetIdMap Label(const std::string& menu, const char* text, int x, int y) {
    return menuSystem.CreateWidget(0, text, nullptr, 0, "", menu, "", x, y, 100, 30, kGrey, kWhite,
                                   kWhite, false, false, 1);
}

WidgetIdMap Button(const std::string& menu, const char* text, const std::string& target, Place at) {
    return menuSystem.CreateWidget(1, text, nullptr, 0, "", menu, target, at.x, at.y, 160, 40,
                                   kGrey, kWhite, kWhite, false, false, 0);
}

WidgetIdMap Options(const std::string& menu, int y, std::initializer_list<const char*> names) {
    std::vector<const char*> choices(names);
    return menuSystem.CreateSelectorFrom(2, "", "", "", "", menu, 512, y, 200, 40, kGrey, kGrey,
                                         kWhite, kWhite, false, static_cast<int>(choices.size()),
                                         choices);
}

WidgetIdMap Vehicles(const std::string& menu, int y) {
    return menuSystem.CreateSelectorFrom(
        3, "", "", "", "", menu, 512, y, 200, 200, kGrey, kGrey, kWhite, kWhite, false, 4,
        {"Davavod Tank", "RESOURCES/Art/Models/tank.ms3d", "Dovevevuzu Grav Buggy",
         "RESOURCES/Art/Models/buggy.ms3d", "Vavedodev Gremlin", "RESOURCES/Art/Models/ufo.ms3d",
         "Diveroruz Lancer", "RESOURCES/Art/Models/lancer.ms3d"});
}

void SelectionMenu(const std::string& name, bool twoPlayers, bool levels) {
    VehicleSelectorIds.Merge(Vehicles(name, 200));
    if (twoPlayers) SecondVehicleSelectorIds.Merge(Vehicles(name, 450));
    if (levels) LevelSelectorIds.Merge(Options(name, 600, {"Big Bathroom", "Small Bathroom"}));
    StartButtonIds.Merge(Button(name, "Start", "LOADING_SCREEN", kStartButton));
}

void ResultPopup(const std::string& name, const char* replay) {
    menuSystem.EnsureMenu(name);
    ReplayButtonIds.Merge(Button(name, replay, "UNLOADING_SCREEN", kReplayButton));
    Button(name, "Return to Menu", "UNLOADING_SCREEN", kReturnButton);
    menuSystem.AddChildMenu("LEVEL_SCREEN", name);
}

}  // namespace

void BuildIntroScreens() {
    Label("INTRO", "Intro", 512, 384);
    Label("TEAM_INTRO", "Team", 512, 384);
    Label("MENU_LOADING", "Loading menus", 512, 384);
    menuSystem.SetCurrentMenu("INTRO");
}

void BuildMenus() {
    Button("MAIN_MENU", "Battle", "VEHICLE_SELECTION_BATTLE_1P", kBattleButton);
    Button("MAIN_MENU", "Versus", "VEHICLE_SELECTION_BATTLE_2P", kVersusButton);
    Button("MAIN_MENU", "Survival", "VEHICLE_SELECTION_SURVIVAL_1P", kSurvivalButton);
    SelectionMenu("VEHICLE_SELECTION_BATTLE_1P", false, true);
    SelectionMenu("VEHICLE_SELECTION_BATTLE_2P", true, true);
    SelectionMenu("VEHICLE_SELECTION_SURVIVAL_1P", false, false);
    Button("MAIN_MENU", "Story", "VEHICLE_SELECTION_STORY", kStoryButton);
    SelectionMenu("VEHICLE_SELECTION_STORY", false, false);
    AIDifficultyIds.Merge(Options("OPTIONS", 300, {"Medium ", "Hard ", "OMG HAX!!    ", "Easy  "}));

    // The loading widget is the first of its menu: the loading steps name its target.
    LoadingWidgetIds.Merge(menuSystem.CreateWidget(5, "Loading", nullptr, 0, "", "LOADING_SCREEN",
                                                   "", 512, 384, 0, 0, kGrey, kWhite, kWhite, false,
                                                   false, 1));
    LoadingWidgetIds.Merge(menuSystem.CreateWidget(5, "Unloading", nullptr, 0, "",
                                                   "UNLOADING_SCREEN", "", 512, 384, 0, 0, kGrey,
                                                   kWhite, kWhite, false, false, 1));

    CrosshairIds.Merge(Label("LEVEL_SCREEN", "+", 512, 384));
    for (const char* name : {"WIN_DISPLAY", "CONGRATS_DISPLAY"}) ResultPopup(name, "Next Level");
    for (const char* name : {"LOSE_DISPLAY", "DRAW_DISPLAY", "P1_WIN", "P2_WIN"})
        ResultPopup(name, "Replay Level");
    ResultPopup("BATTLE_WIN_DISPLAY", "Replay Level");
    ResultPopup("IN_GAME_MENU", "Restart Level");
}

}  // namespace flowmenus
