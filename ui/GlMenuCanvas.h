#pragma once
// The menus drawn with OpenGL on the renderer's 2D overlay; nothing is drawn while no
// context exists.
#include "ui/MenuCanvas.h"

class GlMenuCanvas : public MenuCanvas {
public:
    void BeginMenus() override;
    void EndMenus() override;
    unsigned LoadTexture(const std::string& file, bool colourKey) override;
    void DrawQuad(const CanvasQuad& quad) override;
    void DrawLineStrip(const std::vector<CanvasVertex>& points, float depth,
                       const float colour[4]) override;
    void SetTextureOffset(float s, float t) override;
    void ResetTextureOffset() override;
    void DrawModel(MeshTree& model, float x, float y, float z, float tiltX, float scale) override;
    int CompileFont(const platform::GlyphSet& glyphs) override;
    void DeleteFont(int base) override;
    void DrawText2D(int base, float x, float y, const float rgb[3], std::string_view text) override;
    void DrawText3D(int base, float x, float y, float z, const float rgb[3],
                    std::string_view text) override;

private:
    static bool HasContext();
    static void CallGlyphs(int base, std::string_view text);
};
