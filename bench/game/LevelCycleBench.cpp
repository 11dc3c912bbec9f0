// Start-up, level loads and the memory of many level cycles, measured on the real program:
// the SDL platform offscreen on Mesa, the game's own start-up, and every shipped level of
// every mode loaded and left through the loading screens' own steps. The times are given in
// bare clear-and-swap frames measured in the same run, so that the figures compare across
// machines and loads.
//
//   brask_level_cycle_bench [cycles]   (default 200)
//
// Every level is visited once first (its first load is the load time reported), then the
// cycles are counted. The heap in use is reported next to the resident memory: a leak raises
// both, while the GL driver's own warm-up (compiled shader variants) raises only the second.
// Exits with 1 when the resident memory after the last cycle is more than 2 % above the
// memory after the tenth.
#include <GL/gl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "game/Application.h"
#include "game/LevelLoading.h"
#include "platform/Services.h"
#include "platform/sdl/SdlPlatform.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultCycles = 200;
constexpr int kBareFrames = 300;
// Level frames played between a load and its leave: enough for the casters to be recorded,
// the effects to start and the computer drivers to move.
constexpr int kFramesPerVisit = 5;
constexpr double kAllowedGrowth = 0.02;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// The bytes that the heap has handed out and not had back: what a leak would raise.
double HeapInUseMiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1048576.0;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of bare frames: clear, swap, wait for the driver.
double BareFrameMs() {
    Renderer& renderer = *graphicsSystem.renderer;
    std::vector<double> times;
    for (int i = 0; i < kBareFrames; ++i) {
        const Clock::time_point start = Clock::now();
        renderer.Clear();
        renderer.SwapBuffers();
        glFinish();
        times.push_back(Milliseconds(start, Clock::now()));
    }
    return Median(times);
}

struct Visit {
    int mode;
    std::string path;
};

const char* const kModeNames[kGameModes] = {"Battle", "Versus", "Assault", "Story", "Survival"};

// Every mode's levels, in the order start-up lists them.
std::vector<Visit> EveryLevel() {
    std::vector<Visit> visits;
    for (int mode = 0; mode < kGameModes; ++mode)
        for (const std::string& path : application.GetLevelList(mode))
            visits.push_back({mode, path});
    return visits;
}

void Frame() {
    RunFrame();
    glFinish();
}

// One level cycle through the loading steps: the level alone in its mode's list, so that the
// step (which takes the selection menu's first entry when there is no menu) starts it.
// Returns the time from the loading step to the first level frame on the screen.
double LoadPlayLeave(const Visit& visit) {
    // The same random opponent and effects on every visit of a level, so that the runs repeat.
    std::srand(static_cast<unsigned>(std::hash<std::string>{}(visit.path) + visit.mode));
    application.ClearLevelLists();
    application.AddLevel(visit.path, visit.mode);
    application.SetGameMode(visit.mode);
    const Clock::time_point start = Clock::now();
    LoadLevelCallback();
    Frame();
    const double loadMs = Milliseconds(start, Clock::now());
    if (!application.IsLevelFrame())
        std::fprintf(stderr, "%s did not start as a level\n", visit.path.c_str());
    for (int i = 1; i < kFramesPerVisit; ++i) Frame();
    UnloadLevelCallback();
    Frame();
    return loadMs;
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point programStart = Clock::now();
    const int cycles = argc > 1 ? std::max(10, std::atoi(argv[1])) : kDefaultCycles;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("BRASK_NO_PACING", "1", 1);
    std::error_code error;
    std::filesystem::current_path(BRASK_BUILD_DIR, error);
    if (error) {
        std::fprintf(stderr, "cannot enter %s: %s\n", BRASK_BUILD_DIR, error.message().c_str());
        return 1;
    }
    platform::SdlPlatform sdl;
    platform::Install(sdl.GetServices());

    // Start-up to its first frame on the screen. No front-end menus are built by start-up
    // itself yet, so this is the first frame after Application::Init.
    application.Init();
    if (!graphicsSystem.renderer || !graphicsSystem.renderer->HasContext()) {
        std::fprintf(stderr, "no OpenGL context\n");
        return 1;
    }
    Frame();
    const double startupMs = Milliseconds(programStart, Clock::now());
    const double bareMs = BareFrameMs();
    std::printf("GL renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("bare clear-and-swap frame: %.3f ms (median of %d)\n", bareMs, kBareFrames);
    std::printf("start-up to the first frame: %.1f ms = %.0f bare frames\n", startupMs,
                startupMs / bareMs);

    // The level screen the loading step goes to; its HUD widgets are the menus' business.
    menuSystem.EnsureMenu("LEVEL_SCREEN");
    const std::vector<Visit> visits = EveryLevel();
    if (visits.empty()) {
        std::fprintf(stderr, "no levels listed\n");
        return 1;
    }
    std::printf("\nlevel loads, first visit (loading step to the first level frame):\n");
    // The first visit of each level fills the caches that the game keeps for the whole run
    // (models, textures, sounds, scripts); the cycles are counted after it.
    for (const Visit& visit : visits) {
        const double loadMs = LoadPlayLeave(visit);
        std::printf("  %-8s %-22s %8.1f ms = %6.0f bare frames\n", kModeNames[visit.mode],
                    FileName(visit.path).c_str(), loadMs, loadMs / bareMs);
    }
    std::printf("\nresident memory after the first visit of every level: %.1f MiB\n",
                ResidentBytes() / 1048576.0);
    long residentAt10 = 0;
    long residentAt100 = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        const Visit& visit = visits[static_cast<std::size_t>(cycle - 1) % visits.size()];
        LoadPlayLeave(visit);
        if (cycle == 10 || cycle == 100 || cycle == cycles)
            std::printf("heap in use after %d cycles: %.1f MiB\n", cycle, HeapInUseMiB());
        if (cycle == 10) residentAt10 = ResidentBytes();
        if (cycle == 100) residentAt100 = ResidentBytes();
    }
    const long residentAtEnd = ResidentBytes();
    const double growth = static_cast<double>(residentAtEnd - residentAt10) / residentAt10;
    std::printf("resident memory after 10 cycles: %.1f MiB\n", residentAt10 / 1048576.0);
    if (cycles >= 100)
        std::printf("resident memory after 100 cycles: %.1f MiB\n", residentAt100 / 1048576.0);
    std::printf("resident memory after %d cycles: %.1f MiB (%+.2f %% of the tenth: %s)\n", cycles,
                residentAtEnd / 1048576.0, 100.0 * growth,
                growth <= kAllowedGrowth ? "flat" : "GROWS");

    application.Shutdown();
    platform::Uninstall();
    return growth <= kAllowedGrowth ? 0 : 1;
}
