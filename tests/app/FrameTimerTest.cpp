#include "app/FrameTimer.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

#include "platform/fake/FakePlatform.h"

namespace {

class FrameTimerTest : public ::testing::Test {
protected:
    // Runs one update after a frame of the given length.
    float Frame(FrameTimer& timer, double seconds) {
        fake.clock.AdvanceSeconds(seconds);
        timer.Update();
        return timer.GetDeltaTime();
    }

    platform::FakePlatform fake;
};

TEST_F(FrameTimerTest, HighResolutionMeasuresEverySecondUpdate) {
    FrameTimer timer;
    timer.Init(true);
    // Frames of 10, 20, 30 and 40 ms from Init on: the first frame reads 0, and each
    // measurement covers the frame that just ended.
    std::vector<float> handedOut;
    handedOut.push_back(Frame(timer, 0.0));
    for (double frame : {0.010, 0.020, 0.030, 0.040}) handedOut.push_back(Frame(timer, frame));
    const std::vector<float> expected = {0.0f, 0.01f, 0.01f, 0.03f, 0.03f};
    ASSERT_EQ(handedOut.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(handedOut[i], expected[i], 1e-6) << "frame " << i + 1;
}

TEST_F(FrameTimerTest, HighResolutionWithoutFrequencyKeepsTheStart) {
    FrameTimer timer;
    timer.Init(true);
    Frame(timer, 0.0);
    fake.clock.frequencyWorks = false;
    EXPECT_EQ(Frame(timer, 0.010), 0.0f);
    fake.clock.frequencyWorks = true;
    // Measured again from the same start: both frames.
    EXPECT_NEAR(Frame(timer, 0.020), 0.030f, 1e-6);
}

TEST_F(FrameTimerTest, MillisecondModeMeasuresEveryUpdate) {
    FrameTimer timer;
    fake.clock.milliseconds = 1000;
    timer.Update();
    EXPECT_NEAR(Frame(timer, 0.016), 0.016f, 1e-6);
    EXPECT_NEAR(Frame(timer, 0.034), 0.034f, 1e-6);
}

struct AlarmCase {
    const char* name;
    bool repeat;
    std::vector<bool> answers;  // one call per 0.1 s frame
};

void PrintTo(const AlarmCase& c, std::ostream* os) {
    *os << c.name;
}

class AlarmSequence : public FrameTimerTest, public ::testing::WithParamInterface<AlarmCase> {};

TEST_P(AlarmSequence, AnswersFrameByFrame) {
    const AlarmCase& sequence = GetParam();
    FrameTimer timer;
    timer.Init(true);
    Frame(timer, 0.0);
    Frame(timer, 0.1);  // deltaTime is now 0.1 on every update
    for (size_t call = 0; call < sequence.answers.size(); ++call) {
        EXPECT_EQ(timer.Alarm(3, 0.25f, sequence.repeat), sequence.answers[call])
            << "call " << call + 1;
        Frame(timer, 0.1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FrameTimer, AlarmSequence,
    ::testing::Values(
        AlarmCase{"OneShot", false, {false, false, false, true, false, false, false, false, false}},
        AlarmCase{
            "Repeating", true, {false, false, false, true, false, false, false, true, false}}),
    [](const ::testing::TestParamInfo<AlarmCase>& info) { return std::string(info.param.name); });

TEST_F(FrameTimerTest, OneShotLandingExactlyOnItsDurationFiresOnce) {
    FrameTimer timer;
    timer.Init(true);
    Frame(timer, 0.0);
    Frame(timer, 0.5);  // deltaTime 0.5, exactly the duration
    EXPECT_FALSE(timer.Alarm(0, 0.5f, false));
    EXPECT_TRUE(timer.Alarm(0, 0.5f, false));
    for (int call = 0; call < 5; ++call) EXPECT_FALSE(timer.Alarm(0, 0.5f, false));
}

TEST_F(FrameTimerTest, SlotsOutsideZeroToNineAreInert) {
    FrameTimer timer;
    timer.Init(true);
    Frame(timer, 0.0);
    Frame(timer, 1.0);
    for (int slot : {10, 11, -1, -100}) {
        for (int call = 0; call < 4; ++call) EXPECT_FALSE(timer.Alarm(slot, 0.0f, false)) << slot;
    }
}

TEST_F(FrameTimerTest, ResetLetsAFiredSlotFireAgainWithItsNewDuration) {
    FrameTimer timer;
    timer.Init(true);
    Frame(timer, 0.0);
    Frame(timer, 1.0);
    EXPECT_FALSE(timer.Alarm(0, 2.0f, false));
    EXPECT_FALSE(timer.Alarm(0, 2.0f, false));
    EXPECT_TRUE(timer.Alarm(0, 2.0f, false));
    EXPECT_FALSE(timer.Alarm(0, 0.1f, false));
    timer.ResetAlarms();
    EXPECT_FALSE(timer.Alarm(0, 0.1f, false));  // arms with 0.1
    EXPECT_TRUE(timer.Alarm(0, 0.1f, false));   // one frame of 1.0 s is enough
}

TEST_F(FrameTimerTest, AnAlarmCountsOnlyWhenAsked) {
    FrameTimer timer;
    timer.Init(true);
    Frame(timer, 0.0);
    Frame(timer, 0.1);
    EXPECT_FALSE(timer.Alarm(2, 0.25f, false));
    for (int frame = 0; frame < 10; ++frame) Frame(timer, 0.1);  // not asked
    EXPECT_FALSE(timer.Alarm(2, 0.25f, false));
    EXPECT_FALSE(timer.Alarm(2, 0.25f, false));
    EXPECT_TRUE(timer.Alarm(2, 0.25f, false));
}

}  // namespace
