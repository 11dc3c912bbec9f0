// Where a computer vehicle goes: the heat of the room's 4 x 4 sectors, the choice of the
// next destination and goal cell, the A* search over the grid spread over frames, and the
// following of the found waypoints.
#include <cmath>
#include <cstdlib>

#include "ai/AIController.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

constexpr float kStartHeatBest = 1000.0f;
constexpr float kMaxDestinationHeat = 10.0f;
constexpr float kHeatDecay = 0.01f;
constexpr float kLostSightHeatCap = 5.0f;
// Goal cells drawn before a sector is given up for the nearest free cell; only reached when
// nearly every cell of the sector is blocked.
constexpr int kMaxGoalTries = 10000;
constexpr float kDiagonalExtra = 0.4f;
// A waypoint counts as reached within this many units on each axis.
constexpr float kWaypointReach = 20.0f;

int Clamp(int v, int lo, int hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

int SectorClamp(int v) {
    return Clamp(v, 0, AIController::kSectors - 1);
}

}  // namespace

void AIController::PlayerSector(int& sx, int& sz) const {
    const Vehicle* player = gameWorld->GetPlayerOne();
    const int widthX = gameWorld->GetGridSizeX() / kSectors;
    const int widthZ = gameWorld->GetGridSizeZ() / kSectors;
    // Rooms narrower than four cells have one-cell sectors; player one at the far wall (or on
    // a grid that is no multiple of four) still counts in the last sector.
    sx = SectorClamp((RoundToInt(player->GetMatrixElement(12)) / 4) / (widthX > 0 ? widthX : 1));
    sz = SectorClamp((RoundToInt(player->GetMatrixElement(14)) / 4) / (widthZ > 0 ? widthZ : 1));
}

void AIController::ResetSectorHeat() {
    for (auto& row : SectorHeat) {
        for (float& heat : row) heat = 0.0f;
    }
}

void AIController::OnLostVisibility() {
    int px, pz;
    PlayerSector(px, pz);
    for (int sx = 0; sx < kSectors; ++sx) {
        for (int sz = 0; sz < kSectors; ++sz) {
            float& heat = SectorHeat[sx][sz];
            if ((sx != px || sz != pz) && heat < kLostSightHeatCap) {
                heat += 1.0f;
            } else if (heat > 0.0f) {
                heat -= 1.0f;
            }
        }
    }
    insight = 120;
}

void AIController::OnGainedVisibility() {
    int px, pz;
    PlayerSector(px, pz);
    SectorHeat[px][pz] = 0.0f;
}

void AIController::SetGoal(int x, int z) {
    goalCellX = x;
    goalCellZ = z;
    // A search toward an earlier goal is worth nothing now: the next step starts afresh from
    // the new start cell.
    searchList.Clear();
}

bool AIController::NearestFreeCell(int x, int z, int& outX, int& outZ) const {
    int best = -1;
    for (int cx = 0; cx < kMaxGridSize; ++cx) {
        for (int cz = 0; cz < kMaxGridSize; ++cz) {
            if (IsBlocked(cx, cz)) continue;
            const int d = (cx - x) * (cx - x) + (cz - z) * (cz - z);
            if (best < 0 || d < best) {
                best = d;
                outX = cx;
                outZ = cz;
            }
        }
    }
    return best >= 0;
}

void AIController::ChooseStartCell() {
    // The next path continues from where the vehicle will be: the end of the path it follows.
    // The goal cell is not that place when the search toward it was cut off as unreachable.
    if (const PathNode* end = currentPath.Last()) {
        startCellX = end->x;
        startCellZ = end->z;
    } else {
        startCellX = OwnCellX();
        startCellZ = OwnCellZ();
    }
}

void AIController::ChooseSearchSector() {
    const int c = static_cast<int>(std::ceil(SectorHeat[destSectorX][destSectorZ]));
    const int r = Draw() % 4 + 2;
    if (r >= c) return;
    // The coolest sector; on equal heat the nearer to the current destination, then the
    // lower z, then the lower x.
    float best = kStartHeatBest;
    int bestDistance = 0;
    int bestX = destSectorX;
    int bestZ = destSectorZ;
    for (int sz = 0; sz < kSectors; ++sz) {
        for (int sx = 0; sx < kSectors; ++sx) {
            const float heat = SectorHeat[sx][sz];
            const int distance = std::abs(destSectorX - sx) + std::abs(destSectorZ - sz);
            if (heat < best || (heat == best && distance < bestDistance)) {
                best = heat;
                bestDistance = distance;
                bestX = sx;
                bestZ = sz;
            }
        }
    }
    destSectorX = bestX;
    destSectorZ = bestZ;
}

void AIController::ChooseFleeSector(int widthX, int widthZ) {
    const Vehicle* player = gameWorld->GetPlayerOne();
    const int px = static_cast<int>(player->GetMatrixElement(12) / 4) / widthX;
    const int pz = static_cast<int>(player->GetMatrixElement(14) / 4) / widthZ;
    const int gx = goalCellX / widthX;
    const int gz = goalCellZ / widthZ;
    int farX = 0;
    int farZ = 0;
    int largest = 0;
    for (int sx = 0; sx < kSectors; ++sx) {
        for (int sz = 0; sz < kSectors; ++sz) {
            const int distance = std::abs(px - sx) + std::abs(pz - sz);
            if (distance > largest) {
                largest = distance;
                farX = sx;
                farZ = sz;
            }
        }
    }
    // One sector from the last goal's toward the farthest, along the axis with the larger
    // difference (along z on a tie).
    if (std::abs(gx - farX) > std::abs(gz - farZ)) {
        destSectorX = gx < farX ? gx + 1 : gx - 1;
        destSectorZ = gz;
    } else {
        destSectorZ = gz < farZ ? gz + 1 : gz - 1;
        destSectorX = gx;
    }
}

void AIController::ChooseGoalCell(int widthX, int widthZ) {
    const int sizeX = gameWorld->GetGridSizeX();
    const int sizeZ = gameWorld->GetGridSizeZ();
    const int lastX = sizeX > 0 ? sizeX - 1 : 0;
    const int lastZ = sizeZ > 0 ? sizeZ - 1 : 0;
    const int lowX = Clamp(widthX * destSectorX, 0, lastX);
    const int highX = Clamp(widthX * destSectorX + widthX - 1, 0, lastX);
    const int lowZ = Clamp(widthZ * destSectorZ, 0, lastZ);
    const int highZ = Clamp(widthZ * destSectorZ + widthZ - 1, 0, lastZ);
    bool sectorHasFreeCell = false;
    for (int x = lowX; x <= highX && !sectorHasFreeCell; ++x) {
        for (int z = lowZ; z <= highZ && !sectorHasFreeCell; ++z) {
            sectorHasFreeCell = !IsBlocked(x, z);
        }
    }
    bool found = false;
    int goalX = (lowX + highX) / 2;
    int goalZ = (lowZ + highZ) / 2;
    for (int tries = 0; sectorHasFreeCell && !found && tries < kMaxGoalTries; ++tries) {
        const int x = Clamp(widthX * destSectorX + Draw() % widthX, 0, lastX);
        const int z = Clamp(widthZ * destSectorZ + Draw() % widthZ, 0, lastZ);
        if (!IsBlocked(x, z)) {
            goalX = x;
            goalZ = z;
            found = true;
        }
    }
    if (!found) {
        // A sector filled by furniture: the free cell nearest its middle instead.
        int freeX, freeZ;
        if (NearestFreeCell(goalX, goalZ, freeX, freeZ)) {
            goalX = freeX;
            goalZ = freeZ;
        }
    }
    SetGoal(goalX, goalZ);
}

void AIController::WarmDestination() {
    float& destinationHeat = SectorHeat[destSectorX][destSectorZ];
    if (destinationHeat < kMaxDestinationHeat) destinationHeat += 1.0f;
    for (auto& row : SectorHeat) {
        for (float& heat : row) {
            if (heat > 0.0f) heat -= kHeatDecay;
        }
    }
}

void AIController::ChooseDestination() {
    ChooseStartCell();
    int widthX = RoundToInt(gameWorld->GetGridSizeX() / 4.0f);
    int widthZ = RoundToInt(gameWorld->GetGridSizeZ() / 4.0f);
    if (widthX < 1) widthX = 1;
    if (widthZ < 1) widthZ = 1;

    // An engaged driver keeps its destination.
    if (state == Search)
        ChooseSearchSector();
    else if (state == Flee)
        ChooseFleeSector(widthX, widthZ);
    // Negative sectors become 0; a goal in the extra cells of a grid that is no multiple of
    // four can give a sector past the last one, which counts as the last.
    destSectorX = SectorClamp(destSectorX);
    destSectorZ = SectorClamp(destSectorZ);

    ChooseGoalCell(widthX, widthZ);
    WarmDestination();
    hasDestination = true;
}

bool AIController::IsClosed(const PathList& list, int x, int z) const {
    for (const PathNode& n : list)
        if (n.x == x && n.z == z && n.closed) return true;
    return false;
}

const PathNode* AIController::FindOpen(const PathList& list, int x, int z) const {
    for (const PathNode& n : list)
        if (n.x == x && n.z == z && !n.closed) return &n;
    return nullptr;
}

void AIController::ExpandNeighbour(PathList& list, int x, int z, float parentG, int goalX,
                                   int goalZ) {
    if (IsClosed(list, x, z) || IsBlocked(x, z)) return;
    PathNode node;
    node.x = x;
    node.z = z;
    node.g = parentG + 1.0f;
    node.h = CellDistance(goalX - x, goalZ - z);
    node.parent = list.Last();
    if (const PathNode* old = FindOpen(list, x, z)) {
        // Only a strictly better node replaces the open one.
        if (node.F() < old->F()) {
            list.Erase(old);
            list.InsertSorted(node);
        }
        return;
    }
    list.InsertSorted(node);
}

void AIController::PathStep(PathList& output) {
    const int sizeX = gameWorld->GetGridSizeX();
    const int sizeZ = gameWorld->GetGridSizeZ();
    startCellX = Clamp(startCellX, 0, sizeX > 0 ? sizeX - 1 : 0);
    startCellZ = Clamp(startCellZ, 0, sizeZ > 0 ? sizeZ - 1 : 0);
    if (IsBlocked(startCellX, startCellZ)) {
        const int nudges[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& nudge : nudges) {
            if (!IsBlocked(startCellX + nudge[0], startCellZ + nudge[1])) {
                startCellX += nudge[0];
                startCellZ += nudge[1];
                break;
            }
        }
    }
    if (searchList.Empty()) {
        PathNode seed;
        seed.x = startCellX;
        seed.z = startCellZ;
        seed.h = CellDistance(goalCellX - startCellX, goalCellZ - startCellZ);
        searchList.InsertSorted(seed);
    }

    PathNode* head = searchList.Head();
    if (head->x == goalCellX && head->z == goalCellZ) {
        for (const PathNode* n = head; n != nullptr; n = n->parent) {
            PathNode waypoint;
            waypoint.x = n->x;
            waypoint.z = n->z;
            output.PushFront(waypoint);
        }
        searchList.Clear();
        hasDestination = false;
        return;
    }
    if (head->closed) {
        // No open node is left: every cell the start reaches has been expanded and the goal
        // is not among them. The search ends so that another destination is chosen.
        searchList.Clear();
        hasDestination = false;
        return;
    }

    const int x = head->x;
    const int z = head->z;
    const float g = head->g;
    searchList.Close(head);
    const float diagonal = g + kDiagonalExtra;
    const struct {
        int dx, dz;
        float cost;
    } neighbours[8] = {{1, 0, g},  {1, 1, diagonal},   {0, 1, g},  {-1, 1, diagonal},
                       {-1, 0, g}, {-1, -1, diagonal}, {0, -1, g}, {1, -1, diagonal}};
    for (const auto& n : neighbours) {
        const int nx = x + n.dx;
        const int nz = z + n.dz;
        if (nx < 0 || nx >= sizeX || nz < 0 || nz >= sizeZ) continue;
        ExpandNeighbour(searchList, nx, nz, n.cost, goalCellX, goalCellZ);
    }
}

void AIController::UpdateMovement(PathList& path) {
    bool arrived = false;
    if (state == Engage) {
        arrived = ChasePlayer(gameWorld->GetPlayerOne());
        chasing = true;
    } else {
        if (!path.Empty()) arrived = FollowWaypoint(path.Head());
        chasing = false;
    }
    if (arrived) {
        refreshCounter = 0;
        path.PopFront();
    }
}

bool AIController::FollowWaypoint(const PathNode* node) {
    // Deliberate: the cell's low corner, not its middle; the furniture's blocked cells keep
    // an extra cell on their high sides so that no corner lies on a face.
    const float tx = 4.0f * static_cast<float>(node->x);
    const float tz = 4.0f * static_cast<float>(node->z);
    const float ox = static_cast<float>(RoundToInt(vehicle->GetMatrixElement(12)));
    const float oz = static_cast<float>(RoundToInt(vehicle->GetMatrixElement(14)));
    SteerTo(tx, tz, ox, oz);
    return tx - kWaypointReach < ox && ox < tx + kWaypointReach && tz - kWaypointReach < oz &&
           oz < tz + kWaypointReach;
}
