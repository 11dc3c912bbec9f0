// How a computer vehicle drives at a point and fires: turn, thrust and brake from the angle
// to the target, aim wobble while engaging, damping of the turn keys near the target, a
// random back-off while shooting, and each vehicle's rule for its secondary weapon.
#include <cmath>

#include "ai/AIController.h"
#include "app/ControlKeys.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

// Steering beyond this toward the wanted side makes the driver press the opposite key.
constexpr float kCounterSteer = 0.05f;
// Fuel below which the Tank uses its secondary and the Gremlin stops backing off.
constexpr int kLowFuel = 400;
// Squared distances of the secondary rules: the Tank's, and the base of the Gremlin's and
// the Lancer's.
constexpr double kTankSecondaryReach = 900.0;
constexpr double kCloseSecondaryReach = 625.0;

float SquaredDistance(const GameEntity* a, const GameEntity* b) {
    const float dx = a->GetMatrixElement(12) - b->GetMatrixElement(12);
    const float dz = a->GetMatrixElement(14) - b->GetMatrixElement(14);
    return dx * dx + dz * dz;
}

}  // namespace

void AIController::SteerTo(float tx, float tz, float ox, float oz) {
    const float dx = tx - ox;
    int angle = AngleBase(dx, tz - oz);
    if (state == Engage) {
        const float wobble = static_cast<float>(Draw() % 1000 - 500) / 500.0f;
        waver += wobble;
        const double limit = Threshold(20.0, 20.0, AIDiff);
        if (waver > limit) {
            waver = static_cast<float>(limit);
        } else if (waver < -limit) {
            waver = static_cast<float>(-limit);
        }
        angle = static_cast<int>(static_cast<float>(angle) + waver) % 360;
    }
    targetAngle = FinishAngle(angle, dx);

    const bool inNarrow = InCone(heading, targetAngle, narrowCone);
    bool inWide = false;
    if (InCone(heading, targetAngle, wideCone)) {
        inWide = true;
        const double d2 = SquaredDistance(vehicle, gameWorld->GetPlayerOne());
        const long long reach = static_cast<long long>(range) + rangeBonus;
        if (state == Engage && d2 < static_cast<double>(reach * reach) && chasing &&
            InCone(heading, targetAngle, aimCone)) {
            if (name == "Vavedodev Gremlin") {
                if (fuelSeen >= kLowFuel && AIDiff >= 0.5f && Draw() % 100 == 1) backOff = !backOff;
                if (fuelSeen < kLowFuel) backOff = false;
            } else if (AIDiff >= 0.5f && Draw() % 100 == 1) {
                backOff = !backOff;
            }
            firing = true;
            SetKey(ControlKeys::PrimaryFire, true);
        } else {
            firing = false;
            SetKey(ControlKeys::PrimaryFire, false);
        }
    } else {
        SetKey(ControlKeys::PrimaryFire, false);
    }

    if (InCone(heading, targetAngle, thrustCone) || state == Flee) {
        const bool reverse = firing && backOff;
        SetKey(ControlKeys::Thrust, !reverse);
        SetKey(ControlKeys::Brake, reverse);
    } else {
        SetKey(ControlKeys::Thrust, false);
        SetKey(ControlKeys::Brake, state == Engage);
    }

    const int difference = ((heading - targetAngle) % 360 + 360) % 360;
    // A target exactly behind counts as to the left: with neither side wanted the vehicle
    // would never turn toward it.
    const bool wantLeft = difference >= 1 && difference <= 180;
    const bool wantRight = difference >= 181;

    const float s = vehicle->steer;
    if (inNarrow || inWide) {
        if ((s < 0.0f && wantLeft) || (s > 0.0f && wantRight)) {
            turnCounter = 0;
            // Steering away from the wanted side: a counter-steer left over from the frame
            // before would press the wrong key and run the turn away from the target.
            counterSteer = false;
        } else {
            counterSteer = (s > kCounterSteer && wantLeft) || (s < -kCounterSteer && wantRight);
            if (inNarrow) turnCounter = (turnCounter + 1) % 15;
            if (inWide) turnCounter = (turnCounter + 1) % 8;
        }
    } else {
        counterSteer = false;
        turnCounter = 0;
    }

    if (turnCounter >= 7) {
        SetKey(ControlKeys::TurnRight, false);
        SetKey(ControlKeys::TurnLeft, false);
    } else if (counterSteer) {
        // Deliberate: a vehicle already steering hard toward the wanted side presses the
        // opposite key, which damps its turn.
        SetKey(ControlKeys::TurnRight, wantLeft);
        SetKey(ControlKeys::TurnLeft, wantRight);
    } else {
        SetKey(ControlKeys::TurnRight, wantRight);
        SetKey(ControlKeys::TurnLeft, wantLeft);
    }
}

bool AIController::ChasePlayer(GameEntity* player) {
    SteerTo(player->GetMatrixElement(12), player->GetMatrixElement(14),
            static_cast<float>(RoundToInt(vehicle->GetMatrixElement(12))),
            static_cast<float>(RoundToInt(vehicle->GetMatrixElement(14))));
    return false;
}

void AIController::ApplySecondaryRule() {
    const double d2 = SquaredDistance(vehicle, gameWorld->GetPlayerOne());
    const double easiness = Threshold(1.0, 1.0, AIDiff);
    if (name == "Dovevevuzu Grav Buggy") {
        if (state != Flee) return;
        if (GetKey(ControlKeys::SecondaryFire)) {
            SetKey(ControlKeys::SecondaryFire, false);
        } else if (Draw() % 200 == 1) {
            SetKey(ControlKeys::SecondaryFire, true);
        }
    } else if (name == "Vavedodev Gremlin") {
        const int r = Draw() % 2;
        SetKey(ControlKeys::SecondaryFire, d2 < kCloseSecondaryReach + (2 * r + 2) * easiness);
    } else if (name == "Diveroruz Lancer") {
        bool press = false;
        if (InCone(heading, targetAngle, aimCone)) {
            const int r = Draw() % 2;
            if (d2 < kCloseSecondaryReach + (2 * r + 2) * easiness) {
                press = Draw() % 100 - 30.0 * easiness > 50.0;
            }
        }
        SetKey(ControlKeys::SecondaryFire, press);
    } else if (name == "Davavod Tank") {
        if (InCone(heading, targetAngle, aimCone) && d2 < kTankSecondaryReach && AIDiff >= 0.5f &&
            fuelSeen < kLowFuel && !GetKey(ControlKeys::SecondaryFire)) {
            SetKey(ControlKeys::PrimaryFire, false);
            SetKey(ControlKeys::SecondaryFire, true);
        } else {
            SetKey(ControlKeys::SecondaryFire, false);
        }
    }
}
