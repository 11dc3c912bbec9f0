#pragma once
// The kinds of entity, told apart by the kind each entity is made with: one checked helper
// per kind instead of a kind test and a cast at every use.

class GameEntity;
class Vehicle;
class Weapon;

// `e` as a vehicle (batteries included), or null when it is none (or null itself).
Vehicle* AsVehicle(GameEntity* e);
const Vehicle* AsVehicle(const GameEntity* e);
// `e` as a weapon, or null when it is none.
Weapon* AsWeapon(GameEntity* e);
const Weapon* AsWeapon(const GameEntity* e);
// A level object or the walls: what stands in the room and never moves.
bool IsLevelObject(const GameEntity* e);
