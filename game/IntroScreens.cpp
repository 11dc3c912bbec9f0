// The four menus on screen while the program starts: the black backdrop they share, the
// school's splash, the team's splash and the menu-loading caption.
#include "app/Window.h"
#include "game/MenuCatalogue.h"
#include "game/MenuStyle.h"
#include "ui/MenuSystem.h"

namespace {

using namespace menus;

constexpr const char* kBlackPicture = "./RESOURCES/Art/Textures/UI/Backgrounds/black.jpg";
constexpr const char* kSchoolEmblem = "./RESOURCES/Art/Textures/UI/Backgrounds/varnoth.jpg";
constexpr const char* kTeamLogo = "./RESOURCES/Art/Textures/UI/Backgrounds/dovk-logo2.jpg";

// A picture in white, as every intro picture is drawn.
void IntroPicture(const char* menu, const char* image, int x, int y, int w, int h) {
    menuSystem.CreateWidget(kLabelWidget, "", nullptr, 0, image, menu, "", x, y, w, h, kWhite,
                            kWhite, kWhite, false, false, 0);
}

// White text only; `hover` is the colour the text label takes under the mouse.
void IntroText(const char* menu, const char* text, int x, int y, int w, int h, const float* hover,
               int font) {
    menuSystem.CreateWidget(kLabelWidget, text, nullptr, 0, "", menu, "", x, y, w, h,
                            kWhiteTransparent, kWhite, hover, false, false, font);
}

}  // namespace

void BuildIntroScreens() {
    const int w = window.GetWidth();
    const int h = window.GetHeight();

    IntroPicture("BLACK_BACKGROUND", kBlackPicture, w / 2, h / 2, w, h);
    IntroPicture("INTRO", kSchoolEmblem, w / 2, h / 2 - 50, 128, 128);
    IntroText("INTRO", "Varnoth Institute of Technology", w / 2, h / 2 + 50, 256, 50, kWhite, 0);
    IntroText("INTRO", "Copyright 2026 Varnoth Institute of Technology", w / 2 + 50, h / 2 + 100,
              256, 50, kWhite, 1);
    IntroPicture("TEAM_INTRO", kTeamLogo, w / 2, h / 2, 450, 450);
    IntroText("TEAM_INTRO", "A", w / 2, h / 2 - 240, 256, 50, kWhite, 3);
    IntroText("TEAM_INTRO", "Production      ", w / 2, h / 2 + 220, 256, 50, kWhite, 3);
    IntroText("MENU_LOADING", "Loading Menu...", w / 2, h / 2, w, h, kWhiteTransparent, 1);

    menuSystem.ShareWidgets("BLACK_BACKGROUND", 3, "INTRO", "TEAM_INTRO", "MENU_LOADING");
    menuSystem.AddTransition("INTRO", "TEAM_INTRO", kBlack, kFadeSpeed);
    menuSystem.AddTransition("TEAM_INTRO", "MENU_LOADING", kBlack, kFadeSpeed);
    menuSystem.SetCurrentMenu("INTRO");
}
