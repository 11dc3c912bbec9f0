#include "ui/ModelSelectorWidget.h"

#include <cmath>

#include "app/FileLoader.h"
#include "app/Window.h"
#include "render/MeshTree.h"
#include "ui/ButtonWidget.h"
#include "ui/LabelWidget.h"
#include "ui/MenuCanvas.h"
#include "ui/OptionSelectorWidget.h"

namespace {
// The turning model stands this far into the view, tilted towards the viewer; screen pixels
// from the window's centre become view units at this ratio.
constexpr float kModelDepth = -12.0f;
constexpr float kModelTilt = 25.0f;
constexpr float kPixelsPerUnit = 65.0f;
constexpr float kFullscreenHeight = 0.8f;
constexpr float kWindowedHeight = 0.5f;
// The panel is this fraction of the selector's width on each side of its centre.
constexpr float kPanelHalfWidthDivisor = 2.5f;
}  // namespace

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
    const float across = std::trunc((x - window.GetWidth() / 2.0f) / kPixelsPerUnit);
    const float up = window.IsFullscreen() ? kFullscreenHeight : kWindowedHeight;
    // Only the chosen model turns; the others keep their angle.
    model->RotateY(1.0f);
    GetMenuCanvas().DrawModel(*model, across, up, kModelDepth, kModelTilt);
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
