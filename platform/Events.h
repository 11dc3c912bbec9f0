#pragma once
// The game's own window message record: what the window procedure handles,
// translated from the platform's events at the edge.
#include <cstdint>

namespace platform {

// Message codes, with the values the window procedure and the menus compare.
enum : unsigned {
    WM_NULL = 0x0000,
    WM_DESTROY = 0x0002,
    WM_SIZE = 0x0005,
    WM_KEYDOWN = 0x0100,
    WM_SYSCOMMAND = 0x0112,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_RBUTTONDOWN = 0x0204,
};

// Button and modifier state carried by mouse messages.
enum : std::uint32_t {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

// System commands that would start the screen saver or power the monitor down.
enum : std::uint32_t {
    SC_SCREENSAVE = 0xF140,
    SC_MONITORPOWER = 0xF170,
};

struct WindowMessage {
    unsigned message = WM_NULL;
    // Key down: the virtual-key code. Mouse: the button/modifier state. Sys command: the command.
    std::uint32_t wParam = 0;
    // Mouse: the pointer in the game's 1024 x 768 space. Size: the new width and height.
    int x = 0;
    int y = 0;
};

class Events {
public:
    virtual ~Events() = default;
    // Takes the next pending message; false when none waits. Consecutive mouse moves
    // come out as the last of them.
    virtual bool Next(WindowMessage& message) = 0;
};

}  // namespace platform
