#include "game/LevelLoading.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/LevelFile.h"
#include "app/MessageBox.h"
#include "game/Application.h"
#include "game/CameraControl.h"
#include "game/LevelDraw.h"
#include "game/MenuLinks.h"
#include "game/MenuNames.h"
#include "game/WidgetIds.h"
#include "platform/Memory.h"
#include "render/GraphicsSystem.h"
#include "ui/LoadingScreenWidget.h"
#include "ui/MenuSystem.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

int FillVehicleSlots(const std::list<GameEntity*>& collisionList, std::span<Vehicle*> players,
                     std::span<Vehicle*> enemies, int choice) {
    size_t nextEnemy = 0;
    int left = 0;
    for (GameEntity* e : collisionList) {
        if (e->GetKind() != EntityKind::Vehicle) continue;
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

std::string LevelFileRefusal(const std::string& path) {
    // A file that does not open, or whose header cannot be read, leaves the names unread; any
    // room size that reads, however absurd, is the level builder's to report.
    std::string texture;
    const std::size_t records =
        fileLoader.ReadLevelFile(path, &texture, nullptr, nullptr, nullptr, nullptr).size();
    if (texture.empty()) return "This level cannot be read, so it cannot be played.";
    if (records > kLevelRecordMax)
        return "This level holds more than " + std::to_string(kLevelRecordMax) +
               " records, the most the game plays; it cannot be played.";
    return "";
}

bool LevelFileBuilds(const std::string& path) {
    return LevelFileRefusal(path).empty();
}

void Application::TakeVehicleSlots(int choice) {
    for (Vehicle*& player : level.players) player = nullptr;
    for (Vehicle*& enemy : level.enemies) enemy = nullptr;
    const int left = FillVehicleSlots(world.collisionList, level.players, level.enemies, choice);
    if (left > 0)
        std::fprintf(stderr,
                     "The level brings %d computer vehicles more than the five the game "
                     "follows; they play on unwatched.\n",
                     left);
}

void Application::ResetLevelState() {
    level = LevelState{};
    levelWon = false;
}

void Application::DropLevelState() {
    level = LevelState{};
}

namespace {

// The shadow caster table is sized from what the planar-shadow pass will draw: the
// shadow-casting level objects, before the players' vehicles exist.
void BuildShadowCasterTable() {
    if (!graphicsSystem.renderer) return;
    std::vector<const MeshTree*> planar;
    for (const GameEntity* e : world.updateList)
        if (leveldraw::CastsPlanarShadow(e->GetModel()->castsShadow,
                                         e->GetKind() == EntityKind::Vehicle))
            planar.push_back(e->GetModel());
    graphicsSystem.renderer->BuildShadowCasterTable(planar);
}

}  // namespace

bool Application::StartLevel(int levelIndex, int difficultyIndex, int choice1, int choice2,
                             bool startButtonLedHere) {
    // The difficulty is set before the level is built, so that the computer vehicles that
    // the level file places take it too.
    std::string path;
    bool setDifficulty = true;
    switch (gameMode) {
        case Survival:
            path = levelLists[Survival].empty() ? std::string() : levelLists[Survival].front();
            break;
        case Story:
            if (startButtonLedHere || levelWon) {
                if (startButtonLedHere) ResetLevels();
                path = NextLevel(startButtonLedHere);
            } else {
                // A replay keeps the difficulty set for this level.
                path = GetCurrentLevel();
                setDifficulty = false;
            }
            break;
        default:
            SelectLevel(levelIndex);
            path = NextLevel(false);
            break;
    }
    if (const std::string refusal = LevelFileRefusal(path); !refusal.empty()) {
        MessageBox(refusal.c_str(), path.c_str(), MB_ICONERROR);
        ResetLevels();
        return false;
    }
    if (setDifficulty) world.SetAIDifficulty(GetAIDifficulty(difficultyIndex));
    world.BuildLevel(path);
    if (gameMode == Battle || gameMode == Survival) world.SpawnRandomVehicle();

    BuildShadowCasterTable();
    world.CreatePlayerVehicle(choice1);
    if (gameMode == Versus) world.CreatePlayerVehicle(choice2);
    ResetLevelState();
    level.chosenVehicle = choice1;
    TakeVehicleSlots(choice1);
    level.cameraMode = HudForMode(gameMode).cameraMode;
    frameTimer.ResetAlarms();
    return true;
}

UnloadTarget Application::EndLevel(LeaveButton button) {
    world.ClearLevel();
    if (graphicsSystem.renderer) graphicsSystem.renderer->FreeShadowCasterTable();
    DropLevelState();
    const UnloadTarget target = ChooseUnloadTarget(button, IsLastLevel(), gameMode);
    // A restart plays the level being played: a won Story level does not advance.
    if (button == LeaveButton::RestartLevel) levelWon = false;
    if (target == UnloadTarget::SelectionMenu) ResetLevels();
    if (graphicsSystem.renderer) graphicsSystem.renderer->ClearRenderLists();
    // The level's memory is free now; its pages go back to the system rather than staying
    // with the program after the level is left.
    platform::ReleaseFreeMemory();
    return target;
}

namespace {

// A selector that is missing reads as its first entry.
int SelectedOrFirst(const WidgetIdMap& ids, const std::string& menuName) {
    const int index = SelectedIndex(ids, menuName);
    return index < 0 ? 0 : index;
}

// The button whose release led to the unloading screen, tested in the popups' order.
LeaveButton ReleasedLeaveButton() {
    const struct {
        const char* popup;
        LeaveButton button;
    } kReplayButtons[] = {
        {menunames::kWinDisplay, LeaveButton::NextLevel},
        {menunames::kLoseDisplay, LeaveButton::Replay},
        {menunames::kDrawDisplay, LeaveButton::Replay},
        {menunames::kP1Win, LeaveButton::Replay},
        {menunames::kP2Win, LeaveButton::Replay},
        {menunames::kInGameMenu, LeaveButton::RestartLevel},
        {menunames::kBattleWinDisplay, LeaveButton::BattleWinReplay},
    };
    for (const auto& replay : kReplayButtons)
        if (ReplayButtonIds.WasClicked(replay.popup)) return replay.button;
    return LeaveButton::Other;
}

void SetUpHud(int gameMode) {
    const HudSetup hud = HudForMode(gameMode);
    menuSystem.SetWidgetVisible(HealthBarIds.GetId(menunames::kLevelScreen), hud.healthBar);
    menuSystem.SetWidgetVisible(EnergyBarIds.GetId(menunames::kLevelScreen), hud.energyBar);
    menuSystem.SetWidgetVisible(LeftHudPanelIds.GetId(menunames::kLevelScreen), hud.leftPanel);
    menuSystem.SetWidgetVisible(RightHudPanelIds.GetId(menunames::kLevelScreen), hud.rightPanel);
}

}  // namespace

void Application::QueueLoadingSteps() {
    if (LoadingScreenWidget* loading = FindLoadingWidget(menunames::kLoadingScreen))
        loading->AddStep(LoadLevelCallback);
    if (LoadingScreenWidget* unloading = FindLoadingWidget(menunames::kUnloadingScreen))
        unloading->AddStep(UnloadLevelCallback);
}

void LoadLevelCallback() {
    const std::string page = application.GetVehiclePage();
    const bool started = application.StartLevel(
        SelectedOrFirst(LevelSelectorIds, page),
        SelectedOrFirst(AIDifficultyIds, menunames::kOptions),
        SelectedOrFirst(VehicleSelectorIds, page), SelectedOrFirst(SecondVehicleSelectorIds, page),
        StartButtonIds.WasClicked(page));
    if (!started) {
        // Back to the selection menu, with the step in place for the next try.
        menuSystem.SetCurrentMenuTarget(page);
        if (LoadingScreenWidget* loading = FindLoadingWidget(menunames::kLoadingScreen))
            loading->AddStep(LoadLevelCallback);
        return;
    }
    menuSystem.StopDialogue();
    menuSystem.SetCurrentMenuTarget(menunames::kLevelScreen);
    SetUpHud(application.GetGameMode());
}

void UnloadLevelCallback() {
    const UnloadTarget target = application.EndLevel(ReleasedLeaveButton());
    menuSystem.SetCurrentMenuTarget(target == UnloadTarget::LoadingScreen
                                        ? std::string(menunames::kLoadingScreen)
                                        : application.GetVehiclePage());
    application.QueueLoadingSteps();
}
