#include "world/World.h"

#include <algorithm>
#include <cmath>

#include "app/FileLoader.h"
#include "render/GraphicsSystem.h"
#include "render/Renderer.h"
#include "world/EntityKinds.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"

// The cache is made before the FileLoader has a root; ResetResourceCache renews it once the
// root is known.
World::World() : cache(std::string()) {}

World::~World() {
    DeleteAllEntities();
}

int World::CellOf(float coordinate) {
    // Far beyond any grid, yet well inside int, so neighbour ranges around it stay empty.
    constexpr int kOutside = -1000000;
    const double cell = static_cast<double>(coordinate) / kCellSize;
    if (!std::isfinite(cell) || std::fabs(cell) > 1.0e6) return kOutside;
    return static_cast<int>(cell);
}

void World::AddToGrid(GameEntity* e) {
    if (!e) return;
    const int cx = CellOf(e->GetMatrixElement(12));
    const int cz = CellOf(e->GetMatrixElement(14));
    if (InGrid(cx, cz)) cells[cx][cz].push_front(e);
}

void World::RemoveFromGrid(GameEntity* e) {
    if (!e) return;
    const int cx = CellOf(e->GetMatrixElement(12));
    const int cz = CellOf(e->GetMatrixElement(14));
    if (InGrid(cx, cz)) cells[cx][cz].remove(e);
}

EntitySet World::GetNearbyEntities(GameEntity* e) {
    EntitySet nearby;
    GetNearbyEntities(e, nearby);
    return nearby;
}

void World::GetNearbyEntities(GameEntity* e, EntitySet& nearby) {
    nearby.clear();
    if (!e) return;
    const int cx = CellOf(e->GetMatrixElement(12));
    const int cz = CellOf(e->GetMatrixElement(14));
    const int xLow = std::max(cx - 1, 0);
    const int xHigh = std::min({cx + 1, gridSizeX - 1, kMaxGridSize - 1});
    const int zLow = std::max(cz - 1, 0);
    const int zHigh = std::min({cz + 1, gridSizeZ - 1, kMaxGridSize - 1});
    for (int x = xLow; x <= xHigh; ++x)
        for (int z = zLow; z <= zHigh; ++z)
            for (GameEntity* listed : cells[x][z])
                if (listed != e) nearby.Append(listed);
    nearby.Settle();
}

void World::ForgetMine(GameEntity* e) {
    if (e->GetName() != "Mine") return;
    const Weapon* mine = AsWeapon(e);
    if (Vehicle* layer = mine ? AsVehicle(mine->GetOwner()) : nullptr) layer->RemoveLaidObject(e);
}

void World::DropFromGrid(GameEntity* e) {
    // A moving entity is listed in the cell of its position, and mostly nowhere else.
    if (e->gridEntries > 0) RemoveFromGrid(e);
    // An entity with a footprint, or one pushed out of its cell, is listed in other cells.
    for (int x = 0; x < kMaxGridSize && e->gridEntries > 0; ++x)
        for (int z = 0; z < kMaxGridSize && e->gridEntries > 0; ++z) cells[x][z].remove(e);
}

void World::DestroyEntity(GameEntity* e) {
    if (!e) return;
    ForgetMine(e);
    // A blast links what it touches to itself however far it reaches, so every link goes,
    // not only those of the neighbourhood. No weapon keeps a destroyed vehicle as owner.
    for (GameEntity* other : updateList) {
        if (other->GetContact() == e) other->SetContact(nullptr);
        if (Weapon* weapon = AsWeapon(other); weapon && weapon->GetOwner() == e)
            weapon->SetOwner(nullptr);
    }
    retired.erase(std::remove(retired.begin(), retired.end(), e), retired.end());
    updateList.remove(e);
    collisionList.remove(e);
    DropFromGrid(e);
    // A radial blast is drawn from render list 2; a mine retired by its layer's seventh never
    // passes the sweep that takes it out, so every list forgets the model here.
    if (graphicsSystem.renderer)
        for (std::list<MeshTree*>& list : graphicsSystem.renderer->renderLists)
            list.remove(e->GetModel());
    if (e == playerOneVehicle) playerOneVehicle = nullptr;
    if (e == playerTwoVehicle) playerTwoVehicle = nullptr;
    owned.erase(e);
}

GameEntity* World::Adopt(std::unique_ptr<GameEntity> e) {
    GameEntity* entity = e.get();
    if (entity) owned[entity] = std::move(e);
    return entity;
}

void World::RetireEntity(GameEntity* e) {
    if (!e || IsRetired(e)) return;
    ForgetMine(e);
    for (GameEntity* other : updateList)
        if (other->GetContact() == e) other->SetContact(nullptr);
    e->SetContact(nullptr);
    collisionList.remove(e);
    DropFromGrid(e);
    e->hidden = true;
    for (int slot = 0; slot < EffectSlots::kSlots; ++slot) e->effects.SetRunning(slot, false);
    if (Weapon* weapon = AsWeapon(e)) weapon->retired = true;
    retired.push_back(e);
}

void World::DestroyRetired() {
    while (!retired.empty()) DestroyEntity(retired.back());
}

bool World::IsRetired(const GameEntity* e) const {
    return std::find(retired.begin(), retired.end(), e) != retired.end();
}

void World::ClearGrid() {
    // Every cell, not only those of the size in use: no entry may outlive its entity.
    for (int x = 0; x < kMaxGridSize; ++x)
        for (int z = 0; z < kMaxGridSize; ++z) {
            cells[x][z].clear();
            blocked[x][z] = 0;
        }
}

void World::ClearLevel() {
    DeleteAllEntities();
    playerOneVehicle = nullptr;
    playerTwoVehicle = nullptr;
    ClearGrid();
}

void World::DeleteAllEntities() {
    // The lists are emptied first, so that no list names an entity while it is deleted; then
    // the entities go in pass order.
    std::list<GameEntity*> order;
    order.swap(updateList);
    collisionList.clear();
    retired.clear();
    std::unordered_map<const GameEntity*, std::unique_ptr<GameEntity>> doomed;
    doomed.swap(owned);
    for (GameEntity* e : order) doomed.erase(e);
    doomed.clear();
}

void World::ResetResourceCache() {
    cache = ResourceCache(fileLoader.GetRoot());
}
