#include "tests/e2e/ScriptedGame.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "app/Sound.h"
#include "app/Window.h"
#include "game/Application.h"
#include "game/Globals.h"
#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
#include "game/WidgetIds.h"
#include "particles/ParticleRandom.h"
#include "platform/sdl/SdlPlatform.h"
#include "render/GraphicsSystem.h"
#include "tests/gl/GlHarness.h"
#include "ui/MenuSystem.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace mn = menunames;

namespace e2e {

using namespace platform;

// The particles' generator from the run's seed; the game's own is put back after the run.
struct ScriptedGame::Seeds : ParticleRandom {
    explicit Seeds(unsigned seed) : engine(seed) {
        std::srand(seed);
        SetParticleRandom(this);
    }
    ~Seeds() override { SetParticleRandom(nullptr); }
    Seeds(const Seeds&) = delete;
    Seeds& operator=(const Seeds&) = delete;
    int Next() override { return static_cast<int>(engine() % 32768u); }
    std::minstd_rand engine;
};

struct ScriptedGame::Devices {
    SdlPlatform sdl;
    FakeEvents events;
    FakeKeyboard keyboard;
    FakeClock clock;
    FakeDialogs dialogs;
};

ScriptedGame::ScriptedGame(unsigned seed, int frameBudget)
    : seeds(std::make_unique<Seeds>(seed)), frameBudget(frameBudget) {
    // No X server and no sound card: Mesa draws offscreen and the mixer plays into nothing.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("BRASK_NO_PACING", "1", 0);
    previousPath = std::filesystem::current_path().string();
    std::filesystem::current_path(Root());
    devices = std::make_unique<Devices>();
    Services services = devices->sdl.GetServices();
    services.events = &devices->events;
    services.keyboard = &devices->keyboard;
    services.clock = &devices->clock;
    services.dialogs = &devices->dialogs;
    Install(services);
    devices->clock.milliseconds = 1000;
}

ScriptedGame::~ScriptedGame() {
    // The globals as at program start, so that another run can follow in the same program.
    ResetGlobals();
    Uninstall();
    devices.reset();
    std::error_code error;
    std::filesystem::current_path(previousPath, error);
}

std::string ScriptedGame::Root() {
    const char* root = std::getenv("BRASK_E2E_ROOT");
    return root && *root ? root : BRASK_BUILD_DIR;
}

void ScriptedGame::Start() {
    // As main() installs them.
    application.SetIntroBuilder(BuildIntroScreens);
    application.SetMenuBuilder(BuildMenus);
    application.Init();
    visited.push_back(Menu());
}

bool ScriptedGame::SkipIntro() {
    Start();
    for (int i = 0; i < 200 && Running() && Menu() != mn::kMainMenu; ++i) {
        devices->events.Push(WM_LBUTTONDOWN, MK_LBUTTON, 512, 384);
        devices->events.Push(WM_LBUTTONUP, 0, 512, 384);
        Frames(10);
    }
    return FramesUntil(mn::kMainMenu, 500);
}

bool ScriptedGame::Running() const {
    return application.IsRunning();
}

void ScriptedGame::Frame() {
    if (OutOfFrames()) return;
    ++framesRun;
    devices->clock.AdvanceSeconds(kStepSeconds);
    RunFrame();
    const std::string now = Menu();
    if (visited.empty() || visited.back() != now) visited.push_back(now);
}

void ScriptedGame::Frames(int count) {
    for (int i = 0; i < count && Running() && !OutOfFrames(); ++i) Frame();
}

bool ScriptedGame::FramesUntil(const std::string& menu, int limit) {
    for (int i = 0; i < limit && Running() && !OutOfFrames() && Menu() != menu; ++i) Frame();
    return Menu() == menu;
}

bool ScriptedGame::FramesUntilPopup(const std::string& popup, int limit) {
    for (int i = 0; i < limit && Running() && !OutOfFrames() && Popup() != popup; ++i) Frame();
    return Popup() == popup;
}

namespace {

const Widget* FindButton(const std::string& caption) {
    for (const std::string& name :
         {menuSystem.GetPopupMenuName(), menuSystem.GetCurrentMenuName()}) {
        const MenuSystem::Menu* menu = menuSystem.FindMenu(name);
        if (!menu) continue;
        for (const MenuSystem::WidgetNode& node : menu->widgets)
            if (node.widget->type == kButtonWidget && node.widget->name == caption)
                return node.widget.get();
        // A popup with buttons takes the mouse; one without leaves it to the menu beneath.
        for (const MenuSystem::WidgetNode& node : menu->widgets)
            if (node.widget->type == kButtonWidget) return nullptr;
    }
    return nullptr;
}

}  // namespace

bool ScriptedGame::Click(const std::string& caption) {
    // The mouse waits for a running fade to end.
    for (int i = 0; i < 300 && Running() && menuSystem.IsTransitioning(); ++i) Frame();
    const Widget* button = FindButton(caption);
    if (!button) return false;
    // Widgets stand at their centres.
    devices->events.Push(WM_MOUSEMOVE, 0, button->x, button->y);
    Frame();
    devices->events.Push(WM_LBUTTONDOWN, MK_LBUTTON, button->x, button->y);
    devices->events.Push(WM_LBUTTONUP, 0, button->x, button->y);
    Frames(3);
    return true;
}

void ScriptedGame::Tap(int virtualKey) {
    Hold(virtualKey, true);
    Frame();
    Hold(virtualKey, false);
}

void ScriptedGame::Hold(int virtualKey, bool down) {
    if (down)
        devices->keyboard.held.insert(virtualKey);
    else
        devices->keyboard.held.erase(virtualKey);
}

std::string ScriptedGame::Menu() const {
    return menuSystem.GetCurrentMenuName();
}

std::string ScriptedGame::Popup() const {
    return menuSystem.GetPopupMenuName();
}

std::vector<std::string> ScriptedGame::Buttons() const {
    std::vector<std::string> captions;
    for (const std::string& name :
         {menuSystem.GetPopupMenuName(), menuSystem.GetCurrentMenuName()}) {
        const MenuSystem::Menu* menu = menuSystem.FindMenu(name);
        if (!menu) continue;
        for (const MenuSystem::WidgetNode& node : menu->widgets)
            if (node.widget->type == kButtonWidget && node.widget->visible)
                captions.push_back(node.widget->name);
        if (!captions.empty()) break;
    }
    return captions;
}

void ScriptedGame::SavePng(const std::string& name) const {
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int width = viewport[2];
    const int height = viewport[3];
    if (width <= 0 || height <= 0) return;
    // The frame just swapped is in the front buffer.
    glReadBuffer(GL_FRONT);
    std::vector<unsigned char> bottomUp(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glReadBuffer(GL_BACK);
    std::vector<unsigned char> topDown(bottomUp.size());
    const size_t row = static_cast<size_t>(width) * 4;
    for (int y = 0; y < height; ++y)
        std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>(y * row), row,
                    topDown.begin() + static_cast<std::ptrdiff_t>((height - 1 - y) * row));
    const std::filesystem::path folder = std::filesystem::path(BRASK_BUILD_DIR) / "e2e";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    gltest::WritePng((folder / (name + ".png")).string(), width, height, topDown);
}

FakeDialogs& ScriptedGame::Dialogs() {
    return devices->dialogs;
}
FakeEvents& ScriptedGame::Events() {
    return devices->events;
}
FakeKeyboard& ScriptedGame::Keys() {
    return devices->keyboard;
}

std::string CheckVehicles() {
    const float floorX = static_cast<float>(world.GetGridSizeX()) * kCellSize;
    const float floorZ = static_cast<float>(world.GetGridSizeZ()) * kCellSize;
    std::vector<Vehicle*> vehicles;
    for (int slot = 0; slot < 2; ++slot)
        if (Vehicle* v = application.GetPlayer(slot)) vehicles.push_back(v);
    for (int slot = 0; slot < 5; ++slot)
        if (Vehicle* v = application.GetEnemy(slot)) vehicles.push_back(v);
    for (Vehicle* vehicle : vehicles) {
        float at[3] = {0, 0, 0};
        vehicle->GetPosition(at);
        const bool finite = std::isfinite(at[0]) && std::isfinite(at[1]) && std::isfinite(at[2]);
        if (!finite || at[0] < 0 || at[0] > floorX || at[2] < 0 || at[2] > floorZ)
            return vehicle->GetTypeName() + " at (" + std::to_string(at[0]) + ", " +
                   std::to_string(at[1]) + ", " + std::to_string(at[2]) + ") in a room of " +
                   std::to_string(floorX) + " x " + std::to_string(floorZ);
    }
    return "";
}

}  // namespace e2e
