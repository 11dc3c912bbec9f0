// Weapon spawning: a shot or a post effect becomes a Weapon in the World's lists.
#include <memory>
#include <string>
#include <vector>

#include "app/Constants.h"
#include "render/GraphicsSystem.h"
#include "render/Renderer.h"
#include "world/EffectFactory.h"
#include "world/EntityFactory.h"
#include "world/EntityKinds.h"
#include "world/GameEntity.h"
#include "world/Message.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace {

constexpr int kBlastRenderList = 2;

const char* const kBlueSparks = "./RESOURCES/Files/Particles/Sparks/blue_sparks.cfg";
const char* const kFlare = "./RESOURCES/Files/Particles/Explosion/flare.cfg";
const char* const kExplosionSmoke = "./RESOURCES/Files/Particles/Explosion/explosion_smoke1.cfg";
const char* const kExplosion = "./RESOURCES/Files/Particles/Explosion/explosion3.cfg";
const char* const kEnergyGain = "./RESOURCES/Files/Particles/Status_Effects/energy_gain.cfg";
const char* const kEnergySap = "./RESOURCES/Files/Particles/Status_Effects/energy_sap.cfg";

struct NamedEffects {
    const char* name;
    std::vector<std::string> impact;
    std::vector<std::string> onHit;
    std::vector<std::string> trail;
    // Only the effects show, never the model.
    bool invisible;
};

// In the order the names are tested; a "Mine"'s trail is added apart, since it depends on
// who laid it.
const std::vector<NamedEffects>& EffectsByName() {
    static const std::vector<NamedEffects> table = {
        {"Canon",
         {"./RESOURCES/Files/Particles/Explosion/crater.cfg", kFlare, kExplosionSmoke, kExplosion},
         {kBlueSparks},
         {"./RESOURCES/Files/Particles/Flare/light_circle.cfg"},
         false},
        {"Machine Gun",
         {"./RESOURCES/Files/Particles/Flare/quick_light_circle.cfg",
          "./RESOURCES/Files/Particles/Fireball/fireball.cfg"},
         {kBlueSparks},
         {},
         false},
        {"Mine", {kFlare, kExplosionSmoke, kExplosion}, {kBlueSparks}, {}, false},
        {"Laser Blaster",
         {"./RESOURCES/Files/Particles/Plasma/light_circle.cfg"},
         {kBlueSparks},
         {"./RESOURCES/Files/Particles/Plasma/flare_trail.cfg"},
         true},
        {"Rail Gun",
         {"./RESOURCES/Files/Particles/Plasma/red_light_circle.cfg"},
         {kBlueSparks},
         {"./RESOURCES/Files/Particles/Plasma/red_flare_trail.cfg"},
         true},
        {"Force Canon",
         {},
         {},
         {"./RESOURCES/Files/Particles/Flare/bright_light_white.cfg",
          "./RESOURCES/Files/Particles/Flare/light_circle_white.cfg"},
         false},
    };
    return table;
}

const char* const kDangerMarker = "./RESOURCES/Files/Particles/Status_Effects/danger.cfg";

}  // namespace

void World::SpawnWeapon(Message* message, GameEntity* sender) {
    if (!message || !sender) return;
    std::string file;
    const bool fromWeapon = AsWeapon(sender) != nullptr;
    if (AsVehicle(sender))
        file = message->GetParam("WEAPON_FILE");
    else if (fromWeapon)
        file = message->GetParam("POST_EFFECT");
    // A shot without a definition (a strafing vehicle's secondary) spawns nothing.
    if (file.empty()) return;
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

    MeshTree* model = weapon->GetModel();
    const bool radialBlast = DefinitionString(table, "WEAPON_TYPE") == WeaponTypes::RADIAL_BLAST;
    if (radialBlast) {
        weapon->SetRadius(DefinitionFloat(table, "RADIUS"));
        weapon->SetWeaponType(WeaponTypes::RADIAL_BLAST);
        weapon->SetFollowParent(DefinitionInt(table, "FOLLOW_PARENT") != 0);
        weapon->SetFuelDamage(DefinitionInt(table, "FUEL_DAMAGE"));
        weapon->SetForceDamage(DefinitionInt(table, "FORCE_DAMAGE"));
        model->radius = 0.0f;
        model->inRenderList = true;
    }

    // The vehicle at the root of the chain: the sender, or the vehicle that fired the weapon
    // whose post effect this is. Only a vehicle lays mines.
    GameEntity* root = fromWeapon ? AsWeapon(sender)->GetOwner() : sender;
    Vehicle* layer = AsVehicle(root);
    const std::string name = weapon->GetName();
    for (const NamedEffects& entry : EffectsByName()) {
        if (name != entry.name) continue;
        if (name == "Mine" && layer) layer->AddLaidObject(weapon);
        if (!entry.impact.empty())
            weapon->effects.Set(EffectSlots::kImpact, CreateEffect(entry.impact));
        if (!entry.onHit.empty()) weapon->effects.Set(EffectSlots::kHit, CreateEffect(entry.onHit));
        if (!entry.trail.empty())
            weapon->effects.Set(EffectSlots::kTrail, CreateEffect(entry.trail));
        if (name == "Mine" && layer && layer == playerOneVehicle && !playerTwoVehicle)
            weapon->effects.Set(EffectSlots::kTrail, CreateEffect({kDangerMarker}));
        if (entry.invisible) model->visible = false;
        break;
    }
    if (radialBlast)
        weapon->effects.Set(EffectSlots::kHit,
                            CreateEffect({kEnergyGain, kEnergySap, kEnergySap, kEnergySap}));

    model->celShaded = model->outlined = model->lit = model->castsShadow = model->scenery = false;

    // At the back of the update list, a weapon fired in the update pass is updated in it.
    collisionList.push_front(weapon);
    updateList.push_back(Adopt(std::move(made)));

    if (radialBlast && graphicsSystem.renderer)
        graphicsSystem.renderer->AddToRenderList(model, kBlastRenderList, true);

    if (fromWeapon) weapon->SetOwner(AsWeapon(sender)->GetOwner());
}
