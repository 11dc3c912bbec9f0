#include "ai/AIController.h"

#include <utility>

AIController::AIController(Vehicle* vehicle, float difficulty)
    : vehicle(vehicle), AIDiff(difficulty) {}

void AIController::Init(float rate, std::string vehicleName, int primaryRange) {
    turningRate = rate;
    name = std::move(vehicleName);
    range = primaryRange;
}

void AIController::Update() {}

void AIController::SetStatus(int, int) {}

bool AIController::GetKey(int index) const {
    return index >= 0 && index < kKeys && keys[index] != 0;
}

void AIController::SetKey(int index, bool value) {
    if (index >= 0 && index < kKeys) keys[index] = value ? 1 : 0;
}
