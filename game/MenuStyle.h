#pragma once
// The colours and widget styles of the menu catalogue, and one call per style onto the menu
// system. Positions are widget centres in window pixels; every caption is used exactly as
// written, trailing blanks included, since a widget places its text by the string's length.
#include <string>

#include "ui/WidgetIdMap.h"

namespace menus {

// RGBA.
inline constexpr float kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
inline constexpr float kWhiteTransparent[4] = {1.0f, 1.0f, 1.0f, 0.0f};
inline constexpr float kBlack[4] = {0.0f, 0.0f, 0.0f, 1.0f};
inline constexpr float kBlackTransparent[4] = {0.0f, 0.0f, 0.0f, 0.0f};
inline constexpr float kGray[4] = {0.5f, 0.5f, 0.5f, 1.0f};
inline constexpr float kGrayHalf[4] = {0.5f, 0.5f, 0.5f, 0.5f};
inline constexpr float kGraySemi[4] = {0.5f, 0.5f, 0.5f, 0.75f};
inline constexpr float kLightGray[4] = {0.8f, 0.8f, 0.8f, 1.0f};
inline constexpr float kYellow[4] = {1.0f, 1.0f, 0.0f, 1.0f};
inline constexpr float kDarkYellow[4] = {0.75f, 0.75f, 0.0f, 1.0f};
inline constexpr float kRed[4] = {1.0f, 0.0f, 0.0f, 1.0f};
inline constexpr float kBlue[4] = {0.5f, 0.5f, 1.0f, 1.0f};

// Every fade of the menus: black, taking 0.4 s to black and 0.4 s back.
inline constexpr float kFadeSpeed = 0.05f;

inline constexpr const char* kRoundButton =
    "./RESOURCES/Art/Textures/UI/Buttons/gray_button_round.bmp";
inline constexpr const char* kLeftArrow = "./RESOURCES/Art/Textures/UI/Buttons/left_arrow_3d.bmp";
inline constexpr const char* kRightArrow = "./RESOURCES/Art/Textures/UI/Buttons/right_arrow_3d.bmp";

// The round grey button, 180 x 50, yellow under the mouse; a start button turns red.
WidgetIdMap MenuButton(const std::string& menu, const char* caption, int x, int y,
                       const std::string& target);
WidgetIdMap StartButton(const std::string& menu, const char* caption, int x, int y,
                        const std::string& target);
// White text on nothing, 250 x 50 unless given, in the buttons' font.
WidgetIdMap Title(const std::string& menu, const char* text, int x, int y, int w = 250);
// A picture with no text.
WidgetIdMap Picture(const std::string& menu, const char* image, int x, int y, int w, int h,
                    bool colourKey);
// A label showing text only, in the given colours and font.
WidgetIdMap TextLabel(const std::string& menu, const char* text, int x, int y, int w, int h,
                      const float* textColour, const float* hoverColour, int font);

}  // namespace menus
