// Level building: a level file becomes a room of level objects, batteries, vehicles and
// walls on the grid.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "app/FileLoader.h"
#include "app/Matrix.h"
#include "app/MessageBox.h"
#include "world/EffectFactory.h"
#include "world/EntityFactory.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

const char* const kBigExplosionScripts[] = {
    "./RESOURCES/Files/Particles/BigExplosion/crater.cfg",
    "./RESOURCES/Files/Particles/BigExplosion/flare.cfg",
    "./RESOURCES/Files/Particles/BigExplosion/smoke_trail.cfg",
    "./RESOURCES/Files/Particles/BigExplosion/explosion_smoke1.cfg",
    "./RESOURCES/Files/Particles/BigExplosion/explosion3.cfg",
};
const char* const kBoltScript = "./RESOURCES/Files/Particles/Bolt/bolt.cfg";
const char* const kShowerScripts[] = {
    "./RESOURCES/Files/Particles/Shower/shower.cfg",
    "./RESOURCES/Files/Particles/Shower/shower_bounce.cfg",
};

bool IsBuiltType(const std::string& type) {
    return type == "GAME_ENTITY" || type == "VEHICLE" || type == "BATTERY";
}

// The cells that a rectangle's edge reaches from the centre cell: a rectangle of
// half-width 2 or less around the model's origin covers the centre cell only.
double LowCell(float low) {
    const double quarter = static_cast<double>(low) / kCellSize;
    return low >= 0.0f ? std::floor(quarter) : std::floor(quarter + 0.5);
}
double HighCell(float high) {
    const double quarter = static_cast<double>(high) / kCellSize;
    return high >= 0.0f ? std::ceil(quarter - 0.5) : std::ceil(quarter);
}

// [low, high] cut to the cells 0 to size - 1; false when nothing is left.
bool ClipRange(double low, double high, int size, int* first, int* last) {
    low = std::max(low, 0.0);
    high = std::min(high, static_cast<double>(size - 1));
    if (!(low <= high)) return false;
    *first = static_cast<int>(low);
    *last = static_cast<int>(high);
    return true;
}

// A started standing effect (the battery's bolt, the shower) at the model, without the
// particles it had.
void AttachStandingEffect(GameEntity* e, std::vector<std::string> scripts) {
    e->effects.Set(EffectSlots::kStanding, CreateEffect(scripts));
    e->effects.SetRunning(EffectSlots::kStanding, true);
    Effect* effect = e->effects.Get(EffectSlots::kStanding);
    effect->PlaceAt(e->GetModel(), true);
    effect->ExpireAll();
}

// A side of this many cells puts the spawn corners (2, ...) and (size - 2, ...) in one cell:
// every vehicle would start inside every other.
constexpr int kCornersInOneCell = 4;

// A grid side the game can use: cut into range, and one cell wider where the corners meet.
int UsableGridSize(int size) {
    const int cut = std::clamp(size, kMinGridSize, kMaxGridSize);
    return cut == kCornersInOneCell ? cut + 1 : cut;
}

}  // namespace

void World::BuildLevel(std::string levelFile) {
    std::string textures[3];
    int sizeX = gridSizeX;
    int sizeZ = gridSizeZ;
    const std::vector<EntityDesc> records = fileLoader.ReadLevelFile(
        levelFile, &textures[0], &textures[1], &textures[2], &sizeX, &sizeZ);

    // A file that does not open leaves the names unread: the paths of the last level stay
    // as they were.
    const std::string environment = fileLoader.GetRoot() + "/RESOURCES/Art/Textures/Environment/";
    for (int i = 0; i < 3; ++i)
        if (!textures[i].empty()) environmentTextures[i] = environment + textures[i];

    if (sizeX != UsableGridSize(sizeX) || sizeZ != UsableGridSize(sizeZ)) {
        const std::string text =
            "The room of " + std::to_string(sizeX) + " x " + std::to_string(sizeZ) +
            " cells cannot be played: each side must have " + std::to_string(kMinGridSize) +
            " to " + std::to_string(kMaxGridSize) + " cells, and not " +
            std::to_string(kCornersInOneCell) + ". It is built as " +
            std::to_string(UsableGridSize(sizeX)) + " x " + std::to_string(UsableGridSize(sizeZ)) +
            " cells.";
        MessageBox(text.c_str(), levelFile.c_str(), MB_ICONERROR);
        sizeX = UsableGridSize(sizeX);
        sizeZ = UsableGridSize(sizeZ);
    }
    gridSizeX = sizeX;
    gridSizeZ = sizeZ;

    for (const EntityDesc& record : records) {
        // A record of any other type would make an entity that no list owns.
        if (!IsBuiltType(record.type)) continue;
        GameEntity* e = CreateEntityFromDesc(record, 0);
        if (e) CoverFootprint(record, e);
    }

    updateList.push_front(CreateWalls());
}

void World::BlockCell(int cx, int cz, GameEntity* e) {
    if (!InGrid(cx, cz)) return;
    cells[cx][cz].push_front(e);
    blocked[cx][cz] = 1;
}

void World::CoverFootprint(const EntityDesc& record, GameEntity* e) {
    // In 64 bits, so that no extent in a file can overflow.
    const long long x0 = record.x;
    const long long x1 = static_cast<long long>(record.x) + record.w - 1;
    const long long z0 = record.z;
    const long long z1 = static_cast<long long>(record.z) + record.h - 1;
    int xFirst, xLast, zFirst, zLast;

    const std::vector<Box>& boxes = e->GetModel()->boxes;
    if (boxes.empty()) {
        if (!ClipRange(static_cast<double>(x0), static_cast<double>(x1), gridSizeX, &xFirst,
                       &xLast) ||
            !ClipRange(static_cast<double>(z0), static_cast<double>(z1), gridSizeZ, &zFirst,
                       &zLast))
            return;
        for (int x = xFirst; x <= xLast; ++x)
            for (int z = zFirst; z <= zLast; ++z) BlockCell(x, z, e);
        return;
    }

    // The model stands on the centre of its footprint.
    const double cx = static_cast<double>((x0 + x1) / 2);
    const double cz = static_cast<double>((z0 + z1) / 2);
    for (const Box& box : boxes) {
        if (!std::isfinite(box.xMin) || !std::isfinite(box.xMax) || !std::isfinite(box.zMin) ||
            !std::isfinite(box.zMax))
            continue;
        if (!ClipRange(cx + LowCell(box.xMin), cx + HighCell(box.xMax), gridSizeX, &xFirst,
                       &xLast) ||
            !ClipRange(cz + LowCell(box.zMin), cz + HighCell(box.zMax), gridSizeZ, &zFirst, &zLast))
            continue;
        for (int x = xFirst; x <= xLast; ++x)
            for (int z = zFirst; z <= zLast; ++z) BlockCell(x, z, e);
    }
}

GameEntity* World::CreateEntityFromDesc(EntityDesc d, int controller) {
    if (!IsBuiltType(d.type)) return nullptr;
    std::unique_ptr<GameEntity> made = entityFactory.CreateEntity(d.type);
    GameEntity* e = made.get();
    std::string modelPath;

    if (d.type == "GAME_ENTITY") {
        e->SetName(d.name);
        modelPath = fileLoader.GetRoot() + "\\RESOURCES\\Art\\Models\\" + d.name;
        updateList.push_front(Adopt(std::move(made)));
    } else if (d.type == "VEHICLE") {
        collisionList.push_front(e);
        updateList.push_front(Adopt(std::move(made)));
        modelPath = LoadVehicle(d, static_cast<Vehicle*>(e), controller);
        PlaceVehicle(d, e);
    } else {
        collisionList.push_front(e);
        updateList.push_front(Adopt(std::move(made)));
        modelPath = LoadVehicle(d, static_cast<Vehicle*>(e), -1);
        // A battery is set up as a vehicle from here on, in the cell of its record.
        d.type = "VEHICLE";
    }

    e->SetModel(cache.GetModel(modelPath));
    MeshTree* model = e->GetModel();
    Mat44 place;
    place[12] = static_cast<float>((d.w * 0.5 + d.x) * kCellSize);
    place[14] = static_cast<float>((d.h * 0.5 + d.z) * kCellSize);
    model->SetMatrix(place.m);

    if (d.type == "VEHICLE") {
        // A vehicle in a corner faces the centre of the room.
        constexpr double kPi = std::numbers::pi;
        double turn = 0.0;
        if (d.x == 2 && d.z == 2)
            turn = kPi / 4;
        else if (d.x == 2 && d.z == gridSizeZ - 2)
            turn = 3 * kPi / 4;
        else if (d.x == gridSizeX - 2 && d.z == gridSizeZ - 2)
            turn = 5 * kPi / 4;
        else if (d.x == gridSizeX - 2 && d.z == 2)
            turn = 7 * kPi / 4;
        if (turn != 0.0) {
            Mat44 scratch = place;
            Mat44RotateYAboutPosition(static_cast<float>(turn), scratch.m, model->matrix->m);
        }

        e->effects.Set(EffectSlots::kExplosion,
                       CreateEffect(std::vector<std::string>(std::begin(kBigExplosionScripts),
                                                             std::end(kBigExplosionScripts))));
        if (e->GetName() == "Battery") AttachStandingEffect(e, {kBoltScript});
        model->scenery = false;
        model->revealsUnderCaster = true;
    } else if (d.type == "GAME_ENTITY" && d.name == "bathroom_shower.ms3d") {
        AttachStandingEffect(
            e, std::vector<std::string>(std::begin(kShowerScripts), std::end(kShowerScripts)));
        model->scenery = false;
    }

    if (d.bounds == "SPHERE")
        e->circleCollision = true;
    else if (d.bounds != "NONE" && !d.bounds.empty())
        model->boxes = fileLoader.ReadBoundingBoxes(d.bounds);
    return e;
}

void World::PlaceVehicle(EntityDesc& d, GameEntity* e) {
    struct Cell {
        int x, z;
    };
    const Cell corners[] = {
        {2, 2}, {2, gridSizeZ - 2}, {gridSizeX - 2, gridSizeZ - 2}, {gridSizeX - 2, 2}};
    std::vector<Cell> free;
    for (const Cell& corner : corners)
        if (InGrid(corner.x, corner.z) && !blocked[corner.x][corner.z]) free.push_back(corner);

    for (GameEntity* other : collisionList) {
        if (other == e) continue;
        const int ox = CellOf(other->GetMatrixElement(12));
        const int oz = CellOf(other->GetMatrixElement(14));
        const auto taken = std::find_if(free.begin(), free.end(),
                                        [&](const Cell& c) { return c.x == ox && c.z == oz; });
        if (taken != free.end()) free.erase(taken);
    }

    if (!free.empty()) {
        const Cell& chosen = free[static_cast<std::size_t>(std::rand()) % free.size()];
        d.x = chosen.x;
        d.z = chosen.z;
        return;
    }
    // No corner left: any cell of the room, obstacles and vehicles notwithstanding.
    d.x = gridSizeX > 0 ? std::rand() % gridSizeX : 0;
    d.z = gridSizeZ > 0 ? std::rand() % gridSizeZ : 0;
}

GameEntity* World::CreateWalls() {
    GameEntity* e = Adopt(entityFactory.CreateEntity("GAME_ENTITY"));
    e->SetName("Walls");
    MeshTree& model = *e->GetModel();
    model = MeshTree();
    model.ResetMatrix();
    // Never drawn: the level screen draws the room itself.
    model.lit = model.outlined = model.castsShadow = model.scenery = true;
    model.celShaded = model.inRenderList = model.transparent = model.revealsUnderCaster =
        model.visible = model.drawBlack = false;

    const float x = static_cast<float>(gridSizeX) * kCellSize;
    const float z = static_cast<float>(gridSizeZ) * kCellSize;
    // The order is each wall's index for the collision response.
    model.boxes = {
        Box(-1.0f, 0.0f, 0.0f, z),  // low x
        Box(0.0f, x, -1.0f, 0.0f),  // low z
        Box(0.0f, x, z, z + 1.0f),  // high z
        Box(x, x + 1.0f, 0.0f, z),  // high x
    };
    model.boundsMin[0] = model.boundsMin[1] = model.boundsMin[2] = 0.0f;
    model.boundsMax[0] = x;
    model.boundsMax[1] = 0.0f;
    model.boundsMax[2] = z;

    for (int cx = 0; cx < std::min(gridSizeX, kMaxGridSize); ++cx)
        for (int cz = 0; cz < std::min(gridSizeZ, kMaxGridSize); ++cz)
            if (cx == 0 || cx == gridSizeX - 1 || cz == 0 || cz == gridSizeZ - 1)
                cells[cx][cz].push_front(e);
    return e;
}
