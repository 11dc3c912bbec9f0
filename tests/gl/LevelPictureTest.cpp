// Shipped levels from the build tree's RESOURCES, started by the game's level start and drawn
// by the game's own level frame steps from its cameras at the game's window size. Each picture
// is saved under <build>/tests/gl-pictures for looking at; the checks say that the room
// encloses the view with textured floor and walls, that the furniture and the vehicles are
// drawn, and that each vehicle's pixels lie where the camera puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "game/Application.h"
#include "game/CameraControl.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "render/GraphicsSystem.h"
#include "tests/app/TempDir.h"
#include "tests/gl/GlFixture.h"
#include "tests/gl/LevelFrame.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using gltest::GlHarness;
using levelframe::FrameSteps;

constexpr int kW = GlHarness::kWidth;
constexpr int kH = GlHarness::kHeight;
constexpr int kPixels = kW * kH;
// A channel that moved by more than this between two pictures changed.
constexpr int kChanged = 8;
constexpr unsigned kSeed = 7;
// At most this many pixels of a shadow's edge may move when the volumes leave out what the
// floor hides.
constexpr int kMovedEdgePixels = 40;
constexpr int kNewLonePixels = 2;
// Below this half size in pixels a vehicle's 3-pixel outline is most of what shows.
constexpr int kOutlineDominates = 20;
// A depth this close to the floor's top (y = 0) lies on it.
constexpr double kOnTheFloor = 0.05;
// A vehicle placed against a wall stands still within this many frames.
constexpr int kSettleFrames = 30;

// Reports the message boxes the game would show, so that a level that needs one fails.
class RecordedDialogs : public platform::Dialogs {
public:
    void ShowError(const std::string& text, const std::string& caption) override {
        shown.push_back(caption + ": " + text);
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        shown.push_back(caption + ": " + text);
        return false;
    }
    std::vector<std::string> shown;
};

struct Picture {
    std::vector<unsigned char> rgba;  // rows from the top

    const unsigned char* At(int x, int y) const {
        return &rgba[(static_cast<size_t>(y) * kW + static_cast<size_t>(x)) * 4];
    }
    // Untouched since the clear: the clear colour's alpha is one half, the room's boxes are
    // opaque (shadows and see-through casters blend, so only a picture of the room tells).
    bool Cleared(int x, int y) const { return At(x, y)[3] < 200; }
    float Luminance(int x, int y) const {
        const unsigned char* p = At(x, y);
        return 0.299f * p[0] + 0.587f * p[1] + 0.114f * p[2];
    }
    bool Differs(const Picture& other, int x, int y) const {
        for (int c = 0; c < 3; ++c)
            if (std::abs(At(x, y)[c] - other.At(x, y)[c]) > kChanged) return true;
        return false;
    }
};

struct PictureCase {
    const char* name;
    const char* level;
    int gameMode;
    int playerChoice;
    int secondChoice;
    CameraMode cameraMode;
    // From inside the room its box fills the window; the overview looks down from above
    // the walls' top, through the open ceiling.
    bool insideRoom;
    // The least shares of the window that the floor, the walls, and what stands in the room
    // fill.
    float floorShare;
    float wallShare;
    float furnishedShare;
    // Furniture stands where its flattened copy shows beside it (from straight above, the
    // small pieces hide their own planar shadows).
    bool planarShadowsInView;
};

void PrintTo(const PictureCase& c, std::ostream* out) {
    *out << c.name;
}

// Places across the room for player one: shares of the room's sides, and degrees about the
// up axis, from the middle to close by each wall, turned every way.
struct Placement {
    float x, z, turn;
};
const Placement kPlacements[] = {{0.5f, 0.5f, 0},    {0.5f, 0.5f, 135},  {0.05f, 0.5f, 90},
                                 {0.95f, 0.1f, 225}, {0.3f, 0.97f, 300}, {0.8f, 0.7f, 20}};

class LevelPicture : public gltest::GlTest, public ::testing::WithParamInterface<PictureCase> {
protected:
    void SetUp() override {
        // The level, its models and their textures are read relative to the build tree.
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        fileLoader.Init();
        gltest::GlTest::SetUp();
        if (IsSkipped()) return;
        platform::Services services;
        services.display = &platform::GetDisplay();
        services.dialogs = &dialogs;
        platform::Install(services);
        const PictureCase& c = GetParam();
        // The frames are still: no time passes and no key is held.
        frameTimer.Init(false);
        inputState = InputState();
        // The vehicles' corners are drawn at random: the same ones on every run.
        std::srand(kSeed);
        started = levelframe::StartLevel(c.level, c.gameMode, c.playerChoice, c.secondChoice);
        if (!started) return;
        application.SetCameraMode(c.cameraMode);
        playerOne = application.GetPlayer(0);
        // The overview's other vehicle, or the first enemy slot's.
        opponent = c.gameMode == Versus ? application.GetPlayer(1) : application.GetEnemy(0);
    }

    void TearDown() override {
        levelframe::EndLevel();
        platform::Services services;
        services.display = &platform::GetDisplay();
        platform::Install(services);
        gltest::GlTest::TearDown();
        inside.reset();
    }

    Picture Draw(const FrameSteps& steps = {}) {
        levelframe::DrawFrame(steps);
        Picture picture{gl().ReadPixels()};
        renderer().SwapBuffers();
        return picture;
    }

    // Where the floor slab lies on the window in the picture just drawn, rows from the top:
    // the pixels whose line of sight between the near and the far plane crosses the slab (its
    // top at y = 0, reaching half a unit past the walls), whatever stands in front of it, and
    // among them those whose depth lies on the slab's top.
    enum FloorPixel : unsigned char { kNotFloor, kBehind, kOnTop };
    std::vector<FloorPixel> FloorPixels() {
        std::vector<float> depth(kPixels);
        glReadPixels(0, 0, kW, kH, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
        double view[16], projection[16];
        for (int i = 0; i < 16; ++i) {
            view[i] = camera().GetView()[i];
            projection[i] = camera().GetProjectionMatrix()[i];
        }
        const GLint viewport[4] = {0, 0, kW, kH};
        const double low[3] = {-0.5, -0.1, -0.5};
        const double high[3] = {kCellSize * world.GetGridSizeX() + 0.5, 0.0,
                                kCellSize * world.GetGridSizeZ() + 0.5};
        std::vector<FloorPixel> floor(kPixels, kNotFloor);
        for (int row = 0; row < kH; ++row)
            for (int x = 0; x < kW; ++x) {
                double nearPoint[3], farPoint[3];
                if (!gluUnProject(x + 0.5, row + 0.5, 0.0, view, projection, viewport,
                                  &nearPoint[0], &nearPoint[1], &nearPoint[2]) ||
                    !gluUnProject(x + 0.5, row + 0.5, 1.0, view, projection, viewport, &farPoint[0],
                                  &farPoint[1], &farPoint[2]))
                    continue;
                double enter = 0.0, leave = 1.0;
                for (int a = 0; a < 3 && enter <= leave; ++a) {
                    const double along = farPoint[a] - nearPoint[a];
                    if (std::fabs(along) < 1e-12) {
                        if (nearPoint[a] < low[a] || nearPoint[a] > high[a]) leave = -1.0;
                        continue;
                    }
                    double t0 = (low[a] - nearPoint[a]) / along;
                    double t1 = (high[a] - nearPoint[a]) / along;
                    if (t0 > t1) std::swap(t0, t1);
                    enter = std::max(enter, t0);
                    leave = std::min(leave, t1);
                }
                if (enter > leave) continue;
                const float d = depth[static_cast<size_t>(row) * kW + static_cast<size_t>(x)];
                double wx = 0, wy = 0, wz = 0;
                const bool onTop = gluUnProject(x + 0.5, row + 0.5, d, view, projection, viewport,
                                                &wx, &wy, &wz) &&
                                   std::fabs(wy) < kOnTheFloor;
                floor[static_cast<size_t>(kH - 1 - row) * kW + static_cast<size_t>(x)] =
                    onTop ? kOnTop : kBehind;
            }
        return floor;
    }

    // Where a world point lands on the window, through the camera's own matrices.
    bool Project(const float p[3], float* x, float* y) {
        const float* v = camera().GetView();
        const float* m = camera().GetProjectionMatrix();
        float eye[4], clip[4];
        for (int r = 0; r < 4; ++r)
            eye[r] = v[r] * p[0] + v[4 + r] * p[1] + v[8 + r] * p[2] + v[12 + r];
        for (int r = 0; r < 4; ++r)
            clip[r] = m[r] * eye[0] + m[4 + r] * eye[1] + m[8 + r] * eye[2] + m[12 + r] * eye[3];
        if (clip[3] <= 0.0f) return false;
        *x = (clip[0] / clip[3] + 1.0f) / 2.0f * kW;
        *y = (1.0f - clip[1] / clip[3]) / 2.0f * kH;
        return *x >= 0 && *x < kW && *y >= 0 && *y < kH;
    }

    // Draws the frame with `vehicle` and without its model: its pixels are those that change.
    // Around its projected position most of them must change, and where it is big enough to
    // show more than its outline they must not be nearly black.
    void ExpectVehicleWhereTheCameraPutsIt(Vehicle* vehicle, const Picture& with,
                                           const char* what) {
        SCOPED_TRACE(what);
        ASSERT_NE(vehicle, nullptr);
        float position[3];
        vehicle->GetPosition(position);
        float px = 0, py = 0;
        ASSERT_TRUE(Project(position, &px, &py))
            << what << " at (" << position[0] << ", " << position[2] << ") is off the picture";

        // Hidden, it still casts its shadow volume: what changes is its own drawing.
        const MeshTree* model = vehicle->GetModel();
        vehicle->hidden = true;
        const Picture without = Draw();
        vehicle->hidden = false;

        // The box around the position: a quarter of the vehicle's size on the screen, from
        // its radius at its distance from the eye.
        const float* view = camera().GetView();
        const float depth = std::fabs(view[2] * position[0] + view[6] * position[1] +
                                      view[10] * position[2] + view[14]);
        const float pixelsPerUnit = kH / (2.0f * depth * std::tan(22.5f * 3.14159265f / 180.0f));
        const int half = std::max(3, static_cast<int>(0.25f * model->radius * pixelsPerUnit));
        int inside = 0, changed = 0;
        float light = 0.0f;
        for (int y = static_cast<int>(py) - half; y <= static_cast<int>(py) + half; ++y)
            for (int x = static_cast<int>(px) - half; x <= static_cast<int>(px) + half; ++x) {
                if (x < 0 || x >= kW || y < 0 || y >= kH) continue;
                ++inside;
                if (!with.Differs(without, x, y)) continue;
                ++changed;
                light += with.Luminance(x, y);
            }
        ASSERT_GT(inside, 0);
        EXPECT_GT(changed, inside / 2)
            << what << ": only " << changed << " of " << inside << " pixels around (" << px << ", "
            << py << ") belong to it";
        if (changed > 0 && half >= kOutlineDominates) {
            EXPECT_GT(light / changed, 35.0f) << what << " is drawn nearly black";
        }
    }

    // Draws frames until `vehicle` stands still: the frame's collision pass pushes a vehicle
    // placed against a wall or a piece of furniture out of it over a few frames. The last
    // frame is drawn from where it stands, as the light stands under the view of the frame
    // before.
    void Settle(const Vehicle& vehicle) {
        for (int frame = 0; frame < kSettleFrames; ++frame) {
            const Mat44 before = *vehicle.GetModel()->matrix;
            Draw();
            if (std::equal(before.m, before.m + 16, vehicle.GetModel()->matrix->m)) return;
        }
        ADD_FAILURE() << "the vehicle still moves after " << kSettleFrames << " frames";
    }

    // Calls `check` with player one as started, then at every placement, each time once it
    // stands still there.
    template <typename Check>
    void AtEveryPlacement(Vehicle& vehicle, Check&& check) {
        MeshTree* model = vehicle.GetModel();
        ASSERT_NE(model->matrix, nullptr);
        const float w = kCellSize * static_cast<float>(world.GetGridSizeX());
        const float d = kCellSize * static_cast<float>(world.GetGridSizeZ());
        const float spawnY = model->matrix->m[13];
        Settle(vehicle);
        check(std::string("as started"));
        for (const Placement& p : kPlacements) {
            const float a = p.turn * 3.14159265f / 180.0f;
            const float m[16] = {std::cos(a), 0, -std::sin(a), 0, 0,       1,      0,       0,
                                 std::sin(a), 0, std::cos(a),  0, p.x * w, spawnY, p.z * d, 1};
            model->SetMatrix(m);
            Settle(vehicle);
            check("at " + std::to_string(p.x) + ", " + std::to_string(p.z) + " turned " +
                  std::to_string(p.turn));
        }
    }

    std::unique_ptr<WorkingDirectory> inside;
    RecordedDialogs dialogs;
    bool started = false;
    Vehicle* playerOne = nullptr;
    Vehicle* opponent = nullptr;
};

TEST_P(LevelPicture, ShowsAFurnishedRoomWithItsVehicles) {
    const PictureCase& c = GetParam();
    for (const std::string& box : dialogs.shown) ADD_FAILURE() << "while starting: " << box;
    ASSERT_TRUE(started) << c.level << " does not start";
    ASSERT_NE(playerOne, nullptr);
    ASSERT_NE(opponent, nullptr) << c.level << " has no opponent or player two";
    const gltest::GlStateSnapshot before = gltest::GlStateSnapshot::Read();

    // The first frame records the tall casters; the second sees the light placed under a
    // real view, as every later frame of a level does.
    Draw();
    Draw();
    const Picture room = Draw({.onlyRoom = true});
    const std::vector<FloorPixel> floor = FloorPixels();
    const Picture full = Draw();
    const Picture withoutPlanar = Draw({.planarShadows = false});
    const Picture withoutVolumes = Draw({.shadowVolumes = false});
    // Saved opaque, as the window shows it.
    Picture shown = full;
    for (size_t i = 3; i < shown.rgba.size(); i += 4) shown.rgba[i] = 255;
    const std::filesystem::path folder =
        std::filesystem::path(BRASK_BUILD_DIR) / "tests/gl-pictures";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    EXPECT_TRUE(
        gltest::WritePng((folder / (std::string(c.name) + ".png")).string(), kW, kH, shown.rgba));
    EXPECT_EQ(gltest::GlStateSnapshot::Read(), before) << "the frame leaves the state changed";
    EXPECT_GT(renderer().casterCount, 0) << "no tall caster in " << c.level;
    EXPECT_EQ(renderer().nextCaster, renderer().casterCount) << "a caster was never recorded";

    // The room closes the view on every side and its floor is drawn where it lies; floor and
    // walls take their share of the view and carry their textures (a missing texture draws
    // them flat white).
    int cleared = 0, floorPixels = 0, floorOnTop = 0, floorCleared = 0, wallPixels = 0,
        furnished = 0;
    double floorSum = 0, floorSquares = 0, wallSum = 0, wallSquares = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            if (room.Cleared(x, y)) ++cleared;
            const double l = room.Luminance(x, y);
            const FloorPixel f = floor[static_cast<size_t>(y) * kW + static_cast<size_t>(x)];
            if (f != kNotFloor) {
                ++floorPixels;
                floorOnTop += f == kOnTop;
                floorCleared += room.Cleared(x, y);
                floorSum += l;
                floorSquares += l * l;
            } else if (!room.Cleared(x, y)) {
                ++wallPixels;
                wallSum += l;
                wallSquares += l * l;
            }
            if (full.Differs(room, x, y)) ++furnished;
        }
    if (c.insideRoom) {
        EXPECT_LT(cleared, kPixels / 200) << "pixels outside the room";
    }
    EXPECT_GT(floorOnTop, static_cast<int>(c.floorShare * kPixels)) << "floor pixels";
    EXPECT_LT(floorCleared, kPixels / 1000) << "the floor is not drawn where it lies";
    EXPECT_GT(wallPixels, static_cast<int>(c.wallShare * kPixels)) << "wall pixels";
    const auto spread = [](double sum, double squares, int n) {
        if (n == 0) return 0.0;
        const double mean = sum / n;
        return std::sqrt(std::max(0.0, squares / n - mean * mean));
    };
    EXPECT_GT(spread(floorSum, floorSquares, floorPixels), 3.0) << "the floor is untextured";
    if (wallPixels > kPixels / 100) {
        EXPECT_GT(spread(wallSum, wallSquares, wallPixels), 3.0) << "the walls are untextured";
    }
    EXPECT_GT(furnished, static_cast<int>(c.furnishedShare * kPixels))
        << "the objects and vehicles change too little";
    EXPECT_LT(furnished, kPixels * 9 / 10) << "the room is hidden";

    // Shadows only darken. Player one's volume is always in view (Versus draws none).
    const auto expectDarkens = [&](const Picture& without, bool inView, const char* what) {
        int darker = 0, lighter = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const float change = full.Luminance(x, y) - without.Luminance(x, y);
                if (change < -kChanged) ++darker;
                if (change > kChanged) ++lighter;
            }
        if (inView) {
            EXPECT_GT(darker, kPixels / 2000) << what << " darken too little";
        }
        EXPECT_LT(lighter, kPixels / 2000) << what << " lighten the picture";
    };
    expectDarkens(withoutPlanar, c.planarShadowsInView, "the planar shadows");
    expectDarkens(withoutVolumes, c.gameMode != Versus, "the shadow volumes");

    ExpectVehicleWhereTheCameraPutsIt(playerOne, full, "player one");
    if (c.cameraMode == OverviewCamera) {
        ExpectVehicleWhereTheCameraPutsIt(opponent, full, "the other vehicle");
    }
}

// The shadow volumes leave out what the room hides (past its walls and ceiling from an eye
// inside it, under its floor from an eye outside): the same picture, from the spawn corner
// (where the chase camera is held just inside the walls) and from placements across the room.
// The new corners where the sides are cut round differently from the points of the sides
// they stand for, so a handful of pixels may change. Nearly all of them must lie on a
// shadow's edge, which moved by a pixel: some pixel next to it had its new darkening before
// (the alpha counts how many times a pixel was darkened). The rasteriser leaves a few lone
// pixels in any picture of the volumes; a new one or two may show up.
TEST_P(LevelPicture, LeavingOutWhatTheRoomHidesMovesOnlyAFewEdgePixels) {
    const PictureCase& c = GetParam();
    if (c.gameMode == Versus) GTEST_SKIP() << "Versus draws no shadow volumes";
    ASSERT_NE(playerOne, nullptr);
    AtEveryPlacement(*playerOne, [&](const std::string& where) {
        const Picture cut = Draw();
        const Picture whole = Draw({.forgetRoomFloor = true});
        int differing = 0;
        int lone = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                // The window shows the colour alone.
                if (std::equal(cut.At(x, y), cut.At(x, y) + 3, whole.At(x, y))) continue;
                ++differing;
                bool edgeMoved = false;
                for (int ny = std::max(0, y - 1); ny <= std::min(kH - 1, y + 1); ++ny)
                    for (int nx = std::max(0, x - 1); nx <= std::min(kW - 1, x + 1); ++nx)
                        edgeMoved = edgeMoved || whole.At(nx, ny)[3] == cut.At(x, y)[3];
                lone += !edgeMoved;
            }
        EXPECT_LE(differing, kMovedEdgePixels) << where;
        EXPECT_LE(lone, kNewLonePixels) << where << ": pixels changed away from any edge";
    });
}

// Models wholly out of view are left undrawn: not a pixel changes, from the same places.
TEST_P(LevelPicture, LeavingOutModelsOutOfViewChangesNoPixel) {
    ASSERT_NE(playerOne, nullptr);
    std::uint32_t leftOut = 0;
    AtEveryPlacement(*playerOne, [&](const std::string& where) {
        const Picture culled = Draw();
        leftOut += renderer().modelsOutOfView;
        renderer().cullModelsOutOfView = false;
        const Picture whole = Draw();
        renderer().cullModelsOutOfView = true;
        EXPECT_TRUE(culled.rgba == whole.rgba) << where;
    });
    EXPECT_GT(leftOut, 0u) << "no model was ever out of view";
}

// Bedroom1 as a Battle room with a random opponent and as a Versus room with two players
// (the overview is the Versus camera); Assault1 a kitchen whose opponents and battery come
// from the level file. The vehicles start in the room's corners, so the top-down view sees
// a vehicle, the floor and two walls, and little else.
const PictureCase kCases[] = {
    {"Bedroom1_chase", "Bedroom1.txt", Battle, 0, 0, ChaseCamera, true, 0.25f, 0.10f, 0.05f, true},
    {"Bedroom1_topdown", "Bedroom1.txt", Battle, 0, 0, TopDownCamera, true, 0.35f, 0.0f, 0.002f,
     false},
    {"Bedroom1_versus_overview", "Bedroom1.txt", Versus, 0, 2, OverviewCamera, false, 0.25f, 0.0f,
     0.02f, true},
    {"Assault1_chase", "Assault1.txt", Assault, 1, 0, ChaseCamera, true, 0.25f, 0.10f, 0.05f,
     false},
    {"Assault1_topdown", "Assault1.txt", Assault, 1, 0, TopDownCamera, true, 0.35f, 0.0f, 0.002f,
     false},
    {"Multi1_versus_overview", "Multi1.txt", Versus, 3, 1, OverviewCamera, false, 0.25f, 0.0f,
     0.02f, false},
};

INSTANTIATE_TEST_SUITE_P(Levels, LevelPicture, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
