#include "bench/common/BareFrame.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "app/Window.h"
#include "platform/sdl/SdlDisplay.h"
#include "render/GraphicsSystem.h"

namespace benchframes {

namespace {

long IgnoreMessages(const platform::WindowMessage&) {
    return 0;
}

}  // namespace

void BareFrame() {
    Renderer& renderer = *graphicsSystem.renderer;
    renderer.Clear();
    renderer.SwapBuffers();
    glFinish();
}

OffscreenWindow::OffscreenWindow(platform::Services services) : installed(services) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    // Unpaced: the swap returns as soon as the frame is done. The display reads it when made.
    setenv("BRASK_NO_PACING", "1", 1);
    display = std::make_unique<platform::SdlDisplay>();
    installed.display = display.get();
    platform::Install(installed);
    window.Init("Brask benchmark", "Brask benchmark", IgnoreMessages, kBareWidth, kBareHeight, 32,
                false);
    graphicsSystem.Init(kBareWidth, kBareHeight, 32);
    open = graphicsSystem.renderer && graphicsSystem.renderer->HasContext();
}

OffscreenWindow::~OffscreenWindow() {
    graphicsSystem.Shutdown();
    window.Destroy();
    platform::Uninstall();
}

std::string OffscreenWindow::Error() const {
    return display->LastError();
}

FrameTimes TimeBareFrames(int frames) {
    OffscreenWindow bare{platform::Services()};
    if (!bare.IsOpen()) return {};
    std::vector<double> frameMs;
    // The first frames set the driver up.
    for (int i = 0; i < 10; ++i) BareFrame();
    for (int i = 0; i < frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        BareFrame();
        frameMs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return Summarise(frameMs);
}

}  // namespace benchframes
