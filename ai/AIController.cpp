#include "ai/AIController.h"
#include "app/ControlKeys.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "world/Vehicle.h"
#include "world/World.h"

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
// Frames in which the view cone is ignored: after a hit, on losing an engaged player one
// (set by the heat update), and on starting to flee.
constexpr int kHitInsight = 240;
constexpr int kFleeInsight = 360;
// A hit only startles a vehicle that has already been damaged below this.
constexpr int kHitReactionHitPoints = 100;
// Random manoeuvres: waited for between rand() % 300 + 300 frames, turning for 241.
constexpr int kManoeuvreWaitBase = 300;
constexpr int kManoeuvreFrames = 240;
// Frames without reaching a waypoint before both paths are thrown away.
constexpr int kPathRefreshFrames = 300;

struct NamedFactor {
    const char* name;
    float factor;
};
constexpr NamedFactor kVehicleFactors[] = {
    {"Davavod Tank", 0.8f},
    {"Dovevevuzu Grav Buggy", 0.3f},
    {"Vavedodev Gremlin", 1.0f},
    {"Diveroruz Lancer", 0.6f},
};

// The distance table: row m holds 100 − m entries, entry (m, k) being the length of
// (m + k, m) to six significant digits.
constexpr int kRootRows = 100;
constexpr int kRootEntries = kRootRows * (kRootRows + 1) / 2;

// Square root by Newton's method, so that the table is built by the compiler.
constexpr double ConstSqrt(double v) {
    if (v <= 0.0) return 0.0;
    double x = v < 1.0 ? 1.0 : v;
    for (;;) {
        const double next = 0.5 * (x + v / x);
        if (next >= x) return x;
        x = next;
    }
}

// `v` (0 to 1,000) rounded to six significant digits.
constexpr float SixDigits(double v) {
    double scale = 100000.0;
    for (double limit = 10.0; v >= limit && scale > 1.0; limit *= 10.0) scale /= 10.0;
    const double scaled = v * scale + 0.5;
    const auto whole = static_cast<long long>(scaled);
    return static_cast<float>(static_cast<double>(whole) / scale);
}

// The table is fixed: worked out once, at compile time, rather than on the first frame of a
// level.
constexpr std::array<float, kRootEntries> MakeRoots() {
    std::array<float, kRootEntries> t{};
    int i = 0;
    for (int m = 0; m < kRootRows; ++m) {
        for (int k = 0; k < kRootRows - m; ++k) {
            const double a = m + k;
            t[i++] = SixDigits(ConstSqrt(a * a + static_cast<double>(m) * m));
        }
    }
    return t;
}

constexpr std::array<float, kRootEntries> kRoots = MakeRoots();

}  // namespace

AIController::AIController(Vehicle* driven, float difficulty)
    : vehicle(driven),
      AIDiff(difficulty),
      aimCone(static_cast<int>(Threshold(20.0, 20.0, difficulty)) + 3),
      gameWorld(&world),
      random([] { return std::rand(); }) {
    if (vehicle != nullptr) {
        fuelSeen = vehicle->GetFuel();
        hitPointsSeen = vehicle->GetHitPoints();
    }
}

AIController::~AIController() {
    currentPath.Clear();
    nextPath.Clear();
    searchList.Clear();
}

void AIController::Init(float rate, std::string vehicleName, int primaryRange) {
    turningRate = rate;
    name = std::move(vehicleName);
    range = primaryRange;
    // In the game's own 32-bit arithmetic, as the definition files' rates are meant:
    // 250 x 0.22 is 55, where a double product of the stored float would give 54.99...
    wideCone = static_cast<int>(250.0f * turningRate);
    narrowCone = static_cast<int>(50.0f * turningRate);
    rangeBonus = static_cast<int>(range * Threshold(1.0, 1.0, AIDiff) / 4.0);
    vehicleFactor = kDefaultVehicleFactor;
    for (const NamedFactor& entry : kVehicleFactors) {
        if (name == entry.name) vehicleFactor = entry.factor;
    }
}

bool AIController::GetKey(int index) const {
    return index >= 0 && index < kKeys && keys[index] != 0;
}

void AIController::SetKey(int index, bool value) {
    if (index >= 0 && index < kKeys) keys[index] = value ? 1 : 0;
}

int AIController::RoundToInt(float v) {
    const float t = std::trunc(v);
    return static_cast<int>(v - t > 0.5f ? std::ceil(v) : std::floor(v));
}

int AIController::AngleBase(float dx, float dz) {
    if (dx != 0.0f) {
        const float slope = dz / dx;
        return static_cast<int>(std::atan(static_cast<double>(slope)) * kDegreesPerRadian) % 360;
    }
    // Straight along z: the direction the displacement has, as if dx were just below 0.
    return dz < 0.0f ? 90 : (dz > 0.0f ? -90 : 0);
}

int AIController::FinishAngle(int base, float dx) {
    if (dx > 0.0f) base += 180;
    if (base < 0) base += 360;
    return base;
}

int AIController::DirectionAngle(float dx, float dz) {
    return FinishAngle(AngleBase(dx, dz), dx);
}

bool AIController::IsAngleInRange(int angle, int centre, int hi, int lo) {
    if (lo < angle && angle < hi) return true;
    if (centre > hi) return angle > lo || angle < hi;
    if (centre < lo) return angle < hi || angle > lo;
    return false;
}

bool AIController::InCone(int angle, int centre, int halfWidth) {
    const int hi = (centre + halfWidth) % 360;
    int lo = centre - halfWidth;
    if (lo < 0) lo += 360;
    return IsAngleInRange(angle, centre, hi, lo);
}

float AIController::CellDistance(int dx, int dz) {
    const int a = std::abs(dx);
    const int b = std::abs(dz);
    const int m = a < b ? a : b;
    const int k = (a < b ? b : a) - m;
    if (m + k >= kRootRows) {
        // Beyond any grid; worked out the same way rather than read past the table.
        return SixDigits(ConstSqrt(static_cast<double>(a) * a + static_cast<double>(b) * b));
    }
    const int rowStart = m * kRootRows - m * (m - 1) / 2;
    return kRoots[rowStart + k];
}

bool AIController::InGrid(int x, int z) const {
    if (gameWorld == nullptr) return false;
    const int sizeX =
        gameWorld->GetGridSizeX() < kMaxGridSize ? gameWorld->GetGridSizeX() : kMaxGridSize;
    const int sizeZ =
        gameWorld->GetGridSizeZ() < kMaxGridSize ? gameWorld->GetGridSizeZ() : kMaxGridSize;
    return x >= 0 && x < sizeX && z >= 0 && z < sizeZ;
}

bool AIController::IsBlocked(int x, int z) const {
    return !InGrid(x, z) || gameWorld->blocked[x][z] == 1;
}

int AIController::OwnCellX() const {
    return RoundToInt(vehicle->GetMatrixElement(12)) / 4;
}

int AIController::OwnCellZ() const {
    return RoundToInt(vehicle->GetMatrixElement(14)) / 4;
}

void AIController::Update() {
    Vehicle* player = gameWorld != nullptr ? gameWorld->GetPlayerOne() : nullptr;
    if (player == nullptr || vehicle == nullptr) {
        for (std::uint8_t& key : keys) key = 0;
        return;
    }
    if (insight > 0) --insight;
    ++refreshCounter;
    heading = DirectionAngle(vehicle->GetMatrixElement(8), vehicle->GetMatrixElement(10));
    Perceive();
    if (state == Flee && !fleeSetUp) {
        nextPath.Clear();
        hasDestination = false;
        fleeSetUp = true;
    }
    if (state == Search && manoeuvre == 0) {
        const int wait = Draw() % kManoeuvreWaitBase + kManoeuvreWaitBase;
        if (manoeuvreCounter > wait) {
            manoeuvre = 1;
            manoeuvreCounter = 0;
        } else {
            ++manoeuvreCounter;
        }
    }
    if (manoeuvre != 0) {
        if (state == Search) {
            SetKey(ControlKeys::TurnRight, true);
            SetKey(ControlKeys::TurnLeft, false);
            SetKey(ControlKeys::Thrust, false);
            SetKey(ControlKeys::Brake, false);
            if (++manoeuvreCounter > kManoeuvreFrames) {
                manoeuvre = 0;
                manoeuvreCounter = 0;
            }
        } else {
            manoeuvre = 0;
        }
    } else {
        if (refreshCounter > kPathRefreshFrames) {
            refreshCounter = 0;
            currentPath.Clear();
            nextPath.Clear();
        }
        if (currentPath.Empty() && nextPath.Empty()) {
            if (!hasDestination) ChooseDestination();
            PathStep(currentPath);
        } else if (currentPath.Empty()) {
            currentPath.TakeFrom(nextPath);
            ChooseDestination();
        } else if (nextPath.Empty()) {
            if (!hasDestination) ChooseDestination();
            PathStep(nextPath);
        }
    }
    UpdateMovement(currentPath);
    ApplySecondaryRule();
}

void AIController::SetStatus(int fuel, int hitPoints) {
    fuelSeen = fuel;
    if (hitPoints != hitPointsSeen && hitPointsSeen < kHitReactionHitPoints && state == Search &&
        manoeuvre == 0) {
        insight = kHitInsight;
        if (name == "Diveroruz Lancer" && AIDiff >= 0.5f) SetKey(ControlKeys::SecondaryFire, true);
    }
    hitPointsSeen = hitPoints;
}

void AIController::Perceive() {
    const Vehicle* player = gameWorld->GetPlayerOne();
    const int dx = RoundToInt(player->GetMatrixElement(12)) / 4 - OwnCellX();
    const int dz = RoundToInt(player->GetMatrixElement(14)) / 4 - OwnCellZ();
    const float d = CellDistance(dx, dz);
    const float f = vehicleFactor;
    const int fuel = fuelSeen;
    if (state == Flee) {
        if (fuel >= Threshold(800.0, 200.0, f) && d >= Threshold(6.0, 2.0, f)) state = Search;
        return;
    }
    if (fuel < Threshold(200.0, 200.0, f) || d < Threshold(2.0, 1.0, f)) {
        OnLostVisibility();
        state = Flee;
        fleeSetUp = false;
        insight = kFleeInsight;
        return;
    }
    if (!HasLineOfSight()) {
        if (state == Engage) OnLostVisibility();
        state = Search;
        reaction = 0;
        return;
    }
    if (reaction < Threshold(20.0, 20.0, AIDiff)) {
        ++reaction;
        return;
    }
    OnGainedVisibility();
    state = Engage;
}

bool AIController::HasLineOfSight() {
    const Vehicle* player = gameWorld->GetPlayerOne();
    const float playerX = player->GetMatrixElement(12);
    const float playerZ = player->GetMatrixElement(14);
    const float ownX = vehicle->GetMatrixElement(12);
    const float ownZ = vehicle->GetMatrixElement(14);
    const int px = RoundToInt(playerX / 4.0f);
    const int pz = RoundToInt(playerZ / 4.0f);
    const int ox = OwnCellX();
    const int oz = OwnCellZ();
    const int dx = px - ox;
    const int dz = pz - oz;

    if (insight <= 0 && !InCone(heading, DirectionAngle(playerX - ownX, playerZ - ownZ), viewCone))
        return false;

    const int adx = std::abs(dx);
    const int adz = std::abs(dz);
    const float stepX = dx > 0 ? 1.0f : (dx < 0 ? -1.0f : 0.0f);
    const float stepZ = dz > 0 ? 1.0f : (dz < 0 ? -1.0f : 0.0f);
    // A clear walk takes max(|dx|, |dz|) steps; one more covers float drift of the minor axis.
    const int maxSteps = (adx > adz ? adx : adz) + 1;
    float cx = static_cast<float>(ox);
    float cz = static_cast<float>(oz);
    for (int step = 0;; ++step) {
        const int rx = RoundToInt(cx);
        const int rz = RoundToInt(cz);
        if (rx == px && rz == pz) return true;
        if (IsBlocked(rx, rz) || step >= maxSteps) return false;
        if (adx > adz) {
            cx += stepX;
            cz += stepZ * std::fabs(static_cast<float>(dz) / static_cast<float>(dx));
        } else if (adx < adz) {
            cz += stepZ;
            cx += stepX * std::fabs(static_cast<float>(dx) / static_cast<float>(dz));
        } else {
            cx += stepX;
            cz += stepZ;
        }
    }
}
