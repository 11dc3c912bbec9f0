#include "game/LevelLoading.h"

#include <climits>
#include <cstdio>

#include "app/FileLoader.h"
#include "game/Application.h"
#include "game/CameraControl.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

int FillVehicleSlots(const std::list<GameEntity*>& collisionList, std::span<Vehicle*> players,
                     std::span<Vehicle*> enemies, int choice) {
    size_t nextEnemy = 0;
    int left = 0;
    for (GameEntity* e : collisionList) {
        if (e->GetTypeName() != "Vehicle") continue;
        auto* vehicle = static_cast<Vehicle*>(e);
        if (vehicle->IsHuman()) {
            const size_t slot = static_cast<size_t>(vehicle->GetPlayerNumber() - 1);
            if (slot < players.size()) players[slot] = vehicle;
            if (vehicle->GetPlayerNumber() == 1) vehicle->SetSelectionIndex(choice);
        } else if (vehicle->GetName() == "Battery") {
            continue;
        } else if (nextEnemy < enemies.size()) {
            enemies[nextEnemy++] = vehicle;
        } else {
            ++left;
        }
    }
    return left;
}

HudSetup HudForMode(int gameMode) {
    switch (gameMode) {
        case Versus:
            return {false, false, true, true, OverviewCamera};
        case Assault:
        case Survival:
            return {true, true, false, true, ChaseCamera};
        default:  // Battle and Story
            return {true, true, false, false, ChaseCamera};
    }
}

UnloadTarget ChooseUnloadTarget(LeaveButton button, bool lastLevel, int gameMode) {
    if (button == LeaveButton::RestartLevel) return UnloadTarget::LoadingScreen;
    if (!lastLevel)
        return button == LeaveButton::Other ? UnloadTarget::SelectionMenu
                                            : UnloadTarget::LoadingScreen;
    if ((gameMode == Battle || gameMode == Assault) && button == LeaveButton::BattleWinReplay)
        return UnloadTarget::LoadingScreen;
    return UnloadTarget::SelectionMenu;
}

bool LevelFileBuilds(const std::string& path) {
    int sizeX = INT_MIN;
    int sizeZ = INT_MIN;
    fileLoader.ReadLevelFile(path, nullptr, nullptr, nullptr, &sizeX, &sizeZ);
    // A file that does not open, or whose header cannot be read, leaves the sizes unset.
    return sizeX != INT_MIN && sizeZ != INT_MIN;
}

void Application::TakeVehicleSlots(int choice) {
    ClearVehicles();
    const int left = FillVehicleSlots(world.collisionList, players, enemies, choice);
    if (left > 0)
        std::fprintf(stderr,
                     "The level brings %d computer vehicles more than the five the game "
                     "follows; they play on unwatched.\n",
                     left);
}

void LoadLevelCallback() {}
void UnloadLevelCallback() {}

void Application::ResetLevelState() {
    levelWon = false;
    resultsPending = false;
    levelOver = false;
    survivalKills = 0;
    inGameMenu.Reset();
}
