#include "game/MenuStyle.h"

#include "ui/MenuSystem.h"

namespace menus {
namespace {

constexpr int kButtonWidth = 180;
constexpr int kButtonHeight = 50;
constexpr int kTitleHeight = 50;

WidgetIdMap RoundButton(const std::string& menu, const char* caption, int x, int y,
                        const std::string& target, const float* hover) {
    return menuSystem.CreateWidget(kButtonWidget, caption, nullptr, 0, kRoundButton, menu, target,
                                   x, y, kButtonWidth, kButtonHeight, kWhite, kBlack, hover, true,
                                   true, 0);
}

}  // namespace

WidgetIdMap MenuButton(const std::string& menu, const char* caption, int x, int y,
                       const std::string& target) {
    return RoundButton(menu, caption, x, y, target, kYellow);
}

WidgetIdMap StartButton(const std::string& menu, const char* caption, int x, int y,
                        const std::string& target) {
    return RoundButton(menu, caption, x, y, target, kRed);
}

WidgetIdMap Title(const std::string& menu, const char* text, int x, int y, int w) {
    return menuSystem.CreateWidget(kLabelWidget, text, nullptr, 0, "", menu, "", x, y, w,
                                   kTitleHeight, kWhiteTransparent, kWhite, kWhite, false, false,
                                   0);
}

WidgetIdMap Picture(const std::string& menu, const char* image, int x, int y, int w, int h,
                    bool colourKey) {
    return menuSystem.CreateWidget(kLabelWidget, "", nullptr, 0, image, menu, "", x, y, w, h,
                                   kWhite, kWhite, kWhite, false, colourKey, 0);
}

WidgetIdMap TextLabel(const std::string& menu, const char* text, int x, int y, int w, int h,
                      const float* textColour, const float* hoverColour, int font) {
    return menuSystem.CreateWidget(kLabelWidget, text, nullptr, 0, "", menu, "", x, y, w, h,
                                   kWhiteTransparent, textColour, hoverColour, false, false, font);
}

}  // namespace menus
