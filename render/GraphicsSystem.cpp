#include "render/GraphicsSystem.h"

void GraphicsSystem::Init(int width, int height, int bitsPerPixel) {
    if (!renderer) renderer = std::make_unique<Renderer>();
    renderer->Init(width, height, bitsPerPixel);
}

void GraphicsSystem::Shutdown() {
    renderer.reset();
}

void GraphicsSystem::Clear() {
    if (renderer) renderer->Clear();
}

void GraphicsSystem::SwapBuffers() {
    if (renderer) renderer->SwapBuffers();
}
