#include "world/Weapon.h"

#include <cmath>
#include <map>

#include "app/Constants.h"
#include "app/FrameTimer.h"
#include "app/Matrix.h"
#include "app/Sound.h"
#include "physics/Physics.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

constexpr int kImpactSlot = 0;
constexpr int kHitSlot = 1;
constexpr int kTrailSlot = 2;
constexpr int kImpactSound = 2;
// Shots fly at this height whatever the height of the vehicle that fired them.
constexpr float kFlightHeight = 0.5f;
constexpr float kBlastGrowth = 2.0f;
constexpr float kForceBlastGrowth = 4.0f;
// A blast's energy effect marks its first three vehicles (emitters 1 to 3).
constexpr int kEnergyMarkers = 3;

bool IsScaledBlast(const std::string& name) {
    return name == "Irradiation Field" || name == "Ramming Speed" || name == "Force Blast";
}

}  // namespace

Weapon::Weapon() : GameEntity(""), spawnTime(world.time) {}

Weapon::~Weapon() = default;

std::string Weapon::GetTypeName() const {
    return "Weapon";
}

Vehicle* Weapon::OwnerVehicle() const {
    return owner && owner->GetTypeName() == "Vehicle" ? static_cast<Vehicle*>(owner) : nullptr;
}

std::unique_ptr<Message> Weapon::Destroyed() const {
    return std::make_unique<Message>(
        MessageTypes::WEAPON_DESTROYED,
        std::map<std::string, std::string>{{"POST_EFFECT", postEffect}});
}

std::unique_ptr<Message> Weapon::Update(std::uint8_t*) {
    if (retired) return std::make_unique<Message>();
    Vehicle* ownerVehicle = OwnerVehicle();
    if (name == "Ramming Speed" && ownerVehicle) ownerVehicle->BoostOn();

    world.RemoveFromGrid(this);
    bool counts = true;

    if (world.time - spawnTime > duration) {
        if (ownerVehicle) ownerVehicle->BoostOff();
        return Destroyed();
    }

    if (weaponType == WeaponTypes::RADIAL_BLAST) UpdateRadialBlast();

    if (contact) {
        const bool contactIsWeapon = contact->GetTypeName() == "Weapon";
        if (contact == owner ||
            (contactIsWeapon && static_cast<Weapon*>(contact)->GetOwner() == owner))
            counts = false;
        if (contact->GetTypeName() == "Vehicle" && counts && !hidden) {
            Vehicle* target = static_cast<Vehicle*>(contact);
            target->UseFuel(fuelDamage);
            target->TakeDamage(damage);
            if (ownerVehicle) ownerVehicle->AddHit();
        }
        if (!destroyOnCollision) counts = false;
        if (counts) {
            const bool partnerBursting = contactIsWeapon && contact->effects.Get(kImpactSlot) &&
                                         contact->effects.IsRunning(kImpactSlot);
            if (!partnerBursting) {
                hidden = true;
                StartEffect(kImpactSlot);
                StartEffect(kHitSlot);
                StopEffect(kTrailSlot);
                if (!effects.Get(kImpactSlot) || !effects.IsRunning(kImpactSlot)) {
                    contact = nullptr;
                    return Destroyed();
                }
            }
        }
        contact = nullptr;
    }

    if (!hidden) {
        float* m = model.matrix ? model.matrix->m : nullptr;
        if (!m) {
            model.ResetMatrix();
            m = model.matrix->m;
        }
        if (weaponType == WeaponTypes::RADIAL_BLAST) {
            float target[3] = {m[12], m[13], m[14]};
            if (followParent && owner) owner->GetPosition(target);
            if (name == "Ramming Speed" && owner && owner->GetModel()->matrix) {
                Mat44Copy(owner->GetModel()->matrix->m, m);
            } else {
                Translate(target[0] - m[12], 0.0f, target[2] - m[14]);
            }
        } else {
            const float x = m[12];
            const float z = m[14];
            if (name != "Mine") m[13] = kFlightHeight;
            physics.Move(this);
            const float dx = m[12] - x;
            const float dz = m[14] - z;
            rangeLeft -= std::sqrt(dx * dx + dz * dz);
            if (rangeLeft <= 0.0f) {
                hidden = true;
                StartEffect(kImpactSlot);
                StopEffect(kTrailSlot);
            } else {
                StartEffect(kTrailSlot);
            }
        }
    }

    if (hidden && (!effects.Get(kImpactSlot) || !effects.IsRunning(kImpactSlot)))
        return Destroyed();

    world.AddToGrid(this);

    if (IsScaledBlast(name) && blastRatio != 0.0f && model.matrix) {
        float scratch[16];
        Mat44Copy(model.matrix->m, scratch);
        Mat44ScaleLocal(blastRatio, blastRatio, blastRatio, scratch, model.matrix->m);
    }
    return std::make_unique<Message>();
}

void Weapon::UpdateRadialBlast() {
    const float remembered = model.radius;
    model.radius = maxRadius;

    const float growth = name == "Force Blast" ? kForceBlastGrowth : kBlastGrowth;
    const float previous = blastRadius;
    blastRadius += frameTimer.GetDeltaTime() * maxRadius * growth;
    if (blastRadius > maxRadius) blastRadius = maxRadius;
    // A blast that has no size (RADIUS 0 or missing) is not scaled: a ratio to a size of 0
    // would fill the matrix and the grid with NaN.
    blastRatio = previous > 0.0f ? blastRadius / previous : 0.0f;

    int count = 0;
    int drained = 0;
    Vehicle* ownerVehicle = OwnerVehicle();
    Effect* energy = effects.Get(kHitSlot);
    for (GameEntity* e : world.collisionList) {
        if (e == this) continue;
        const std::string type = e->GetTypeName();
        if (type == "Vehicle" && e != owner && Physics::CirclesOverlap(this, e)) {
            Vehicle* vehicle = static_cast<Vehicle*>(e);
            count += 1;
            if (energy) {
                if (energy->IsAlive()) effects.SetRunning(kHitSlot, true);
                // Emitter 0 marks the blast's centre, emitters 1 to 3 the first vehicles in it.
                energy->SetSystemOffset(0, GetMatrixElement(12), GetMatrixElement(13),
                                        GetMatrixElement(14));
                if (count < kEnergyMarkers + 1) {
                    energy->SetSystemOffset(count, e->GetMatrixElement(12), e->GetMatrixElement(13),
                                            e->GetMatrixElement(14));
                    energy->ResumeSystem(count);
                }
                if (!energy->WasDrawn()) energy->ExpireAll();
            }
            if (fuelDamage != 0) drained += vehicle->UseFuel(fuelDamage);
            if (forceDamage != 0) {
                Vector3 direction(e->GetMatrixElement(12) - GetMatrixElement(12), 0.0f,
                                  e->GetMatrixElement(14) - GetMatrixElement(14));
                Vec3NormalizeOrUnitX(direction);
                const float force = static_cast<float>(forceDamage);
                physics.AddVelocity(e, Vector3(force * direction.x, 0.0f, force * direction.z));
                e->speed = 0.0f;
            }
            if (damage != 0) {
                drained += damage;
                vehicle->TakeDamage(damage);
            }
        } else if (type == "Weapon" && forceDamage != 0 && Physics::CirclesOverlap(this, e)) {
            e->SetContact(this);
        }
    }

    model.radius = remembered;
    if (name == "Irradiation Field" && ownerVehicle) ownerVehicle->UseFuel(-drained);
    if (count == 0 || drained == 0) {
        effects.SetRunning(kHitSlot, false);
    } else if (energy) {
        // The markers beyond the vehicles hit stop showing.
        for (int i = count + 1; i <= kEnergyMarkers; ++i) energy->PauseSystem(i);
    }
}

void Weapon::StartEffect(int slot) {
    Effect* effect = effects.Get(slot);
    if (!effect) return;
    if (slot == kImpactSlot) {
        if ((name == "Canon" || name == "Mine") && !effect->WasDrawn())
            soundBank[kImpactSound].Play(false);
        if (effect->IsAlive()) effects.SetRunning(slot, true);
        effect->PlaceAt(&model, true);
    } else if (slot == kHitSlot) {
        if (weaponType == WeaponTypes::RADIAL_BLAST || !contact ||
            contact->GetTypeName() != "Vehicle")
            return;
        if (effect->IsAlive()) effects.SetRunning(slot, true);
        effect->PlaceAt(contact->GetModel(), true);
    } else if (slot == kTrailSlot) {
        if (effect->IsAlive()) effects.SetRunning(slot, true);
        const bool leavesTrail = name == "Laser Blaster" || name == "Rail Gun";
        effect->MoveTo(GetMatrixElement(12), GetMatrixElement(13), GetMatrixElement(14),
                       !leavesTrail);
        if (!effect->WasDrawn()) effect->ExpireAll();
    }
}

void Weapon::StopEffect(int slot) {
    if (slot != kTrailSlot) return;
    Effect* trail = effects.Get(slot);
    if (trail && effects.IsRunning(slot)) trail->Stop(name == "Mine");
}
