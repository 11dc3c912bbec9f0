#pragma once
// The kinds of entity, told apart by their type names: one checked helper per kind instead
// of a name test and a cast at every use.
#include <string>

class GameEntity;
class Vehicle;
class Weapon;

namespace kinds {
// The type names that GameEntity::GetTypeName returns.
inline const char* const kLevelObject = "GameEntity";
inline const char* const kVehicle = "Vehicle";
inline const char* const kWeapon = "Weapon";
}  // namespace kinds

// `e` as a vehicle (batteries included), or null when it is none (or null itself).
Vehicle* AsVehicle(GameEntity* e);
const Vehicle* AsVehicle(const GameEntity* e);
// `e` as a weapon, or null when it is none.
Weapon* AsWeapon(GameEntity* e);
const Weapon* AsWeapon(const GameEntity* e);
// A level object or the walls: what stands in the room and never moves.
bool IsLevelObject(const GameEntity* e);
