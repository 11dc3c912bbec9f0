// The level camera never looks in from outside the room: shipped levels started by the game's
// level start and drawn by its own frame steps, with player one at each spawn corner facing in
// (as the level start turns it) and out, and by each wall driving along it, a little turned
// away from it, seen from the chase and the front views; then wrecked at each of these places
// under the defeat orbit for a whole turn. The eye stays inside the walls, and no pixel of the
// room's own picture, nor of the whole frame, is left at the clear colour. The pictures are
// saved under <build>/tests/gl-pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/Clock.h"
#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "game/Application.h"
#include "game/CameraControl.h"
#include "platform/Services.h"
#include "render/GraphicsSystem.h"
#include "tests/app/TempDir.h"
#include "tests/gl/GlFixture.h"
#include "tests/gl/LevelFrame.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using gltest::GlHarness;

constexpr int kW = GlHarness::kWidth;
constexpr int kH = GlHarness::kHeight;
constexpr float kPi = 3.14159265f;
// The defeat orbit is followed a whole turn in steps of this many radians, fine enough not to
// step over the narrow stretch where, by a wall, it looks along the wall from outside; every
// so many steps the whole frame is drawn and saved.
constexpr float kOrbitStepRadians = 0.15f;
constexpr int kOrbitSteps = 42;
constexpr int kOrbitStepsSaved = 6;
// By a wall the vehicle's middle stands this far from it, turned this far from along it.
constexpr float kFromTheWall = 3.0f;
constexpr float kOffTheWall = 25.0f * kPi / 180.0f;
// And this share of the way along it, clear of the shipped rooms' furniture by the walls' middles.
constexpr float kAlongTheWall = 0.3f;

using gltest::StepClock;

struct RoomCase {
    const char* name;
    const char* level;
    int gameMode;
    int playerChoice;
};
void PrintTo(const RoomCase& c, std::ostream* out) {
    *out << c.name;
}

// Where player one is put, and its turn about the up axis (its forward is (sin, 0, cos)).
struct Spot {
    std::string name;
    float x, z, turn;
};

// The four spawn corners' cells (two cells in from the walls), facing the room's middle as the
// level start turns a vehicle there, and by each wall, along it.
std::vector<Spot> SpotsOf(float w, float d, int gridX, int gridZ) {
    const float nearX = 2.5f * kCellSize;
    const float nearZ = 2.5f * kCellSize;
    const float farX = (static_cast<float>(gridX - 2) + 0.5f) * kCellSize;
    const float farZ = (static_cast<float>(gridZ - 2) + 0.5f) * kCellSize;
    std::vector<Spot> spots = {{"corner0", nearX, nearZ, kPi / 4},
                               {"corner1", nearX, farZ, 3 * kPi / 4},
                               {"corner2", farX, farZ, 5 * kPi / 4},
                               {"corner3", farX, nearZ, 7 * kPi / 4}};
    // Each wall's inward normal; along it is the normal turned a quarter.
    const struct {
        const char* name;
        float x, z, normalX, normalZ;
    } walls[] = {{"wallX0", kFromTheWall, kAlongTheWall * d, 1, 0},
                 {"wallZ0", kAlongTheWall * w, kFromTheWall, 0, 1},
                 {"wallX1", w - kFromTheWall, kAlongTheWall * d, -1, 0},
                 {"wallZ1", kAlongTheWall * w, d - kFromTheWall, 0, -1}};
    for (const auto& wall : walls) {
        const float alongX = -wall.normalZ, alongZ = wall.normalX;
        const float forwardX =
            std::cos(kOffTheWall) * alongX + std::sin(kOffTheWall) * wall.normalX;
        const float forwardZ =
            std::cos(kOffTheWall) * alongZ + std::sin(kOffTheWall) * wall.normalZ;
        spots.push_back({wall.name, wall.x, wall.z, std::atan2(forwardX, forwardZ)});
    }
    return spots;
}

class RoomCameraPicture : public gltest::GlTest, public ::testing::WithParamInterface<RoomCase> {
protected:
    void SetUp() override {
        // The level, its models and their textures are read relative to the build tree.
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        fileLoader.Init();
        gltest::GlTest::SetUp();
        if (IsSkipped()) return;
        platform::Services services;
        services.display = &platform::GetDisplay();
        services.clock = &clock;
        platform::Install(services);
        // The frames are still unless the test moves the clock, and no key is held.
        frameTimer.Init(false);
        frameTimer.Update();
        inputState = InputState();
        const RoomCase& c = GetParam();
        started = levelframe::StartLevel(c.level, c.gameMode, c.playerChoice);
        if (started) playerOne = application.GetPlayer(0);
    }

    void TearDown() override {
        if (started) levelframe::EndLevel();
        platform::Services services;
        services.display = &platform::GetDisplay();
        platform::Install(services);
        gltest::GlTest::TearDown();
        inside.reset();
    }

    std::vector<Spot> Spots() const {
        return SpotsOf(RoomWidth(), RoomDepth(), world.GetGridSizeX(), world.GetGridSizeZ());
    }
    static float RoomWidth() { return kCellSize * static_cast<float>(world.GetGridSizeX()); }
    static float RoomDepth() { return kCellSize * static_cast<float>(world.GetGridSizeZ()); }

    // Player one at `spot`, turned by `turn` about the up axis.
    void PlaceAt(const Spot& spot, float turn) {
        MeshTree* model = playerOne->GetModel();
        float m[16] = {};
        m[0] = m[10] = std::cos(turn);
        m[8] = std::sin(turn);
        m[2] = -m[8];
        m[5] = m[15] = 1;
        m[12] = spot.x;
        m[13] = model->matrix->m[13];
        m[14] = spot.z;
        model->SetMatrix(m);
    }

    // Draws the room alone from the camera and expects the eye inside the walls and every pixel
    // covered by the room's boxes. With a `saveAs` name the whole frame is drawn too, expected
    // without a pixel of the clear colour, and saved.
    void ExpectInsideTheRoom(const std::string& where, const std::string& saveAs = "") {
        SCOPED_TRACE(where);
        levelframe::DrawFrame({.onlyRoom = true});
        const std::vector<unsigned char> room = gl().ReadPixels();
        renderer().SwapBuffers();
        // The eye the view was built from: the view maps it to the origin.
        const float* view = camera().GetView();
        float eye[3];
        for (int c = 0; c < 3; ++c)
            eye[c] =
                -(view[c * 4] * view[12] + view[c * 4 + 1] * view[13] + view[c * 4 + 2] * view[14]);
        const std::string eyeText = "the eye at (" + std::to_string(eye[0]) + ", " +
                                    std::to_string(eye[1]) + ", " + std::to_string(eye[2]) +
                                    ") in a room of " + std::to_string(RoomWidth()) + " by " +
                                    std::to_string(RoomDepth());
        EXPECT_TRUE(eye[0] > 0 && eye[0] < RoomWidth() && eye[2] > 0 && eye[2] < RoomDepth())
            << eyeText;
        // The clear colour's alpha is one half; the room's boxes are opaque.
        int uncovered = 0;
        for (size_t i = 3; i < room.size(); i += 4) uncovered += room[i] < 200;
        EXPECT_EQ(uncovered, 0) << "pixels outside the room, " << eyeText;
        if (saveAs.empty()) return;

        levelframe::DrawFrame();
        std::vector<unsigned char> full = gl().ReadPixels();
        renderer().SwapBuffers();
        int clearShown = 0;
        for (size_t i = 0; i < full.size(); i += 4)
            clearShown +=
                full[i] == 204 && full[i + 1] == 204 && full[i + 2] == 204 && full[i + 3] == 128;
        EXPECT_EQ(clearShown, 0) << "pixels of the clear colour in the whole frame, " << eyeText;
        // Saved opaque, as the window shows it.
        for (size_t i = 3; i < full.size(); i += 4) full[i] = 255;
        const std::filesystem::path folder =
            std::filesystem::path(BRASK_BUILD_DIR) / "tests/gl-pictures";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        EXPECT_TRUE(gltest::WritePng((folder / (saveAs + ".png")).string(), kW, kH, full));
    }

    std::string PictureName(const Spot& spot, const std::string& what) const {
        return std::string("RoomCamera_") + GetParam().name + "_" + spot.name + "_" + what;
    }

    std::unique_ptr<WorkingDirectory> inside;
    StepClock clock;
    bool started = false;
    Vehicle* playerOne = nullptr;
};

TEST_P(RoomCameraPicture, TheChaseAndFrontViewsStayInsideAtTheCornersAndTheWalls) {
    ASSERT_TRUE(started) << GetParam().level << " does not start";
    ASSERT_NE(playerOne, nullptr);
    const struct {
        CameraMode mode;
        const char* name;
    } views[] = {{ChaseCamera, "chase"}, {FrontCamera, "front"}};
    for (const Spot& spot : Spots())
        for (const bool turnedBack : {false, true})
            for (const auto& view : views) {
                PlaceAt(spot, spot.turn + (turnedBack ? kPi : 0.0f));
                application.SetCameraMode(view.mode);
                const std::string name =
                    PictureName(spot, std::string(view.name) + (turnedBack ? "_back" : ""));
                // The light stands under the view of the frame before.
                levelframe::DrawFrame({.onlyRoom = true});
                ExpectInsideTheRoom(name, name);
            }
}

TEST_P(RoomCameraPicture, TheDefeatOrbitStaysInsideAtTheCornersAndTheWalls) {
    ASSERT_TRUE(started) << GetParam().level << " does not start";
    ASSERT_NE(playerOne, nullptr);
    for (const Spot& spot : Spots()) {
        // The chase view starts the orbit again; then the wreck is orbited.
        playerOne->SetHitPoints(1);
        application.SetCameraMode(ChaseCamera);
        PlaceAt(spot, spot.turn);
        levelframe::DrawFrame({.onlyRoom = true});
        playerOne->SetHitPoints(0);
        for (int step = 0; step < kOrbitSteps; ++step) {
            // The orbit turns with the frame time of the camera's own update; the frames
            // drawn are still.
            clock.milliseconds +=
                static_cast<std::uint32_t>(kOrbitStepRadians / kDefeatOrbitSpeed * 1000.0f);
            frameTimer.Update();
            application.UpdateCamera();
            frameTimer.Update();
            ASSERT_EQ(application.GetCameraMode(), DefeatCamera);
            ASSERT_NEAR(application.GetDefeatCameraAngle(),
                        kDefeatOrbitStart + kOrbitStepRadians * static_cast<float>(step + 1), 1e-3);
            const std::string name = PictureName(spot, "orbit" + std::to_string(step));
            ExpectInsideTheRoom(name, step % kOrbitStepsSaved == 0 ? name : "");
        }
    }
}

// A large and a small Battle room, and an Assault kitchen.
const RoomCase kRooms[] = {
    {"Bedroom1", "Bedroom1.txt", Battle, 0},
    {"Bathroom2", "Bathroom2.txt", Battle, 2},
    {"Assault1", "Assault1.txt", Assault, 1},
};

INSTANTIATE_TEST_SUITE_P(Levels, RoomCameraPicture, ::testing::ValuesIn(kRooms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
