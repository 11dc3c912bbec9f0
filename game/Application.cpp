#include "game/Application.h"

#include <memory>
#include <set>

#include "app/Constants.h"
#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "app/Sound.h"
#include "app/Window.h"
#include "game/ComputerDrivers.h"
#include "game/LevelCatalogue.h"
#include "game/LevelDraw.h"
#include "game/MenuNames.h"
#include "game/ParticleEffects.h"
#include "game/WindowProc.h"
#include "particles/Particle.h"
#include "particles/ParticleCanvas.h"
#include "physics/Physics.h"
#include "render/GraphicsSystem.h"
#include "ui/GameFonts.h"
#include "ui/GlMenuCanvas.h"
#include "ui/MenuSystem.h"
#include "world/GameEntity.h"
#include "world/Message.h"
#include "world/Vehicle.h"
#include "world/World.h"

Application::Application() = default;

Application::~Application() {
    ClearLevelLists();
}

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
    graphicsSystem.camera->SetPerspective(cameraMatrix, 0.1f, 1000.0f);
    CreateFonts();
    if (introBuilder) introBuilder();

    frameTimer.Init(true);
    soundBank.Init();
    for (const LevelEntry& level : LevelCatalogue())
        AddLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + level.file, level.mode);
    InstallParticleEffects();
    InstallComputerDrivers();
    CreateEnemyBars();
    // Last: the cache takes its weapon folder from the root that FileLoader::Init set.
    world.ResetResourceCache();
}

// The menus draw with OpenGL from now on; the four fonts take the indices 0 to 3.
void Application::CreateFonts() {
    static GlMenuCanvas glCanvas;
    SetMenuCanvas(&glCanvas);
    for (const GameFont& font : kGameFonts)
        menuSystem.CreateFont(kGameFontFace, font.height, font.bold, false, false);
}

void Application::CreateEnemyBars() {
    healthBars = std::make_unique<Particle[]>(kEnemyBars);
    energyBars = std::make_unique<Particle[]>(kEnemyBars);
    for (int i = 0; i < kEnemyBars; ++i) {
        healthBars[i].LoadScripts({"./RESOURCES/Files/Particles/Health_Bar/max_health_bar.cfg",
                                   "./RESOURCES/Files/Particles/Health_Bar/health_bar.cfg"});
        energyBars[i].LoadScripts({"./RESOURCES/Files/Particles/Health_Bar/max_energy_bar.cfg",
                                   "./RESOURCES/Files/Particles/Health_Bar/energy_bar.cfg"});
    }
}

Particle* Application::GetHealthBar(int i) const {
    return healthBars && i >= 0 && i < kEnemyBars ? &healthBars[i] : nullptr;
}

Particle* Application::GetEnergyBar(int i) const {
    return energyBars && i >= 0 && i < kEnemyBars ? &energyBars[i] : nullptr;
}

bool Application::IsRunning() const {
    return window.IsRunning();
}

void Application::Shutdown() {
    // GL objects go while their context exists, then the context, then the window.
    DropLevelState();
    healthBars.reset();
    energyBars.reset();
    menuSystem.Shutdown();
    SetMenuCanvas(nullptr);
    world.DeleteAllEntities();
    graphicsSystem.Shutdown();
    window.Destroy();
    fileLoader.ReleaseModelLoader();
}

void Application::Reset() {
    DropLevelState();
    ClearLevelLists();
    ResetLevels();
    gameMode = Battle;
    vehiclePage.clear();
    levelWon = false;
    deadEntities.clear();
    currentEntity = nullptr;
    crosshairShown = true;
    menuBuilder = nullptr;
    introBuilder = nullptr;
    healthBars.reset();
    energyBars.reset();
}

void Application::ClearLevelLists() {
    for (std::list<std::string>& list : levelLists) list.clear();
    currentLevel = 0;
    nextLevel = 0;
}

bool Application::IsLevelFrame() const {
    return menuSystem.GetCurrentMenuName() == menunames::kLevelScreen &&
           world.GetPlayerOne() != nullptr;
}

void Application::PumpMessages() {
    window.PumpMessage();
}
void Application::UpdateTimer() {
    frameTimer.Update();
}
void Application::PollInput() {
    inputState.Poll(world.time);
}
void Application::ClearScreen() {
    graphicsSystem.Clear();
}
void Application::SwapBuffers() {
    graphicsSystem.SwapBuffers();
}

// The passes over the World's lists walk one list front to back with the one cursor;
// entities appended during a walk are reached by it, and none is removed before the sweep.
void Application::UpdateCollisions() {
    if (!IsLevelFrame()) return;
    for (entityCursor = world.collisionList.begin(); entityCursor != world.collisionList.end();
         ++entityCursor) {
        currentEntity = *entityCursor;
        world.GetNearbyEntities(currentEntity, neighbours);
        // The collision has linked the pair already; the message is dropped unread.
        physics.CheckCollisions(currentEntity, neighbours, true);
    }
}

void Application::DrawPlanarShadows() {
    if (!IsLevelFrame()) return;
    Renderer* renderer = graphicsSystem.renderer.get();
    if (!renderer) return;
    for (entityCursor = world.updateList.begin(); entityCursor != world.updateList.end();
         ++entityCursor) {
        currentEntity = *entityCursor;
        leveldraw::DrawPlanarShadow(*renderer, *currentEntity);
    }
}

void Application::UpdateEntities() {
    if (!IsLevelFrame()) return;
    for (entityCursor = world.updateList.begin(); entityCursor != world.updateList.end();
         ++entityCursor) {
        currentEntity = *entityCursor;
        std::unique_ptr<Message> message = currentEntity->Update(inputState.keys);

        leveldraw::DrawEntity(*currentEntity, level.cameraMode);

        if (!message) continue;
        const std::string& type = message->GetType();
        if (type == MessageTypes::WEAPON_FIRED) {
            world.SpawnWeapon(message.get(), currentEntity);
        } else if (type == MessageTypes::WEAPON_DESTROYED) {
            deadEntities.push_front(currentEntity);
            if (!message->GetParam("POST_EFFECT").empty())
                world.SpawnWeapon(message.get(), currentEntity);
        }
    }
    if (graphicsSystem.renderer) graphicsSystem.renderer->FlushDrawing();
}

void Application::DrawShadowVolumes() {
    if (!IsLevelFrame() || gameMode == Versus) return;
    Renderer* renderer = graphicsSystem.renderer.get();
    if (!renderer) return;
    for (entityCursor = world.updateList.begin(); entityCursor != world.updateList.end();
         ++entityCursor) {
        currentEntity = *entityCursor;
        leveldraw::DrawShadowVolume(*renderer, *currentEntity, gameMode, level.enemies[0]);
    }
    renderer->FlushDrawing();
}

void Application::DrawPasses() {
    DrawEnemyBars();
    DrawEntityEffects();
    DrawRenderList();
    // The tall objects of the list would cover their own effects drawn before them.
    DrawRenderListEffects();
    DrawEnemyBarsOverRenderList();
}

void Application::DrawRenderList() {
    if (graphicsSystem.renderer) graphicsSystem.renderer->DrawRenderList(2);
}

// Again over what the list drew, except from straight above, where nothing covers them.
void Application::DrawEnemyBarsOverRenderList() {
    if (level.cameraMode != TopDownCamera) DrawEnemyBars();
}

void Application::DrawEntityEffects() {
    if (!IsLevelFrame()) return;
    const ParticlePass pass;
    for (entityCursor = world.updateList.begin(); entityCursor != world.updateList.end();
         ++entityCursor) {
        currentEntity = *entityCursor;
        leveldraw::DrawEffects(*currentEntity, false);
    }
}

void Application::DrawRenderListEffects() {
    if (!IsLevelFrame()) return;
    const ParticlePass pass;
    for (entityCursor = world.updateList.begin(); entityCursor != world.updateList.end();
         ++entityCursor) {
        currentEntity = *entityCursor;
        leveldraw::DrawEffects(*currentEntity, true);
    }
}

// Every frame: the entities that reported their end are destroyed once every pass is done.
void Application::SweepDeadEntities() {
    for (GameEntity* dead : deadEntities) {
        currentEntity = dead;
        MeshTree* model = dead->GetModel();
        if (model->inRenderList && graphicsSystem.renderer)
            graphicsSystem.renderer->RemoveFromRenderList(model, 2);
        world.DestroyEntity(dead);
        currentEntity = nullptr;
    }
    deadEntities.clear();
    // Mines taken out of play by their owner's seventh, unless the loop above had them.
    world.DestroyRetired();
}

void Application::DrawInterface() {
    if (level.levelOver) ShowCrosshair(false);
    menuSystem.Draw();
    DrawHud();
    UpdateResults();
}
