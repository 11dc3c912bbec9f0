#include "game/ScreenFlow.h"

#include <gtest/gtest.h>

#include <string>

#include "game/Application.h"
#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
#include "game/WidgetIds.h"
#include "game/WindowProc.h"
#include "tests/game/GlobalsFixture.h"
#include "ui/OptionSelectorWidget.h"
#include "world/Vehicle.h"

namespace mn = menunames;

namespace {

using namespace platform;

TEST(ScreenFlow, EachSelectionMenuSetsItsMode) {
    const struct {
        const char* menu;
        int mode;
    } rows[] = {
        {mn::kSelectionStory, Story},
        {mn::kSelectionBattle, Battle},
        {mn::kSelectionVersus, Versus},
        {mn::kSelectionAssault, Assault},
        {mn::kSelectionSurvival, Survival},
        {mn::kMainMenu, -1},
        {"vehicle_selection_story", -1},  // names compare exactly
        {mn::kLevelScreen, -1},
    };
    for (const auto& row : rows) EXPECT_EQ(ModeOfSelectionMenu(row.menu), row.mode) << row.menu;
}

class Frames : public GlobalsTest {
protected:
    static constexpr double kFrame = 0.125;  // exact in binary, so alarms fire on a known frame
    void SetUp() override {
        GlobalsTest::SetUp();
        frameTimer.Update();  // the first frame measures from the clock's start
    }
    void Step() {
        fake.clock.AdvanceSeconds(kFrame);
        frameTimer.Update();
    }
};

using IntroTest = Frames;

TEST_F(IntroTest, AKeyOrAClickMovesOnAtOnceOnceTheFadeIsOver) {
    const struct {
        platform::WindowMessage message;
    } inputs[] = {{{WM_KEYDOWN, 0x44, 0, 0}}, {{WM_LBUTTONDOWN, MK_LBUTTON, 5, 5}}};
    for (const auto& input : inputs) {
        WindowProc(input.message);
        Step();
        EXPECT_TRUE(IntroMovesOn(false, 0, 2.0f));
    }
}

TEST_F(IntroTest, APressDuringTheFadeIsDropped) {
    WindowProc({WM_KEYDOWN, 0x44, 0, 0});
    Step();
    EXPECT_FALSE(IntroMovesOn(true, 0, 2.0f));
    Step();
    EXPECT_FALSE(IntroMovesOn(false, 0, 2.0f));
}

TEST_F(IntroTest, WithoutInputTheScreenWaitsTwoSecondsOfFrames) {
    int frame = 0;
    bool moved = false;
    while (!moved && frame < 100) {
        Step();
        ++frame;
        moved = IntroMovesOn(false, 1, 2.0f);
    }
    // The first frame arms the alarm; 16 frames of 0.125 s then make 2 s.
    EXPECT_EQ(frame, 17);
}

// The level-over rules and the result wait, through the globals.
class LevelOver : public Frames {
protected:
    void Start(int mode, const std::string& kinds) {
        application.SetGameMode(mode);
        MissionStats = {};
        application.ResetLevelState();
        std::list<GameEntity*> list;
        for (char kind : kinds) {
            vehicles.push_back(std::make_unique<Vehicle>());
            Vehicle& v = *vehicles.back();
            v.SetMaxHitPoints(30);
            v.SetHitPoints(30);
            if (kind != 'C') {
                v.SetHuman(true);
                v.SetPlayerNumber(kind - '0');
            }
            list.push_back(&v);
        }
        world.collisionList = list;
        application.TakeVehicleSlots(0);
        world.collisionList.clear();
    }
    void TearDown() override {
        application.DropLevelState();
        world.ClearLevel();
        Frames::TearDown();
    }
    // One level frame: the clock, the rules, the result wait. Returns whether the popup is
    // due.
    bool LevelFrame(bool dialogueActive = false) {
        Step();
        application.UpdateLevelScreen();
        return application.ResultsDue(dialogueActive);
    }
    std::vector<std::unique_ptr<Vehicle>> vehicles;
};

TEST_F(LevelOver, TheResultShowsAfterThreeAndThreeQuarterSecondsAndAQuarter) {
    Start(Battle, "1C");
    vehicles[0]->SetHitPoints(12);
    EXPECT_FALSE(LevelFrame());
    EXPECT_FALSE(application.IsLevelOver());
    vehicles[1]->SetHitPoints(0);
    int frames = 0;
    bool due = false;
    while (!due && frames < 100) {
        due = LevelFrame();
        ++frames;
    }
    // Frame 1 arms the 3.75 s wait, frame 31 ends it and arms the 0.25 s one, frame 33
    // ends that: 32 frames of 0.125 s after the decision.
    EXPECT_EQ(frames, 33);
    EXPECT_TRUE(application.IsLevelOver());
    EXPECT_TRUE(application.IsResultsPending());
    EXPECT_EQ(MissionStats.damageTaken, 18);
    EXPECT_FLOAT_EQ(world.time, 34 * 0.125f);
}

// Nothing of a level reaches the next: its vehicles, its decision, its camera
// and its counters go when it is left.
TEST_F(LevelOver, LeavingALevelDropsItsState) {
    Start(Battle, "1C");
    vehicles[0]->SetHitPoints(0);
    LevelFrame();
    ASSERT_TRUE(application.IsLevelOver());
    application.SetCameraMode(DefeatCamera);
    application.SetResultsPending(true);
    application.EndLevel(LeaveButton::Other);
    const LevelState fresh;
    const LevelState& left = application.GetLevelState();
    for (int slot = 0; slot < kPlayerSlots; ++slot) EXPECT_EQ(left.players[slot], nullptr);
    for (int slot = 0; slot < kEnemySlots; ++slot) EXPECT_EQ(left.enemies[slot], nullptr);
    EXPECT_FALSE(left.levelOver);
    EXPECT_FALSE(left.resultsPending);
    EXPECT_EQ(left.cameraMode, fresh.cameraMode);
    EXPECT_EQ(left.defeatCameraAngle, fresh.defeatCameraAngle);
    EXPECT_EQ(left.survivalKills, 0);
    EXPECT_EQ(left.chosenVehicle, fresh.chosenVehicle);
}

TEST_F(LevelOver, ADialogueHoldsThePopupBack) {
    Start(Story, "1C");
    vehicles[1]->SetHitPoints(0);
    int frame = 0;
    bool due = false;
    // A dialogue runs from the frame 30 to the frame 40.
    while (!due && frame < 100) {
        ++frame;
        due = LevelFrame(frame >= 30 && frame <= 40);
    }
    EXPECT_EQ(frame, 43);
}

// The popup that the level screen shows once a won level's wait is over, by mode and by how
// far the list has been played.
TEST_F(LevelOver, AWonLevelShowsItsPopupAndTheLastStoryLevelCongratulates) {
    const struct {
        int mode;
        int levelsPlayed;  // of two
        const char* popup;
    } rows[] = {
        {Story, 1, menunames::kWinDisplay},
        {Story, 2, menunames::kCongratsDisplay},
        {Battle, 2, menunames::kBattleWinDisplay},
    };
    menuSystem.EnsureMenu(menunames::kLevelScreen);
    for (const char* popup : kLevelScreenPopups) {
        menuSystem.EnsureMenu(popup);
        menuSystem.AddChildMenu(menunames::kLevelScreen, popup);
    }
    menuSystem.SetCurrentMenu(menunames::kLevelScreen);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.popup);
        application.ClearLevelLists();
        application.SetGameMode(row.mode);
        for (const char* level : {"One.txt", "Two.txt"}) application.AddLevel(level, row.mode);
        application.ResetLevels();
        for (int i = 0; i < row.levelsPlayed; ++i) application.NextLevel(i == 0);
        Start(row.mode, "1C");
        vehicles.back()->SetHitPoints(0);
        menuSystem.SetPopupMenu("", false);
        frameTimer.ResetAlarms();
        for (int i = 0; i < 100 && menuSystem.GetPopupMenuName().empty(); ++i) {
            Step();
            application.UpdateLevelScreen();
            application.UpdateResults();
        }
        EXPECT_EQ(menuSystem.GetPopupMenuName(), row.popup);
        EXPECT_TRUE(application.IsLevelWon());
        vehicles.clear();
    }
}

TEST_F(LevelOver, VersusBothAtZeroInOneFrameIsDecided) {
    Start(Versus, "12");
    LevelFrame();
    EXPECT_FALSE(application.IsLevelOver());
    vehicles[0]->SetHitPoints(0);
    vehicles[1]->SetHitPoints(-4);
    LevelFrame();
    EXPECT_TRUE(application.IsLevelOver());
    // Versus keeps no statistics.
    EXPECT_EQ(MissionStats.damageTaken, 0);
}

TEST_F(LevelOver, ALevelWithoutOpponentsIsNeverDecided) {
    Start(Assault, "1");
    vehicles[0]->SetHitPoints(0);
    LevelFrame();
    EXPECT_FALSE(application.IsLevelOver());
}

TEST_F(LevelOver, SurvivalEndsOnlyWithPlayerOne) {
    Start(Survival, "1C");
    vehicles[0]->SetHitPoints(0);
    vehicles[1]->SetHitPoints(0);
    const size_t entities = world.updateList.size();
    LevelFrame();
    // Both gone in one frame: decided, and no replacement comes.
    EXPECT_TRUE(application.IsLevelOver());
    EXPECT_EQ(application.GetEnemy(0), vehicles[1].get());
    EXPECT_EQ(application.GetSurvivalKills(), 0);
    EXPECT_EQ(world.updateList.size(), entities);
}

}  // namespace

// The selection menus as the screens see them: selectors, info popups and portraits.
class SelectionMenus : public GlobalsTest {
protected:
    static constexpr const char* kOnePlayer = mn::kSelectionBattle;
    static constexpr const char* kTwoPlayers = mn::kSelectionVersus;

    void SetUp() override {
        GlobalsTest::SetUp();
        const float colour[4] = {1, 1, 1, 1};
        const std::vector<const char*> vehicles = {"Tank", "Buggy", "Ufo", "Lancer"};
        auto selector = [&](const char* menu, int y) {
            return menuSystem.CreateSelectorFrom(2, "", "", "", "", menu, 500, y, 100, 40, colour,
                                                 colour, colour, colour, false, 4, vehicles);
        };
        VehicleSelectorIds.Merge(selector(kOnePlayer, 100));
        for (const char* info : {mn::kTankInfo, mn::kBuggyInfo, mn::kUfoInfo, mn::kLancerInfo}) {
            menuSystem.EnsureMenu(info);
            menuSystem.AddChildMenu(kOnePlayer, info);
        }
        VehicleSelectorIds.Merge(selector(kTwoPlayers, 100));
        SecondVehicleSelectorIds.Merge(selector(kTwoPlayers, 300));
        for (int k = 0; k < kVersusPortraits; ++k)
            VersusPortraitIds[k] =
                menuSystem.CreateWidget(0, "", nullptr, 0, "", kTwoPlayers, "", 100 * k, 600, 50,
                                        50, colour, colour, colour, false, false, 1);
        menuSystem.EnsureMenu(mn::kMainMenu);
    }
    static void Select(const WidgetIdMap& ids, const char* menu, int index) {
        static_cast<OptionSelectorWidget*>(menuSystem.FindWidget(ids.GetId(menu)))->selectedIndex =
            index;
    }
    static std::vector<int> ShownPortraits() {
        std::vector<int> shown;
        for (int k = 0; k < kVersusPortraits; ++k)
            if (menuSystem.FindWidget(VersusPortraitIds[k].GetId(kTwoPlayers))->visible)
                shown.push_back(k);
        return shown;
    }
};

TEST_F(SelectionMenus, TheOnePlayerMenuShowsTheInfoOfTheSelectedVehicle) {
    menuSystem.SetCurrentMenu(kOnePlayer);
    Select(VehicleSelectorIds, kOnePlayer, 2);
    application.UpdateScreens();
    EXPECT_EQ(application.GetGameMode(), Battle);
    EXPECT_EQ(application.GetVehiclePage(), kOnePlayer);
    EXPECT_EQ(menuSystem.GetPopupMenuName(), mn::kUfoInfo);
    Select(VehicleSelectorIds, kOnePlayer, 6);
    application.UpdateScreens();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), "");
    Select(VehicleSelectorIds, kOnePlayer, 0);
    application.UpdateScreens();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), mn::kTankInfo);
    // Any other screen closes the popup.
    menuSystem.SetCurrentMenu(mn::kMainMenu);
    application.UpdateScreens();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), "");
    EXPECT_EQ(application.GetGameMode(), Battle);
}

TEST_F(SelectionMenus, TheTwoPlayerMenuShowsOneSheetPerPlayer) {
    menuSystem.SetCurrentMenu(kTwoPlayers);
    Select(VehicleSelectorIds, kTwoPlayers, 1);
    Select(SecondVehicleSelectorIds, kTwoPlayers, 3);
    application.UpdateScreens();
    EXPECT_EQ(application.GetGameMode(), Versus);
    EXPECT_EQ(ShownPortraits(), (std::vector<int>{1, 7}));
    // Indices that name no vehicle show no sheet rather than another widget's.
    Select(VehicleSelectorIds, kTwoPlayers, 4);
    Select(SecondVehicleSelectorIds, kTwoPlayers, -1);
    application.UpdateScreens();
    EXPECT_TRUE(ShownPortraits().empty());
}
