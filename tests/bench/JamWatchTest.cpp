// The jam rule of the scenario benchmarks, on scripted drives at 16 ms frames: what counts as
// jammed, for how long, and where an episode ends.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "bench/world/JamWatch.h"

namespace {

constexpr float kFrame = 0.016f;

struct Moment {
    float x, z;
    bool thrust, touching;
};

struct Drive {
    const char* what;
    float seconds;
    std::function<Moment(float t)> at;  // t: seconds since the start
    double jammed;                      // expected jammed seconds
    double longest;                     // expected longest episode
};

// Pressing into furniture: thrust held, rocking a unit back and forth.
Moment Pressing(float t) {
    return {std::sin(t * 9.0f), 0.0f, true, false};
}

const Drive kDrives[] = {
    {"pressing for 8 s is jammed for 8 s", 8.0f, Pressing, 8.0, 8.0},
    {"pressing for 4 s is no jam", 4.0f, Pressing, 0.0, 0.0},
    {"turning on the spot with thrust does not restart the count", 9.0f,
     [](float t) {
         Moment m = Pressing(t);
         m.thrust = std::fmod(t, 3.0f) < 2.0f;  // a third of the time turning, no thrust
         return m;
     },
     9.0, 9.0},
    {"standing still without thrust is waiting, not a jam", 9.0f,
     [](float) {
         return Moment{0.0f, 0.0f, false, false};
     },
     0.0, 0.0},
    {"driving on is no jam", 9.0f,
     [](float t) {
         return Moment{t * 10.0f, 0.0f, true, false};
     },
     0.0, 0.0},
    {"orbiting close by is a jam", 9.0f,
     [](float t) {
         return Moment{1.5f * std::cos(t * 3.0f), 1.5f * std::sin(t * 3.0f), true, false};
     },
     9.0, 9.0},
    {"a wide circle back to where it began every 5 s is driving, not a jam", 12.0f,
     [](float t) {
         const float turn = t * 2.0f * 3.14159265f / 5.0f;
         return Moment{6.0f * std::cos(turn), 6.0f * std::sin(turn), true, false};
     },
     0.0, 0.0},
    {"pushing player one is no jam", 9.0f,
     [](float t) {
         Moment m = Pressing(t);
         m.touching = true;
         return m;
     },
     0.0, 0.0},
    {"two jams apart are two episodes", 26.0f,
     [](float t) {
         // 7 s pressing, 12 s driving far away, 7 s pressing again.
         if (t < 7.0f) return Pressing(t);
         if (t < 19.0f) return Moment{1000.0f + t * 10.0f, 0.0f, true, false};
         return Moment{5000.0f + std::sin(t * 9.0f), 0.0f, true, false};
     },
     14.0, 7.0},
};

TEST(JamWatch, CountsTheJammedTimeOfScriptedDrives) {
    for (const Drive& drive : kDrives) {
        SCOPED_TRACE(drive.what);
        JamWatch watch(kFrame);
        const int frames = static_cast<int>(std::lround(drive.seconds / kFrame));
        for (int i = 0; i < frames; ++i) {
            const Moment m = drive.at(static_cast<float>(i) * kFrame);
            watch.Sample(m.x, m.z, m.thrust, m.touching);
        }
        // Within a few frames: the window is 5 s rounded to whole frames.
        EXPECT_NEAR(watch.JammedSeconds(), drive.jammed, 0.1);
        EXPECT_NEAR(watch.LongestEpisodeSeconds(), drive.longest, 0.1);
    }
}

TEST(JamWatch, CountsTheEpisodesLongerThanAGivenTime) {
    JamWatch watch(kFrame);
    auto press = [&](float seconds, float x) {
        for (int i = 0; i < static_cast<int>(std::lround(seconds / kFrame)); ++i)
            watch.Sample(x, 0.0f, true, false);
    };
    auto driveAway = [&](float seconds) {
        for (int i = 0; i < static_cast<int>(std::lround(seconds / kFrame)); ++i)
            watch.Sample(1000.0f + static_cast<float>(i), 0.0f, true, false);
    };
    press(9.0f, 0.0f);
    driveAway(6.0f);
    press(6.0f, 2000.0f);
    driveAway(6.0f);
    press(12.0f, 4000.0f);  // still going at the last sample
    EXPECT_EQ(watch.EpisodesOver(8.0), 2);
    EXPECT_EQ(watch.EpisodesOver(5.5), 3);
    EXPECT_NEAR(watch.LongestEpisodeSeconds(), 12.0, 0.1);
}

}  // namespace
