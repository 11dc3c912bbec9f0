// Any bytes as a level file, taken as level start takes it: refused as the game refuses it,
// or built into the world with the shipped content of the build tree, a player's vehicle and
// a computer opponent added, and played for a few frames through the game's own passes.
// Every entity must stay at a finite place.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "game/Application.h"
#include "game/Globals.h"
#include "game/LevelLoading.h"
#include "platform/fake/FakePlatform.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/GameEntity.h"
#include "world/World.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFrames = 8;
constexpr std::uint32_t kFrameMs = 16;

platform::FakePlatform* fake = nullptr;
std::string levelPath;

// Once: the game's start-up against the fakes, in the build tree that holds the content.
bool StartUp() {
    fake = new platform::FakePlatform;
    std::error_code error;
    fs::current_path(BRASK_BUILD_DIR, error);
    if (error) return false;
    application.Init();
    graphicsSystem.Shutdown();
    world.ResetResourceCache();
    frameTimer.Init(false);
    fake->clock.milliseconds = 1000;
    frameTimer.Update();
    menuSystem.EnsureMenu("LEVEL_SCREEN");
    menuSystem.SetCurrentMenu("LEVEL_SCREEN");
    levelPath =
        (fs::temp_directory_path() / ("brask-level-fuzz-" + std::to_string(::getpid()) + ".txt"))
            .string();
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = StartUp();
    if (!started) return 0;
    {
        std::ofstream out(levelPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    if (!LevelFileRefusal(levelPath).empty()) return 0;
    std::srand(static_cast<unsigned>(size));
    world.SetAIDifficulty(0.5f);
    world.BuildLevel(levelPath);
    world.CreatePlayerVehicle(static_cast<int>(size % 4));
    world.SpawnRandomVehicle();
    for (int frame = 0; frame < kFrames; ++frame) {
        application.UpdateCollisions();
        application.UpdateEntities();
        application.DrawEntityEffects();
        application.SweepDeadEntities();
        world.time += kFrameMs / 1000.0f;
        fake->clock.milliseconds += kFrameMs;
        frameTimer.Update();
    }
    for (const GameEntity* e : world.updateList)
        if (!std::isfinite(e->GetMatrixElement(12)) || !std::isfinite(e->GetMatrixElement(14)))
            std::abort();
    world.ClearLevel();
    fake->dialogs.shown.clear();
    return 0;
}
