#include "game/Results.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "game/Application.h"
#include "game/MenuNames.h"
#include "world/Vehicle.h"

namespace {

// Vehicles at the given hit points; nullopt stands for an empty slot.
class Slots {
public:
    explicit Slots(std::vector<std::optional<int>> hitPoints) {
        for (const auto& hp : hitPoints) {
            if (!hp) {
                pointers.push_back(nullptr);
                continue;
            }
            owned.push_back(std::make_unique<Vehicle>());
            owned.back()->SetHitPoints(*hp);
            owned.back()->SetMaxHitPoints(30);
            pointers.push_back(owned.back().get());
        }
    }
    std::span<Vehicle* const> All() const { return pointers; }

private:
    std::vector<std::unique_ptr<Vehicle>> owned;
    std::vector<Vehicle*> pointers;
};

struct SlotCase {
    const char* name;
    std::vector<std::optional<int>> hitPoints;
    bool allDestroyed;
    int alive;
};
void PrintTo(const SlotCase& c, std::ostream* os) {
    *os << c.name;
}

class SlotTests : public ::testing::TestWithParam<SlotCase> {};

TEST_P(SlotTests, AllDestroyedAndCountAlive) {
    const SlotCase& c = GetParam();
    Slots slots(c.hitPoints);
    EXPECT_EQ(Application::AllDestroyed(slots.All()), c.allDestroyed);
    EXPECT_EQ(Application::CountAlive(slots.All()), c.alive);
}

INSTANTIATE_TEST_SUITE_P(
    Results, SlotTests,
    ::testing::Values(SlotCase{"Empty", {}, true, 0},
                      SlotCase{"FirstSlotEmpty", {std::nullopt, 5}, true, 0},
                      SlotCase{"AliveBeforeAndAfterAGap", {3, 0, std::nullopt, 7}, false, 1},
                      SlotCase{"OneHitPointLeft", {0, 0, 0, 0, 1}, false, 1},
                      SlotCase{"FiveWrecks", {0, 0, 0, 0, 0}, true, 0},
                      SlotCase{"BelowZeroIsDestroyed", {-12, 0}, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The walk stops at the end of the slots it is given, even when more memory follows.
TEST(Results, TheSlotWalkStopsAtTheLastSlot) {
    Slots six({0, 0, 0, 0, 0, 9});
    const std::span<Vehicle* const> five = six.All().first(5);
    EXPECT_TRUE(Application::AllDestroyed(five));
    EXPECT_EQ(Application::CountAlive(five), 0);
}

struct RatioCase {
    int hits, shots, specials, expected;
};

TEST(Results, HitRatio) {
    const RatioCase cases[] = {
        {3, 4, 0, 75},   {0, 0, 0, 0},     {1, 3, 0, 33},
        {2, 1, 3, 50},   {29, 100, 0, 29},  // a quotient that floating point puts a hair below 29
        {40, 3, 0, 100},                    // a weapon that stays on its target hits every frame
        {0, 7, 2, 0},
    };
    for (const RatioCase& c : cases)
        EXPECT_EQ(HitRatio(c.hits, c.shots, c.specials), c.expected)
            << c.hits << " of " << c.shots << " + " << c.specials;
}

TEST(Results, MissionStatsComeFromPlayerOne) {
    Vehicle player;
    player.SetMaxHitPoints(100);
    player.SetHitPoints(64);
    player.SetMaxFuel(1000);
    player.SetFuel(1000);
    player.SetPrimaryFuelCost(10);
    const MissionStatistics stats = TakeMissionStats(player);
    EXPECT_EQ(stats.shotsFired, 0);
    EXPECT_EQ(stats.specialsUsed, 0);
    EXPECT_EQ(stats.hitRatio, 0);
    EXPECT_EQ(stats.damageTaken, 36);
    EXPECT_EQ(stats.energyUsed, player.GetFuelSpent());
}

struct PopupCase {
    const char* name;
    int mode;
    std::vector<std::optional<int>> players;
    std::vector<std::optional<int>> enemies;
    bool lastOfList;
    const char* popup;
    bool won;
};
void PrintTo(const PopupCase& c, std::ostream* os) {
    *os << c.name;
}

class PopupChoice : public ::testing::TestWithParam<PopupCase> {};

TEST_P(PopupChoice, ByModeAndWhoIsLeft) {
    const PopupCase& c = GetParam();
    Slots players(c.players);
    Slots enemies(c.enemies);
    const ResultChoice choice =
        ChooseResultPopup(c.mode, players.All(), enemies.All(), c.lastOfList);
    EXPECT_EQ(choice.popup, c.popup);
    EXPECT_EQ(choice.won, c.won);
}

const auto kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Results, PopupChoice,
    ::testing::Values(
        PopupCase{"BattleWon", Battle, {20, kNone}, {0}, true, "BATTLE_WIN_DISPLAY", true},
        PopupCase{"BattleLost", Battle, {0, kNone}, {5}, false, "LOSE_DISPLAY", false},
        PopupCase{"BattleBothGone", Battle, {0, kNone}, {0}, false, "DRAW_DISPLAY", false},
        PopupCase{"AssaultWon", Assault, {1, kNone}, {0, 0, 0}, false, "BATTLE_WIN_DISPLAY", true},
        PopupCase{"AssaultOneLeft", Assault, {0, kNone}, {0, 2, 0}, false, "LOSE_DISPLAY", false},
        PopupCase{"StoryWon", Story, {9, kNone}, {0, 0}, false, "WIN_DISPLAY", true},
        PopupCase{"StorySixWon", Story, {9, kNone}, {0}, true, "CONGRATS_DISPLAY", true},
        PopupCase{"StoryLost", Story, {0, kNone}, {3}, false, "LOSE_DISPLAY", false},
        PopupCase{"SurvivalLost", Survival, {0, kNone}, {30}, false, "LOSE_DISPLAY", false},
        PopupCase{"SurvivalBothGone", Survival, {0, kNone}, {0}, false, "DRAW_DISPLAY", false},
        PopupCase{"VersusPlayerOne", Versus, {5, 0}, {}, false, "P1_WIN", false},
        PopupCase{"VersusPlayerTwo", Versus, {0, 5}, {}, false, "P2_WIN", false},
        PopupCase{"VersusBothAtZero", Versus, {0, 0}, {}, false, "DRAW_DISPLAY", false},
        PopupCase{"VersusBothBelowZero", Versus, {-3, -1}, {}, false, "DRAW_DISPLAY", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Results, StoryDialogueKeys) {
    struct Row {
        int vehicle, event, storyLevel;
        const char* key;
    };
    const Row rows[] = {
        {3, StoryPlayerDefeat, 5, "diveroruz_player_defeat6"},
        {1, StoryIntro, 2, "dovevevuzu_intro3"},
        {0, StoryEnemyDefeat, 0, "terran_enemy_defeat1"},
        {2, StoryEnemyDefeatToo, 3, "vavedodev_enemy_defeat4"},
        {-1, StoryIntro, 0, "_intro1"},  // no vehicle chosen: no race word
        {3, 6, 0, ""},                   // no such event
        {3, -1, 0, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(StoryDialogueKey(row.vehicle, row.event, row.storyLevel), row.key)
            << row.vehicle << " " << row.event << " " << row.storyLevel;
}

// Each step: the popup shown when Escape is pressed, and what the toggle asks to show.
struct EscapeStep {
    const char* shown;
    const char* toggled;
};

TEST(Results, EscapeDecidesFromThePopupShown) {
    const std::vector<std::vector<EscapeStep>> runs = {
        // No popup: open, then close.
        {{"", "IN_GAME_MENU"}, {"IN_GAME_MENU", "IN_GAME_MENU"}},
        // Over a result popup: the in-game menu, then the result popup back.
        {{"WIN_DISPLAY", "IN_GAME_MENU"}, {"IN_GAME_MENU", "WIN_DISPLAY"}},
        // A result popup replaced the open in-game menu: Escape covers it and brings it back.
        {{"", "IN_GAME_MENU"}, {"LOSE_DISPLAY", "IN_GAME_MENU"}, {"IN_GAME_MENU", "LOSE_DISPLAY"}},
        // Closed and opened again: nothing of the first time is remembered.
        {{"DRAW_DISPLAY", "IN_GAME_MENU"},
         {"IN_GAME_MENU", "DRAW_DISPLAY"},
         {"DRAW_DISPLAY", "IN_GAME_MENU"},
         {"IN_GAME_MENU", "DRAW_DISPLAY"}},
    };
    for (size_t r = 0; r < runs.size(); ++r) {
        InGameMenuToggle toggle;
        for (size_t s = 0; s < runs[r].size(); ++s)
            EXPECT_EQ(toggle.Toggle(runs[r][s].shown), runs[r][s].toggled)
                << "run " << r << " step " << s;
    }
}

TEST(Results, ThePopupBroughtBackIsForgotten) {
    InGameMenuToggle toggle;
    toggle.Toggle(menunames::kWinDisplay);
    EXPECT_EQ(toggle.GetSavedPopup(), menunames::kWinDisplay);
    toggle.Toggle(menunames::kInGameMenu);
    EXPECT_EQ(toggle.GetSavedPopup(), "");
}

TEST(Results, TheEscapeMemoryGoesWithALevel) {
    InGameMenuToggle toggle;
    toggle.Toggle("WIN_DISPLAY");
    toggle.Reset();
    EXPECT_EQ(toggle.Toggle("IN_GAME_MENU"), "IN_GAME_MENU");
}

}  // namespace
