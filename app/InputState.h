#pragma once
// The keyboard, read once a frame into twenty key slots: player one's six control
// flags, player two's six, three camera keys and Escape.
#include <cstdint>

#include "app/ControlKeys.h"

// Names of the key slots. A vehicle's six control flags start at its player's first slot.
enum KeySlot {
    P1Right = ControlKeys::kPlayerOneFirst + ControlKeys::TurnRight,
    P1Left,
    P1Thrust,
    P1Brake,
    P1Primary,
    P1Secondary,
    P2Right = ControlKeys::kPlayerTwoFirst + ControlKeys::TurnRight,
    P2Left,
    P2Thrust,
    P2Brake,
    P2Primary,
    P2Secondary,
    CameraKey1 = ControlKeys::kBothPlayers,
    CameraKey2,
    CameraKey3,
    ESCAPE,
};

class InputState {
public:
    static constexpr int kSlots = 20;

    InputState() = default;

    // Reads the keys; worldTime is the World's clock, which paces Escape.
    void Poll(float worldTime);

    std::uint8_t keys[kSlots] = {};
    std::uint8_t previousKeys[kSlots] = {};
    float lastEscapeTime = 0.0f;
    float escapeInterval = 0.25f;

private:
    void PollPlayer(int firstSlot, const int* virtualKeys);
};

extern InputState inputState;
