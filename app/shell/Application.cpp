#include "app/shell/Application.h"

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "app/Sound.h"
#include "app/Window.h"
#include "app/shell/WindowProc.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/World.h"

namespace {

struct LevelEntry {
    const char* file;
    int mode;
};

// The play order of each mode's levels; Battle is listed third, yet its list is the one the
// cursors stand on after start-up, since the game mode is still Battle then.
constexpr LevelEntry kLevels[] = {
    {"Bathroom1.txt", Versus},     {"Bathroom2.txt", Versus},     {"Bedroom1.txt", Versus},
    {"Bedroom2.txt", Versus},      {"Multi1.txt", Versus},        {"Multi_Bedroom.txt", Versus},
    {"Multi3.txt", Versus},        {"Story1.txt", Story},         {"Story2.txt", Story},
    {"Story3.txt", Story},         {"Story4.txt", Story},         {"Story5.txt", Story},
    {"Story6.txt", Story},         {"Bathroom1.txt", Battle},     {"Bathroom2.txt", Battle},
    {"Bedroom1.txt", Battle},      {"Bedroom2.txt", Battle},      {"BreakfastNook.txt", Battle},
    {"DiningRoom.txt", Battle},    {"Multi_Bedroom.txt", Battle}, {"Assault1.txt", Assault},
    {"Assault2.txt", Assault},     {"Assault3.txt", Assault},     {"Assault4.txt", Assault},
    {"DiningRoom.txt", Survival},
};

}  // namespace

Application::Application() {
    ClearVehicles();
    deadEntities.clear();
    currentLevel = levelLists[gameMode].end();
    nextLevel = levelLists[gameMode].end();
}

Application::~Application() { ClearLevelLists(); }

void Application::Init() {
    for (float& element : cameraMatrix) element = 0.0f;
    cameraMatrix[0] = cameraMatrix[5] = cameraMatrix[10] = cameraMatrix[15] = 1.0f;
    cameraMatrix[14] = -12.0f;

    fileLoader.Init();
    int width = 1024;
    int height = 768;
    fileLoader.GetScreenSize(configFileName, &width, &height);
    window.Init("Brask", "Beta 0.90a", WindowProc, width, height, 32, true);
    graphicsSystem.Init(width, height, 32);

    frameTimer.Init(true);
    soundBank.Init();
    for (const LevelEntry& level : kLevels)
        AddLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + level.file, level.mode);
}

bool Application::IsRunning() const { return window.IsRunning(); }

void Application::Shutdown() {
    // GL objects go while their context exists, then the context, then the window.
    menuSystem.Shutdown();
    world.DeleteAllEntities();
    graphicsSystem.Shutdown();
    window.Destroy();
    fileLoader.ReleaseModelLoader();
}

void Application::ClearLevelLists() {
    for (std::list<std::string>& list : levelLists) list.clear();
    currentLevel = levelLists[gameMode].end();
    nextLevel = levelLists[gameMode].end();
}

void Application::AddLevel(std::string path, const int& mode) {
    if (mode < 0 || mode >= kGameModes) return;
    levelLists[mode].push_back(std::move(path));
    nextLevel = levelLists[gameMode].begin();
    currentLevel = levelLists[gameMode].begin();
}

std::string Application::GetCurrentLevel() const {
    if (currentLevel == levelLists[gameMode].end()) return std::string();
    return *currentLevel;
}

void Application::ClearVehicles() {
    for (Vehicle*& player : players) player = nullptr;
    for (Vehicle*& enemy : enemies) enemy = nullptr;
}

bool Application::IsLevelFrame() const {
    return menuSystem.GetCurrentMenuName() == "LEVEL_SCREEN" && world.GetPlayerOne() != nullptr;
}

void Application::PumpMessages() { window.PumpMessage(); }
void Application::UpdateTimer() { frameTimer.Update(); }
void Application::PollInput() { inputState.Poll(world.time); }
void Application::ClearScreen() { graphicsSystem.Clear(); }
void Application::SwapBuffers() { graphicsSystem.SwapBuffers(); }

// The camera follows the vehicles once they exist.
void Application::UpdateCamera() {}

// The screens and the level clock arrive with the game flow.
void Application::UpdateScreens() {}

// The passes over the World's lists run in level frames once the World holds entities.
void Application::UpdateCollisions() {
    if (!IsLevelFrame()) return;
}

void Application::DrawPlanarShadows() {
    if (!IsLevelFrame()) return;
}

void Application::UpdateEntities() {
    if (!IsLevelFrame()) return;
}

void Application::DrawShadowVolumes() {
    if (!IsLevelFrame() || gameMode == Versus) return;
}

void Application::DrawPasses() { DrawEntityEffects(); }

void Application::DrawEntityEffects() {
    if (!IsLevelFrame()) return;
}

void Application::SweepDeadEntities() { deadEntities.clear(); }

void Application::DrawInterface() { menuSystem.Draw(); }
