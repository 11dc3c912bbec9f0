#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/LevelFile.h"
#include "platform/ContentLimits.h"
#include "tests/app/TempDir.h"

namespace {

struct Record {
    std::string type, name;
    int x, z, w, h;
    std::string bounds;
};

struct LevelCase {
    const char* name;
    std::string text;
    bool headerRead;
    std::vector<Record> records;
};

void PrintTo(const LevelCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kHeader = "floor.bmp unused.bmp walls.bmp\n(25,20)\n";
const Record kSoap{"GAME_ENTITY", "soap.ms3d", 3, 4, 2, 2, "SPHERE"};
const Record kTank{"VEHICLE", "Tank.txt", 10, -1, 1, 1, "NONE"};

class LevelFileTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LevelFileTest, ReadsTheCompleteRecordsAndStops) {
    const LevelCase& c = GetParam();
    TempDir dir;
    const auto file = dir.Write("level.txt", c.text);
    std::string textures[3] = {"old1", "old2", "old3"};
    int gridX = -7, gridZ = -8;
    FileLoader loader;
    const std::vector<EntityDesc> records = loader.ReadLevelFile(
        file.string(), &textures[0], &textures[1], &textures[2], &gridX, &gridZ);
    if (c.headerRead) {
        EXPECT_EQ(textures[0], "floor.bmp");
        EXPECT_EQ(textures[1], "unused.bmp");
        EXPECT_EQ(textures[2], "walls.bmp");
        EXPECT_EQ(gridX, 25);
        EXPECT_EQ(gridZ, 20);
    } else {
        EXPECT_EQ(textures[0], "old1");
        EXPECT_EQ(gridX, -7);
        EXPECT_EQ(gridZ, -8);
    }
    ASSERT_EQ(records.size(), c.records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(records[i].type, c.records[i].type);
        EXPECT_EQ(records[i].name, c.records[i].name);
        EXPECT_EQ(records[i].x, c.records[i].x);
        EXPECT_EQ(records[i].z, c.records[i].z);
        EXPECT_EQ(records[i].w, c.records[i].w);
        EXPECT_EQ(records[i].h, c.records[i].h);
        EXPECT_EQ(records[i].bounds, c.records[i].bounds);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, LevelFileTest,
    ::testing::Values(
        LevelCase{
            "FinalNewline",
            kHeader + "GAME_ENTITY soap.ms3d (3,4) 2 2 SPHERE\nVEHICLE Tank.txt (10,-1) 1 1 NONE\n",
            true,
            {kSoap, kTank}},
        LevelCase{
            "NoFinalNewline",
            kHeader + "GAME_ENTITY soap.ms3d (3,4) 2 2 SPHERE\nVEHICLE Tank.txt (10,-1) 1 1 NONE",
            true,
            {kSoap, kTank}},
        LevelCase{"CrLf",
                  "floor.bmp unused.bmp walls.bmp\r\n(25,20)\r\n"
                  "GAME_ENTITY soap.ms3d (3,4) 2 2 SPHERE\r\nVEHICLE Tank.txt (10,-1) 1 1 NONE\r\n",
                  true,
                  {kSoap, kTank}},
        LevelCase{"HeaderOnly", kHeader, true, {}},
        LevelCase{"FreeSpacingAndOtherSeparators",
                  "floor.bmp unused.bmp walls.bmp ( 25 , 20 )\n"
                  "  GAME_ENTITY\tsoap.ms3d [3;4] 2\n2 SPHERE",
                  true,
                  {kSoap}},
        LevelCase{"TruncatedRecordIsDropped",
                  kHeader + "GAME_ENTITY soap.ms3d (3,4) 2 2 SPHERE\nVEHICLE Tank.txt (10,-1) 1",
                  true,
                  {kSoap}},
        LevelCase{
            "RecordWithoutBoundsAtTheEndIsDropped",
            kHeader + "GAME_ENTITY soap.ms3d (3,4) 2 2 SPHERE\nVEHICLE Tank.txt (10,-1) 1 1\n",
            true,
            {kSoap}},
        LevelCase{"GarbageWhereANumberBelongsEndsTheList",
                  kHeader + "GAME_ENTITY soap.ms3d (3,4) 2 2 SPHERE\n"
                            "GAME_ENTITY bad.ms3d (x,4) 2 2 NONE\n"
                            "VEHICLE Tank.txt (10,-1) 1 1 NONE\n",
                  true,
                  {kSoap}},
        LevelCase{"NumberTooLargeEndsTheList",
                  kHeader + "GAME_ENTITY soap.ms3d (3,4) 2 2 SPHERE\n"
                            "GAME_ENTITY big.ms3d (99999999999,4) 2 2 NONE\n",
                  true,
                  {kSoap}},
        LevelCase{"BrokenHeaderReadsNothing",
                  "floor.bmp unused.bmp walls.bmp\n(25,x)\n"
                  "GAME_ENTITY soap.ms3d (3,4) 2 2 SPHERE\n",
                  false,
                  {}},
        LevelCase{
            "WordOverItsCapInTheHeaderReadsNothing",
            std::string(contentlimits::kMaxTokenBytes + 1, 'f') + " unused.bmp walls.bmp (25,20)\n",
            false,
            {}},
        LevelCase{"WordOverItsCapEndsTheList",
                  kHeader + "GAME_ENTITY soap.ms3d (3,4) 2 2 SPHERE\nGAME_ENTITY " +
                      std::string(contentlimits::kMaxTokenBytes + 1, 'm') + " (1,1) 1 1 NONE\n",
                  true,
                  {kSoap}},
        LevelCase{"WordAtItsCapReads",
                  kHeader + "GAME_ENTITY soap.ms3d (3,4) 2 2 " +
                      std::string(contentlimits::kMaxTokenBytes, 'b') + "\n",
                  true,
                  {{"GAME_ENTITY", "soap.ms3d", 3, 4, 2, 2,
                    std::string(contentlimits::kMaxTokenBytes, 'b')}}},
        LevelCase{"EmptyFile", "", false, {}},
        LevelCase{"BinaryGarbage", std::string("\x01\xff(\0\0)\x7f", 8), false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LevelFileMissingTest, AFileThatDoesNotOpenLeavesTheOutputs) {
    TempDir dir;
    std::string texture = "kept";
    int gridX = 3, gridZ = 4;
    FileLoader loader;
    EXPECT_TRUE(loader
                    .ReadLevelFile((dir.path / "absent.txt").string(), &texture, &texture, &texture,
                                   &gridX, &gridZ)
                    .empty());
    EXPECT_EQ(texture, "kept");
    EXPECT_EQ(gridX, 3);
    EXPECT_EQ(gridZ, 4);
}

TEST(LevelFileMissingTest, AnOverLongWordEndsWithoutAHang) {
    std::istringstream in(kHeader + "GAME_ENTITY " + std::string(1 << 20, 'a') + " (1,1) 1 1");
    int gridX = 0, gridZ = 0;
    std::string t;
    EXPECT_TRUE(ParseLevelFile(in, &t, &t, &t, &gridX, &gridZ).empty());
}

// A file longer than the game plays is known as such without being read to its end.
TEST(LevelFileCapTest, ReadingStopsOneRecordBeyondTheCap) {
    std::string text = kHeader;
    for (std::size_t i = 0; i < kLevelRecordMax + 50; ++i)
        text += "VEHICLE Tank.txt (1,1) 1 1 NONE\n";
    std::istringstream in(text);
    int gridX = 0, gridZ = 0;
    std::string t;
    EXPECT_EQ(ParseLevelFile(in, &t, &t, &t, &gridX, &gridZ).size(), kLevelRecordMax + 1);
}

}  // namespace
