#pragma once
#include "platform/Events.h"

// The window procedure: turns each window message into the window's flags, forwards the
// mouse to the menus, resizes the viewport and asks before quitting on Escape.
long WindowProc(const platform::WindowMessage& message);
