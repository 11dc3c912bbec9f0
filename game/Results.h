#pragma once
// What decides a level and what follows: the mission statistics that the result popups show,
// the choice of the result popup, the Story dialogue keys and the Escape key's in-game menu.
#include <span>
#include <string>

class Vehicle;

// Player one's record of a decided Battle, Story or Assault level. One object for the whole
// run: the result popups print its fields through their addresses.
struct MissionStatistics {
    int shotsFired = 0;
    int specialsUsed = 0;
    int hitRatio = 0;  // 0 to 100
    int damageTaken = 0;
    int energyUsed = 0;
};
extern MissionStatistics MissionStats;

// Per cent of the shots and specials that hit, truncated. A weapon that stays on its target
// counts a hit each frame, so the hits can outnumber the shots: the ratio stops at 100.
int HitRatio(int hits, int shots, int specials);
MissionStatistics TakeMissionStats(const Vehicle& playerOne);

struct ResultChoice {
    std::string popup;
    bool won = false;  // player one won a Battle, Story or Assault level
};
// The result popup for a decided level. `lastOfList`: the won level would be the last of its
// list (the next-level cursor stands past the end).
ResultChoice ChooseResultPopup(int gameMode, std::span<Vehicle* const> players,
                               std::span<Vehicle* const> enemies, bool lastOfList);

// Story dialogue events.
enum StoryEvent {
    StoryIntro = 0,
    StoryPlayerHurt = 1,
    StoryEnemyHurt = 2,
    StoryPlayerDefeat = 3,
    StoryEnemyDefeat = 4,
    StoryEnemyDefeatToo = 5,
};
// The dialogue name of a Story event: race word, event suffix, story level + 1. Empty for an
// event outside 0 to 5.
std::string StoryDialogueKey(int chosenVehicle, int event, int storyLevel);

// The Escape key's in-game menu over the level, decided from the popup actually shown: over
// no popup or a result popup it opens the in-game menu and remembers what it covered; over
// the in-game menu it brings the remembered popup back, or closes the menu.
class InGameMenuToggle {
public:
    // The name to toggle with the menu system, given the popup shown now ("" for none).
    std::string Toggle(const std::string& shownPopup);
    void Reset() { savedPopup.clear(); }
    const std::string& GetSavedPopup() const { return savedPopup; }

private:
    std::string savedPopup;
};
