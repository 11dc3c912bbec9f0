// Menus and their nodes: the id sequence, menus made on demand, fades, shared backgrounds,
// child menus, popups, lookup and release.
#include "tests/ui/MenuFixture.h"
#include "ui/FadeTransitionWidget.h"
#include "ui/LabelWidget.h"

namespace uitest {
namespace {

TEST_F(MenuTest, IdsComeFromOneCounterShared_WithFadesAndSelectors) {
    EXPECT_EQ(Label("MAIN_MENU", "Title", 512, 100), 0);
    EXPECT_EQ(Button("OPTIONS", "Back", 512, 600), 1);
    menus.AddTransition("MAIN_MENU", "OPTIONS", kBlack, 0.05f);  // takes 2 and 3
    EXPECT_EQ(Button("MAIN_MENU", "Options", 512, 300), 4);
    const WidgetIdMap selector = menus.CreateSelector(
        kOptionSelectorWidget, "AI Difficulty", "", "left.bmp", "right.bmp", "OPTIONS", 512, 400,
        300, 50, kClear, kWhite, kWhite, kYellow, true, 2, "Medium ", "Hard ");
    // Its value label is 5, the arrows 6 and 7, the selector itself 8.
    EXPECT_EQ(selector.GetId("OPTIONS"), 8);
    EXPECT_EQ(menus.FindWidget(5)->type, kLabelWidget);
    EXPECT_EQ(menus.FindWidget(8)->type, kOptionSelectorWidget);
    EXPECT_EQ(Label("OPTIONS", "after", 0, 0), 9);
}

TEST_F(MenuTest, AButtonsTargetMenuIsMadeOnDemandAndFilledLater) {
    Button("MAIN_MENU", "Credits", 512, 300, "CREDITS");
    ASSERT_NE(menus.FindMenu("CREDITS"), nullptr);
    EXPECT_TRUE(menus.FindMenu("CREDITS")->widgets.empty());
    Label("CREDITS", "Made by us", 512, 200);
    EXPECT_EQ(menus.GetMenus().size(), 2u);
    EXPECT_EQ(menus.FindMenu("CREDITS")->widgets.size(), 1u);
    EXPECT_EQ(menus.GetMenus().back().name, "CREDITS");
}

TEST_F(MenuTest, ATransitionBeforeBothMenusExistIsDroppedAndTheSwitchIsImmediate) {
    Label("INTRO", "", 0, 0);
    menus.AddTransition("INTRO", "MAIN_MENU", kBlack, 0.05f);
    EXPECT_EQ(menus.GetLastWidgetId(), 0);
    Label("MAIN_MENU", "", 0, 0);
    menus.SetCurrentMenu("INTRO");
    menus.GoToMenu("MAIN_MENU");
    EXPECT_FALSE(menus.IsTransitioning());
    EXPECT_EQ(menus.GetCurrentMenuName(), "MAIN_MENU");
}

TEST_F(MenuTest, SharingFromAnEmptySourceSharesNothingEvenLater) {
    menus.EnsureMenu("STARS_BACKGROUND");
    Label("MAIN_MENU", "Menu", 512, 100);
    Label("CREDITS", "Credits", 512, 100);
    menus.ShareWidgets("STARS_BACKGROUND", 1, "MAIN_MENU");
    Label("STARS_BACKGROUND", "stars", 512, 384);
    menus.ShareWidgets("STARS_BACKGROUND", 2, "CREDITS", "NO_SUCH_MENU");
    Label("STARS_BACKGROUND", "more stars", 512, 384);  // added behind: still shared

    EXPECT_EQ(menus.FindMenu("MAIN_MENU")->sharedWidgets, nullptr);
    menus.SetCurrentMenu("CREDITS");
    Frame(0.01f);
    EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"stars", "more stars", "Credits"}));
}

TEST_F(MenuTest, AnEleventhChildIsNotStored) {
    Label("LEVEL_SCREEN", "", 0, 0);
    for (int i = 0; i < 11; ++i) {
        const std::string child = "POPUP" + std::to_string(i);
        Label(child, "", 0, 0);
        menus.AddChildMenu("LEVEL_SCREEN", child);
    }
    EXPECT_TRUE(menus.IsChildMenu("LEVEL_SCREEN", "POPUP9"));
    EXPECT_FALSE(menus.IsChildMenu("LEVEL_SCREEN", "POPUP10"));
    EXPECT_FALSE(menus.IsChildMenu("LEVEL_SCREEN", "NOT_A_MENU"));
}

// The popup rules, from a known popup state, one call each.
struct PopupCase {
    const char* name;
    const char* before;  // popup shown before the call ("" none)
    enum { Set, Hide, Toggle } call;
    const char* menu;
    const char* after;
};

class PopupTest : public MenuTest, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(PopupTest, FollowsTheRules) {
    const PopupCase& c = GetParam();
    Label("LEVEL_SCREEN", "", 0, 0);
    for (const char* child : {"WIN_DISPLAY", "IN_GAME_MENU"}) {
        Label(child, "", 0, 0);
        menus.AddChildMenu("LEVEL_SCREEN", child);
    }
    Label("MAIN_MENU", "", 0, 0);
    menus.SetCurrentMenu("LEVEL_SCREEN");
    if (c.before[0]) menus.SetPopupMenu(c.before, true);
    ASSERT_EQ(menus.GetPopupMenuName(), c.before);
    switch (c.call) {
        case PopupCase::Set:
            menus.SetPopupMenu(c.menu, true);
            break;
        case PopupCase::Hide:
            menus.SetPopupMenu(c.menu, false);
            break;
        case PopupCase::Toggle:
            menus.TogglePopupMenu(c.menu);
            break;
    }
    EXPECT_EQ(menus.GetPopupMenuName(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PopupTest,
    ::testing::Values(
        PopupCase{"set_child", "", PopupCase::Set, "WIN_DISPLAY", "WIN_DISPLAY"},
        PopupCase{"set_non_child_keeps", "WIN_DISPLAY", PopupCase::Set, "MAIN_MENU", "WIN_DISPLAY"},
        PopupCase{"set_empty_name_keeps", "WIN_DISPLAY", PopupCase::Set, "", "WIN_DISPLAY"},
        PopupCase{"hide_whatever_name", "WIN_DISPLAY", PopupCase::Hide, "OTHER", ""},
        PopupCase{"toggle_shown_hides", "WIN_DISPLAY", PopupCase::Toggle, "WIN_DISPLAY", ""},
        PopupCase{"toggle_other_child_shows", "WIN_DISPLAY", PopupCase::Toggle, "IN_GAME_MENU",
                  "IN_GAME_MENU"},
        PopupCase{"toggle_non_child_hides", "WIN_DISPLAY", PopupCase::Toggle, "MAIN_MENU", ""},
        PopupCase{"toggle_unknown_hides", "IN_GAME_MENU", PopupCase::Toggle, "NOWHERE", ""},
        PopupCase{"toggle_empty_keeps", "IN_GAME_MENU", PopupCase::Toggle, "", "IN_GAME_MENU"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuTest, CallsThatNeedACurrentMenuDoNothingWithoutOne) {
    Label("LEVEL_SCREEN", "", 0, 0);
    menus.AddTransition("LEVEL_SCREEN", "LEVEL_SCREEN", kBlack, 0.05f);
    menus.GoToMenu("LEVEL_SCREEN");
    menus.SetPopupMenu("LEVEL_SCREEN", true);
    menus.TogglePopupMenu("LEVEL_SCREEN");
    menus.SetCurrentMenuTarget("LEVEL_SCREEN");
    EXPECT_FALSE(menus.HasDialogue("objectives"));
    EXPECT_EQ(menus.GetCurrentMenuName(), "NULL");
    EXPECT_EQ(menus.GetPopupMenuName(), "");
    EXPECT_FALSE(menus.IsTransitioning());

    // A current menu without widgets has no first node to aim.
    menus.EnsureMenu("LOADING_SCREEN");
    menus.SetCurrentMenu("LOADING_SCREEN");
    menus.SetCurrentMenuTarget("LEVEL_SCREEN");
    EXPECT_EQ(menus.GetCurrentMenuName(), "LOADING_SCREEN");
}

TEST_F(MenuTest, LookupFindsWidgetNodesOnlyAndVisibilityFollowsIt) {
    const int label = Label("MAIN_MENU", "Title", 0, 0);
    Label("OPTIONS", "", 0, 0);
    menus.AddTransition("MAIN_MENU", "OPTIONS", kBlack, 0.05f);
    const int fadeId = menus.GetLastWidgetId();
    EXPECT_EQ(menus.FindWidget(fadeId), nullptr);
    menus.SetWidgetVisible(fadeId, false);  // no effect on the fade
    EXPECT_TRUE(menus.FindMenu("OPTIONS")->transitions.front().widget->visible);
    menus.SetWidgetVisible(label, false);
    EXPECT_FALSE(menus.FindWidget(label)->visible);
    EXPECT_EQ(menus.FindWidget(99), nullptr);
}

TEST_F(MenuTest, DeleteAllLeavesNoMenuPointerBehind) {
    Label("LEVEL_SCREEN", "", 0, 0);
    Label("WIN_DISPLAY", "", 0, 0);
    Label("MAIN_MENU", "", 0, 0);
    menus.AddChildMenu("LEVEL_SCREEN", "WIN_DISPLAY");
    menus.AddTransition("LEVEL_SCREEN", "MAIN_MENU", kBlack, 0.05f);
    menus.SetCurrentMenu("LEVEL_SCREEN");
    menus.SetPopupMenu("WIN_DISPLAY", true);
    menus.GoToMenu("MAIN_MENU");
    ASSERT_TRUE(menus.IsTransitioning());

    menus.DeleteAll();
    EXPECT_EQ(menus.GetCurrentMenuName(), "NULL");
    EXPECT_EQ(menus.GetPopupMenuName(), "");
    EXPECT_FALSE(menus.IsTransitioning());
    Frame(0.1f);  // nothing left to draw or to switch to
    Move(10, 10);
    EXPECT_EQ(menus.GetCurrentMenuName(), "NULL");
    const int before = menus.GetLastWidgetId();
    EXPECT_EQ(Label("NEW", "", 0, 0), before + 1);  // ids are never reused
}

TEST_F(MenuTest, TextureScrollReachesTheLabelsOfThatMenu) {
    menus.CreateWidget(kLabelWidget, "", nullptr, 0, "stars.bmp", "STARS_BACKGROUND", "", 512, 384,
                       1024, 768, kWhite, kWhite, kWhite, false, false, 0);
    menus.SetTextureScroll("STARS_BACKGROUND", 1.0f, 1.0f, 0.1f);
    menus.SetTextureScroll("NOWHERE", 1.0f, 1.0f, 0.1f);
    menus.SetCurrentMenu("STARS_BACKGROUND");
    for (int i = 0; i < 3; ++i) Frame(1.0f);
    // Offsets 0, 0.1, 0.2 units: 0.1 texture units per second in both directions.
    std::vector<float> offsets;
    for (const auto& call : canvas.Of(RecordingCanvas::Kind::TextureOffset))
        if (call.x != 0 || call.y != 0) offsets.push_back(call.x);
    ASSERT_EQ(offsets.size(), 2u);
    EXPECT_FLOAT_EQ(offsets[0], 0.1f);
    EXPECT_FLOAT_EQ(offsets[1], 0.2f);
}

}  // namespace
}  // namespace uitest
