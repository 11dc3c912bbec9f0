#include "app/InputState.h"

#include "app/ControlKeys.h"
#include "platform/Services.h"

namespace {

// The keys of slots 0 to 15, as virtual-key codes.
constexpr int kSlotKeys[ESCAPE + 1] = {
    platform::vk::D,       platform::vk::A,       platform::vk::W,       platform::vk::S,
    platform::vk::J,       platform::vk::K,       platform::vk::Right,   platform::vk::Left,
    platform::vk::Up,      platform::vk::Down,    platform::vk::Numpad0, platform::vk::Decimal,
    platform::vk::Numpad1, platform::vk::Numpad2, platform::vk::Numpad3, platform::vk::Escape,
};

}  // namespace

void InputState::Poll(float worldTime) {
    platform::Keyboard& keyboard = platform::GetKeyboard();
    keyboard.BeginPoll();
    for (int i = 0; i < kSlots; ++i) {
        previousKeys[i] = keys[i];
        keys[i] = 0;
    }

    // An accepted Escape is the only slot of its frame.
    keys[ESCAPE] = keyboard.IsKeyHeld(kSlotKeys[ESCAPE]) ? 1 : 0;
    if (keys[ESCAPE]) {
        if (lastEscapeTime + escapeInterval < worldTime) {
            lastEscapeTime = worldTime;
            return;
        }
        keys[ESCAPE] = 0;
    }

    PollPlayer(P1Right, &kSlotKeys[P1Right]);
    PollPlayer(P2Right, &kSlotKeys[P2Right]);

    for (int slot = CameraKey1; slot <= CameraKey3; ++slot)
        keys[slot] = keyboard.IsKeyHeld(kSlotKeys[slot]) ? 1 : 0;
    // Only the lowest camera key held counts.
    if (keys[CameraKey1]) {
        keys[CameraKey2] = 0;
        keys[CameraKey3] = 0;
    } else if (keys[CameraKey2]) {
        keys[CameraKey3] = 0;
    }
}

void InputState::PollPlayer(int firstSlot, const int* virtualKeys) {
    platform::Keyboard& keyboard = platform::GetKeyboard();
    std::uint8_t* slots = &keys[firstSlot];
    const std::uint8_t* previous = &previousKeys[firstSlot];
    for (int i = 0; i < ControlKeys::kFlags; ++i)
        slots[i] = keyboard.IsKeyHeld(virtualKeys[i]) ? 1 : 0;

    // The key that already won keeps winning while it is held; a fresh press of both turns right.
    using namespace ControlKeys;
    if (slots[TurnRight] && slots[TurnLeft]) {
        if (previous[TurnRight])
            slots[TurnLeft] = 0;
        else if (previous[TurnLeft])
            slots[TurnRight] = 0;
        else
            slots[TurnLeft] = 0;
    }
    if (slots[Thrust] && slots[Brake]) slots[Brake] = 0;
    if (slots[PrimaryFire] && slots[SecondaryFire]) slots[SecondaryFire] = 0;
}
