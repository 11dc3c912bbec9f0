#pragma once
// A choice among vehicles, shown as the chosen model turning above a panel, stepped with two
// arrow buttons on press; its value label shows the chosen name.
#include <memory>
#include <string>
#include <vector>

#include "ui/Widget.h"

class ButtonWidget;
class LabelWidget;
class MeshTree;

class ModelSelectorWidget : public Widget {
public:
    ModelSelectorWidget(const char* caption, const char* image, ButtonWidget* leftArrow,
                        ButtonWidget* rightArrow, LabelWidget* valueLabel, int x, int y, int w,
                        int h, const float* baseColour, const float* textColour, int capacity);
    ~ModelSelectorWidget() override;

    void AddOption(const char* label, const char* modelFile);
    // Loads every model file once; a file that cannot be loaded leaves its slot empty.
    void LoadModels();
    void FreeModels();
    void OnMouseDown(int x, int y) override;
    void OnMouseUp(int, int) override {}
    void OnMouseEnter() override { hovered = true; }
    void OnMouseLeave() override { hovered = false; }
    void Draw() override;
    void DrawPanel();

    ButtonWidget* leftArrow = nullptr;
    ButtonWidget* rightArrow = nullptr;
    LabelWidget* valueLabel = nullptr;
    std::vector<std::string> labels;
    std::vector<std::string> modelFiles;
    std::vector<std::unique_ptr<MeshTree>> models;
    int capacity = 0;
    int selectedIndex = 0;
    int count = 0;

    // Where the model turns, in view units, and how far it is shrunk: no further than it
    // must be to stay on the panel through a whole turn.
    float ModelAcross() const;
    static float ModelUp();
    float FitScale(const MeshTree& model) const;

private:
    void ShowSelected();
    void DrawModel();
    void DrawArrows();
};
