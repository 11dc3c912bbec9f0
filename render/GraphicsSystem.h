#pragma once
// The one object through which the game reaches drawing: it owns the renderer, the texture
// manager and the camera.
#include <memory>

#include "render/Camera.h"
#include "render/Renderer.h"
#include "render/TextureManager.h"

class MeshTree;

class GraphicsSystem {
public:
    GraphicsSystem() = default;
    ~GraphicsSystem() { Shutdown(); }
    GraphicsSystem(const GraphicsSystem&) = delete;
    GraphicsSystem& operator=(const GraphicsSystem&) = delete;

    // Makes the renderer, the texture manager and the camera, then the context on the window.
    void Init(int width, int height, int bitsPerPixel);
    // Deletes the camera, the texture manager and the renderer (whose context goes with it).
    void Shutdown();
    void Clear();
    void SwapBuffers();
    void DrawMeshTree(MeshTree* model);

    // Owned; other subsystems read them directly. Null before Init and after Shutdown.
    std::unique_ptr<Renderer> renderer;
    std::unique_ptr<TextureManager> textureManager;
    std::unique_ptr<Camera> camera;
};

extern GraphicsSystem graphicsSystem;
