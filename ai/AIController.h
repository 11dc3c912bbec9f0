#pragma once
// The computer driver of one vehicle. Each frame it decides which of the six control flags
// (turn right, turn left, thrust, brake, primary fire, secondary fire) are held, the same
// flags player one's keys give, so the vehicle drives and fires exactly like a human one.
// It hunts player one only: it searches the room sector by sector along paths planned over
// the World's grid, engages once player one has been in sight long enough, and flees when
// its fuel runs low or player one comes too close.
#include <cstdint>
#include <functional>
#include <string>

#include "ai/PathList.h"
#include "app/ControlKeys.h"
#include "world/VehicleDriver.h"

class GameEntity;
class Vehicle;
class World;

enum AIState : std::int16_t { Search = 0, Engage = 1, Flee = 2 };

class AIController : public VehicleDriver {
public:
    static constexpr int kKeys = ControlKeys::kFlags;
    static constexpr int kSectors = 4;
    // The factor of a vehicle whose NAME is none of the four: half way between the most
    // cautious and the boldest driver.
    static constexpr float kDefaultVehicleFactor = 0.5f;

    // `vehicle` is the driven vehicle (not owned); `difficulty` runs from 0 to 1.
    AIController(Vehicle* vehicle, float difficulty);
    ~AIController() override;
    AIController(const AIController&) = delete;
    AIController& operator=(const AIController&) = delete;

    void Init(float turningRate, std::string name, int primaryRange);
    // One frame of decisions; needs player one in the World (without it every flag is
    // released).
    void Update() override;
    // The vehicle's fuel and hit points at the end of its frame; a change of hit points while
    // searching is taken as a hit.
    void SetStatus(int fuel, int hitPoints) override;

    // The six flags, in player one's layout.
    const std::uint8_t* GetKeys() const override { return keys; }
    bool GetKey(int index) const override;
    void SetKey(int index, bool value);

    Vehicle* GetVehicle() const { return vehicle; }
    float GetDifficulty() const override { return AIDiff; }
    float GetTurningRate() const { return turningRate; }
    const std::string& GetName() const { return name; }
    int GetRange() const { return range; }

    // The World whose grid and player one the controller reads: the global one unless a
    // test gives its own.
    void SetWorld(World* w) { gameWorld = w; }
    // The source of every random draw: the process-wide rand unless a test scripts it.
    void SetRandom(std::function<int()> source) { random = std::move(source); }

    // Shared geometry: rounding with halves going down, direction angles in whole degrees
    // and the strict angle-range test of the cones.
    static int RoundToInt(float v);
    static int DirectionAngle(float dx, float dz);
    // The two halves of a direction angle: the truncated arctangent of the slope (into which
    // the aim wobble goes) and the half turn and wrap that finish it.
    static int AngleBase(float dx, float dz);
    static int FinishAngle(int base, float dx);
    static bool IsAngleInRange(int angle, int centre, int hi, int lo);
    static bool InCone(int angle, int centre, int halfWidth);
    // Distance in cells between two cells whose differences are dx and dz.
    static float CellDistance(int dx, int dz);
    // The value a − b·x, worked out from the float inputs without rounding the product to a
    // float, so that thresholds such as 20 − 20 × 0.9 keep their place above 2.
    static double Threshold(double a, double b, float x) { return a - b * static_cast<double>(x); }

    // Perception.
    void Perceive();
    bool HasLineOfSight();
    // Sector heat and destination choice.
    void ResetSectorHeat();
    void OnLostVisibility();
    void OnGainedVisibility();
    void ChooseDestination();
    // The steps of a destination choice: the cell the next search starts from, the sector
    // (the coolest while searching, one step away from player one while fleeing), a free goal
    // cell in it, and the heat it leaves.
    void ChooseStartCell();
    void ChooseSearchSector();
    void ChooseFleeSector(int widthX, int widthZ);
    void ChooseGoalCell(int widthX, int widthZ);
    void WarmDestination();
    void SetGoal(int x, int z);
    // Path finding, one expansion per call.
    bool IsClosed(const PathList& list, int x, int z) const;
    const PathNode* FindOpen(const PathList& list, int x, int z) const;
    void ExpandNeighbour(PathList& list, int x, int z, float parentG, int goalX, int goalZ);
    void PathStep(PathList& output);
    void UpdateMovement(PathList& path);
    bool FollowWaypoint(const PathNode* node);
    // Steering and firing.
    void SteerTo(float tx, float tz, float ox, float oz);
    bool ChasePlayer(GameEntity* player);
    void ApplySecondaryRule();

    // Cells outside the grid count as blocked.
    bool IsBlocked(int x, int z) const;
    // The vehicle's own cell.
    int OwnCellX() const;
    int OwnCellZ() const;
    // Player one's sector for the heat updates, within 0 to 3.
    void PlayerSector(int& sx, int& sz) const;
    int Draw() { return random(); }

    float SectorHeat[kSectors][kSectors] = {};
    bool hasDestination = false;
    int destSectorX = 0;
    int destSectorZ = 0;
    int goalCellX = -1;
    int goalCellZ = -1;
    int startCellX = -1;
    int startCellZ = -1;
    Vehicle* vehicle;
    PathList currentPath;
    PathList nextPath;
    PathList searchList;
    int turnCounter = 1;
    int targetAngle = 0;
    int heading = 0;
    int manoeuvre = 0;
    int manoeuvreCounter = 0;
    bool counterSteer = false;
    int refreshCounter = 0;
    bool fleeSetUp = false;
    std::uint8_t keys[kKeys] = {};
    bool chasing = false;
    AIState state = Search;
    int insight = 0;
    int reaction = 0;
    float waver = 0.0f;
    bool backOff = false;
    bool firing = false;
    int rangeBonus = 0;
    float AIDiff;
    float vehicleFactor = kDefaultVehicleFactor;
    std::string name;
    int fuelSeen = 0;
    int hitPointsSeen = 0;
    int range = 0;
    float turningRate = 0.0f;
    int thrustCone = 45;
    int wideCone = 0;
    int narrowCone = 0;
    int aimCone;
    int viewCone = 60;

    World* gameWorld;
    std::function<int()> random;

private:
    // Whether `x` and `z` are a cell of the grid.
    bool InGrid(int x, int z) const;
    // The nearest free cell to (x, z); false when the grid has none.
    bool NearestFreeCell(int x, int z, int& outX, int& outZ) const;
};
