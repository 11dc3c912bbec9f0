#include "game/ComputerDrivers.h"

#include <memory>

#include "ai/AIController.h"
#include "world/DriverFactory.h"
#include "world/Vehicle.h"

void InstallComputerDrivers() {
    InstallGameDrivers([](Vehicle& vehicle, float difficulty) -> std::unique_ptr<VehicleDriver> {
        auto driver = std::make_unique<AIController>(&vehicle, difficulty);
        driver->Init(vehicle.turningRate, vehicle.GetName(), vehicle.GetPrimaryRange());
        return driver;
    });
}

AIController* ComputerDriverOf(const Vehicle& vehicle) {
    return dynamic_cast<AIController*>(vehicle.GetController());
}
