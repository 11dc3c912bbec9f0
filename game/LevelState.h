#pragma once
// What lives from a level's start to its leave: the vehicles the game flow follows, the
// counters, the camera and the Escape menu's memory. The Application makes a fresh one at
// level start and drops it at leave, so that nothing of one level reaches the next.
#include "game/CameraControl.h"
#include "game/Results.h"

class Vehicle;

constexpr int kPlayerSlots = 2;
constexpr int kEnemySlots = 5;

struct LevelState {
    // The two player slots and the five computer-vehicle slots; each list ends at its first
    // empty slot. The World owns the vehicles.
    Vehicle* players[kPlayerSlots] = {};
    Vehicle* enemies[kEnemySlots] = {};
    // Player one's vehicle choice: its race keys the Story dialogues.
    int chosenVehicle = -1;
    int survivalKills = 0;
    CameraMode cameraMode = ChaseCamera;
    float defeatCameraAngle = kDefeatOrbitStart;
    // Set again each frame by the level-over rules.
    bool levelOver = false;
    bool resultsPending = false;
    InGameMenuToggle inGameMenu;
};
