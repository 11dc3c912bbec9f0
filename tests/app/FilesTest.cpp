#include "platform/Files.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>

#include "platform/ContentLimits.h"
#include "tests/app/HostileFiles.h"
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
        std::string text;
        ASSERT_EQ(platform::ReadContentFile(path, 100, text) == platform::ContentRead::Read,
                  c.opens)
            << path;
        EXPECT_EQ(text, c.opens ? "content" : "");
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
    std::string bytes;
    EXPECT_EQ(platform::ReadContentFile("resources/sound/boom.mp3", 100, bytes),
              platform::ContentRead::Read);
    EXPECT_EQ(platform::ReadContentFile(".\\RESOURCES\\Sound\\BOOM.mp3", 100, bytes),
              platform::ContentRead::Read);
}

// What may stand where a content file should, and what reading it comes to.
struct HostileCase {
    const char* name;
    std::function<std::filesystem::path(const TempDir&)> make;
    platform::ContentRead read;
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr std::size_t kCap = 4 * contentlimits::kMaxLineBytes;

class ContentReadTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(ContentReadTest, ReadsOnlyARegularFileWithinItsCapAndNeverWaits) {
    TempDir dir;
    const std::filesystem::path path = GetParam().make(dir);
    const auto [read, bytes] = hostile::WithinSeconds(path, [&] {
        std::string text;
        const platform::ContentRead result = platform::ReadContentText(path.string(), kCap, text);
        return std::pair{result, text};
    });
    EXPECT_EQ(read, GetParam().read);
    if (read != platform::ContentRead::Read) {
        EXPECT_EQ(bytes, "");
    }
}

const std::string kLongLine(contentlimits::kMaxLineBytes + 1, 'x');

INSTANTIATE_TEST_SUITE_P(
    Hostile, ContentReadTest,
    ::testing::Values(
        HostileCase{"AtTheCap",
                    [](const TempDir& d) { return d.Write("a.txt", std::string(kCap, '\n')); },
                    platform::ContentRead::Read},
        HostileCase{"Missing", [](const TempDir& d) { return d.path / "none.txt"; },
                    platform::ContentRead::Missing},
        HostileCase{"Directory",
                    [](const TempDir& d) {
                        std::filesystem::create_directories(d.path / "dir.txt");
                        return d.path / "dir.txt";
                    },
                    platform::ContentRead::NotAFile},
        HostileCase{"Fifo", [](const TempDir& d) { return hostile::MakeFifo(d.path / "fifo.txt"); },
                    platform::ContentRead::NotAFile},
        HostileCase{"Endless",
                    [](const TempDir& d) { return hostile::MakeEndless(d.path / "zero.txt"); },
                    platform::ContentRead::NotAFile},
        HostileCase{
            "OverTheCap",
            [](const TempDir& d) { return d.Write("big.txt", std::string(kCap + 1, '\n')); },
            platform::ContentRead::TooLarge},
        HostileCase{"LineOverItsCap",
                    [](const TempDir& d) { return d.Write("line.txt", "a\n" + kLongLine + "\nb"); },
                    platform::ContentRead::LineTooLong}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContentReadTest, ALineAtItsCapReadsAndABinaryFileKeepsItsLongRuns) {
    TempDir dir;
    const std::string longest(contentlimits::kMaxLineBytes, 'x');
    const auto text = dir.Write("text.txt", longest + "\r\n" + longest);
    std::istringstream in;
    ASSERT_TRUE(platform::OpenContentText(text.string(), 3 * longest.size(), in));
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, longest + "\r");  // the line reader drops the CR
    const auto binary = dir.Write("model.bin", kLongLine);
    std::string bytes;
    EXPECT_EQ(platform::ReadContentFile(binary.string(), kLongLine.size(), bytes),
              platform::ContentRead::Read);
    EXPECT_EQ(bytes, kLongLine);
}

}  // namespace
