#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "game/Application.h"

namespace {

// The five lists in the order start-up adds them, by bare file name.
struct LevelEntry {
    const char* file;
    int mode;
};
constexpr LevelEntry kLevels[] = {
    {"Bathroom1.txt", Versus},    {"Bathroom2.txt", Versus},     {"Bedroom1.txt", Versus},
    {"Bedroom2.txt", Versus},     {"Multi1.txt", Versus},        {"Multi_Bedroom.txt", Versus},
    {"Multi3.txt", Versus},       {"Story1.txt", Story},         {"Story2.txt", Story},
    {"Story3.txt", Story},        {"Story4.txt", Story},         {"Story5.txt", Story},
    {"Story6.txt", Story},        {"Bathroom1.txt", Battle},     {"Bathroom2.txt", Battle},
    {"Bedroom1.txt", Battle},     {"Bedroom2.txt", Battle},      {"BreakfastNook.txt", Battle},
    {"DiningRoom.txt", Battle},   {"Multi_Bedroom.txt", Battle}, {"Assault1.txt", Assault},
    {"Assault2.txt", Assault},    {"Assault3.txt", Assault},     {"Assault4.txt", Assault},
    {"DiningRoom.txt", Survival},
};

class GameModes : public ::testing::Test {
protected:
    void SetUp() override {
        for (const LevelEntry& level : kLevels) app->AddLevel(level.file, level.mode);
    }
    std::unique_ptr<Application> app = std::make_unique<Application>();
};

TEST_F(GameModes, SelectingPastTheListChangesNothing) {
    app->SelectLevel(7);  // Battle has seven levels, 0 to 6
    EXPECT_EQ(app->NextLevel(false), "Bathroom1.txt");
    app->SelectLevel(6);
    EXPECT_EQ(app->NextLevel(false), "Multi_Bedroom.txt");
    // Now past the end: the last level is played again, and it is the last only once won.
    EXPECT_FALSE(app->IsLastLevel());
    app->SetLevelWon(true);
    EXPECT_TRUE(app->IsLastLevel());
    EXPECT_EQ(app->NextLevel(false), "Multi_Bedroom.txt");
}

TEST_F(GameModes, ASelectionJustPastTheListKeepsTheCursorWhereItStood) {
    app->SelectLevel(2);
    EXPECT_EQ(app->NextLevel(false), "Bedroom1.txt");
    app->SelectLevel(7);
    EXPECT_EQ(app->NextLevel(false), "Bedroom2.txt");
}

TEST_F(GameModes, ANegativeSelectionTakesTheFirstLevel) {
    app->SelectLevel(3);
    app->SelectLevel(-2);
    EXPECT_EQ(app->NextLevel(false), "Bathroom1.txt");
}

TEST_F(GameModes, StoryStartsAtLevelZeroAdvancesOnAWinAndReplaysALoss) {
    app->SetGameMode(Story);
    app->ResetLevels();
    EXPECT_EQ(app->NextLevel(true), "Story1.txt");
    EXPECT_EQ(app->GetStoryLevel(), 0);
    EXPECT_FLOAT_EQ(app->GetAIDifficulty(0), 0.2f);
    // Won: the next level start advances.
    EXPECT_EQ(app->NextLevel(false), "Story2.txt");
    EXPECT_EQ(app->GetStoryLevel(), 1);
    EXPECT_FLOAT_EQ(app->GetAIDifficulty(0), 0.3f);
    // Lost: the level is played again as it stands.
    EXPECT_EQ(app->GetCurrentLevel(), "Story2.txt");
    EXPECT_EQ(app->GetStoryLevel(), 1);
}

TEST_F(GameModes, AddingALevelPutsTheCursorsOnTheCurrentModesFirstLevel) {
    app->SetGameMode(Assault);
    app->SelectLevel(2);
    EXPECT_EQ(app->NextLevel(false), "Assault3.txt");
    app->AddLevel("Extra.txt", Battle);
    EXPECT_EQ(app->GetCurrentLevel(), "Assault1.txt");
    EXPECT_EQ(app->NextLevel(false), "Assault1.txt");
}

// The cursors stood in the Battle list when the mode changed; they must never be read
// against another mode's list.
TEST_F(GameModes, TheCursorsFollowAChangeOfMode) {
    app->SelectLevel(6);
    app->NextLevel(false);  // the last Battle level
    app->SetGameMode(Survival);
    EXPECT_EQ(app->GetCurrentLevel(), "DiningRoom.txt");
    app->SetLevelWon(true);
    EXPECT_FALSE(app->IsLastLevel());
    app->SetGameMode(Assault);
    EXPECT_EQ(app->NextLevel(false), "Assault1.txt");
    // Asking for the same mode again keeps the place.
    app->SetGameMode(Assault);
    EXPECT_EQ(app->NextLevel(false), "Assault2.txt");
}

struct DifficultyCase {
    const char* name;
    int mode;
    int levelStarts;  // Story: NextLevel calls after a start from the selection menu
    int index;
    float expected;
};
void PrintTo(const DifficultyCase& c, std::ostream* os) {
    *os << c.name;
}

class Difficulty : public GameModes, public ::testing::WithParamInterface<DifficultyCase> {};

TEST_P(Difficulty, FollowsTheSettingAndTheStoryLevel) {
    const DifficultyCase& c = GetParam();
    app->SetGameMode(c.mode);
    app->ResetLevels();
    if (c.mode == Story) {
        app->NextLevel(true);
        for (int i = 0; i < c.levelStarts; ++i) app->NextLevel(false);
    }
    EXPECT_FLOAT_EQ(app->GetAIDifficulty(c.index), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    GameModes, Difficulty,
    ::testing::Values(DifficultyCase{"BattleMedium", Battle, 0, 0, 0.5f},
                      DifficultyCase{"BattleHard", Battle, 0, 1, 0.75f},
                      DifficultyCase{"VersusOmgHax", Versus, 0, 2, 0.9f},
                      DifficultyCase{"SurvivalEasy", Survival, 0, 3, 0.25f},
                      DifficultyCase{"AssaultUnknownIndexIsTheHardest", Assault, 0, 9, 0.9f},
                      DifficultyCase{"StoryOneEasy", Story, 0, 3, 0.05f},
                      DifficultyCase{"StoryFourHard", Story, 3, 1, 0.85f},
                      DifficultyCase{"StorySixOmgHax", Story, 5, 2, 0.85f},
                      // More wins than there are Story levels: the sixth level's base holds.
                      DifficultyCase{"StoryPastTheSixthLevel", Story, 9, 0, 0.65f}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
