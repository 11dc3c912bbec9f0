// Weapon spawning: a shot or a post effect becomes a Weapon in the World's lists.
#include <memory>
#include <string>

#include "world/EntityFactory.h"
#include "world/GameEntity.h"
#include "world/Message.h"
#include "world/Weapon.h"
#include "world/World.h"

void World::SpawnWeapon(Message* message, GameEntity* sender) {
    if (!message || !sender) return;
    std::string file;
    if (sender->GetTypeName() == "Vehicle")
        file = message->GetParam("WEAPON_FILE");
    else if (sender->GetTypeName() == "Weapon")
        file = message->GetParam("POST_EFFECT");
    // A shot without a definition (a strafing vehicle's secondary) spawns nothing.
    const Definition table = cache.GetWeaponDef(file);
    if (table.empty()) return;

    std::unique_ptr<GameEntity> made = entityFactory.CreateEntity("WEAPON");
    Weapon* weapon = static_cast<Weapon*>(made.get());
    weapon->SetName(DefinitionString(table, "NAME"));
    weapon->SetOwner(sender);
    weapon->SetRange(static_cast<float>(DefinitionInt(table, "RANGE")));
    weapon->SetFuelCost(DefinitionInt(table, "FUEL_COST"));
    weapon->SetDamage(DefinitionInt(table, "DAMAGE"));
    weapon->SetDestroyOnCollision(DefinitionInt(table, "DESTROY_ON_COLLISION") != 0);
    weapon->SetMaxSpeed(DefinitionFloat(table, "MAX_SPEED"));
    weapon->SetDuration(DefinitionFloat(table, "DURATION"));
    weapon->weight = DefinitionFloat(table, "WEIGHT");

    const std::string meshFile = DefinitionString(table, "MESH_FILE");
    weapon->SetModel(
        cache.GetModel(meshFile.empty() ? std::string() : "RESOURCES\\Art\\Models\\" + meshFile));
    float transform[16];
    for (int i = 0; i < 16; ++i) transform[i] = sender->GetMatrixElement(i);
    weapon->GetModel()->SetMatrix(transform);
    weapon->SetPostEffect(DefinitionString(table, "POST_EFFECT"));
    // Radial blasts and the effects by weapon name come with weapon behaviour.

    MeshTree* model = weapon->GetModel();
    model->celShaded = model->outlined = model->lit = model->castsShadow = model->scenery = false;

    // At the back of the update list, a weapon fired in the update pass is updated in it.
    collisionList.push_front(weapon);
    updateList.push_back(made.release());

    if (sender->GetTypeName() == "Weapon")
        weapon->SetOwner(static_cast<Weapon*>(sender)->GetOwner());
}
