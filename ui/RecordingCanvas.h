#pragma once
// A canvas that draws nothing and writes down every call, for tests of the menus without GL.
// Textures are numbered in the order asked for (files in `missingTextures` answer 0); fonts
// get bases 1000, 2000 and so on.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/MenuCanvas.h"

class RecordingCanvas : public MenuCanvas {
public:
    enum class Kind { Quad, LineStrip, Text2D, Text3D, Model, TextureOffset };
    struct Call {
        Kind kind;
        CanvasQuad quad;                   // Quad
        std::vector<CanvasVertex> points;  // LineStrip
        float depth = 0;                   // LineStrip
        float colour[4] = {};              // LineStrip, text (rgb)
        int font = -1;                     // text: the font's index in creation order
        float x = 0, y = 0, z = 0;         // text position, model position, texture offset
        std::string text;
        const MeshTree* model = nullptr;
        float scale = 1;  // Model
    };

    std::vector<Call> calls;
    std::map<std::string, unsigned> textures;  // file to texture name
    std::set<std::string> missingTextures;
    std::vector<int> deletedFonts;
    int menuPasses = 0;

    // The calls of one kind, and the texts drawn, in order.
    std::vector<Call> Of(Kind kind) const;
    std::vector<std::string> Texts() const;
    void Clear() { calls.clear(); }

    void BeginMenus() override { ++menuPasses; }
    void EndMenus() override {}
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
    int fontsCompiled = 0;
};
