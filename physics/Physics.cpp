#include "physics/Physics.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/Constants.h"
#include "app/ControlKeys.h"
#include "app/FrameTimer.h"
#include "app/Matrix.h"
#include "world/EntityKinds.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace {

// Steering and speed approach their targets by this much per second.
constexpr float kControlRate = 0.45f;
// Without a target, a value this close to 0 snaps to it, and one below kSlowBand first
// loses kSlowStep.
constexpr float kSnapBand = 0.05f;
constexpr float kSlowBand = 0.08f;
constexpr float kSlowStep = 0.03f;

constexpr float kFriction = 0.8f;
constexpr float kStopVelocity = 0.01f;
constexpr float kMoveScale = 5.0f;

constexpr float kMass = 1.0f;
constexpr float kGravity = -1.0f;
constexpr float kDrag = 0.0f;
constexpr float kGravityRate = 0.09f;
constexpr float kStillFallSpeed = 0.001f;

constexpr float kRestitution = 0.6f;
constexpr float kNormalLength = 3.0f;
constexpr float kLevelObjectWeight = 70.0f;
constexpr float kPushOutShare = 0.2f;
constexpr float kWallPush = 3.0f;
constexpr float kTrialStep = 5.0f;

// The arena walls' boxes, in the order level building makes them.
constexpr int kWallLowX = 0;
constexpr int kWallLowZ = 1;
constexpr int kWallHighZ = 2;
constexpr int kWallHighX = 3;

const char* const kCircleOnlyVehicle = "Vavedodev Gremlin";
const char* const kWallsName = "Walls";

float Approach(float s, float target, float step) {
    if (target > 0.0f && s < target) {
        s += step;
    } else if (target < 0.0f && s > target) {
        s -= step;
    } else if (target == 0.0f && s != 0.0f) {
        if (std::fabs(s) <= kSnapBand) {
            s = 0.0f;
        } else if (std::fabs(s) < kSlowBand) {
            s += s > 0.0f ? -kSlowStep : kSlowStep;
        }
        if (s < 0.0f)
            s += step;
        else if (s > 0.0f)
            s -= step;
    }
    return s;
}

const float* Matrix(const GameEntity* e) {
    static const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    return e->GetModel()->matrix ? e->GetModel()->matrix->m : kIdentity;
}

void Position(const GameEntity* e, float out[3]) {
    const float* m = Matrix(e);
    out[0] = m[12];
    out[1] = m[13];
    out[2] = m[14];
}

bool Inside(float x, float z, float xMin, float xMax, float zMin, float zMax) {
    return xMin <= x && x <= xMax && zMin <= z && z <= zMax;
}

// The four floor corners of `box` through the whole transform of `m`.
void Corners(const float* m, const Box& box, float out[4][3]) {
    float m34[12];
    GLToMat34(m34, m);
    const float local[4][3] = {{box.xMin, 0.0f, box.zMin},
                               {box.xMin, 0.0f, box.zMax},
                               {box.xMax, 0.0f, box.zMax},
                               {box.xMax, 0.0f, box.zMin}};
    for (int i = 0; i < 4; ++i) Mat34TransformPoint(m34, local[i], out[i]);
}

// Inside the convex quadrilateral of four corners in order; on an edge counts as inside.
// A box of zero width or depth is a segment or a point: the side tests alone would take
// every point on its line, however far, so the point must also lie within its extent.
bool InQuad(const float p[3], const float q[4][3]) {
    const auto [xLow, xHigh] = std::minmax({q[0][0], q[1][0], q[2][0], q[3][0]});
    const auto [zLow, zHigh] = std::minmax({q[0][2], q[1][2], q[2][2], q[3][2]});
    if (p[0] < xLow || p[0] > xHigh || p[2] < zLow || p[2] > zHigh) return false;
    bool anyPositive = false;
    bool anyNegative = false;
    for (int i = 0; i < 4; ++i) {
        const float* a = q[i];
        const float* b = q[(i + 1) % 4];
        const float cross = (b[0] - a[0]) * (p[2] - a[2]) - (b[2] - a[2]) * (p[0] - a[0]);
        if (cross > 0.0f) anyPositive = true;
        if (cross < 0.0f) anyNegative = true;
    }
    return !(anyPositive && anyNegative);
}

// Made only for a pair that ends the pass: most hits (weapon pairs) report nothing.
std::unique_ptr<Message> Collision() {
    return std::make_unique<Message>(MessageTypes::COLLISION, std::map<std::string, std::string>());
}

GameEntity* OwnerOf(const GameEntity* e) {
    const Weapon* weapon = AsWeapon(e);
    return weapon ? weapon->GetOwner() : nullptr;
}

}  // namespace

float Physics::FrameTime() {
    const float dt = frameTimer.GetDeltaTime();
    return std::min(dt, kMaxMotionFrameTime);
}

void Physics::ApplyControls(const std::uint8_t* keys, Vehicle* vehicle) {
    if (!keys || !vehicle) return;
    ApplyFlags(keys + ControlKeys::FirstSlot(vehicle->GetPlayerNumber()), vehicle);
}

void Physics::ApplyFlags(const std::uint8_t* flags, Vehicle* vehicle) {
    if (!flags || !vehicle) return;
    const bool right = flags[ControlKeys::TurnRight] != 0;
    const bool left = flags[ControlKeys::TurnLeft] != 0;
    const bool thrust = flags[ControlKeys::Thrust] != 0;
    const bool brake = flags[ControlKeys::Brake] != 0;
    const float steerTarget = right ? -vehicle->turningRate : (left ? vehicle->turningRate : 0.0f);
    const float speedTarget = thrust ? vehicle->maxSpeed : (brake ? -vehicle->maxSpeed : 0.0f);
    const float step = kControlRate * FrameTime();
    vehicle->steer = Approach(vehicle->steer, steerTarget, step);
    vehicle->speed = Approach(vehicle->speed, speedTarget, step);
}

void Physics::Move(GameEntity* entity) {
    if (!entity) return;
    const float dt = FrameTime();
    MeshTree* model = entity->GetModel();
    if (!model->matrix) model->ResetMatrix();
    float* m = model->matrix->m;
    if (AsVehicle(entity)) {
        float scratch[16];
        Mat44Copy(m, scratch);
        Mat44RotateYAboutPosition(entity->steer * kTurnFactor * 10.0f, scratch, m);
    } else {
        entity->speed = entity->maxSpeed;
    }
    Vector3& v = entity->velocity;
    v.x += std::sin(m[8]) * entity->speed;
    v.z += std::sin(m[10]) * entity->speed;
    v.x *= kFriction;
    v.z *= kFriction;
    if (std::fabs(v.x) < kStopVelocity) v.x = 0.0f;
    if (std::fabs(v.z) < kStopVelocity) v.z = 0.0f;
    Mat44Translate(dt * v.x * kMoveScale, 0.0f, dt * v.z * kMoveScale, m);
    // However it was pushed (a wedge between a wall and furniture or another vehicle, a push
    // larger than the wall is thick), a vehicle never leaves the room; a shot faster than the
    // wall is thick stops against it and meets it in the next collision pass.
    KeepInsideRoom(entity);
}

void Physics::AnswerFurtherWalls(GameEntity* e, GameEntity* walls, int answered) {
    const std::vector<Box>& boxes = walls->GetModel()->boxes;
    float p[3];
    float q[3];
    Position(e, p);
    Position(walls, q);
    const MeshTree* model = e->GetModel();
    for (int i = answered + 1; i < static_cast<int>(boxes.size()); ++i) {
        const Box& box = boxes[static_cast<std::size_t>(i)];
        if (CircleHitsRoundedRect(p, q, model->centreOffset, box.xMin, box.xMax, box.zMin, box.zMax,
                                  model->radius))
            RespondToCollision(e, walls, i);
    }
}

void Physics::KeepInsideRoom(GameEntity* entity) {
    const int sizeX = world.GetGridSizeX();
    const int sizeZ = world.GetGridSizeZ();
    if (sizeX <= 0 || sizeZ <= 0 || !entity->GetModel()->matrix) return;
    float* m = entity->GetModel()->matrix->m;
    const float r = std::max(entity->GetModel()->radius, 0.0f);
    auto keep = [r](float& v, float extent) {
        // A room narrower than the vehicle keeps it in the middle.
        const float low = std::min(r, extent / 2.0f);
        const float high = std::max(extent - r, extent / 2.0f);
        if (!(v >= low)) v = low;  // a position that is not a number comes back too
        if (v > high) v = high;
    };
    keep(m[12], static_cast<float>(sizeX) * kCellSize);
    keep(m[14], static_cast<float>(sizeZ) * kCellSize);
}

void Physics::AddVelocity(GameEntity* entity, Vector3 delta) {
    if (!entity) return;
    entity->velocity.x += delta.x;
    entity->velocity.y += delta.y;
    entity->velocity.z += delta.z;
}

void Physics::ApplyGravity(GameEntity* entity, float& fallSpeed) {
    if (!entity) return;
    const float step = FrameTime() * kGravityRate;
    const float force = kMass * kGravity - kDrag * fallSpeed;
    const float acceleration = force / kMass;
    fallSpeed += step * acceleration;
    if (std::fabs(fallSpeed) < kStillFallSpeed) fallSpeed = 0.0f;
    const float dy = acceleration + fallSpeed;
    if (entity->GetMatrixElement(13) + dy < 0.0f) return;
    entity->Translate(0.0f, dy, 0.0f);
}

Physics::Hit Physics::ClassifyHit(const GameEntity* e, const GameEntity* o, int& index) {
    const bool eVehicle = e->GetKind() == EntityKind::Vehicle;
    const bool eWeapon = e->GetKind() == EntityKind::Weapon;
    if (o->GetKind() == EntityKind::LevelObject) {
        if (o->circleCollision) {
            if (eVehicle)
                return CircleHitsBounds(e, o) && BoxCornersInSphere(e, o) ? Hit::Ordinary
                                                                          : Hit::None;
            if (eWeapon)
                return CircleHitsBounds(e, o) && CirclesOverlap(e, o) ? Hit::WeaponMeetsObject
                                                                      : Hit::None;
            return Hit::None;
        }
        if (eVehicle)
            return CircleHitsBounds(e, o) && CircleHitsBoxes(e, o, index) && BoxCornersInBoxes(e, o)
                       ? Hit::Ordinary
                       : Hit::None;
        if (eWeapon)
            return CircleHitsBounds(e, o) && CircleHitsBoxes(e, o, index) ? Hit::WeaponMeetsObject
                                                                          : Hit::None;
        return Hit::None;
    }
    const bool oWeapon = o->GetKind() == EntityKind::Weapon;
    if (eVehicle && o->GetKind() == EntityKind::Vehicle) {
        // Deliberate: one vehicle kind collides by circles alone, against any vehicle.
        const bool circlesOnly =
            e->GetName() == kCircleOnlyVehicle || o->GetName() == kCircleOnlyVehicle;
        return CirclesOverlap(e, o) && (circlesOnly || BoxSetsOverlap(e, o)) ? Hit::Ordinary
                                                                             : Hit::None;
    }
    if (eWeapon || oWeapon) {
        // A weapon never hits its own owner, nor its owner it.
        const bool strikes = (eWeapon && OwnerOf(e) != o) || (oWeapon && OwnerOf(o) != e);
        return CirclesOverlap(e, o) && strikes ? Hit::WeaponPair : Hit::None;
    }
    return Hit::None;
}

std::unique_ptr<Message> Physics::CheckCollisions(GameEntity* e, EntitySet& neighbours,
                                                  bool respond) {
    if (!e) return std::make_unique<Message>();
    bool answer = respond;
    for (GameEntity* o : neighbours) {
        if (!o || o == e) continue;
        int index = -1;
        const Hit hit = ClassifyHit(e, o, index);
        if (hit == Hit::None) continue;
        // A weapon in the pass leaves the rest of it unanswered.
        if (hit != Hit::Ordinary) answer = false;

        e->SetContact(o);
        o->SetContact(e);
        if (answer) {
            RespondToCollision(e, o, index);
            // Beside a corner a vehicle touches two walls: each one holds it.
            if (o->GetName() == kWallsName) AnswerFurtherWalls(e, o, index);
            return Collision();
        }
        if (hit == Hit::WeaponMeetsObject) return Collision();
    }
    return std::make_unique<Message>();
}

namespace {

// The velocity that an entity's heading and speed give, as Move builds it.
Vector3 HeadingVelocity(const GameEntity* e) {
    const float* m = Matrix(e);
    return Vector3(std::sin(m[8]) * e->speed, 0.0f, std::sin(m[10]) * e->speed);
}

struct Rect {
    float xMin, xMax, zMin, zMax;
};

// The partner's rectangle on the floor: the touched box, or its bounds without one. With a
// box, `centre` moves to the box's middle.
Rect PartnerRect(const GameEntity* o, int boxIndex, float centre[3]) {
    const MeshTree* partner = o->GetModel();
    if (boxIndex >= 0 && boxIndex < static_cast<int>(partner->boxes.size())) {
        const Box& box = partner->boxes[static_cast<std::size_t>(boxIndex)];
        const Rect r{box.xMin + centre[0], box.xMax + centre[0], box.zMin + centre[2],
                     box.zMax + centre[2]};
        centre[0] += (box.xMin + box.xMax) / 2.0f;
        centre[2] += (box.zMin + box.zMax) / 2.0f;
        return r;
    }
    return Rect{partner->boundsMin[0] + centre[0], partner->boundsMax[0] + centre[0],
                partner->boundsMin[2] + centre[2], partner->boundsMax[2] + centre[2]};
}

// The push direction from `p1` toward a rectangle partner: beside a face, only the axis
// across that face (first match wins); beside a corner, both. Scaled to the normal length.
Vector3 FaceNormal(Vector3 n, const float p1[3], const Rect& r, bool circle) {
    if (!circle) {
        const bool besideX = r.xMin < p1[0] && p1[0] < r.xMax;
        const bool besideZ = r.zMin < p1[2] && p1[2] < r.zMax;
        if (besideX && p1[2] < r.zMin)
            n.x = 0.0f;
        else if (p1[0] < r.xMin && besideZ)
            n.z = 0.0f;
        else if (p1[0] > r.xMax && besideZ)
            n.z = 0.0f;
        else if (besideX && p1[2] > r.zMax)
            n.x = 0.0f;
    }
    const float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (length > 0.0f) n = n * (kNormalLength / length);
    return n;
}

// The impulse along `n` between weights `massE` and `massO`, computed in this order.
Vector3 Impulse(const Vector3& n, const Vector3& relative, float massE, float massO) {
    const float along = n.x * relative.x + n.y * relative.y + n.z * relative.z;
    Vector3 j = n * (-(1.0f + kRestitution) * massE * massO);
    j = j * along;
    j = j / (massE + massO);
    if (n.x * j.x > 0.0f && n.z * j.z > 0.0f) {
        j.x = -j.x;
        j.z = -j.z;
    }
    return j;
}

// The push off wall `boxIndex`: away from it, three times the velocity into it.
Vector3 WallPush(const GameEntity* e, int boxIndex) {
    Vector3 push;
    push.x = push.z = 0.0f;
    if (boxIndex == kWallLowX) push.x = std::fabs(kWallPush * e->velocity.x);
    if (boxIndex == kWallHighX) push.x = -std::fabs(kWallPush * e->velocity.x);
    if (boxIndex == kWallLowZ) push.z = std::fabs(kWallPush * e->velocity.z);
    if (boxIndex == kWallHighZ) push.z = -std::fabs(kWallPush * e->velocity.z);
    return push;
}

}  // namespace

void Physics::TrialStep(GameEntity* moved, GameEntity* other, float dt) {
    // Renews the contact links of where the vehicle is heading; a pass without answer
    // reports nothing that could stop it.
    const float sx = moved->velocity.x * dt * kTrialStep;
    const float sz = moved->velocity.z * dt * kTrialStep;
    moved->Translate(sx, 0.0f, sz);
    world.GetNearbyEntities(moved, trialNeighbours);
    trialNeighbours.erase(other);
    CheckCollisions(moved, trialNeighbours, false);
    moved->Translate(-sx, 0.0f, -sz);
}

void Physics::RespondToCollision(GameEntity* e, GameEntity* o, int boxIndex) {
    if (!e || !o) return;
    Vector3 vE = HeadingVelocity(e);
    Vector3 vO = HeadingVelocity(o);

    float p1[3];
    float p2[3];
    Position(e, p1);
    Position(o, p2);
    const Rect rect = PartnerRect(o, boxIndex, p2);
    const Vector3 normal(p2[0] - p1[0], 0.0f, p2[2] - p1[2]);
    const Vector3 n = FaceNormal(normal, p1, rect, o->circleCollision);

    const float massE = e->weight;
    const float massO = IsLevelObject(o) ? kLevelObjectWeight : o->weight;
    const Vector3 j = Impulse(n, vE - vO, massE, massO);
    vE = vE + j / massE;
    // Deliberate: the partner's new velocity is taken from the first entity's new velocity,
    // not from its own; the game's bounces are tuned to it.
    vO = vE - j / massO;

    const bool walls = o->GetName() == kWallsName;
    if (vE.x == 0.0f && vE.z == 0.0f && vO.x == 0.0f && vO.z == 0.0f && !walls) {
        e->Translate(-kPushOutShare * normal.x, 0.0f, -kPushOutShare * normal.z);
        return;
    }

    const float dt = FrameTime();
    if (walls) {
        vE = WallPush(e, boxIndex);
        AddVelocity(e, vE);
    }
    TrialStep(e, o, dt);
    if (AsVehicle(o)) TrialStep(o, e, dt);
    if (!walls) AddVelocity(e, vE);
    AddVelocity(o, vO);
}

bool Physics::CirclesOverlap(const GameEntity* a, const GameEntity* b) {
    const float* ma = Matrix(a);
    const float* mb = Matrix(b);
    const float dx = ma[12] - mb[12];
    const float dz = ma[14] - mb[14];
    const float ra = a->GetModel()->radius;
    const float rb = b->GetModel()->radius;
    // Deliberate: the sum of the squared radii, not the squared sum; equal circles touch only
    // within r x 1.41 of each other, which the game's spacing is tuned to.
    return dx * dx + dz * dz <= ra * ra + rb * rb;
}

bool Physics::CircleHitsRoundedRect(const float p[3], const float q[3], const Vector3& offset,
                                    float xMin, float xMax, float zMin, float zMax, float r) {
    const float cx = p[0] + offset.x;
    const float cz = p[2] + offset.z;
    const float x0 = q[0] + xMin;
    const float x1 = q[0] + xMax;
    const float z0 = q[2] + zMin;
    const float z1 = q[2] + zMax;
    if (z0 <= cz && cz <= z1 && x0 - r <= cx && cx <= x1 + r) return true;
    if (x0 <= cx && cx <= x1 && z0 - r <= cz && cz <= z1 + r) return true;
    const float corners[4][2] = {{x0, z0}, {x0, z1}, {x1, z0}, {x1, z1}};
    for (const auto& corner : corners) {
        const float dx = cx - corner[0];
        const float dz = cz - corner[1];
        if (dx * dx + dz * dz <= r * r) return true;
    }
    return false;
}

bool Physics::CircleHitsBounds(const GameEntity* a, const GameEntity* b) {
    float p[3];
    float q[3];
    Position(a, p);
    Position(b, q);
    const MeshTree* mb = b->GetModel();
    return CircleHitsRoundedRect(p, q, a->GetModel()->centreOffset, mb->boundsMin[0],
                                 mb->boundsMax[0], mb->boundsMin[2], mb->boundsMax[2],
                                 a->GetModel()->radius);
}

bool Physics::CircleHitsBoxes(const GameEntity* a, const GameEntity* b, int& boxIndex) {
    const std::vector<Box>& boxes = b->GetModel()->boxes;
    if (boxes.empty()) return true;
    float p[3];
    float q[3];
    Position(a, p);
    Position(b, q);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Box& box = boxes[i];
        if (CircleHitsRoundedRect(p, q, a->GetModel()->centreOffset, box.xMin, box.xMax, box.zMin,
                                  box.zMax, a->GetModel()->radius)) {
            boxIndex = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

bool Physics::BoxCornersInBoxes(const GameEntity* a, const GameEntity* b) {
    const MeshTree* ma = a->GetModel();
    const MeshTree* mb = b->GetModel();
    float q[3];
    Position(b, q);
    for (const Box& box : ma->boxes) {
        float corners[4][3];
        Corners(Matrix(a), box, corners);
        for (const auto& c : corners) {
            if (mb->boxes.empty()) {
                if (Inside(c[0], c[2], mb->boundsMin[0] + q[0], mb->boundsMax[0] + q[0],
                           mb->boundsMin[2] + q[2], mb->boundsMax[2] + q[2]))
                    return true;
                continue;
            }
            for (const Box& other : mb->boxes)
                if (Inside(c[0], c[2], other.xMin + q[0], other.xMax + q[0], other.zMin + q[2],
                           other.zMax + q[2]))
                    return true;
        }
    }
    return false;
}

bool Physics::BoxCornersInTransformedBoxes(const GameEntity* a, const GameEntity* b) {
    const MeshTree* ma = a->GetModel();
    const MeshTree* mb = b->GetModel();
    if (ma->boxes.empty() || mb->boxes.empty()) return false;
    for (const Box& box : ma->boxes) {
        float corners[4][3];
        Corners(Matrix(a), box, corners);
        for (const Box& other : mb->boxes) {
            float quad[4][3];
            Corners(Matrix(b), other, quad);
            for (const auto& c : corners)
                if (InQuad(c, quad)) return true;
        }
    }
    return false;
}

bool Physics::BoxSetsOverlap(const GameEntity* a, const GameEntity* b) {
    return BoxCornersInTransformedBoxes(a, b) || BoxCornersInTransformedBoxes(b, a);
}

bool Physics::BoxCornersInSphere(const GameEntity* a, const GameEntity* b) {
    const MeshTree* mb = b->GetModel();
    float centre[3];
    Position(b, centre);
    centre[0] += mb->centreOffset.x;
    centre[1] += mb->centreOffset.y;
    centre[2] += mb->centreOffset.z;
    const float r2 = mb->radius * mb->radius;
    for (const Box& box : a->GetModel()->boxes) {
        float corners[4][3];
        Corners(Matrix(a), box, corners);
        for (const auto& c : corners) {
            const float dx = c[0] - centre[0];
            const float dy = c[1] - centre[1];
            const float dz = c[2] - centre[2];
            if (dx * dx + dy * dy + dz * dz <= r2) return true;
        }
    }
    return false;
}
