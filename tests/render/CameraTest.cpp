// The frames the five view builders hand to the view, from a followed transform, and the eye
// kept inside the room's walls.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "app/Matrix.h"
#include "render/Camera.h"

namespace {

struct Point {
    float x, y, z;
};

void PlaceAt(float m[16], float x, float y, float z) {
    Mat44 identity;
    Mat44Copy(identity.m, m);
    m[12] = x;
    m[13] = y;
    m[14] = z;
}

Point Eye(const float f[16]) {
    return {f[12], f[13], f[14]};
}
Point Centre(const float f[16]) {
    return {f[12] + f[8], f[13] + f[9], f[14] + f[10]};
}
Point Up(const float f[16]) {
    return {f[4], f[5], f[6]};
}

void ExpectNear(Point actual, Point expected, const char* what) {
    EXPECT_NEAR(actual.x, expected.x, 1e-4) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-4) << what;
    EXPECT_NEAR(actual.z, expected.z, 1e-4) << what;
}

struct ViewCase {
    const char* name;
    void (*build)(const float* vehicle, float frame[16]);
    Point eye;
    Point centre;
    Point up;
};
void PrintTo(const ViewCase& c, std::ostream* out) {
    *out << c.name;
}

class CameraViewTest : public ::testing::TestWithParam<ViewCase> {};

// A vehicle at (20, 0, 20) facing +z with the game's arguments.
TEST_P(CameraViewTest, EyeCentreAndUpOfTheGamesViews) {
    float vehicle[16];
    PlaceAt(vehicle, 20.0f, 0.0f, 20.0f);
    float frame[16];
    GetParam().build(vehicle, frame);
    ExpectNear(Eye(frame), GetParam().eye, "eye");
    ExpectNear(Centre(frame), GetParam().centre, "centre");
    ExpectNear(Up(frame), GetParam().up, "up");
}

INSTANTIATE_TEST_SUITE_P(
    Camera, CameraViewTest,
    ::testing::Values(
        ViewCase{"Chase",
                 [](const float* v, float* f) { Camera::ChaseFrame(v, 10, 5.5f, 0.2f, f); },
                 {20, 5.5f, 10},
                 {20, 5.3f, 11},
                 {0, 1, 0}},
        ViewCase{"Front",
                 [](const float* v, float* f) { Camera::FrontFrame(v, 10, 5.5f, 0.2f, f); },
                 {20, 5.5f, 30},
                 {20, 5.3f, 29},
                 {0, 1, 0}},
        ViewCase{"TopDown",
                 [](const float* v, float* f) { Camera::TopDownFrame(v, 50, 0, f); },
                 {20, 50, 20},
                 {20, 49, 20},
                 {0, 0, 1}},
        ViewCase{"TopDownWithExtraHeight",
                 [](const float* v, float* f) { Camera::TopDownFrame(v, 50, 7, f); },
                 {20, 57, 20},
                 {20, 56, 20},
                 {0, 0, 1}},
        // Turned a half circle, the orbit looks at the vehicle from its front.
        ViewCase{"OrbitHalfTurn",
                 [](const float* v, float* f) { Camera::OrbitFrame(v, 10, 5.5f, 3.14159265f, f); },
                 {20, 5.5f, 30},
                 {20, 5.3f, 29},
                 {0, 1, 0}},
        ViewCase{"OrbitNoTurnIsTheChaseWithItsOwnTilt",
                 [](const float* v, float* f) { Camera::OrbitFrame(v, 10, 5.5f, 0, f); },
                 {20, 5.5f, 10},
                 {20, 5.3f, 11},
                 {0, 1, 0}}));

TEST(CameraTest, TheOverviewRisesWithTheLargerSpan) {
    float first[16];
    float second[16];
    PlaceAt(first, 10, 0, 10);
    PlaceAt(second, 50, 0, 20);
    float frame[16];
    Camera::OverviewFrame(first, second, frame);
    ExpectNear(Eye(frame), {30, 90, 15}, "eye");  // the x span 40 is the larger
    ExpectNear(Centre(frame), {30, 89, 15}, "centre");
    ExpectNear(Up(frame), {0, 0, 1}, "up");
    PlaceAt(second, 14, 0, 30);  // the z span 20 is the larger
    Camera::OverviewFrame(first, second, frame);
    EXPECT_FLOAT_EQ(frame[13], 60.0f);
}

TEST(CameraTest, ChaseHeightAddsTheForwardColumnsYUnscaled) {
    // A vehicle pitched up: the vertical offset is the forward's y, not times the distance.
    float vehicle[16];
    PlaceAt(vehicle, 0, 2, 0);
    vehicle[9] = 0.5f;
    float frame[16];
    Camera::ChaseFrame(vehicle, 10, 5.5f, 0.2f, frame);
    EXPECT_FLOAT_EQ(frame[13], 2.0f - 0.5f + 5.5f);
    EXPECT_FLOAT_EQ(frame[9], 0.5f - 0.2f);
}

struct ModeCase {
    const char* name;
    int follow;
    int mode;
};
void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << c.name;
}

class CameraModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(CameraModeTest, FollowSetsTheModeOfItsBuilder) {
    Camera camera;
    EXPECT_EQ(camera.GetMode(), Camera::kNoView);
    float vehicle[16];
    PlaceAt(vehicle, 20, 0, 20);
    camera.Follow(GetParam().follow, vehicle, 10, 5.5f, 0.2f);
    EXPECT_EQ(camera.GetMode(), GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Camera, CameraModeTest,
                         ::testing::Values(ModeCase{"Chase", 1, 1}, ModeCase{"TopDown", 2, 2},
                                           ModeCase{"Front", 3, 3}, ModeCase{"OrbitIsChase", 5, 1},
                                           ModeCase{"OverviewChangesNothing", 4, 0},
                                           ModeCase{"NoneChangesNothing", 0, 0}));

TEST(CameraTest, FollowingNoTransformChangesNothing) {
    Camera camera;
    camera.Follow(1, nullptr, 10, 5.5f, 0.2f);
    camera.SetOverview(nullptr, nullptr);
    EXPECT_EQ(camera.GetMode(), 0);
}

TEST(CameraTest, TheViewBuildersKeepTheLastModeUntilAnotherRuns) {
    Camera camera;
    float first[16];
    float second[16];
    PlaceAt(first, 10, 0, 10);
    PlaceAt(second, 50, 0, 20);
    camera.SetOverview(first, second);
    EXPECT_EQ(camera.GetMode(), Camera::kOverview);
    camera.ResetLight();
    camera.SetDefaultView();
    EXPECT_EQ(camera.GetMode(), Camera::kOverview);
    camera.Follow(4, first, 0, 0, 0);
    EXPECT_EQ(camera.GetMode(), Camera::kOverview);
}

// Any eye and centre: the view maps the eye to the origin and the centre onto the -z axis.
TEST(CameraTest, TheLookAtMatrixPutsTheCentreStraightAhead) {
    const float eye[3] = {20, 5.5f, 10};
    const float centre[3] = {20, 5.3f, 11};
    const float up[3] = {0, 1, 0};
    float m[16];
    Camera::LookAtMatrix(eye, centre, up, m);
    const auto apply = [&](const float p[3], int row) {
        return m[row] * p[0] + m[4 + row] * p[1] + m[8 + row] * p[2] + m[12 + row];
    };
    for (int row = 0; row < 3; ++row) EXPECT_NEAR(apply(eye, row), 0.0f, 1e-5);
    EXPECT_NEAR(apply(centre, 0), 0.0f, 1e-5);
    EXPECT_NEAR(apply(centre, 1), 0.0f, 1e-5);
    EXPECT_NEAR(apply(centre, 2), -std::sqrt(1.0f + 0.04f), 1e-5);
}

// A room 40 by 32, its walls a unit outside the eye's limits at 1 to 39 in x and 1 to 31 in z.
const Camera::Room kRoom = {0, 0, 40, 32};

struct PullCase {
    const char* name;
    Point target;
    Point eye;
    Point pulled;
};
void PrintTo(const PullCase& c, std::ostream* out) {
    *out << c.name;
}

class CameraPullTest : public ::testing::TestWithParam<PullCase> {};

TEST_P(CameraPullTest, AnEyeOutsideComesInAlongItsLineToTheTarget) {
    const PullCase& c = GetParam();
    const float target[3] = {c.target.x, c.target.y, c.target.z};
    float eye[3] = {c.eye.x, c.eye.y, c.eye.z};
    Camera::KeepEyeInRoom(kRoom, target, eye);
    ExpectNear({eye[0], eye[1], eye[2]}, c.pulled, "eye");
}

INSTANTIATE_TEST_SUITE_P(
    Camera, CameraPullTest,
    ::testing::Values(
        // Three tenths of the way out stays inside: the height comes down with the rest.
        PullCase{"PastTheFarXWall", {36, 0, 16}, {46, 6, 16}, {39, 1.8f, 16}},
        PullCase{"PastTheNearXWall", {4, 0, 16}, {-6, 5, 16}, {1, 1.5f, 16}},
        PullCase{"PastTheFarZWall", {20, 1, 28}, {20, 5, 38}, {20, 2.2f, 31}},
        PullCase{"PastTheNearZWall", {20, 1, 4}, {20, 5, -6}, {20, 2.2f, 1}},
        // Past both walls the nearer crossing counts: x at half of the way, z not yet.
        PullCase{"InACorner", {34, 0, 26}, {44, 4, 34}, {39, 2, 30}},
        PullCase{"InTheOtherCorner", {6, 0, 6}, {-2, 4, -4}, {2, 2, 1}},
        // Inside, yet closer to the wall than the margin.
        PullCase{"WithinTheMargin", {36, 0, 16}, {39.5f, 4, 16}, {39, 3.4285714f, 16}},
        // Across a wall that the target stands at, the eye is only held at the margin.
        PullCase{"TargetAtTheWall", {39.5f, 1, 16}, {49.5f, 6, 16}, {39, 6, 16}},
        PullCase{"TargetAtTheWallEyeInACorner", {39.5f, 1, 28}, {44.5f, 6, 38}, {39, 2.5f, 31}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CameraTest, AnEyeInsideTheRoomIsLeftExactlyAsItIs) {
    const float target[3] = {20, 0.7f, 20};
    // Well inside, and exactly at the margin on every side.
    const float eyes[][3] = {{13.1f, 5.3f, 12.9f}, {1, 5, 1}, {39, 5, 31}};
    for (const auto& original : eyes) {
        float eye[3] = {original[0], original[1], original[2]};
        Camera::KeepEyeInRoom(kRoom, target, eye);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(eye[i], original[i]) << i;
    }
}

// The eye the view was built from: the view maps it to the origin.
Point EyeOfView(const float* v) {
    float eye[3];
    for (int c = 0; c < 3; ++c)
        eye[c] = -(v[c * 4] * v[12] + v[c * 4 + 1] * v[13] + v[c * 4 + 2] * v[14]);
    return {eye[0], eye[1], eye[2]};
}

struct KeptCase {
    const char* name;
    int follow;
    float c;       // the tilt, or the orbit's angle
    float facing;  // the vehicle's forward z
};
void PrintTo(const KeptCase& c, std::ostream* out) {
    *out << c.name;
}

class CameraKeptTest : public ::testing::TestWithParam<KeptCase> {};

// A vehicle by the far corner, turned so that the view's eye lies past the far z wall.
TEST_P(CameraKeptTest, TheViewsEyeStaysInTheRoomOnlyOnceOneIsSet) {
    const KeptCase& c = GetParam();
    float vehicle[16];
    PlaceAt(vehicle, 36, 0.5f, 28);
    vehicle[8] = 0;
    vehicle[10] = c.facing;
    vehicle[0] = c.facing;  // x turns with z, a rotation about y
    Camera camera;
    camera.Follow(c.follow, vehicle, 10, 5.5f, c.c);
    const Point free = EyeOfView(camera.GetView());
    EXPECT_GT(free.z, 32.0f) << "the case does not reach past the wall";

    camera.SetRoom(kRoom.minX, kRoom.minZ, kRoom.maxX, kRoom.maxZ);
    camera.Follow(c.follow, vehicle, 10, 5.5f, c.c);
    const Point kept = EyeOfView(camera.GetView());
    EXPECT_NEAR(kept.z, kRoom.maxZ - Camera::kWallMargin, 1e-3);
    EXPECT_GT(kept.x, kRoom.minX + Camera::kWallMargin);
    EXPECT_LT(kept.x, kRoom.maxX - Camera::kWallMargin);

    camera.ClearRoom();
    camera.Follow(c.follow, vehicle, 10, 5.5f, c.c);
    ExpectNear(EyeOfView(camera.GetView()), free, "without the room");
}

INSTANTIATE_TEST_SUITE_P(Camera, CameraKeptTest,
                         ::testing::Values(KeptCase{"Chase", Camera::kChase, 0.2f, -1},
                                           KeptCase{"Front", Camera::kFront, 0.2f, 1},
                                           KeptCase{"Orbit", Camera::kOrbit, 3.14159265f, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
