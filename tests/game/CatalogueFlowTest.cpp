// The game's own menus driven through the game's own frame with scripted mouse messages:
// from the intro to the main menu, into a level of each kind of selection menu, and out of
// the level by the in-game menu's buttons, through the unloading screen to where each leads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/game/CatalogueFlowFixture.h"

namespace {

struct Start {
    const char* name;
    std::vector<std::string> clicks;
    const char* selection;  // where "Return to Menu " leads back to
};

class CatalogueStart : public CatalogueFlow, public ::testing::WithParamInterface<Start> {};

TEST_P(CatalogueStart, EntersALevelAndLeavesItForItsSelectionMenu) {
    EnterLevel(GetParam().clicks);
    ASSERT_NE(world.GetPlayerOne(), nullptr);
    Escape();
    ASSERT_EQ(menuSystem.GetPopupMenuName(), "IN_GAME_MENU");
    Click("Return to Menu ");
    EXPECT_TRUE(FramesUntil(GetParam().selection, 200));
    EXPECT_EQ(world.GetPlayerOne(), nullptr);
}

const Start kStarts[] = {
    {"Battle", {"Single-Player", "Battle Mode ", "To Battle!"}, "VEHICLE_SELECTION_BATTLE_1P"},
    {"Assault", {"Single-Player", "Assault Mode ", "To Battle!"}, "VEHICLE_SELECTION_ASSAULT_1P"},
    {"Survival", {"Single-Player", "Survival", "To Battle!"}, "VEHICLE_SELECTION_SURVIVAL_1P"},
    {"Story", {"Single-Player", "Story Mode ", "Begin Game  "}, "VEHICLE_SELECTION_STORY"},
    {"Versus", {"Multi-Player", "2-Player Vs.", "To Battle!"}, "VEHICLE_SELECTION_BATTLE_2P"},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueStart, ::testing::ValuesIn(kStarts),
                         [](const ::testing::TestParamInfo<Start>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(CatalogueFlow, RestartLevelGoesThroughUnloadingBackIntoTheLevel) {
    EnterLevel({"Single-Player", "Battle Mode ", "To Battle!"});
    Escape();
    Click("Restart Level");
    ASSERT_TRUE(FramesUntil("UNLOADING_SCREEN", 100));
    EXPECT_TRUE(FramesUntil("LEVEL_SCREEN", 200));
    EXPECT_NE(world.GetPlayerOne(), nullptr);
}

TEST_F(CatalogueFlow, ExitGameEndsTheLoopFromTheLevel) {
    EnterLevel({"Single-Player", "Battle Mode ", "To Battle!"});
    Escape();
    Click("Exit Game");
    EXPECT_FALSE(window.IsRunning());
}

TEST_F(CatalogueFlow, TheFirstStoryRoomOpensWithTheChosenRacesIntroduction) {
    EnterLevel({"Single-Player", "Story Mode ", "Begin Game  "});
    EXPECT_TRUE(menuSystem.HasDialogue("terran_intro1"));
    for (int i = 0; i < 30; ++i) Frame();
    EXPECT_TRUE(menuSystem.IsDialogueActive());
    // The introduction's first page types out in the level screen's dialogue box.
    bool typed = false;
    for (int i = 0; i < 200 && !typed; ++i) {
        canvas.Clear();
        Frame();
        for (const std::string& text : canvas.Texts())
            typed = typed || text.find("Davavod to base.") != std::string::npos;
    }
    EXPECT_TRUE(typed);
}

}  // namespace
