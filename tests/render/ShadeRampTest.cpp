#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "render/ShadeRamp.h"
#include "tests/app/TempDir.h"

namespace {

std::string Lines(int count, float step) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(i * step) + "\n";
    return text;
}

TEST(ShadeRampTest, FortyLinesFillThirtyTwoEntriesAndLeaveTheRestUnread) {
    std::istringstream in(Lines(40, 0.01f));
    ShadeRampTable ramp;
    EXPECT_EQ(ReadShadeRamp(in, ramp), 32);
    for (int i = 0; i < 32; ++i) {
        EXPECT_NEAR(ramp[i][0], i * 0.01f, 1e-6) << i;
        EXPECT_EQ(ramp[i][1], ramp[i][0]);
        EXPECT_EQ(ramp[i][2], ramp[i][0]);
    }
    std::string next;
    std::getline(in, next);
    EXPECT_NEAR(std::stof(next), 0.32f, 1e-6);
}

struct ShortRamp {
    const char* name;
    std::string text;
    int filled;
    float last;
};
void PrintTo(const ShortRamp& c, std::ostream* out) {
    *out << c.name;
}

class ShortRampTest : public ::testing::TestWithParam<ShortRamp> {};

// The end of the file adds no entry, and what a short file leaves unfilled is defined.
TEST_P(ShortRampTest, FillsWhatItReadsAndRepeatsItsLastValue) {
    std::istringstream in(GetParam().text);
    ShadeRampTable ramp;
    FillDefaultShadeRamp(ramp);
    EXPECT_EQ(ReadShadeRamp(in, ramp), GetParam().filled);
    for (int i = GetParam().filled; i < 32; ++i) EXPECT_FLOAT_EQ(ramp[i][0], GetParam().last) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Ramp, ShortRampTest,
    ::testing::Values(ShortRamp{"ThreeLinesNoFinalNewline", "0.2\n0.5\n0.9", 3, 0.9f},
                      ShortRamp{"ThreeLinesCrlf", "0.2\r\n0.5\r\n0.75\r\n", 3, 0.75f},
                      ShortRamp{"TextReadsAsZero", "0.5\nbright\n", 2, 0.0f},
                      ShortRamp{"LeadingBlanks", "  0.25\n", 1, 0.25f}));

TEST(ShadeRampTest, AnEmptyFileLeavesTheDefaultRamp) {
    std::istringstream in("");
    ShadeRampTable ramp;
    FillDefaultShadeRamp(ramp);
    ShadeRampTable defaults;
    FillDefaultShadeRamp(defaults);
    EXPECT_EQ(ReadShadeRamp(in, ramp), 0);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(ramp[i][0], defaults[i][0]);
    EXPECT_FLOAT_EQ(defaults[0][0], 0.4f);
    EXPECT_FLOAT_EQ(defaults[31][0], 1.0f);
}

TEST(ShadeRampTest, NumbersDoNotFollowTheLocale) {
    CommaDecimalLocale comma;
    std::istringstream in("0.5\n");
    ShadeRampTable ramp;
    ReadShadeRamp(in, ramp);
    EXPECT_FLOAT_EQ(ramp[0][0], 0.5f);
}

TEST(ShadeRampTest, TheShippedRampHasThirtyTwoValuesFromDarkToBright) {
    std::ifstream file(std::string(BRASK_SOURCE_DIR) + "/RESOURCES/Art/Textures/shader.txt");
    ASSERT_TRUE(file.is_open());
    ShadeRampTable ramp;
    EXPECT_EQ(ReadShadeRamp(file, ramp), 32);
    std::string extra;
    EXPECT_FALSE(std::getline(file, extra)) << "more than 32 lines";
    for (int i = 1; i < 32; ++i) EXPECT_GE(ramp[i][0], ramp[i - 1][0]) << i;
    EXPECT_GT(ramp[0][0], 0.0f);
    EXPECT_LE(ramp[31][0], 1.0f);
}

}  // namespace
