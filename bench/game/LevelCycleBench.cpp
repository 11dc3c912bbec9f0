// Start-up, level loads and the memory of many level cycles, measured on the real program:
// the SDL display offscreen on Mesa, the game's own start-up and menus, and every shipped
// level of every mode loaded and left through the game's own loading screens. The times are
// given in bare clear-and-swap frames measured in the same run, so that the figures compare
// across machines and loads.
//
//   brask_level_cycle_bench [cycles]   (default 200)
//
// The player is scripted through the platform's seams: a key skips the intro, the fire keys
// are held while a level plays, and the clock advances by a fixed step every frame. So every
// visit of a level plays the same frames, with the same shots, effects, HUD and fades; the
// first visit of each level (its load is the load time reported) therefore meets every state
// that later visits meet, and the cycles counted after it show only what a cycle keeps.
//
// The heap in use is reported next to the resident memory, and the GL texture and display
// list names alive: a leak raises the first or the last, while the heap's free space (which
// the C library keeps for the next level) and the GL driver's own caches raise only the
// resident memory. Exits with 1 when the resident memory after the last cycle is more than
// 2 % above the memory after the tenth.
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
#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
#include "platform/Keyboard.h"
#include "platform/Services.h"
#include "platform/fake/FakePlatform.h"
#include "platform/sdl/SdlPlatform.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/World.h"

namespace mn = menunames;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultCycles = 200;
constexpr int kBareFrames = 300;
// The game clock's step per frame, as the end-to-end runs use, and the step of the frames
// between two menus of a level cycle.
constexpr double kStepSeconds = 0.02;
constexpr double kMenuStepSeconds = 0.1;
// Level frames played between a load and its leave, the first half with the primary fire
// keys held and the second with the secondary ones (one of the two fires when both are held):
// long enough for shots of both weapons to fly and hit and their effects to play.
constexpr int kFramesPerVisit = 60;
// Frames a menu change may take (its fades) before the run gives up.
constexpr int kMenuFrameLimit = 600;
constexpr double kAllowedGrowth = 0.02;
// Any key moves the intro on; the space bar is what a player would press.
constexpr unsigned kSkipKey = 0x20;

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

double MiB(double bytes) {
    return bytes / 1048576.0;
}

// The bytes that the heap has handed out and not had back: what a leak would raise.
double HeapInUseMiB() {
    const struct mallinfo2 info = mallinfo2();
    return MiB(static_cast<double>(info.uordblks + info.hblkhd));
}

// The bytes the heap holds free for later requests.
double HeapFreeMiB() {
    const struct mallinfo2 info = mallinfo2();
    return MiB(static_cast<double>(info.fordblks));
}

// GL names alive: a texture or display list made per level and never deleted raises these.
struct GlNames {
    int textures = 0;
    int lists = 0;
};

GlNames LiveGlNames() {
    constexpr GLuint kHighestName = 65536;
    GlNames names;
    for (GLuint name = 1; name <= kHighestName; ++name) {
        if (glIsTexture(name)) ++names.textures;
        if (glIsList(name)) ++names.lists;
    }
    return names;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The scripted player's devices over the real display, sound and fonts.
struct Devices {
    platform::SdlPlatform sdl;
    platform::FakeEvents events;
    platform::FakeKeyboard keys;
    platform::FakeClock clock;
    platform::FakeDialogs dialogs;

    void Install() {
        platform::Services services = sdl.GetServices();
        services.events = &events;
        services.keyboard = &keys;
        services.clock = &clock;
        services.dialogs = &dialogs;
        platform::Install(services);
        clock.milliseconds = 1000;
    }
};

Devices* devices = nullptr;

// One frame of the main loop after a step of the clock, finished by the driver before it
// counts as drawn.
void Frame(double stepSeconds = kStepSeconds) {
    devices->clock.AdvanceSeconds(stepSeconds);
    RunFrame();
    glFinish();
}

std::string Menu() {
    return menuSystem.GetCurrentMenuName();
}

// Frames until that menu is current. The fades between menus take the longer step, so that
// they pass in a few frames; they are the same on every visit all the same.
bool FramesUntil(const std::string& menu) {
    for (int i = 0; i < kMenuFrameLimit && application.IsRunning() && Menu() != menu; ++i)
        Frame(kMenuStepSeconds);
    return Menu() == menu;
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

// From the game's own start-up through the intro, moved on by a key press on each of its
// screens, to the end of the first frame drawn with "MAIN_MENU" current. Returns the number of
// frames drawn, 0 when the main menu never came.
int StartToMainMenu() {
    application.SetIntroBuilder(BuildIntroScreens);
    application.SetMenuBuilder(BuildMenus);
    application.Init();
    if (!graphicsSystem.renderer || !graphicsSystem.renderer->HasContext()) return 0;
    int frames = 0;
    while (Menu() != mn::kMainMenu) {
        if (!application.IsRunning() || frames > kMenuFrameLimit) return 0;
        // Pressed once the screen shows, as a player would; a press during a fade is lost.
        if (!menuSystem.IsTransitioning()) devices->events.Push(platform::WM_KEYDOWN, kSkipKey);
        Frame();
        ++frames;
    }
    Frame();
    return frames + 1;
}

struct Visit {
    int mode;
    std::string path;
};

const char* const kModeNames[kGameModes] = {"Battle", "Versus", "Assault", "Story", "Survival"};
// The vehicle selection menu each mode is started from and returns to.
const char* const kSelectionMenus[kGameModes] = {mn::kSelectionBattle, mn::kSelectionVersus,
                                                 mn::kSelectionAssault, mn::kSelectionStory,
                                                 mn::kSelectionSurvival};
// Both players' primary and secondary fire keys.
const int kPrimaryFireKeys[] = {platform::vk::J, platform::vk::Numpad0};
const int kSecondaryFireKeys[] = {platform::vk::K, platform::vk::Decimal};

// Every mode's levels, in the order start-up lists them.
std::vector<Visit> EveryLevel() {
    std::vector<Visit> visits;
    for (int mode = 0; mode < kGameModes; ++mode)
        for (const std::string& path : application.GetLevelList(mode))
            visits.push_back({mode, path});
    return visits;
}

void Hold(const int (&keys)[2], bool down) {
    for (int key : keys) {
        if (down)
            devices->keys.held.insert(key);
        else
            devices->keys.held.erase(key);
    }
}

// A level's load: the loading screen's frame whose step builds the level, and the first frame
// drawn on the level screen (the first draw of each model and state). The fade between them
// is the menus' own wait, the same for every level, and is not counted.
struct LoadTimes {
    double stepMs = 0.0;
    double firstFrameMs = 0.0;
    bool started = false;
    double Total() const { return stepMs + firstFrameMs; }
};

// One level cycle through the game's own screens: from the mode's selection menu to the
// loading screen (as its start button leads), whose step loads the level alone in its mode's
// list; the level played with the fire keys held; then the unloading screen (as "Return to
// Menu" leads), whose step leaves it, and back to the selection menu.
LoadTimes LoadPlayLeave(const Visit& visit) {
    // The same random opponent and effects on every visit of a level, so that the runs repeat.
    std::srand(static_cast<unsigned>(std::hash<std::string>{}(visit.path) + visit.mode));
    const std::string selection = kSelectionMenus[visit.mode];
    application.ClearLevelLists();
    application.AddLevel(visit.path, visit.mode);
    menuSystem.SetCurrentMenu(selection);
    Frame();
    menuSystem.GoToMenu(mn::kLoadingScreen);
    FramesUntil(mn::kLoadingScreen);

    LoadTimes times;
    Clock::time_point start = Clock::now();
    while (!world.GetPlayerOne() && Menu() == mn::kLoadingScreen) {
        start = Clock::now();
        Frame();
    }
    times.stepMs = Milliseconds(start, Clock::now());
    if (FramesUntil(mn::kLevelScreen)) {
        start = Clock::now();
        Frame();
        times.firstFrameMs = Milliseconds(start, Clock::now());
        times.started = application.IsLevelFrame();
    }
    if (!times.started)
        std::fprintf(stderr, "%s did not start as a level (menu %s)\n", visit.path.c_str(),
                     Menu().c_str());

    Hold(kPrimaryFireKeys, true);
    for (int i = 1; i < kFramesPerVisit && Menu() == mn::kLevelScreen; ++i) {
        if (i == kFramesPerVisit / 2) {
            Hold(kPrimaryFireKeys, false);
            Hold(kSecondaryFireKeys, true);
        }
        Frame();
    }
    Hold(kSecondaryFireKeys, false);
    menuSystem.SetPopupMenu("", false);
    menuSystem.GoToMenu(mn::kUnloadingScreen);
    if (!FramesUntil(selection) || world.GetPlayerOne())
        std::fprintf(stderr, "%s was not left for %s (menu %s)\n", visit.path.c_str(),
                     selection.c_str(), Menu().c_str());
    return times;
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void PrintMemory(const char* when, long resident) {
    const GlNames names = LiveGlNames();
    std::printf(
        "%-32s resident %6.1f MiB, heap in use %5.1f MiB, heap free %5.1f MiB, "
        "GL textures %d, display lists %d\n",
        when, MiB(static_cast<double>(resident)), HeapInUseMiB(), HeapFreeMiB(), names.textures,
        names.lists);
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point programStart = Clock::now();
    const int cycles = argc > 1 ? std::max(10, std::atoi(argv[1])) : kDefaultCycles;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("BRASK_NO_PACING", "1", 1);
    std::error_code error;
    std::filesystem::current_path(BRASK_BUILD_DIR, error);
    if (error) {
        std::fprintf(stderr, "cannot enter %s: %s\n", BRASK_BUILD_DIR, error.message().c_str());
        return 1;
    }
    Devices scripted;
    devices = &scripted;
    scripted.Install();

    const int startupFrames = StartToMainMenu();
    const double startupMs = Milliseconds(programStart, Clock::now());
    if (startupFrames == 0) {
        std::fprintf(stderr, "no OpenGL context, or the main menu never came (menu %s)\n",
                     Menu().c_str());
        return 1;
    }
    const double bareMs = BareFrameMs();
    std::printf("GL renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("bare clear-and-swap frame: %.3f ms (median of %d)\n", bareMs, kBareFrames);
    std::printf(
        "start-up to the first MAIN_MENU frame, intro skipped by a key: %.1f ms = %.0f "
        "bare frames (%d frames drawn, %.0f ms of game clock)\n",
        startupMs, startupMs / bareMs, startupFrames, startupFrames * kStepSeconds * 1000.0);

    const std::vector<Visit> visits = EveryLevel();
    if (visits.empty()) {
        std::fprintf(stderr, "no levels listed\n");
        return 1;
    }
    std::printf(
        "\nlevel loads, first visit (the loading step's frame and the first level frame):\n");
    // The first visit of each level fills the caches that the game keeps for the whole run
    // (models, textures, sounds, scripts) and the driver's; the cycles are counted after it.
    bool allStarted = true;
    for (const Visit& visit : visits) {
        const LoadTimes times = LoadPlayLeave(visit);
        allStarted = allStarted && times.started;
        std::printf("  %-8s %-22s %6.1f ms = %4.0f bare frames (step %.0f, first frame %.0f)\n",
                    kModeNames[visit.mode], FileName(visit.path).c_str(), times.Total(),
                    times.Total() / bareMs, times.stepMs / bareMs, times.firstFrameMs / bareMs);
    }
    std::printf("\n");
    PrintMemory("after the first visits:", ResidentBytes());
    long residentAt10 = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        const Visit& visit = visits[static_cast<std::size_t>(cycle - 1) % visits.size()];
        LoadPlayLeave(visit);
        if (cycle == 10 || cycle == 100 || cycle == cycles) {
            const long resident = ResidentBytes();
            if (cycle == 10) residentAt10 = resident;
            const std::string when = "after " + std::to_string(cycle) + " cycles:";
            PrintMemory(when.c_str(), resident);
        }
    }
    const long residentAtEnd = ResidentBytes();
    const double growth = static_cast<double>(residentAtEnd - residentAt10) / residentAt10;
    const bool flat = growth <= kAllowedGrowth;
    std::printf("resident memory after %d cycles: %+.2f %% of the tenth: %s\n", cycles,
                100.0 * growth, flat ? "flat" : "GROWS");
    if (!scripted.dialogs.shown.empty())
        std::printf("boxes shown: %zu, the first: %s\n", scripted.dialogs.shown.size(),
                    scripted.dialogs.shown.front().text.c_str());

    application.Shutdown();
    platform::Uninstall();
    return flat && allStarted ? 0 : 1;
}
