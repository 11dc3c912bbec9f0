// The real program played from start to finish by a scripted player: through the intro and
// the menus with the mouse, into a level of each mode, played with keys until its result,
// and back out through the result popup's buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "game/Application.h"
#include "platform/Keyboard.h"
#include "tests/e2e/ScriptedGame.h"
#include "ui/MenuSystem.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using namespace platform;
using e2e::ScriptedGame;

const std::set<std::string> kResultPopups = {"WIN_DISPLAY",  "BATTLE_WIN_DISPLAY", "LOSE_DISPLAY",
                                             "DRAW_DISPLAY", "CONGRATS_DISPLAY",   "P1_WIN",
                                             "P2_WIN"};

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// One player's keys for one frame: turn toward the nearest opponent, drive at it from afar
// and fire once it is ahead. Which turn key turns which way is learnt as it goes.
class Pilot {
public:
    struct Keys {
        int left, right, thrust, fire, special;
    };
    Pilot(int slot, Keys keys) : slot(slot), keys(keys) {}

    void Steer(ScriptedGame& game) {
        for (int key : {keys.left, keys.right, keys.thrust, keys.fire, keys.special})
            game.Hold(key, false);
        Vehicle* me = application.GetPlayer(slot);
        Vehicle* target = nullptr;
        float best = 1e30f;
        std::vector<Vehicle*> opponents;
        if (Vehicle* other = application.GetPlayer(1 - slot)) opponents.push_back(other);
        for (int enemy = 0; enemy < 5; ++enemy)
            if (Vehicle* v = application.GetEnemy(enemy)) opponents.push_back(v);
        for (Vehicle* other : opponents) {
            if (!me || other->GetHitPoints() <= 0) continue;
            const float d = Distance(me, other);
            if (d < best) {
                best = d;
                target = other;
            }
        }
        if (!target) return;
        const float fx = me->GetMatrixElement(8);
        const float fz = me->GetMatrixElement(10);
        const float dx = target->GetMatrixElement(12) - me->GetMatrixElement(12);
        const float dz = target->GetMatrixElement(14) - me->GetMatrixElement(14);
        const float error = std::atan2(fx * dz - fz * dx, fx * dx + fz * dz);
        if (turning && std::fabs(error) > std::fabs(lastError) + 0.01f) {
            if (++wrongWay > 10) {
                turnSign = -turnSign;
                wrongWay = 0;
            }
        } else {
            wrongWay = 0;
        }
        lastError = error;
        turning = std::fabs(error) > 0.08f;
        if (turning)
            game.Hold(error * static_cast<float>(turnSign) > 0 ? keys.right : keys.left, true);
        game.Hold(keys.thrust, std::fabs(error) < 0.5f && best > 12.0f);
        game.Hold(keys.fire, std::fabs(error) < 0.2f);
        game.Hold(keys.special, std::fabs(error) < 0.1f && best < 25.0f);
    }

private:
    static float Distance(const Vehicle* a, const Vehicle* b) {
        return std::hypot(a->GetMatrixElement(12) - b->GetMatrixElement(12),
                          a->GetMatrixElement(14) - b->GetMatrixElement(14));
    }
    int slot;
    Keys keys;
    float lastError = 0.0f;
    bool turning = false;
    int turnSign = 1;
    int wrongWay = 0;
};

class EndToEnd : public ::testing::Test {
protected:
    // From start-up through the intro, which the mouse skips, to the main menu.
    void ToMainMenu() {
        game.Start();
        ASSERT_TRUE(game.Running()) << "no window";
        game.Frames(20);
        for (int i = 0; i < 100 && game.Menu() != "MAIN_MENU"; ++i) {
            game.Events().Push(WM_LBUTTONDOWN, MK_LBUTTON, 512, 384);
            game.Events().Push(WM_LBUTTONUP, 0, 512, 384);
            game.Frames(20);
        }
        ASSERT_TRUE(game.FramesUntil("MAIN_MENU", 500)) << game.Menu();
        game.Frames(30);
    }
    void ClickAll(const std::vector<std::string>& captions) {
        for (const std::string& caption : captions) {
            ASSERT_TRUE(game.Click(caption)) << caption << " on " << game.Menu();
            game.Frames(10);
        }
    }
    // Plays with the keys until a result popup shows: a pilot for each player.
    std::string PlayUntilResult(int limit) {
        for (int frame = 0; frame < limit && game.Running(); ++frame) {
            if (kResultPopups.count(game.Popup())) return game.Popup();
            // A dialogue is moved on by the mouse.
            if (menuSystem.IsDialogueActive() && frame % 25 == 0) {
                game.Events().Push(WM_LBUTTONDOWN, MK_LBUTTON, 512, 600);
                game.Events().Push(WM_LBUTTONUP, 0, 512, 600);
            }
            pilots[0].Steer(game);
            if (application.GetPlayer(1) && secondPilotDrives) pilots[1].Steer(game);
            game.Frame();
            const std::string fault = e2e::CheckVehicles();
            if (!fault.empty()) {
                ADD_FAILURE() << fault;
                return "";
            }
        }
        game.Keys().held.clear();
        return game.Popup();
    }
    void ExpectWorldEmpty() {
        EXPECT_EQ(world.GetPlayerOne(), nullptr);
        EXPECT_TRUE(world.updateList.empty());
        EXPECT_TRUE(world.collisionList.empty());
    }
    void ExpectNoBoxes() {
        for (const auto& shown : game.Dialogs().shown)
            ADD_FAILURE() << "box: " << shown.caption << ": " << shown.text;
    }
    // Leaves by the main menu's "Exit": the loop ends.
    void ExitFromMainMenu() {
        for (int i = 0; i < 4 && game.Menu() != "MAIN_MENU"; ++i)
            if (!game.Click("Back ")) break;
        ASSERT_TRUE(game.FramesUntil("MAIN_MENU", 300)) << game.Menu();
        ASSERT_TRUE(game.Click("Exit"));
        game.Frames(200);
        EXPECT_FALSE(game.Running());
    }

    ScriptedGame game;
    bool secondPilotDrives = true;
    Pilot pilots[2] = {Pilot(0, {vk::A, vk::D, vk::W, vk::J, vk::K}),
                       Pilot(1, {vk::Left, vk::Right, vk::Up, vk::Numpad0, vk::Decimal})};
};

struct ModeRun {
    const char* name;
    std::vector<std::string> clicks;
    const char* selection;
    std::set<std::string> results;
};

void PrintTo(const ModeRun& run, std::ostream* out) {
    *out << run.name;
}

class ModeEndToEnd : public EndToEnd, public ::testing::WithParamInterface<ModeRun> {};

TEST_P(ModeEndToEnd, PlaysALevelToItsResultAndReturnsToTheMenus) {
    const ModeRun& run = GetParam();
    ASSERT_NO_FATAL_FAILURE(ToMainMenu());
    EXPECT_TRUE(Contains(game.visited, "INTRO"));
    game.SavePng(std::string(run.name) + "-main-menu");
    ASSERT_NO_FATAL_FAILURE(ClickAll(run.clicks));
    ASSERT_TRUE(game.FramesUntil("LEVEL_SCREEN", 1000)) << game.Menu();
    EXPECT_TRUE(Contains(game.visited, run.selection));
    EXPECT_TRUE(Contains(game.visited, "LOADING_SCREEN"));
    ASSERT_NE(world.GetPlayerOne(), nullptr);
    game.Frames(60);
    game.SavePng(std::string(run.name) + "-level");
    if (application.GetPlayer(1)) {
        // Both players are driven: each vehicle moves on its own player's thrust key.
        for (auto [slot, key] : {std::pair{0, vk::W}, std::pair{1, vk::Up}}) {
            float before[3], after[3];
            application.GetPlayer(slot)->GetPosition(before);
            game.Hold(key, true);
            game.Frames(40);
            game.Hold(key, false);
            application.GetPlayer(slot)->GetPosition(after);
            EXPECT_GT(std::hypot(after[0] - before[0], after[2] - before[2]), 1.0f)
                << "player " << slot + 1;
        }
        // Two pilots alike rarely settle a match soon: player two now stands still, and
        // player one's pilot hunts it down.
        secondPilotDrives = false;
    }
    const std::string result = PlayUntilResult(15000);
    ASSERT_TRUE(run.results.count(result)) << "after the level: popup '" << result << "'";
    game.Frames(20);
    game.SavePng(std::string(run.name) + "-result");
    ASSERT_TRUE(game.Click("Return to Menu "));
    ASSERT_TRUE(game.FramesUntil("UNLOADING_SCREEN", 300)) << game.Menu();
    EXPECT_TRUE(game.FramesUntil(run.selection, 1000)) << game.Menu();
    ExpectWorldEmpty();
    ASSERT_TRUE(game.Click("Return "));
    ExitFromMainMenu();
    ExpectNoBoxes();
}

const ModeRun kModeRuns[] = {
    {"Battle",
     {"Single-Player", "Battle Mode ", "To Battle!"},
     "VEHICLE_SELECTION_BATTLE_1P",
     {"BATTLE_WIN_DISPLAY", "LOSE_DISPLAY", "DRAW_DISPLAY"}},
    {"Versus",
     {"Multi-Player", "2-Player Vs.", "To Battle!"},
     "VEHICLE_SELECTION_BATTLE_2P",
     {"P1_WIN", "P2_WIN", "DRAW_DISPLAY"}},
    {"Assault",
     {"Single-Player", "Assault Mode ", "To Battle!"},
     "VEHICLE_SELECTION_ASSAULT_1P",
     {"BATTLE_WIN_DISPLAY", "LOSE_DISPLAY", "DRAW_DISPLAY"}},
    {"Survival",
     {"Single-Player", "Survival", "To Battle!"},
     "VEHICLE_SELECTION_SURVIVAL_1P",
     {"LOSE_DISPLAY", "BATTLE_WIN_DISPLAY", "WIN_DISPLAY"}},
};

INSTANTIATE_TEST_SUITE_P(Modes, ModeEndToEnd, ::testing::ValuesIn(kModeRuns),
                         [](const ::testing::TestParamInfo<ModeRun>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(EndToEnd, StoryPlaysTwoLevelsWithTheirDialogues) {
    ASSERT_NO_FATAL_FAILURE(ToMainMenu());
    ASSERT_NO_FATAL_FAILURE(ClickAll({"Single-Player", "Story Mode ", "Begin Game  "}));
    ASSERT_TRUE(game.FramesUntil("LEVEL_SCREEN", 1000)) << game.Menu();
    EXPECT_TRUE(Contains(game.visited, "VEHICLE_SELECTION_STORY"));
    std::vector<std::string> levels;
    bool dialogueSeen = false;
    for (int attempt = 0; attempt < 6 && levels.size() < 2; ++attempt) {
        game.Frames(40);
        dialogueSeen = dialogueSeen || menuSystem.IsDialogueActive();
        // The Story rooms' fleets outlast a scripted pilot for many minutes: the computer
        // vehicles are left one hit point, so that the run reaches the next level soon.
        for (int slot = 0; slot < 5; ++slot)
            if (Vehicle* enemy = application.GetEnemy(slot)) enemy->SetHitPoints(1);
        const std::string level = application.GetCurrentLevel();
        const std::string result = PlayUntilResult(6000);
        ASSERT_TRUE(result == "WIN_DISPLAY" || result == "LOSE_DISPLAY" || result == "DRAW_DISPLAY")
            << "'" << result << "'";
        if (result == "WIN_DISPLAY") {
            levels.push_back(level);
            game.Frames(20);
            game.SavePng("Story-result-" + std::to_string(levels.size()));
            ASSERT_TRUE(game.Click("Next Level"));
        } else {
            ASSERT_TRUE(game.Click("Replay Level"));
        }
        ASSERT_TRUE(game.FramesUntil("UNLOADING_SCREEN", 300)) << game.Menu();
        ASSERT_TRUE(game.FramesUntil("LEVEL_SCREEN", 1000)) << game.Menu();
    }
    ASSERT_EQ(levels.size(), 2u) << "levels won";
    EXPECT_NE(levels[0], levels[1]);
    EXPECT_NE(application.GetCurrentLevel(), levels[1]);
    EXPECT_TRUE(dialogueSeen);
    // The third level's opening dialogue is closed first, then the in-game menu leaves.
    for (int i = 0; i < 20 && game.Popup() != "IN_GAME_MENU"; ++i) {
        game.Events().Push(WM_LBUTTONDOWN, MK_LBUTTON, 512, 600);
        game.Events().Push(WM_LBUTTONUP, 0, 512, 600);
        game.Frames(30);
        game.Tap(vk::Escape);
        game.Frames(5);
    }
    ASSERT_EQ(game.Popup(), "IN_GAME_MENU");
    game.SavePng("Story-in-game-menu");
    ASSERT_TRUE(game.Click("Return to Menu "));
    ASSERT_TRUE(game.FramesUntil("UNLOADING_SCREEN", 300)) << game.Menu();
    EXPECT_TRUE(game.FramesUntil("VEHICLE_SELECTION_STORY", 1000)) << game.Menu();
    ExpectWorldEmpty();
    ExpectNoBoxes();
}

TEST_F(EndToEnd, ReplayFromTheResultPopupStartsTheSameLevelAfresh) {
    ASSERT_NO_FATAL_FAILURE(ToMainMenu());
    ASSERT_NO_FATAL_FAILURE(ClickAll({"Single-Player", "Battle Mode ", "To Battle!"}));
    ASSERT_TRUE(game.FramesUntil("LEVEL_SCREEN", 1000)) << game.Menu();
    const std::string level = application.GetCurrentLevel();
    const std::string result = PlayUntilResult(15000);
    ASSERT_TRUE(result == "BATTLE_WIN_DISPLAY" || result == "LOSE_DISPLAY" ||
                result == "DRAW_DISPLAY")
        << result;
    ASSERT_TRUE(game.Click("Replay Level"));
    ASSERT_TRUE(game.FramesUntil("UNLOADING_SCREEN", 300)) << game.Menu();
    ASSERT_TRUE(game.FramesUntil("LEVEL_SCREEN", 1000)) << game.Menu();
    EXPECT_EQ(application.GetCurrentLevel(), level);
    EXPECT_EQ(game.Popup(), "");
    ASSERT_NE(application.GetPlayer(0), nullptr);
    EXPECT_GT(application.GetPlayer(0)->GetHitPoints(), 0);
    game.Frames(30);
    game.SavePng("Replay-level");
    ExpectNoBoxes();
}

TEST_F(EndToEnd, ExitGameOnTheResultPopupEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(ToMainMenu());
    ASSERT_NO_FATAL_FAILURE(ClickAll({"Single-Player", "Battle Mode ", "To Battle!"}));
    ASSERT_TRUE(game.FramesUntil("LEVEL_SCREEN", 1000)) << game.Menu();
    const std::string result = PlayUntilResult(15000);
    ASSERT_FALSE(result.empty());
    ASSERT_TRUE(game.Click("Exit Game"));
    game.Frames(50);
    EXPECT_FALSE(game.Running());
    ExpectNoBoxes();
}

}  // namespace
