// The mouse over the menus, and the frame: hit tests, releases that switch menus, popups,
// fades and loading screens.
#include "tests/ui/MenuFixture.h"
#include "ui/ButtonWidget.h"
#include "ui/LoadingScreenWidget.h"

namespace uitest {
namespace {

TEST_F(MenuTest, TheHitTestIncludesBothEdgesOfAnOddWidth) {
    const int id = menus
                       .CreateWidget(kButtonWidget, "", nullptr, 0, "", "M", "", 100, 100, 25, 11,
                                     kWhite, kBlack, kYellow, false, false, 0)
                       .GetId("M");
    Widget& button = *menus.FindWidget(id);
    const struct {
        int x, y;
        bool inside;
    } points[] = {
        {88, 100, true},                     // 100 - 12.5 = 87.5: 88 is inside
        {87, 100, false},                    // just beyond the left edge
        {112, 100, true},                    // 112.5 is the right edge
        {113, 100, false}, {100, 95, true},  // 100 - 5.5 = 94.5
        {100, 94, false},  {100, 105, true}, {100, 106, false},
    };
    for (const auto& point : points) {
        Move(0, 0);
        Move(point.x, point.y);
        EXPECT_EQ(button.hovered, point.inside) << point.x << ", " << point.y;
    }
}

TEST_F(MenuTest, AnInvisibleButtonStillHearsTheMouseAndLeads) {
    const int id = Button("MAIN_MENU", "Hidden", 512, 300, "OPTIONS");
    menus.SetWidgetVisible(id, false);
    Label("OPTIONS", "Options", 512, 100);
    menus.SetCurrentMenu("MAIN_MENU");
    Click(512, 300);
    EXPECT_TRUE(menus.IsLastReleased(id));
    EXPECT_EQ(menus.GetCurrentMenuName(), "OPTIONS");
}

TEST_F(MenuTest, ARunningFadeSwallowsEveryClick) {
    const int play = Button("MAIN_MENU", "Play", 512, 300, "OPTIONS");
    const int other = Button("MAIN_MENU", "Other", 512, 500);
    Label("OPTIONS", "", 0, 0);
    menus.AddTransition("MAIN_MENU", "OPTIONS", kBlack, 0.05f);
    menus.SetCurrentMenu("MAIN_MENU");
    Click(512, 300);
    ASSERT_TRUE(menus.IsTransitioning());
    EXPECT_TRUE(menus.IsLastReleased(play));
    Click(512, 500);
    EXPECT_TRUE(menus.IsLastReleased(play));
    EXPECT_FALSE(menus.FindWidget(other)->hovered);
}

TEST_F(MenuTest, OnTheLevelScreenOnlyThePopupHearsTheMouse) {
    const int hud = Button("LEVEL_SCREEN", "Hud", 512, 300);
    const int restart = Button("IN_GAME_MENU", "Restart Level", 512, 300);
    const int back = Button("MAIN_MENU", "Back", 512, 300);
    const int help = Button("HELP", "Help", 512, 300);
    menus.AddChildMenu("LEVEL_SCREEN", "IN_GAME_MENU");
    menus.AddChildMenu("MAIN_MENU", "HELP");

    menus.SetCurrentMenu("LEVEL_SCREEN");
    menus.SetPopupMenu("IN_GAME_MENU", true);
    Click(512, 300);
    EXPECT_TRUE(menus.IsLastReleased(restart));
    EXPECT_FALSE(menus.FindWidget(hud)->hovered);

    // Elsewhere the popup is drawn but the menu beneath reacts.
    menus.SetCurrentMenu("MAIN_MENU");
    menus.SetPopupMenu("HELP", true);
    Click(512, 300);
    EXPECT_TRUE(menus.IsLastReleased(back));
    EXPECT_FALSE(menus.FindWidget(help)->hovered);
}

TEST_F(MenuTest, AnExitButtonEndsTheRunInsteadOfSwitching) {
    Button("MAIN_MENU", "Exit", 512, 300, "EXIT");
    menus.SetCurrentMenu("MAIN_MENU");
    ASSERT_TRUE(window.IsRunning());
    Click(512, 300);
    EXPECT_FALSE(window.IsRunning());
    EXPECT_EQ(menus.GetCurrentMenuName(), "MAIN_MENU");
}

TEST_F(MenuTest, AnImmediateSwitchEntersTheNewMenusButtonAndTheOldWalkGoesOn) {
    const int first = Button("A", "To B", 512, 300, "B");
    const int second = Button("A", "To C", 512, 300, "C");  // later in A, same place
    const int onB = Button("B", "On B", 512, 300);
    Label("C", "", 0, 0);
    menus.SetCurrentMenu("A");
    Move(512, 300);
    menus.HandleMouse(platform::WM_LBUTTONUP, 512, 300);
    // The switch to B gave B's button its enter event; A's second button still got the
    // release and switched again.
    EXPECT_TRUE(menus.FindWidget(onB)->hovered);
    EXPECT_FALSE(menus.FindWidget(first)->hovered);
    EXPECT_TRUE(menus.IsLastReleased(second));
    EXPECT_EQ(menus.GetCurrentMenuName(), "C");
}

TEST_F(MenuTest, AFadeSwitchesMenusFrameByFrame) {
    const int play = Button("MAIN_MENU", "Play", 512, 300, "OPTIONS");
    Label("OPTIONS", "", 0, 0);
    menus.AddChildMenu("OPTIONS", "MAIN_MENU");
    menus.AddTransition("MAIN_MENU", "OPTIONS", kBlack, 0.05f);
    menus.SetCurrentMenu("MAIN_MENU");
    Move(512, 300);
    menus.HandleMouse(platform::WM_LBUTTONUP, 512, 300);
    ASSERT_TRUE(menus.IsTransitioning());
    // The click left the button at once; a frame of the fade leaves any hovered widget.
    EXPECT_FALSE(menus.FindWidget(play)->hovered);

    int frames = 0;
    while (menus.GetCurrentMenuName() == "MAIN_MENU" && frames < 100) {
        Frame(0.05f);  // 0.125 of the level per frame: opaque in the eighth
        ++frames;
    }
    EXPECT_EQ(frames, 8);
    EXPECT_TRUE(menus.IsTransitioning());
    Click(10, 10);  // swallowed while it falls
    EXPECT_TRUE(menus.IsLastReleased(play));
    frames = 0;
    while (menus.IsTransitioning() && frames < 100) {
        Frame(0.05f);
        ++frames;
    }
    EXPECT_NEAR(frames, 9, 1);  // eight frames of falling, then one that finds it clear
    EXPECT_EQ(menus.GetCurrentMenuName(), "OPTIONS");
}

int loadingRuns = 0;
void CountRun() {
    ++loadingRuns;
}

TEST_F(MenuTest, ALoadingScreenRunsOneStepPerFrameAndMovesOn) {
    menus.CreateWidget(kLoadingScreenWidget, "Loading...", nullptr, 0, "", "LOADING_SCREEN", "",
                       512, 384, 0, 0, kBlack, kWhite, kWhite, false, false, 0);
    Label("LEVEL_SCREEN", "", 0, 0);
    menus.SetCurrentMenu("LOADING_SCREEN");
    menus.SetCurrentMenuTarget("LEVEL_SCREEN");
    auto& loading = static_cast<LoadingScreenWidget&>(*menus.FindWidget(0));
    loadingRuns = 0;
    loading.AddStep(CountRun);
    loading.AddStep(CountRun);
    Frame(0.01f);
    EXPECT_EQ(loadingRuns, 1);
    EXPECT_EQ(menus.GetCurrentMenuName(), "LOADING_SCREEN");
    Frame(0.01f);
    EXPECT_EQ(loadingRuns, 2);
    EXPECT_EQ(menus.GetCurrentMenuName(), "LEVEL_SCREEN");

    // An empty queue moves on in the first frame it is drawn.
    menus.SetCurrentMenu("LOADING_SCREEN");
    Frame(0.01f);
    EXPECT_EQ(menus.GetCurrentMenuName(), "LEVEL_SCREEN");
    // Without a target the screen leaves no menu current; the next frame takes the first.
    menus.SetCurrentMenu("LOADING_SCREEN");
    menus.SetCurrentMenuTarget("NOWHERE");
    Frame(0.01f);
    EXPECT_EQ(menus.GetCurrentMenuName(), "NULL");
}

}  // namespace
}  // namespace uitest
