#pragma once
// Every element of a menu: a rectangle given by its centre and size in window pixels, with a
// name (its caption or text format), a type code, an optional texture, four colours and a
// few flags.
#include <string>

#include "ui/MouseListener.h"

class MenuSystem;

// The type codes by which the menus tell their widgets apart.
enum WidgetType : int {
    kLabelWidget = 0,
    kButtonWidget = 1,
    kOptionSelectorWidget = 2,
    kModelSelectorWidget = 3,
    kFadeTransitionWidget = 4,
    kLoadingScreenWidget = 5,
    kDialogueBoxWidget = 6,
    kDialoguePortrait = 7,
};

class Widget : public MouseListener {
public:
    Widget() = default;
    ~Widget() override = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    virtual void Init(const char* name, const char* image, int x, int y, int w, int h,
                      const float* normalColour, const float* textColour, const float* hoverColour,
                      bool pulse, bool colourKey);
    virtual void Draw();

    std::string name;
    int type = 0;
    unsigned texture = 0;
    int x = 0, y = 0;
    int w = 0, h = 0;
    int font = 0;
    float normalColour[4] = {};
    float hoverColour[4] = {};
    float currentColour[4] = {};
    float textColour[4] = {};
    bool hovered = false;
    bool pulse = false;
    bool scrollable = false;
    bool visible = true;
    // The menu system that holds the widget, set when it is added to a menu; text is
    // printed through its fonts.
    MenuSystem* menus = nullptr;

protected:
    // The body quad (x - w/2, y - h/2) to (x + w/2, y + h/2), moved by (dx, dy), with the
    // picture upright.
    void DrawBodyQuad(float dx, float dy, float depth, const float colour[4]) const;
    // The text in one of the menu system's fonts; nothing before the widget is on a menu.
    void PrintText(int fontIndex, float px, float py, const float rgb[3],
                   const std::string& text) const;
};

// Copies four colour components; a null source leaves the target as it is.
void CopyColour(float target[4], const float* source);
