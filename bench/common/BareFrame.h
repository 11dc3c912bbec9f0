#pragma once
// The bare frame that a level frame is measured against: the screen cleared and swapped,
// and finished, in an offscreen window at 1024 x 768 on Mesa.
#include <memory>
#include <string>

#include "bench/common/FrameTimes.h"
#include "platform/Services.h"

namespace platform {
class SdlDisplay;
}

namespace benchframes {

constexpr int kBareWidth = 1024;
constexpr int kBareHeight = 768;

// One bare frame through the graphics system's renderer, which must have a context.
void BareFrame();

// The offscreen window with its OpenGL context, open for the object's lifetime; the
// services given are installed with the window's display in them.
class OffscreenWindow {
public:
    explicit OffscreenWindow(platform::Services services);
    ~OffscreenWindow();
    OffscreenWindow(const OffscreenWindow&) = delete;
    OffscreenWindow& operator=(const OffscreenWindow&) = delete;

    // Whether the context came up; else Error says why.
    bool IsOpen() const { return open; }
    std::string Error() const;
    // What was installed, so that a benchmark that swaps a service can put it back.
    const platform::Services& Installed() const { return installed; }

private:
    std::unique_ptr<platform::SdlDisplay> display;
    platform::Services installed;
    bool open = false;
};

// `frames` bare frames in a window of their own, opened and closed around them (no other
// window may be open): for benchmarks that draw nothing themselves.
FrameTimes TimeBareFrames(int frames);

}  // namespace benchframes
