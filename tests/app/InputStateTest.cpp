#include "app/InputState.h"

#include <gtest/gtest.h>

#include <ostream>

#include <set>
#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace {

using namespace platform;

// One poll: the keys held at it, the slots that must read 1 afterwards, and the keys tapped
// (pressed and let go) since the poll before.
struct Poll {
    std::set<int> held;
    std::set<int> set;
    std::set<int> tapped = {};
};

struct SlotCase {
    const char* name;
    std::vector<Poll> polls;
};

void PrintTo(const SlotCase& c, std::ostream* os) {
    *os << c.name;
}

class InputSlotRules : public ::testing::TestWithParam<SlotCase> {};

TEST_P(InputSlotRules, SetsTheWinningSlots) {
    FakePlatform fake;
    InputState input;
    const std::vector<Poll>& polls = GetParam().polls;
    for (size_t i = 0; i < polls.size(); ++i) {
        fake.keyboard.held = polls[i].held;
        for (const int key : polls[i].tapped) fake.keyboard.Tap(key);
        input.Poll(0.0f);
        std::set<int> actual;
        for (int slot = 0; slot < InputState::kSlots; ++slot)
            if (input.keys[slot]) actual.insert(slot);
        EXPECT_EQ(actual, polls[i].set) << "poll " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    InputState, InputSlotRules,
    ::testing::Values(
        SlotCase{"RightHeldThenLeftAdded",
                 {{{vk::D}, {P1Right}},
                  {{vk::D, vk::A}, {P1Right}},
                  {{vk::D, vk::A}, {P1Right}},
                  {{vk::A}, {P1Left}}}},
        SlotCase{"LeftHeldThenRightAdded", {{{vk::A}, {P1Left}}, {{vk::A, vk::D}, {P1Left}}}},
        SlotCase{"FreshPressOfBothTurnsRight", {{{}, {}}, {{vk::D, vk::A}, {P1Right}}}},
        SlotCase{"ThrustBeatsBrake", {{{vk::W, vk::S}, {P1Thrust}}}},
        SlotCase{"PrimaryBeatsSecondary", {{{vk::J, vk::K}, {P1Primary}}}},
        SlotCase{"PlayerOneAlone",
                 {{{vk::D, vk::W, vk::J}, {P1Right, P1Thrust, P1Primary}},
                  {{vk::A, vk::S, vk::K}, {P1Left, P1Brake, P1Secondary}}}},
        SlotCase{
            "PlayerTwoRightHeldThenLeftAdded",
            {{{vk::Right}, {P2Right}}, {{vk::Right, vk::Left}, {P2Right}}, {{vk::Left}, {P2Left}}}},
        SlotCase{"PlayerTwoLeftHeldThenRightAdded",
                 {{{vk::Left}, {P2Left}}, {{vk::Left, vk::Right}, {P2Left}}}},
        SlotCase{"PlayerTwoOpposites",
                 {{{vk::Up, vk::Down, vk::Numpad0, vk::Decimal}, {P2Thrust, P2Primary}},
                  {{vk::Down, vk::Decimal}, {P2Brake, P2Secondary}}}},
        SlotCase{"PlayersDoNotJudgeEachOther",
                 {{{vk::D}, {P1Right}}, {{vk::Left, vk::Right}, {P2Right}}}},
        SlotCase{"CameraTwoBeatsThree", {{{vk::Numpad2, vk::Numpad3}, {CameraKey2}}}},
        SlotCase{"CameraOneBeatsAll", {{{vk::Numpad1, vk::Numpad2, vk::Numpad3}, {CameraKey1}}}},
        SlotCase{"CameraThreeAlone", {{{vk::Numpad3}, {CameraKey3}}}},
        SlotCase{"EscapeBeforeAnyLevelTimeIsDropped",
                 {{{vk::Escape, vk::D, vk::Numpad1}, {P1Right, CameraKey1}}}},
        // A tap between two polls is held for the next poll only, and then judged as a press.
        SlotCase{"TappedFireAndCameraKeyCountForOnePoll",
                 {{{}, {P1Primary, P2Primary, CameraKey1}, {vk::J, vk::Numpad0, vk::Numpad1}},
                  {{}, {}}}},
        SlotCase{"TapsInTwoPollsCountTwice",
                 {{{}, {P1Primary}, {vk::J}}, {{}, {P1Primary}, {vk::J}}, {{}, {}}}},
        SlotCase{"TapOfAHeldKeyChangesNothing",
                 {{{vk::W}, {P1Thrust}, {vk::W}}, {{vk::W}, {P1Thrust}}, {{}, {}}}},
        SlotCase{"TappedLeftAgainstHeldRightLoses",
                 {{{vk::D}, {P1Right}}, {{vk::D}, {P1Right}, {vk::A}}}},
        SlotCase{"TappedCameraKeyBeatsAHigherHeldOne",
                 {{{vk::Numpad3}, {CameraKey1}, {vk::Numpad1}}, {{vk::Numpad3}, {CameraKey3}}}}),
    [](const ::testing::TestParamInfo<SlotCase>& info) { return std::string(info.param.name); });

TEST(InputStateEscape, LetThroughOncePerIntervalOfWorldTimeAndAlone) {
    FakePlatform fake;
    InputState input;
    fake.keyboard.held = {vk::Escape, vk::D, vk::Right, vk::Numpad1};
    // World time in seconds at each poll, and whether Escape gets through.
    const std::vector<std::pair<float, bool>> polls = {
        {0.0f, false},  {0.25f, false}, {0.26f, true},  {0.30f, false},
        {0.51f, false}, {0.52f, true},  {0.52f, false}, {2.0f, true},
    };
    for (const auto& [time, through] : polls) {
        input.Poll(time);
        EXPECT_EQ(input.keys[ESCAPE], through ? 1 : 0) << "at " << time;
        if (through) {
            for (int slot = 0; slot < ESCAPE; ++slot) EXPECT_EQ(input.keys[slot], 0) << slot;
        } else {
            EXPECT_EQ(input.keys[P1Right], 1) << "at " << time;
            EXPECT_EQ(input.keys[P2Right], 1) << "at " << time;
            EXPECT_EQ(input.keys[CameraKey1], 1) << "at " << time;
        }
    }
}

// Three quick taps of Escape at twenty frames a second, each shorter than a frame: every one
// opens or closes the menu, and only in the poll right after it.
TEST(InputStateEscape, EveryQuickTapGetsThroughOnce) {
    FakePlatform fake;
    InputState input;
    const std::set<int> tappedBefore = {6, 12, 18};
    for (int frame = 1; frame <= 24; ++frame) {
        if (tappedBefore.count(frame)) fake.keyboard.Tap(vk::Escape);
        input.Poll(0.05f * static_cast<float>(frame));
        EXPECT_EQ(input.keys[ESCAPE], tappedBefore.count(frame) ? 1 : 0) << "frame " << frame;
    }
}

TEST(InputStateEscape, AcceptedEscapeStillRemembersThePreviousPoll) {
    FakePlatform fake;
    InputState input;
    fake.keyboard.held = {vk::A};
    input.Poll(0.0f);
    fake.keyboard.held = {vk::A, vk::Escape};
    input.Poll(1.0f);  // Escape alone
    EXPECT_EQ(input.previousKeys[P1Left], 1);
    fake.keyboard.held = {vk::A, vk::D};
    input.Poll(1.1f);
    // Left was not set in the Escape poll, so a fresh pair of both turns right.
    EXPECT_EQ(input.keys[P1Right], 1);
    EXPECT_EQ(input.keys[P1Left], 0);
}

}  // namespace
