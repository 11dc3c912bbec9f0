// The game's own menus driven through the game's own frame with scripted mouse messages:
// from the intro to the main menu, into a level of each kind of selection menu, and out of
// the level by the in-game menu's buttons, through the unloading screen to where each leads.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "game/Application.h"
#include "game/MenuCatalogue.h"
#include "platform/Keyboard.h"
#include "tests/app/TempDir.h"
#include "tests/game/GlobalsFixture.h"
#include "ui/GameFonts.h"
#include "ui/RecordingCanvas.h"
#include "world/World.h"

namespace {

using namespace platform;

constexpr std::uint32_t kFrameMs = 10;

class CatalogueFlow : public GlobalsTest {
protected:
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
        fake.events.Push(WM_MOUSEMOVE, 0, button->x, button->y);
        fake.events.Push(WM_LBUTTONDOWN, MK_LBUTTON, button->x, button->y);
        fake.events.Push(WM_LBUTTONUP, 0, button->x, button->y);
        for (int i = 0; i < 3; ++i) Frame();
    }
    void Escape() {
        for (int i = 0; i < 30; ++i) Frame();
        fake.keyboard.held.insert(vk::Escape);
        Frame();
        fake.keyboard.held.erase(vk::Escape);
    }
    // From the main menu through the clicks to the level screen.
    void EnterLevel(const std::vector<std::string>& clicks) {
        ASSERT_TRUE(FramesUntil("MAIN_MENU"));
        for (const std::string& caption : clicks) {
            Click(caption);
            while (menuSystem.IsTransitioning()) Frame();
        }
        ASSERT_TRUE(FramesUntil("LEVEL_SCREEN", 200));
    }

    RecordingCanvas canvas;
    std::unique_ptr<WorkingDirectory> inside;
};

struct Start {
    const char* name;
    std::vector<std::string> clicks;
    const char* selection;  // where "Return to Menu " leads back to
};

class CatalogueStart : public CatalogueFlow, public ::testing::WithParamInterface<Start> {};

TEST_P(CatalogueStart, EntersALevelAndLeavesItForItsSelectionMenu) {
    EnterLevel(GetParam().clicks);
    ASSERT_NE(world.GetPlayerOne(), nullptr);
    Escape();
    ASSERT_EQ(menuSystem.GetPopupMenuName(), "IN_GAME_MENU");
    Click("Return to Menu ");
    EXPECT_TRUE(FramesUntil(GetParam().selection, 200));
    EXPECT_EQ(world.GetPlayerOne(), nullptr);
}

const Start kStarts[] = {
    {"Battle", {"Single-Player", "Battle Mode ", "To Battle!"}, "VEHICLE_SELECTION_BATTLE_1P"},
    {"Assault", {"Single-Player", "Assault Mode ", "To Battle!"}, "VEHICLE_SELECTION_ASSAULT_1P"},
    {"Survival", {"Single-Player", "Survival", "To Battle!"}, "VEHICLE_SELECTION_SURVIVAL_1P"},
    {"Story", {"Single-Player", "Story Mode ", "Begin Game  "}, "VEHICLE_SELECTION_STORY"},
    {"Versus", {"Multi-Player", "2-Player Vs.", "To Battle!"}, "VEHICLE_SELECTION_BATTLE_2P"},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueStart, ::testing::ValuesIn(kStarts),
                         [](const ::testing::TestParamInfo<Start>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(CatalogueFlow, RestartLevelGoesThroughUnloadingBackIntoTheLevel) {
    EnterLevel({"Single-Player", "Battle Mode ", "To Battle!"});
    Escape();
    Click("Restart Level");
    ASSERT_TRUE(FramesUntil("UNLOADING_SCREEN", 100));
    EXPECT_TRUE(FramesUntil("LEVEL_SCREEN", 200));
    EXPECT_NE(world.GetPlayerOne(), nullptr);
}

TEST_F(CatalogueFlow, ExitGameEndsTheLoopFromTheLevel) {
    EnterLevel({"Single-Player", "Battle Mode ", "To Battle!"});
    Escape();
    Click("Exit Game");
    EXPECT_FALSE(window.IsRunning());
}

TEST_F(CatalogueFlow, TheFirstStoryRoomOpensWithTheChosenRacesIntroduction) {
    EnterLevel({"Single-Player", "Story Mode ", "Begin Game  "});
    EXPECT_TRUE(menuSystem.HasDialogue("terran_intro1"));
    for (int i = 0; i < 30; ++i) Frame();
    EXPECT_TRUE(menuSystem.IsDialogueActive());
    // The introduction's first page types out in the level screen's dialogue box.
    bool typed = false;
    for (int i = 0; i < 200 && !typed; ++i) {
        canvas.Clear();
        Frame();
        for (const std::string& text : canvas.Texts())
            typed = typed || text.find("Davavod to base.") != std::string::npos;
    }
    EXPECT_TRUE(typed);
}

}  // namespace
