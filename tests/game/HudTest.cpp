#include "game/Hud.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/Application.h"
#include "world/Vehicle.h"

namespace {

TEST(Hud, GlyphCount) {
    struct Row {
        int value, maximum, glyphs;
    };
    const Row rows[] = {
        {30, 30, 10}, {1, 30, 1},  {0, 30, 0}, {-4, 30, 0}, {15, 30, 5}, {16, 30, 6},  // ceil(5.33)
        {5, 0, 0},  // a vehicle without a maximum has no row
        {0, 0, 0},    {5, -10, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GlyphCount(row.value, row.maximum), row.glyphs)
            << row.value << " of " << row.maximum;
}

TEST(Hud, TwoPlayerPanelsMoveWithTheNameLength) {
    EXPECT_EQ(PlayerOnePanelX(12), 24);
    EXPECT_EQ(PlayerOnePanelX(16), 104 - 12 * 8);
    EXPECT_EQ(PlayerOnePanelX(17), 0);
    EXPECT_EQ(PlayerOnePanelX(40), 0);
    EXPECT_EQ(PlayerTwoPanelX(1024, 12), 905 - 11 * 8);
    EXPECT_EQ(PlayerTwoPanelX(1024, 17), 905 - 14 * 8);
}

void Fill(Vehicle& v, const std::string& name, int hitPoints, int maxHitPoints, int fuel,
          int maxFuel) {
    v.SetName(name);
    v.SetHitPoints(hitPoints);
    v.SetMaxHitPoints(maxHitPoints);
    v.SetFuel(fuel);
    v.SetMaxFuel(maxFuel);
}

std::vector<const HudText*> WithText(const std::vector<HudText>& texts, const std::string& text) {
    std::vector<const HudText*> found;
    for (const HudText& t : texts)
        if (t.text == text) found.push_back(&t);
    return found;
}

const std::string kRight(1, static_cast<char>(kRightGlyph));
const std::string kLeft(1, static_cast<char>(kLeftGlyph));

TEST(Hud, OnePlayerRowsSitUnderTheScreenCentre) {
    Vehicle p1;
    p1.SetHitPoints(15);
    p1.SetMaxHitPoints(30);
    p1.SetFuel(100);
    p1.SetMaxFuel(100);
    HudState state;
    state.gameMode = Battle;
    state.playerOne = &p1;
    const std::vector<HudText> hud = LayOutHud(state);

    const float c1 = 512.0f - 1024.0f / 6;
    const auto armour = WithText(hud, "Armor  :");
    ASSERT_EQ(armour.size(), 1u);
    EXPECT_FLOAT_EQ(armour[0]->x, c1 - 80);
    EXPECT_FLOAT_EQ(armour[0]->y, 768 - 42 + 25);
    const auto red = WithText(hud, kRight);
    ASSERT_EQ(red.size(), 5u);
    EXPECT_FLOAT_EQ(red[4]->x, c1 - 5 + 64);
    EXPECT_EQ(red[0]->font, 3);
    EXPECT_EQ(red[0]->g, 0.0f);
    // The glyph codes stay above 127 whatever the sign of char.
    EXPECT_EQ(static_cast<unsigned char>(red[0]->text[0]), 187);
    const auto yellow = WithText(hud, kLeft);
    ASSERT_EQ(yellow.size(), 10u);
    EXPECT_LT(yellow[1]->x, yellow[0]->x);
    EXPECT_TRUE(WithText(hud, "Remaining: 0").empty());

    state.fullscreen = false;
    const std::vector<HudText> windowed = LayOutHud(state);
    const auto windowedArmour = WithText(windowed, "Armor  :");
    ASSERT_EQ(windowedArmour.size(), 1u);
    EXPECT_FLOAT_EQ(windowedArmour[0]->y, 768 - 42);
}

TEST(Hud, AssaultAndSurvivalCount) {
    Vehicle p1;
    p1.SetMaxHitPoints(10);
    HudState state;
    state.playerOne = &p1;
    state.enemiesAlive = 2;
    state.survivalKills = 3;
    state.gameMode = Assault;
    const std::vector<HudText> assault = LayOutHud(state);
    const auto remaining = WithText(assault, "Remaining: 2");
    ASSERT_EQ(remaining.size(), 1u);
    EXPECT_EQ(remaining[0]->font, 2);
    EXPECT_FLOAT_EQ(remaining[0]->x, 1024 - 192);
    state.gameMode = Survival;
    const std::vector<HudText> survival = LayOutHud(state);
    EXPECT_EQ(WithText(survival, "Destroyed: 3").size(), 1u);
    state.gameMode = Story;
    const auto story = LayOutHud(state);
    EXPECT_TRUE(
        std::none_of(story.begin(), story.end(), [](const HudText& t) { return t.font == 2; }));
}

TEST(Hud, VersusPanelsAndTags) {
    Vehicle p1, p2;
    Fill(p1, "Davavod Tank", 30, 30, 500, 1000);
    Fill(p2, "Diveroruz Lancer", 0, 30, 0, 1000);
    HudState state;
    state.gameMode = Versus;
    state.playerOne = &p1;
    state.playerTwo = &p2;
    const std::vector<HudText> hud = LayOutHud(state);
    const auto one = WithText(hud, "Davavod Tank (player 1)");
    ASSERT_EQ(one.size(), 1u);
    EXPECT_FLOAT_EQ(one[0]->x, 24);
    EXPECT_FLOAT_EQ(one[0]->y, 768 - 102);
    ASSERT_EQ(WithText(hud, "Diveroruz Lancer (player 2)").size(), 1u);
    EXPECT_EQ(WithText(hud, kRight).size(), 15u);  // ten of armour, five of energy
    EXPECT_TRUE(WithText(hud, kLeft).empty());     // player two has nothing left
    const auto tag = WithText(hud, "Player 2");
    ASSERT_EQ(tag.size(), 1u);
    EXPECT_TRUE(tag[0]->inScene);
    EXPECT_EQ(tag[0]->r, 1.0f);
}

TEST(Hud, VersusWithoutPlayerTwoShowsPlayerOneOnly) {
    Vehicle p1;
    Fill(p1, "Davavod Tank", 30, 30, 500, 1000);
    HudState state;
    state.gameMode = Versus;
    state.playerOne = &p1;
    const std::vector<HudText> hud = LayOutHud(state);
    EXPECT_EQ(WithText(hud, "Player 1").size(), 1u);
    EXPECT_TRUE(WithText(hud, "Player 2").empty());
    EXPECT_TRUE(WithText(hud, ":  Armor").empty());
}

TEST(Hud, EnemyBars) {
    struct Row {
        int hitPoints, maxHitPoints, fuel, maxFuel;
        bool shown;
        float health, energy;
    };
    const Row rows[] = {
        {30, 30, 500, 1000, true, 1.0f, 0.5f},
        {15, 30, 0, 1000, true, 0.5f, 0.0f},
        {0, 30, 500, 1000, false, 0, 0},  // a wreck has no bars
        {-3, 30, 500, 1000, false, 0, 0},
        {10, 0, 500, 1000, false, 0, 0},  // no maximum: nothing to measure against
        {10, 20, 500, 0, true, 0.5f, 0.0f},
    };
    for (const Row& row : rows) {
        Vehicle v;
        Fill(v, "Davavod Tank", row.hitPoints, row.maxHitPoints, row.fuel, row.maxFuel);
        BarLengths lengths;
        ASSERT_EQ(EnemyBarLengths(v, &lengths), row.shown)
            << row.hitPoints << "/" << row.maxHitPoints;
        if (!row.shown) continue;
        EXPECT_FLOAT_EQ(lengths.health, row.health);
        EXPECT_FLOAT_EQ(lengths.energy, row.energy);
    }
}

TEST(Hud, NothingWithoutPlayerOne) {
    HudState state;
    EXPECT_TRUE(LayOutHud(state).empty());
}

}  // namespace
