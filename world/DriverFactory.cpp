#include "world/DriverFactory.h"

#include <utility>

namespace {

DriverMaker& TheMaker() {
    static DriverMaker maker;
    return maker;
}

}  // namespace

std::unique_ptr<VehicleDriver> CreateDriver(Vehicle& vehicle, float difficulty) {
    if (!TheMaker()) return nullptr;
    return TheMaker()(vehicle, difficulty);
}

void InstallGameDrivers(DriverMaker maker) {
    TheMaker() = std::move(maker);
}
