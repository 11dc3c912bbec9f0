#include "ui/MenuCanvas.h"

#include "app/FrameTimer.h"

namespace {

class QuietCanvas : public MenuCanvas {
public:
    void BeginMenus() override {}
    void EndMenus() override {}
    unsigned LoadTexture(const std::string&, bool) override { return 0; }
    void DrawQuad(const CanvasQuad&) override {}
    void DrawLineStrip(const std::vector<CanvasVertex>&, float, const float[4]) override {}
    void SetTextureOffset(float, float) override {}
    void ResetTextureOffset() override {}
    void DrawModel(MeshTree&, float, float, float, float, float) override {}
    int CompileFont(const platform::GlyphSet&) override { return -1; }
    void DeleteFont(int) override {}
    void DrawText2D(int, float, float, const float[3], std::string_view) override {}
    void DrawText3D(int, float, float, float, const float[3], std::string_view) override {}
};

QuietCanvas quietCanvas;
MenuCanvas* installedCanvas = &quietCanvas;
float (*deltaTimeSource)() = nullptr;

}  // namespace

MenuCanvas& GetMenuCanvas() {
    return *installedCanvas;
}

void SetMenuCanvas(MenuCanvas* canvas) {
    installedCanvas = canvas ? canvas : &quietCanvas;
}

float GetMenuDeltaTime() {
    return deltaTimeSource ? deltaTimeSource() : frameTimer.GetDeltaTime();
}

void SetMenuDeltaTimeSource(float (*source)()) {
    deltaTimeSource = source;
}
