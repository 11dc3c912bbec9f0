#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

#include "app/FileLoader.h"
#include "app/TagFile.h"
#include "tests/app/TempDir.h"

namespace {

using Tags = std::map<std::string, std::string>;

struct TagCase {
    const char* name;
    std::string text;
    Tags tags;
};

void PrintTo(const TagCase& c, std::ostream* os) {
    *os << c.name;
}

class TagFileTest : public ::testing::TestWithParam<TagCase> {};

TEST_P(TagFileTest, ReadsTheCompleteElements) {
    const TagCase& c = GetParam();
    TempDir dir;
    const auto file = dir.Write("vehicle.txt", c.text);
    FileLoader loader;
    EXPECT_EQ(loader.ReadTagFile(file.string().c_str()), c.tags);
}

const std::string kLong(kMaxTagPiece, 'v');

INSTANTIATE_TEST_SUITE_P(
    Files, TagFileTest,
    ::testing::Values(
        TagCase{"Elements",
                "<NAME>Davavod Tank</NAME>\n<HIT_POINTS>100</HIT_POINTS>\n",
                {{"NAME", "Davavod Tank"}, {"HIT_POINTS", "100"}}},
        TagCase{"NoFinalNewline",
                "<NAME>Davavod Tank</NAME>\n<HIT_POINTS>100</HIT_POINTS>",
                {{"NAME", "Davavod Tank"}, {"HIT_POINTS", "100"}}},
        TagCase{"CrLf",
                "<NAME>Tank</NAME>\r\n<PILOT>\r\nBob\r\n</PILOT>\r\n",
                {{"NAME", "Tank"}, {"PILOT", "\nBob\n"}}},
        TagCase{"DuplicateKeyKeepsTheSecond",
                "<NAME>first</NAME><NAME>second</NAME>",
                {{"NAME", "second"}}},
        TagCase{
            "ValueOnItsOwnLine", "<NAME>\nDavavod Tank\n</NAME>\n", {{"NAME", "\nDavavod Tank\n"}}},
        TagCase{"VerbatimAndUncheckedClosingTag",
                "junk <Key A> v a l </whatever>",
                {{"Key A", " v a l "}}},
        TagCase{"EmptyKeyAndValue", "<></>", {{"", ""}}},
        TagCase{"PiecesOfTheLongestLengthRead",
                kLong + "<" + std::string(kMaxTagPiece, 'k') + ">" + kLong + "<" + kLong + ">",
                {{std::string(kMaxTagPiece, 'k'), kLong}}},
        TagCase{"OverLongValueEndsReading", "<A>1</A><B>" + kLong + "v</B><C>3</C>", {{"A", "1"}}},
        TagCase{"OverLongTextBetweenEndsReading", "<A>1</A>" + kLong + "x<C>3</C>", {{"A", "1"}}},
        TagCase{"TruncatedElementIsDropped", "<A>1</A><B>2</B", {{"A", "1"}}},
        TagCase{"ValueCutOffIsDropped", "<A>1</A><B>2", {{"A", "1"}}},
        TagCase{"KeyCutOffIsDropped", "<A>1</A><B", {{"A", "1"}}},
        TagCase{"NoTags", "just some words\n", {}}, TagCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TagFileMissingTest, AFileThatDoesNotOpenGivesAnEmptyMap) {
    TempDir dir;
    FileLoader loader;
    EXPECT_TRUE(loader.ReadTagFile((dir.path / "absent.txt").string().c_str()).empty());
    EXPECT_TRUE(loader.ReadTagFile(nullptr).empty());
}

}  // namespace
