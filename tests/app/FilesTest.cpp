#include "platform/Files.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/app/TempDir.h"

namespace {

struct PathCase {
    const char* name;
    const char* onDisk;   // relative to the folder
    const char* written;  // as the game writes it, relative to the folder
    bool opens;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class ContentPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(ContentPathTest, OpensWithEitherSeparatorAndAnyCase) {
    const PathCase& c = GetParam();
    TempDir dir;
    dir.Write(c.onDisk, "content");
    const std::string root = dir.path.string();
    for (const std::string& path : {root + "/" + c.written, root + "\\" + c.written}) {
        std::ifstream file;
        ASSERT_EQ(platform::OpenContentFile(path, file), c.opens) << path;
        if (c.opens) {
            std::string text;
            file >> text;
            EXPECT_EQ(text, "content");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ContentPathTest,
    ::testing::Values(
        PathCase{"Exact", "RESOURCES/Files/Vehicles/Tank.txt", "RESOURCES/Files/Vehicles/Tank.txt",
                 true},
        PathCase{"Backslashes", "RESOURCES/Files/Tank.txt", "RESOURCES\\Files\\Tank.txt", true},
        PathCase{"MixedSeparators", "RESOURCES/Art/Textures/x.bmp",
                 ".\\RESOURCES\\Art/Textures/x.bmp", true},
        PathCase{"FileNameCase", "RESOURCES/Files/Vehicles/tank.txt",
                 "RESOURCES\\Files\\Vehicles\\Tank.txt", true},
        PathCase{"FolderCase", "Resources/files/vehicles/Tank.txt",
                 "RESOURCES/Files/Vehicles/TANK.TXT", true},
        PathCase{"DotDot", "RESOURCES/Art/Textures/x.bmp", "RESOURCES/Art/../art/textures/X.bmp",
                 true},
        PathCase{"Missing", "RESOURCES/Files/Tank.txt", "RESOURCES/Files/Buggy.txt", false},
        PathCase{"MissingFolder", "RESOURCES/Files/Tank.txt", "RESOURCES/Other/Tank.txt", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContentPathCaseTest, AnExactMatchWinsAndOtherwiseTheFirstInByteOrder) {
    TempDir dir;
    dir.Write("Tank.txt", "upper");
    dir.Write("tank.txt", "lower");
    const std::string root = dir.path.string() + "/";
    EXPECT_EQ(platform::ResolveContentPath(root + "tank.txt").filename(), "tank.txt");
    EXPECT_EQ(platform::ResolveContentPath(root + "Tank.txt").filename(), "Tank.txt");
    EXPECT_EQ(platform::ResolveContentPath(root + "TANK.txt").filename(), "Tank.txt");
}

TEST(ContentPathCaseTest, RelativePathsStartAtTheWorkingDirectory) {
    TempDir dir;
    dir.Write("RESOURCES/Sound/Boom.mp3", "x");
    WorkingDirectory inside(dir.path);
    std::ifstream file;
    EXPECT_TRUE(platform::OpenContentFile("resources/sound/boom.mp3", file));
    std::ifstream dotted;
    EXPECT_TRUE(platform::OpenContentFile(".\\RESOURCES\\Sound\\BOOM.mp3", dotted));
}

}  // namespace
