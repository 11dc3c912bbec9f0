#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "platform/ContentLimits.h"
#include "platform/Files.h"
#include "tests/app/TempDir.h"

namespace {

constexpr int kUnset = -99;
constexpr float kUnsetFloat = -99.0f;

// One line against one format with up to three targets of one kind; the line after it must
// still read as the next line.
struct LineCase {
    const char* name;
    std::string line;  // with its line end
    const char* format;
    char kind;                          // 'i', 'f' or 's'
    std::vector<std::string> expected;  // per target, "-" for unchanged
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class LineReaderTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineReaderTest, FillsTheTargetsOfTheLineAndStopsAtItsEnd) {
    const LineCase& c = GetParam();
    std::istringstream in(c.line + "next = 7\n");
    std::vector<std::string> got;
    if (c.kind == 'i') {
        int v[3] = {kUnset, kUnset, kUnset};
        FileLoader::ReadIntLine(&in, c.format, &v[0], &v[1], &v[2]);
        for (int x : v) got.push_back(x == kUnset ? "-" : std::to_string(x));
    } else if (c.kind == 'f') {
        float v[3] = {kUnsetFloat, kUnsetFloat, kUnsetFloat};
        FileLoader::ReadFloatLine(&in, c.format, &v[0], &v[1], &v[2]);
        for (float x : v) {
            std::ostringstream text;
            text << x;
            got.push_back(x == kUnsetFloat ? "-" : text.str());
        }
    } else {
        std::string v[3] = {"-", "-", "-"};
        FileLoader::ReadStringLine(&in, c.format, &v[0], &v[1], &v[2]);
        got.assign(std::begin(v), std::end(v));
    }
    got.resize(c.expected.size());
    EXPECT_EQ(got, c.expected);
    int next = kUnset;
    FileLoader::ReadIntLine(&in, "next = %i", &next);
    EXPECT_EQ(next, 7) << "the following line reads as the next one";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineReaderTest,
    ::testing::Values(
        LineCase{"TwoValues", "size = 40, 25\n", "size = %i, %i", 'i', {"40", "25", "-"}},
        LineCase{"MissingCommaStopsAfterTheFirst",
                 "size = 40 25\n",
                 "size = %i, %i",
                 'i',
                 {"40", "-", "-"}},
        LineCase{"MoreWordsAfterTheValue",
                 "alpha = 0.5 and more words\n",
                 "alpha = %f",
                 'f',
                 {"0.5", "-"}},
        LineCase{
            "LeadingZeroIsOctal", "chars per line = 012\n", "chars per line = %i", 'i', {"10"}},
        LineCase{"EightAfterALeadingZeroIsNotOctal",
                 "chars per line = 08\n",
                 "chars per line = %i",
                 'i',
                 {"0"}},
        LineCase{"Hexadecimal", "fade step = 0x1A\n", "fade step = %i", 'i', {"26"}},
        LineCase{"Signs", "position = -3, +4\n", "position = %i, %i", 'i', {"-3", "4"}},
        LineCase{"IntegerOutOfRangeLeavesTheTarget",
                 "num particles = 99999999999\n",
                 "num particles = %i",
                 'i',
                 {"-"}},
        LineCase{"IntegerLimits",
                 "position = -2147483648, 2147483647\n",
                 "position = %i, %i",
                 'i',
                 {"-2147483648", "2147483647"}},
        LineCase{"OneBeyondEachIntegerLimitLeavesTheTarget",
                 "position = 2147483648, -2147483649\n",
                 "position = %i, %i",
                 'i',
                 {"-", "-"}},
        LineCase{"TwoSignsAreNoFloat", "alpha = --1\n", "alpha = %f", 'f', {"-"}},
        LineCase{"TwoBlanksInTheFormatMatchOne",
                 "fade in duration = 1.5\n",
                 "fade in duration  = %f",
                 'f',
                 {"1.5"}},
        LineCase{"BlanksInTheFormatMatchNone",
                 "fade in duration=1.5\n",
                 "fade in duration  = %f",
                 'f',
                 {"1.5"}},
        LineCase{"FloatForms",
                 "gravity = -0.5, 2e1, .25\n",
                 "gravity = %f, %f, %f",
                 'f',
                 {"-0.5", "20", "0.25"}},
        LineCase{"WholeNumberAsFloat", "lifetime = 3\n", "lifetime = %f", 'f', {"3"}},
        LineCase{"Brackets", "portrait[2]\n", "portrait[%i]", 'i', {"2"}},
        LineCase{"MisspeltLabelLeavesTheTarget",
                 "num particels = 5\n",
                 "num particles = %i",
                 'i',
                 {"-"}},
        LineCase{"CaseMatters", "Alpha = 0.5\n", "alpha = %f", 'f', {"-"}},
        LineCase{"IndentedLineDoesNotMatch", "  alpha = 0.5\n", "alpha = %f", 'f', {"-"}},
        LineCase{"CrLf",
                 "window color = 0.1, 0.2, 0.3\r\n",
                 "window color = %f, %f, %f",
                 'f',
                 {"0.1", "0.2", "0.3"}},
        LineCase{"Word",
                 "texture path = ./RESOURCES/Art/spark.bmp\n",
                 "texture path = %s",
                 's',
                 {"./RESOURCES/Art/spark.bmp"}},
        LineCase{"WordAtCrLfEndHasNoCarriageReturn",
                 "smoke effects = true\r\n",
                 "smoke effects = %s",
                 's',
                 {"true"}},
        LineCase{"EmptyValueDoesNotReachIntoTheNextLine", "name = \n", "name = %s", 's', {"-"}},
        LineCase{"EmptyNumberDoesNotReachIntoTheNextLine", "alpha =\n", "alpha = %f", 'f', {"-"}},
        // The longest line a text file may hold.
        LineCase{"LongWord",
                 "name = " + std::string(contentlimits::kMaxLineBytes - 7, 'w') + "\n",
                 "name = %s",
                 's',
                 {std::string(contentlimits::kMaxLineBytes - 7, 'w')}},
        LineCase{"CommasAtTheEndsOfTheFormatGiveNoPiece",
                 "size = 1, 2\n",
                 ",size = %i,, %i,",
                 'i',
                 {"1", "2", "-"}},
        LineCase{"PercentSign", "rate = 5%, 6\n", "rate = %i%%, %i", 'i', {"5", "6"}},
        LineCase{"BlankLineLeavesTheTarget", "\n", "alpha = %f", 'f', {"-"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineSequenceTest, ABlankLineMakesTheNextKeyFailInItsTurn) {
    std::istringstream in("lifetime = 2\n\ninterval = 0.5\nfade speed = 3\n");
    float lifetime = 0, interval = -1, fadeSpeed = -1;
    FileLoader::ReadFloatLine(&in, "lifetime = %f", &lifetime);
    FileLoader::ReadFloatLine(&in, "interval = %f", &interval);
    FileLoader::ReadFloatLine(&in, "fade speed = %f", &fadeSpeed);
    EXPECT_EQ(lifetime, 2.0f);
    EXPECT_EQ(interval, -1.0f);
    EXPECT_EQ(fadeSpeed, -1.0f);
}

TEST(LineSequenceTest, TheLastLineWithoutALineBreakReadsAndTheEndReadsNothing) {
    std::istringstream in("alpha = 0.5\nlifetime = 2");
    float alpha = 0, lifetime = 0, more = -1;
    FileLoader::ReadFloatLine(&in, "alpha = %f", &alpha);
    FileLoader::ReadFloatLine(&in, "lifetime = %f", &lifetime);
    FileLoader::ReadFloatLine(&in, "lifetime = %f", &more);
    EXPECT_EQ(alpha, 0.5f);
    EXPECT_EQ(lifetime, 2.0f);
    EXPECT_EQ(more, -1.0f);
}

TEST(LineSequenceTest, ALineOverItsCapEndsTheStreamThere) {
    std::istringstream in("alpha = 0.5\n" + std::string(contentlimits::kMaxLineBytes + 1, 'x') +
                          "\nlifetime = 2\n");
    float alpha = 0, lifetime = -1;
    FileLoader::ReadFloatLine(&in, "alpha = %f", &alpha);
    FileLoader::ReadFloatLine(&in, "x = %f", &lifetime);
    FileLoader::ReadFloatLine(&in, "lifetime = %f", &lifetime);
    EXPECT_EQ(alpha, 0.5f);
    EXPECT_EQ(lifetime, -1.0f);
    std::string line;
    std::istringstream atTheCap(std::string(contentlimits::kMaxLineBytes, 'x') + "\r\n");
    ASSERT_TRUE(ReadPhysicalLine(atTheCap, line));
    EXPECT_EQ(line.size(), contentlimits::kMaxLineBytes);
    EXPECT_FALSE(ReadPhysicalLine(atTheCap, line));
}

TEST(LineSequenceTest, ANullStreamTouchesNothing) {
    int value = 5;
    float f = 1.5f;
    std::string s = "kept";
    FileLoader::ReadIntLine(nullptr, "a = %i", &value);
    FileLoader::ReadFloatLine(nullptr, "a = %f", &f);
    FileLoader::ReadStringLine(nullptr, "a = %s", &s);
    FileLoader::SkipText(nullptr, "{");
    FileLoader::ReadQuotedString(nullptr, &s);
    FileLoader::ReadQuotedValue(nullptr, "a = %s", &s);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(f, 1.5f);
    EXPECT_EQ(s, "kept");
}

TEST(LineSequenceTest, NumbersReadTheSameWhateverTheUsersLocale) {
    CommaDecimalLocale comma;
    std::istringstream in("color = 0.25, 1.5, 2\n");
    float r = 0, g = 0, b = 0;
    FileLoader::ReadFloatLine(&in, "color = %f, %f, %f", &r, &g, &b);
    EXPECT_EQ(r, 0.25f);
    EXPECT_EQ(g, 1.5f);
    EXPECT_EQ(b, 2.0f);
}

TEST(LineSequenceTest, ReadsAnOpenedFile) {
    TempDir dir;
    const auto file = dir.Write("Script.cfg", "num particles = 12\r\nname = spark");
    std::istringstream in;
    ASSERT_TRUE(platform::OpenContentText((dir.path / "script.cfg").string(),
                                          contentlimits::kMaxParticleFileBytes, in));
    int count = 0;
    std::string name;
    FileLoader::ReadIntLine(&in, "num particles = %i", &count);
    FileLoader::ReadStringLine(&in, "name = %s", &name);
    EXPECT_EQ(count, 12);
    EXPECT_EQ(name, "spark");
}

struct QuotedCase {
    const char* name;
    std::string text;
    bool value;  // ReadQuotedValue, else ReadQuotedString
    std::string expected;
    std::string rest;  // what the stream holds afterwards
};

void PrintTo(const QuotedCase& c, std::ostream* os) {
    *os << c.name;
}

class QuotedTextTest : public ::testing::TestWithParam<QuotedCase> {};

TEST_P(QuotedTextTest, ReadsTheTextAndSkipsTheRestOfItsLine) {
    const QuotedCase& c = GetParam();
    std::istringstream in(c.text);
    std::string out = "unset";
    if (c.value)
        FileLoader::ReadQuotedValue(&in, "dialogue text = %s", &out);
    else
        FileLoader::ReadQuotedString(&in, &out);
    EXPECT_EQ(out, c.expected);
    std::string rest(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(rest, c.rest);
}

INSTANTIATE_TEST_SUITE_P(
    Quoted, QuotedTextTest,
    ::testing::Values(
        QuotedCase{"ValueAfterALabel", "dialogue text = \"a b\"\nnext\n", true, "a b", "next\n"},
        QuotedCase{"ValueAtTheQuote", "\"a b\" trailing\nnext\n", true, "a b", "next\n"},
        QuotedCase{"ValueOverLines", "label =\n\n  \"one\ntwo\"\nnext", true, "one\ntwo", "next"},
        QuotedCase{"ValueWithCrLf", "label = \"one\r\ntwo\"\r\nnext", true, "one\ntwo", "next"},
        QuotedCase{"ValueWithoutAnyQuote", "label = nothing\n", true, "", ""},
        QuotedCase{"ValueWithoutClosingQuote", "label = \"to the end\nof it", true,
                   "to the end\nof it", ""},
        QuotedCase{"StringTakesTheFirstCharacterAsTheQuote", "\"portrait.bmp\"\n}\n", false,
                   "portrait.bmp", "}\n"},
        QuotedCase{"StringWithoutClosingQuote", "\"to the end", false, "to the end", ""},
        QuotedCase{"StringAtTheEnd", "", false, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkipTextTest, SkipsTheBraceAndItsLineBreak) {
    for (const char* text : {"{\nportrait[0]\n", "{\r\nportrait[0]\n"}) {
        std::istringstream in(text);
        FileLoader::SkipText(&in, "{");
        int index = -1;
        FileLoader::ReadIntLine(&in, "portrait[%i]", &index);
        EXPECT_EQ(index, 0) << text;
    }
    std::istringstream shortStream("{");
    FileLoader::SkipText(&shortStream, "{{{");
    EXPECT_TRUE(shortStream.eof());
}

}  // namespace
