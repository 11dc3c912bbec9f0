#include "tests/gl/LevelFrame.h"

#include <GL/gl.h>

#include <chrono>
#include <ctime>
#include <vector>

#include "app/FileLoader.h"
#include "game/LevelDraw.h"
#include "particles/ParticleCanvas.h"
#include "render/GraphicsSystem.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace levelframe {
namespace {

bool IsVehicle(const GameEntity* e) {
    return e->GetTypeName() == "Vehicle";
}

// The level screen's room, or the parts of it asked for.
void DrawRoom(const FrameParts& parts) {
    leveldraw::DrawRoom(*graphicsSystem.renderer,
                        kCellSize * static_cast<float>(world.GetGridSizeX()),
                        kCellSize * static_cast<float>(world.GetGridSizeZ()),
                        world.GetFirstEnvironmentTexture().c_str(),
                        world.GetThirdEnvironmentTexture().c_str(), {parts.floor, parts.walls});
    glColor4f(1, 1, 1, 1);
}

// The calling thread's processor time so far, in milliseconds.
double ThreadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return 1e3 * static_cast<double>(now.tv_sec) + 1e-6 * static_cast<double>(now.tv_nsec);
}

// Finishes the pass just drawn and adds its times; a no-op without a record.
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

void StartLevel(const std::string& levelFile, int gameMode, int playerChoice, int secondChoice) {
    world.ClearLevel();
    world.ResetResourceCache();
    world.SetAIDifficulty(0.5f);
    world.BuildLevel(fileLoader.GetRoot() + "/RESOURCES/Files/" + levelFile);
    if (gameMode == kBattle) world.SpawnRandomVehicle();

    // The table is sized from what the planar-shadow pass will draw: the shadow-casting
    // level objects, before the players' vehicles exist.
    std::vector<const MeshTree*> planar;
    for (const GameEntity* e : world.updateList)
        if (leveldraw::CastsPlanarShadow(e->GetModel()->castsShadow, IsVehicle(e)))
            planar.push_back(e->GetModel());
    graphicsSystem.renderer->BuildShadowCasterTable(planar);

    world.CreatePlayerVehicle(playerChoice);
    if (gameMode == kVersus) world.CreatePlayerVehicle(secondChoice);
}

void EndLevel() {
    world.ClearLevel();
    if (!graphicsSystem.renderer) return;
    graphicsSystem.renderer->FreeShadowCasterTable();
    graphicsSystem.renderer->ClearRenderLists();
}

Vehicle* FirstOpponent() {
    if (world.GetPlayerTwo()) return world.GetPlayerTwo();
    for (GameEntity* e : world.collisionList) {
        if (!IsVehicle(e)) continue;
        auto* vehicle = static_cast<Vehicle*>(e);
        if (!vehicle->IsHuman() && vehicle->GetName() != "Battery") return vehicle;
    }
    return nullptr;
}

void PlaceCamera(int cameraMode, const Vehicle* other) {
    Camera& camera = *graphicsSystem.camera;
    const GameEntity* playerOne = world.GetPlayerOne();
    if (!playerOne) return;
    // The light is placed under the previous view moved by half the room, so it stands at a
    // fixed place in the room.
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(-2.0f * static_cast<float>(world.GetGridSizeZ()), 0.0f,
                 -2.0f * static_cast<float>(world.GetGridSizeX()));
    const float* own = playerOne->GetModel()->matrix->m;
    switch (cameraMode) {
        case Camera::kTopDown:
            camera.Follow(Camera::kTopDown, own, 50.0f, 0.0f, 0.0f);
            break;
        case Camera::kOverview:
            if (other) camera.SetOverview(own, other->GetModel()->matrix->m);
            break;
        default:
            camera.Follow(Camera::kChase, own, 10.0f, 5.5f, 0.2f);
            break;
    }
}

void DrawFrame(int cameraMode, int gameMode, const Vehicle* other, const FrameParts& parts,
               PassTimes* times) {
    Renderer& renderer = *graphicsSystem.renderer;
    PassClock clock(times);
    renderer.Clear();
    PlaceCamera(cameraMode, other);
    clock.Finished(PassTimes::kClear);
    DrawRoom(parts);
    if (!parts.floorKnown) renderer.ClearRoomFloor();
    clock.Finished(PassTimes::kRoom);
    if (!parts.entities) return;

    // The level frame's passes in the game's order, each through the game's own step.
    if (parts.planarShadows)
        for (GameEntity* e : world.updateList) leveldraw::DrawPlanarShadow(renderer, *e);
    clock.Finished(PassTimes::kPlanarShadows);
    for (GameEntity* e : world.updateList) leveldraw::DrawEntity(*e, cameraMode);
    renderer.FlushDrawing();
    clock.Finished(PassTimes::kEntities);
    if (parts.shadowVolumes)
        for (GameEntity* e : world.updateList)
            leveldraw::DrawShadowVolume(renderer, *e, gameMode, other);
    renderer.FlushDrawing();
    clock.Finished(PassTimes::kShadowVolumes);

    if (parts.effects) {
        const ParticlePass pass;
        for (GameEntity* e : world.updateList) leveldraw::DrawEffects(*e, false);
    }
    clock.Finished(PassTimes::kEffects);
    renderer.DrawRenderList(2);
    if (parts.effects) {
        const ParticlePass pass;
        for (GameEntity* e : world.updateList) leveldraw::DrawEffects(*e, true);
    }
    clock.Finished(PassTimes::kRenderList);
}

}  // namespace levelframe
