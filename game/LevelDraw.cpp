#include "game/LevelDraw.h"

#include "game/Application.h"
#include "render/Renderer.h"
#include "render/ShadowCaster.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"

namespace leveldraw {

void DrawRoom(Renderer& renderer, float width, float depth, const char* floorTexture,
              const char* wallTexture, RoomParts parts) {
    constexpr float kFloorCentreY = -0.05f;
    constexpr float kFloorThickness = 0.1f;
    constexpr float kWallCentreY = 26.0f;
    constexpr float kWallHeight = 55.0f;
    if (parts.floor) {
        const float centre[3] = {width / 2, kFloorCentreY, depth / 2};
        renderer.DrawTexturedBox(centre, width + 1, kFloorThickness, depth + 1, floorTexture, 10,
                                 10, 10, false);
    }
    if (parts.walls) {
        // Its negative depth turns the box's faces inwards.
        const float centre[3] = {width / 2, kWallCentreY, depth / 2};
        renderer.DrawTexturedBox(centre, width, kWallHeight, -depth, wallTexture, 15, 15, 15,
                                 false);
    }
    // The room is the frame's largest fill: it is rasterised while the models are prepared.
    renderer.FlushDrawing();
    if (!parts.floor) return;
    // The walls' own rectangle lies half a unit inside the slab's edges.
    RoomFloor floor;
    floor.top = kFloorCentreY + kFloorThickness / 2;
    floor.maxX = width;
    floor.maxZ = depth;
    floor.walls = parts.walls;
    floor.ceiling = kWallCentreY + kWallHeight / 2;
    renderer.SetRoomFloor(floor);
}

bool CastsPlanarShadow(bool castsShadow, bool isVehicle) {
    return castsShadow && !isVehicle;
}

bool DrawnByEntityPass(bool inRenderList, bool scenery, int cameraMode) {
    // The same overhead views as the render list's own rule, so every model is drawn once.
    return !inRenderList || (scenery && !IsOverheadView(cameraMode));
}

bool DrawsEffectsAfterRenderList(bool inRenderList, bool castsShadow) {
    return inRenderList && castsShadow;
}

VolumeLight ShadowVolumeLight(const VolumeFacts& facts, int gameMode) {
    if (gameMode == Versus) return VolumeLight::None;
    if (facts.vehicle) {
        if (facts.battery) return VolumeLight::Fixed;
        const bool everyVehicle = gameMode == Story || gameMode == Battle;
        if (everyVehicle || facts.human || (gameMode == Survival && facts.firstEnemy))
            return VolumeLight::Camera;
        return VolumeLight::None;
    }
    return facts.sodaCan ? VolumeLight::Fixed : VolumeLight::None;
}

VolumeFacts FactsOf(const GameEntity& entity, const GameEntity* firstEnemy) {
    VolumeFacts facts;
    facts.vehicle = entity.GetKind() == EntityKind::Vehicle;
    const std::string& name = entity.GetName();
    facts.battery = name == "Battery";
    facts.sodaCan = name == "soda_can.ms3d";
    facts.human = facts.vehicle && static_cast<const Vehicle&>(entity).IsHuman();
    facts.firstEnemy = firstEnemy != nullptr && &entity == firstEnemy;
    return facts;
}

void DrawPlanarShadow(Renderer& renderer, GameEntity& entity) {
    MeshTree* model = entity.GetModel();
    if (CastsPlanarShadow(model->castsShadow, entity.GetKind() == EntityKind::Vehicle))
        renderer.DrawPlanarShadow(model, 0);
}

void DrawEntity(GameEntity& entity, int cameraMode) {
    const MeshTree* model = entity.GetModel();
    if (DrawnByEntityPass(model->inRenderList, model->scenery, cameraMode)) entity.Draw();
}

void DrawShadowVolume(Renderer& renderer, GameEntity& entity, int gameMode,
                      const GameEntity* firstEnemy) {
    switch (ShadowVolumeLight(FactsOf(entity, firstEnemy), gameMode)) {
        case VolumeLight::Fixed:
            renderer.DrawShadowVolume(entity.GetModel(), false);
            break;
        case VolumeLight::Camera:
            renderer.DrawShadowVolume(entity.GetModel(), true);
            break;
        case VolumeLight::None:
            break;
    }
}

void DrawEffects(GameEntity& entity, bool afterRenderList) {
    const MeshTree* model = entity.GetModel();
    if (DrawsEffectsAfterRenderList(model->inRenderList, model->castsShadow) == afterRenderList)
        entity.DrawEffects();
}

}  // namespace leveldraw
