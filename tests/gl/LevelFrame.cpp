#include "tests/gl/LevelFrame.h"

#include <GL/gl.h>

#include <chrono>
#include <ctime>

#include "app/FileLoader.h"
#include "game/Application.h"
#include "game/ComputerDrivers.h"
#include "game/MenuNames.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/World.h"

namespace levelframe {
namespace {

// The AI Difficulty selector's first entry.
constexpr int kMediumDifficulty = 0;

// The calling thread's processor time so far, in milliseconds.
double ThreadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return 1e3 * static_cast<double>(now.tv_sec) + 1e-6 * static_cast<double>(now.tv_nsec);
}

// Finishes the steps just run and adds their times; a no-op without a record.
class PassClock {
public:
    explicit PassClock(PassTimes* times) : times_(times) {
        if (times_) glFinish();
        last_ = std::chrono::steady_clock::now();
        lastThread_ = ThreadMs();
    }
    void Finished(PassTimes::Pass pass) {
        if (!times_) return;
        glFinish();
        const auto now = std::chrono::steady_clock::now();
        const double thread = ThreadMs();
        times_->ms[pass] += std::chrono::duration<double, std::milli>(now - last_).count();
        times_->threadMs[pass] += thread - lastThread_;
        last_ = now;
        lastThread_ = thread;
    }

private:
    PassTimes* times_;
    std::chrono::steady_clock::time_point last_;
    double lastThread_ = 0.0;
};

}  // namespace

bool StartLevel(const std::string& levelFile, int gameMode, int playerChoice, int secondChoice) {
    world.ResetResourceCache();
    InstallComputerDrivers();
    application.CreateEnemyBars();
    menuSystem.EnsureMenu(menunames::kLevelScreen);
    application.ClearLevelLists();
    application.AddLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + levelFile, gameMode);
    application.SetGameMode(gameMode);
    if (!application.StartLevel(0, kMediumDifficulty, playerChoice, secondChoice, true))
        return false;
    menuSystem.SetCurrentMenu(menunames::kLevelScreen);
    return true;
}

void EndLevel() {
    application.EndLevel(LeaveButton::Other);
}

void DrawFrame(const FrameSteps& steps, PassTimes* times) {
    PassClock clock(times);
    application.ClearScreen();
    application.UpdateCamera();
    clock.Finished(PassTimes::kClear);

    // The level screen's part of UpdateScreens.
    application.AdvanceLevelClock();
    if (steps.room) {
        application.DrawRoom();
        application.ResetDrawColour();
    }
    if (steps.forgetRoomFloor) graphicsSystem.renderer->ClearRoomFloor();
    application.ApplyLevelRules();
    clock.Finished(PassTimes::kRoom);
    if (steps.onlyRoom) return;

    application.UpdateCollisions();
    clock.Finished(PassTimes::kCollisions);
    if (steps.planarShadows) application.DrawPlanarShadows();
    clock.Finished(PassTimes::kPlanarShadows);
    application.UpdateEntities();
    clock.Finished(PassTimes::kEntities);
    if (steps.shadowVolumes) application.DrawShadowVolumes();
    clock.Finished(PassTimes::kShadowVolumes);

    // DrawPasses, step by step.
    if (steps.bars) application.DrawEnemyBars();
    clock.Finished(PassTimes::kBars);
    if (steps.effects) application.DrawEntityEffects();
    clock.Finished(PassTimes::kEffects);
    application.DrawRenderList();
    if (steps.effects) application.DrawRenderListEffects();
    clock.Finished(PassTimes::kRenderList);
    if (steps.bars) application.DrawEnemyBarsOverRenderList();
    clock.Finished(PassTimes::kBars);

    application.SweepDeadEntities();
    clock.Finished(PassTimes::kSweep);
}

}  // namespace levelframe
