#include "ui/RecordingCanvas.h"

namespace {
constexpr int kFontBaseStep = 1000;
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Of(Kind kind) const {
    std::vector<Call> found;
    for (const Call& call : calls)
        if (call.kind == kind) found.push_back(call);
    return found;
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> texts;
    for (const Call& call : calls)
        if (call.kind == Kind::Text2D || call.kind == Kind::Text3D) texts.push_back(call.text);
    return texts;
}

unsigned RecordingCanvas::LoadTexture(const std::string& file, bool) {
    if (file.empty() || missingTextures.count(file)) return 0;
    auto found = textures.find(file);
    if (found != textures.end()) return found->second;
    const unsigned name = static_cast<unsigned>(textures.size()) + 1;
    textures[file] = name;
    return name;
}

void RecordingCanvas::DrawQuad(const CanvasQuad& quad) {
    Call call{Kind::Quad, quad, {}, 0, {}, -1, 0, 0, 0, {}, nullptr};
    calls.push_back(call);
}

void RecordingCanvas::DrawLineStrip(const std::vector<CanvasVertex>& points, float depth,
                                    const float colour[4]) {
    Call call{Kind::LineStrip,
              {},
              points,
              depth,
              {colour[0], colour[1], colour[2], colour[3]},
              -1,
              0,
              0,
              0,
              {},
              nullptr};
    calls.push_back(call);
}

void RecordingCanvas::SetTextureOffset(float s, float t) {
    Call call{Kind::TextureOffset, {}, {}, 0, {}, -1, s, t, 0, {}, nullptr};
    calls.push_back(call);
}

void RecordingCanvas::ResetTextureOffset() {
    SetTextureOffset(0, 0);
}

void RecordingCanvas::DrawModel(MeshTree& model, float x, float y, float z, float, float scale) {
    Call call{Kind::Model, {}, {}, 0, {}, -1, x, y, z, {}, &model, scale};
    calls.push_back(call);
}

int RecordingCanvas::CompileFont(const platform::GlyphSet&) {
    return ++fontsCompiled * kFontBaseStep;
}

void RecordingCanvas::DeleteFont(int base) {
    deletedFonts.push_back(base);
}

void RecordingCanvas::DrawText2D(int base, float x, float y, const float rgb[3],
                                 std::string_view text) {
    Call call{Kind::Text2D,
              {},
              {},
              0,
              {rgb[0], rgb[1], rgb[2], 1},
              base / kFontBaseStep - 1,
              x,
              y,
              0,
              std::string(text),
              nullptr};
    calls.push_back(call);
}

void RecordingCanvas::DrawText3D(int base, float x, float y, float z, const float rgb[3],
                                 std::string_view text) {
    Call call{Kind::Text3D,
              {},
              {},
              0,
              {rgb[0], rgb[1], rgb[2], 1},
              base / kFontBaseStep - 1,
              x,
              y,
              z,
              std::string(text),
              nullptr};
    calls.push_back(call);
}
