// BuildMenus: every menu but the intro, in one pass behind "MENU_LOADING", then the fades,
// the shared star background, the popups and the dialogues.
#include "game/MenuCatalogue.h"

#include <string>
#include <vector>

#include "app/Window.h"
#include "game/MenuStyle.h"
#include "game/Results.h"
#include "ui/MenuSystem.h"

namespace {

using namespace menus;

constexpr const char* kDialogueList = "./RESOURCES/Files/UI/Dialogue/DialogueList.txt";

const char* const kOnePlayerSelections[] = {
    "VEHICLE_SELECTION_STORY", "VEHICLE_SELECTION_BATTLE_1P", "VEHICLE_SELECTION_ASSAULT_1P",
    "VEHICLE_SELECTION_SURVIVAL_1P"};

}  // namespace

void AddMenuFades() {
    // Each pair fades both ways; in this order.
    static const char* const kPairs[][2] = {
        {"MENU_LOADING", "MAIN_MENU"},
        {"MAIN_MENU", "CREDITS"},
        {"MAIN_MENU", "OPTIONS"},
        {"SINGLE_PLAYER_OPTIONS", "VEHICLE_SELECTION_STORY"},
        {"SINGLE_PLAYER_OPTIONS", "VEHICLE_SELECTION_BATTLE_1P"},
        {"SINGLE_PLAYER_OPTIONS", "VEHICLE_SELECTION_ASSAULT_1P"},
        {"SINGLE_PLAYER_OPTIONS", "VEHICLE_SELECTION_SURVIVAL_1P"},
        {"MULTI_PLAYER_OPTIONS", "VEHICLE_SELECTION_BATTLE_2P"},
        {"VEHICLE_SELECTION_STORY", "MAIN_MENU"},
        {"VEHICLE_SELECTION_STORY", "LOADING_SCREEN"},
        {"VEHICLE_SELECTION_BATTLE_1P", "MAIN_MENU"},
        {"VEHICLE_SELECTION_BATTLE_1P", "LOADING_SCREEN"},
        {"VEHICLE_SELECTION_BATTLE_2P", "MAIN_MENU"},
        {"VEHICLE_SELECTION_BATTLE_2P", "LOADING_SCREEN"},
        {"VEHICLE_SELECTION_ASSAULT_1P", "MAIN_MENU"},
        {"VEHICLE_SELECTION_ASSAULT_1P", "LOADING_SCREEN"},
        {"VEHICLE_SELECTION_SURVIVAL_1P", "MAIN_MENU"},
        {"VEHICLE_SELECTION_SURVIVAL_1P", "LOADING_SCREEN"},
        {"LOADING_SCREEN", "LEVEL_SCREEN"},
        {"LEVEL_SCREEN", "UNLOADING_SCREEN"},
        {"UNLOADING_SCREEN", "VEHICLE_SELECTION_STORY"},
        {"UNLOADING_SCREEN", "VEHICLE_SELECTION_BATTLE_1P"},
        {"UNLOADING_SCREEN", "VEHICLE_SELECTION_BATTLE_2P"},
        {"UNLOADING_SCREEN", "VEHICLE_SELECTION_ASSAULT_1P"},
        {"UNLOADING_SCREEN", "VEHICLE_SELECTION_SURVIVAL_1P"},
        {"UNLOADING_SCREEN", "LOADING_SCREEN"},
    };
    for (const auto& pair : kPairs) menuSystem.AddTransition(pair[0], pair[1], kBlack, kFadeSpeed);
}

void ShareStarBackground() {
    menuSystem.ShareWidgets("STARS_BACKGROUND", 14, "MAIN_MENU", "SINGLE_PLAYER_OPTIONS",
                            "MULTI_PLAYER_OPTIONS", "CREDITS", "BACKSTORY1", "BACKSTORY2",
                            "BACKSTORY3", "BACKSTORY4", "BACKSTORY5", "VEHICLE_SELECTION_STORY",
                            "VEHICLE_SELECTION_BATTLE_1P", "VEHICLE_SELECTION_BATTLE_2P",
                            "VEHICLE_SELECTION_ASSAULT_1P", "VEHICLE_SELECTION_SURVIVAL_1P");
    menuSystem.ShareWidgets("STARS_BACKGROUND", 1, "OPTIONS");
    menuSystem.SetTextureScroll("STARS_BACKGROUND", 1.0f, 1.0f, 0.1f);
}

void AddChildMenus() {
    for (const char* parent : kOnePlayerSelections)
        for (const char* info : {"TANK_INFO", "BUGGY_INFO", "UFO_INFO", "LANCER_INFO"})
            menuSystem.AddChildMenu(parent, info);
    for (const char* popup : kLevelScreenPopups) menuSystem.AddChildMenu("LEVEL_SCREEN", popup);
}

void BuildMenus() {
    MissionStats = MissionStatistics{};
    const int w = window.GetWidth();
    const int h = window.GetHeight();
    BuildFrontEndMenus(w, h);
    BuildSelectionMenus(w, h);
    BuildLevelScreen(w, h, window.IsFullscreen());
    BuildInformationMenus(w, h);
    AddMenuFades();
    ShareStarBackground();
    AddChildMenus();
    menuSystem.LoadDialogues(kDialogueList);
}
