#pragma once
// The computer driver of a vehicle, as the vehicle sees it: each frame the vehicle lets it
// decide, tells it what the frame left of its fuel and hit points, and drives and fires by
// the six control flags it holds (player one's layout). The World makes drivers through
// world/DriverFactory.h; the game installs its AI there.
#include <cstdint>

class VehicleDriver {
public:
    virtual ~VehicleDriver() = default;

    // One frame of decisions.
    virtual void Update() = 0;
    // The vehicle's fuel and hit points after the frame's decisions.
    virtual void SetStatus(int fuel, int hitPoints) = 0;
    // The six flags, in player one's layout.
    virtual const std::uint8_t* GetKeys() const = 0;
    // One flag; false for an index outside the six.
    virtual bool GetKey(int index) const = 0;
    // The World's difficulty when the driver was made, from 0 to 1.
    virtual float GetDifficulty() const = 0;
};
