// What a player sees once a level of the real catalogue has started, as the game runs it: the
// HUD pictures of each mode, the dialogue that opens the level, and the dialogue that follows
// the player's defeat or the opponents'.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/WidgetIds.h"
#include "tests/game/CatalogueFlowFixture.h"
#include "ui/DialogueBoxWidget.h"
#include "ui/ModelSelectorWidget.h"
#include "world/Vehicle.h"

namespace {

using namespace menunames;

// The level screen's HUD pictures, in the order of the table below.
struct Hud {
    bool healthBar, energyBar, leftPanel, rightPanel, crosshair;
};

const WidgetIdMap* const kHudIds[] = {&HealthBarIds, &EnergyBarIds, &LeftHudPanelIds,
                                      &RightHudPanelIds, &CrosshairIds};
const char* const kHudNames[] = {"health bar", "energy bar", "left panel", "right panel",
                                 "crosshair"};

bool Shown(const Hud& hud, int k) {
    const bool shown[] = {hud.healthBar, hud.energyBar, hud.leftPanel, hud.rightPanel,
                          hud.crosshair};
    return shown[k];
}

Widget* HudWidget(int k) {
    return menuSystem.FindWidget(kHudIds[k]->GetId(kLevelScreen));
}

struct ModeStart {
    const char* name;
    std::vector<std::string> toSelection;  // from the main menu to the selection menu
    const char* selection;
    const char* start;  // the start button's caption
    Hud hud;
    const char* opening;  // the dialogue the level opens with (Tank chosen)
};

const ModeStart kModes[] = {
    {"Battle",
     {"Single-Player", "Battle Mode "},
     kSelectionBattle,
     "To Battle!",
     {true, true, false, false, true},
     "objectives"},
    {"Story",
     {"Single-Player", "Story Mode "},
     kSelectionStory,
     "Begin Game  ",
     {true, true, false, false, true},
     "terran_intro1"},
    {"Assault",
     {"Single-Player", "Assault Mode "},
     kSelectionAssault,
     "To Battle!",
     {true, true, false, true, true},
     "objectives"},
    {"Survival",
     {"Single-Player", "Survival"},
     kSelectionSurvival,
     "To Battle!",
     {true, true, false, true, true},
     "objectives"},
    {"Versus",
     {"Multi-Player", "2-Player Vs."},
     kSelectionVersus,
     "To Battle!",
     {false, false, true, true, false},
     "objectives"},
};

class LevelStartFlow : public CatalogueFlow {
protected:
    // Into a level of the mode with the vehicle of that index for player one.
    void StartLevel(const ModeStart& mode, int vehicle) {
        ASSERT_TRUE(FramesUntil(kMainMenu));
        ClickThrough(mode.toSelection);
        ASSERT_EQ(menuSystem.GetCurrentMenuName(), mode.selection);
        auto* selector = dynamic_cast<ModelSelectorWidget*>(
            menuSystem.FindWidget(VehicleSelectorIds.GetId(mode.selection)));
        ASSERT_NE(selector, nullptr);
        selector->selectedIndex = vehicle;
        ClickThrough({mode.start});
        ASSERT_TRUE(FramesUntil(kLevelScreen, 200));
    }

    // The dialogue whose page types out on the level screen, other than `shownBefore`, as
    // soon as a few of its characters show within `frames` frames; empty when none does.
    struct Typed {
        std::string name;
        std::string page;
    };
    Typed TypedDialogue(int frames, const std::string& shownBefore = "") {
        const MenuSystem::Menu* level = menuSystem.FindMenu(kLevelScreen);
        for (int i = 0; i < frames; ++i) {
            canvas.Clear();
            Frame();
            for (const MenuSystem::WidgetNode& node : level->widgets) {
                if (node.widget->type != kDialogueBoxWidget) continue;
                const auto& box = static_cast<const DialogueBoxWidget&>(*node.widget);
                if (box.GetState() < 0 || box.pageText.empty() || box.dialogueName == shownBefore)
                    continue;
                // A box left behind by a replaced request keeps its page but is not drawn:
                // only the first line being typed tells the dialogue on show.
                for (const std::string& text : canvas.Texts())
                    if (text.size() >= 4 && box.pageText.rfind(text, 0) == 0)
                        return {box.dialogueName, box.pageText};
            }
        }
        return {};
    }

    static std::string FirstPage(const std::string& dialogue, int textbox) {
        const DialogueData* data = menuSystem.FindDialogue(dialogue);
        if (!data || data->textboxes.empty()) return "no dialogue " + dialogue;
        const auto page = textbox < 0 ? data->textboxes.begin() : data->textboxes.find(textbox);
        return page == data->textboxes.end() ? "no textbox" : page->second;
    }
};

class ModeStartTest : public LevelStartFlow, public ::testing::WithParamInterface<ModeStart> {};

TEST_P(ModeStartTest, ShowsTheModesHudPicturesWhateverTheyShowedBefore) {
    const ModeStart& mode = GetParam();
    ASSERT_TRUE(FramesUntil(kMainMenu));
    // Each picture starts out the other way, as a level of another mode could leave it.
    for (int k = 0; k < 4; ++k) {
        ASSERT_NE(HudWidget(k), nullptr) << kHudNames[k];
        HudWidget(k)->visible = !Shown(mode.hud, k);
    }
    StartLevel(mode, 0);
    Frames(3);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(HudWidget(k)->visible, Shown(mode.hud, k)) << kHudNames[k];
}

TEST_P(ModeStartTest, OpensWithItsDialogueOnceTheLevelShows) {
    const ModeStart& mode = GetParam();
    StartLevel(mode, 0);
    const Typed typed = TypedDialogue(60);
    EXPECT_EQ(typed.name, mode.opening);
    EXPECT_EQ(typed.page, FirstPage(mode.opening, -1));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ModeStartTest, ::testing::ValuesIn(kModes),
                         [](const ::testing::TestParamInfo<ModeStart>& info) {
                             return std::string(info.param.name);
                         });

// Who falls, with which vehicle, in which mode, and the dialogue that follows.
struct Outcome {
    const char* name;
    int mode;  // index into kModes
    int vehicle;
    bool playerFalls;  // else every opponent does
    const char* dialogue;
    int textbox;  // the textbox it plays, -1 for all of them in order
};

const Outcome kOutcomes[] = {
    {"StoryPlayerDefeat", 1, 2, true, "vavedodev_player_defeat1", -1},
    {"StoryEnemyDefeat", 1, 3, false, "diveroruz_enemy_defeat1", -1},
    // Outside Story the death dialogue speaks with the fallen player's race.
    {"BattlePlayerDefeat", 0, 2, true, "death", 2},
    {"AssaultPlayerDefeat", 2, 1, true, "death", 1},
};

class OutcomeTest : public LevelStartFlow, public ::testing::WithParamInterface<Outcome> {};

TEST_P(OutcomeTest, TheDefeatIsFollowedByItsDialogue) {
    const Outcome& outcome = GetParam();
    StartLevel(kModes[outcome.mode], outcome.vehicle);
    // The opening dialogue first, so that its request cannot come after the defeat's.
    const std::string opening = TypedDialogue(60).name;
    ASSERT_NE(opening, "");
    if (outcome.playerFalls) {
        application.GetPlayer(0)->SetHitPoints(0);
    } else {
        for (int i = 0; i < 5 && application.GetEnemy(i); ++i)
            application.GetEnemy(i)->SetHitPoints(0);
    }
    const Typed typed = TypedDialogue(60, opening);
    EXPECT_EQ(typed.name, outcome.dialogue);
    EXPECT_EQ(typed.page, FirstPage(outcome.dialogue, outcome.textbox));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, OutcomeTest, ::testing::ValuesIn(kOutcomes),
                         [](const ::testing::TestParamInfo<Outcome>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(LevelStartFlow, AWonBattleBringsNoDeathDialogue) {
    StartLevel(kModes[0], 0);
    ASSERT_EQ(TypedDialogue(60).name, "objectives");
    for (int i = 0; i < 5 && application.GetEnemy(i); ++i) application.GetEnemy(i)->SetHitPoints(0);
    EXPECT_EQ(TypedDialogue(60, "objectives").name, "");
    EXPECT_TRUE(application.IsLevelOver());
}

}  // namespace
