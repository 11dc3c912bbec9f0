#pragma once
// Where models get their material textures. The renderer's texture manager answers once it
// is plugged in; until then every request answers 0 (no texture) and models draw untextured.
#include <string>

class TextureSource {
public:
    virtual ~TextureSource() = default;
    // The texture name of the image at `path`, or 0 when it cannot be read.
    virtual unsigned LoadTexture(const std::string& path) = 0;
};

namespace detail {
class NoTextures : public TextureSource {
public:
    unsigned LoadTexture(const std::string&) override { return 0; }
};
inline NoTextures noTextures;
inline TextureSource* modelTextureSource = &noTextures;
}  // namespace detail

// The source that model loaders without one of their own ask.
inline TextureSource& GetModelTextureSource() {
    return *detail::modelTextureSource;
}
// Null puts back the source that answers 0.
inline void SetModelTextureSource(TextureSource* source) {
    detail::modelTextureSource = source ? source : &detail::noTextures;
}
