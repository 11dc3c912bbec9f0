// Shipped levels played through the game's own frame, from the menus the game builds: the
// intro screens, a selection menu, the loading screen, the level played with scripted keys
// to its result popup, and the way back through the unloading screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "game/CameraControl.h"
#include "game/MenuCatalogue.h"
#include "game/MenuLinks.h"
#include "game/MenuNames.h"
#include "game/WidgetIds.h"
#include "platform/Keyboard.h"
#include "tests/app/TempDir.h"
#include "tests/game/CatalogueFlowFixture.h"
#include "tests/game/GlobalsFixture.h"
#include "ui/GameFonts.h"
#include "ui/LoadingScreenWidget.h"
#include "ui/RecordingCanvas.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using namespace platform;
namespace mn = menunames;

constexpr std::uint32_t kFrameMs = 10;
// A minute of play at most.
constexpr int kMaxFrames = 6000;

struct PlayerKeys {
    int right, left, thrust, primary;
};
constexpr PlayerKeys kPlayerOne = {vk::D, vk::A, vk::W, vk::J};
constexpr PlayerKeys kPlayerTwo = {vk::Right, vk::Left, vk::Up, vk::Numpad0};

// The main-menu buttons that lead to each selection menu.
const std::vector<std::string> kToBattle = {"Single-Player", "Battle Mode "};
const std::vector<std::string> kToSurvival = {"Single-Player", "Survival"};
const std::vector<std::string> kToStory = {"Single-Player", "Story Mode "};
const std::vector<std::string> kToVersus = {"Multi-Player", "2-Player Vs."};

// The catalogue flow's fixture: the game started on the platform fakes with its own menus.
class FlowScenario : public CatalogueFlow {
protected:
    // Frames until a running fade has ended.
    void FramesWhileFading() {
        for (int i = 0; i < 200 && menuSystem.IsTransitioning(); ++i) Frame();
    }
    // The button of that caption on the popup when one shows, else on the current menu (an
    // information popup has none, and the menu beneath keeps the mouse); null for none.
    static const Widget* ButtonCaptioned(const std::string& caption) {
        for (const std::string& name :
             {menuSystem.GetPopupMenuName(), menuSystem.GetCurrentMenuName()}) {
            const MenuSystem::Menu* menu = menuSystem.FindMenu(name);
            if (!menu) continue;
            for (const MenuSystem::WidgetNode& node : menu->widgets)
                if (node.widget->type == kButtonWidget && node.widget->name == caption)
                    return node.widget.get();
        }
        return nullptr;
    }
    // The pointer to the button's place, a press and a release, one message a frame.
    void Click(const Widget* button) {
        ASSERT_NE(button, nullptr)
            << "on " << menuSystem.GetCurrentMenuName() << " / " << menuSystem.GetPopupMenuName();
        fake.events.Push(WM_MOUSEMOVE, 0, button->x, button->y);
        fake.events.Push(WM_LBUTTONDOWN, MK_LBUTTON, button->x, button->y);
        fake.events.Push(WM_LBUTTONUP, 0, button->x, button->y);
        for (int i = 0; i < 3; ++i) Frame();
    }
    void Click(const std::string& caption) {
        // The mouse waits for a running fade to end.
        FramesWhileFading();
        SCOPED_TRACE(caption);
        Click(ButtonCaptioned(caption));
    }
    // The button that the game reads through `ids` on that menu.
    static const Widget* ButtonOf(const WidgetIdMap& ids, const std::string& menu) {
        return menuSystem.FindWidget(ids.GetId(menu));
    }
    // The current selection menu's start button.
    void ClickStart() {
        FramesWhileFading();
        Click(ButtonOf(StartButtonIds, menuSystem.GetCurrentMenuName()));
    }
    // Escape held for one frame; its repeat is paced by the World clock.
    void Escape() {
        for (int i = 0; i < 30; ++i) Frame();
        fake.keyboard.held.insert(vk::Escape);
        Frame();
        fake.keyboard.held.erase(vk::Escape);
    }
    void ToMainMenu() { ASSERT_TRUE(FramesUntil(mn::kMainMenu)); }
    // From the main menu by those buttons to a selection menu.
    void ToSelection(const std::vector<std::string>& buttons, const char* selectionMenu) {
        ToMainMenu();
        for (const std::string& caption : buttons) Click(caption);
        FramesWhileFading();
        ASSERT_EQ(menuSystem.GetCurrentMenuName(), selectionMenu);
    }
    // Frames until the level screen is current and its fade in has ended.
    void ToLevelScreen() {
        ASSERT_TRUE(FramesUntil(mn::kLevelScreen, 200));
        FramesWhileFading();
    }
    // From the main menu through a selection menu and the loading screen into the level.
    void EnterLevel(const std::vector<std::string>& buttons, const char* selectionMenu) {
        ToSelection(buttons, selectionMenu);
        ClickStart();
        ToLevelScreen();
    }
    // A popup's button that leaves the level for the unloading screen, which starts it again.
    void ReplayThroughUnloading(const std::string& caption) {
        Click(caption);
        ASSERT_TRUE(FramesUntil(mn::kUnloadingScreen, 100));
        ToLevelScreen();
    }

    // Holds the keys that turn `driver` towards `target`, drive at it and fire when it is
    // ahead.
    void Steer(const Vehicle& driver, const Vehicle& target, const PlayerKeys& keys) {
        const float dx = target.GetMatrixElement(12) - driver.GetMatrixElement(12);
        const float dz = target.GetMatrixElement(14) - driver.GetMatrixElement(14);
        // A vehicle drives along its model's z axis.
        const float fx = driver.GetMatrixElement(8);
        const float fz = driver.GetMatrixElement(10);
        const float distance = std::sqrt(dx * dx + dz * dz);
        const float along = (fx * dx + fz * dz) / (distance + 1e-6f);
        const float side = fx * dz - fz * dx;
        for (int key : {keys.right, keys.left, keys.thrust, keys.primary})
            fake.keyboard.held.erase(key);
        if (along < 0.995f) fake.keyboard.held.insert(side > 0 ? keys.right : keys.left);
        if (distance > 12.0f) fake.keyboard.held.insert(keys.thrust);
        if (along > 0.95f) fake.keyboard.held.insert(keys.primary);
    }
    // Frames until the level is decided; the count, or kMaxFrames.
    int PlayUntilDecided(const std::function<void()>& script) {
        int frames = 0;
        while (!application.IsLevelOver() && frames < kMaxFrames) {
            script();
            Frame();
            ++frames;
        }
        fake.keyboard.held.clear();
        return frames;
    }
    // Frames until a popup shows; the count. The popup waits for any dialogue to end, and
    // every level opens with one (the objectives, or a Story room's introduction) that takes
    // some 12 s to play out.
    int FramesUntilPopup(int limit = 3000) {
        int frames = 0;
        while (menuSystem.GetPopupMenuName().empty() && frames < limit) {
            Frame();
            ++frames;
        }
        return frames;
    }
    static size_t Steps(const char* menu) {
        const LoadingScreenWidget* widget = FindLoadingWidget(menu);
        return widget ? widget->steps.size() : 0;
    }
    bool Drew(const std::string& text) const {
        const std::vector<std::string> texts = canvas.Texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
};

TEST_F(FlowScenario, TheIntroScreensLeadToTheMainMenuWithTheStepsQueued) {
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), mn::kIntro);
    Frame();
    fake.events.Push(WM_KEYDOWN, vk::W);
    Frame();
    // The key starts the fade to the team screen in its own frame.
    EXPECT_TRUE(menuSystem.IsTransitioning());
    FramesWhileFading();
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), mn::kTeamIntro);
    // Without input the team screen waits two seconds of frames.
    for (int i = 0; i < 150; ++i) Frame();
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), mn::kTeamIntro);
    ToMainMenu();
    EXPECT_EQ(Steps(mn::kLoadingScreen), 1u);
    EXPECT_EQ(Steps(mn::kUnloadingScreen), 1u);
}

TEST_F(FlowScenario, BattleIsFoughtToItsResultPopupAndLeftForTheSelectionMenu) {
    std::srand(11);
    EnterLevel(kToBattle, mn::kSelectionBattle);
    ASSERT_EQ(application.GetGameMode(), Battle);
    EXPECT_EQ(application.GetCurrentLevel(),
              fileLoader.GetRoot() + "\\RESOURCES\\Files\\Bathroom1.txt");
    Vehicle* playerOne = application.GetPlayer(0);
    Vehicle* opponent = application.GetEnemy(0);
    ASSERT_NE(playerOne, nullptr);
    ASSERT_NE(opponent, nullptr);
    EXPECT_EQ(application.GetEnemy(1), nullptr);
    EXPECT_EQ(application.GetCameraMode(), ChaseCamera);
    EXPECT_TRUE(application.IsCrosshairShown());

    // Player one joins the fight once the objectives have played out, so that a dialogue
    // never holds the result back.
    ASSERT_LT(PlayUntilDecided([&] {
                  if (!menuSystem.IsDialogueActive()) Steer(*playerOne, *opponent, kPlayerOne);
              }),
              kMaxFrames)
        << "nobody was destroyed";
    const bool won = opponent->GetHitPoints() <= 0 && playerOne->GetHitPoints() > 0;
    EXPECT_GT(MissionStats.shotsFired, 0);
    canvas.Clear();
    Frame();
    EXPECT_TRUE(Drew("Armor  :"));
    EXPECT_FALSE(application.IsCrosshairShown());

    // After a win, 3.75 s and 0.25 s of 10 ms frames after the decision and no dialogue in
    // between: the objectives have played out during the fight and a Battle win has none.
    // A defeat's dialogue holds the popup back.
    const int frames = FramesUntilPopup();
    if (won) {
        EXPECT_GE(frames, 398);
        EXPECT_LE(frames, 402);
    } else {
        EXPECT_GT(frames, 402);
    }
    EXPECT_EQ(menuSystem.GetPopupMenuName(), won ? mn::kBattleWinDisplay : mn::kLoseDisplay);
    EXPECT_EQ(application.IsLevelWon(), won);

    // Escape covers the result with the in-game menu, and brings it back.
    Escape();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), mn::kInGameMenu);
    Escape();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), won ? mn::kBattleWinDisplay : mn::kLoseDisplay);

    Click("Return to Menu ");
    ASSERT_TRUE(FramesUntil(mn::kSelectionBattle, 200));
    EXPECT_TRUE(world.updateList.empty());
    EXPECT_TRUE(world.collisionList.empty());
    EXPECT_EQ(world.GetPlayerOne(), nullptr);
    EXPECT_EQ(application.GetPlayer(0), nullptr);
    EXPECT_EQ(Steps(mn::kLoadingScreen), 1u);
    EXPECT_EQ(Steps(mn::kUnloadingScreen), 1u);
}

TEST_F(FlowScenario, SurvivalReplacesItsOpponentAndRestartsFromTheInGameMenu) {
    std::srand(5);
    EnterLevel(kToSurvival, mn::kSelectionSurvival);
    ASSERT_EQ(application.GetGameMode(), Survival);
    EXPECT_EQ(application.GetCurrentLevel(),
              fileLoader.GetRoot() + "\\RESOURCES\\Files\\DiningRoom.txt");
    for (int kill = 1; kill <= 2; ++kill) {
        Vehicle* opponent = application.GetEnemy(0);
        ASSERT_NE(opponent, nullptr);
        opponent->TakeDamage(opponent->GetHitPoints());
        Frame();
        EXPECT_NE(application.GetEnemy(0), opponent);
        EXPECT_EQ(application.GetSurvivalKills(), kill);
        EXPECT_FALSE(application.IsLevelOver());
    }
    canvas.Clear();
    Frame();
    EXPECT_TRUE(Drew("Destroyed: 2"));

    Escape();
    ASSERT_EQ(menuSystem.GetPopupMenuName(), mn::kInGameMenu);
    ReplayThroughUnloading("Restart Level");
    EXPECT_NE(application.GetPlayer(0), nullptr);
    EXPECT_EQ(application.GetSurvivalKills(), 0);
    EXPECT_EQ(menuSystem.GetPopupMenuName(), "");

    Vehicle* playerOne = application.GetPlayer(0);
    playerOne->TakeDamage(playerOne->GetHitPoints());
    Frame();
    EXPECT_TRUE(application.IsLevelOver());
    FramesUntilPopup();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), mn::kLoseDisplay);
}

// Every computer vehicle of the level destroyed at once.
void DestroyEnemies() {
    for (int i = 0; i < 5 && application.GetEnemy(i); ++i)
        application.GetEnemy(i)->TakeDamage(application.GetEnemy(i)->GetHitPoints());
}

TEST_F(FlowScenario, StoryRestartsAWonLevelAndGoesOnFromItsNextLevelButton) {
    std::srand(2);
    EnterLevel(kToStory, mn::kSelectionStory);
    ASSERT_EQ(application.GetGameMode(), Story);
    const std::string files = fileLoader.GetRoot() + "\\RESOURCES\\Files\\";
    EXPECT_EQ(application.GetCurrentLevel(), files + "Story1.txt");
    EXPECT_EQ(application.GetStoryLevel(), 0);
    ASSERT_NE(application.GetEnemy(0), nullptr);

    DestroyEnemies();
    FramesUntilPopup();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), mn::kWinDisplay);
    // "Restart Level" over the win plays the same level again.
    Escape();
    ASSERT_EQ(menuSystem.GetPopupMenuName(), mn::kInGameMenu);
    ReplayThroughUnloading("Restart Level");
    EXPECT_EQ(application.GetCurrentLevel(), files + "Story1.txt");
    EXPECT_EQ(application.GetStoryLevel(), 0);
    EXPECT_FALSE(application.IsLevelWon());

    DestroyEnemies();
    FramesUntilPopup();
    ASSERT_EQ(menuSystem.GetPopupMenuName(), mn::kWinDisplay);
    ReplayThroughUnloading("Next Level");
    EXPECT_EQ(application.GetCurrentLevel(), files + "Story2.txt");
    EXPECT_EQ(application.GetStoryLevel(), 1);
}

TEST_F(FlowScenario, VersusPlayersFightToAResult) {
    std::srand(3);
    EnterLevel(kToVersus, mn::kSelectionVersus);
    ASSERT_EQ(application.GetGameMode(), Versus);
    Vehicle* one = application.GetPlayer(0);
    Vehicle* two = application.GetPlayer(1);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(application.GetEnemy(0), nullptr);
    EXPECT_EQ(application.GetCameraMode(), OverviewCamera);
    ASSERT_LT(PlayUntilDecided([&] {
                  Steer(*one, *two, kPlayerOne);
                  Steer(*two, *one, kPlayerTwo);
              }),
              kMaxFrames)
        << "nobody was destroyed";
    FramesUntilPopup();
    const char* expected = one->GetHitPoints() > 0   ? mn::kP1Win
                           : two->GetHitPoints() > 0 ? mn::kP2Win
                                                     : mn::kDrawDisplay;
    EXPECT_EQ(menuSystem.GetPopupMenuName(), expected);
}

TEST_F(FlowScenario, ALevelThatCannotBeReadIsNotEntered) {
    application.ClearLevelLists();
    const std::string missing = fileLoader.GetRoot() + "\\RESOURCES\\Files\\NoSuchRoom.txt";
    application.AddLevel(missing, Battle);
    ToMainMenu();
    ToSelection(kToBattle, mn::kSelectionBattle);
    ClickStart();
    ASSERT_TRUE(FramesUntil(mn::kLoadingScreen, 100));
    ASSERT_TRUE(FramesUntil(mn::kSelectionBattle, 200));
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].caption, missing);
    EXPECT_TRUE(world.updateList.empty());
    EXPECT_EQ(world.GetPlayerOne(), nullptr);
    EXPECT_EQ(Steps(mn::kLoadingScreen), 1u);
}

}  // namespace
