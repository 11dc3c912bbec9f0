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
#include "game/MenuNames.h"
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

namespace mn = menunames;

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
    {mn::kMainMenu, "Single-Player", mn::kSinglePlayerOptions, false},
    {mn::kMainMenu, "Multi-Player", mn::kMultiPlayerOptions, false},
    {mn::kMainMenu, "Options ", mn::kOptions, true},
    {mn::kMainMenu, "Credits", mn::kCredits, true},
    {mn::kMainMenu, "Exit", mn::kExit, false},
    {mn::kSinglePlayerOptions, "Story Mode ", mn::kSelectionStory, true},
    {mn::kSinglePlayerOptions, "Battle Mode ", mn::kSelectionBattle, true},
    {mn::kSinglePlayerOptions, "Assault Mode ", mn::kSelectionAssault, true},
    {mn::kSinglePlayerOptions, "Survival", mn::kSelectionSurvival, true},
    {mn::kSinglePlayerOptions, "Back ", mn::kMainMenu, false},
    {mn::kMultiPlayerOptions, "2-Player Vs.", mn::kSelectionVersus, true},
    {mn::kMultiPlayerOptions, "Back ", mn::kMainMenu, false},
    {mn::kOptions, "Return ", mn::kMainMenu, true},
    {mn::kCredits, "Return ", mn::kMainMenu, true},
    {mn::kBackstory1, "Previous ", mn::kBackstory5, false},
    {mn::kBackstory1, "Next ", mn::kBackstory2, false},
    {mn::kBackstory3, "Previous ", mn::kBackstory2, false},
    {mn::kBackstory3, "Next ", mn::kBackstory4, false},
    {mn::kBackstory5, "Next ", mn::kBackstory1, false},
    {mn::kBackstory5, "Return", mn::kSelectionStory, false},
    {mn::kSelectionStory, "Begin Game  ", mn::kLoadingScreen, true},
    {mn::kSelectionStory, "Return ", mn::kMainMenu, true},
    {mn::kSelectionStory, "Backstory ", mn::kBackstory1, false},
    {mn::kSelectionBattle, "To Battle!", mn::kLoadingScreen, true},
    {mn::kSelectionBattle, "Return ", mn::kMainMenu, true},
    {mn::kSelectionAssault, "To Battle!", mn::kLoadingScreen, true},
    {mn::kSelectionAssault, "Return ", mn::kMainMenu, true},
    {mn::kSelectionVersus, "To Battle!", mn::kLoadingScreen, true},
    {mn::kSelectionVersus, "Return ", mn::kMainMenu, true},
    {mn::kSelectionSurvival, "To Battle!", mn::kLoadingScreen, true},
    {mn::kSelectionSurvival, "Return ", mn::kMainMenu, true},
    {mn::kWinDisplay, "Next Level", mn::kUnloadingScreen, false},
    {mn::kBattleWinDisplay, "Replay Level", mn::kUnloadingScreen, false},
    {mn::kLoseDisplay, "Return to Menu ", mn::kUnloadingScreen, false},
    {mn::kDrawDisplay, "Exit Game", mn::kExit, false},
    {mn::kCongratsDisplay, "Return to Menu ", mn::kUnloadingScreen, false},
    {mn::kP2Win, "Replay Level", mn::kUnloadingScreen, false},
    {mn::kInGameMenu, "Restart Level", mn::kUnloadingScreen, false},
    {mn::kInGameMenu, "Exit Game", mn::kExit, false},
};

TEST_F(MenuCatalogueTest, EveryButtonLeadsWhereTheCatalogueSaysThroughAFadeOrAtOnce) {
    for (const Way& way : kWays) {
        SCOPED_TRACE(std::string(way.menu) + " \"" + way.caption + "\"");
        const MenuSystem::WidgetNode* node = Button(way.menu, way.caption);
        ASSERT_NE(node, nullptr);
        ASSERT_NE(node->target, nullptr);
        EXPECT_EQ(node->target->name, way.target);
        // The popups of the level screen fade through the level screen's own pair.
        const bool popup = menuSystem.IsChildMenu(mn::kLevelScreen, way.menu);
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
    EXPECT_TRUE(HasFadeTo(mn::kMenuLoading, mn::kMainMenu));
    EXPECT_TRUE(HasFadeTo(mn::kLevelScreen, mn::kUnloadingScreen));
    EXPECT_TRUE(HasFadeTo(mn::kUnloadingScreen, mn::kLoadingScreen));
    EXPECT_FALSE(HasFadeTo(mn::kMainMenu, mn::kSinglePlayerOptions));
    // The menu that the exit buttons name stays empty.
    EXPECT_TRUE(MenuNamed(mn::kExit).widgets.empty());
}

TEST_F(MenuCatalogueTest, FifteenMenusDrawTheScrollingStarsAndTheIntroTheBlack) {
    const Menu& stars = MenuNamed(mn::kStarsBackground);
    const Menu& black = MenuNamed(mn::kBlackBackground);
    std::set<std::string> starry, dark;
    for (const Menu& menu : menuSystem.GetMenus()) {
        if (menu.sharedWidgets == &stars.widgets) starry.insert(menu.name);
        if (menu.sharedWidgets == &black.widgets) dark.insert(menu.name);
    }
    const std::set<std::string> expectedStars = {mn::kMainMenu,
                                                 mn::kSinglePlayerOptions,
                                                 mn::kMultiPlayerOptions,
                                                 mn::kOptions,
                                                 mn::kCredits,
                                                 mn::kBackstory1,
                                                 mn::kBackstory2,
                                                 mn::kBackstory3,
                                                 mn::kBackstory4,
                                                 mn::kBackstory5,
                                                 mn::kSelectionStory,
                                                 mn::kSelectionBattle,
                                                 mn::kSelectionVersus,
                                                 mn::kSelectionAssault,
                                                 mn::kSelectionSurvival};
    EXPECT_EQ(starry, expectedStars);
    EXPECT_EQ(dark, (std::set<std::string>{mn::kIntro, mn::kTeamIntro, mn::kMenuLoading}));
    const auto* picture = dynamic_cast<const LabelWidget*>(stars.widgets.at(0).widget.get());
    ASSERT_NE(picture, nullptr);
    EXPECT_GT(picture->scrollSpeed, 0.0f);
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), mn::kIntro);
}

TEST_F(MenuCatalogueTest, PopupsAreTheChildrenOfTheirMenusInOrder) {
    auto children = [](const std::string& name) {
        std::vector<std::string> names;
        for (const Menu* child : MenuNamed(name).children)
            if (child) names.push_back(child->name);
        return names;
    };
    const std::vector<std::string> information = {mn::kTankInfo, mn::kBuggyInfo, mn::kUfoInfo,
                                                  mn::kLancerInfo};
    for (const char* menu :
         {mn::kSelectionStory, mn::kSelectionBattle, mn::kSelectionAssault, mn::kSelectionSurvival})
        EXPECT_EQ(children(menu), information) << menu;
    EXPECT_TRUE(children(mn::kSelectionVersus).empty());
    EXPECT_EQ(children(mn::kLevelScreen),
              (std::vector<std::string>{mn::kWinDisplay, mn::kBattleWinDisplay, mn::kLoseDisplay,
                                        mn::kDrawDisplay, mn::kCongratsDisplay, mn::kP1Win,
                                        mn::kP2Win, mn::kInGameMenu}));
    EXPECT_EQ(MenuNamed(mn::kUfoInfo).widgets.size(), 3u);
    EXPECT_EQ(MenuNamed(mn::kTankInfo).widgets.size(), 2u);
}

TEST_F(MenuCatalogueTest, EveryIdMapNamesAWidgetOfTheRightKind) {
    const char* const selections[] = {mn::kSelectionStory, mn::kSelectionBattle,
                                      mn::kSelectionAssault, mn::kSelectionVersus,
                                      mn::kSelectionSurvival};
    for (const char* menu : selections) {
        EXPECT_NE(Typed<ModelSelectorWidget>(menu, VehicleSelectorIds.GetId(menu)), nullptr)
            << menu;
        EXPECT_NE(Typed<ButtonWidget>(menu, StartButtonIds.GetId(menu)), nullptr) << menu;
    }
    const char* versus = mn::kSelectionVersus;
    EXPECT_NE(Typed<ModelSelectorWidget>(versus, SecondVehicleSelectorIds.GetId(versus)), nullptr);
    EXPECT_NE(Typed<OptionSelectorWidget>(mn::kOptions, AIDifficultyIds.GetId(mn::kOptions)),
              nullptr);
    for (const char* menu : {mn::kLoadingScreen, mn::kUnloadingScreen}) {
        // The level start sets the target of the loading menu's first widget.
        EXPECT_EQ(MenuNamed(menu).widgets.front().id, LoadingWidgetIds.GetId(menu)) << menu;
        EXPECT_NE(Typed<LoadingScreenWidget>(menu, LoadingWidgetIds.GetId(menu)), nullptr);
    }
    for (const WidgetIdMap* map :
         {&HealthBarIds, &EnergyBarIds, &LeftHudPanelIds, &RightHudPanelIds, &CrosshairIds})
        EXPECT_NE(Typed<LabelWidget>(mn::kLevelScreen, map->GetId(mn::kLevelScreen)), nullptr);
    for (const char* popup : {mn::kWinDisplay, mn::kBattleWinDisplay, mn::kLoseDisplay,
                              mn::kDrawDisplay, mn::kP1Win, mn::kP2Win, mn::kInGameMenu})
        EXPECT_NE(Typed<ButtonWidget>(popup, ReplayButtonIds.GetId(popup)), nullptr) << popup;
    EXPECT_EQ(ReplayButtonIds.GetId(mn::kCongratsDisplay), -1);
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
    for (const Levels& levels : {Levels{mn::kSelectionBattle, Battle, "Big Bathroom"},
                                 Levels{mn::kSelectionAssault, Assault, "Buggy Duo   "},
                                 Levels{mn::kSelectionVersus, Versus, "Big Bathroom"}}) {
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
        Typed<OptionSelectorWidget>(mn::kOptions, AIDifficultyIds.GetId(mn::kOptions));
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
    for (const char* popup : {mn::kWinDisplay, mn::kBattleWinDisplay, mn::kCongratsDisplay}) {
        EXPECT_EQ(line(popup, "Shots fired: %i"), "Shots fired: 0");
        EXPECT_EQ(line(popup, "Hit Ratio: %i/100"), "Hit Ratio: 0/100");
    }
    EXPECT_EQ(line(mn::kLoseDisplay, "Shots fired: %i"), "missing");
    MissionStats.shotsFired = 42;
    MissionStats.energyUsed = 7;
    EXPECT_EQ(line(mn::kWinDisplay, "Shots fired: %i"), "Shots fired: 42");
    EXPECT_EQ(line(mn::kCongratsDisplay, "Energy Used: %i  "), "Energy Used: 7  ");
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
    menuSystem.SetCurrentMenu(mn::kMainMenu);
    for (const char* caption : GetParam().clicks) ClickButton(caption);
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), GetParam().endsOn);
}

const Walk kWalks[] = {
    {"StoryAndBack", {"Single-Player", "Story Mode ", "Return "}, mn::kMainMenu},
    {"BattleAndBack", {"Single-Player", "Battle Mode ", "Return "}, mn::kMainMenu},
    {"AssaultAndBack", {"Single-Player", "Assault Mode ", "Return "}, mn::kMainMenu},
    {"SurvivalAndBack", {"Single-Player", "Survival", "Return "}, mn::kMainMenu},
    {"VersusAndBack", {"Multi-Player", "2-Player Vs.", "Return "}, mn::kMainMenu},
    {"ModeMenuBack", {"Multi-Player", "Back "}, mn::kMainMenu},
    {"OptionsAndBack", {"Options ", "Return "}, mn::kMainMenu},
    {"CreditsAndBack", {"Credits", "Return "}, mn::kMainMenu},
    {"StoryPagesForward",
     {"Single-Player", "Story Mode ", "Backstory ", "Next ", "Next ", "Next ", "Next ", "Next "},
     mn::kBackstory1},
    {"StoryPagesBackward",
     {"Single-Player", "Story Mode ", "Backstory ", "Previous "},
     mn::kBackstory5},
    {"StoryPagesReturn",
     {"Single-Player", "Story Mode ", "Backstory ", "Next ", "Return"},
     mn::kSelectionStory},
    {"StartABattle", {"Single-Player", "Battle Mode ", "To Battle!"}, mn::kLoadingScreen},
    {"StartAStory", {"Single-Player", "Story Mode ", "Begin Game  "}, mn::kLoadingScreen},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, MenuWalkTest, ::testing::ValuesIn(kWalks),
                         [](const ::testing::TestParamInfo<Walk>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MenuCatalogueTest, ExitEndsTheProgramWithoutGoingToAMenu) {
    menuSystem.SetCurrentMenu(mn::kMainMenu);
    window.SetRunning(true);
    ClickButton("Exit");
    EXPECT_FALSE(window.IsRunning());
    EXPECT_NE(menuSystem.GetCurrentMenuName(), mn::kExit);
}

}  // namespace
