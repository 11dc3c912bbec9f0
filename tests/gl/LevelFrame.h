#pragma once
// A shipped level started and drawn as the level screen does, without the game flow: the
// level built into the global World with its vehicles and its shadow caster table, then the
// drawing passes of a level frame (camera, room, planar shadows, entities, shadow volumes,
// render list 2), each entity drawn by the game's own steps (game/LevelDraw.h). The camera
// and the room stand in for the game flow's camera step until it lands. Used by the picture
// test and the frame benchmark (the brask_level_frame library).
#include <string>

class Vehicle;

namespace levelframe {

// The game modes as the game flow numbers them.
constexpr int kBattle = 0;
constexpr int kVersus = 1;
constexpr int kAssault = 2;

// What one frame draws; everything by default.
struct FrameParts {
    bool floor = true;
    bool walls = true;
    bool entities = true;
    bool planarShadows = true;
    bool shadowVolumes = true;
    // The entities' running effects, as the effects pass draws them.
    bool effects = true;
    // Whether the renderer is told the room drawn, so that the shadow volumes leave out
    // what it hides.
    bool floorKnown = true;
};

// Where a frame's time goes: each pass finished (glFinish) before the next starts, so that its
// rasterisation is counted with it. Milliseconds summed over the frames drawn with it: the
// wall clock's, and the calling thread's own processor time (the driver's work on it, without
// the rasteriser's threads).
struct PassTimes {
    enum Pass { kClear, kRoom, kPlanarShadows, kEntities, kShadowVolumes, kEffects, kRenderList };
    static constexpr int kPasses = 7;
    static constexpr const char* kNames[kPasses] = {"clear",   "room",    "planar", "entities",
                                                    "volumes", "effects", "list2"};
    double ms[kPasses] = {};
    double threadMs[kPasses] = {};
};

// Builds `levelFile` (a name under RESOURCES/Files of the FileLoader's root) as level start
// does for `gameMode`: the level, in Battle a random computer opponent, the shadow caster
// table, then player one's vehicle of `playerChoice` and in Versus player two's of
// `secondChoice`. The FileLoader must have been started in the folder that holds RESOURCES.
void StartLevel(const std::string& levelFile, int gameMode, int playerChoice, int secondChoice = 0);
// Empties the World, the caster table and the render lists.
void EndLevel();

// Player two in Versus; otherwise the first computer vehicle that is not a battery, in
// collision-list order (the opponent that the level screen's first enemy slot holds). Null
// when there is none.
Vehicle* FirstOpponent();

// Places the camera for `cameraMode` on player one: 1 chase, 2 top-down, 4 overview of
// player one and `other`.
void PlaceCamera(int cameraMode, const Vehicle* other);

// Clears and draws one level frame (no swap) with the game's own draw steps; `other` stands
// in the first enemy slot (the overview camera's second vehicle, Survival's shadow caster).
// With `times`, every pass is finished and timed on its own.
void DrawFrame(int cameraMode, int gameMode, const Vehicle* other, const FrameParts& parts = {},
               PassTimes* times = nullptr);

}  // namespace levelframe
