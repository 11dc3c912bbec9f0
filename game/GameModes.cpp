// The five game modes with their level lists, the two level cursors and the computer
// difficulty.
#include <algorithm>
#include <iterator>

#include "game/Application.h"
#include "world/Vehicle.h"

namespace {

// The AI Difficulty selector: "Medium ", "Hard ", "OMG HAX!!    ", "Easy  ".
constexpr int kMedium = 0;
constexpr int kHard = 1;
constexpr int kEasy = 3;

constexpr int kStoryLevels = 6;

bool IsGameMode(int mode) {
    return mode >= 0 && mode < kGameModes;
}

}  // namespace

void Application::AddLevel(std::string path, const int& mode) {
    if (!IsGameMode(mode)) return;
    levelLists[mode].push_back(std::move(path));
    // Both cursors go to the first level of the current mode, whichever list grew.
    nextLevel = 0;
    currentLevel = 0;
}

void Application::ResetLevels() {
    nextLevel = 0;
    currentLevel = 0;
    storyLevel = 0;
}

void Application::SetGameMode(int mode) {
    if (!IsGameMode(mode) || mode == gameMode) return;
    gameMode = mode;
    // The cursors count in the list of the mode; a new mode starts at its first level.
    nextLevel = 0;
    currentLevel = 0;
}

void Application::SelectLevel(int n) {
    if (!IsGameMode(gameMode)) return;
    if (n >= static_cast<int>(levelLists[gameMode].size())) return;
    nextLevel = std::max(n, 0);
}

std::string Application::NextLevel(bool startButtonLedHere) {
    if (IsGameMode(gameMode) && nextLevel < static_cast<int>(levelLists[gameMode].size())) {
        currentLevel = nextLevel;
        ++nextLevel;
    }
    // Past the end both stay: the last level is played again.
    ++storyLevel;
    if (gameMode == Story && startButtonLedHere) --storyLevel;
    return GetCurrentLevel();
}

bool Application::IsLastLevel() const {
    if (!IsGameMode(gameMode)) return false;
    return nextLevel >= static_cast<int>(levelLists[gameMode].size()) && levelWon;
}

std::string Application::GetCurrentLevel() const {
    if (!IsGameMode(gameMode)) return std::string();
    const std::list<std::string>& list = levelLists[gameMode];
    if (currentLevel < 0 || currentLevel >= static_cast<int>(list.size())) return std::string();
    return *std::next(list.begin(), currentLevel);
}

float Application::GetAIDifficulty(int index) const {
    if (gameMode != Story) {
        switch (index) {
            case kEasy:
                return 0.25f;
            case kMedium:
                return 0.5f;
            case kHard:
                return 0.75f;
            default:
                return 0.9f;
        }
    }
    // Outside Story the counter goes on counting level starts; a Story run has six levels.
    const float base = storyDifficulty[std::clamp(storyLevel, 0, kStoryLevels - 1)];
    switch (index) {
        case kEasy:
            return base - 0.1f;
        case kMedium:
            return base + 0.05f;
        case kHard:
            return base + 0.15f;
        default:
            return base + 0.25f;
    }
}
