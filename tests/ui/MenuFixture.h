#pragma once
// A menu system of its own on the recording canvas, with the platform fakes, a game window of
// 1024 x 768 and a frame time the test sets.
#include <gtest/gtest.h>

#include "app/Window.h"
#include "platform/fake/FakePlatform.h"
#include "ui/GameFonts.h"
#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"
#include "ui/RecordingCanvas.h"

namespace uitest {

inline float frameSeconds = 0.0f;

const float kWhite[4] = {1, 1, 1, 1};
const float kBlack[4] = {0, 0, 0, 1};
const float kYellow[4] = {1, 1, 0, 1};
const float kClear[4] = {1, 1, 1, 0};

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.Init("Brask", "Beta 0.90a", nullptr, 1024, 768, 32, true);
        SetMenuCanvas(&canvas);
        frameSeconds = 0.0f;
        SetMenuDeltaTimeSource([] { return frameSeconds; });
        for (const GameFont& font : kGameFonts)
            menus.CreateFont(kGameFontFace, font.height, font.bold, false, false);
    }
    void TearDown() override {
        menus.Shutdown();
        SetMenuDeltaTimeSource(nullptr);
        SetMenuCanvas(nullptr);
        window.Destroy();
        window.SetRunning(false);
    }

    // A plain text button of 180 x 50 leading to `target`.
    int Button(const std::string& menu, const char* caption, int x, int y,
               const std::string& target = "", const char* image = "") {
        return menus
            .CreateWidget(kButtonWidget, caption, nullptr, 0, image, menu, target, x, y, 180, 50,
                          kWhite, kBlack, kYellow, false, false, 0)
            .GetId(menu);
    }
    int Label(const std::string& menu, const char* text, int x, int y, int font = 0) {
        return menus
            .CreateWidget(kLabelWidget, text, nullptr, 0, "", menu, "", x, y, 250, 50, kClear,
                          kWhite, kWhite, false, false, font)
            .GetId(menu);
    }
    // One frame of `seconds`.
    void Frame(float seconds) {
        frameSeconds = seconds;
        menus.Draw();
    }
    void Move(int x, int y) { menus.HandleMouse(platform::WM_MOUSEMOVE, x, y); }
    void Click(int x, int y) {
        Move(x, y);
        menus.HandleMouse(platform::WM_LBUTTONDOWN, x, y);
        menus.HandleMouse(platform::WM_LBUTTONUP, x, y);
    }

    platform::FakePlatform fake;
    RecordingCanvas canvas;
    MenuSystem menus;
};

}  // namespace uitest
