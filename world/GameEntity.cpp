#include "world/GameEntity.h"

#include <utility>

#include "render/GraphicsSystem.h"

namespace {
std::uint64_t entitiesMade = 0;
}

GameEntity::GameEntity(std::string name) : GameEntity(std::move(name), EntityKind::LevelObject) {}

GameEntity::GameEntity(std::string name, EntityKind kind)
    : serial(++entitiesMade), name(std::move(name)), kind(kind) {
    model.ResetMatrix();
}

GameEntity::~GameEntity() = default;

std::unique_ptr<GameEntity> GameEntity::Create() {
    return std::make_unique<GameEntity>("");
}

std::string GameEntity::GetTypeName() const {
    return "GameEntity";
}

std::unique_ptr<Message> GameEntity::Update(std::uint8_t*) {
    velocity.x = 0.0f;
    velocity.z = 0.0f;
    return std::make_unique<Message>();
}

void GameEntity::SetModel(std::unique_ptr<MeshTree> instance) {
    model = instance ? std::move(*instance) : MeshTree();
    if (!model.matrix) model.ResetMatrix();
}

float GameEntity::GetMatrixElement(int i) const {
    if (i < 0 || i >= 16 || !model.matrix) return 0.0f;
    return model.matrix->m[i];
}

void GameEntity::GetPosition(float out[3]) const {
    out[0] = GetMatrixElement(12);
    out[1] = GetMatrixElement(13);
    out[2] = GetMatrixElement(14);
}

void GameEntity::Draw() {
    if (!hidden) graphicsSystem.DrawMeshTree(&model);
}

void GameEntity::DrawEffects() {
    for (int slot = 0; slot < EffectSlots::kSlots; ++slot) {
        Effect* effect = effects.Get(slot);
        if (!effect || !effects.IsRunning(slot)) continue;
        effect->Draw();
        if (!effect->IsAlive()) effects.SetRunning(slot, false);
    }
}
