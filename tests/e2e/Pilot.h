#pragma once
// One player's keys for one frame of a scripted run: hunt the nearest living opponent round
// the room's obstacles, drive at it from afar and fire once it is ahead and in sight.
#include <map>
#include <vector>

#include "tests/e2e/ScriptedGame.h"

class GameEntity;
class Vehicle;

namespace e2e {

class Pilot {
public:
    struct Keys {
        int left, right, thrust, brake, fire, special;
    };
    Pilot(int slot, Keys keys) : slot(slot), keys(keys) {}

    // Sets this frame's keys; with no vehicle or no opponent it lets go of them all.
    void Steer(ScriptedGame& game);

private:
    struct Point {
        float x, z;
    };
    Vehicle* NearestOpponent(const Vehicle& me) const;
    // Where the target will be when a shot fired now reaches it, from how far the target and
    // this vehicle's own shots moved in the last frame.
    Point Lead(const Vehicle& target, Point at);
    void WatchShots(const Vehicle& me);
    // Where to head for: the target itself in sight, else the farthest cell in sight on the
    // shortest way round the obstacles.
    static Point Waypoint(Point from, Point to, bool& inSight);
    static bool InSight(Point from, Point to);
    static bool Blocked(int cx, int cz);
    static std::vector<int> WayThroughCells(int fromX, int fromZ, int toX, int toZ);
    // True while it backs off an obstacle it has been pressed against.
    bool Unsticking(ScriptedGame& game, Point at, bool thrusting);
    void Turn(ScriptedGame& game, float error);

    int slot;
    Keys keys;
    float lastError = 0.0f;
    bool turning = false;
    int turnSign = 1;
    int wrongWay = 0;
    int frame = 0;
    Point lastCheck{0, 0};
    int thrustFrames = 0;
    int backingOff = 0;
    const Vehicle* lastTarget = nullptr;
    Point lastTargetAt{0, 0};
    Point targetStep{0, 0};
    // World units a frame; the first shots teach the real figure.
    float shotStep = 0.8f;
    std::map<const GameEntity*, Point> shotsAt;
};

}  // namespace e2e
