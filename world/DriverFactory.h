#pragma once
// Every computer driver that the World gives a vehicle is made here. The world knows drivers
// only through world/VehicleDriver.h: the game installs its AI at start-up, and until then
// (and in the world's own tests) a computer vehicle has no driver and coasts.
#include <functional>
#include <memory>

#include "world/VehicleDriver.h"

class Vehicle;

// A driver for `vehicle` (loaded from its definition file) at `difficulty`, from 0 to 1.
using DriverMaker =
    std::function<std::unique_ptr<VehicleDriver>(Vehicle& vehicle, float difficulty)>;

// The installed maker's driver for `vehicle`; null when none is installed.
std::unique_ptr<VehicleDriver> CreateDriver(Vehicle& vehicle, float difficulty);

// The game's drivers from now on; an empty maker leaves computer vehicles without one.
void InstallGameDrivers(DriverMaker maker);
