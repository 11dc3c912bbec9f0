#include "tests/e2e/Pilot.h"

#include <algorithm>
#include <cmath>
#include <queue>

#include "game/Application.h"
#include "world/EntityKinds.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace e2e {

namespace {

// Closer than this it stops driving at a target in sight and only turns and fires.
constexpr float kStandOff = 12.0f;
// Half a vehicle's width: a way is clear to drive only if both its edges are.
constexpr float kHalfWidth = 1.2f;
// Pressed this many frames in a window of kCheckFrames without moving kStuckDistance, it
// backs off for kBackOffFrames.
constexpr int kCheckFrames = 25;
constexpr int kPressedFrames = 20;
constexpr float kStuckDistance = 1.5f;
constexpr int kBackOffFrames = 30;

int CellOf(float coordinate) {
    return static_cast<int>(std::floor(coordinate / kCellSize));
}

float CentreOf(int cell) {
    return (static_cast<float>(cell) + 0.5f) * kCellSize;
}

}  // namespace

void Pilot::Steer(ScriptedGame& game) {
    for (int key : {keys.left, keys.right, keys.thrust, keys.brake, keys.fire, keys.special})
        game.Hold(key, false);
    ++frame;
    Vehicle* me = application.GetPlayer(slot);
    if (!me || me->GetHitPoints() <= 0) return;
    Vehicle* target = NearestOpponent(*me);
    if (!target) return;
    const Point at{me->GetMatrixElement(12), me->GetMatrixElement(14)};
    const Point goal{target->GetMatrixElement(12), target->GetMatrixElement(14)};
    WatchShots(*me);
    const Point ahead = Lead(*target, at);
    bool targetInSight = false;
    const Point next = Waypoint(at, goal, targetInSight);
    const float fx = me->GetMatrixElement(8);
    const float fz = me->GetMatrixElement(10);
    auto errorTo = [&](Point p) {
        const float dx = p.x - at.x;
        const float dz = p.z - at.z;
        return std::atan2(fx * dz - fz * dx, fx * dx + fz * dz);
    };
    // In sight it turns to where the target is going.
    const float error = errorTo(targetInSight ? ahead : next);
    const float distance = std::hypot(goal.x - at.x, goal.z - at.z);
    const bool thrust = std::fabs(error) < 0.5f && (!targetInSight || distance > kStandOff);
    if (Unsticking(game, at, thrust)) return;
    Turn(game, error);
    game.Hold(keys.thrust, thrust);
    // Low furniture does not stop every shot: it fires whenever it is aimed.
    const float aim = std::fabs(errorTo(ahead));
    game.Hold(keys.fire, aim < 0.2f);
    game.Hold(keys.special, aim < 0.1f && distance < 25.0f);
}

Vehicle* Pilot::NearestOpponent(const Vehicle& me) const {
    std::vector<Vehicle*> opponents;
    if (Vehicle* other = application.GetPlayer(1 - slot)) opponents.push_back(other);
    for (int enemy = 0; enemy < 5; ++enemy)
        if (Vehicle* v = application.GetEnemy(enemy)) opponents.push_back(v);
    Vehicle* nearest = nullptr;
    float best = 1e30f;
    for (Vehicle* other : opponents) {
        if (other->GetHitPoints() <= 0) continue;
        const float d = std::hypot(other->GetMatrixElement(12) - me.GetMatrixElement(12),
                                   other->GetMatrixElement(14) - me.GetMatrixElement(14));
        if (d < best) {
            best = d;
            nearest = other;
        }
    }
    return nearest;
}

void Pilot::WatchShots(const Vehicle& me) {
    std::map<const GameEntity*, Point> now;
    for (GameEntity* e : world.collisionList) {
        const Weapon* shot = AsWeapon(e);
        if (!shot || shot->GetOwner() != &me || shot->maxSpeed <= 0.0f) continue;
        const Point p{e->GetMatrixElement(12), e->GetMatrixElement(14)};
        const auto before = shotsAt.find(e);
        if (before != shotsAt.end()) {
            const float step = std::hypot(p.x - before->second.x, p.z - before->second.z);
            // A shot at full speed; a far jump is a new shot where an old one was.
            if (step > shotStep && step < 5.0f) shotStep = step;
        }
        now[e] = p;
    }
    shotsAt.swap(now);
}

Pilot::Point Pilot::Lead(const Vehicle& target, Point at) {
    const Point p{target.GetMatrixElement(12), target.GetMatrixElement(14)};
    if (lastTarget == &target)
        targetStep = {p.x - lastTargetAt.x, p.z - lastTargetAt.z};
    else
        targetStep = {0, 0};
    lastTarget = &target;
    lastTargetAt = p;
    // Twice round settles the flight time closely enough.
    Point aim = p;
    for (int i = 0; i < 2; ++i) {
        const float frames = std::hypot(aim.x - at.x, aim.z - at.z) / shotStep;
        aim = {p.x + targetStep.x * frames, p.z + targetStep.z * frames};
    }
    return aim;
}

bool Pilot::Blocked(int cx, int cz) {
    if (cx < 0 || cz < 0 || cx >= world.GetGridSizeX() || cz >= world.GetGridSizeZ()) return true;
    return world.blocked[cx][cz] != 0;
}

bool Pilot::InSight(Point from, Point to) {
    const float length = std::hypot(to.x - from.x, to.z - from.z);
    const int steps = static_cast<int>(length / 0.5f) + 1;
    const int startX = CellOf(from.x), startZ = CellOf(from.z);
    const int endX = CellOf(to.x), endZ = CellOf(to.z);
    for (int i = 0; i <= steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        const int cx = CellOf(from.x + (to.x - from.x) * t);
        const int cz = CellOf(from.z + (to.z - from.z) * t);
        // Its own cell and the target's never hide it.
        if ((cx == startX && cz == startZ) || (cx == endX && cz == endZ)) continue;
        if (Blocked(cx, cz)) return false;
    }
    return true;
}

std::vector<int> Pilot::WayThroughCells(int fromX, int fromZ, int toX, int toZ) {
    const int sizeX = world.GetGridSizeX();
    const int sizeZ = world.GetGridSizeZ();
    if (fromX < 0 || fromZ < 0 || fromX >= sizeX || fromZ >= sizeZ) return {};
    std::vector<int> cameFrom(static_cast<std::size_t>(sizeX * sizeZ), -1);
    const int start = fromX * sizeZ + fromZ;
    const int goal = toX * sizeZ + toZ;
    std::queue<int> open;
    open.push(start);
    cameFrom[static_cast<std::size_t>(start)] = start;
    while (!open.empty() && cameFrom[static_cast<std::size_t>(goal)] < 0) {
        const int cell = open.front();
        open.pop();
        const int cx = cell / sizeZ, cz = cell % sizeZ;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dz = -1; dz <= 1; ++dz) {
                const int nx = cx + dx, nz = cz + dz;
                if ((dx == 0 && dz == 0) || nx < 0 || nz < 0 || nx >= sizeX || nz >= sizeZ)
                    continue;
                const int next = nx * sizeZ + nz;
                // The target's cell is entered even when the level marks it; corners are not cut.
                if (next != goal && Blocked(nx, nz)) continue;
                if (dx != 0 && dz != 0 && (Blocked(cx + dx, cz) || Blocked(cx, cz + dz))) continue;
                if (cameFrom[static_cast<std::size_t>(next)] >= 0) continue;
                cameFrom[static_cast<std::size_t>(next)] = cell;
                open.push(next);
            }
    }
    if (goal < 0 || goal >= sizeX * sizeZ || cameFrom[static_cast<std::size_t>(goal)] < 0)
        return {};
    std::vector<int> way;
    for (int cell = goal; cell != start; cell = cameFrom[static_cast<std::size_t>(cell)])
        way.push_back(cell);
    std::reverse(way.begin(), way.end());
    return way;
}

Pilot::Point Pilot::Waypoint(Point from, Point to, bool& inSight) {
    auto clear = [](Point a, Point b) {
        const float dx = b.x - a.x, dz = b.z - a.z;
        const float length = std::hypot(dx, dz);
        if (length < 1e-3f) return true;
        const float ox = -dz / length * kHalfWidth, oz = dx / length * kHalfWidth;
        return InSight({a.x + ox, a.z + oz}, {b.x + ox, b.z + oz}) &&
               InSight({a.x - ox, a.z - oz}, {b.x - ox, b.z - oz});
    };
    inSight = clear(from, to);
    if (inSight) return to;
    const int sizeZ = world.GetGridSizeZ();
    const std::vector<int> way =
        WayThroughCells(CellOf(from.x), CellOf(from.z), CellOf(to.x), CellOf(to.z));
    if (way.empty() || sizeZ <= 0) return to;
    Point best{CentreOf(way.front() / sizeZ), CentreOf(way.front() % sizeZ)};
    for (int cell : way) {
        const Point centre{CentreOf(cell / sizeZ), CentreOf(cell % sizeZ)};
        if (!clear(from, centre)) break;
        best = centre;
    }
    return best;
}

bool Pilot::Unsticking(ScriptedGame& game, Point at, bool thrusting) {
    if (backingOff > 0) {
        --backingOff;
        game.Hold(keys.brake, true);
        game.Hold(keys.right, true);
        return true;
    }
    if (thrusting) ++thrustFrames;
    if (frame % kCheckFrames != 0) return false;
    const bool stuck = thrustFrames >= kPressedFrames &&
                       std::hypot(at.x - lastCheck.x, at.z - lastCheck.z) < kStuckDistance;
    lastCheck = at;
    thrustFrames = 0;
    if (!stuck) return false;
    backingOff = kBackOffFrames;
    return true;
}

void Pilot::Turn(ScriptedGame& game, float error) {
    // Which key turns which way is learnt as it goes: a turn that keeps widening the error
    // for long is the wrong one.
    if (turning && std::fabs(error) > std::fabs(lastError) + 0.01f) {
        if (++wrongWay > 10) {
            turnSign = -turnSign;
            wrongWay = 0;
        }
    } else {
        wrongWay = 0;
    }
    lastError = error;
    turning = std::fabs(error) > 0.08f;
    if (turning) game.Hold(error * static_cast<float>(turnSign) > 0 ? keys.right : keys.left, true);
}

}  // namespace e2e
