#pragma once
// A choice among texts, stepped with two arrow buttons on release; its value label shows the
// chosen text.
#include <string>
#include <vector>

#include "ui/Widget.h"

class ButtonWidget;
class LabelWidget;

class OptionSelectorWidget : public Widget {
public:
    OptionSelectorWidget(const char* caption, const char* image, ButtonWidget* leftArrow,
                         ButtonWidget* rightArrow, LabelWidget* valueLabel, int x, int y, int w,
                         int h, const float* baseColour, const float* textColour, int capacity);

    // Copies the text into the next free slot; the first one replaces the label's "---".
    // Beyond the capacity nothing is added.
    void AddOption(const char* text);
    void OnMouseDown(int, int) override {}
    void OnMouseUp(int x, int y) override;
    void OnMouseEnter() override { hovered = true; }
    void OnMouseLeave() override { hovered = false; }
    void Draw() override;

    int selectedIndex = 0;
    ButtonWidget* leftArrow = nullptr;
    ButtonWidget* rightArrow = nullptr;
    LabelWidget* valueLabel = nullptr;
    std::vector<std::string> options;
    int capacity = 0;
    int count = 0;

private:
    void ShowSelected();
};

// One step of a selector by its arrows' hover flags: left first, then right, each wrapping
// around the capacity. Shared by both kinds of selector.
int StepSelection(int selected, int capacity, bool left, bool right);
