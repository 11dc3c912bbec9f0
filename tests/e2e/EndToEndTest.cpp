// The real program played from start to finish by a scripted player: through the intro and
// the menus with the mouse, into a level of each mode, played with keys until its result,
// and back out through the result popup's buttons. Each run starts from a fixed random state
// and ends within a budget of frames, whatever the machine's speed.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "game/Application.h"
#include "game/MenuNames.h"
#include "platform/Keyboard.h"
#include "tests/e2e/Pilot.h"
#include "tests/e2e/ScriptedGame.h"
#include "ui/MenuSystem.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using namespace platform;
using e2e::ScriptedGame;

const std::set<std::string> kResultPopups = {
    menunames::kWinDisplay,  menunames::kBattleWinDisplay, menunames::kLoseDisplay,
    menunames::kDrawDisplay, menunames::kCongratsDisplay,  menunames::kP1Win,
    menunames::kP2Win};

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// Seeds with which every run settles in its frames; BRASK_E2E_SEED, when set, replaces them
// all, to see how the runs fare from other random states.
constexpr unsigned kStorySeed = 1;
constexpr unsigned kBattleSeed = 1;
constexpr unsigned kVersusSeed = 1;
constexpr unsigned kAssaultSeed = 1;
constexpr unsigned kSurvivalSeed = 1;
// A level played to its result; with the menus before and after, a mode's run.
constexpr int kLevelFrames = 10000;
constexpr int kRunFrames = kLevelFrames + 2000;

unsigned SeedFor(unsigned fallback) {
    const char* text = std::getenv("BRASK_E2E_SEED");
    return text && *text ? static_cast<unsigned>(std::atoi(text)) : fallback;
}

class EndToEnd : public ::testing::Test {
protected:
    void TearDown() override {
        if (!game) return;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf("seed %u: %d frames, %.1f s\n", seed, game->FramesRun(), seconds);
        EXPECT_FALSE(game->OutOfFrames())
            << "the run took all its " << game->FramesRun() << " frames";
    }
    // From start-up through the intro, which the mouse skips, to the main menu.
    void ToMainMenu(unsigned runSeed, int frameBudget) {
        seed = SeedFor(runSeed);
        game = std::make_unique<ScriptedGame>(seed, frameBudget);
        game->Start();
        ASSERT_TRUE(game->Running()) << "no window";
        game->Frames(20);
        for (int i = 0; i < 100 && game->Menu() != menunames::kMainMenu; ++i) {
            game->Events().Push(WM_LBUTTONDOWN, MK_LBUTTON, 512, 384);
            game->Events().Push(WM_LBUTTONUP, 0, 512, 384);
            game->Frames(20);
        }
        ASSERT_TRUE(game->FramesUntil(menunames::kMainMenu, 500)) << game->Menu();
        game->Frames(30);
    }
    void ClickAll(const std::vector<std::string>& captions) {
        for (const std::string& caption : captions) {
            ASSERT_TRUE(game->Click(caption)) << caption << " on " << game->Menu();
            game->Frames(10);
        }
    }
    // Plays with the keys until a result popup shows: a pilot for each player. Dialogues
    // play out by themselves meanwhile.
    std::string PlayUntilResult(int limit) {
        for (int frame = 0; frame < limit && game->Running() && !game->OutOfFrames(); ++frame) {
            if (kResultPopups.count(game->Popup())) {
                game->Keys().held.clear();
                return game->Popup();
            }
            pilots[0].Steer(*game);
            if (application.GetPlayer(1)) pilots[1].Steer(*game);
            game->Frame();
            const std::string fault = e2e::CheckVehicles();
            if (!fault.empty()) {
                ADD_FAILURE() << fault;
                return "";
            }
        }
        game->Keys().held.clear();
        return game->Popup();
    }
    void ExpectWorldEmpty() {
        EXPECT_EQ(world.GetPlayerOne(), nullptr);
        EXPECT_TRUE(world.updateList.empty());
        EXPECT_TRUE(world.collisionList.empty());
    }
    void ExpectNoBoxes() {
        for (const auto& shown : game->Dialogs().shown)
            ADD_FAILURE() << "box: " << shown.caption << ": " << shown.text;
    }
    // Leaves by the main menu's "Exit": the loop ends.
    void ExitFromMainMenu() {
        for (int i = 0; i < 4 && game->Menu() != menunames::kMainMenu; ++i)
            if (!game->Click("Back ")) break;
        ASSERT_TRUE(game->FramesUntil(menunames::kMainMenu, 300)) << game->Menu();
        ASSERT_TRUE(game->Click("Exit"));
        game->Frames(200);
        EXPECT_FALSE(game->Running());
    }

    std::unique_ptr<ScriptedGame> game;
    unsigned seed = 0;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    e2e::Pilot pilots[2] = {
        e2e::Pilot(0, {vk::A, vk::D, vk::W, vk::S, vk::J, vk::K}),
        e2e::Pilot(1, {vk::Left, vk::Right, vk::Up, vk::Down, vk::Numpad0, vk::Decimal})};
};

struct ModeRun {
    const char* name;
    std::vector<std::string> clicks;
    const char* selection;
    // The popups the mode can end on.
    std::set<std::string> results;
    unsigned seed;
};

void PrintTo(const ModeRun& run, std::ostream* out) {
    *out << run.name;
}

class ModeEndToEnd : public EndToEnd, public ::testing::WithParamInterface<ModeRun> {};

TEST_P(ModeEndToEnd, PlaysALevelToItsResultAndReturnsToTheMenus) {
    const ModeRun& run = GetParam();
    ASSERT_NO_FATAL_FAILURE(ToMainMenu(run.seed, kRunFrames));
    EXPECT_TRUE(Contains(game->visited, menunames::kIntro));
    game->SavePng(std::string(run.name) + "-main-menu");
    ASSERT_NO_FATAL_FAILURE(ClickAll(run.clicks));
    ASSERT_TRUE(game->FramesUntil(menunames::kLevelScreen, 1000)) << game->Menu();
    EXPECT_TRUE(Contains(game->visited, run.selection));
    EXPECT_TRUE(Contains(game->visited, menunames::kLoadingScreen));
    ASSERT_NE(world.GetPlayerOne(), nullptr);
    game->Frames(60);
    game->SavePng(std::string(run.name) + "-level");
    if (application.GetPlayer(1)) {
        // Each vehicle moves on its own player's thrust key.
        for (auto [slot, key] : {std::pair{0, vk::W}, std::pair{1, vk::Up}}) {
            float before[3], after[3];
            application.GetPlayer(slot)->GetPosition(before);
            game->Hold(key, true);
            game->Frames(40);
            game->Hold(key, false);
            application.GetPlayer(slot)->GetPosition(after);
            EXPECT_GT(std::hypot(after[0] - before[0], after[2] - before[2]), 1.0f)
                << "player " << slot + 1;
        }
    }
    const std::string result = PlayUntilResult(kLevelFrames);
    ASSERT_TRUE(run.results.count(result)) << "after the level: popup '" << result << "'";
    game->Frames(20);
    game->SavePng(std::string(run.name) + "-result");
    ASSERT_TRUE(game->Click("Return to Menu "));
    ASSERT_TRUE(game->FramesUntil(menunames::kUnloadingScreen, 300)) << game->Menu();
    EXPECT_TRUE(game->FramesUntil(run.selection, 1000)) << game->Menu();
    ExpectWorldEmpty();
    ASSERT_TRUE(game->Click("Return "));
    ExitFromMainMenu();
    ExpectNoBoxes();
}

const ModeRun kModeRuns[] = {
    {"Battle",
     {"Single-Player", "Battle Mode ", "To Battle!"},
     menunames::kSelectionBattle,
     {menunames::kBattleWinDisplay, menunames::kLoseDisplay, menunames::kDrawDisplay},
     kBattleSeed},
    // Both players drive and fire: either may win, or both fall.
    {"Versus",
     {"Multi-Player", "2-Player Vs.", "To Battle!"},
     menunames::kSelectionVersus,
     {menunames::kP1Win, menunames::kP2Win, menunames::kDrawDisplay},
     kVersusSeed},
    {"Assault",
     {"Single-Player", "Assault Mode ", "To Battle!"},
     menunames::kSelectionAssault,
     {menunames::kBattleWinDisplay, menunames::kLoseDisplay, menunames::kDrawDisplay},
     kAssaultSeed},
    // Survival ends only with player one: alone, or with the opponent of the moment.
    {"Survival",
     {"Single-Player", "Survival", "To Battle!"},
     menunames::kSelectionSurvival,
     {menunames::kLoseDisplay, menunames::kDrawDisplay},
     kSurvivalSeed},
};

INSTANTIATE_TEST_SUITE_P(Modes, ModeEndToEnd, ::testing::ValuesIn(kModeRuns),
                         [](const ::testing::TestParamInfo<ModeRun>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(EndToEnd, StoryPlaysTwoLevelsWithTheirDialogues) {
    // Each room is won within three tries, "Replay Level" after a loss.
    constexpr int kTriesARoom = 3;
    constexpr int kFramesATry = 3500;
    ASSERT_NO_FATAL_FAILURE(ToMainMenu(kStorySeed, 2 * kTriesARoom * kFramesATry));
    ASSERT_NO_FATAL_FAILURE(ClickAll({"Single-Player", "Story Mode ", "Begin Game  "}));
    ASSERT_TRUE(game->FramesUntil(menunames::kLevelScreen, 1000)) << game->Menu();
    EXPECT_TRUE(Contains(game->visited, menunames::kSelectionStory));
    std::vector<std::string> levels;
    bool dialogueSeen = false;
    for (int room = 1; room <= 2; ++room) {
        bool won = false;
        for (int tries = 0; tries < kTriesARoom && !won; ++tries) {
            game->Frames(40);
            dialogueSeen = dialogueSeen || menuSystem.IsDialogueActive();
            const std::string level = application.GetCurrentLevel();
            const std::string result = PlayUntilResult(kFramesATry);
            ASSERT_TRUE(result == menunames::kWinDisplay || result == menunames::kLoseDisplay ||
                        result == menunames::kDrawDisplay)
                << "room " << room << ": '" << result << "'";
            won = result == menunames::kWinDisplay;
            if (won) {
                levels.push_back(level);
                game->Frames(20);
                game->SavePng("Story-result-" + std::to_string(room));
                ASSERT_TRUE(game->Click("Next Level"));
            } else {
                ASSERT_TRUE(game->Click("Replay Level"));
            }
            ASSERT_TRUE(game->FramesUntil(menunames::kUnloadingScreen, 300)) << game->Menu();
            ASSERT_TRUE(game->FramesUntil(menunames::kLevelScreen, 1000)) << game->Menu();
        }
        ASSERT_TRUE(won) << "room " << room << " not won in " << kTriesARoom << " tries";
    }
    EXPECT_NE(levels[0], levels[1]);
    EXPECT_NE(application.GetCurrentLevel(), levels[1]);
    EXPECT_TRUE(dialogueSeen);
    // The third level opens: Escape brings up the in-game menu, which leaves.
    for (int i = 0; i < 20 && game->Popup() != menunames::kInGameMenu; ++i) {
        game->Frames(30);
        game->Tap(vk::Escape);
        game->Frames(5);
    }
    ASSERT_EQ(game->Popup(), menunames::kInGameMenu);
    game->SavePng("Story-in-game-menu");
    ASSERT_TRUE(game->Click("Return to Menu "));
    ASSERT_TRUE(game->FramesUntil(menunames::kUnloadingScreen, 300)) << game->Menu();
    EXPECT_TRUE(game->FramesUntil(menunames::kSelectionStory, 1000)) << game->Menu();
    ExpectWorldEmpty();
    ExpectNoBoxes();
}

TEST_F(EndToEnd, ReplayFromTheResultPopupStartsTheSameLevelAfresh) {
    ASSERT_NO_FATAL_FAILURE(ToMainMenu(kBattleSeed, kRunFrames));
    ASSERT_NO_FATAL_FAILURE(ClickAll({"Single-Player", "Battle Mode ", "To Battle!"}));
    ASSERT_TRUE(game->FramesUntil(menunames::kLevelScreen, 1000)) << game->Menu();
    const std::string level = application.GetCurrentLevel();
    const std::string result = PlayUntilResult(kLevelFrames);
    ASSERT_TRUE(result == menunames::kBattleWinDisplay || result == menunames::kLoseDisplay ||
                result == menunames::kDrawDisplay)
        << result;
    ASSERT_TRUE(game->Click("Replay Level"));
    ASSERT_TRUE(game->FramesUntil(menunames::kUnloadingScreen, 300)) << game->Menu();
    ASSERT_TRUE(game->FramesUntil(menunames::kLevelScreen, 1000)) << game->Menu();
    EXPECT_EQ(application.GetCurrentLevel(), level);
    EXPECT_EQ(game->Popup(), "");
    ASSERT_NE(application.GetPlayer(0), nullptr);
    EXPECT_GT(application.GetPlayer(0)->GetHitPoints(), 0);
    game->Frames(30);
    game->SavePng("Replay-level");
    ExpectNoBoxes();
}

TEST_F(EndToEnd, ExitGameOnTheResultPopupEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(ToMainMenu(kBattleSeed, kRunFrames));
    ASSERT_NO_FATAL_FAILURE(ClickAll({"Single-Player", "Battle Mode ", "To Battle!"}));
    ASSERT_TRUE(game->FramesUntil(menunames::kLevelScreen, 1000)) << game->Menu();
    const std::string result = PlayUntilResult(kLevelFrames);
    ASSERT_FALSE(result.empty());
    ASSERT_TRUE(game->Click("Exit Game"));
    game->Frames(50);
    EXPECT_FALSE(game->Running());
    ExpectNoBoxes();
}

}  // namespace
