// How a computer vehicle drives at a point and fires: turn, thrust and brake from the angle
// to the target, aim wobble while engaging, damping of the turn keys near the target, a
// random back-off while shooting, and each vehicle's rule for its secondary weapon.
#include <cmath>

#include "ai/AIController.h"
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
            SetKey(4, true);
        } else {
            firing = false;
            SetKey(4, false);
        }
    } else {
        SetKey(4, false);
    }

    if (InCone(heading, targetAngle, thrustCone) || state == Flee) {
        const bool reverse = firing && backOff;
        SetKey(2, !reverse);
        SetKey(3, reverse);
    } else {
        SetKey(2, false);
        SetKey(3, state == Engage);
    }

    const int difference = ((heading - targetAngle) % 360 + 360) % 360;
    const bool wantLeft = difference >= 1 && difference <= 180;
    const bool wantRight = difference >= 181;

    const float s = vehicle->steer;
    if (inNarrow || inWide) {
        if ((s < 0.0f && wantLeft) || (s > 0.0f && wantRight)) {
            turnCounter = 0;
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
        SetKey(0, false);
        SetKey(1, false);
    } else if (counterSteer) {
        SetKey(0, wantLeft);
        SetKey(1, wantRight);
    } else {
        SetKey(0, wantRight);
        SetKey(1, wantLeft);
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
        if (GetKey(5)) {
            SetKey(5, false);
        } else if (Draw() % 200 == 1) {
            SetKey(5, true);
        }
    } else if (name == "Vavedodev Gremlin") {
        const int r = Draw() % 2;
        SetKey(5, d2 < kCloseSecondaryReach + (2 * r + 2) * easiness);
    } else if (name == "Diveroruz Lancer") {
        bool press = false;
        if (InCone(heading, targetAngle, aimCone)) {
            const int r = Draw() % 2;
            if (d2 < kCloseSecondaryReach + (2 * r + 2) * easiness) {
                press = Draw() % 100 - 30.0 * easiness > 50.0;
            }
        }
        SetKey(5, press);
    } else if (name == "Davavod Tank") {
        if (InCone(heading, targetAngle, aimCone) && d2 < kTankSecondaryReach && AIDiff >= 0.5f &&
            fuelSeen < kLowFuel && !GetKey(5)) {
            SetKey(4, false);
            SetKey(5, true);
        } else {
            SetKey(5, false);
        }
    }
}
