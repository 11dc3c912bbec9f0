#include "ui/Widget.h"

#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"

void CopyColour(float target[4], const float* source) {
    if (!source) return;
    for (int i = 0; i < 4; ++i) target[i] = source[i];
}

void Widget::Init(const char* newName, const char* image, int newX, int newY, int newW, int newH,
                  const float* normal, const float* text, const float* hover, bool newPulse,
                  bool colourKey) {
    name = newName ? newName : "";
    x = newX;
    y = newY;
    w = newW;
    h = newH;
    CopyColour(normalColour, normal);
    CopyColour(hoverColour, hover);
    CopyColour(textColour, text);
    CopyColour(currentColour, normalColour);
    pulse = newPulse;
    texture = 0;
    if (image && image[0] != '\0') texture = GetMenuCanvas().LoadTexture(image, colourKey);
    font = 0;
}

void Widget::DrawBodyQuad(float dx, float dy, float depth, const float colour[4]) const {
    const float halfW = w / 2.0f;
    const float halfH = h / 2.0f;
    CanvasQuad quad;
    quad.corners[0] = {x - halfW + dx, y - halfH + dy, 0, 1};
    quad.corners[1] = {x - halfW + dx, y + halfH + dy, 0, 0};
    quad.corners[2] = {x + halfW + dx, y + halfH + dy, 1, 0};
    quad.corners[3] = {x + halfW + dx, y - halfH + dy, 1, 1};
    quad.depth = depth;
    CopyColour(quad.colour, colour);
    quad.texture = texture;
    GetMenuCanvas().DrawQuad(quad);
}

void Widget::PrintText(int fontIndex, float px, float py, const float rgb[3],
                       const std::string& text) const {
    if (menus) menus->PrintText2D(fontIndex, px, py, rgb, text);
}

void Widget::Draw() {
    if (!visible) return;
    DrawBodyQuad(0, 0, 0, currentColour);
}
