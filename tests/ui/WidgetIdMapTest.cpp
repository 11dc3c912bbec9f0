// Widget id maps: which widget, on which menu, was released last.
#include "tests/ui/MenuFixture.h"

namespace uitest {
namespace {

TEST_F(MenuTest, WasClickedIsALevelThatOnlyAnotherReleaseChanges) {
    const WidgetIdMap win =
        menus.CreateWidget(kButtonWidget, "Replay", nullptr, 0, "", "WIN_DISPLAY", "", 512, 300,
                           180, 50, kWhite, kBlack, kYellow, false, false, 0);
    const int other = Button("WIN_DISPLAY", "Main Menu", 512, 500);
    ASSERT_EQ(win.GetId("WIN_DISPLAY"), 0);
    // Before any release not even id 0 counts as clicked.
    EXPECT_FALSE(win.WasClicked("WIN_DISPLAY", menus));

    menus.SetCurrentMenu("WIN_DISPLAY");
    Click(512, 300);
    EXPECT_TRUE(win.WasClicked("WIN_DISPLAY", menus));
    EXPECT_FALSE(win.WasClicked("DRAW_DISPLAY", menus));  // a menu the map does not name
    Move(0, 0);
    Label("LEVEL_SCREEN", "", 0, 0);
    menus.SetCurrentMenu("LEVEL_SCREEN");
    for (int frame = 0; frame < 5; ++frame) Frame(0.1f);
    EXPECT_TRUE(win.WasClicked("WIN_DISPLAY", menus));

    menus.SetCurrentMenu("WIN_DISPLAY");
    Click(512, 500);
    EXPECT_TRUE(menus.IsLastReleased(other));
    EXPECT_FALSE(win.WasClicked("WIN_DISPLAY", menus));
}

TEST_F(MenuTest, MergingKeepsTheLastIdPerMenuAndAskingAddsNothing) {
    WidgetIdMap start;
    start.Merge(WidgetIdMap(3, "VEHICLE_SELECTION_STORY"));
    start.Merge(WidgetIdMap(9, "VEHICLE_SELECTION_BATTLE_1P"));
    start.Merge(WidgetIdMap(12, "VEHICLE_SELECTION_STORY"));
    EXPECT_EQ(start.GetId("VEHICLE_SELECTION_STORY"), 12);
    EXPECT_EQ(start.GetId("VEHICLE_SELECTION_BATTLE_1P"), 9);
    // A missing menu answers -1 (id 0 is a real widget) and is not added.
    EXPECT_EQ(start.GetId("MAIN_MENU"), -1);
    WidgetIdMap empty;
    EXPECT_EQ(empty.GetId("MAIN_MENU"), -1);
    EXPECT_TRUE(empty.Empty());
    EXPECT_FALSE(start.WasClicked("MAIN_MENU", menus));
}

TEST_F(MenuTest, ASelectorsArrowReleaseLeavesTheSelectorAsLastReleased) {
    const WidgetIdMap selector = menus.CreateSelector(
        kOptionSelectorWidget, "Level Select", "", "l.bmp", "r.bmp", "VERSUS", 512, 400, 450, 50,
        kClear, kWhite, kWhite, kYellow, true, 2, "Bathroom", "Bedroom");
    menus.SetCurrentMenu("VERSUS");
    Click(512 + 187, 400);  // the right arrow: a = 75, centre 512 + 187
    EXPECT_TRUE(selector.WasClicked("VERSUS", menus));
}

}  // namespace
}  // namespace uitest
