#pragma once
// The world's computer vehicles are driven by the AI: from now on every computer vehicle the
// World loads gets an AIController at the World's difficulty, set up with the vehicle's
// turning rate, name and primary range.
class AIController;
class Vehicle;

void InstallComputerDrivers();

// The AIController driving `vehicle`; null when it has no driver or one of another kind.
AIController* ComputerDriverOf(const Vehicle& vehicle);
