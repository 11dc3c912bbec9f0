#include "game/WindowProc.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "game/MenuNames.h"
#include "tests/game/GlobalsFixture.h"

namespace mn = menunames;

namespace {

using namespace platform;

struct FlagCase {
    const char* name;
    WindowMessage message;
    bool keyPressed;
    bool mouseClicked;
    bool forwardedToMenus;
};

void PrintTo(const FlagCase& c, std::ostream* os) {
    *os << c.name;
}

class WindowProcFlags : public GlobalsTest, public ::testing::WithParamInterface<FlagCase> {};

// The minimal menus answer a forwarded pointer message by making their first menu current,
// which shows whether the message reached them.
TEST_P(WindowProcFlags, SetsTheFlagsAndForwards) {
    const FlagCase& c = GetParam();
    window.SetRunning(true);
    menuSystem.EnsureMenu(mn::kMainMenu);
    EXPECT_EQ(WindowProc(c.message), 0);
    EXPECT_EQ(window.WasKeyPressed(), c.keyPressed);
    EXPECT_EQ(window.WasMouseClicked(), c.mouseClicked);
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), c.forwardedToMenus ? mn::kMainMenu : "NULL");
    EXPECT_TRUE(window.IsRunning());
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    WindowProc, WindowProcFlags,
    ::testing::Values(
        FlagCase{"AnyOtherMessageSetsNeither", {0x0101, 0x44, 0, 0}, false, false, false},
        FlagCase{"KeyDown", {WM_KEYDOWN, 0x44, 0, 0}, true, false, false},
        FlagCase{"KeyDownWithoutKey", {WM_KEYDOWN, 0, 0, 0}, false, false, false},
        FlagCase{"LeftDown", {WM_LBUTTONDOWN, MK_LBUTTON, 10, 20}, false, true, true},
        FlagCase{"LeftDownWhileRightHeld",
                 {WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 10, 20},
                 false,
                 true,
                 false},
        FlagCase{
            "LeftDownWithShift", {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, 1, 2}, false, true, false},
        FlagCase{"LeftUp", {WM_LBUTTONUP, 0, 10, 20}, false, false, true},
        FlagCase{"RightDown", {WM_RBUTTONDOWN, MK_RBUTTON, 10, 20}, false, true, false},
        FlagCase{"MoveWithButtonHeld", {WM_MOUSEMOVE, MK_LBUTTON, 5, 5}, false, false, true},
        FlagCase{
            "ScreenSaverSwallowed", {WM_SYSCOMMAND, SC_SCREENSAVE, 0, 0}, false, false, false}),
    [](const ::testing::TestParamInfo<FlagCase>& info) { return std::string(info.param.name); });

// The screens may look at the flags frames after the press, with other messages between.
TEST_F(GlobalsTest, APressIsSeenOnceWhateverFollowsIt) {
    WindowProc({WM_KEYDOWN, 0x44, 0, 0});
    WindowProc({WM_RBUTTONDOWN, MK_RBUTTON, 10, 20});
    WindowProc({0x0101, 0x44, 0, 0});
    WindowProc({WM_MOUSEMOVE, 0, 5, 5});
    EXPECT_TRUE(window.WasKeyPressed());
    EXPECT_TRUE(window.WasMouseClicked());
    EXPECT_FALSE(window.WasKeyPressed());
    EXPECT_FALSE(window.WasMouseClicked());
}

TEST_F(GlobalsTest, DestroyClearsTheRunningFlag) {
    window.SetRunning(true);
    WindowProc({WM_DESTROY, 0, 0, 0});
    EXPECT_FALSE(window.IsRunning());
}

TEST_F(GlobalsTest, ResizeBeforeTheRendererExistsIsIgnored) {
    ASSERT_EQ(graphicsSystem.renderer, nullptr);
    EXPECT_EQ(WindowProc({WM_SIZE, 0, 1280, 1024}), 0);
}

struct EscapeCase {
    const char* name;
    const char* menu;
    bool answer;
    bool asked;
    bool runningAfter;
};

void PrintTo(const EscapeCase& c, std::ostream* os) {
    *os << c.name;
}

class WindowProcEscape : public GlobalsTest, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(WindowProcEscape, AsksOffTheLevelScreenOnly) {
    const EscapeCase& c = GetParam();
    window.SetRunning(true);
    if (*c.menu) {
        menuSystem.EnsureMenu(c.menu);
        menuSystem.SetCurrentMenu(c.menu);
    }
    fake.dialogs.answers = {c.answer};
    WindowProc({WM_KEYDOWN, static_cast<std::uint32_t>(vk::Escape), 0, 0});
    EXPECT_TRUE(window.WasKeyPressed());
    ASSERT_EQ(fake.dialogs.shown.size(), c.asked ? 1u : 0u);
    if (c.asked) {
        EXPECT_EQ(fake.dialogs.shown[0].text, "Do you really want to exit the game?");
        EXPECT_EQ(fake.dialogs.shown[0].caption, "Exit Brask?");
    }
    EXPECT_EQ(window.IsRunning(), c.runningAfter);
}

INSTANTIATE_TEST_SUITE_P(
    WindowProc, WindowProcEscape,
    ::testing::Values(EscapeCase{"MainMenuNo", mn::kMainMenu, false, true, true},
                      EscapeCase{"MainMenuYes", mn::kMainMenu, true, true, false},
                      EscapeCase{"NoMenuYet", "", true, true, false},
                      EscapeCase{"LevelScreen", mn::kLevelScreen, true, false, true}),
    [](const ::testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

}  // namespace
