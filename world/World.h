#pragma once
// The game world. Only its clock stands here so far; the entity lists, the grid and the
// level building arrive with the entities.

class Vehicle;

class World {
public:
    World() = default;
    ~World() { DeleteAllEntities(); }
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    void DeleteAllEntities() {}
    Vehicle* GetPlayerOne() const { return playerOneVehicle; }
    void SetAIDifficulty(float difficulty) { aiDifficulty = difficulty; }
    float GetAIDifficulty() const { return aiDifficulty; }

    // Seconds of level play: advanced only on the level screen, never reset.
    float time = 0.0f;

private:
    float aiDifficulty = 0.5f;
    Vehicle* playerOneVehicle = nullptr;
};

extern World world;
