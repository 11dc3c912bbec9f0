#include "world/Weapon.h"

#include <cmath>
#include <map>

#include "app/Constants.h"
#include "app/FrameTimer.h"
#include "app/Matrix.h"
#include "app/Sound.h"
#include "physics/Physics.h"
#include "world/EntityKinds.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

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

Weapon::Weapon() : GameEntity("", EntityKind::Weapon), spawnTime(world.time) {}

Weapon::~Weapon() = default;

std::string Weapon::GetTypeName() const {
    return "Weapon";
}

Vehicle* Weapon::OwnerVehicle() const {
    return AsVehicle(owner);
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
        const Weapon* contactWeapon = AsWeapon(contact);
        const bool contactIsWeapon = contactWeapon != nullptr;
        if (contact == owner || (contactIsWeapon && contactWeapon->GetOwner() == owner))
            counts = false;
        Vehicle* target = AsVehicle(contact);
        if (target && counts && !hidden) {
            target->UseFuel(fuelDamage);
            target->TakeDamage(damage);
            if (ownerVehicle) ownerVehicle->AddHit();
        }
        if (!destroyOnCollision) counts = false;
        if (counts) {
            const bool partnerBursting = contactIsWeapon &&
                                         contact->effects.Get(EffectSlots::kImpact) &&
                                         contact->effects.IsRunning(EffectSlots::kImpact);
            if (!partnerBursting) {
                hidden = true;
                StartEffect(EffectSlots::kImpact);
                StartEffect(EffectSlots::kHit);
                StopEffect(EffectSlots::kTrail);
                if (!effects.Get(EffectSlots::kImpact) ||
                    !effects.IsRunning(EffectSlots::kImpact)) {
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
                StartEffect(EffectSlots::kImpact);
                StopEffect(EffectSlots::kTrail);
            } else {
                StartEffect(EffectSlots::kTrail);
            }
        }
    }

    if (hidden && (!effects.Get(EffectSlots::kImpact) || !effects.IsRunning(EffectSlots::kImpact)))
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
    Effect* energy = effects.Get(EffectSlots::kHit);
    for (GameEntity* e : world.collisionList) {
        if (e == this) continue;
        Vehicle* vehicle = AsVehicle(e);
        if (vehicle && e != owner && Physics::CirclesOverlap(this, e)) {
            count += 1;
            if (energy) {
                if (energy->IsAlive()) effects.SetRunning(EffectSlots::kHit, true);
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
        } else if (AsWeapon(e) && forceDamage != 0 && Physics::CirclesOverlap(this, e)) {
            e->SetContact(this);
        }
    }

    model.radius = remembered;
    if (name == "Irradiation Field" && ownerVehicle) ownerVehicle->UseFuel(-drained);
    if (count == 0 || drained == 0) {
        effects.SetRunning(EffectSlots::kHit, false);
    } else if (energy) {
        // The markers beyond the vehicles hit stop showing.
        for (int i = count + 1; i <= kEnergyMarkers; ++i) energy->PauseSystem(i);
    }
}

void Weapon::StartEffect(int slot) {
    Effect* effect = effects.Get(slot);
    if (!effect) return;
    if (slot == EffectSlots::kImpact) {
        if ((name == "Canon" || name == "Mine") && !effect->WasDrawn())
            soundBank[kImpactSound].Play(false);
        if (effect->IsAlive()) effects.SetRunning(slot, true);
        effect->PlaceAt(&model, true);
    } else if (slot == EffectSlots::kHit) {
        if (weaponType == WeaponTypes::RADIAL_BLAST || !AsVehicle(contact)) return;
        if (effect->IsAlive()) effects.SetRunning(slot, true);
        effect->PlaceAt(contact->GetModel(), true);
    } else if (slot == EffectSlots::kTrail) {
        if (effect->IsAlive()) effects.SetRunning(slot, true);
        const bool leavesTrail = name == "Laser Blaster" || name == "Rail Gun";
        effect->MoveTo(GetMatrixElement(12), GetMatrixElement(13), GetMatrixElement(14),
                       !leavesTrail);
        if (!effect->WasDrawn()) effect->ExpireAll();
    }
}

void Weapon::StopEffect(int slot) {
    if (slot != EffectSlots::kTrail) return;
    Effect* trail = effects.Get(slot);
    if (trail && effects.IsRunning(slot)) trail->Stop(name == "Mine");
}
