#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "tests/app/TempDir.h"

namespace {

struct Rect {
    float xMin, xMax, zMin, zMax;
};

struct BoxCase {
    const char* name;
    std::string text;
    std::vector<Rect> boxes;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.name;
}

const Rect kFirst{-1, 1, -2, 2};
const Rect kSecond{0, 4, 0, 1};

class BoundingBoxFileTest : public ::testing::TestWithParam<BoxCase> {
protected:
    std::vector<Box> Read(const std::string& text) {
        dir.Write("RESOURCES/Files/BoundingBoxes/thing.txt", text);
        WorkingDirectory inside(dir.path);
        FileLoader loader;
        loader.Init();
        return loader.ReadBoundingBoxes("thing.txt");
    }

    TempDir dir;
};

TEST_P(BoundingBoxFileTest, ReadsTheCompleteRectangles) {
    const BoxCase& c = GetParam();
    const std::vector<Box> boxes = Read(c.text);
    ASSERT_EQ(boxes.size(), c.boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(boxes[i].xMin, c.boxes[i].xMin);
        EXPECT_EQ(boxes[i].xMax, c.boxes[i].xMax);
        EXPECT_EQ(boxes[i].zMin, c.boxes[i].zMin);
        EXPECT_EQ(boxes[i].zMax, c.boxes[i].zMax);
    }
}

TEST_P(BoundingBoxFileTest, ReadsTheSameWhateverTheUsersLocale) {
    const BoxCase& c = GetParam();
    CommaDecimalLocale comma;
    EXPECT_EQ(Read(c.text).size(), c.boxes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BoundingBoxFileTest,
    ::testing::Values(
        BoxCase{"TwoRectangles", "2\n(-1,-2),(1,2)\n(0,0),(4,1)\n", {kFirst, kSecond}},
        BoxCase{"NoFinalNewline", "2\n(-1,-2),(1,2)\n(0,0),(4,1)", {kFirst, kSecond}},
        BoxCase{"CrLf", "2\r\n(-1,-2),(1,2)\r\n(0,0),(4,1)\r\n", {kFirst, kSecond}},
        BoxCase{
            "FreeSpacingAndFractions", "1 ( -1.5 , -2 ) , ( 1.25 ,2.0)", {{-1.5f, 1.25f, -2, 2}}},
        BoxCase{"CornersAreNotReordered", "1\n(4,1),(0,0)\n", {{4, 0, 1, 0}}},
        BoxCase{"CountZero", "0\n(-1,-2),(1,2)\n", {}},
        BoxCase{"CountNegative", "-3\n(-1,-2),(1,2)\n", {}},
        BoxCase{"FewerThanTheCount", "3\n(-1,-2),(1,2)\n(0,0),(4,1)\n", {kFirst, kSecond}},
        BoxCase{"HugeCountIsNotAllocated", "2000000000\n(-1,-2),(1,2)\n", {kFirst}},
        BoxCase{"TruncatedRectangleIsDropped", "2\n(-1,-2),(1,2)\n(0,0),(4,", {kFirst}},
        BoxCase{"GarbageEndsTheList", "3\n(-1,-2),(1,2)\n(zero,0),(4,1)\n(0,0),(4,1)\n", {kFirst}},
        BoxCase{"NotANumberCount", "two\n(-1,-2),(1,2)\n", {}}, BoxCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoundingBoxMissingTest, AFileThatDoesNotOpenGivesNoRectangles) {
    TempDir dir;
    WorkingDirectory inside(dir.path);
    FileLoader loader;
    loader.Init();
    EXPECT_TRUE(loader.ReadBoundingBoxes("absent.txt").empty());
}

}  // namespace
