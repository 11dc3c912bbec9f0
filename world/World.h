#pragma once
// The game world: it owns every entity of a level and answers where things are. Two lists
// that the frame passes walk, a grid of square cells over the floor that lists the entities
// in each cell and marks the cells that obstacles fill, the World clock, the two player
// vehicles, the computer opponents' difficulty, the level's grid size and the resource cache.
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/ContentRecords.h"
#include "world/CellList.h"
#include "world/EntitySet.h"
#include "world/ResourceCache.h"

class GameEntity;
class Message;
class Vehicle;

// The grid holds at most this many cells along x and along z.
constexpr int kMaxGridSize = 100;
// A cell is this many units square; cell (i, j) covers x from 4i to 4i + 4, z likewise.
constexpr float kCellSize = 4.0f;
// The smallest room that vehicle placement can use: its corner cells (2, 2) and
// (size - 2, size - 2) must lie inside the grid.
constexpr int kMinGridSize = 3;

class World {
public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // The cell index of a floor coordinate: divided by the cell size, toward zero. A value
    // that is not a number or lies too far to count gives an index outside every grid.
    static int CellOf(float coordinate);

    // Lists `e` at the front of the cell of its position; nothing outside the grid.
    void AddToGrid(GameEntity* e);
    // Takes every entry of `e` out of the cell of its position; entries in other cells stay.
    void RemoveFromGrid(GameEntity* e);
    // Every entity listed in the 3 x 3 cells around `e`'s cell, clipped to the grid, each
    // once, without `e`.
    EntitySet GetNearbyEntities(GameEntity* e);
    // The same into `nearby`, which keeps its storage from call to call.
    void GetNearbyEntities(GameEntity* e, EntitySet& nearby);
    // Unlinks `e` from everything the World knows (every contact that names it, both lists,
    // every grid cell, its owner's mines, the player slots, the render lists) and deletes it
    // when the World owns it.
    void DestroyEntity(GameEntity* e);
    // Takes `e` out of play at once (collision list, grid, contacts, its owner's mines; no
    // longer updated or drawn) while it stays in the update list, which the update pass may
    // be walking; DestroyRetired deletes it. Safe for an entity that is also on the frame's
    // dead list: whichever destruction comes first deletes it, the other finds nothing.
    void RetireEntity(GameEntity* e);
    // Deletes every retired entity that has not been destroyed yet; run by the sweep.
    void DestroyRetired();
    bool IsRetired(const GameEntity* e) const;
    // The World owns `e` from now on (a level's entities are listed in updateList as well);
    // returns it.
    GameEntity* Adopt(std::unique_ptr<GameEntity> e);
    // Every cell emptied and unblocked; the grid size stays.
    void ClearGrid();
    // Deletes every entity, forgets both players and clears the grid.
    void ClearLevel();
    // Deletes every entity; the grid and the player slots are left as they are.
    void DeleteAllEntities();

    Vehicle* GetPlayerOne() const { return playerOneVehicle; }
    Vehicle* GetPlayerTwo() const { return playerTwoVehicle; }
    int GetGridSizeX() const { return gridSizeX; }
    int GetGridSizeZ() const { return gridSizeZ; }
    void SetAIDifficulty(float difficulty) { aiDifficulty = difficulty; }
    float GetAIDifficulty() const { return aiDifficulty; }
    std::string GetFirstEnvironmentTexture() const { return environmentTextures[0]; }
    std::string GetThirdEnvironmentTexture() const { return environmentTextures[2]; }
    // A fresh cache whose weapon folder is taken from the FileLoader's root.
    void ResetResourceCache();

    // Level building: the level file at the full path `levelFile`.
    void BuildLevel(std::string levelFile);
    // Creates, lists, loads, places and equips one entity of a level record or a vehicle
    // request; `controller` 0 gives a vehicle a computer driver, 1 a player. Null, and
    // nothing made, for a type other than "GAME_ENTITY", "VEHICLE" and "BATTERY".
    GameEntity* CreateEntityFromDesc(EntityDesc d, int controller);
    // The walls of the room, listed in the border cells; the caller puts it in the update
    // list.
    GameEntity* CreateWalls();

    // Vehicles: fills `vehicle` from the definition file that `desc` names, attaches its
    // driver (0 computer, -1 none, other values a player) and its effects, writes the file's
    // BOUNDING_BOX into `desc` and returns the model path.
    std::string LoadVehicle(EntityDesc& desc, Vehicle* vehicle, int controller);
    // Player one's vehicle, or player two's when player one exists (0 tank, 1 buggy, 2 ufo,
    // 3 lancer).
    void CreatePlayerVehicle(int choice);
    // A computer-driven vehicle of a random kind.
    GameEntity* SpawnRandomVehicle();

    // The weapon that `message` asks for, fired by `sender`: at the front of the collision
    // list and the back of the update list. A message that names no usable definition
    // spawns nothing.
    void SpawnWeapon(Message* message, GameEntity* sender);

    // Seconds of level play: advanced only on the level screen, never reset.
    float time = 0.0f;
    // Indexed [x][z]: 1 where a level obstacle fills the cell.
    std::uint8_t blocked[kMaxGridSize][kMaxGridSize] = {};
    // Every entity of the level, in pass order. Not owning: `owned` holds them.
    std::list<GameEntity*> updateList;
    // The entities that move and collide: vehicles, batteries, weapons. Not owning.
    std::list<GameEntity*> collisionList;
    ResourceCache cache;
    std::string environmentTextures[3];
    // Indexed [x][z]: the entities listed in each cell. Not owning.
    CellList cells[kMaxGridSize][kMaxGridSize];
    int gridSizeX = 0;
    int gridSizeZ = 0;
    Vehicle* playerOneVehicle = nullptr;
    Vehicle* playerTwoVehicle = nullptr;
    // Out of play, waiting for the sweep; still owned.
    std::vector<GameEntity*> retired;
    // The owner of every entity: DestroyEntity and the clearing operations free them here.
    std::unordered_map<const GameEntity*, std::unique_ptr<GameEntity>> owned;

private:
    // Set through SetAIDifficulty: the computer drivers' difficulty, 0 to 1.
    float aiDifficulty = 0.5f;

    // A mine leaves its layer's list of laid mines.
    void ForgetMine(GameEntity* e);
    // Every grid entry of `e`, in whatever cells.
    void DropFromGrid(GameEntity* e);
    bool InGrid(int cx, int cz) const {
        return cx >= 0 && cx < gridSizeX && cz >= 0 && cz < gridSizeZ;
    }
    // Lists `e` at the front of cell (cx, cz) and marks it blocked; cells outside the grid
    // are skipped.
    void BlockCell(int cx, int cz, GameEntity* e);
    // Level building's cover of the cells of one record's entity.
    void CoverFootprint(const EntityDesc& record, GameEntity* e);
    // Puts a vehicle on a free corner of the room: writes the cell into d.x and d.z.
    void PlaceVehicle(EntityDesc& d, GameEntity* e);
};

extern World world;
