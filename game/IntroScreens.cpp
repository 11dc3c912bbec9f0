// The four menus on screen while the program starts: the black backdrop they share, the
// school's splash, the team's splash and the menu-loading caption.
#include "app/Window.h"
#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
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

    IntroPicture(menunames::kBlackBackground, kBlackPicture, w / 2, h / 2, w, h);
    IntroPicture(menunames::kIntro, kSchoolEmblem, w / 2, h / 2 - 50, 128, 128);
    IntroText(menunames::kIntro, "Varnoth Institute of Technology", w / 2, h / 2 + 50, 256, 50,
              kWhite, 0);
    IntroText(menunames::kIntro, "Copyright 2026 Varnoth Institute of Technology", w / 2 + 50,
              h / 2 + 100, 256, 50, kWhite, 1);
    IntroPicture(menunames::kTeamIntro, kTeamLogo, w / 2, h / 2, 450, 450);
    IntroText(menunames::kTeamIntro, "A", w / 2, h / 2 - 240, 256, 50, kWhite, 3);
    IntroText(menunames::kTeamIntro, "Production      ", w / 2, h / 2 + 220, 256, 50, kWhite, 3);
    IntroText(menunames::kMenuLoading, "Loading Menu...", w / 2, h / 2, w, h, kWhiteTransparent, 1);

    menuSystem.ShareWidgets(menunames::kBlackBackground, 3, menunames::kIntro,
                            menunames::kTeamIntro, menunames::kMenuLoading);
    menuSystem.AddTransition(menunames::kIntro, menunames::kTeamIntro, kBlack, kFadeSpeed);
    menuSystem.AddTransition(menunames::kTeamIntro, menunames::kMenuLoading, kBlack, kFadeSpeed);
    menuSystem.SetCurrentMenu(menunames::kIntro);
}
