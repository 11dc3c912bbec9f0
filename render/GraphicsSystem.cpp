#include "render/GraphicsSystem.h"

#include "render/TextureSource.h"

namespace {

// Model materials get their textures from the texture manager while there is one.
class ManagedTextures : public TextureSource {
public:
    unsigned LoadTexture(const std::string& path) override {
        return graphicsSystem.textureManager
                   ? graphicsSystem.textureManager->LoadTexture(path.c_str())
                   : 0;
    }
};

ManagedTextures managedTextures;

}  // namespace

void GraphicsSystem::Init(int width, int height, int bitsPerPixel) {
    if (!renderer) renderer = std::make_unique<Renderer>();
    if (!textureManager) textureManager = std::make_unique<TextureManager>();
    // The camera exists before the renderer loads its projection.
    if (!camera) camera = std::make_unique<Camera>();
    SetModelTextureSource(&managedTextures);
    renderer->Init(width, height, bitsPerPixel);
}

void GraphicsSystem::Shutdown() {
    if (textureManager) SetModelTextureSource(nullptr);
    camera.reset();
    textureManager.reset();
    renderer.reset();
}

void GraphicsSystem::Clear() {
    if (renderer) renderer->Clear();
}

void GraphicsSystem::SwapBuffers() {
    if (renderer) renderer->SwapBuffers();
}

void GraphicsSystem::DrawMeshTree(MeshTree* model) {
    if (renderer) renderer->DrawMeshTree(model);
}
