#pragma once
// What the menus draw with: quads, line strips, textures, text and the selector's model, in
// window pixels (origin top left, y downwards). The game draws through OpenGL; tests record
// the calls instead, so the menu logic runs without a context.
#include <string>
#include <string_view>
#include <vector>

namespace platform {
struct GlyphSet;
}
class MeshTree;

struct CanvasVertex {
    float x = 0, y = 0;  // window pixels
    float s = 0, t = 0;  // texture coordinates
};

struct CanvasQuad {
    CanvasVertex corners[4];
    float depth = 0;
    float colour[4] = {1, 1, 1, 1};
    unsigned texture = 0;  // 0 draws untextured
};

class MenuCanvas {
public:
    virtual ~MenuCanvas() = default;

    // Around the whole menu pass: lighting and the depth test off, put back at the end.
    virtual void BeginMenus() = 0;
    virtual void EndMenus() = 0;

    // The texture name of a picture, 0 when it cannot be read. With the colour key the
    // texels whose red, green and blue are all at most 2 become transparent.
    virtual unsigned LoadTexture(const std::string& file, bool colourKey) = 0;

    virtual void DrawQuad(const CanvasQuad& quad) = 0;
    virtual void DrawLineStrip(const std::vector<CanvasVertex>& points, float depth,
                               const float colour[4]) = 0;
    // Moves the texture coordinates of the following quads (a scrolling picture); Reset
    // takes the move away again.
    virtual void SetTextureOffset(float s, float t) = 0;
    virtual void ResetTextureOffset() = 0;
    // A model turned to face the viewer: translated to (x, y, z) in view space, tilted by
    // `tiltX` degrees about the X axis and shrunk by `scale` (1 keeps its size), lit and
    // depth-tested.
    virtual void DrawModel(MeshTree& model, float x, float y, float z, float tiltX,
                           float scale) = 0;

    // Fonts: one display list per glyph; the result is the list base of code 32, or -1 when
    // nothing could be made.
    virtual int CompileFont(const platform::GlyphSet& glyphs) = 0;
    virtual void DeleteFont(int base) = 0;
    // The bytes as glyphs of the font at `base` (codes 32 to 219 only), from the raster
    // position (x, y) in window pixels, or at (x, y, z) in the current 3D matrices.
    virtual void DrawText2D(int base, float x, float y, const float rgb[3],
                            std::string_view text) = 0;
    virtual void DrawText3D(int base, float x, float y, float z, const float rgb[3],
                            std::string_view text) = 0;
};

// The canvas every widget draws on. Until one is installed a quiet one stands in that draws
// nothing and loads no texture.
MenuCanvas& GetMenuCanvas();
// Null puts the quiet one back.
void SetMenuCanvas(MenuCanvas* canvas);

// The seconds of the last frame, as the menus animate by it: the frame timer's, unless a
// test sets a source of its own (null puts the frame timer back).
float GetMenuDeltaTime();
void SetMenuDeltaTimeSource(float (*source)());
