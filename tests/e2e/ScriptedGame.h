#pragma once
// The real program driven by a scripted player: the SDL display offscreen on Mesa, FreeType
// faces and the sound device's null driver, with the keyboard, the events, the clock and the
// boxes scripted. The game's own start-up, menus, intro and frame run unchanged; every frame
// advances the clock by the same step, so a run is the same every time.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace e2e {

class ScriptedGame {
public:
    // Runs in `root` (a built tree holding RESOURCES): BRASK_E2E_ROOT when set, else the build
    // tree this test was made in. The C library's random numbers and the particles' own start
    // from `seed`, so that what the computer drivers and the spawns draw does not hang on the
    // runs before in the same program. Past `frameBudget` frames the clock stops and no frame
    // runs: every loop of a run ends, and OutOfFrames() tells.
    explicit ScriptedGame(unsigned seed = 1, int frameBudget = 100000);
    ~ScriptedGame();
    ScriptedGame(const ScriptedGame&) = delete;
    ScriptedGame& operator=(const ScriptedGame&) = delete;

    static std::string Root();

    // The game's own start-up with the menus main() installs.
    void Start();
    bool Running() const;
    // Start-up, then clicks until the intro gives way to the main menu; false if it never does.
    bool SkipIntro();
    // One frame of the main loop after a fixed step of the clock.
    void Frame();
    void Frames(int count);
    int FramesRun() const { return framesRun; }
    bool OutOfFrames() const { return framesRun >= frameBudget; }
    // Frames until that menu is the current one (or the popup, for popups); false at the limit.
    bool FramesUntil(const std::string& menu, int limit = 2000);
    bool FramesUntilPopup(const std::string& popup, int limit);
    // Moves the mouse to the centre of the button of that caption on the popup when one shows,
    // else on the current menu, and clicks it. False when no such button is on show.
    bool Click(const std::string& caption);
    // Holds a key for one frame.
    void Tap(int virtualKey);
    void Hold(int virtualKey, bool down);
    std::string Menu() const;
    std::string Popup() const;
    // The captions of the buttons on the current popup, else the current menu.
    std::vector<std::string> Buttons() const;
    // Writes the last finished frame as a PNG under the build tree's e2e folder.
    void SavePng(const std::string& name) const;

    // The menus passed through, in order, each once per visit.
    std::vector<std::string> visited;
    platform::FakeDialogs& Dialogs();
    platform::FakeEvents& Events();
    platform::FakeKeyboard& Keys();

    static constexpr double kStepSeconds = 0.02;

private:
    struct Seeds;
    struct Devices;
    std::unique_ptr<Seeds> seeds;
    std::unique_ptr<Devices> devices;
    int framesRun = 0;
    int frameBudget = 0;
    std::string previousPath;
};

// A vehicle position that is not a number or lies outside the room's floor; empty when all
// are sound.
std::string CheckVehicles();

}  // namespace e2e
