// The level screen: the HUD's bar frames, panels and crosshair over the 3D scene, and its
// eight popups: six result panels, the congratulations and the in-game menu.
#include "game/Hud.h"
#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
#include "game/MenuStyle.h"
#include "game/Results.h"
#include "game/WidgetIds.h"
#include "ui/LabelWidget.h"
#include "ui/MenuSystem.h"

namespace {

using namespace menus;

constexpr const char* kLevelScreen = menunames::kLevelScreen;
constexpr const char* kHud = "./RESOURCES/Art/Textures/UI/HUD/";
constexpr const char* kPanel = "./RESOURCES/Art/Textures/UI/HUD/hud_background_large_nb.jpg";
// In full screen the bar frames sit this much lower; the panels stay.
constexpr int kFullscreenOffset = 25;

WidgetIdMap HudPicture(const char* file, int x, int y, int w, int h, const float* normal,
                       bool colourKey) {
    const std::string image = std::string(kHud) + file;
    return menuSystem.CreateWidget(kLabelWidget, "", nullptr, 0, image.c_str(), kLevelScreen, "", x,
                                   y, w, h, normal, kWhite, kWhite, false, colourKey, 0);
}

void Hud(int w, int h, bool fullscreen) {
    const int f = fullscreen ? kFullscreenOffset : 0;
    HealthBarIds.Merge(
        HudPicture("hp_bar.jpg", w / 2 - w / 6 + 40, h - 48 + f, 250, 24, kGraySemi, false));
    EnergyBarIds.Merge(
        HudPicture("energy_bar.jpg", w / 2 + w / 6 - 40, h - 48 + f, 250, 24, kGraySemi, false));
    LeftHudPanelIds.Merge(HudPicture("hud_background.jpg", kLeftHudPanelX, h - kHudPanelFromBottom,
                                     kHudPanelWidth, kHudPanelHeight, kGraySemi, false));
    RightHudPanelIds.Merge(HudPicture("hud_background.jpg", w - kRightHudPanelFromRight,
                                      h - kHudPanelFromBottom, kHudPanelWidth, kHudPanelHeight,
                                      kGraySemi, false));
    CrosshairIds.Merge(HudPicture("crosshair1.bmp", w / 2, h / 2 - 100, 32, 32, kLightGray, true));
}

void PopupPanel(const char* popup, int size, int w, int h) {
    menuSystem.CreateWidget(kLabelWidget, "", nullptr, 0, kPanel, popup, "", w / 2, h / 2, size,
                            size, kGrayHalf, kWhite, kWhite, false, false, 0);
}

void PopupLine(const char* popup, const char* text, int x, int y, const float* textColour,
               const float* hover, int font, int* bound = nullptr) {
    menuSystem.CreateWidget(kLabelWidget, text, bound, bound ? kBoundInt : kBoundNone, "", popup,
                            "", x, y, 512, 20, kWhiteTransparent, textColour, hover, false, false,
                            font);
}

WidgetIdMap TextButton(const char* popup, const char* caption, int x, int y, const char* target) {
    return menuSystem.CreateWidget(kButtonWidget, caption, nullptr, 0, "", popup, target, x, y, 180,
                                   50, kWhiteTransparent, kWhite, kYellow, true, false, 0);
}

// The five numbers of the mission statistics, printed live from the one record.
void Statistics(const char* popup, int w, int h) {
    PopupLine(popup, "Shots fired: %i", w / 2 + 25, h / 3 + 70, kYellow, kWhite, 1,
              &MissionStats.shotsFired);
    PopupLine(popup, "Specials used: %i", w / 2 + 25, h / 3 + 100, kYellow, kWhite, 1,
              &MissionStats.specialsUsed);
    PopupLine(popup, "Hit Ratio: %i/100", w / 2 + 30, h / 3 + 130, kYellow, kWhite, 1,
              &MissionStats.hitRatio);
    PopupLine(popup, "Damage Taken: %i ", w / 2 + 25, h / 3 + 160, kYellow, kWhite, 1,
              &MissionStats.damageTaken);
    PopupLine(popup, "Energy Used: %i  ", w / 2 + 25, h / 3 + 190, kYellow, kWhite, 1,
              &MissionStats.energyUsed);
}

struct ResultPopup {
    const char* name;
    const char* heading;
    const char* outcome;
    int outcomeDx;
    bool outcomeHigh;  // at a third of the height, above the statistics; else the middle
    const float* outcomeColour;
    const float* outcomeHover;
    int outcomeFont;
    bool statistics;
    const char* firstButton;  // replay or next level; null for none
};

const ResultPopup kResults[] = {
    {menunames::kWinDisplay, "Mission Results:", "You have WON this battle!", 0, true, kBlue, kBlue,
     2, true, "Next Level"},
    {menunames::kBattleWinDisplay, "Mission Results:", "You have WON this battle!", 0, true, kBlue,
     kBlue, 2, true, "Replay Level"},
    {menunames::kLoseDisplay, "Mission Results:", "You have been DESTROYED!   ", 0, false, kRed,
     kWhite, 2, false, "Replay Level"},
    {menunames::kDrawDisplay, "Mission Results:", "You BOTH have FAILED!     ", 0, false, kYellow,
     kWhite, 2, false, "Replay Level"},
    {menunames::kCongratsDisplay, "Congratulations!",
     "You have beaten all the levels in this mode!", 10, true, kWhite, kWhite, 2, true, nullptr},
    {menunames::kP1Win, "Mission Results:", "Player 1 has WON!", 0, false, kBlue, kWhite, 0, false,
     "Replay Level"},
    {menunames::kP2Win, "Mission Results:", "Player 2 has WON!", 0, false, kRed, kWhite, 0, false,
     "Replay Level"},
};

void Result(const ResultPopup& popup, int w, int h) {
    PopupPanel(popup.name, 512, w, h);
    PopupLine(popup.name, popup.heading, w / 2, h / 4, kWhite, kWhite, 2);
    PopupLine(popup.name, popup.outcome, w / 2 + popup.outcomeDx, popup.outcomeHigh ? h / 3 : h / 2,
              popup.outcomeColour, popup.outcomeHover, popup.outcomeFont);
    if (popup.statistics) Statistics(popup.name, w, h);
    if (popup.firstButton)
        ReplayButtonIds.Merge(TextButton(popup.name, popup.firstButton, w / 2, h / 2 + 120,
                                         menunames::kUnloadingScreen));
    TextButton(popup.name, "Return to Menu ", w / 2, h / 2 + 170, menunames::kUnloadingScreen);
    TextButton(popup.name, "Exit Game", w / 2, h / 2 + 220, menunames::kExit);
}

void InGameMenu(int w, int h) {
    const char* menu = menunames::kInGameMenu;
    PopupPanel(menu, 600, w, h);
    PopupLine(menu, "Main Menu:", w / 2, h / 4, kYellow, kWhite, 0);
    ReplayButtonIds.Merge(
        TextButton(menu, "Restart Level", w / 2, h / 4 + 130, menunames::kUnloadingScreen));
    TextButton(menu, "Return to Menu ", w / 2, h / 4 + 220, menunames::kUnloadingScreen);
    TextButton(menu, "Exit Game", w / 2, h / 4 + 310, menunames::kExit);
}

}  // namespace

void BuildLevelScreen(int w, int h, bool fullscreen) {
    Hud(w, h, fullscreen);
    for (const ResultPopup& popup : kResults) Result(popup, w, h);
    InGameMenu(w, h);
}
