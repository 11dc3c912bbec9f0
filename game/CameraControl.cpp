#include "game/CameraControl.h"

#include <GL/gl.h>

#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "game/Application.h"
#include "game/MenuNames.h"
#include "game/Results.h"
#include "render/GraphicsSystem.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

CameraMode NextCameraMode(CameraMode cameraMode, const std::uint8_t* keys, int gameMode,
                          bool playersDestroyed, bool enemiesDestroyed) {
    if (gameMode == Versus) return cameraMode;
    if (keys[CameraKey1])
        cameraMode = ChaseCamera;
    else if (keys[CameraKey2])
        cameraMode = TopDownCamera;
    else if (keys[CameraKey3])
        cameraMode = FrontCamera;
    // When everybody is destroyed the view stays as it was.
    if (playersDestroyed && !enemiesDestroyed) cameraMode = DefeatCamera;
    return cameraMode;
}

CameraShot ShotFor(CameraMode cameraMode) {
    CameraShot shot;
    switch (cameraMode) {
        case TopDownCamera:
            shot.followMode = TopDownCamera;
            shot.a = 50.0f;
            shot.b = 0.0f;
            shot.c = 0.0f;
            shot.crosshair = false;
            break;
        case FrontCamera:
            shot.followMode = FrontCamera;
            shot.crosshair = false;
            break;
        case OverviewCamera:
            shot.overview = true;
            shot.followMode = OverviewCamera;
            shot.crosshair = false;
            break;
        case DefeatCamera:
            shot.followMode = DefeatCamera;
            shot.orbitAngle = true;
            shot.crosshair = false;
            break;
        default:
            break;
    }
    return shot;
}

void Application::UpdateCamera() {
    Camera* camera = graphicsSystem.camera.get();
    if (IsLevelFrame()) {
        // The light is placed under the previous view moved by half the room, so that it
        // stands at a fixed place in the room; the view itself is loaded from identity.
        if (graphicsSystem.renderer) {
            glMatrixMode(GL_MODELVIEW);
            glTranslatef(-2.0f * static_cast<float>(world.GetGridSizeX()), 0.0f,
                         -2.0f * static_cast<float>(world.GetGridSizeZ()));
        }
        const bool playersDestroyed = AllDestroyed(level.players);
        const bool enemiesDestroyed = AllDestroyed(level.enemies);
        level.cameraMode = NextCameraMode(level.cameraMode, inputState.keys, gameMode,
                                          playersDestroyed, enemiesDestroyed);
        if (gameMode != Versus && playersDestroyed && !enemiesDestroyed)
            level.defeatCameraAngle += frameTimer.GetDeltaTime() * kDefeatOrbitSpeed;

        const CameraShot shot = ShotFor(level.cameraMode);
        const GameEntity* playerOne = world.GetPlayerOne();
        const float* own =
            playerOne->GetModel()->matrix ? playerOne->GetModel()->matrix->m : nullptr;
        if (shot.overview) {
            const GameEntity* playerTwo = world.GetPlayerTwo();
            if (playerTwo) {
                if (camera && own && playerTwo->GetModel()->matrix)
                    camera->SetOverview(own, playerTwo->GetModel()->matrix->m);
                ShowCrosshair(false);
            }
        } else {
            const float c = shot.orbitAngle ? level.defeatCameraAngle : shot.c;
            if (camera)
                camera->SetRoom(0.0f, 0.0f, kCellSize * static_cast<float>(world.GetGridSizeX()),
                                kCellSize * static_cast<float>(world.GetGridSizeZ()));
            if (camera && own) camera->Follow(shot.followMode, own, shot.a, shot.b, c);
            if (shot.followMode == ChaseCamera) level.defeatCameraAngle = kDefeatOrbitStart;
            ShowCrosshair(shot.crosshair);
        }
    } else if (camera) {
        camera->ClearRoom();
        camera->ResetLight();
        camera->SetDefaultView();
    }
    if (PopupMenuName() == menunames::kInGameMenu) ShowCrosshair(false);
}
