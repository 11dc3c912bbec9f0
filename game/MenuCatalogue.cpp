// BuildMenus: every menu but the intro, in one pass behind "MENU_LOADING", then the fades,
// the shared star background, the popups and the dialogues.
#include "game/MenuCatalogue.h"

#include <string>
#include <vector>

#include "app/Window.h"
#include "game/MenuNames.h"
#include "game/MenuStyle.h"
#include "game/Results.h"
#include "ui/MenuSystem.h"

namespace {

using namespace menus;

constexpr const char* kDialogueList = "./RESOURCES/Files/UI/Dialogue/DialogueList.txt";

const char* const kOnePlayerSelections[] = {menunames::kSelectionStory, menunames::kSelectionBattle,
                                            menunames::kSelectionAssault,
                                            menunames::kSelectionSurvival};

}  // namespace

void AddMenuFades() {
    // Each pair fades both ways; in this order.
    static const char* const kPairs[][2] = {
        {menunames::kMenuLoading, menunames::kMainMenu},
        {menunames::kMainMenu, menunames::kCredits},
        {menunames::kMainMenu, menunames::kOptions},
        {menunames::kSinglePlayerOptions, menunames::kSelectionStory},
        {menunames::kSinglePlayerOptions, menunames::kSelectionBattle},
        {menunames::kSinglePlayerOptions, menunames::kSelectionAssault},
        {menunames::kSinglePlayerOptions, menunames::kSelectionSurvival},
        {menunames::kMultiPlayerOptions, menunames::kSelectionVersus},
        {menunames::kSelectionStory, menunames::kMainMenu},
        {menunames::kSelectionStory, menunames::kLoadingScreen},
        {menunames::kSelectionBattle, menunames::kMainMenu},
        {menunames::kSelectionBattle, menunames::kLoadingScreen},
        {menunames::kSelectionVersus, menunames::kMainMenu},
        {menunames::kSelectionVersus, menunames::kLoadingScreen},
        {menunames::kSelectionAssault, menunames::kMainMenu},
        {menunames::kSelectionAssault, menunames::kLoadingScreen},
        {menunames::kSelectionSurvival, menunames::kMainMenu},
        {menunames::kSelectionSurvival, menunames::kLoadingScreen},
        {menunames::kLoadingScreen, menunames::kLevelScreen},
        {menunames::kLevelScreen, menunames::kUnloadingScreen},
        {menunames::kUnloadingScreen, menunames::kSelectionStory},
        {menunames::kUnloadingScreen, menunames::kSelectionBattle},
        {menunames::kUnloadingScreen, menunames::kSelectionVersus},
        {menunames::kUnloadingScreen, menunames::kSelectionAssault},
        {menunames::kUnloadingScreen, menunames::kSelectionSurvival},
        {menunames::kUnloadingScreen, menunames::kLoadingScreen},
    };
    for (const auto& pair : kPairs) menuSystem.AddTransition(pair[0], pair[1], kBlack, kFadeSpeed);
}

void ShareStarBackground() {
    menuSystem.ShareWidgets(
        menunames::kStarsBackground, 14, menunames::kMainMenu, menunames::kSinglePlayerOptions,
        menunames::kMultiPlayerOptions, menunames::kCredits, menunames::kBackstory1,
        menunames::kBackstory2, menunames::kBackstory3, menunames::kBackstory4,
        menunames::kBackstory5, menunames::kSelectionStory, menunames::kSelectionBattle,
        menunames::kSelectionVersus, menunames::kSelectionAssault, menunames::kSelectionSurvival);
    menuSystem.ShareWidgets(menunames::kStarsBackground, 1, menunames::kOptions);
    menuSystem.SetTextureScroll(menunames::kStarsBackground, 1.0f, 1.0f, 0.1f);
}

void AddChildMenus() {
    for (const char* parent : kOnePlayerSelections)
        for (const char* info : {menunames::kTankInfo, menunames::kBuggyInfo, menunames::kUfoInfo,
                                 menunames::kLancerInfo})
            menuSystem.AddChildMenu(parent, info);
    for (const char* popup : kLevelScreenPopups)
        menuSystem.AddChildMenu(menunames::kLevelScreen, popup);
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
