#include "ui/ModelSelectorWidget.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/FileLoader.h"
#include "app/Window.h"
#include "render/MeshTree.h"
#include "ui/ButtonWidget.h"
#include "ui/LabelWidget.h"
#include "ui/MenuCanvas.h"
#include "ui/OptionSelectorWidget.h"

namespace {
// The turning model stands this far into the view, tilted towards the viewer.
constexpr float kModelDepth = -12.0f;
constexpr float kModelTilt = 25.0f;
constexpr float kFullscreenHeight = 0.8f;
constexpr float kWindowedHeight = 0.5f;
// The panel is this fraction of the selector's width on each side of its centre.
constexpr float kPanelHalfWidthDivisor = 2.5f;
// The menus' view spans 45 degrees from the window's top to its bottom.
constexpr float kHalfViewTangent = 0.41421356f;
// Our vehicles are modelled at the room's scale: a larger one is first shrunk to this half
// size in model units.
constexpr float kLargestHalfExtent = 1.9f;
// The pixels of panel the turning model leaves clear on every side: the panel's rim.
constexpr float kPanelMargin = 10.0f;
constexpr int kTurnSteps = 48;
constexpr int kFitSteps = 24;
constexpr float kPi = 3.14159265f;

struct Span {
    float left, top, right, bottom;
};

// One height of the model and how far from the axis it turns about it reaches there.
struct Ring {
    float y, reach;
};

float LargestHalfExtent(const MeshTree& model) {
    float extent = 0.0f;
    for (int axis = 0; axis < 3; ++axis)
        extent =
            std::max({extent, std::fabs(model.boundsMin[axis]), std::fabs(model.boundsMax[axis])});
    return extent;
}

// What the model sweeps while it turns, as the farthest reach from its axis in each of a few
// bands of height: from its vertices, or from its box when it has no mesh.
std::vector<Ring> TurningRings(const MeshTree& model) {
    constexpr int kBands = 16;
    const float low = model.boundsMin[1], high = model.boundsMax[1];
    if (!model.mesh || model.mesh->vertices.empty()) {
        const float reach = std::hypot(std::max(-model.boundsMin[0], model.boundsMax[0]),
                                       std::max(-model.boundsMin[2], model.boundsMax[2]));
        return {{low, reach}, {high, reach}};
    }
    std::vector<Ring> rings(kBands, Ring{0.0f, -1.0f});
    const float band = std::max(high - low, 1e-3f) / kBands;
    for (const auto& v : model.mesh->vertices) {
        const int k = std::clamp(static_cast<int>((v[1] - low) / band), 0, kBands - 1);
        const float reach = std::hypot(v[0], v[2]);
        if (reach > rings[k].reach) rings[k] = {v[1], reach};
    }
    std::erase_if(rings, [](const Ring& ring) { return ring.reach < 0.0f; });
    return rings;
}

// The window pixels the model covers over a whole turn, drawn at (across, up) in view units
// and shrunk by `scale`.
Span TurningSpan(const std::vector<Ring>& rings, float across, float up, float scale) {
    const float width = static_cast<float>(window.GetWidth());
    const float height = static_cast<float>(window.GetHeight());
    const float focal = height / 2.0f / kHalfViewTangent;
    const float tiltCos = std::cos(kModelTilt * kPi / 180.0f);
    const float tiltSin = std::sin(kModelTilt * kPi / 180.0f);
    Span span{1e9f, 1e9f, -1e9f, -1e9f};
    for (int step = 0; step < kTurnSteps; ++step) {
        const float turn = 2.0f * kPi * static_cast<float>(step) / kTurnSteps;
        for (const Ring& ring : rings) {
            const float tx = ring.reach * std::cos(turn), tz = ring.reach * std::sin(turn);
            const float viewX = across + scale * tx;
            const float viewY = up + scale * (tiltCos * ring.y - tiltSin * tz);
            const float viewZ = kModelDepth + scale * (tiltSin * ring.y + tiltCos * tz);
            if (viewZ >= 0.0f) return {-1e9f, -1e9f, 1e9f, 1e9f};
            const float sx = width / 2.0f + focal * viewX / -viewZ;
            const float sy = height / 2.0f - focal * viewY / -viewZ;
            span = {std::min(span.left, sx), std::min(span.top, sy), std::max(span.right, sx),
                    std::max(span.bottom, sy)};
        }
    }
    return span;
}

bool Within(const Span& inner, const Span& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

}  // namespace

float ModelSelectorWidget::ModelAcross() const {
    // The panel's centre at the model's depth, so that the model turns over its own panel.
    const float focal = static_cast<float>(window.GetHeight()) / 2.0f / kHalfViewTangent;
    return (x - window.GetWidth() / 2.0f) * -kModelDepth / focal;
}

float ModelSelectorWidget::ModelUp() {
    return window.IsFullscreen() ? kFullscreenHeight : kWindowedHeight;
}

float ModelSelectorWidget::FitScale(const MeshTree& model) const {
    const float extent = LargestHalfExtent(model);
    const float largest = extent > kLargestHalfExtent ? kLargestHalfExtent / extent : 1.0f;
    const float halfW = w / kPanelHalfWidthDivisor - kPanelMargin;
    const float halfH = h / 2.0f - kPanelMargin;
    const Span panel{x - halfW, y - halfH, x + halfW, y + halfH};
    const std::vector<Ring> rings = TurningRings(model);
    const float across = ModelAcross(), up = ModelUp();
    if (Within(TurningSpan(rings, across, up, largest), panel)) return largest;
    // Shrunk only as far as it must be, so that a model that fits keeps its size.
    float fits = 0.0f, overflows = largest;
    for (int step = 0; step < kFitSteps; ++step) {
        const float middle = (fits + overflows) / 2.0f;
        (Within(TurningSpan(rings, across, up, middle), panel) ? fits : overflows) = middle;
    }
    return fits;
}

ModelSelectorWidget::ModelSelectorWidget(const char* caption, const char* image, ButtonWidget* left,
                                         ButtonWidget* right, LabelWidget* label, int newX,
                                         int newY, int newW, int newH, const float* baseColour,
                                         const float* textC, int newCapacity)
    : leftArrow(left),
      rightArrow(right),
      valueLabel(label),
      capacity(newCapacity > 0 ? newCapacity : 0) {
    Init(caption, image, newX, newY, newW, newH, baseColour, textC, baseColour, false, true);
    labels.resize(static_cast<std::size_t>(capacity));
    modelFiles.resize(static_cast<std::size_t>(capacity));
}

ModelSelectorWidget::~ModelSelectorWidget() {
    FreeModels();
}

void ModelSelectorWidget::AddOption(const char* label, const char* modelFile) {
    if (count >= capacity) return;
    labels[static_cast<std::size_t>(count)] = label ? label : "";
    modelFiles[static_cast<std::size_t>(count)] = modelFile ? modelFile : "";
    ++count;
    if (count == 1) ShowSelected();
}

void ModelSelectorWidget::LoadModels() {
    models.clear();
    models.resize(static_cast<std::size_t>(capacity));
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<MeshTree> model =
            fileLoader.LoadModel(modelFiles[static_cast<std::size_t>(i)].c_str(), false);
        if (model && !model->matrix) model->AllocateMatrix();
        models[static_cast<std::size_t>(i)] = std::move(model);
    }
}

void ModelSelectorWidget::FreeModels() {
    models.clear();
}

void ModelSelectorWidget::ShowSelected() {
    if (valueLabel && selectedIndex >= 0 && selectedIndex < capacity)
        valueLabel->name = labels[static_cast<std::size_t>(selectedIndex)];
}

void ModelSelectorWidget::OnMouseDown(int, int) {
    const bool left = leftArrow && leftArrow->hovered;
    const bool right = rightArrow && rightArrow->hovered;
    if (!left && !right) return;
    selectedIndex = StepSelection(selectedIndex, capacity, left, right);
    ShowSelected();
}

void ModelSelectorWidget::DrawPanel() {
    const float halfW = w / kPanelHalfWidthDivisor;
    const float halfH = h / 2.0f;
    CanvasQuad quad;
    quad.corners[0] = {x - halfW, y - halfH, 0, 1};
    quad.corners[1] = {x - halfW, y + halfH, 0, 0};
    quad.corners[2] = {x + halfW, y + halfH, 1, 0};
    quad.corners[3] = {x + halfW, y - halfH, 1, 1};
    quad.depth = -1.0f;
    quad.texture = texture;
    GetMenuCanvas().DrawQuad(quad);
}

void ModelSelectorWidget::DrawModel() {
    if (selectedIndex < 0 || selectedIndex >= static_cast<int>(models.size())) return;
    MeshTree* model = models[static_cast<std::size_t>(selectedIndex)].get();
    if (!model) return;
    // Only the chosen model turns; the others keep their angle.
    model->RotateY(1.0f);
    GetMenuCanvas().DrawModel(*model, ModelAcross(), ModelUp(), kModelDepth, kModelTilt,
                              FitScale(*model));
}

void ModelSelectorWidget::DrawArrows() {
    // The arrows stay invisible to the menu's own pass and appear here, above the model.
    for (ButtonWidget* arrow : {leftArrow, rightArrow}) {
        if (!arrow) continue;
        arrow->visible = true;
        arrow->Draw();
        arrow->visible = false;
    }
}

void ModelSelectorWidget::Draw() {
    if (!visible) return;
    DrawPanel();
    DrawModel();
    DrawArrows();
    const float length = static_cast<float>(name.size());
    PrintText(0, x - length * 6.0f, y - h - 10.0f, textColour, name);
}
