// The menu catalogue as data: what BuildIntroScreens and BuildMenus make, compared with the
// game's own list of menus, buttons, fades, shared backgrounds, popups and widget ids; and
// the front end walked with the mouse through the real menus.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/Window.h"
#include "game/Application.h"
#include "game/Globals.h"
#include "game/LevelCatalogue.h"
#include "game/MenuCatalogue.h"
#include "game/Results.h"
#include "game/WidgetIds.h"
#include "platform/fake/FakePlatform.h"
#include "tests/app/TempDir.h"
#include "ui/ButtonWidget.h"
#include "ui/LabelWidget.h"
#include "ui/LoadingScreenWidget.h"
#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"
#include "ui/ModelSelectorWidget.h"
#include "ui/OptionSelectorWidget.h"
#include "ui/RecordingCanvas.h"

namespace {

using Menu = MenuSystem::Menu;

float frameSeconds = 0.0f;

class MenuCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.Init("Brask", "Beta 0.90a", nullptr, 1024, 768, 32, true);
        SetMenuCanvas(&canvas);
        SetMenuDeltaTimeSource([] { return frameSeconds; });
        BuildIntroScreens();
        BuildMenus();
    }
    void TearDown() override {
        SetMenuDeltaTimeSource(nullptr);
        ResetGlobals();
    }

    static const Menu& MenuNamed(const std::string& name) {
        const Menu* menu = menuSystem.FindMenu(name);
        EXPECT_NE(menu, nullptr) << name;
        static const Menu none;
        return menu ? *menu : none;
    }

    // The widget with that id on that menu, when it is of the type asked for.
    template <class T>
    static T* Typed(const std::string& menu, int id) {
        for (const MenuSystem::WidgetNode& node : MenuNamed(menu).widgets)
            if (node.id == id) return dynamic_cast<T*>(node.widget.get());
        return nullptr;
    }

    // A button of that caption on that menu, or null.
    static const MenuSystem::WidgetNode* Button(const std::string& menu,
                                                const std::string& caption) {
        for (const MenuSystem::WidgetNode& node : MenuNamed(menu).widgets)
            if (node.widget->type == kButtonWidget && node.widget->name == caption) return &node;
        return nullptr;
    }

    static bool HasFadeTo(const std::string& menu, const std::string& target) {
        for (const MenuSystem::WidgetNode& node : MenuNamed(menu).transitions)
            if (node.target && node.target->name == target) return true;
        return false;
    }

    // Mouse messages as the window sends them, then frames until any fade has run out.
    void Click(int x, int y) {
        menuSystem.HandleMouse(platform::WM_MOUSEMOVE, x, y);
        menuSystem.HandleMouse(platform::WM_LBUTTONDOWN, x, y);
        menuSystem.HandleMouse(platform::WM_LBUTTONUP, x, y);
        Frames(1);
        while (menuSystem.IsTransitioning()) Frames(1);
    }
    void ClickButton(const std::string& caption) {
        const MenuSystem::WidgetNode* node = Button(menuSystem.GetCurrentMenuName(), caption);
        ASSERT_NE(node, nullptr) << caption << " on " << menuSystem.GetCurrentMenuName();
        Click(node->widget->x, node->widget->y);
    }
    void Frames(int count) {
        frameSeconds = 1.0f / 60.0f;
        for (int i = 0; i < count; ++i) menuSystem.Draw();
    }

    platform::FakePlatform fake;
    WorkingDirectory buildTree{BRASK_BUILD_DIR};
    RecordingCanvas canvas;
};

// Every button of the catalogue: where it stands, what it says, where it leads, and whether
// the way there goes through a black fade.
struct Way {
    const char* menu;
    const char* caption;
    const char* target;
    bool fade;
};

const Way kWays[] = {
    {"MAIN_MENU", "Single-Player", "SINGLE_PLAYER_OPTIONS", false},
    {"MAIN_MENU", "Multi-Player", "MULTI_PLAYER_OPTIONS", false},
    {"MAIN_MENU", "Options ", "OPTIONS", true},
    {"MAIN_MENU", "Credits", "CREDITS", true},
    {"MAIN_MENU", "Exit", "EXIT", false},
    {"SINGLE_PLAYER_OPTIONS", "Story Mode ", "VEHICLE_SELECTION_STORY", true},
    {"SINGLE_PLAYER_OPTIONS", "Battle Mode ", "VEHICLE_SELECTION_BATTLE_1P", true},
    {"SINGLE_PLAYER_OPTIONS", "Assault Mode ", "VEHICLE_SELECTION_ASSAULT_1P", true},
    {"SINGLE_PLAYER_OPTIONS", "Survival", "VEHICLE_SELECTION_SURVIVAL_1P", true},
    {"SINGLE_PLAYER_OPTIONS", "Back ", "MAIN_MENU", false},
    {"MULTI_PLAYER_OPTIONS", "2-Player Vs.", "VEHICLE_SELECTION_BATTLE_2P", true},
    {"MULTI_PLAYER_OPTIONS", "Back ", "MAIN_MENU", false},
    {"OPTIONS", "Return ", "MAIN_MENU", true},
    {"CREDITS", "Return ", "MAIN_MENU", true},
    {"BACKSTORY1", "Previous ", "BACKSTORY5", false},
    {"BACKSTORY1", "Next ", "BACKSTORY2", false},
    {"BACKSTORY3", "Previous ", "BACKSTORY2", false},
    {"BACKSTORY3", "Next ", "BACKSTORY4", false},
    {"BACKSTORY5", "Next ", "BACKSTORY1", false},
    {"BACKSTORY5", "Return", "VEHICLE_SELECTION_STORY", false},
    {"VEHICLE_SELECTION_STORY", "Begin Game  ", "LOADING_SCREEN", true},
    {"VEHICLE_SELECTION_STORY", "Return ", "MAIN_MENU", true},
    {"VEHICLE_SELECTION_STORY", "Backstory ", "BACKSTORY1", false},
    {"VEHICLE_SELECTION_BATTLE_1P", "To Battle!", "LOADING_SCREEN", true},
    {"VEHICLE_SELECTION_BATTLE_1P", "Return ", "MAIN_MENU", true},
    {"VEHICLE_SELECTION_ASSAULT_1P", "To Battle!", "LOADING_SCREEN", true},
    {"VEHICLE_SELECTION_ASSAULT_1P", "Return ", "MAIN_MENU", true},
    {"VEHICLE_SELECTION_BATTLE_2P", "To Battle!", "LOADING_SCREEN", true},
    {"VEHICLE_SELECTION_BATTLE_2P", "Return ", "MAIN_MENU", true},
    {"VEHICLE_SELECTION_SURVIVAL_1P", "To Battle!", "LOADING_SCREEN", true},
    {"VEHICLE_SELECTION_SURVIVAL_1P", "Return ", "MAIN_MENU", true},
    {"WIN_DISPLAY", "Next Level", "UNLOADING_SCREEN", false},
    {"BATTLE_WIN_DISPLAY", "Replay Level", "UNLOADING_SCREEN", false},
    {"LOSE_DISPLAY", "Return to Menu ", "UNLOADING_SCREEN", false},
    {"DRAW_DISPLAY", "Exit Game", "EXIT", false},
    {"CONGRATS_DISPLAY", "Return to Menu ", "UNLOADING_SCREEN", false},
    {"P2_WIN", "Replay Level", "UNLOADING_SCREEN", false},
    {"IN_GAME_MENU", "Restart Level", "UNLOADING_SCREEN", false},
    {"IN_GAME_MENU", "Exit Game", "EXIT", false},
};

TEST_F(MenuCatalogueTest, EveryButtonLeadsWhereTheCatalogueSaysThroughAFadeOrAtOnce) {
    for (const Way& way : kWays) {
        SCOPED_TRACE(std::string(way.menu) + " \"" + way.caption + "\"");
        const MenuSystem::WidgetNode* node = Button(way.menu, way.caption);
        ASSERT_NE(node, nullptr);
        ASSERT_NE(node->target, nullptr);
        EXPECT_EQ(node->target->name, way.target);
        // The popups of the level screen fade through the level screen's own pair.
        const bool popup = menuSystem.IsChildMenu("LEVEL_SCREEN", way.menu);
        if (!popup) {
            EXPECT_EQ(HasFadeTo(way.menu, way.target), way.fade);
        }
    }
}

TEST_F(MenuCatalogueTest, ThirtySixMenusInTheirFinalShape) {
    EXPECT_EQ(menuSystem.GetMenus().size(), 36u);
    // Each fade pair gives both menus a fade; the intro adds two pairs.
    std::size_t fades = 0;
    for (const Menu& menu : menuSystem.GetMenus()) fades += menu.transitions.size();
    EXPECT_EQ(fades, 2u * (26 + 2));
    EXPECT_TRUE(HasFadeTo("MENU_LOADING", "MAIN_MENU"));
    EXPECT_TRUE(HasFadeTo("LEVEL_SCREEN", "UNLOADING_SCREEN"));
    EXPECT_TRUE(HasFadeTo("UNLOADING_SCREEN", "LOADING_SCREEN"));
    EXPECT_FALSE(HasFadeTo("MAIN_MENU", "SINGLE_PLAYER_OPTIONS"));
    // The menu that the exit buttons name stays empty.
    EXPECT_TRUE(MenuNamed("EXIT").widgets.empty());
}

TEST_F(MenuCatalogueTest, FifteenMenusDrawTheScrollingStarsAndTheIntroTheBlack) {
    const Menu& stars = MenuNamed("STARS_BACKGROUND");
    const Menu& black = MenuNamed("BLACK_BACKGROUND");
    std::set<std::string> starry, dark;
    for (const Menu& menu : menuSystem.GetMenus()) {
        if (menu.sharedWidgets == &stars.widgets) starry.insert(menu.name);
        if (menu.sharedWidgets == &black.widgets) dark.insert(menu.name);
    }
    const std::set<std::string> expectedStars = {"MAIN_MENU",
                                                 "SINGLE_PLAYER_OPTIONS",
                                                 "MULTI_PLAYER_OPTIONS",
                                                 "OPTIONS",
                                                 "CREDITS",
                                                 "BACKSTORY1",
                                                 "BACKSTORY2",
                                                 "BACKSTORY3",
                                                 "BACKSTORY4",
                                                 "BACKSTORY5",
                                                 "VEHICLE_SELECTION_STORY",
                                                 "VEHICLE_SELECTION_BATTLE_1P",
                                                 "VEHICLE_SELECTION_BATTLE_2P",
                                                 "VEHICLE_SELECTION_ASSAULT_1P",
                                                 "VEHICLE_SELECTION_SURVIVAL_1P"};
    EXPECT_EQ(starry, expectedStars);
    EXPECT_EQ(dark, (std::set<std::string>{"INTRO", "TEAM_INTRO", "MENU_LOADING"}));
    const auto* picture = dynamic_cast<const LabelWidget*>(stars.widgets.at(0).widget.get());
    ASSERT_NE(picture, nullptr);
    EXPECT_GT(picture->scrollSpeed, 0.0f);
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), "INTRO");
}

TEST_F(MenuCatalogueTest, PopupsAreTheChildrenOfTheirMenusInOrder) {
    auto children = [](const std::string& name) {
        std::vector<std::string> names;
        for (const Menu* child : MenuNamed(name).children)
            if (child) names.push_back(child->name);
        return names;
    };
    const std::vector<std::string> information = {"TANK_INFO", "BUGGY_INFO", "UFO_INFO",
                                                  "LANCER_INFO"};
    for (const char* menu : {"VEHICLE_SELECTION_STORY", "VEHICLE_SELECTION_BATTLE_1P",
                             "VEHICLE_SELECTION_ASSAULT_1P", "VEHICLE_SELECTION_SURVIVAL_1P"})
        EXPECT_EQ(children(menu), information) << menu;
    EXPECT_TRUE(children("VEHICLE_SELECTION_BATTLE_2P").empty());
    EXPECT_EQ(children("LEVEL_SCREEN"),
              (std::vector<std::string>{"WIN_DISPLAY", "BATTLE_WIN_DISPLAY", "LOSE_DISPLAY",
                                        "DRAW_DISPLAY", "CONGRATS_DISPLAY", "P1_WIN", "P2_WIN",
                                        "IN_GAME_MENU"}));
    EXPECT_EQ(MenuNamed("UFO_INFO").widgets.size(), 3u);
    EXPECT_EQ(MenuNamed("TANK_INFO").widgets.size(), 2u);
}

TEST_F(MenuCatalogueTest, EveryIdMapNamesAWidgetOfTheRightKind) {
    const char* const selections[] = {"VEHICLE_SELECTION_STORY", "VEHICLE_SELECTION_BATTLE_1P",
                                      "VEHICLE_SELECTION_ASSAULT_1P", "VEHICLE_SELECTION_BATTLE_2P",
                                      "VEHICLE_SELECTION_SURVIVAL_1P"};
    for (const char* menu : selections) {
        EXPECT_NE(Typed<ModelSelectorWidget>(menu, VehicleSelectorIds.GetId(menu)), nullptr)
            << menu;
        EXPECT_NE(Typed<ButtonWidget>(menu, StartButtonIds.GetId(menu)), nullptr) << menu;
    }
    const char* versus = "VEHICLE_SELECTION_BATTLE_2P";
    EXPECT_NE(Typed<ModelSelectorWidget>(versus, SecondVehicleSelectorIds.GetId(versus)), nullptr);
    EXPECT_NE(Typed<OptionSelectorWidget>("OPTIONS", AIDifficultyIds.GetId("OPTIONS")), nullptr);
    for (const char* menu : {"LOADING_SCREEN", "UNLOADING_SCREEN"}) {
        // The level start sets the target of the loading menu's first widget.
        EXPECT_EQ(MenuNamed(menu).widgets.front().id, LoadingWidgetIds.GetId(menu)) << menu;
        EXPECT_NE(Typed<LoadingScreenWidget>(menu, LoadingWidgetIds.GetId(menu)), nullptr);
    }
    for (const WidgetIdMap* map :
         {&HealthBarIds, &EnergyBarIds, &LeftHudPanelIds, &RightHudPanelIds, &CrosshairIds})
        EXPECT_NE(Typed<LabelWidget>("LEVEL_SCREEN", map->GetId("LEVEL_SCREEN")), nullptr);
    for (const char* popup : {"WIN_DISPLAY", "BATTLE_WIN_DISPLAY", "LOSE_DISPLAY", "DRAW_DISPLAY",
                              "P1_WIN", "P2_WIN", "IN_GAME_MENU"})
        EXPECT_NE(Typed<ButtonWidget>(popup, ReplayButtonIds.GetId(popup)), nullptr) << popup;
    EXPECT_EQ(ReplayButtonIds.GetId("CONGRATS_DISPLAY"), -1);
    // Every sheet of the two-player menu exists and is hidden until the screen flow shows it.
    for (const WidgetIdMap& sheet : VersusPortraitIds) {
        const LabelWidget* picture = Typed<LabelWidget>(versus, sheet.GetId(versus));
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->visible);
    }
}

TEST_F(MenuCatalogueTest, SelectorsStartOnTheirFirstChoiceAndListEveryLevelOfTheirMode) {
    struct Levels {
        const char* menu;
        int mode;
        const char* first;
    };
    for (const Levels& levels : {Levels{"VEHICLE_SELECTION_BATTLE_1P", Battle, "Big Bathroom"},
                                 Levels{"VEHICLE_SELECTION_ASSAULT_1P", Assault, "Buggy Duo   "},
                                 Levels{"VEHICLE_SELECTION_BATTLE_2P", Versus, "Big Bathroom"}}) {
        SCOPED_TRACE(levels.menu);
        const auto* selector =
            Typed<OptionSelectorWidget>(levels.menu, LevelSelectorIds.GetId(levels.menu));
        ASSERT_NE(selector, nullptr);
        int inList = 0;
        for (const LevelEntry& level : LevelCatalogue()) inList += level.mode == levels.mode;
        EXPECT_EQ(selector->count, inList);
        EXPECT_EQ(selector->selectedIndex, 0);
        EXPECT_EQ(selector->options.at(0), levels.first);
        const auto* vehicle =
            Typed<ModelSelectorWidget>(levels.menu, VehicleSelectorIds.GetId(levels.menu));
        ASSERT_NE(vehicle, nullptr);
        EXPECT_EQ(vehicle->selectedIndex, 0);
        EXPECT_EQ(vehicle->labels.at(0), "Davavod Tank ");
    }
    const auto* difficulty =
        Typed<OptionSelectorWidget>("OPTIONS", AIDifficultyIds.GetId("OPTIONS"));
    ASSERT_NE(difficulty, nullptr);
    EXPECT_EQ(difficulty->options,
              (std::vector<std::string>{"Medium ", "Hard ", "OMG HAX!!    ", "Easy  "}));
}

TEST_F(MenuCatalogueTest, StatisticsPrintTheMissionRecordAsItStands) {
    auto line = [&](const char* popup, const std::string& format) -> std::string {
        for (const MenuSystem::WidgetNode& node : MenuNamed(popup).widgets)
            if (node.widget->name == format)
                return dynamic_cast<const LabelWidget&>(*node.widget).FormatText();
        return "missing";
    };
    for (const char* popup : {"WIN_DISPLAY", "BATTLE_WIN_DISPLAY", "CONGRATS_DISPLAY"}) {
        EXPECT_EQ(line(popup, "Shots fired: %i"), "Shots fired: 0");
        EXPECT_EQ(line(popup, "Hit Ratio: %i/100"), "Hit Ratio: 0/100");
    }
    EXPECT_EQ(line("LOSE_DISPLAY", "Shots fired: %i"), "missing");
    MissionStats.shotsFired = 42;
    MissionStats.energyUsed = 7;
    EXPECT_EQ(line("WIN_DISPLAY", "Shots fired: %i"), "Shots fired: 42");
    EXPECT_EQ(line("CONGRATS_DISPLAY", "Energy Used: %i  "), "Energy Used: 7  ");
    MissionStats = MissionStatistics{};
}

// The front end walked with the mouse: each step clicks one caption on the current menu.
struct Walk {
    const char* name;
    std::vector<const char*> clicks;
    const char* endsOn;
};

class MenuWalkTest : public MenuCatalogueTest, public ::testing::WithParamInterface<Walk> {};

TEST_P(MenuWalkTest, EndsOnTheExpectedMenu) {
    menuSystem.SetCurrentMenu("MAIN_MENU");
    for (const char* caption : GetParam().clicks) ClickButton(caption);
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), GetParam().endsOn);
}

const Walk kWalks[] = {
    {"StoryAndBack", {"Single-Player", "Story Mode ", "Return "}, "MAIN_MENU"},
    {"BattleAndBack", {"Single-Player", "Battle Mode ", "Return "}, "MAIN_MENU"},
    {"AssaultAndBack", {"Single-Player", "Assault Mode ", "Return "}, "MAIN_MENU"},
    {"SurvivalAndBack", {"Single-Player", "Survival", "Return "}, "MAIN_MENU"},
    {"VersusAndBack", {"Multi-Player", "2-Player Vs.", "Return "}, "MAIN_MENU"},
    {"ModeMenuBack", {"Multi-Player", "Back "}, "MAIN_MENU"},
    {"OptionsAndBack", {"Options ", "Return "}, "MAIN_MENU"},
    {"CreditsAndBack", {"Credits", "Return "}, "MAIN_MENU"},
    {"StoryPagesForward",
     {"Single-Player", "Story Mode ", "Backstory ", "Next ", "Next ", "Next ", "Next ", "Next "},
     "BACKSTORY1"},
    {"StoryPagesBackward",
     {"Single-Player", "Story Mode ", "Backstory ", "Previous "},
     "BACKSTORY5"},
    {"StoryPagesReturn",
     {"Single-Player", "Story Mode ", "Backstory ", "Next ", "Return"},
     "VEHICLE_SELECTION_STORY"},
    {"StartABattle", {"Single-Player", "Battle Mode ", "To Battle!"}, "LOADING_SCREEN"},
    {"StartAStory", {"Single-Player", "Story Mode ", "Begin Game  "}, "LOADING_SCREEN"},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, MenuWalkTest, ::testing::ValuesIn(kWalks),
                         [](const ::testing::TestParamInfo<Walk>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MenuCatalogueTest, ExitEndsTheProgramWithoutGoingToAMenu) {
    menuSystem.SetCurrentMenu("MAIN_MENU");
    window.SetRunning(true);
    ClickButton("Exit");
    EXPECT_FALSE(window.IsRunning());
    EXPECT_NE(menuSystem.GetCurrentMenuName(), "EXIT");
}

}  // namespace
