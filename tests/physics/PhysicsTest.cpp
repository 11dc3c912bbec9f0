// Steering, movement, gravity, the collision pair table and the collision response, each
// at a fixed frame time.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <set>
#include <string>

#include "app/Constants.h"
#include "app/InputState.h"
#include "app/Matrix.h"
#include "physics/Physics.h"
#include "tests/game/GlobalsFixture.h"
#include "tests/physics/PhysicsFixtures.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace {

using physicstest::PlaceAt;
using physicstest::SetFrameTime;
using physicstest::Shape;

constexpr float kStep = 0.0045f;  // 0.45 x 0.01 s

class PhysicsTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        SetFrameTime(fake, 10);
        world.ClearLevel();
        world.gridSizeX = world.gridSizeZ = 0;
    }
    void TearDown() override {
        world.ClearLevel();
        GlobalsTest::TearDown();
    }
};

// ---- Steering and speed approach -------------------------------------------------------

struct ApproachCase {
    const char* name;
    bool steerNotSpeed;
    float start;
    // Player one's turn right, turn left, thrust, brake.
    bool keys[4];
    float expected;
};
void PrintTo(const ApproachCase& c, std::ostream* os) {
    *os << c.name;
}

class ApproachTest : public PhysicsTest, public ::testing::WithParamInterface<ApproachCase> {};

TEST_P(ApproachTest, MovesTowardTheTargetByTheRules) {
    const ApproachCase& c = GetParam();
    Vehicle v;
    v.turningRate = 0.5f;
    v.maxSpeed = 1.0f;
    (c.steerNotSpeed ? v.steer : v.speed) = c.start;
    std::uint8_t keys[InputState::kSlots] = {};
    for (int i = 0; i < 4; ++i) keys[P1Right + i] = c.keys[i];
    physics.ApplyControls(keys, &v);
    EXPECT_NEAR(c.steerNotSpeed ? v.steer : v.speed, c.expected, 1e-6f);
}

INSTANTIATE_TEST_SUITE_P(
    Physics, ApproachTest,
    ::testing::Values(
        ApproachCase{"steer_0_05_snaps_to_0", true, 0.05f, {}, 0.0f},
        ApproachCase{"steer_0_07_slows_then_steps", true, 0.07f, {}, 0.04f - kStep},
        ApproachCase{"steer_0_08_only_steps", true, 0.08f, {}, 0.08f - kStep},
        ApproachCase{"steer_minus_0_07_mirrors", true, -0.07f, {}, -0.04f + kStep},
        ApproachCase{"steer_0_2_steps_down", true, 0.2f, {}, 0.2f - kStep},
        ApproachCase{"turn_left_steps_up", true, 0.0f, {false, true}, kStep},
        ApproachCase{"turn_right_steps_down", true, 0.0f, {true, false}, -kStep},
        ApproachCase{"right_wins_over_left", true, 0.0f, {true, true}, -kStep},
        ApproachCase{"past_the_target_stays", true, 0.6f, {false, true}, 0.6f},
        ApproachCase{"thrust_steps_up", false, 0.0f, {false, false, true}, kStep},
        ApproachCase{"thrust_wins_over_brake", false, 0.0f, {false, false, true, true}, kStep},
        ApproachCase{"brake_steps_down", false, 0.0f, {false, false, false, true}, -kStep},
        ApproachCase{"speed_0_07_slows_then_steps", false, 0.07f, {}, 0.04f - kStep}));

TEST_F(PhysicsTest, ThrustFromRestEndsAtTheFirstSpeedNotBelowTheMaximum) {
    Vehicle v;
    v.maxSpeed = 1.0f;
    std::uint8_t keys[InputState::kSlots] = {};
    keys[P1Thrust] = 1;
    float previous = 0.0f;
    for (int frame = 0; frame < 400; ++frame) {
        physics.ApplyControls(keys, &v);
        if (previous < 1.0f) {
            EXPECT_NEAR(v.speed - previous, kStep, 1e-5f);
        }
        previous = v.speed;
    }
    EXPECT_GE(v.speed, 1.0f);
    EXPECT_LT(v.speed, 1.0f + kStep);
}

TEST_F(PhysicsTest, PlayerTwoReadsItsOwnSlotsAndAComputerReadsPlayerOnes) {
    std::uint8_t keys[InputState::kSlots] = {};
    keys[P1Left] = 1;   // player one's turn left
    keys[P2Right] = 1;  // player two's turn right
    Vehicle one;
    one.turningRate = 0.5f;
    Vehicle two;
    two.turningRate = 0.5f;
    two.SetPlayerNumber(2);
    physics.ApplyControls(keys, &one);
    physics.ApplyControls(keys, &two);
    EXPECT_NEAR(one.steer, kStep, 1e-6f);
    EXPECT_NEAR(two.steer, -kStep, 1e-6f);
}

// ---- Movement ----------------------------------------------------------------------------

TEST_F(PhysicsTest, HeadingGainIsTheSineOfTheMatrixElementsThenFriction) {
    Vehicle v;
    v.speed = 1.0f;
    physics.Move(&v);
    EXPECT_NEAR(v.velocity.z, std::sin(1.0f) * 0.8f, 1e-6f);
    EXPECT_EQ(v.velocity.x, 0.0f);
    EXPECT_NEAR(v.GetMatrixElement(14), 5.0f * 0.01f * std::sin(1.0f) * 0.8f, 1e-6f);

    // Along a diagonal each axis gains sin(sqrt(1/2)).
    Vehicle d;
    float scratch[16];
    Mat44Copy(d.GetModel()->matrix->m, scratch);
    Mat44RotateYAboutPosition(static_cast<float>(M_PI / 4.0), scratch, d.GetModel()->matrix->m);
    d.speed = 1.0f;
    physics.Move(&d);
    EXPECT_NEAR(std::fabs(d.velocity.x), std::sin(std::sqrt(0.5f)) * 0.8f, 1e-5f);
    EXPECT_NEAR(std::fabs(d.velocity.z), std::sin(std::sqrt(0.5f)) * 0.8f, 1e-5f);
}

TEST_F(PhysicsTest, FrictionCutsSmallVelocityToZero) {
    Vehicle v;
    v.velocity = Vector3(0.011f, 0.3f, 0.02f);
    physics.Move(&v);
    EXPECT_EQ(v.velocity.x, 0.0f);             // 0.0088 is below 0.01
    EXPECT_NEAR(v.velocity.z, 0.016f, 1e-6f);  // 0.016 stays
    EXPECT_FLOAT_EQ(v.velocity.y, 0.3f);       // y is never touched
}

TEST_F(PhysicsTest, AVehicleTurnsPerFrameAndAWeaponRunsAtItsMaximumSpeedWithoutTurning) {
    Vehicle v;
    v.steer = 0.3f;
    physics.Move(&v);
    const float angle = 0.3f * Physics::kTurnFactor * 10.0f;
    EXPECT_NEAR(v.GetMatrixElement(8), std::sin(angle), 1e-5f);

    Weapon w;
    w.steer = 0.3f;
    w.maxSpeed = 2.0f;
    physics.Move(&w);
    EXPECT_EQ(w.speed, 2.0f);
    EXPECT_EQ(w.GetMatrixElement(8), 0.0f);
    EXPECT_NEAR(w.velocity.z, std::sin(1.0f) * 2.0f * 0.8f, 1e-5f);
}

TEST_F(PhysicsTest, ALongFrameMovesNoFurtherThanTheClampedFrame) {
    Vehicle slow;
    slow.speed = 1.0f;
    Vehicle stalled;
    stalled.speed = 1.0f;
    SetFrameTime(fake, 50);
    physics.Move(&slow);
    SetFrameTime(fake, 3000);  // a frame after loading
    physics.Move(&stalled);
    EXPECT_FLOAT_EQ(stalled.GetMatrixElement(14), slow.GetMatrixElement(14));
    EXPECT_FLOAT_EQ(Physics::FrameTime(), kMaxMotionFrameTime);
}

// ---- Gravity -------------------------------------------------------------------------------

TEST_F(PhysicsTest, GravityAtTheFloorRefusesTheStepAndDropsATinyFallSpeed) {
    GameEntity e;
    float fallSpeed = 0.0f;
    SetFrameTime(fake, 10);  // 0.0009 per frame: below 0.001, dropped
    physics.ApplyGravity(&e, fallSpeed);
    EXPECT_EQ(fallSpeed, 0.0f);
    EXPECT_EQ(e.GetMatrixElement(13), 0.0f);
}

TEST_F(PhysicsTest, AWreckRisesSinksAndStaysAboveTheFloor) {
    GameEntity e;
    float fallSpeed = 1.03f;
    physics.ApplyGravity(&e, fallSpeed);
    EXPECT_NEAR(e.GetMatrixElement(13), 0.03f - 0.0009f, 1e-5f);
    float highest = 0.0f;
    for (int frame = 0; frame < 2000; ++frame) {
        physics.ApplyGravity(&e, fallSpeed);
        highest = std::max(highest, e.GetMatrixElement(13));
        ASSERT_GE(e.GetMatrixElement(13), 0.0f);
    }
    const float rest = e.GetMatrixElement(13);
    EXPECT_GT(highest, 0.3f);
    EXPECT_LT(rest, highest);
    physics.ApplyGravity(&e, fallSpeed);
    EXPECT_EQ(e.GetMatrixElement(13), rest);
}

// ---- The collision pair table ---------------------------------------------------------------

enum class Kind { Vehicle, Gremlin, Weapon, OwnWeapon, Object, CircleObject, BoxlessObject };

struct PairCase {
    const char* name;
    Kind e;
    Kind o;
    float ox;
    float oz;
    // Degrees about y applied to O.
    float oTurn;
    bool linked;
    bool collisionReported;
};
void PrintTo(const PairCase& c, std::ostream* os) {
    *os << c.name;
}

class PairTableTest : public PhysicsTest, public ::testing::WithParamInterface<PairCase> {
protected:
    std::unique_ptr<GameEntity> Make(Kind kind) {
        std::unique_ptr<GameEntity> e;
        switch (kind) {
            case Kind::Vehicle:
            case Kind::Gremlin: {
                auto v = std::make_unique<Vehicle>();
                v->SetName(kind == Kind::Gremlin ? "Vavedodev Gremlin" : "Davavod Tank");
                v->weight = 1.0f;
                Shape(*v, 1.0f, kind == Kind::Gremlin ? 0.2f : 0.5f);
                e = std::move(v);
                break;
            }
            case Kind::Weapon:
            case Kind::OwnWeapon: {
                auto w = std::make_unique<Weapon>();
                w->SetName("Machine Gun");
                w->SetOwner(kind == Kind::OwnWeapon ? &owner : &stranger);
                Shape(*w, 0.3f, 0.1f, false);
                e = std::move(w);
                break;
            }
            case Kind::Object:
            case Kind::CircleObject:
            case Kind::BoxlessObject:
                e = std::make_unique<GameEntity>("chair");
                Shape(*e, 1.0f, 1.0f, kind != Kind::BoxlessObject);
                e->circleCollision = kind == Kind::CircleObject;
                break;
        }
        return e;
    }
    Vehicle owner;
    Vehicle stranger;
};

TEST_P(PairTableTest, LinksAndReportsByKind) {
    const PairCase& c = GetParam();
    std::unique_ptr<GameEntity> e = Make(c.e);
    if (c.e == Kind::OwnWeapon) static_cast<Weapon*>(e.get())->SetOwner(nullptr);
    std::unique_ptr<GameEntity> o =
        c.o == Kind::Vehicle && c.e == Kind::OwnWeapon ? nullptr : Make(c.o);
    GameEntity* partner = o ? o.get() : &owner;
    if (!o) {
        // The weapon's own owner as the partner.
        Shape(owner, 1.0f, 0.5f);
        static_cast<Weapon*>(e.get())->SetOwner(&owner);
    }
    PlaceAt(*partner, c.ox, c.oz);
    if (c.oTurn != 0.0f) {
        float scratch[16];
        Mat44Copy(partner->GetModel()->matrix->m, scratch);
        Mat44RotateYAboutPosition(c.oTurn * static_cast<float>(M_PI) / 180.0f, scratch,
                                  partner->GetModel()->matrix->m);
    }
    EntitySet around = {partner};
    std::unique_ptr<Message> m = physics.CheckCollisions(e.get(), around, true);
    ASSERT_TRUE(m);
    EXPECT_EQ(e->GetContact() == partner, c.linked);
    EXPECT_EQ(partner->GetContact() == e.get(), c.linked);
    EXPECT_EQ(m->GetType() == MessageTypes::COLLISION, c.collisionReported);
}

INSTANTIATE_TEST_SUITE_P(
    Physics, PairTableTest,
    ::testing::Values(
        // Radius 1 each: 1.5 apart is beyond the sum of squares (2.25 > 2).
        PairCase{"vehicles_1_5_apart_miss", Kind::Vehicle, Kind::Vehicle, 1.5f, 0, 0, false, false},
        PairCase{"vehicles_0_9_apart_with_overlapping_boxes_answer", Kind::Vehicle, Kind::Vehicle,
                 0.9f, 0, 0, true, true},
        PairCase{"vehicles_1_4_apart_boxes_apart_miss", Kind::Vehicle, Kind::Vehicle, 1.4f, 0, 0,
                 false, false},
        // O turned 45 degrees reaches 0.707 along x: a's corner at 0.5 lies inside it.
        PairCase{"rotated_box_reaches_a_corner", Kind::Vehicle, Kind::Vehicle, 1.15f, 0, 45, true,
                 true},
        PairCase{"gremlin_collides_by_circles_alone", Kind::Gremlin, Kind::Vehicle, 1.3f, 0, 0,
                 true, true},
        PairCase{"weapon_spares_its_owner", Kind::OwnWeapon, Kind::Vehicle, 0.2f, 0, 0, false,
                 false},
        PairCase{"weapon_meets_an_enemy_linked_not_reported", Kind::Weapon, Kind::Vehicle, 0.5f, 0,
                 0, true, false},
        PairCase{"vehicle_meets_a_weapon_linked_not_reported", Kind::Vehicle, Kind::Weapon, 0.5f, 0,
                 0, true, false},
        PairCase{"weapon_meets_a_level_object_reported", Kind::Weapon, Kind::Object, 1.1f, 0, 0,
                 true, true},
        PairCase{"weapon_beside_a_level_object_misses", Kind::Weapon, Kind::Object, 1.5f, 0, 0,
                 false, false},
        PairCase{"vehicle_corner_in_a_level_object_box", Kind::Vehicle, Kind::Object, 1.4f, 0, 0,
                 true, true},
        PairCase{"vehicle_corner_in_a_boxless_object_bounds", Kind::Vehicle, Kind::BoxlessObject,
                 1.4f, 0, 0, true, true},
        PairCase{"vehicle_corner_in_a_round_object", Kind::Vehicle, Kind::CircleObject, 1.3f, 0.0f,
                 0, true, true},
        PairCase{"vehicle_corners_outside_a_round_object", Kind::Vehicle, Kind::CircleObject, 1.6f,
                 0.3f, 0, false, false}));

TEST_F(PhysicsTest, AWeaponPairClearsTheAnswerForTheRestOfThePass) {
    // An enemy weapon and a level object both touch the vehicle: whatever the set order, the
    // weapon pair is linked, and the object is answered only when it comes first.
    Vehicle owner;
    Vehicle v;
    v.weight = 1.0f;
    Shape(v, 1.0f, 0.5f);
    Weapon w;
    w.SetOwner(&owner);
    Shape(w, 0.3f, 0.1f, false);
    PlaceAt(w, 0.5f, 0.0f);
    GameEntity chair("chair");
    Shape(chair, 1.0f, 1.0f);
    PlaceAt(chair, -1.4f, 0.0f);
    EntitySet around = {&w, &chair};
    std::unique_ptr<Message> m = physics.CheckCollisions(&v, around, true);
    const bool weaponFirst = *around.begin() == &w;
    EXPECT_EQ(w.GetContact(), weaponFirst ? &v : nullptr);
    EXPECT_EQ(chair.GetContact(), &v);
    EXPECT_EQ(m->GetType() == MessageTypes::COLLISION, !weaponFirst);
}

// ---- The collision response ----------------------------------------------------------------

TEST_F(PhysicsTest, VehiclesAtRestArePushedApartByAFifthOfTheirDistance) {
    Vehicle e;
    Vehicle o;
    e.weight = o.weight = 1.0f;
    PlaceAt(e, 1.0f, 2.0f);
    PlaceAt(o, 2.0f, 2.5f);
    physics.RespondToCollision(&e, &o, -1);
    EXPECT_NEAR(e.GetMatrixElement(12), 1.0f - 0.2f, 1e-6f);
    EXPECT_NEAR(e.GetMatrixElement(14), 2.0f - 0.1f, 1e-6f);
    EXPECT_EQ(e.velocity.x, 0.0f);
    EXPECT_EQ(o.velocity.z, 0.0f);
}

TEST_F(PhysicsTest, HeadOnEqualWeightsExchangeAlongTheLineOfTravel) {
    Vehicle e;
    Vehicle o;
    e.weight = o.weight = 2.0f;
    Shape(e, 1.0f, 0.5f);
    Shape(o, 1.0f, 0.5f);
    PlaceAt(e, 0.0f, 0.0f);
    PlaceAt(o, 0.0f, 1.0f);
    e.speed = 0.5f;  // heading +z
    const float u = std::sin(1.0f) * 0.5f;
    physics.RespondToCollision(&e, &o, -1);
    EXPECT_NEAR(e.velocity.z, -6.2f * u, 1e-5f);
    EXPECT_NEAR(o.velocity.z, u, 1e-5f);
    EXPECT_NEAR(e.velocity.x, 0.0f, 1e-6f);
    // The trial steps leave both where they were.
    EXPECT_NEAR(e.GetMatrixElement(14), 0.0f, 1e-5f);
    EXPECT_NEAR(o.GetMatrixElement(14), 1.0f, 1e-5f);
}

struct WallCase {
    const char* name;
    int box;
    Vector3 velocity;
    Vector3 expected;
};
void PrintTo(const WallCase& c, std::ostream* os) {
    *os << c.name;
}

class WallPushTest : public PhysicsTest, public ::testing::WithParamInterface<WallCase> {};

TEST_P(WallPushTest, PushesOffTheWallAtOnceAndNothingAfter) {
    const WallCase& c = GetParam();
    GameEntity walls("Walls");
    walls.GetModel()->boxes = {Box(-1, 0, 0, 40), Box(0, 40, -1, 0), Box(0, 40, 40, 41),
                               Box(40, 41, 0, 40)};
    Vehicle e;
    e.weight = 1.0f;
    PlaceAt(e, 20.0f, 20.0f);
    e.velocity = c.velocity;
    physics.RespondToCollision(&e, &walls, c.box);
    EXPECT_NEAR(e.velocity.x, c.expected.x, 1e-6f);
    EXPECT_NEAR(e.velocity.z, c.expected.z, 1e-6f);
}

INSTANTIATE_TEST_SUITE_P(
    Physics, WallPushTest,
    ::testing::Values(WallCase{"low_x_wall", 0, Vector3(-0.2f, 0, 0), Vector3(0.4f, 0, 0)},
                      WallCase{"high_x_wall", 3, Vector3(0.2f, 0, 0), Vector3(-0.4f, 0, 0)},
                      WallCase{"low_z_wall", 1, Vector3(0, 0, -0.1f), Vector3(0, 0, 0.2f)},
                      WallCase{"high_z_wall", 2, Vector3(0.1f, 0, 0.1f), Vector3(0.1f, 0, -0.2f)},
                      WallCase{"at_rest_no_push_out", 0, Vector3(0, 0, 0), Vector3(0, 0, 0)}));

TEST_F(PhysicsTest, InACornerBothWallsPushTheVehicleBack) {
    GameEntity walls("Walls");
    walls.GetModel()->boxes = {Box(-1, 0, 0, 40), Box(0, 40, -1, 0), Box(0, 40, 40, 41),
                               Box(40, 41, 0, 40)};
    walls.GetModel()->boundsMax[0] = walls.GetModel()->boundsMax[2] = 40.0f;
    Vehicle e;
    e.weight = 1.0f;
    Shape(e, 1.0f, 1.0f);
    PlaceAt(e, 0.5f, 0.5f);  // touching the low-x and the low-z wall
    e.velocity = Vector3(-0.2f, 0.0f, -0.2f);
    EntitySet around = {&walls};
    EXPECT_EQ(physics.CheckCollisions(&e, around, true)->GetType(), MessageTypes::COLLISION);
    EXPECT_NEAR(e.velocity.x, 0.4f, 1e-6f);
    EXPECT_NEAR(e.velocity.z, 0.4f, 1e-6f);
}

TEST_F(PhysicsTest, AFlatSideHitStraightOnPushesAlongOneAxisOnly) {
    GameEntity table("table");
    Shape(table, 2.0f, 1.0f);
    PlaceAt(table, 5.0f, 5.0f);
    Vehicle e;
    e.weight = 1.0f;
    PlaceAt(e, 3.5f, 5.3f);  // beside the low-x face
    float scratch[16];
    Mat44Copy(e.GetModel()->matrix->m, scratch);
    Mat44RotateYAboutPosition(static_cast<float>(M_PI / 2.0), scratch, e.GetModel()->matrix->m);
    e.speed = 0.5f;  // heading +x
    physics.RespondToCollision(&e, &table, 0);
    EXPECT_LT(e.velocity.x, 0.0f);
    EXPECT_NEAR(e.velocity.z, 0.0f, 1e-6f);
    EXPECT_NEAR(table.velocity.z, 0.0f, 1e-6f);
}

// ---- Degenerate boxes ----------------------------------------------------------------------

struct DegenerateCase {
    const char* name;
    Box box;     // the partner's one box, at the origin, unrotated
    float x, z;  // where the probing corner stands (a point-sized box)
    bool inside;
};
void PrintTo(const DegenerateCase& c, std::ostream* os) {
    *os << c.name;
}

class DegenerateBoxTest : public PhysicsTest,
                          public ::testing::WithParamInterface<DegenerateCase> {};

TEST_P(DegenerateBoxTest, ABoxWithoutWidthOrDepthHoldsOnlyThePointsItCovers) {
    const DegenerateCase& c = GetParam();
    GameEntity partner("partner");
    partner.GetModel()->boxes = {c.box};
    PlaceAt(partner, 0.0f, 0.0f);
    GameEntity probe("probe");
    probe.GetModel()->boxes = {Box(0.0f, 0.0f, 0.0f, 0.0f)};
    PlaceAt(probe, c.x, c.z);
    EXPECT_EQ(Physics::BoxCornersInTransformedBoxes(&probe, &partner), c.inside);
}

INSTANTIATE_TEST_SUITE_P(
    Physics, DegenerateBoxTest,
    ::testing::Values(
        DegenerateCase{"zero_width_far_along_its_line", Box(0, 0, -1, 1), 0.0f, 50.0f, false},
        DegenerateCase{"zero_width_on_the_segment", Box(0, 0, -1, 1), 0.0f, 0.5f, true},
        DegenerateCase{"zero_depth_far_along_its_line", Box(-1, 1, 2, 2), -80.0f, 2.0f, false},
        DegenerateCase{"zero_depth_on_the_segment", Box(-1, 1, 2, 2), 1.0f, 2.0f, true},
        DegenerateCase{"a_point_elsewhere", Box(3, 3, 3, 3), 3.0f, 9.0f, false},
        DegenerateCase{"a_point_on_itself", Box(3, 3, 3, 3), 3.0f, 3.0f, true},
        DegenerateCase{"ordinary_box_still_holds_its_inside", Box(-1, 1, -1, 1), 0.5f, -0.5f,
                       true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
