#pragma once
// Whether a key is held, by the game's virtual-key codes, read once a frame.

namespace platform {

namespace vk {
constexpr int Escape = 0x1B;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int A = 0x41;
constexpr int D = 0x44;
constexpr int J = 0x4A;
constexpr int K = 0x4B;
constexpr int S = 0x53;
constexpr int W = 0x57;
constexpr int Numpad0 = 0x60;
constexpr int Numpad1 = 0x61;
constexpr int Numpad2 = 0x62;
constexpr int Numpad3 = 0x63;
constexpr int Decimal = 0x6E;
}  // namespace vk

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // Starts the frame's reading of the keys. A key pressed and released since the previous
    // start reads as held until the next one, so a tap shorter than a frame still counts.
    virtual void BeginPoll() = 0;
    virtual bool IsKeyHeld(int virtualKey) = 0;
};

}  // namespace platform
