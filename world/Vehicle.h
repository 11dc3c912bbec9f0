#pragma once
// Everything that drives: the players' vehicles, the computer vehicles and the batteries
// (vehicles that never move or fire). World::LoadVehicle fills one from its definition file.
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "world/GameEntity.h"
#include "world/VehicleDriver.h"

// World time of a shot that never happened: the first shot of either weapon is not held
// back by its delay, although the World clock starts at 0.
inline constexpr float kNeverFired = -std::numeric_limits<float>::infinity();

class Vehicle : public GameEntity {
public:
    static constexpr int kSoundSlots = 5;
    static constexpr int kMaxLaidObjects = 6;

    Vehicle();
    ~Vehicle() override;

    std::unique_ptr<GameEntity> Create() override;
    std::string GetTypeName() const override;
    // One frame: effects, fuel regeneration, driving from the keys or the computer driver,
    // the grid, and at most one shot, returned as a "WEAPON_FIRED" message.
    std::unique_ptr<Message> Update(std::uint8_t* keys) override;

    // The operations that weapons call.
    void TakeDamage(int damage) { hitPoints -= damage; }
    // Takes `amount` (kept within 0 and maxFuel) and returns what was actually taken.
    int UseFuel(int amount);
    void AddHit() { hits += 1; }
    void BoostOn();
    void BoostOff();
    // Dust, damage smoke, the explosion (once) and the wreck's fall.
    void UpdateEffects();
    // A sideways push toward the held turn key of the vehicle's player.
    void Strafe(const std::uint8_t* keys);
    // A mine laid by this vehicle; the seventh takes the oldest out of play at once.
    void AddLaidObject(GameEntity* object);

    // The definition loader's setters: each stores its argument.
    void SetHitPoints(int value) { hitPoints = value; }
    void SetMaxHitPoints(int value) { maxHitPoints = value; }
    void SetFuel(int value) { fuel = value; }
    void SetMaxFuel(int value) { maxFuel = value; }
    void SetFuelRegen(int value) { fuelRegen = value; }
    void SetPilot(std::string value) { pilot = std::move(value); }
    void SetPilotImageFile(std::string value) { pilotImageFile = std::move(value); }
    void SetPrimaryWeaponDelay(float value) { primaryWeaponDelay = value; }
    void SetSecondaryWeaponDelay(float value) { secondaryWeaponDelay = value; }
    void SetPrimaryFuelCost(int value) { primaryFuelCost = value; }
    void SetSecondaryFuelCost(int value) { secondaryFuelCost = value; }
    void SetPrimaryWeaponFile(std::string value) { primaryWeaponFile = std::move(value); }
    void SetSecondaryWeaponFile(std::string value) { secondaryWeaponFile = std::move(value); }
    void SetAcceleration(float value) { acceleration = value; }
    void SetTurningRate(float value) { turningRate = value; }
    void SetMaxSpeed(float value) { maxSpeed = value; }
    void SetWeight(float value) { weight = value; }
    void SetHuman(bool value) { human = value; }
    // The vehicle owns its driver from now on.
    void SetController(std::unique_ptr<VehicleDriver> driver) { controller = std::move(driver); }
    void SetRammingSpeed() { rammingSpeed = true; }
    void SetStrafe() { strafe = true; }
    void SetPrimaryRange(int value) { primaryRange = value; }
    void SetSecondaryRange(int value) { secondaryRange = value; }
    // Nothing for a slot outside 0 to 4.
    void SetSound(int slot, int soundIndex);
    void SetSelectionIndex(const int& index) { selectionIndex = index; }
    void SetPlayerNumber(int n) { playerOne = (n == 1); }

    VehicleDriver* GetController() const { return controller.get(); }
    int GetPrimaryRange() const { return primaryRange; }
    int GetHitPoints() const { return hitPoints; }
    int GetMaxHitPoints() const { return maxHitPoints; }
    int GetFuel() const { return fuel; }
    int GetMaxFuel() const { return maxFuel; }
    int GetPrimaryShots() const { return primaryShots; }
    int GetSecondaryShots() const { return secondaryShots; }
    int GetHits() const { return hits; }
    int GetFuelSpent() const { return fuelSpent; }
    int GetSelectionIndex() const { return selectionIndex; }
    bool IsHuman() const { return human; }
    int GetFuelRegen() const { return fuelRegen; }
    int GetPrimaryFuelCost() const { return primaryFuelCost; }
    int GetSecondaryFuelCost() const { return secondaryFuelCost; }
    float GetPrimaryWeaponDelay() const { return primaryWeaponDelay; }
    float GetSecondaryWeaponDelay() const { return secondaryWeaponDelay; }
    int GetSecondaryRange() const { return secondaryRange; }
    const std::string& GetPilot() const { return pilot; }
    const std::string& GetPilotImageFile() const { return pilotImageFile; }
    const std::string& GetPrimaryWeaponFile() const { return primaryWeaponFile; }
    const std::string& GetSecondaryWeaponFile() const { return secondaryWeaponFile; }
    bool HasStrafe() const { return strafe; }
    bool HasRammingSpeed() const { return rammingSpeed; }
    int GetPlayerNumber() const { return playerOne ? 1 : 2; }

    // Forgets the first entry equal to `object`; nothing when it is absent.
    void RemoveLaidObject(GameEntity* object);

    // The steps of one update.
    struct FireFlags {
        bool primary = false;
        bool secondary = false;
    };
    // One weapon's firing state, by reference into the vehicle's fields.
    struct Shot {
        float& last;
        float delay;
        int cost;
        int& count;
        int sound;
        const std::string& file;
    };
    void RegenerateFuel(float now);
    // A player's vehicle: its slots of the key array (cleared once it is destroyed) steer it
    // or strafe it; returns the fire flags it holds.
    FireFlags DriveFromKeys(std::uint8_t* keys);
    // A computer vehicle: its driver's flags, or released ones for a wreck.
    FireFlags DriveByComputer();
    Shot PrimaryShot();
    Shot SecondaryShot();
    // The shot's "WEAPON_FIRED" message, paid for; null when its delay, its fuel or a missing
    // definition file holds it back.
    std::unique_ptr<Message> Fire(const Shot& shot, float now);

    // A vehicle never given a player number reads player one's slots, where a computer
    // driver's six flags are offered.
    bool playerOne = true;
    // Owned: freed with the vehicle, or earlier when the vehicle is destroyed.
    std::unique_ptr<VehicleDriver> controller;
    float lastFuelUse = 0.0f;
    float lastPrimaryShot = kNeverFired;
    float lastSecondaryShot = kNeverFired;
    int primaryShots = 0;
    int secondaryShots = 0;
    int hits = 0;
    int fuelSpent = 0;
    float fallSpeed = 0.0f;
    // Mines laid by this vehicle, oldest first; the World owns them.
    std::vector<GameEntity*> laidObjects;
    // SoundBank slots: 0 plays on primary fire, 1 on secondary fire.
    int sounds[kSoundSlots] = {-1, -1, -1, -1, -1};
    float boostStart = 0.0f;
    bool boostActive = false;
    // The explosion has started: it starts once, whether or not its effect was ever drawn.
    bool exploded = false;

protected:
    // Filled by the definition loader through the setters above.
    bool human = false;
    int selectionIndex = -1;
    int hitPoints = 0;
    int maxHitPoints = 0;
    int fuel = 0;
    int maxFuel = 0;
    int fuelRegen = 0;
    float primaryWeaponDelay = 0.0f;
    float secondaryWeaponDelay = 0.0f;
    int primaryFuelCost = 0;
    int secondaryFuelCost = 0;
    int primaryRange = 0;
    int secondaryRange = 0;
    std::string pilot;
    std::string pilotImageFile;
    std::string primaryWeaponFile;
    std::string secondaryWeaponFile;
    bool rammingSpeed = false;
    bool strafe = false;
};
