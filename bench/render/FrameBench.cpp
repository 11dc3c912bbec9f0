// A shipped level's frame (clear, room, every model with its outline, planar shadows, the
// tall casters from render list 2, shadow volumes, effects, bars, swap) against a bare
// clear-and-swap frame, offscreen at 1024 x 768. The level is started from the build tree's
// RESOURCES by the game's own level start and drawn by the game's own frame steps.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/LevelFile.h"
#include "app/Window.h"
#include "bench/common/BareFrame.h"
#include "bench/common/FrameTimes.h"
#include "game/Application.h"
#include "game/ComputerDrivers.h"
#include "game/MenuNames.h"
#include "game/ParticleEffects.h"
#include "particles/Particle.h"
#include "particles/ParticleCanvas.h"
#include "particles/ParticleScript.h"
#include "platform/Services.h"
#include "platform/fake/FakePlatform.h"
#include "platform/freetype/FreeTypeFonts.h"
#include "platform/sdl/SdlEvents.h"
#include "render/GraphicsSystem.h"
#include "tests/gl/LevelFrame.h"
#include "ui/GameFonts.h"
#include "ui/GlMenuCanvas.h"
#include "ui/MenuSystem.h"
#include "world/EffectFactory.h"
#include "world/GameEntity.h"
#include "world/Message.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace mn = menunames;

namespace {

constexpr int kWidth = benchframes::kBareWidth;
constexpr int kHeight = benchframes::kBareHeight;
constexpr unsigned kSeed = 7;
// Every firefight run plays the same frames, so that its variants compare.
constexpr int kFirefightFrames = 240;

struct Level {
    const char* file;
    int gameMode;
    int playerChoice;
};
const Level kLevels[] = {
    {"Bedroom1.txt", Battle, 0},
    {"Assault1.txt", Assault, 1},
};

benchframes::OffscreenWindow* offscreen = nullptr;
// What SetUp installed, so that a benchmark that swaps a service can put it back.
platform::Services installed;

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
    // The game's fonts and clocks too: its frame prints the HUD and runs on the frame time.
    static platform::FreeTypeFonts fonts;
    static platform::SdlClock clock;
    platform::Services services;
    services.fonts = &fonts;
    services.clock = &clock;
    offscreen = new benchframes::OffscreenWindow(services);
    installed = offscreen->Installed();
    if (!offscreen->IsOpen()) {
        std::fprintf(stderr, "no OpenGL context: %s\n", offscreen->Error().c_str());
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
    // What the level screen needs of start-up: the menu fonts, the level screen and the bars.
    static GlMenuCanvas canvas;
    SetMenuCanvas(&canvas);
    for (const GameFont& font : kGameFonts)
        menuSystem.CreateFont(kGameFontFace, font.height, font.bold, false, false);
    menuSystem.EnsureMenu(mn::kLevelScreen);
    application.CreateEnemyBars();
    frameTimer.Init(true);
    return true;
}

void ClearAndSwap(benchmark::State& state) {
    for (auto _ : state) benchframes::BareFrame();
}

// Arguments: the level (an index into kLevels) and the camera mode.
void LevelFrame(benchmark::State& state) {
    const Level& level = kLevels[state.range(0)];
    const int cameraMode = static_cast<int>(state.range(1));
    // The vehicles' corners are drawn at random: the same ones as the level pictures'.
    std::srand(kSeed);
    if (!levelframe::StartLevel(level.file, level.gameMode, level.playerChoice)) {
        state.SkipWithError("the level does not start");
        return;
    }
    application.SetCameraMode(static_cast<CameraMode>(cameraMode));
    // No time passes: every frame draws the same picture.
    frameTimer.Init(true);
    Renderer& renderer = *graphicsSystem.renderer;
    // The first frame records the casters; every frame after it looks alike.
    levelframe::DrawFrame();
    renderer.SwapBuffers();
    for (auto _ : state) {
        levelframe::DrawFrame();
        renderer.SwapBuffers();
        glFinish();
    }
    state.counters["triangles"] = renderer.trianglesDrawn;
    state.counters["entities"] = static_cast<double>(world.updateList.size());
    state.SetLabel(level.file);
    levelframe::EndLevel();
}

// Runs `frame` once an iteration, each finished (glFinish) and timed whole.
template <typename Frame>
void TimeFrames(benchmark::State& state, Frame frame) {
    const benchframes::FrameTimes times = benchframes::TimeFrames(state, [&] {
        frame();
        glFinish();
    });
    if (times.frames == 0) return;
    state.counters["median_ms"] = times.medianMs;
    state.counters["worst_ms"] = times.worstMs;
}

// A firefight in progress: every vehicle fires its gun in turn, one opponent burns as a
// wreck, and the bars float over every living opponent. Each frame is the game's own: the
// computer drivers drive and fire, shots hit, finished weapons are swept.
class Firefight {
public:
    static constexpr int kOpponents = 4;
    static constexpr int kFireEvery = 12;
    static constexpr float kFrameTime = 1.0f / 60.0f;

    bool Start() {
        // The fight runs on a clock that moves one fixed frame per frame: everything moves,
        // burns and fades as in the game, and every run plays the same frames (the computer
        // drivers' vehicles are drawn from a generator seeded by the clock).
        platform::Services stepped = installed;
        stepped.clock = &clock;
        platform::Install(stepped);
        frameTimer.Init(true);
        InstallParticleEffects();
        InstallComputerDrivers();
        std::srand(kSeed);
        if (!levelframe::StartLevel("Bedroom1.txt", Battle, 0)) return false;
        while (Opponents().size() < kOpponents && world.SpawnRandomVehicle()) {
        }
        // The level screen's slots hold the opponents spawned too: their bars show.
        application.TakeVehicleSlots(0);
        std::vector<Vehicle*> opponents = Opponents();
        if (!world.GetPlayerOne() || opponents.empty()) return false;
        opponents.back()->TakeDamage(opponents.back()->GetHitPoints());
        // Under way: shots in the air, impacts playing, the wreck burning.
        for (int f = 0; f < 90; ++f) {
            Advance();
            levelframe::DrawFrame();
            graphicsSystem.renderer->SwapBuffers();
        }
        return true;
    }

    void Stop() {
        levelframe::EndLevel();
        InstallGameEffects(nullptr, nullptr);
        platform::Install(installed);
        frameTimer.Init(true);
    }

    std::vector<Vehicle*> Opponents() const {
        std::vector<Vehicle*> found;
        for (GameEntity* e : world.collisionList)
            if (e->GetTypeName() == "Vehicle" && e != world.GetPlayerOne() &&
                e->GetName() != "Battery")
                found.push_back(static_cast<Vehicle*>(e));
        return found;
    }

    // Before a frame: one fixed frame time passes, and now and then every living vehicle
    // fires.
    void Advance() {
        ++frame;
        frameTimer.Update();
        clock.AdvanceSeconds(kFrameTime);
        frameTimer.Update();
        if (frame % kFireEvery != 0) return;
        static const char* const kGuns[] = {"canon.txt", "laser_blaster.txt", "machine_gun.txt",
                                            "rail_gun.txt"};
        std::vector<Vehicle*> shooters = Opponents();
        shooters.push_back(world.GetPlayerOne());
        int gun = 0;
        for (Vehicle* v : shooters) {
            if (v->GetHitPoints() <= 0) continue;
            Message fired("WEAPON_FIRED", {{"WEAPON_FILE", kGuns[gun++ % 4]}});
            world.SpawnWeapon(&fired, v);
        }
    }

    int LiveEmitters() const {
        int live = 0;
        for (GameEntity* e : world.updateList)
            for (int slot = 0; slot < EffectSlots::kSlots; ++slot) {
                Effect* effect = e->effects.Get(slot);
                if (!effect || !e->effects.IsRunning(slot)) continue;
                for (int i = 0; effect->GetSystem(i); ++i) live += effect->GetSystem(i)->AnyAlive();
            }
        return live;
    }

private:
    platform::FakeClock clock;
    int frame = 0;
};

// The passes that the firefight's profile can leave out, as bits of its argument.
constexpr int kWithoutPlanarShadows = 1;
constexpr int kWithoutShadowVolumes = 2;
constexpr int kWithoutEffects = 4;
constexpr int kWithoutOutlines = 8;
constexpr int kWithoutRoom = 16;
constexpr int kWithoutBars = 32;

// The level frame of Bedroom1 from the chase camera with the firefight drawn.
void FirefightFrame(benchmark::State& state) {
    Firefight fight;
    if (!fight.Start()) {
        state.SkipWithError("no firefight");
        return;
    }
    Renderer& renderer = *graphicsSystem.renderer;
    // The profile by step: the argument names the steps left out.
    const int without = static_cast<int>(state.range(0));
    levelframe::FrameSteps steps;
    steps.planarShadows = !(without & kWithoutPlanarShadows);
    steps.shadowVolumes = !(without & kWithoutShadowVolumes);
    steps.effects = !(without & kWithoutEffects);
    steps.room = !(without & kWithoutRoom);
    steps.bars = !(without & kWithoutBars);
    TimeFrames(state, [&] {
        fight.Advance();
        if (without & kWithoutOutlines)
            for (GameEntity* e : world.updateList) e->GetModel()->outlined = false;
        levelframe::DrawFrame(steps);
        renderer.SwapBuffers();
    });
    state.counters["out_of_view"] = renderer.modelsOutOfView;
    state.counters["live_emitters"] = fight.LiveEmitters();
    state.counters["entities"] = static_cast<double>(world.updateList.size());
    fight.Stop();
}

// The firefight frame with every step finished and timed on its own: where the time goes.
// The sum is more than the frame, since the steps no longer overlap the rasteriser.
void FirefightPasses(benchmark::State& state) {
    Firefight fight;
    if (!fight.Start()) {
        state.SkipWithError("no firefight");
        return;
    }
    Renderer& renderer = *graphicsSystem.renderer;
    levelframe::PassTimes times;
    double swapMs = 0.0;
    int frames = 0;
    using Clock = std::chrono::steady_clock;
    auto since = [](Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    for (auto _ : state) {
        fight.Advance();
        levelframe::DrawFrame({}, &times);
        const Clock::time_point start = Clock::now();
        renderer.SwapBuffers();
        glFinish();
        swapMs += since(start);
        ++frames;
    }
    fight.Stop();
    if (frames == 0) return;
    for (int pass = 0; pass < levelframe::PassTimes::kPasses; ++pass) {
        const std::string name = levelframe::PassTimes::kNames[pass];
        state.counters[name + "_ms"] = times.ms[pass] / frames;
        state.counters[name + "_cpu_ms"] = times.threadMs[pass] / frames;
    }
    state.counters["swap_ms"] = swapMs / frames;
}

// Starts `file` as the only level of `gameMode` and shows the level screen, with the effects
// the game makes and, when `withDrivers`, its computer drivers, as start-up installs them.
// False (the benchmark skipped) when the level does not build.
bool StartOnlyLevel(benchmark::State& state, const std::string& file, int gameMode,
                    bool withDrivers) {
    application.ClearLevelLists();
    application.AddLevel(file, gameMode);
    application.SetGameMode(gameMode);
    InstallParticleEffects();
    if (withDrivers) InstallComputerDrivers();
    std::srand(kSeed);
    if (!application.StartLevel(0, 0, 0, 3, true)) {
        state.SkipWithError("the level does not build");
        InstallGameEffects(nullptr, nullptr);
        return false;
    }
    menuSystem.SetCurrentMenu(mn::kLevelScreen);
    return true;
}

// The game's own level frame: the level started as the loading screen starts it, then the
// main loop's frame (every step from the message pump to the swap) on the level screen, with
// the HUD, the bars, the computer opponents and the clock running.
void GameFrame(benchmark::State& state) {
    const int gameMode = static_cast<int>(state.range(0));
    const char* file = gameMode == Versus ? "Multi1.txt" : "Bedroom1.txt";
    if (!StartOnlyLevel(state, fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + file, gameMode,
                        true))
        return;
    // The first frame records the casters; every frame after it looks alike.
    RunFrame();
    for (auto _ : state) {
        RunFrame();
        glFinish();
    }
    state.counters["triangles"] = graphicsSystem.renderer->trianglesDrawn;
    state.counters["entities"] = static_cast<double>(world.updateList.size());
    state.SetLabel(file);
    application.EndLevel(LeaveButton::Other);
    InstallGameEffects(nullptr, nullptr);
}

// Draws nothing: what updating the emitters costs on its own.
class NoCanvas : public ParticleCanvas {
public:
    unsigned LoadTexture(const std::string&) override { return 1; }
    unsigned LoadTextureColourKey(const std::string&, const int[3]) override { return 1; }
    void BeginSystem() override {}
    void BindFrame(unsigned) override {}
    void DrawParticle(const ParticleDraw&) override {}
    void EndSystem() override {}
    void ForgetTriangles(int) override {}
};

// The same firefight, timing only the frame's effect and bar steps with a canvas that draws
// nothing: the CPU cost of updating every live emitter of the frame.
void FirefightEmitterUpdate(benchmark::State& state) {
    NoCanvas none;
    SetParticleCanvas(&none);
    Firefight fight;
    if (!fight.Start()) {
        state.SkipWithError("no firefight");
        SetParticleCanvas(nullptr);
        return;
    }
    levelframe::FrameSteps rest;
    rest.bars = false;
    rest.effects = false;
    for (auto _ : state) {
        state.PauseTiming();
        fight.Advance();
        levelframe::DrawFrame(rest);
        graphicsSystem.renderer->SwapBuffers();
        state.ResumeTiming();
        application.DrawEnemyBars();
        application.DrawEntityEffects();
        application.DrawRenderListEffects();
        application.DrawEnemyBarsOverRenderList();
    }
    state.counters["live_emitters"] = fight.LiveEmitters();
    fight.Stop();
    SetParticleCanvas(nullptr);
}

// ---- Content at the readers' caps ---------------------------------------------------------

namespace fs = std::filesystem;

std::vector<std::string> ReadLines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void WriteLines(const fs::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::trunc);
    for (const std::string& line : lines) out << line << '\n';
}

// The value after "label = " among a script's lines; 0 when it is not there.
float ScriptValue(const std::vector<std::string>& lines, const std::string& label) {
    for (const std::string& line : lines)
        if (line.rfind(label + " =", 0) == 0)
            return std::strtof(line.c_str() + line.find('=') + 1, nullptr);
    return 0.0f;
}

// A copy of the build tree's content under `root` (the art linked, the text files copied)
// in which every particle script asks for `particles` live particles: its batch size scaled
// so that batches times size, as the reader derives them, come to that number, and its block
// file holding as many blocks, its own repeated. With `onlyNamed`, only the scripts whose file
// name holds it are scaled, and the others stay as shipped.
bool WriteScaledContent(const fs::path& root, int particles, const std::string& onlyNamed) {
    const fs::path build = BRASK_BUILD_DIR;
    std::error_code error;
    fs::remove_all(root, error);
    fs::create_directories(root / "RESOURCES", error);
    fs::create_directory_symlink(build / "RESOURCES" / "Art", root / "RESOURCES" / "Art", error);
    fs::copy(build / "RESOURCES" / "Files", root / "RESOURCES" / "Files",
             fs::copy_options::recursive, error);
    fs::copy_file(build / "options.txt", root / "options.txt", error);
    if (error) return false;
    for (const auto& entry : fs::recursive_directory_iterator(root / "RESOURCES/Files/Particles")) {
        if (entry.path().extension() != ".cfg") continue;
        if (!onlyNamed.empty() &&
            entry.path().filename().string().find(onlyNamed) == std::string::npos)
            continue;
        std::vector<std::string> lines = ReadLines(entry.path());
        const float lifetime = ScriptValue(lines, "lifetime");
        const float interval = ScriptValue(lines, "interval");
        int batches = 1;
        if (interval > 0.0f)
            batches = std::max(1, static_cast<int>(std::ceil(lifetime / interval)));
        const int size = std::clamp(particles / batches, 1, kMaxParticlesPerBatch);
        std::string blockFile;
        for (std::string& line : lines) {
            if (line.rfind("num particles =", 0) == 0)
                line = "num particles = " + std::to_string(size);
            if (line.rfind("script path = ", 0) == 0) blockFile = line.substr(14);
        }
        if (blockFile.empty()) continue;
        WriteLines(entry.path(), lines);
        // Blocks of nine lines: "particle[j]", "{", six values, "}".
        const fs::path blocksPath = root / blockFile;
        const std::vector<std::string> blocks = ReadLines(blocksPath);
        const std::size_t own = blocks.size() / 9;
        if (own == 0) continue;
        std::vector<std::string> scaled;
        for (int j = 0; j < size; ++j) {
            scaled.push_back("particle[" + std::to_string(j) + "]");
            for (int k = 1; k < 9; ++k)
                scaled.push_back(blocks[(static_cast<std::size_t>(j) % own) * 9 + k]);
        }
        WriteLines(blocksPath, scaled);
    }
    return true;
}

// Enters a content root for a benchmark and goes back to the build tree's at the end.
class ContentRoot {
public:
    explicit ContentRoot(const fs::path& root) {
        std::error_code error;
        fs::current_path(root, error);
        fileLoader.Init();
    }
    ~ContentRoot() {
        std::error_code error;
        fs::current_path(BRASK_BUILD_DIR, error);
        fileLoader.Init();
    }
};

// Which particle scripts FirefightAtParticleCount scales.
enum ScaledScripts { kEveryScript = 0, kDustTrailsOnly = 1 };

// The firefight frame with particle scripts of the content at `particles` live particles (the
// reader's maximum is kMaxParticles): every script at once (the dust trails, the shots' trails,
// the impacts and the burning wreck), or only the dust trails that every vehicle carries, as
// one hostile file would.
void FirefightAtParticleCount(benchmark::State& state) {
    const int particles = static_cast<int>(state.range(0));
    const bool dustOnly = state.range(1) == kDustTrailsOnly;
    const fs::path root = fs::path(BRASK_BUILD_DIR) / "bench-hostile" /
                          ("particles-" + std::to_string(particles) + (dustOnly ? "-dust" : ""));
    if (!WriteScaledContent(root, particles, dustOnly ? "dust_trail" : "")) {
        state.SkipWithError("cannot write the scaled content");
        return;
    }
    ContentRoot inside(root);
    Firefight fight;
    if (!fight.Start()) {
        state.SkipWithError("no firefight");
        return;
    }
    Renderer& renderer = *graphicsSystem.renderer;
    TimeFrames(state, [&] {
        fight.Advance();
        levelframe::DrawFrame();
        renderer.SwapBuffers();
    });
    state.counters["live_emitters"] = fight.LiveEmitters();
    fight.Stop();
}

// A Battle level of `records` records, the shipped levels' records in turn spread over the
// largest room, played through the game's own frame: the level records' cap is kLevelRecordMax.
void CrowdedLevel(benchmark::State& state) {
    const auto records = static_cast<std::size_t>(state.range(0));
    std::vector<std::string> shipped;
    for (const auto& entry :
         fs::directory_iterator(fs::path(BRASK_BUILD_DIR) / "RESOURCES/Files")) {
        if (entry.path().extension() != ".txt") continue;
        const std::vector<std::string> lines = ReadLines(entry.path());
        for (std::size_t i = 2; i < lines.size(); ++i)
            if (lines[i].find('(') != std::string::npos) shipped.push_back(lines[i]);
    }
    std::string text = "Wood_Dark.jpg Wood_Floor.jpg Wallpaper_Stripes.bmp\n(100,100)\n";
    for (std::size_t i = 0; i < records && !shipped.empty(); ++i) {
        std::istringstream record(shipped[i % shipped.size()]);
        std::string type, name, place, w, h, bounds;
        record >> type >> name >> place >> w >> h >> bounds;
        text += type + " " + name + " (" + std::to_string(2 + i * 37 % 95) + "," +
                std::to_string(2 + i * 53 % 95) + ") " + w + " " + h + " " + bounds + "\n";
    }
    const fs::path file = fs::path(BRASK_BUILD_DIR) / "bench-hostile" / "Crowded.txt";
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    std::ofstream(file, std::ios::trunc) << text;
    if (!StartOnlyLevel(state, file.string(), Battle, false)) return;
    RunFrame();
    TimeFrames(state, [] { RunFrame(); });
    state.counters["entities"] = static_cast<double>(world.updateList.size());
    application.EndLevel(LeaveButton::Other);
    InstallGameEffects(nullptr, nullptr);
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
    benchmark::RegisterBenchmark("GameFrame/1024x768", GameFrame)
        ->ArgName("mode")
        ->Arg(Battle)
        ->Arg(Versus)
        ->Unit(benchmark::kMillisecond);
    // The whole firefight frame, then the same frame with one pass left out at a time.
    benchmark::RegisterBenchmark("FirefightFrame/1024x768", FirefightFrame)
        ->ArgName("without")
        ->Arg(0)
        ->Arg(kWithoutPlanarShadows)
        ->Arg(kWithoutShadowVolumes)
        ->Arg(kWithoutEffects)
        ->Arg(kWithoutOutlines)
        ->Arg(kWithoutRoom)
        ->Arg(kWithoutBars)
        ->Iterations(kFirefightFrames)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FirefightPasses/1024x768", FirefightPasses)
        ->Iterations(kFirefightFrames)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FirefightEmitterUpdate", FirefightEmitterUpdate)
        ->Unit(benchmark::kMicrosecond);
    // Every particle script at the shipped largest (212), then at the reader's cap, then the dust
    // trails alone at the cap.
    benchmark::RegisterBenchmark("FirefightAtParticleCount/1024x768", FirefightAtParticleCount)
        ->ArgNames({"particles", "dust_only"})
        ->Args({212, kEveryScript})
        ->Args({kMaxParticles, kEveryScript})
        ->Args({kMaxParticles, kDustTrailsOnly})
        ->Iterations(kFirefightFrames)
        ->Unit(benchmark::kMillisecond);
    // A shipped level's worth of records (at most 32), then more up to the cap.
    benchmark::RegisterBenchmark("CrowdedLevel/1024x768", CrowdedLevel)
        ->ArgName("records")
        ->Arg(32)
        ->Arg(128)
        ->Arg(static_cast<long>(kLevelRecordMax))
        ->Iterations(60)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    world.ClearLevel();
    menuSystem.Shutdown();
    SetMenuCanvas(nullptr);
    delete offscreen;
    return 0;
}
