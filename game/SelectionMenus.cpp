// Between the mode menus and a level: one vehicle-selection menu per mode with its turning
// vehicles, level selector, start and return buttons; the vehicle information popups and the
// two-player sheets; and the two loading screens through which every level is entered and
// left.
#include <vector>

#include "game/Application.h"
#include "game/LevelCatalogue.h"
#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
#include "game/MenuStyle.h"
#include "game/WidgetIds.h"
#include "ui/MenuSystem.h"

namespace {

using namespace menus;

constexpr const char* kPanel = "./RESOURCES/Art/Textures/UI/Backgrounds/scratch.bmp";
constexpr const char* kPortraits = "./RESOURCES/Art/Textures/UI/Portraits/";

// The vehicle choice is the index: 0 tank, 1 buggy, 2 ufo, 3 lancer.
const std::vector<const char*> kVehicles = {
    "Davavod Tank ",     "./RESOURCES/Art/Models/tank.ms3d",
    "Dovevevuzu Buggy",  "./RESOURCES/Art/Models/buggy.ms3d",
    "Vavedodev Gremlin", "./RESOURCES/Art/Models/ufo.ms3d",
    "Diveroruz Lancer",  "./RESOURCES/Art/Models/lancer.ms3d",
};
constexpr int kVehicleCount = 4;

WidgetIdMap VehicleSelector(const char* menu, int x, int y, int w, int h) {
    return menuSystem.CreateSelectorFrom(kModelSelectorWidget, "", kPanel, kLeftArrow, kRightArrow,
                                         menu, x, y, w, h, kWhiteTransparent, kGray, kDarkYellow,
                                         kWhite, true, kVehicleCount, kVehicles);
}

WidgetIdMap LevelSelector(const char* menu, int mode, int w, int h) {
    const std::vector<const char*> labels = LevelLabels(mode);
    return menuSystem.CreateSelectorFrom(kOptionSelectorWidget, "Level Select", "", kLeftArrow,
                                         kRightArrow, menu, w / 2, h / 2 + 320, 450, 50,
                                         kBlackTransparent, kGray, kWhite, kWhite, true,
                                         static_cast<int>(labels.size()), labels);
}

void StoryMenu(int w, int h) {
    const char* menu = menunames::kSelectionStory;
    Title(menu, "Story Mode", w / 2, 40);
    Title(menu, "Select Your Vehicle:", w / 2, 90);
    VehicleSelectorIds.Merge(VehicleSelector(menu, w / 2, h / 2 - 80, 500, 200));
    StartButtonIds.Merge(
        StartButton(menu, "Begin Game  ", w / 2 + 250, h / 2 + 280, menunames::kLoadingScreen));
    MenuButton(menu, "Return ", w / 2 - 250, h / 2 + 280, menunames::kMainMenu);
    MenuButton(menu, "Backstory ", w / 2, h / 2 + 280, menunames::kBackstory1);
}

// Battle and Assault: a title, the vehicle, the level, the buttons 250 below the centre.
void OnePlayerMenuWithLevels(const char* menu, const char* title, int mode, int w, int h) {
    Title(menu, title, w / 2, 40);
    Title(menu, "Select Your Vehicle:", w / 2, 90);
    VehicleSelectorIds.Merge(VehicleSelector(menu, w / 2, h / 2 - 80, 500, 200));
    LevelSelectorIds.Merge(LevelSelector(menu, mode, w, h));
    StartButtonIds.Merge(
        StartButton(menu, "To Battle!", w / 2 + 200, h / 2 + 250, menunames::kLoadingScreen));
    MenuButton(menu, "Return ", w / 2 - 200, h / 2 + 250, menunames::kMainMenu);
}

void VersusMenu(int w, int h) {
    const char* menu = menunames::kSelectionVersus;
    Title(menu, "Versus Mode - Player 1 vs. Player 2", w / 2, 40);
    Title(menu, "Player 1 (Blue):", w / 4, 90);
    Title(menu, "Player 2 (Red):", w / 2 + w / 4, 90);
    VehicleSelectorIds.Merge(VehicleSelector(menu, w / 4, h / 2 - 80, 400, 200));
    SecondVehicleSelectorIds.Merge(VehicleSelector(menu, w / 2 + w / 4, h / 2 - 80, 400, 200));
    LevelSelectorIds.Merge(LevelSelector(menu, Versus, w, h));
    StartButtonIds.Merge(
        StartButton(menu, "To Battle!", w / 2 + 200, h / 2 + 260, menunames::kLoadingScreen));
    MenuButton(menu, "Return ", w / 2 - 200, h / 2 + 260, menunames::kMainMenu);
}

void SurvivalMenu(int w, int h) {
    const char* menu = menunames::kSelectionSurvival;
    Title(menu, "Survival Mode - Player 1 vs. CPU", w / 2, 40);
    Title(menu, "Select Your Vehicle:", w / 2, 90);
    VehicleSelectorIds.Merge(VehicleSelector(menu, w / 2, h / 2 - 80, 500, 200));
    StartButtonIds.Merge(
        StartButton(menu, "To Battle!", w / 2 + 200, h / 2 + 280, menunames::kLoadingScreen));
    MenuButton(menu, "Return ", w / 2 - 200, h / 2 + 280, menunames::kMainMenu);
}

// The loading widget covers the window and must be its menu's first widget: the level start
// and leave set the target of the current menu's first widget.
void LoadingScreen(const char* menu, const char* caption, int w, int h) {
    LoadingWidgetIds.Merge(menuSystem.CreateWidget(kLoadingScreenWidget, caption, nullptr, 0, "",
                                                   menu, "", w / 2, h / 2, w, h, kBlack, kWhite,
                                                   nullptr, false, false, 0));
}

std::string PortraitPath(const char* file) {
    return std::string(kPortraits) + file;
}

}  // namespace

void BuildSelectionMenus(int w, int h) {
    StoryMenu(w, h);
    OnePlayerMenuWithLevels(menunames::kSelectionBattle, "Battle Mode - Player 1 vs. CPU", Battle,
                            w, h);
    OnePlayerMenuWithLevels(menunames::kSelectionAssault,
                            "Assault Mode - Player 1 vs. Multiple Enemies", Assault, w, h);
    VersusMenu(w, h);
    SurvivalMenu(w, h);
    LoadingScreen(menunames::kLoadingScreen, "Get Ready...", w, h);
    LoadingScreen(menunames::kUnloadingScreen, "Unloading Resources...", w, h);
}

void BuildInformationMenus(int w, int h) {
    struct Information {
        const char* menu;
        const char* race;
        const char* sheet;
    };
    static constexpr Information kInformation[] = {
        {menunames::kTankInfo, "terran_info.jpg", "tank_info.jpg"},
        {menunames::kBuggyInfo, "dovevevuzu_info.jpg", "buggy_info.jpg"},
        {menunames::kUfoInfo, "vavedodev_info.jpg", "ufo_info.jpg"},
        {menunames::kLancerInfo, "diveroruz_info.jpg", "lancer_info.jpg"},
    };
    for (const Information& info : kInformation) {
        Picture(info.menu, PortraitPath(info.race).c_str(), w / 2 - 256, h / 2 + 110, 236, 200,
                true);
        Picture(info.menu, PortraitPath(info.sheet).c_str(), w / 2 + 112, h / 2 + 110, 462, 190,
                true);
        if (std::string(info.menu) == menunames::kUfoInfo)
            Picture(info.menu, PortraitPath("ufo_info_addendum.jpg").c_str(), w / 2 + 352,
                    h / 2 + 60, 113, 28, true);
    }
    // The two-player sheets: player one's four on the left, player two's on the right, all
    // hidden until the screen flow shows the two chosen ones.
    const char* versus = menunames::kSelectionVersus;
    for (int i = 0; i < kVersusPortraits; ++i) {
        const int x = i < kVehicleCount ? w / 2 - 240 : w / 2 + 270;
        VersusPortraitIds[i].Merge(Picture(versus, PortraitPath(kInformation[i % 4].sheet).c_str(),
                                           x, h / 2 + 110, 462, 190, true));
    }
    for (WidgetIdMap& sheet : VersusPortraitIds)
        menuSystem.SetWidgetVisible(sheet.GetId(versus), false);
}
