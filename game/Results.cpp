#include "game/Results.h"

#include <algorithm>
#include <cstdint>

#include "game/Application.h"
#include "game/MenuNames.h"
#include "world/Vehicle.h"

MissionStatistics MissionStats;

namespace {

const char* const kRaceWords[] = {"terran", "dovevevuzu", "vavedodev", "diveroruz"};
const char* const kEventSuffixes[] = {"_intro",         "_player_hurt",  "_enemy_hurt",
                                      "_player_defeat", "_enemy_defeat", "_enemy_defeat"};

}  // namespace

bool Application::AllDestroyed(std::span<Vehicle* const> slots) {
    for (const Vehicle* vehicle : slots) {
        if (!vehicle) return true;
        if (vehicle->GetHitPoints() >= 1) return false;
    }
    return true;
}

int Application::CountAlive(std::span<Vehicle* const> slots) {
    int alive = 0;
    for (const Vehicle* vehicle : slots) {
        if (!vehicle) break;
        if (vehicle->GetHitPoints() > 0) ++alive;
    }
    return alive;
}

int HitRatio(int hits, int shots, int specials) {
    const std::int64_t fired = static_cast<std::int64_t>(shots) + specials;
    if (fired <= 0) return 0;
    // In integers, so that 29 of 100 gives 29 and not 28.999...
    const std::int64_t ratio = static_cast<std::int64_t>(hits) * 100 / fired;
    return static_cast<int>(std::clamp<std::int64_t>(ratio, 0, 100));
}

MissionStatistics TakeMissionStats(const Vehicle& playerOne) {
    MissionStatistics stats;
    stats.shotsFired = playerOne.GetPrimaryShots();
    stats.specialsUsed = playerOne.GetSecondaryShots();
    stats.hitRatio = HitRatio(playerOne.GetHits(), stats.shotsFired, stats.specialsUsed);
    stats.damageTaken = playerOne.GetMaxHitPoints() - playerOne.GetHitPoints();
    stats.energyUsed = playerOne.GetFuelSpent();
    return stats;
}

ResultChoice ChooseResultPopup(int gameMode, std::span<Vehicle* const> players,
                               std::span<Vehicle* const> enemies, bool lastOfList) {
    ResultChoice choice;
    if (gameMode == Versus) {
        const int p1 = players.size() > 0 && players[0] ? players[0]->GetHitPoints() : 0;
        const int p2 = players.size() > 1 && players[1] ? players[1]->GetHitPoints() : 0;
        if (p1 > 0 && p2 <= 0)
            choice.popup = menunames::kP1Win;
        else if (p1 <= 0 && p2 > 0)
            choice.popup = menunames::kP2Win;
        else
            choice.popup = menunames::kDrawDisplay;
        return choice;
    }
    const bool playersGone = Application::AllDestroyed(players);
    const bool enemiesGone = Application::AllDestroyed(enemies);
    if (gameMode == Survival) {
        // Survival is decided by player one's end alone.
        choice.popup = enemiesGone ? menunames::kDrawDisplay : menunames::kLoseDisplay;
        return choice;
    }
    if (!playersGone && enemiesGone) {
        choice.won = true;
        if (gameMode == Story)
            choice.popup = lastOfList ? menunames::kCongratsDisplay : menunames::kWinDisplay;
        else
            choice.popup = menunames::kBattleWinDisplay;
    } else if (playersGone && !enemiesGone) {
        choice.popup = menunames::kLoseDisplay;
    } else if (playersGone && enemiesGone) {
        choice.popup = menunames::kDrawDisplay;
    }
    return choice;
}

std::string StoryDialogueKey(int chosenVehicle, int event, int storyLevel) {
    if (event < StoryIntro || event > StoryEnemyDefeatToo) return std::string();
    std::string key;
    if (chosenVehicle >= 0 && chosenVehicle < 4) key = kRaceWords[chosenVehicle];
    key += kEventSuffixes[event];
    key += std::to_string(storyLevel + 1);
    return key;
}

std::string InGameMenuToggle::Toggle(const std::string& shownPopup) {
    if (shownPopup == menunames::kInGameMenu) {
        std::string back = savedPopup.empty() ? std::string(menunames::kInGameMenu) : savedPopup;
        savedPopup.clear();
        return back;
    }
    savedPopup = shownPopup;
    return menunames::kInGameMenu;
}
