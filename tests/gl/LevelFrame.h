#pragma once
// Drives the game's own level frame, for the picture tests and the frame benchmark (the
// brask_level_frame library): a shipped level started through the game's level start, then
// the Application's frame steps in the main loop's order (UpdateAndDrawFrame in
// game/GameMain.cpp, with the level screen's steps of UpdateLevelScreen and the passes of
// DrawPasses), from the clear to the sweep. The message pump, the input, the interface and
// the swap are left to the caller, and so is the frame timer: a frame is still until the
// caller moves the clock. A frame may leave out whole steps, and may finish and time each one.
#include <string>

namespace levelframe {

// The steps a frame runs; every one by default.
struct FrameSteps {
    bool room = true;           // Application::DrawRoom and ResetDrawColour
    bool planarShadows = true;  // Application::DrawPlanarShadows
    bool shadowVolumes = true;  // Application::DrawShadowVolumes
    // Application::DrawEnemyBars and DrawEnemyBarsOverRenderList.
    bool bars = true;
    // Application::DrawEntityEffects and DrawRenderListEffects.
    bool effects = true;
    // Only the camera and the level screen's steps: no entity is updated or drawn.
    bool onlyRoom = false;
    // The renderer forgets the room drawn, so that the shadow volumes leave out nothing that
    // it hides.
    bool forgetRoomFloor = false;
};

// Where a frame's time goes: each step finished (glFinish) before the next starts, so that
// its rasterisation is counted with it. Milliseconds summed over the frames drawn with it:
// the wall clock's, and the calling thread's own processor time (the driver's work on it,
// without the rasteriser's threads).
struct PassTimes {
    enum Pass {
        kClear,  // the clear and the camera
        kRoom,   // the level clock, the room and the level rules
        kCollisions,
        kPlanarShadows,
        kEntities,  // their update and their drawing
        kShadowVolumes,
        kBars,  // before and over render list 2
        kEffects,
        kRenderList,  // render list 2 and the effects drawn after it
        kSweep,
    };
    static constexpr int kPasses = 10;
    static constexpr const char* kNames[kPasses] = {"clear",    "room",    "collisions", "planar",
                                                    "entities", "volumes", "bars",       "effects",
                                                    "list2",    "sweep"};
    double ms[kPasses] = {};
    double threadMs[kPasses] = {};
};

// Starts `levelFile` (a name under RESOURCES/Files of the FileLoader's root) in `gameMode`
// through Application::StartLevel at Medium difficulty, with player one's vehicle
// `playerChoice` and in Versus player two's `secondChoice`, and makes the level screen
// current. What the level frame needs of start-up is made first: the resource cache from the
// FileLoader's root, the computer drivers, the bars over the computer vehicles, the level
// screen. The FileLoader
// must have been started in the folder that holds RESOURCES. False when the level does not
// start.
bool StartLevel(const std::string& levelFile, int gameMode, int playerChoice, int secondChoice = 0);
// Leaves the level through Application::EndLevel.
void EndLevel();

// Clears and draws one level frame (no swap) with the game's own steps. With `times`, every
// step is finished and timed on its own.
void DrawFrame(const FrameSteps& steps = {}, PassTimes* times = nullptr);

}  // namespace levelframe
