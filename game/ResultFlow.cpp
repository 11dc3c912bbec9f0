// What follows a decided level on the level screen: the wait, the result popup and the
// Escape key's in-game menu; and the Story dialogues.
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "game/Application.h"
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
    if (!levelOver) return false;
    if (frameTimer.Alarm(kPendingAlarm, kPendingDelay, false)) resultsPending = true;
    // In this order: the popup alarm counts only in frames without a dialogue once results
    // are pending.
    return !dialogueActive && resultsPending && frameTimer.Alarm(kPopupAlarm, kPopupDelay, false) &&
           players[0] && (players[1] || enemies[0]);
}

bool Application::PlayStoryDialogue(int event) {
    const std::string key = StoryDialogueKey(chosenVehicle, event, storyLevel);
    if (key.empty()) return false;
    return StartDialogueIfPresent(key, -1);
}

void Application::UpdateResults() {
    if (CurrentMenuName() != "LEVEL_SCREEN") return;
    if (frameTimer.Alarm(kObjectivesAlarm, kObjectivesDelay, false)) {
        StartDialogueIfPresent("objectives", -1);
        // A Story level's own opening replaces the objectives where it has one.
        if (gameMode == Story) PlayStoryDialogue(StoryIntro);
    }
    if (ResultsDue(IsDialogueActive())) {
        const ResultChoice choice = ChooseResultPopup(
            gameMode, players, enemies, nextLevel >= static_cast<int>(levelLists[gameMode].size()));
        if (choice.won) levelWon = true;
        TogglePopup(choice.popup);
    }
    if (inputState.keys[ESCAPE]) TogglePopup(inGameMenu.Toggle(PopupMenuName()));
}
