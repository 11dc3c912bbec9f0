#pragma once
// The computer driver of one vehicle: it decides each frame which of the six control flags
// (turn right, turn left, thrust, brake, primary fire, secondary fire) are held. It keeps
// its settings and releases every flag; the decisions come with the opponents.
#include <cstdint>
#include <string>

class Vehicle;

class AIController {
public:
    static constexpr int kKeys = 6;

    // `vehicle` is the driven vehicle (not owned); `difficulty` runs from 0 to 1.
    AIController(Vehicle* vehicle, float difficulty);

    void Init(float turningRate, std::string name, int primaryRange);
    void Update();
    void SetStatus(int fuel, int hitPoints);

    // The six flags, in player one's layout.
    std::uint8_t* GetKeys() { return keys; }
    bool GetKey(int index) const;
    void SetKey(int index, bool value);

    Vehicle* GetVehicle() const { return vehicle; }
    float GetDifficulty() const { return AIDiff; }
    float GetTurningRate() const { return turningRate; }
    const std::string& GetName() const { return name; }
    int GetRange() const { return range; }

private:
    Vehicle* vehicle;
    float AIDiff;
    std::string name;
    int range = 0;
    float turningRate = 0.0f;
    std::uint8_t keys[kKeys] = {};
};
