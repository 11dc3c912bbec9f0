#pragma once
// Level start and leave: the two loading steps that the loading screens run, and the rules
// they follow (which vehicle goes into which slot, the HUD of each mode, where the
// unloading screen goes).
#include <list>
#include <span>
#include <string>

#include "game/CameraControl.h"

class GameEntity;
class Vehicle;

// The loading steps, queued on the loading screens' widgets.
void LoadLevelCallback();
void UnloadLevelCallback();

// Fills the player and computer-vehicle slots from the collision list, in its order:
// human vehicles by player number, computer vehicles other than batteries in the order
// found. Player one's vehicle records `choice`. Returns the computer vehicles that found
// no free slot.
int FillVehicleSlots(const std::list<GameEntity*>& collisionList, std::span<Vehicle*> players,
                     std::span<Vehicle*> enemies, int choice);

// The level screen's HUD widgets and camera for a mode.
struct HudSetup {
    bool healthBar;
    bool energyBar;
    bool leftPanel;
    bool rightPanel;
    CameraMode cameraMode;
};
HudSetup HudForMode(int gameMode);

// The button whose release led to the unloading screen.
enum class LeaveButton {
    Other,            // "Return to Menu" and the like
    NextLevel,        // "Next Level" of the Story win popup
    Replay,           // the replay button of a lose, draw or Versus popup
    RestartLevel,     // "Restart Level" of the in-game menu
    BattleWinReplay,  // "Replay Level" of the Battle and Assault win popup
};
enum class UnloadTarget { LoadingScreen, SelectionMenu };
// Where the unloading screen goes. "Restart Level" always plays the same level again.
UnloadTarget ChooseUnloadTarget(LeaveButton button, bool lastLevel, int gameMode);

// Why a level file cannot be played, as the box says it: it does not open, its header does
// not read, or it holds more records than the game plays. Empty when it can be built.
std::string LevelFileRefusal(const std::string& path);
// Whether a level file can be built: LevelFileRefusal has nothing to say.
bool LevelFileBuilds(const std::string& path);
