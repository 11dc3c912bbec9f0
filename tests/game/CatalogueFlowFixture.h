#pragma once
// The game's own start-up, menu catalogue and frame against the platform fakes, with the
// menus drawn on a recording canvas: a test clicks the real buttons with scripted mouse
// messages and plays frames of 10 ms.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "game/Application.h"
#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
#include "platform/Keyboard.h"
#include "tests/app/TempDir.h"
#include "tests/game/GlobalsFixture.h"
#include "ui/GameFonts.h"
#include "ui/RecordingCanvas.h"
#include "world/World.h"

class CatalogueFlow : public GlobalsTest {
protected:
    static constexpr std::uint32_t kFrameMs = 10;

    void SetUp() override {
        GlobalsTest::SetUp();
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        application.Init();
        // No GL here: the menus draw on a recording canvas.
        graphicsSystem.Shutdown();
        SetMenuCanvas(&canvas);
        menuSystem.DeleteFonts();
        for (const GameFont& font : kGameFonts)
            menuSystem.CreateFont(kGameFontFace, font.height, font.bold, false, false);
        world.ResetResourceCache();
        frameTimer.Init(false);
        fake.clock.milliseconds = 1000;
        frameTimer.Update();
        BuildIntroScreens();
        application.SetMenuBuilder(BuildMenus);
    }
    void TearDown() override {
        application.EndLevel(LeaveButton::Other);
        GlobalsTest::TearDown();
        inside.reset();
    }

    void Frame() {
        fake.clock.milliseconds += kFrameMs;
        RunFrame();
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) Frame();
    }
    bool FramesUntil(const std::string& menu, int limit = 1000) {
        for (int i = 0; i < limit && menuSystem.GetCurrentMenuName() != menu; ++i) Frame();
        return menuSystem.GetCurrentMenuName() == menu;
    }
    // Clicks the button of that caption on the popup when one shows, else on the menu.
    void Click(const std::string& caption) {
        // The mouse waits for a running fade to end.
        for (int i = 0; i < 200 && menuSystem.IsTransitioning(); ++i) Frame();
        // A result popup or the in-game menu takes the mouse; an information popup has no
        // buttons, so the menu beneath keeps them.
        const Widget* button = nullptr;
        for (const std::string& name :
             {menuSystem.GetPopupMenuName(), menuSystem.GetCurrentMenuName()}) {
            const MenuSystem::Menu* menu = menuSystem.FindMenu(name);
            if (!menu || button) continue;
            for (const MenuSystem::WidgetNode& node : menu->widgets)
                if (node.widget->type == kButtonWidget && node.widget->name == caption)
                    button = node.widget.get();
        }
        ASSERT_NE(button, nullptr) << caption << " on " << menuSystem.GetCurrentMenuName();
        fake.events.Push(platform::WM_MOUSEMOVE, 0, button->x, button->y);
        fake.events.Push(platform::WM_LBUTTONDOWN, platform::MK_LBUTTON, button->x, button->y);
        fake.events.Push(platform::WM_LBUTTONUP, 0, button->x, button->y);
        for (int i = 0; i < 3; ++i) Frame();
    }
    void Escape() {
        for (int i = 0; i < 30; ++i) Frame();
        fake.keyboard.held.insert(platform::vk::Escape);
        Frame();
        fake.keyboard.held.erase(platform::vk::Escape);
    }
    // From the main menu through the clicks to the level screen.
    void EnterLevel(const std::vector<std::string>& clicks) {
        ASSERT_TRUE(FramesUntil(menunames::kMainMenu));
        ClickThrough(clicks);
        ASSERT_TRUE(FramesUntil(menunames::kLevelScreen, 200));
    }
    void ClickThrough(const std::vector<std::string>& clicks) {
        for (const std::string& caption : clicks) {
            Click(caption);
            while (menuSystem.IsTransitioning()) Frame();
        }
    }

    RecordingCanvas canvas;
    std::unique_ptr<WorkingDirectory> inside;
};
