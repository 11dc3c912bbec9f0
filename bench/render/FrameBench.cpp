// A shipped level's frame (clear, room, every model with its outline, planar shadows, the
// tall casters from render list 2, shadow volumes, swap) against a bare clear-and-swap frame,
// offscreen at 1024 x 768. The level is built from the build tree's RESOURCES as level start
// builds it, and drawn with the level screen's passes.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/FileLoader.h"
#include "app/Window.h"
#include "platform/Services.h"
#include "platform/sdl/SdlDisplay.h"
#include "render/GraphicsSystem.h"
#include "tests/gl/LevelFrame.h"
#include "world/World.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr unsigned kSeed = 7;

long IgnoreMessages(const platform::WindowMessage&) {
    return 0;
}

struct Level {
    const char* file;
    int gameMode;
    int playerChoice;
};
const Level kLevels[] = {
    {"Bedroom1.txt", levelframe::kBattle, 0},
    {"Assault1.txt", levelframe::kAssault, 1},
};

platform::SdlDisplay* display = nullptr;

bool SetUp() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("BRASK_NO_PACING", "1", 1);
    // The content is read relative to the build tree.
    std::error_code error;
    std::filesystem::current_path(BRASK_BUILD_DIR, error);
    if (error) {
        std::fprintf(stderr, "cannot enter %s: %s\n", BRASK_BUILD_DIR, error.message().c_str());
        return false;
    }
    fileLoader.Init();
    display = new platform::SdlDisplay;
    platform::Services services;
    services.display = display;
    platform::Install(services);
    window.Init("Brask benchmark", "Brask benchmark", IgnoreMessages, kWidth, kHeight, 32, false);
    graphicsSystem.Init(kWidth, kHeight, 32);
    if (!graphicsSystem.renderer || !graphicsSystem.renderer->HasContext()) {
        std::fprintf(stderr, "no OpenGL context: %s\n", display->LastError().c_str());
        return false;
    }
    // The figures depend on the driver: name it in the report's context.
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    benchmark::AddCustomContext("gl_renderer", renderer ? renderer : "?");
    benchmark::AddCustomContext("gl_version", version ? version : "?");
    const float start[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -12, 1};
    graphicsSystem.camera->SetPerspective(start, 0.1f, 1000.0f);
    world.ResetResourceCache();
    return true;
}

void ClearAndSwap(benchmark::State& state) {
    Renderer& renderer = *graphicsSystem.renderer;
    for (auto _ : state) {
        renderer.Clear();
        renderer.SwapBuffers();
        glFinish();
    }
}

// Arguments: the level (an index into kLevels) and the camera mode.
void LevelFrame(benchmark::State& state) {
    const Level& level = kLevels[state.range(0)];
    const int cameraMode = static_cast<int>(state.range(1));
    // The vehicles' corners are drawn at random: the same ones as the level pictures'.
    std::srand(kSeed);
    levelframe::StartLevel(level.file, level.gameMode, level.playerChoice);
    if (!world.GetPlayerOne()) {
        state.SkipWithError("the level has no player");
        return;
    }
    const Vehicle* opponent = levelframe::FirstOpponent();
    Renderer& renderer = *graphicsSystem.renderer;
    // The first frame records the casters; every frame after it looks alike.
    levelframe::DrawFrame(cameraMode, level.gameMode, opponent);
    renderer.SwapBuffers();
    for (auto _ : state) {
        levelframe::DrawFrame(cameraMode, level.gameMode, opponent);
        renderer.SwapBuffers();
        glFinish();
    }
    state.counters["triangles"] = renderer.trianglesDrawn;
    state.counters["entities"] = static_cast<double>(world.updateList.size());
    state.SetLabel(level.file);
    levelframe::EndLevel();
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!SetUp()) return 1;
    benchmark::RegisterBenchmark("ClearAndSwap/1024x768", ClearAndSwap)
        ->Unit(benchmark::kMillisecond);
    // Bedroom1 from the chase and the top-down camera, Assault1 from the chase camera.
    benchmark::RegisterBenchmark("LevelFrame/1024x768", LevelFrame)
        ->ArgNames({"level", "camera"})
        ->Args({0, 1})
        ->Args({0, 2})
        ->Args({1, 1})
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    world.ClearLevel();
    graphicsSystem.Shutdown();
    window.Destroy();
    return 0;
}
