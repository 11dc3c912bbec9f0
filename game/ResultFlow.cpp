// What follows a decided level on the level screen: the wait, the result popup and the
// Escape key's in-game menu; and the Story dialogues.
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "game/Application.h"
#include "game/MenuNames.h"
#include "game/Results.h"

namespace {

constexpr int kObjectivesAlarm = 0;
constexpr float kObjectivesDelay = 0.1f;
constexpr int kPendingAlarm = 2;
constexpr float kPendingDelay = 3.75f;
constexpr int kPopupAlarm = 3;
constexpr float kPopupDelay = 0.25f;

}  // namespace

bool Application::ResultsDue(bool dialogueActive) {
    if (!level.levelOver) return false;
    if (frameTimer.Alarm(kPendingAlarm, kPendingDelay, false)) level.resultsPending = true;
    // In this order: the popup alarm counts only in frames without a dialogue once results
    // are pending.
    return !dialogueActive && level.resultsPending &&
           frameTimer.Alarm(kPopupAlarm, kPopupDelay, false) && level.players[0] &&
           (level.players[1] || level.enemies[0]);
}

bool Application::PlayStoryDialogue(int event) {
    const std::string key = StoryDialogueKey(level.chosenVehicle, event, storyLevel);
    if (key.empty()) return false;
    return StartDialogueIfPresent(key, -1);
}

void Application::UpdateResults() {
    if (CurrentMenuName() != menunames::kLevelScreen) return;
    if (frameTimer.Alarm(kObjectivesAlarm, kObjectivesDelay, false)) {
        StartDialogueIfPresent("objectives", -1);
        // A Story level's own opening replaces the objectives where it has one.
        if (gameMode == Story) PlayStoryDialogue(StoryIntro);
    }
    if (ResultsDue(IsDialogueActive())) {
        const ResultChoice choice =
            ChooseResultPopup(gameMode, level.players, level.enemies,
                              nextLevel >= static_cast<int>(levelLists[gameMode].size()));
        if (choice.won) levelWon = true;
        TogglePopup(choice.popup);
    }
    if (inputState.keys[ESCAPE]) TogglePopup(level.inGameMenu.Toggle(PopupMenuName()));
}
