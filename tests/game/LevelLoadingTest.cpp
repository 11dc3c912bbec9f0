#include "game/LevelLoading.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/LevelFile.h"
#include "game/Application.h"
#include "game/CameraControl.h"
#include "platform/ContentLimits.h"
#include "tests/app/HostileFiles.h"
#include "tests/app/TempDir.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"

namespace {

// The collision list of a level, made of vehicles and weapons described by letters:
// '1' and '2' the players, 'B' a battery, 'C' a computer vehicle, 'W' a weapon.
class CollisionList {
public:
    explicit CollisionList(const std::string& kinds) {
        for (char kind : kinds) {
            if (kind == 'W') {
                owned.push_back(std::make_unique<Weapon>());
                list.push_back(owned.back().get());
                continue;
            }
            auto vehicle = std::make_unique<Vehicle>();
            if (kind == '1' || kind == '2') {
                vehicle->SetHuman(true);
                vehicle->SetPlayerNumber(kind - '0');
            } else if (kind == 'B') {
                vehicle->SetName("Battery");
            } else {
                vehicle->SetName("Davavod Tank");
            }
            list.push_back(vehicle.get());
            owned.push_back(std::move(vehicle));
        }
    }
    Vehicle* At(size_t i) const { return static_cast<Vehicle*>(*std::next(list.begin(), i)); }

    std::list<GameEntity*> list;

private:
    std::vector<std::unique_ptr<GameEntity>> owned;
};

TEST(LevelLoading, SlotsFollowTheCollisionListAndSkipBatteries) {
    CollisionList level("WCB1CBC");
    std::array<Vehicle*, 2> players{};
    std::array<Vehicle*, 5> enemies{};
    EXPECT_EQ(FillVehicleSlots(level.list, players, enemies, 3), 0);
    EXPECT_EQ(players[0], level.At(3));
    EXPECT_EQ(players[1], nullptr);
    EXPECT_EQ(enemies[0], level.At(1));
    EXPECT_EQ(enemies[1], level.At(4));
    EXPECT_EQ(enemies[2], level.At(6));
    EXPECT_EQ(enemies[3], nullptr);
    EXPECT_EQ(level.At(3)->GetSelectionIndex(), 3);
}

TEST(LevelLoading, PlayersTakeTheSlotsOfTheirNumbers) {
    CollisionList level("21");
    std::array<Vehicle*, 2> players{};
    std::array<Vehicle*, 5> enemies{};
    FillVehicleSlots(level.list, players, enemies, 2);
    EXPECT_EQ(players[0], level.At(1));
    EXPECT_EQ(players[1], level.At(0));
    EXPECT_EQ(enemies[0], nullptr);
    EXPECT_EQ(level.At(1)->GetSelectionIndex(), 2);
    EXPECT_NE(level.At(0)->GetSelectionIndex(), 2);
}

TEST(LevelLoading, TheFirstFiveComputerVehiclesTakeTheSlots) {
    CollisionList level("CCBCCC1CC");
    std::array<Vehicle*, 2> players{};
    std::array<Vehicle*, 5> enemies{};
    EXPECT_EQ(FillVehicleSlots(level.list, players, enemies, 0), 2);
    EXPECT_EQ(enemies[4], level.At(5));
    EXPECT_EQ(players[0], level.At(6));
}

TEST(LevelLoading, HudAndCameraByMode) {
    struct Row {
        int mode;
        HudSetup setup;
    };
    const Row rows[] = {
        {Versus, {false, false, true, true, OverviewCamera}},
        {Battle, {true, true, false, false, ChaseCamera}},
        {Story, {true, true, false, false, ChaseCamera}},
        {Assault, {true, true, false, true, ChaseCamera}},
        {Survival, {true, true, false, true, ChaseCamera}},
    };
    for (const Row& row : rows) {
        const HudSetup s = HudForMode(row.mode);
        EXPECT_EQ(s.healthBar, row.setup.healthBar) << row.mode;
        EXPECT_EQ(s.energyBar, row.setup.energyBar) << row.mode;
        EXPECT_EQ(s.leftPanel, row.setup.leftPanel) << row.mode;
        EXPECT_EQ(s.rightPanel, row.setup.rightPanel) << row.mode;
        EXPECT_EQ(s.cameraMode, row.setup.cameraMode) << row.mode;
    }
}

struct UnloadCase {
    const char* name;
    LeaveButton button;
    bool lastLevel;
    int mode;
    UnloadTarget target;
};
void PrintTo(const UnloadCase& c, std::ostream* os) {
    *os << c.name;
}

class Unloading : public ::testing::TestWithParam<UnloadCase> {};

TEST_P(Unloading, GoesWhereTheButtonAsks) {
    const UnloadCase& c = GetParam();
    EXPECT_EQ(ChooseUnloadTarget(c.button, c.lastLevel, c.mode), c.target);
}

using B = LeaveButton;
constexpr UnloadTarget kLoad = UnloadTarget::LoadingScreen;
constexpr UnloadTarget kMenu = UnloadTarget::SelectionMenu;

INSTANTIATE_TEST_SUITE_P(
    LevelLoading, Unloading,
    ::testing::Values(
        UnloadCase{"StoryNextLevel", B::NextLevel, false, Story, kLoad},
        UnloadCase{"LostReplay", B::Replay, false, Battle, kLoad},
        UnloadCase{"VersusReplay", B::Replay, false, Versus, kLoad},
        UnloadCase{"BattleWinReplay", B::BattleWinReplay, false, Battle, kLoad},
        UnloadCase{"ReturnToMenu", B::Other, false, Assault, kMenu},
        UnloadCase{"LastBattleLevelReplayed", B::BattleWinReplay, true, Battle, kLoad},
        UnloadCase{"LastAssaultLevelReplayed", B::BattleWinReplay, true, Assault, kLoad},
        UnloadCase{"LastBattleLevelReturn", B::Other, true, Battle, kMenu},
        UnloadCase{"StorySixReturn", B::Other, true, Story, kMenu},
        UnloadCase{"StorySixNextLevelIsNoWayOn", B::NextLevel, true, Story, kMenu},
        // "Restart Level" plays the level again, won or not, last or not.
        UnloadCase{"RestartAfterTheLastBattleLevel", B::RestartLevel, true, Battle, kLoad},
        UnloadCase{"RestartAfterStorySix", B::RestartLevel, true, Story, kLoad},
        UnloadCase{"RestartMidway", B::RestartLevel, false, Survival, kLoad}),
    [](const auto& info) { return std::string(info.param.name); });

// A level file of `records` copies of one record under a readable header.
std::string LevelOf(std::size_t records) {
    std::string text = "floor.jpg wall.jpg walls.jpg (20,20)\n";
    for (std::size_t i = 0; i < records; ++i) text += "GAME_ENTITY crate.ms3d (5,5) 1 1 NONE\n";
    return text;
}

TEST(LevelLoading, ALevelBuildsOnlyFromAReadableHeaderAndNotTooManyRecords) {
    TempDir dir;
    const std::string unreadable = "This level cannot be read, so it cannot be played.";
    const std::string tooMany = "This level holds more than " + std::to_string(kLevelRecordMax) +
                                " records, the most the game plays; it cannot be played.";
    const struct {
        const char* name;
        std::string text;
        std::string refusal;
    } files[] = {
        {"Good.txt", "floor.jpg wall.jpg walls.jpg (20,20)\n", ""},
        {"Truncated.txt", "floor.jpg wall.jpg walls.jpg (20,\n", unreadable},
        {"Empty.txt", "", unreadable},
        // Read, but too small or absurd: the level builder takes it in at a size it can use
        // and says so in its own box.
        {"Tiny.txt", "floor.jpg wall.jpg walls.jpg (0,0)\n", ""},
        {"SmallestInt.txt", "floor.jpg wall.jpg walls.jpg (-2147483648,20)\n", ""},
        {"LargestInt.txt", "floor.jpg wall.jpg walls.jpg (20,2147483647)\n", ""},
        {"AtTheCap.txt", LevelOf(kLevelRecordMax), ""},
        {"BeyondTheCap.txt", LevelOf(kLevelRecordMax + 1), tooMany},
    };
    for (const auto& f : files) {
        const std::string path = dir.Write(f.name, f.text).string();
        EXPECT_EQ(LevelFileRefusal(path), f.refusal) << f.name;
        EXPECT_EQ(LevelFileBuilds(path), f.refusal.empty()) << f.name;
    }
    EXPECT_EQ(LevelFileRefusal((dir.path / "Missing.txt").string()), unreadable);
}

TEST(LevelLoading, WhatIsNoLevelFileIsRefusedAtOnce) {
    TempDir dir;
    std::filesystem::create_directories(dir.path / "Folder.txt");
    const std::filesystem::path places[] = {
        dir.path / "Folder.txt",
        hostile::MakeFifo(dir.path / "Fifo.txt"),
        hostile::MakeEndless(dir.path / "Endless.txt"),
        dir.Write("Huge.txt", "floor.jpg wall.jpg walls.jpg (20,20)\n" +
                                  std::string(contentlimits::kMaxLevelFileBytes, ' ')),
    };
    for (const std::filesystem::path& place : places)
        EXPECT_FALSE(hostile::WithinSeconds(place, [&] { return LevelFileBuilds(place.string()); }))
            << place;
}

}  // namespace
