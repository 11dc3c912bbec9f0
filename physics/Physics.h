#pragma once
// Movement and collision on the floor (x and z; y is up): control flags become a steer
// value and a speed, entities move along their heading with friction, pushes add to their
// velocity, wrecks drop, and touching pairs are linked and answered.
#include <cstdint>
#include <memory>

#include "app/Vector3.h"
#include "world/EntitySet.h"
#include "world/Message.h"

class GameEntity;
class Vehicle;

// The longest frame that motion is scaled by. A longer frame (the first after loading, a
// debugger pause) moves things as far as a frame of this length, so that no vehicle or shot
// is carried through a wall in one step.
inline constexpr float kMaxMotionFrameTime = 0.05f;

class Physics {
public:
    // The turn per frame is steer x this x 10 radians; not exactly a thirtieth.
    static constexpr float kTurnFactor = 0.033333f;

    // The frame time that motion uses: the timer's, cut to kMaxMotionFrameTime.
    static float FrameTime();

    // Steer and speed of `vehicle` from the turn and drive flags of its player's slots of the
    // whole key array `keys`.
    void ApplyControls(const std::uint8_t* keys, Vehicle* vehicle);
    // The same from six flags in one player's layout (a computer driver's, or released ones).
    void ApplyFlags(const std::uint8_t* flags, Vehicle* vehicle);
    // Turns a vehicle by its steer (other entities run at their maximum speed), then moves
    // the entity by its heading and velocity with friction.
    void Move(GameEntity* entity);
    void AddVelocity(GameEntity* entity, Vector3 delta);
    // One step of a wreck's drop; the caller keeps `fallSpeed` between frames.
    void ApplyGravity(GameEntity* entity, float& fallSpeed);

    // The touching pairs of `entity` and its neighbours are linked as each other's contact;
    // the first pair that needs an answer is answered when `respond` is set. Returns a
    // "COLLISION" message for an answered pair or a weapon meeting a level object, else an
    // empty one; never null.
    std::unique_ptr<Message> CheckCollisions(GameEntity* entity, EntitySet& neighbours,
                                             bool respond);
    // What kind of hit `e` and `o` make, if any; `index` gets the box of `o` that `e`'s
    // circle touched (or stays -1).
    enum class Hit { None, Ordinary, WeaponMeetsObject, WeaponPair };
    static Hit ClassifyHit(const GameEntity* e, const GameEntity* o, int& index);
    // Bounces the vehicle `e` off `o` (a vehicle or a level object); `boxIndex` is the box of
    // `o` that `e`'s circle touched, or -1.
    void RespondToCollision(GameEntity* e, GameEntity* o, int boxIndex);
    // Moves `moved` by its velocity's trial step, links it with what it would touch there
    // (without `other`), and moves it back.
    void TrialStep(GameEntity* moved, GameEntity* other, float dt);
    // The walls after box `answered` that `e`'s circle also touches, each answered in turn.
    void AnswerFurtherWalls(GameEntity* e, GameEntity* walls, int answered);
    // Puts `entity` back inside the room's walls by its collision radius; nothing while the
    // World has no room.
    static void KeepInsideRoom(GameEntity* entity);

    // The geometric tests, all on the floor.
    static bool CirclesOverlap(const GameEntity* a, const GameEntity* b);
    static bool CircleHitsRoundedRect(const float p[3], const float q[3], const Vector3& offset,
                                      float xMin, float xMax, float zMin, float zMax, float r);
    static bool CircleHitsBounds(const GameEntity* a, const GameEntity* b);
    static bool CircleHitsBoxes(const GameEntity* a, const GameEntity* b, int& boxIndex);
    static bool BoxCornersInBoxes(const GameEntity* a, const GameEntity* b);
    static bool BoxCornersInTransformedBoxes(const GameEntity* a, const GameEntity* b);
    static bool BoxSetsOverlap(const GameEntity* a, const GameEntity* b);
    static bool BoxCornersInSphere(const GameEntity* a, const GameEntity* b);

private:
    // The neighbours of a trial step's stepped place, kept from step to step; a pass without
    // answer never steps, so one set serves every trial step.
    EntitySet trialNeighbours;
};

extern Physics physics;
